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
    if (std::getenv("CORVANE_BENCH_SHOW_CLIP") != nullptr) {
        // The clip alone, with the sound off: the outcome's sound would bring up the sound libraries.
        table.Sound_Click();
        static_cast<RoundView &>(table).roundSettled(RoundOutcome::Win);
    }
    return QApplication::exec();
}
