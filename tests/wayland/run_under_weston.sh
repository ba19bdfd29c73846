#!/bin/sh
# Plays rounds of the real table under a headless Wayland compositor of its own, then checks that the
# window reached the compositor under the launcher's app id and that the game said nothing on stderr.
#
#   run_under_weston.sh <test-program> <app-id>
#
# Exits 77 (skipped) when weston or Qt's Wayland plugin is missing, unless CORVANE_REQUIRE_WAYLAND is set.
set -u
program=$1
app_id=$2

skip() {
    if [ -n "${CORVANE_REQUIRE_WAYLAND-}" ]; then
        echo "FAIL: CORVANE_REQUIRE_WAYLAND is set, but $*"
        exit 1
    fi
    echo "SKIP: $*"
    exit 77
}
command -v weston >/dev/null || skip "weston is not installed"

dir=$(mktemp -d "${TMPDIR:-/tmp}/corvane-wayland.XXXXXX") || exit 1
chmod 700 "$dir"
weston_pid=
finish() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$dir"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The compositor logs the protocol, where the window's app id shows; its own words go to its log.
XDG_RUNTIME_DIR=$dir weston --backend=headless-backend.so --socket=corvane-wayland --idle-time=0 \
    --no-config --logger-scopes=log,proto --log="$dir/weston.log" >"$dir/weston.out" 2>&1 &
weston_pid=$!
tries=0
until [ -S "$dir/corvane-wayland" ]; do
    if ! kill -0 "$weston_pid" 2>/dev/null || [ "$tries" -ge 100 ]; then
        cat "$dir/weston.out" "$dir/weston.log" 2>/dev/null
        echo "FAIL: weston did not start"
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done

# Qt complains on stderr of a locale that is not UTF-8, as a bare system's "C" is; that is the system's
# word, not the game's.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8

# In a sanitized build, the leaks that Qt's Wayland platform and Mesa leave at exit are told apart by
# their callers (tools/sanitizer/lsan.supp), which the fast unwinder can't reach through system libraries
# built without frame pointers. Other builds ignore the variable.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"

status=0
XDG_RUNTIME_DIR=$dir WAYLAND_DISPLAY=corvane-wayland QT_QPA_PLATFORM=wayland "$program" 2>"$dir/stderr" ||
    status=$?
if grep -q 'Could not find the Qt platform plugin "wayland"' "$dir/stderr"; then
    skip "Qt's Wayland plugin is not installed (qt6-wayland)"
fi

failures=0
if [ "$status" -ne 0 ]; then
    echo "FAIL: the rounds ended with status $status"
    failures=$((failures + 1))
fi
if [ -s "$dir/stderr" ]; then
    echo "FAIL: the game wrote to stderr:"
    sed 's/^/  | /' "$dir/stderr"
    failures=$((failures + 1))
fi
if grep -q "set_app_id(\"$app_id\")" "$dir/weston.log"; then
    echo "ok: the window's app id is $app_id"
else
    echo "FAIL: the compositor never saw the app id $app_id; it saw:"
    grep -o 'set_app_id([^)]*)' "$dir/weston.log" | sort -u | sed 's/^/  | /'
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
