#!/usr/bin/env bash
# Measures what the game costs at rest beside a bare Qt window of the same size, built alongside, in one
# run: start-up to the first painted frame, peak memory, and CPU while the outcome clip loops on view and
# while the window is minimised. Prints the ratios against the goals; exits 1 when one is missed. Beside
# the clip it also measures the bare window swapping two ready pictures at the clip's place and pace: what
# the toolkit alone spends to show a clip, below which no clip player can go.
#
#   tools/bench_rest.sh [build directory]   (default: build-bench beside the sources)
#
# Environment: CORVANE_BENCH_RUNS (start-ups of each program, and as many starts at rest for its memory;
# default 10), CORVANE_BENCH_CPU_SECONDS (length of each CPU window, default 10). Runs under Xvfb when it is
# installed, else on Qt's offscreen platform, where nothing can be minimised. Runs with a reachable sound
# server, started privately when there is none, so that the game meets its audio stack as it would on a
# desktop.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"
runs="${CORVANE_BENCH_RUNS:-10}"
cpu_seconds="${CORVANE_BENCH_CPU_SECONDS:-10}"

# Everything below, builds and measured programs alike, yields to other work on a shared machine.
renice -n 10 -p $$ >/dev/null

if [ -z "${CORVANE_BENCH_INNER:-}" ]; then
    cmake -S "$root" -B "$build" -DCORVANE_BENCH=ON >/dev/null
    cmake --build "$build" --parallel 2 --target corvane-bench-game corvane-bench-bare corvane-bench-iconify >/dev/null
    if command -v pulseaudio >/dev/null; then
        exec env CORVANE_BENCH_INNER=1 "$root/tools/with_sound_server.sh" "$0" "$build"
    fi
    echo "bench_rest: pulseaudio is missing; the game runs with no sound server" >&2
fi

# The game built from its own main.cpp with the benchmark's hooks (tools/bench/game_at_rest.cpp).
game="$build/tools/bench/corvane-bench-game"
bare="$build/tools/bench/corvane-bench-bare"
iconify="$build/tools/bench/corvane-bench-iconify"
tmp="$(mktemp -d "${TMPDIR:-/tmp}/corvane-bench.XXXXXX")"
started=()
rest_pid=""

