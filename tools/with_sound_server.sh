#!/bin/sh
# Runs a command with a reachable PulseAudio server. A desktop session usually has one; a build machine
# or container has none, so a private daemon with a null sink is started for the command and stopped
# afterwards. Works as root and as an ordinary user, and the exit status is the command's.
#
#   tools/with_sound_server.sh <command> [args...]

set -u

if [ "$#" -eq 0 ]; then
    echo "usage: $0 <command> [args...]" >&2
    exit 2
fi

dir=$(mktemp -d "${TMPDIR:-/tmp}/corvane-pulse.XXXXXX") || exit 1
chmod 700 "$dir"
daemon_pid=
watchdog_pid=

# Asking whether a server answers must not make libpulse spawn a session daemon of its own, which
# would outlive us and play to whatever hardware there is.
printf 'autospawn = no\n' >"$dir/client.conf"
if PULSE_CLIENTCONFIG="$dir/client.conf" pactl info >/dev/null 2>&1; then
    rm -rf "$dir"
    exec "$@"
fi

# shellcheck disable=SC2317 # run by the traps below
stop_daemon() {
    [ -n "$watchdog_pid" ] && kill "$watchdog_pid" 2>/dev/null
    if [ -n "$daemon_pid" ]; then
        kill "$daemon_pid" 2>/dev/null
        wait "$daemon_pid" 2>/dev/null
    fi
    rm -rf "$dir"
}
trap stop_daemon EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$dir/runtime" "$dir/home"
chmod 700 "$dir/runtime" "$dir/home"

# The daemon and its clients must not touch the real user's files: a root or "nobody" home may be
# missing or read-only, and a session's runtime directory may belong to someone else.
export XDG_RUNTIME_DIR="$dir/runtime"
export PULSE_RUNTIME_PATH="$dir/runtime/pulse"
export PULSE_STATE_PATH="$dir/home/state"
export PULSE_SERVER="unix:$dir/native"
daemon_home="$dir/home"

# A per-user instance is what a session would have; as root it only warns. Realtime scheduling and
# raised priority are refused in containers, so they are not asked for. Its output goes to files so
# that a test runner reading our output is not kept waiting on the daemon.
HOME="$daemon_home" XDG_CONFIG_HOME="$daemon_home/config" pulseaudio \
    --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --realtime=no --high-priority=no --use-pid-file=no -n \
    --log-target=file:"$dir/daemon.log" \
    --load="module-null-sink sink_name=corvane_null" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
    </dev/null >"$dir/daemon.out" 2>&1 &
daemon_pid=$!

# The daemon never leaves by itself, and a test runner that times out may kill this script outright,
# when no trap runs; so a watcher looks once a second whether the script is still there.
(
    while kill -0 "$$" 2>/dev/null; do sleep 1; done
    kill "$daemon_pid" 2>/dev/null
    sleep 1
    rm -rf "$dir"
) </dev/null >/dev/null 2>&1 &
watchdog_pid=$!

tries=0
until pactl info >/dev/null 2>&1; do
    if ! kill -0 "$daemon_pid" 2>/dev/null || [ "$tries" -ge 100 ]; then
        echo "$0: the PulseAudio daemon did not start:" >&2
        cat "$dir/daemon.out" "$dir/daemon.log" >&2 2>/dev/null
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done
# Access is anonymous, but a client whose home has no cookie complains about it on every connection.
export PULSE_COOKIE="$daemon_home/config/pulse/cookie"
pactl set-default-sink corvane_null || exit 1

"$@"
exit $?
