#!/bin/sh
# Installs the Debian packages that Corvane needs, asking apt only for those that are missing. Uses sudo
# when not run as root. The names are the same in Debian 12 (bookworm) and Debian 13 (trixie).
#
#   tools/install_dependencies.sh [--for play|test] [--list]
#
# "play" is what building and playing the game need; "test" (the default) adds what the test suite and
# the packaging checks need. --list prints the packages, one a line, and installs nothing.
set -eu

# Building and playing: the compiler, CMake, Qt (with Linguist's tools, which compile the translations),
# libsndfile to read the sounds, libpulse to play them, and a font for the table's text. Qt's X11 platform
# plugin comes with the Qt libraries, its Wayland plugin with qt6-wayland; Qt's own words in the game's
# languages (the alert's button) come with qt6-translations-l10n.
play_packages="build-essential cmake pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n qt6-wayland libsndfile1-dev libpulse-dev fonts-dejavu-core"

# Testing, on top of the above: GoogleTest; a sound server to play to, and pactl and parec to watch it;
# a headless Wayland compositor; the validators of the desktop entry, the AppStream data, the package and
# the manual page; and the screen reader test's Orca with its speech server and voice, the accessibility
# bus, a session bus, an X server of its own, a small window manager and xdotool to press the keys; the
# desktop's settings portal with its GTK backend, GNOME's settings and gsettings to change them.
test_packages="libgtest-dev pulseaudio pulseaudio-utils weston desktop-file-utils appstream lintian man-db
    orca speech-dispatcher speech-dispatcher-espeak-ng at-spi2-core dbus-daemon xvfb
    matchbox-window-manager xdotool xdg-desktop-portal xdg-desktop-portal-gtk gsettings-desktop-schemas
    libglib2.0-bin dbus-bin"

usage() {
    echo "usage: $0 [--for play|test] [--list]" >&2
    exit 2
}

purpose="test"
list=no
while [ "$#" -gt 0 ]; do
    case "$1" in
    --for)
        [ "$#" -ge 2 ] || usage
        purpose=$2
        shift 2
        ;;
    --list)
        list=yes
        shift
        ;;
    *) usage ;;
    esac
done
case "$purpose" in
play) packages=$play_packages ;;
test) packages="$play_packages $test_packages" ;;
*) usage ;;
esac

if [ "$list" = yes ]; then
    # shellcheck disable=SC2086 # one package a line
    printf '%s\n' $packages
    exit 0
fi

missing=
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=
else
    as_root=sudo
fi
echo "Installing:$missing"
$as_root apt-get update -q -o Acquire::Retries=3
# sudo does not pass the caller's environment on, so the front end is set on the far side of it; without
# it debconf would stop to ask questions of a build that has no one to answer them.
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o Acquire::Retries=3 \
    --no-install-recommends $missing
