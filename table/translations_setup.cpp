#include "table/translations_setup.h"

#include "platform/media_file.h"
#include "platform/media_handle.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <unistd.h>

namespace {

// The game's own translations are tens of kB; anything far larger put in their place is not one.
constexpr qint64 largestTranslation = 4 * 1024 * 1024;

// A translation read from a file on disk. QTranslator keeps pointing into the bytes it was loaded from, so
// they live as long as it does.
class DiskTranslator : public QTranslator {
public:
    explicit DiskTranslator(QObject *owner) : QTranslator(owner) {}

    // Reads the file only when it is a regular file of a sensible size: a FIFO or a device with a
    // translation's name would otherwise hold up the start for good.
    bool loadFile(const QString &fileName) {
        MediaHandle file = openMediaFile(fileName);
        const qint64 size = mediaFileSize(file);
        if (!file || size <= 0 || size > largestTranslation)
            return false;
        bytes.reserve(size);
        // Read through a buffer of a size the compiler knows, so that the fortified read checks every call.
        std::array<char, 4096> chunk;
        while (bytes.size() < size) {
            const std::size_t wanted = std::min(chunk.size(), std::size_t(size - bytes.size()));
            const ssize_t got = ::read(file.fd(), chunk.data(), wanted);
            if (got <= 0)
                return false;
            bytes.append(chunk.data(), got);
        }
        return load(reinterpret_cast<const uchar *>(bytes.constData()), int(bytes.size()));
    }

private:
    QByteArray bytes;
};

QStringList diskTranslationFolders() {
    QStringList folders;
    const QString playerDataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString &dataFolder :
         mediaFallbackFolders(QCoreApplication::applicationDirPath(), playerDataHome))
        folders << QDir(dataFolder).filePath(QStringLiteral("translations"));
    return folders;
}

// "de_DE" is looked for as itself, then as "de".
QStringList fileNamesFor(QString language) {
    QStringList names;
    for (;;) {
        names << QStringLiteral("corvane_%1.qm").arg(language);
        const qsizetype cut = language.lastIndexOf(QLatin1Char('_'));
        if (cut <= 0)
            return names;
        language.truncate(cut);
    }
}

// The game's translation for `language` from the first folder that has one, or null.
QTranslator *gameTranslation(const QString &language, QObject *owner) {
    for (const QString &folder : diskTranslationFolders()) {
        for (const QString &name : fileNamesFor(language)) {
            auto *translator = new DiskTranslator(owner);
            if (translator->loadFile(QDir(folder).filePath(name)))
                return translator;
            delete translator;
        }
    }
    // The copy built into the program.
    auto *builtIn = new QTranslator(owner);
    if (builtIn->load(QStringLiteral("corvane_") + language, QStringLiteral(":/i18n")))
        return builtIn;
    delete builtIn;
    return nullptr;
}

bool isEnglish(const QString &language) {
    return language == QLatin1String("C") || language == QLatin1String("en") ||
           language.startsWith(QLatin1String("en_"));
}

} // namespace

QString installTranslations(const QStringList &languages, QObject *owner) {
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (isEnglish(language))
            return {};
        QTranslator *game = gameTranslation(language, owner);
        if (!game)
            continue;
        QCoreApplication::installTranslator(game);
        // Qt's own words: the message box's button, the text box's context menu.
        auto *qt = new QTranslator(owner);
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return language;
    }
    return {};
}

QString gameLanguage() {
    //: The code of this translation's language, as in help_text_<code>.txt and win_<code>.swf: "de", "pt_BR".
    return QCoreApplication::translate("BJHelp", "en");
}
