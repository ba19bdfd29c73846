#include "table/application_identity.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    nameApplication();
    installTranslations(QLocale::system().uiLanguages(), &app);
    BJMain table;
    table.show();
    return QApplication::exec();
}
