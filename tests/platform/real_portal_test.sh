#!/bin/sh
# Runs a test program against the desktop's real settings portal (xdg-desktop-portal) and its GTK
# backend, which reads GNOME's settings: on a session bus, an X display, a home and a runtime folder of
# the test's own, all stopped and removed on exit. GNOME's settings are kept in a file there, so the
# test may change them with gsettings without touching the real user's.
#
#   tests/platform/real_portal_test.sh <test program>
#
# Skips (exit 77) when the portal, its backend or a tool is missing, unless CORVANE_REQUIRE_DESKTOP_PORTAL
# is set.
set -u

if [ "${1-}" != --inside ]; then
    if [ "$#" -ne 1 ]; then
        echo "usage: $0 <test program>" >&2
        exit 2
    fi
    . "$(dirname "$0")/../support/private_desktop.sh"
    require_programs CORVANE_REQUIRE_DESKTOP_PORTAL Xvfb dbus-run-session dbus-update-activation-environment \
        gsettings /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-gtk
    make_private_home corvane-portal
    # The document portal, which the settings portal starts, mounts a folder in the runtime folder where
    # the system lets it, and lets it go only as it ends, after the bus.
    trap 'fusermount3 -u -z "$XDG_RUNTIME_DIR/doc" 2>/dev/null; rm -rf "$dir"' EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    mkdir -p "$XDG_CONFIG_HOME/xdg-desktop-portal"
    # GNOME's settings in a file, which the backend watches for changes, rather than in a settings
    # daemon. The GTK backend serves a GNOME desktop; newer portals choose it from this file, older ones
    # from the desktop's name.
    export GSETTINGS_BACKEND=keyfile XDG_CURRENT_DESKTOP=GNOME
    printf '[preferred]\ndefault=gtk\n' >"$XDG_CONFIG_HOME/xdg-desktop-portal/portals.conf"
    unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
    dbus-run-session -- sh "$0" --inside "$1" "$dir" 3>&1 4>&2 >"$dir/bus.log" 2>&1
    status=$?
    [ "$status" -eq 0 ] || { echo "--- the session bus and the portal said:" >&2; tail -n 40 "$dir/bus.log" >&2; }
    exit "$status"
fi

program=$2
dir=$3
exec >&3 2>&4 3>&- 4>&-
xvfb=
# shellcheck disable=SC2317 # run by the trap
stop_display() {
    status=$?
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    exit "$status"
}
trap stop_display EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# The GTK backend needs a display; Xvfb picks a free one and writes its number once it is ready.
Xvfb -displayfd 5 -nolisten tcp -screen 0 800x600x24 5>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
until [ -s "$dir/display" ]; do
    kill -0 "$xvfb" 2>/dev/null || { echo "FAIL: Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
display=$(cat "$dir/display")
export DISPLAY=":$display"
# The portal and its backend are started by the bus on the first call, with this environment.
dbus-update-activation-environment DISPLAY XDG_CURRENT_DESKTOP GSETTINGS_BACKEND HOME XDG_CONFIG_HOME \
    XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME XDG_RUNTIME_DIR
"$program"
