#!/bin/sh
# Configures and builds Corvane into build/, installing missing packages first.
#
#   tools/build.sh [--for play|test] [cmake options...]
#
# "play" builds the programs alone; "test" (the default) builds the test executables as well. Both share
# build/, so switching between them rebuilds only what the other lacks.
set -eu
cd "$(dirname "$0")/.."

purpose="test"
if [ "${1-}" = --for ]; then
    [ "$#" -ge 2 ] || { echo "usage: $0 [--for play|test] [cmake options...]" >&2; exit 2; }
    purpose=$2
    shift 2
fi
case "$purpose" in
play) tests=OFF ;;
test) tests=ON ;;
*) echo "$0: --for takes play or test, not '$purpose'" >&2; exit 2 ;;
esac

tools/install_dependencies.sh --for "$purpose"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON -DCORVANE_TESTS="$tests" "$@"
cmake --build build --parallel "$(nproc)"