cleanup() {
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

if command -v Xvfb >/dev/null; then
    exec 3>"$tmp/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    started+=("$!")
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$tmp/display" ] && break
        sleep 0.1
    done
    [ -s "$tmp/display" ] || { echo "bench_rest: Xvfb did not start" >&2; exit 1; }
    DISPLAY=":$(head -1 "$tmp/display")"
    export DISPLAY QT_QPA_PLATFORM=xcb
    platform="Xvfb $DISPLAY (no window manager)"
else
    export QT_QPA_PLATFORM=offscreen
    platform="Qt's offscreen platform (Xvfb is not installed)"
fi
echo "platform: $platform"

# Seconds from starting the program to its first painted frame. The program prints the wall-clock time
# of that frame; bash's own clock is read just before the start, without a process of its own.
startup_seconds() {
    local program="$1" start
    start="$EPOCHREALTIME"
    CORVANE_REPORT_FIRST_PAINT=1 "$program" >"$tmp/paint" 2>/dev/null
    awk -v start="$start" '/^first-paint / { printf "%.6f\n", $2 - start; found = 1 }
                           END { if (!found) exit 1 }' "$tmp/paint"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Starts a program that stays up, and waits until it has painted its first frame. Its process id is left
# in rest_pid rather than printed, so that the program stays a child of this shell.
start_at_rest() {
    local out="$tmp/rest.$RANDOM" pid
    CORVANE_REPORT_FIRST_PAINT=stay "$@" >"$out" 2>/dev/null &
    pid=$!
    started+=("$pid")
    for _ in $(seq 300); do
        grep -q '^first-paint ' "$out" 2>/dev/null && break
        kill -0 "$pid" 2>/dev/null || { echo "bench_rest: $* exited before painting" >&2; exit 1; }
        sleep 0.05
    done
    grep -q '^first-paint ' "$out" || { echo "bench_rest: $* never painted" >&2; exit 1; }
    rest_pid="$pid"
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

peak_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

# utime + stime of every thread, in clock ticks; the fields are counted after the command's name.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# Percent of one core that each given process used over the CPU window, one line each.
cpu_percent() {
    local -a before=()
    local pid i=0 ticks
    ticks="$(getconf CLK_TCK)"
    for pid in "$@"; do before+=("$(cpu_ticks "$pid")"); done
    sleep "$cpu_seconds"
    for pid in "$@"; do
        awk -v a="${before[$i]}" -v b="$(cpu_ticks "$pid")" -v hz="$ticks" -v s="$cpu_seconds" \
            'BEGIN { printf "%.2f\n", (b - a) / hz / s * 100 }'
        i=$((i + 1))
    done
}

echo "start-up to the first painted frame, $runs runs each, interleaved..."
: >"$tmp/startup.game"
: >"$tmp/startup.bare"
for _ in $(seq "$runs"); do
    startup_seconds "$game" >>"$tmp/startup.game"
    startup_seconds "$bare" >>"$tmp/startup.bare"
done
startup_game="$(median <"$tmp/startup.game")"
startup_bare="$(median <"$tmp/startup.bare")"

echo "peak memory after painting and 2 s at rest, $runs runs each, interleaved..."
: >"$tmp/peak.game"
: >"$tmp/peak.bare"
for _ in $(seq "$runs"); do
    start_at_rest "$game"
    game_pid="$rest_pid"
    start_at_rest "$bare"
    bare_pid="$rest_pid"
    sleep 2
    peak_kib "$game_pid" >>"$tmp/peak.game"
    peak_kib "$bare_pid" >>"$tmp/peak.bare"
    stop "$game_pid"
    stop "$bare_pid"
done
peak_game="$(median <"$tmp/peak.game")"
peak_bare="$(median <"$tmp/peak.bare")"

echo "CPU over ${cpu_seconds} s: the game with the outcome clip looping, the bare window idle and swapping"
echo "two ready pictures at the clip's place and pace..."
start_at_rest env CORVANE_BENCH_SHOW_CLIP=1 "$game"
game_pid="$rest_pid"
start_at_rest "$bare"
bare_pid="$rest_pid"
start_at_rest env CORVANE_BENCH_ANIMATE=1 "$bare"
animated_pid="$rest_pid"
sleep 2
mapfile -t cpu < <(cpu_percent "$game_pid" "$bare_pid" "$animated_pid")
cpu_game="${cpu[0]}"
cpu_bare="${cpu[1]}"
cpu_animated="${cpu[2]}"
stop "$animated_pid"

cpu_minimised=""
minimise_note=""
if [ "$QT_QPA_PLATFORM" = xcb ] && command -v xdotool >/dev/null; then
    windows="$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null || true)"
    if [ -n "$windows" ]; then
        echo "CPU over ${cpu_seconds} s with the game's window minimised..."
        for window in $windows; do "$iconify" "$window"; done
        sleep 2
        cpu_minimised="$(cpu_percent "$game_pid")"
        minimise_note="unmapped and marked Iconic in WM_STATE, as a window manager does"
    else
        minimise_note="skipped: the game's window was not found"
    fi
else
    minimise_note="skipped: nothing can be minimised on $QT_QPA_PLATFORM (or xdotool is missing)"
fi
stop "$game_pid"
stop "$bare_pid"

awk -v sg="$startup_game" -v sb="$startup_bare" -v mg="$peak_game" -v mb="$peak_bare" \
    -v cg="$cpu_game" -v cb="$cpu_bare" -v ca="$cpu_animated" -v cm="$cpu_minimised" -v note="$minimise_note" '
function verdict(ok) { if (!ok) missed = 1; return ok ? "ok" : "MISSED" }
BEGIN {
    printf "\n%-34s %12s %12s %8s   %s\n", "", "game", "bare", "ratio", "goal"
    r = sg / sb
    printf "%-34s %10.1f ms %10.1f ms %7.3fx   <= 1.05x  %s\n", "start-up to first paint (median)",
           sg * 1000, sb * 1000, r, verdict(r <= 1.05)
    r = mg / mb
    printf "%-34s %9.1f MiB %9.1f MiB %7.3fx   <= 1.10x  %s\n", "peak memory (VmHWM, median)", mg / 1024, mb / 1024, r,
           verdict(r <= 1.10)
    printf "%-34s %10.2f %% %10.2f %%           <= 0.3 %% of a core  %s\n", "CPU, clip looping / bare idle",
           cg, cb, verdict(cg <= 0.3)
    printf "%-34s %10.2f %% %10.2f %%           (what the toolkit alone costs)\n",
           "CPU, clip looping / bare swapping", cg, ca
    if (cm != "")
        printf "%-34s %10.2f %%                        0  %s  (%s)\n", "CPU, game minimised", cm, verdict(cm == 0),
               note
    else
        printf "%-34s %s\n", "CPU, game minimised", note
    exit missed
}'
