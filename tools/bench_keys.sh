#!/usr/bin/env bash
# Times Hit from the keyboard against Hit from the mouse in the real table window, in one run: Alt+H's
# key press and a click's release, each to the card's sound. Exits 1 when the key's median is more than
# 10 ms behind the click's.
#
#   tools/bench_keys.sh [build directory] [deals]   (defaults: build-bench beside the sources, 400)
#
# The table is drawn offscreen and the sound is only noted, so the figures are the program's own work,
# not a display server's or a sound server's.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"
deals="${2:-400}"

cmake -S "$root" -B "$build" -DCORVANE_BENCH=ON >/dev/null
cmake --build "$build" --parallel 2 --target corvane-bench-key_sound >/dev/null
QT_QPA_PLATFORM=offscreen "$build/tools/bench/corvane-bench-key_sound" "$deals" \
    2> >(grep -v -e "does not support raise()" -e "XDG_RUNTIME_DIR not set" >&2)
