#include "platform/pulse_output.h"

#include "corvane_version.h"
#include "platform/audio_libraries.h"
#include "platform/wave_decoder.h"

#include <atomic>
#include <map>

namespace {

constexpr const char *applicationName = "Corvane";

// libpulse, loaded with the first sound. Every call below comes after the mainloop exists, which it
// cannot without the library.
const PulseLibrary &pulse() {
    return *pulseLibrary();
}

// One sound on its way to the server. It lives exactly as long as its stream is connected or
// connecting, and is only reached through the stream the library hands to a callback.
struct CueStream {
    pa_stream *stream = nullptr;
    std::shared_ptr<const Pcm> pcm;
    std::size_t writtenBytes = 0;
    // Cut off before the server had made the stream: it is closed as soon as it is ready.
    bool abandoned = false;

    std::size_t totalBytes() const { return pcm->samples.size() * sizeof(qint16); }
    const char *bytes() const { return reinterpret_cast<const char *>(pcm->samples.data()); }
};

bool isFinal(pa_context_state_t state) {
    return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}

// Holds the library's lock for a scope; every call into libpulse outside its own callbacks needs it.
class MainloopLock {
public:
    explicit MainloopLock(pa_threaded_mainloop *mainloop) : mainloop(mainloop) {
        pulse().pa_threaded_mainloop_lock(mainloop);
    }
    ~MainloopLock() { pulse().pa_threaded_mainloop_unlock(mainloop); }
    MainloopLock(const MainloopLock &) = delete;
    MainloopLock &operator=(const MainloopLock &) = delete;

private:
    pa_threaded_mainloop *mainloop;
};

} // namespace

struct PulseOutput::Connection {
    pa_threaded_mainloop *mainloop = nullptr;
    pa_context *context = nullptr;
    // A sound asked for while the connection was still being made.
    std::shared_ptr<const Pcm> pending;
    std::map<pa_stream *, std::unique_ptr<CueStream>> streams;
    CueStream *current = nullptr;
    std::atomic<int> started{0};

    ~Connection();
    bool ensureMainloop();
    bool ensureContext();
    void dropContext();
    void startStream(std::shared_ptr<const Pcm> pcm);
    void cutOff(CueStream &cue);
    void forget(pa_stream *stream);
    CueStream *find(pa_stream *stream);

    static void onContextState(pa_context *context, void *user);
    static void onStreamState(pa_stream *stream, void *user);
    static void onWritable(pa_stream *stream, std::size_t bytes, void *user);
    static void onDrained(pa_stream *stream, int success, void *user);
};

PulseOutput::Connection::~Connection() {
    if (!mainloop)
        return;
    {
        MainloopLock lock(mainloop);
        pending.reset();
        current = nullptr;
        // Disconnecting the context ends its streams, whose final callbacks release them; anything left
        // is released here with its callbacks cleared first, so nothing can call back into it.
        dropContext();
        for (auto &[stream, cue] : streams) {
            pulse().pa_stream_set_state_callback(stream, nullptr, nullptr);
            pulse().pa_stream_set_write_callback(stream, nullptr, nullptr);
            pulse().pa_stream_unref(stream);
        }
        streams.clear();
    }
    pulse().pa_threaded_mainloop_stop(mainloop);
    pulse().pa_threaded_mainloop_free(mainloop);
}

bool PulseOutput::Connection::ensureMainloop() {
    if (mainloop)
        return true;
    if (!pulseLibrary())
        return false;
    mainloop = pulse().pa_threaded_mainloop_new();
    if (!mainloop)
        return false;
    if (pulse().pa_threaded_mainloop_start(mainloop) < 0) {
        pulse().pa_threaded_mainloop_free(mainloop);
        mainloop = nullptr;
        return false;
    }
    return true;
}

// A context that failed (no server, or the server went away) is replaced by a fresh one.
bool PulseOutput::Connection::ensureContext() {
    if (context && isFinal(pulse().pa_context_get_state(context)))
        dropContext();
    if (context)
        return true;
    pa_proplist *properties = pulse().pa_proplist_new();
    pulse().pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, applicationName);
    // The launcher's id, which also names the installed icon, lets a desktop's mixer show the stream under
    // the game's name and icon.
    pulse().pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, corvaneDesktopId);
    pulse().pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, corvaneDesktopId);
    context = pulse().pa_context_new_with_proplist(pulse().pa_threaded_mainloop_get_api(mainloop),
                                                   applicationName, properties);
    pulse().pa_proplist_free(properties);
    if (!context)
        return false;
    pulse().pa_context_set_state_callback(context, &Connection::onContextState, this);
    // A game does not start a sound server of its own: the desktop session provides one or there is none.
    if (pulse().pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropContext();
        return false;
    }
    return true;
}

void PulseOutput::Connection::dropContext() {
    if (!context)
        return;
    pulse().pa_context_set_state_callback(context, nullptr, nullptr);
    pulse().pa_context_disconnect(context);
    pulse().pa_context_unref(context);
    context = nullptr;
}

