#include "table/translations_setup.h"

#include "platform/media_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

namespace {

QStringList translationFolders() {
    QStringList folders;
    const QString playerDataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString &dataFolder :
         mediaFallbackFolders(QCoreApplication::applicationDirPath(), playerDataHome))
        folders << QDir(dataFolder).filePath(QStringLiteral("translations"));
    folders << QStringLiteral(":/i18n");
    return folders;
}

bool isEnglish(const QString &language) {
    return language == QLatin1String("C") || language == QLatin1String("en") ||
           language.startsWith(QLatin1String("en_"));
}

} // namespace

QString installTranslations(const QStringList &languages, QObject *owner) {
    const QStringList folders = translationFolders();
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (isEnglish(language))
            return {};
        for (const QString &folder : folders) {
            auto *game = new QTranslator(owner);
            // "corvane_de_DE" is also tried as "corvane_de".
            if (!game->load(QStringLiteral("corvane_") + language, folder)) {
                delete game;
                continue;
            }
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
    }
    return {};
}
