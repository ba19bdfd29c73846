#!/usr/bin/env bash
# Times the session's chart in the record's window as a round ends, after 10,000 rounds: the median and
# the slowest of the last hundred updates. Exits 1 when either takes 5 ms or more
# on the clock; the processor's time beside it shows how much of that a busy machine added.
#
#   tools/bench_chart.sh [build directory]   (default: build-bench beside the sources)
#
# The chart is drawn offscreen, so the figure is the program's own work, not a display server's; the run
# is repeated at 200%, where the chart has four times the pixels to paint.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"

cmake -S "$root" -B "$build" -DCORVANE_BENCH=ON >/dev/null
cmake --build "$build" --parallel 2 --target corvane-bench-chart_time >/dev/null
status=0
for scale in 1 2; do
    printf 'scale %s: ' "$scale"
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$scale" "$build/tools/bench/corvane-bench-chart_time" \
        2> >(grep -v -e "XDG_RUNTIME_DIR not set" >&2) || status=1
done
exit "$status"
