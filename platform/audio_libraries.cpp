#include "platform/audio_libraries.h"

#include <dlfcn.h>

namespace {

#define CORVANE_RESOLVE_CALL(name)                                                                           \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name));                           \
    complete = complete && library.name != nullptr;

bool resolveSndfile(void *handle, SndfileLibrary &library) {
    bool complete = true;
    CORVANE_SNDFILE_CALLS(CORVANE_RESOLVE_CALL)
    return complete;
}

bool resolvePulse(void *handle, PulseLibrary &library) {
    bool complete = true;
    CORVANE_PULSE_CALLS(CORVANE_RESOLVE_CALL)
    return complete;
}

#undef CORVANE_RESOLVE_CALL

// A library missing a call is no library: the game stays silent rather than call through a null. A loaded
// library stays for good, since its calls may run on a sound thread until the program ends.
template <typename Library> const Library *loadWhole(const char *soname, bool (*resolve)(void *, Library &)) {
    void *handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return nullptr;
    auto *library = new Library;
    if (resolve(handle, *library))
        return library;
    delete library;
    dlclose(handle);
    return nullptr;
}

} // namespace

const SndfileLibrary *sndfileLibrary() {
    static const SndfileLibrary *const library = loadWhole<SndfileLibrary>("libsndfile.so.1", resolveSndfile);
    return library;
}

const PulseLibrary *pulseLibrary() {
    static const PulseLibrary *const library = loadWhole<PulseLibrary>("libpulse.so.0", resolvePulse);
    return library;
}
