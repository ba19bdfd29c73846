#!/usr/bin/env bash
# Times Other > Hint in the real table window: the coach's answer at the decisions of many real deals,
# from the key to the words shown and handed to the screen reader. Checks that every answer takes under
# 10 ms; exits 1 when one does not.
#
#   tools/bench_hint.sh [build directory] [deals]   (defaults: build-bench beside the sources, 2000)
#
# The table is drawn offscreen, so the figure is the program's own work, not a display server's.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"
deals="${2:-2000}"

cmake -S "$root" -B "$build" -DCORVANE_BENCH=ON >/dev/null
cmake --build "$build" --parallel 2 --target corvane-bench-hint_time >/dev/null
# The offscreen platform complains of every raise() the insurance offer asks for; nothing else is dropped.
QT_QPA_PLATFORM=offscreen "$build/tools/bench/corvane-bench-hint_time" "$deals" \
    2> >(grep -v -e "does not support raise()" -e "XDG_RUNTIME_DIR not set" >&2)
