#pragma once

#include <pulse/pulseaudio.h>
#include <sndfile.h>

// The sound libraries are loaded with the first sound rather than with the program: the window comes up
// sooner and lighter, and a player who never hears a sound never pays for them. Each call below is null
// until its library is loaded; a library that is missing or lacks a call leaves the game silent.

#define CORVANE_SNDFILE_CALLS(CALL)                                                                          \
    CALL(sf_open_virtual)                                                                                    \
    CALL(sf_readf_float)                                                                                     \
    CALL(sf_close)

#define CORVANE_PULSE_CALLS(CALL)                                                                            \
    CALL(pa_channel_map_init_extend)                                                                         \
    CALL(pa_context_connect)                                                                                 \
    CALL(pa_context_disconnect)                                                                              \
    CALL(pa_context_get_state)                                                                               \
    CALL(pa_context_new_with_proplist)                                                                       \
    CALL(pa_context_set_state_callback)                                                                      \
    CALL(pa_context_unref)                                                                                   \
    CALL(pa_operation_unref)                                                                                 \
    CALL(pa_proplist_free)                                                                                   \
    CALL(pa_proplist_new)                                                                                    \
    CALL(pa_proplist_sets)                                                                                   \
    CALL(pa_stream_connect_playback)                                                                         \
    CALL(pa_stream_disconnect)                                                                               \
    CALL(pa_stream_drain)                                                                                    \
    CALL(pa_stream_get_state)                                                                                \
    CALL(pa_stream_new_with_proplist)                                                                        \
    CALL(pa_stream_set_state_callback)                                                                       \
    CALL(pa_stream_set_write_callback)                                                                       \
    CALL(pa_stream_unref)                                                                                    \
    CALL(pa_stream_write)                                                                                    \
    CALL(pa_threaded_mainloop_free)                                                                          \
    CALL(pa_threaded_mainloop_get_api)                                                                       \
    CALL(pa_threaded_mainloop_lock)                                                                          \
    CALL(pa_threaded_mainloop_new)                                                                           \
    CALL(pa_threaded_mainloop_start)                                                                         \
    CALL(pa_threaded_mainloop_stop)                                                                          \
    CALL(pa_threaded_mainloop_unlock)

#define CORVANE_DECLARE_CALL(name) decltype(&::name) name = nullptr;

// libsndfile's calls the decoder makes, under their own names.
struct SndfileLibrary {
    CORVANE_SNDFILE_CALLS(CORVANE_DECLARE_CALL)
};

// libpulse's calls the sound output makes, under their own names.
struct PulseLibrary {
    CORVANE_PULSE_CALLS(CORVANE_DECLARE_CALL)
};

#undef CORVANE_DECLARE_CALL

// The library, loaded on the first call from any thread; null when it cannot be loaded whole.
const SndfileLibrary *sndfileLibrary();
const PulseLibrary *pulseLibrary();
