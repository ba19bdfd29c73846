#!/usr/bin/env bash
# Renders Corvane's fixed-size icons from its scalable drawing with rsvg-convert (librsvg2-bin):
#   data/icons/hicolor/scalable/apps/<id>.svg  ->  data/icons/hicolor/<N>x<N>/apps/<id>.png
# The same PNGs are compiled into the program as its window icon. Rerunnable from any directory;
# the output is the same on every run.
set -euo pipefail

command -v rsvg-convert >/dev/null || { echo "make_icons: 'rsvg-convert' is missing (apt-get install librsvg2-bin)" >&2; exit 1; }

app_id=io.github.corvane.Corvane
sizes="16 22 24 32 48 64 128 256"

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
icons="$(cd "$here/../data/icons/hicolor" && pwd)"
drawing="$icons/scalable/apps/$app_id.svg"

for size in $sizes; do
    mkdir -p "$icons/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio --format png \
        --output "$icons/${size}x${size}/apps/$app_id.png" "$drawing"
done

echo "make_icons: rendered $app_id.png at $sizes pixels in $icons"
