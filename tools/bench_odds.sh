#!/usr/bin/env bash
# Measures how many rounds a second corvane-odds plays on one core, for each strategy, and checks that it
# reaches a million. Usage: tools/bench_odds.sh [build directory] [rounds]  (defaults: build, 10000000).
# Exits 1 when a strategy stays below the target.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
rounds="${2:-10000000}"
target=1000000
odds="$build/odds/tool/corvane-odds"
[ -x "$odds" ] || { echo "bench_odds: $odds is missing; build first (tools/build.sh)" >&2; exit 1; }

# One core, so that the figure means the same on any machine; taskset is skipped where it is missing.
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)

status=0
for strategy in basic mimic; do
    # CPU seconds, not wall-clock time: other work on a shared machine must not count against the program.
    TIMEFORMAT='%U %S %R'
    times="$( { time "${pin[@]}" "$odds" --strategy "$strategy" --rounds "$rounds" --seed 1 >/dev/null 2>&1; } 2>&1 )"
    read -r user system wall <<<"$times"
    verdict="$(awk -v r="$rounds" -v u="$user" -v s="$system" -v w="$wall" -v t="$target" -v name="$strategy" 'BEGIN {
        cpu = u + s; if (cpu <= 0) cpu = 0.001
        rate = r / cpu
        printf "%s: %.2f million rounds a second (%d rounds in %.2f s of CPU, %.2f s wall-clock): %s\n",
               name, rate / 1e6, r, cpu, w, (rate >= t ? "ok" : "BELOW one million")
    }')"
    echo "$verdict"
    [[ "$verdict" == *": ok" ]] || status=1
done
exit "$status"
