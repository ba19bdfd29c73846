#include "first_paint_probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace {

// The toolkit's own cost of a clip: two ready pictures of the clip's size swapped at the game's clips'
// pace (80 ms a frame), with nothing to decode. What the game spends beyond this is its clip player's.
class ReadyFrames : public QWidget {
public:
    explicit ReadyFrames(QWidget *parent) : QWidget(parent), frames{QPixmap(225, 49), QPixmap(225, 49)} {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(168, 176, 225, 49);
        frames[0].fill(Qt::darkGreen);
        frames[1].fill(Qt::darkRed);
        connect(&pace, &QTimer::timeout, this, [this] {
            shown = 1 - shown;
            update();
        });
        pace.start(80);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawPixmap(0, 0, frames[shown]); }

private:
    QPixmap frames[2];
    int shown = 0;
    QTimer pace;
};

} // namespace

// The yardstick for the game's cost at rest: a main window with a menu bar and a fixed client area of
// the table's size, and nothing else. With CORVANE_BENCH_ANIMATE set, the client area also swaps two
// ready pictures where the game shows its clip.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File "));
    window.menuBar()->addMenu(QStringLiteral("&Sound"));
    window.menuBar()->addMenu(QStringLiteral("&Other"));
    auto *client = new QWidget(&window);
    client->setFixedSize(559, 410);
    window.setCentralWidget(client);
    if (std::getenv("CORVANE_BENCH_ANIMATE") != nullptr)
        new ReadyFrames(client);
    window.show();
    FirstPaintProbe::installIfAsked();
    return QApplication::exec();
}
