#!/bin/sh
# Builds the whole project again with AddressSanitizer and UndefinedBehaviorSanitizer, in a build of its
# own, and runs the whole test suite there. Every finding fails the run, also one made by a program a
# test starts or one that a test's own verdict would not notice: the sanitizers write their reports to
# files, and the script counts them.
#
#   tools/test_sanitized.sh [ctest options...]
#
# The build lives in $CORVANE_SANITIZE_BUILD (default build-sanitize) beside the normal build/.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=${CORVANE_SANITIZE_BUILD:-build-sanitize}

tools/install_dependencies.sh --for test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON -DCORVANE_TESTS=ON \
    -DCORVANE_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
reports=$(cd "$reports" && pwd)
export ASAN_OPTIONS="detect_leaks=1:log_path=$reports/asan${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$root/tools/sanitizer/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:log_path=$reports/ubsan${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export QT_QPA_PLATFORM=offscreen
export CORVANE_REQUIRE_AUDIO=1

status=0
tools/with_sound_server.sh ctest --test-dir "$build" --output-on-failure "$@" || status=$?

findings=0
for report in "$reports"/*; do
    [ -e "$report" ] || continue
    findings=$((findings + 1))
    echo "---- sanitizer report $report"
    cat "$report"
done
echo "test_sanitized: ctest exit status $status, $findings sanitizer reports"
[ "$status" -eq 0 ] && [ "$findings" -eq 0 ]
