#include "table/table_window.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    BJMain table;
    table.show();
    return QApplication::exec();
}
