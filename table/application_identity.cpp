#include "table/application_identity.h"

#include "corvane_version.h"

#include <QApplication>

void nameApplication() {
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(corvaneVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(corvaneDesktopId));
}
