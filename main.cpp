#include "platform/first_paint_probe.h"
#include "table/application_identity.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QApplication>
#include <QLocale>
#include <cstdlib>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    nameApplication();
    installTranslations(QLocale::system().uiLanguages(), &app);
    BJMain table;
    table.show();
    // Benchmark hooks, inert unless their variables are set (tools/bench_rest.sh).
    FirstPaintProbe::installIfAsked();
    if (std::getenv("CORVANE_BENCH_SHOW_CLIP") != nullptr)
        static_cast<RoundView &>(table).showClip(ClipCue::Win);
    return QApplication::exec();
}
