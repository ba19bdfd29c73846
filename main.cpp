#include "corvane_version.h"
#include "platform/first_paint_probe.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QApplication>
#include <QLocale>
#include <cstdlib>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(corvaneVersion));
    // Names the installed launcher, so that a Wayland desktop shows the window with the launcher's icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(corvaneDesktopId));
    installTranslations(QLocale::system().uiLanguages(), &app);
    BJMain table;
    table.show();
    // Benchmark hooks, inert unless their variables are set (tools/bench_rest.sh).
    FirstPaintProbe::installIfAsked();
    if (std::getenv("CORVANE_BENCH_SHOW_CLIP") != nullptr)
        static_cast<RoundView &>(table).showClip(ClipCue::Win);
    return QApplication::exec();
}
