#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A benchmark hook shared by the bench's game and the bare window, so both are timed by the same code.
// With CORVANE_REPORT_FIRST_PAINT set, the first painted frame prints the wall-clock time as
// "first-paint <seconds since the epoch>". The script takes the time just before it starts the program,
// so the figure covers loading the libraries as well as everything main() does. With the value "stay"
// the program carries on (to be measured at rest); with any other value it quits at once.
class FirstPaintProbe : public QObject {
public:
    static void installIfAsked() {
        const char *asked = std::getenv("CORVANE_REPORT_FIRST_PAINT");
        if (asked == nullptr || *asked == '\0')
            return;
        auto *probe = new FirstPaintProbe(std::strcmp(asked, "stay") != 0);
        probe->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(probe);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            // Reported once the whole frame is painted and flushed, not at its first widget.
            QTimer::singleShot(0, this, &FirstPaintProbe::report);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit FirstPaintProbe(bool quitAfterwards) : quit(quitAfterwards) {}

    void report() {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
        std::printf("first-paint %lld.%06lld\n", static_cast<long long>(micros / 1000000),
                    static_cast<long long>(micros % 1000000));
        std::fflush(stdout);
        QCoreApplication::instance()->removeEventFilter(this);
        if (quit)
            QCoreApplication::quit();
    }

    bool quit;
    bool seen = false;
};
