#!/bin/sh
# Builds the libFuzzer targets of the sound and clip loaders with clang, seeds them with the tests'
# hostile media, runs each for a bounded time and reports what each found.
#
#   tools/fuzz_media.sh [seconds per fuzzer, default 60]
#
# Needs clang and libclang-rt-dev. Findings (crashes, leaks, timeouts, memory over the limit) are left
# in build-fuzz/findings/<fuzzer>/; the corpus each run grows is kept in build-fuzz/corpus/<fuzzer>/
# for the next run.
set -eu
cd "$(dirname "$0")/.."

seconds=${1:-60}
case "$seconds" in '' | *[!0-9]*) echo "usage: $0 [seconds per fuzzer]" >&2; exit 2 ;; esac
command -v clang++ >/dev/null || { echo "$0: clang++ is not installed" >&2; exit 1; }

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_FUZZ=ON \
    -DCORVANE_TESTS=OFF -DCORVANE_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz_wave_loader fuzz_clip_loader write_seed_corpus

# The seeds are the regular files of the hostile corpus that are small enough to mutate: the FIFOs,
# sockets and sparse giants of the corpus test the players, not the loaders.
seeds=$(mktemp -d "${TMPDIR:-/tmp}/corvane-seeds.XXXXXX")
trap 'rm -rf "$seeds"' EXIT
mkdir -p "$seeds/media" "$build/corpus/fuzz_wave_loader" "$build/corpus/fuzz_clip_loader"
"$build/fuzz/write_seed_corpus" "$seeds/media" | while read -r kind name; do
    file="$seeds/media/$name"
    [ -f "$file" ] && [ ! -L "$file" ] && [ -r "$file" ] || continue
    [ "$(stat -c %s "$file")" -le 1048576 ] || continue
    case "$kind" in
    sound) cp "$file" "$build/corpus/fuzz_wave_loader/" ;;
    clip) cp "$file" "$build/corpus/fuzz_clip_loader/" ;;
    esac
done

status=0
report=""
for fuzzer in fuzz_wave_loader fuzz_clip_loader; do
    findings="$build/findings/$fuzzer"
    mkdir -p "$findings"
    log="$build/findings/$fuzzer.log"
    echo "== $fuzzer: $seconds s"
    # A single input that takes over 10 s or 2 GB is a finding, like a crash.
    if QT_QPA_PLATFORM=offscreen "$build/fuzz/$fuzzer" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$build/corpus/$fuzzer" >"$log" 2>&1; then
        outcome="no findings"
    else
        outcome="FINDINGS in $findings (log: $log)"
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
    corpus=$(find "$build/corpus/$fuzzer" -type f | wc -l)
    report="$report
$fuzzer: ${runs:-?} runs, ${speed:-?}/s, ${coverage:-cov: ?}, corpus $corpus files: $outcome"
done
echo "== Report$report"
exit $status
