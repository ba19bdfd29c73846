#include "corvane_version.h"
#include "platform/font_configuration_preload.h"
#include "platform/platform_bundle.h"
#include "play/round_model.h"
#include "table/application_identity.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>
#include <malloc.h>

int main(int argc, char *argv[]) {
    // Asked for its version, as a packaged program is, the game answers without opening a window.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("Corvane %s\n", corvaneVersion);
        return 0;
    }
#ifdef __GLIBC__
    // The game's few threads allocate little: one heap for them all keeps its memory that of a small
    // program, where glibc would give each thread a heap of its own.
    mallopt(M_ARENA_MAX, 1);
#endif
    const FontConfigurationPreload fonts;
    QApplication app(argc, argv);
    nameApplication();
    installTranslations(QLocale::system().uiLanguages(), &app);
    const PlatformBundle platform = PlatformBundle::system();
    RoundModel round(*platform.random, *platform.clock);
    BJMain table(round, *platform.wave, platform.programDirectory);
    table.speakResultsWith(platform.voice.get());
    table.show();
    return QApplication::exec();
}
