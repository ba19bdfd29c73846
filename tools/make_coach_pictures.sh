#!/usr/bin/env bash
# Draws the README's pictures of the coach and the session's record, docs/hint.png and
# docs/statistics.png: a short session on scripted cards in the real table window, drawn offscreen in
# English. Rerunnable; the output is the same on every run on the same fonts.
#
#   tools/make_coach_pictures.sh [build directory]   (default: build-bench beside the sources)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"

cmake -S "$root" -B "$build" -DCORVANE_BENCH=ON >/dev/null
cmake --build "$build" --parallel 2 --target corvane-bench-coach_pictures >/dev/null
LANG=C.UTF-8 LANGUAGE=en LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    "$build/tools/bench/corvane-bench-coach_pictures" "$root/docs"
