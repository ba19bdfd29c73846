#include "platform/first_paint_probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

// The yardstick for the game's cost at rest: a main window with a menu bar and a fixed client area of
// the table's size, and nothing else.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File "));
    window.menuBar()->addMenu(QStringLiteral("&Sound"));
    window.menuBar()->addMenu(QStringLiteral("&Other"));
    auto *client = new QWidget(&window);
    client->setFixedSize(559, 410);
    window.setCentralWidget(client);
    window.show();
    FirstPaintProbe::installIfAsked();
    return QApplication::exec();
}
