#!/bin/sh
# A long soak of the table under AddressSanitizer and UndefinedBehaviorSanitizer: random play through
# the real window, offscreen, with its money held against the soak's own ledger. Reports the actions,
# rounds, ledger checks and breaks, the memory, and what the sanitizers found.
#
#   tools/soak.sh [actions [seed]]      actions default to 100000; the seed to the soak's fixed one
#
# The sanitized build lives apart from the normal one, in $CORVANE_SOAK_BUILD (default build-sanitize).
set -eu
cd "$(dirname "$0")/.."
actions=${1:-100000}
seed=${2:-}
build=${CORVANE_SOAK_BUILD:-build-sanitize}

cmake -S . -B "$build" -DCORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target test_soak --parallel "${CORVANE_JOBS:-2}"

reports="$build/soak-reports"
rm -rf "$reports"
mkdir -p "$reports"
reports=$(cd "$reports" && pwd)
# Each sanitizer writes its findings to files of its own, so that none is lost among the soak's lines.
export ASAN_OPTIONS="detect_leaks=1:log_path=$reports/asan${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:log_path=$reports/ubsan${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export QT_QPA_PLATFORM=offscreen
export CORVANE_SOAK_ACTIONS="$actions"
log="$reports/soak.log"
[ -n "$seed" ] && export CORVANE_SOAK_SEED="$seed"

status=0
"$build/tests/test_soak" --gtest_filter='Soak.*' >"$log" 2>&1 || status=$?

summary=$(grep -E '^soak: seed' "$log" | tail -1 || true)
field() { printf '%s\n' "$summary" | grep -oE "[0-9]+ $1" | head -1 | cut -d' ' -f1; }
findings=$(cat "$reports"/asan.* "$reports"/ubsan.* 2>/dev/null |
    grep -cE 'ERROR: (Address|Leak)Sanitizer|runtime error:' || true)
findings=$((findings + $(grep -cE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$log" || true)))

echo "soak under ASan and UBSan, log in $log"
grep -E '^soak: [0-9]+ actions' "$log" | sed -n '1p;$p' | sed 's/^/  memory: /'
echo "  actions:             ${actions} asked, $(field actions || true) played"
echo "  rounds:              $(field rounds || true)"
echo "  ledger checks:       $(field 'ledger checks' || true)"
echo "  ledger breaks:       $(field 'ledger breaks' || true)"
echo "  sanitizer findings:  $findings"
echo "  exit status:         $status"
[ "$status" -eq 0 ] && [ "$findings" -eq 0 ] && [ -n "$summary" ]
