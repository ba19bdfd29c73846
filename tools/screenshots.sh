#!/bin/sh
# Pictures of the table, its dialogs, the help, the hint and the record in several languages at 100% and
# 200%, drawn offscreen from a built tree (tools/build.sh):
#
#   tools/screenshots.sh [output-folder [language...]]     (default: screenshots/, de fr es)
#   tools/screenshots.sh --zoom [output-folder]            (default: docs/)
#
# Each language and scale gets a folder of its own: screenshots/de@1x/table.png, screenshots/de@2x/...
# With --zoom, the table zoomed to 100%, 200% and 300% on a screen large enough for the largest:
# docs/zoom-100.png, docs/zoom-200.png, docs/zoom-300.png.
set -eu
cd "$(dirname "$0")/.."
program=build/tests/corvane_screenshots
[ -x "$program" ] || { echo "screenshots: build $program first (tools/build.sh)" >&2; exit 1; }
if [ "${1-}" = --zoom ]; then
    out=${2:-docs}
    # The offscreen platform's screen is 800 x 600 unless a configuration file says otherwise.
    screen=$(mktemp --suffix=.json)
    trap 'rm -f "$screen"' EXIT
    echo '{ "screens": [ { "name": "large", "width": 2560, "height": 1600, "logicalDpi": 96, "dpr": 1 } ] }' >"$screen"
    QT_QPA_PLATFORM="offscreen:configfile=$screen" "$program" --zoom "$out"
    echo "screenshots: wrote $out/zoom-100.png, zoom-200.png and zoom-300.png"
    exit 0
fi
out=${1:-screenshots}
[ "$#" -gt 0 ] && shift
[ "$#" -gt 0 ] || set -- de fr es
for language in "$@"; do
    for scale in 1 2; do
        QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale "$program" "$language" "$out/$language@${scale}x"
    done
done
echo "screenshots: wrote $out/"
