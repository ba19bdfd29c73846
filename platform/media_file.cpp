#include "platform/media_file.h"

#include <QDir>

QString mediaFileOnDisk(const QString &builtPath) {
    QString path = builtPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(path);
}
