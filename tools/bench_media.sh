#!/usr/bin/env bash
# Times how long the tests' hostile media (broken, huge and strange sound and clip files) hold the
# game's event thread: handing each to its player, and the longest stall while each clip plays. Exits 1
# when one is over 100 ms.
#
#   tools/bench_media.sh [build directory]   (default: build-bench beside the sources)
#
# Sounds play to the running sound server, or to a private one started for the purpose.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"

cmake -S "$root" -B "$build" -DCORVANE_BENCH=ON >/dev/null
cmake --build "$build" --parallel 2 --target corvane-bench-media_blocking >/dev/null
QT_QPA_PLATFORM=offscreen exec "$root/tools/with_sound_server.sh" \
    "$build/tools/bench/corvane-bench-media_blocking" 2> >(grep -v "XDG_RUNTIME_DIR not set" >&2)
