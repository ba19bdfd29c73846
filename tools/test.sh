#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite. Widgets are drawn offscreen, on a
# headless Wayland compositor of the test's own, or under a private X server for the screen reader test;
# the sound tests and the screen reader's speech play to a private PulseAudio null sink when no sound
# server is running.
set -eu
cd "$(dirname "$0")/.."
tools/build.sh --for test
export QT_QPA_PLATFORM=offscreen
export CORVANE_REQUIRE_AUDIO=1
export CORVANE_REQUIRE_WAYLAND=1
export CORVANE_REQUIRE_SCREEN_READER=1
export CORVANE_REQUIRE_DESKTOP_PORTAL=1
exec tools/with_sound_server.sh ctest --test-dir build --output-on-failure "$@"
