#include "platform/media_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// A symbolic link counts by what it points to, so a link to a sound in another folder plays.
bool isRegularFile(const QString &path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

} // namespace

QString mediaFileOnDisk(const QString &builtPath) {
    QString path = builtPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(path);
}

QStringList mediaFallbackFolders(const QString &programDirectory, const QString &playerDataHome) {
    QStringList folders;
    if (!playerDataHome.isEmpty())
        folders << QDir(playerDataHome).filePath(QStringLiteral("corvane"));
    folders << QDir::cleanPath(programDirectory + QStringLiteral("/../share/corvane"));
    return folders;
}

QString locateMediaFile(const QString &builtPath, const QStringList &fallbackFolders) {
    const QString besideProgram = mediaFileOnDisk(builtPath);
    if (isRegularFile(besideProgram))
        return besideProgram;
    const QString name = QFileInfo(besideProgram).fileName();
    if (name.isEmpty())
        return {};
    for (const QString &folder : fallbackFolders) {
        const QString candidate = QDir(folder).filePath(name);
        if (isRegularFile(candidate))
            return candidate;
    }
    return {};
}

QString locateMediaFile(const QString &builtPath) {
    // $XDG_DATA_HOME, or ~/.local/share when it is not set.
    const QString playerDataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return locateMediaFile(builtPath,
                           mediaFallbackFolders(QCoreApplication::applicationDirPath(), playerDataHome));
}
