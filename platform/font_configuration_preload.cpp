#include "platform/font_configuration_preload.h"

#include <dlfcn.h>

FontConfigurationPreload::FontConfigurationPreload() {
    // Looked up rather than linked: Qt has already loaded fontconfig if it uses it, and the game needs no
    // more of it than this one call. FcInit is safe to call from any thread and does its work once.
    using Initialise = int (*)();
    if (auto *initialise = reinterpret_cast<Initialise>(dlsym(RTLD_DEFAULT, "FcInit")))
        reader = std::jthread(initialise);
}
