#include "corvane_version.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(corvaneVersion));
    // Names the installed launcher, so that a Wayland desktop shows the window with the launcher's icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(corvaneDesktopId));
    installTranslations(QLocale::system().uiLanguages(), &app);
    BJMain table;
    table.show();
    return QApplication::exec();
}
