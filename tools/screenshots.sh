#!/bin/sh
# Pictures of the table, its dialogs, the help, the hint and the record in several languages at 100% and
# 200%, drawn offscreen from a built tree (tools/build.sh):
#
#   tools/screenshots.sh [output-folder [language...]]     (default: screenshots/, de fr es)
#
# Each language and scale gets a folder of its own: screenshots/de@1x/table.png, screenshots/de@2x/...
set -eu
cd "$(dirname "$0")/.."
program=build/tests/corvane_screenshots
[ -x "$program" ] || { echo "screenshots: build $program first (tools/build.sh)" >&2; exit 1; }
out=${1:-screenshots}
[ "$#" -gt 0 ] && shift
[ "$#" -gt 0 ] || set -- de fr es
for language in "$@"; do
    for scale in 1 2; do
        QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale "$program" "$language" "$out/$language@${scale}x"
    done
done
echo "screenshots: wrote $out/"
