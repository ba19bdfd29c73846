#include "platform/platform_bundle.h"
#include "play/round_model.h"
#include "table/application_identity.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    nameApplication();
    installTranslations(QLocale::system().uiLanguages(), &app);
    const PlatformBundle platform = PlatformBundle::system();
    RoundModel round(*platform.random, *platform.clock);
    BJMain table(round, *platform.wave, platform.programDirectory);
    table.show();
    return QApplication::exec();
}