void PulseOutput::Connection::startStream(std::shared_ptr<const Pcm> pcm) {
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16NE, uint32_t(pcm->sampleRate), uint8_t(pcm->channels)};
    pa_channel_map map;
    if (!pulse().pa_channel_map_init_extend(&map, unsigned(pcm->channels), PA_CHANNEL_MAP_DEFAULT))
        return;
    pa_proplist *properties = pulse().pa_proplist_new();
    pulse().pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    pa_stream *stream =
        pulse().pa_stream_new_with_proplist(context, "sound cue", &sampleFormat, &map, properties);
    pulse().pa_proplist_free(properties);
    if (!stream)
        return;
    auto cue = std::make_unique<CueStream>();
    cue->stream = stream;
    cue->pcm = std::move(pcm);
    pulse().pa_stream_set_state_callback(stream, &Connection::onStreamState, this);
    pulse().pa_stream_set_write_callback(stream, &Connection::onWritable, this);
    if (pulse().pa_stream_connect_playback(stream, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr) <
        0) {
        pulse().pa_stream_set_state_callback(stream, nullptr, nullptr);
        pulse().pa_stream_set_write_callback(stream, nullptr, nullptr);
        pulse().pa_stream_unref(stream);
        return;
    }
    current = cue.get();
    streams.emplace(stream, std::move(cue));
}

// The server drops what it still holds of a disconnected stream, so the sound stops at once. A stream
// the server has not made yet cannot be disconnected; it is closed when it becomes ready.
void PulseOutput::Connection::cutOff(CueStream &cue) {
    cue.abandoned = true;
    pulse().pa_stream_set_write_callback(cue.stream, nullptr, nullptr);
    if (pulse().pa_stream_get_state(cue.stream) == PA_STREAM_READY)
        pulse().pa_stream_disconnect(cue.stream);
}

CueStream *PulseOutput::Connection::find(pa_stream *stream) {
    const auto found = streams.find(stream);
    return found == streams.end() ? nullptr : found->second.get();
}

// Runs in the stream's final state callback, where the library holds a reference of its own until the
// callback returns; ours can go.
void PulseOutput::Connection::forget(pa_stream *stream) {
    const auto found = streams.find(stream);
    if (found == streams.end())
        return;
    if (current == found->second.get())
        current = nullptr;
    pulse().pa_stream_set_state_callback(stream, nullptr, nullptr);
    pulse().pa_stream_set_write_callback(stream, nullptr, nullptr);
    streams.erase(found);
    pulse().pa_stream_unref(stream);
}

void PulseOutput::Connection::onContextState(pa_context *context, void *user) {
    auto *self = static_cast<Connection *>(user);
    const pa_context_state_t state = pulse().pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && self->pending)
        self->startStream(std::move(self->pending));
    else if (isFinal(state))
        self->pending.reset();
}

void PulseOutput::Connection::onStreamState(pa_stream *stream, void *user) {
    auto *self = static_cast<Connection *>(user);
    CueStream *cue = self->find(stream);
    if (!cue)
        return;
    switch (pulse().pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        if (cue->abandoned)
            pulse().pa_stream_disconnect(stream);
        else
            ++self->started;
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        self->forget(stream);
        break;
    default:
        break;
    }
}

void PulseOutput::Connection::onWritable(pa_stream *stream, std::size_t bytes, void *user) {
    auto *self = static_cast<Connection *>(user);
    CueStream *cue = self->find(stream);
    if (!cue || cue->abandoned)
        return;
    const std::size_t count = std::min(bytes, cue->totalBytes() - cue->writtenBytes);
    if (count > 0 && pulse().pa_stream_write(stream, cue->bytes() + cue->writtenBytes, count, nullptr, 0,
                                             PA_SEEK_RELATIVE) < 0)
        return;
    cue->writtenBytes += count;
    if (cue->writtenBytes < cue->totalBytes())
        return;
    // All handed over; the server still holds a buffer of it. The stream is closed once that is heard,
    // since closing it now would cut off the end of the sound.
    pulse().pa_stream_set_write_callback(stream, nullptr, nullptr);
    if (pa_operation *draining = pulse().pa_stream_drain(stream, &Connection::onDrained, self))
        pulse().pa_operation_unref(draining);
}

void PulseOutput::Connection::onDrained(pa_stream *stream, int, void *user) {
    auto *self = static_cast<Connection *>(user);
    CueStream *cue = self->find(stream);
    if (!cue)
        return;
    if (self->current == cue)
        self->current = nullptr;
    if (pulse().pa_stream_get_state(stream) == PA_STREAM_READY)
        pulse().pa_stream_disconnect(stream);
}

PulseOutput::PulseOutput() : connection(std::make_unique<Connection>()) {}

PulseOutput::~PulseOutput() = default;

void PulseOutput::play(std::shared_ptr<const Pcm> pcm) {
    stop();
    if (!pcm || pcm->samples.empty() || !connection->ensureMainloop())
        return;
    MainloopLock lock(connection->mainloop);
    if (!connection->ensureContext())
        return;
    if (pulse().pa_context_get_state(connection->context) == PA_CONTEXT_READY)
        connection->startStream(std::move(pcm));
    else
        connection->pending = std::move(pcm);
}

void PulseOutput::stop() {
    if (!connection->mainloop)
        return;
    MainloopLock lock(connection->mainloop);
    connection->pending.reset();
    if (connection->current) {
        connection->cutOff(*connection->current);
        connection->current = nullptr;
    }
}

int PulseOutput::streamsStarted() const {
    return connection->started;
}
