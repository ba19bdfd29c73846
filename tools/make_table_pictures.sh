#!/usr/bin/env bash
# Draws the table's pictures from scratch with ImageMagick:
#   table/pictures/background.jpg    the felt, title and chip stacks (560 x 410)
#   table/pictures/card_back.bmp     the face-down card (71 x 96, 24-bit)
#   table/pictures/corvane_icon.ico  the window icon (32 x 32, 16 colours)
# Rerunnable from any directory; the output is the same on every run.
set -euo pipefail

for tool in convert identify awk; do
    command -v "$tool" >/dev/null || { echo "make_table_pictures: '$tool' is missing (apt-get install imagemagick mawk)" >&2; exit 1; }
done

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$here/../table/pictures"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Fonts of the URW base 35 set (fonts-urw-base35); fail early if one is absent.
script_font=Z003-MediumItalic
bold_font=Nimbus-Sans-Bold
fonts="$(convert -list font)"
for font in "$script_font" "$bold_font"; do
    grep -q "Font: $font\$" <<<"$fonts" || { echo "make_table_pictures: font $font is missing (apt-get install fonts-urw-base35)" >&2; exit 1; }
done

# ---------------------------------------------------------------------------
# Background
# ---------------------------------------------------------------------------
W=560 H=410
# The oval: centre and radii of the rim's outer edge and of the felt inside it.
cx=280 cy=204
rim_rx=272 rim_ry=200
felt_rx=259 felt_ry=187

# Orange surround: a warm vertical gradient with a faint suede grain.
convert -size ${W}x${H} gradient:'#F59B3A'-'#D8690E' \
    \( -size ${W}x${H} xc:gray50 -seed 11 -attenuate 0.35 +noise Gaussian -blur 0x0.6 \) \
    -compose Overlay -composite "$work/surround.png"

# The oval casts a soft shadow down and to the right onto the surround.
convert "$work/surround.png" \
    \( -size ${W}x${H} xc:none -fill 'rgba(0,0,0,0.55)' \
       -draw "ellipse $((cx + 3)),$((cy + 5)) $rim_rx,$rim_ry 0,360" -blur 0x5 \) \
    -compose Over -composite "$work/bg.png"

# Dark-red padded rim: lit from above, with a thin highlight along its crest.
convert -size ${W}x${H} gradient:'#9A1A1F'-'#4A0508' "$work/rim_fill.png"
convert -size ${W}x${H} xc:black -fill white \
    -draw "ellipse $cx,$cy $rim_rx,$rim_ry 0,360" "$work/rim_mask.png"
convert "$work/bg.png" "$work/rim_fill.png" "$work/rim_mask.png" -compose Over -composite \
    -fill none -stroke 'rgba(255,150,140,0.45)' -strokewidth 1.5 \
    -draw "ellipse $cx,$((cy - 1)) $((rim_rx - 6)),$((rim_ry - 6)) 200,340" \
    -stroke 'rgba(0,0,0,0.35)' -strokewidth 1 \
    -draw "ellipse $cx,$cy $rim_rx,$rim_ry 0,360" \
    "$work/bg.png"

# Felt: casino green #009A34 across the middle (so the clip strip painted there
# in the same green blends in), darkening gently towards the rim.
convert -size ${W}x${H} xc:'#009A34' \
    -fx "d=hypot((i-$cx)/$felt_rx,(j-$cy)/$felt_ry); d<0.55 ? u : u*(1-0.42*pow(min(1,(d-0.55)/0.45),2))" \
    "$work/felt_fill.png"
convert -size ${W}x${H} xc:black -fill white \
    -draw "ellipse $cx,$cy $felt_rx,$felt_ry 0,360" "$work/felt_mask.png"
# The felt sits slightly below the rim: a soft inner shadow along its edge,
# stronger at the top where the rim overhangs it.
convert "$work/felt_fill.png" \
    \( -size ${W}x${H} xc:none -fill none -stroke 'rgba(0,0,0,0.55)' -strokewidth 7 \
       -draw "ellipse $cx,$((cy - 2)) $felt_rx,$felt_ry 0,360" -blur 0x3 \) \
    -compose Over -composite "$work/felt.png"
convert "$work/bg.png" "$work/felt.png" "$work/felt_mask.png" -compose Over -composite \
    -fill none -stroke 'rgba(255,215,120,0.55)' -strokewidth 1.2 \
    -draw "ellipse $cx,$cy $((felt_rx - 11)),$((felt_ry - 11)) 0,360" \
    "$work/bg.png"

# Title in white script across the upper felt, between the dealer's cards
# (which end at y=121) and the clip strip (which starts at y=176).
convert -background none -fill white -font "$script_font" -pointsize 70 label:Corvane -trim +repage \
    "$work/title.png"
tw=$(identify -format %w "$work/title.png") th=$(identify -format %h "$work/title.png")
title_x=$((cx - tw / 2)) title_y=123
# A soft shadow a little below and to the right lifts the letters off the felt.
convert "$work/bg.png" \
    \( "$work/title.png" -fill black -colorize 100 -channel A -evaluate multiply 0.6 +channel \
       -background none -gravity center -extent $((tw + 12))x$((th + 12)) -blur 0x1.5 \) \
    -gravity northwest -geometry +$((title_x + 2 - 6))+$((title_y + 3 - 6)) -compose Over -composite \
    "$work/title.png" -geometry +${title_x}+${title_y} -compose Over -composite \
    "$work/bg.png"

# Chip stacks. Each lies inside the clickable area the program puts over it:
#   name  colour   side      value  area x,y,w,h   chips
chip_stacks='
red      #C8161D #8E0C12 #E23A3F 10  6 320 65 88  10
magenta  #C0168E #850C62 #D9409F 5   71 328 65 77  8
green    #138A3C #0A5C27 #27A652 50  136 328 65 77 8
'
# A soft shadow on the table under each stack.
shadows=""
while read -r _ _ _ _ _ ax ay aw ah _; do
    [[ -n "$ax" ]] || continue
    shadows+="ellipse $((ax + aw / 2 + 2)),$((ay + ah - 14)) 31,11 0,360 "
done <<<"$chip_stacks"
convert "$work/bg.png" \
    \( -size ${W}x${H} xc:none -fill 'rgba(0,0,0,0.6)' -draw "$shadows" -blur 0x3 \) \
    -compose Over -composite "$work/bg.png"

# The chips themselves, written as MVG drawing primitives by awk: each chip is
# a cylinder seen from a little above, its rounded side shaded and crossed by
# white edge stripes; the top chip shows its face with edge spots, an inner
# ring and the value.
awk -v font="$bold_font" '
function hex(c,   s, i, v) {               # "#RRGGBB" -> r g b in array rgb
    s = "0123456789ABCDEF"; c = toupper(substr(c, 2))
    for (i = 0; i < 3; i++)
        rgb[i] = (index(s, substr(c, 2*i+1, 1)) - 1) * 16 + index(s, substr(c, 2*i+2, 1)) - 1
}
function shade(c, f,   r, g, b) {           # colour c scaled by f, as rgb()
    hex(c)
    r = rgb[0]*f; g = rgb[1]*f; b = rgb[2]*f
    if (r > 255) r = 255; if (g > 255) g = 255; if (b > 255) b = 255
    return sprintf("rgb(%d,%d,%d)", r, g, b)
}
function px(a) { return x0 + rx * cos(a) }
function py(a, off) { return y0 + off + ry * sin(a) }
function band(a, b, col,   t, s, n, pts) {  # the side of the chip between angles a..b (front half)
    if (a < 0) a = 0; if (b > PI) b = PI; if (a >= b) return
    n = 6; pts = ""
    for (s = 0; s <= n; s++) { t = a + (b - a) * s / n; pts = pts sprintf(" %.2f,%.2f", px(t), py(t, 0)) }
    for (s = n; s >= 0; s--) { t = a + (b - a) * s / n; pts = pts sprintf(" %.2f,%.2f", px(t), py(t, th)) }
    printf "fill %s\npolygon%s\n", col, pts
}
function spot(a, b, r1, r2,   t, s, n, pts) {  # an edge spot on the top face, angles a..b, radii r1..r2
    n = 4; pts = ""
    for (s = 0; s <= n; s++) { t = a + (b - a) * s / n; pts = pts sprintf(" %.2f,%.2f", x0 + rx*r2*cos(t), y0 + ry*r2*sin(t)) }
    for (s = n; s >= 0; s--) { t = a + (b - a) * s / n; pts = pts sprintf(" %.2f,%.2f", x0 + rx*r1*cos(t), y0 + ry*r1*sin(t)) }
    printf "fill white\npolygon%s\n", pts
}
BEGIN { PI = atan2(0, -1); rx = 31; ry = 12.5; print "stroke none" }
NF == 10 {
    top = $2; side = $3; inlay = $4; value = $5
    ax = $6; ay = $7; aw = $8; ah = $9; n = $10
    # Bottom chip rests on the bottom of the area, top chip touches its top.
    ybottom = ay + ah - 2 - ry; ytop = ay + 1 + ry
    th = (ybottom - ytop) / (n - 1)
    ybottom -= th
    for (k = 0; k < n; k++) {
        # A hand-stacked look: chips a pixel off centre, stripes turned at random.
        jit = (k % 4 == 1) ? 1 : (k % 4 == 3) ? -1 : 0
        x0 = ax + aw / 2 + jit; y0 = ybottom - k * th
        phase = (k * 37 % 60) * PI / 180
        # The rounded side, lit from the upper left.
        for (s = 0; s < 12; s++) {
            a = s * PI / 12; b = (s + 1) * PI / 12; m = (a + b) / 2
            band(a, b + 0.01, shade(side, 0.55 + 0.55 * sin(m) + 0.25 * cos(m)))
        }
        # White edge stripes every 60 degrees.
        for (s = -1; s < 4; s++) {
            a = phase + s * PI / 3
            band(a, a + PI / 9, shade("#F4F4F4", 0.75 + 0.3 * sin(a + PI / 18) + 0.1 * cos(a)))
        }
        # A dark seam between this chip and the one below.
        printf "fill none\nstroke rgba(0,0,0,0.45)\nstroke-width 0.8\nellipse %.2f,%.2f %.2f,%.2f 0,180\nstroke none\n", x0, y0 + th, rx - 0.3, ry
        # The top face.
        printf "fill %s\nellipse %.2f,%.2f %.2f,%.2f 0,360\n", top, x0, y0, rx, ry
    }
    # Face of the top chip: edge spots, a dashed ring, the inlay and the value.
    for (s = 0; s < 6; s++) { a = phase + s * PI / 3; spot(a, a + PI / 9, 0.80, 0.995) }
    printf "fill %s\nellipse %.2f,%.2f %.2f,%.2f 0,360\n", inlay, x0, y0, rx * 0.68, ry * 0.68
    printf "fill none\nstroke rgba(255,255,255,0.85)\nstroke-width 0.9\nstroke-dasharray 2.5 2\n"
    printf "ellipse %.2f,%.2f %.2f,%.2f 0,360\nstroke-dasharray none\nstroke none\n", x0, y0, rx * 0.74, ry * 0.74
    printf "fill none\nstroke rgba(0,0,0,0.35)\nstroke-width 0.8\nellipse %.2f,%.2f %.2f,%.2f 0,360\nstroke none\n", x0, y0, rx, ry
    # The value: bold white with a dark outline so it reads on any colour.
    size = (length(value) > 1) ? 17 : 18
    printf "font %s\nfont-size %d\ntext-anchor middle\n", font, size
    printf "fill white\nstroke rgba(0,0,0,0.75)\nstroke-width 2\ntext %.2f,%.2f \"%s\"\n", x0, y0 + size * 0.36, value
    printf "stroke none\ntext %.2f,%.2f \"%s\"\n", x0, y0 + size * 0.36, value
}
' <<<"$chip_stacks" >"$work/chips.mvg"
convert "$work/bg.png" -draw "$(cat "$work/chips.mvg")" "$work/bg.png"

convert "$work/bg.png" -strip -sampling-factor 1x1 -quality 92 "$out/background.jpg"

# ---------------------------------------------------------------------------
# Card back: drawn four times too large and reduced, for clean edges.
# ---------------------------------------------------------------------------
s=4
cw=$((71 * s)) ch=$((96 * s))
convert -size ${cw}x${ch} xc:white \
    -fill '#123083' -draw "roundrectangle $((4 * s)),$((4 * s)) $((cw - 4 * s - 1)),$((ch - 4 * s - 1)) $((4 * s)),$((4 * s))" \
    "$work/back_base.png"
# A fine diamond lattice in a lighter blue, kept inside the blue panel.
lattice=""
for ((d = -ch; d < cw + ch; d += 8 * s)); do
    lattice+="line $d,0 $((d + ch)),$ch line $d,0 $((d - ch)),$ch "
done
convert -size ${cw}x${ch} xc:none -stroke 'rgba(120,160,245,0.6)' -strokewidth $((s - 1)) -draw "$lattice" \
    "$work/lattice.png"
convert -size ${cw}x${ch} xc:black -fill white \
    -draw "roundrectangle $((7 * s)),$((7 * s)) $((cw - 7 * s - 1)),$((ch - 7 * s - 1)) $((2 * s)),$((2 * s))" \
    "$work/panel_mask.png"
convert "$work/lattice.png" \( "$work/panel_mask.png" -alpha copy \) -compose DstIn -composite "$work/lattice_in.png"
# A dark medallion behind the question mark, so it stands clear of the lattice.
convert "$work/back_base.png" "$work/lattice_in.png" -compose Over -composite \
    -fill none -stroke 'rgba(150,185,255,0.8)' -strokewidth $s \
    -draw "roundrectangle $((7 * s)),$((7 * s)) $((cw - 7 * s - 1)),$((ch - 7 * s - 1)) $((2 * s)),$((2 * s))" \
    -fill '#0A1A4E' -stroke 'rgba(150,185,255,0.9)' -strokewidth $s \
    -draw "ellipse $((cw / 2)),$((ch / 2)) $((24 * s)),$((31 * s)) 0,360" \
    -font "$bold_font" -pointsize $((60 * s)) -gravity center \
    -stroke none -fill '#050E30' -annotate +$((2 * s))+$((3 * s)) '?' \
    -fill '#8FC8FF' -annotate +0+$((1 * s)) '?' \
    "$work/back_big.png"
convert "$work/back_big.png" -filter Triangle -resize 71x96\! -alpha off -strip \
    -type TrueColor BMP3:"$out/card_back.bmp"

# ---------------------------------------------------------------------------
# Icon: a white playing card bearing a large black spade, 16 colours.
# ---------------------------------------------------------------------------
s=8
isz=$((32 * s))
# The spade: two round lobes meeting in a point at the top, and a slim flared stem.
spade="path 'M 128,40 C 146,74 204,100 204,146 C 204,176 172,188 146,168 C 148,188 156,204 168,212 L 88,212 C 100,204 108,188 110,168 C 84,188 52,176 52,146 C 52,100 110,74 128,40 Z'"
convert -size ${isz}x${isz} xc:none \
    -fill white -stroke black -strokewidth $((s * 3 / 2)) -draw "roundrectangle 30,6 226,250 26,26" \
    -stroke none -fill black -draw "$spade" \
    "$work/icon_big.png"
convert "$work/icon_big.png" -filter Triangle -resize 32x32 -channel A -threshold 45% +channel \
    -background none -dither None -colors 16 -type PaletteAlpha -strip "$out/corvane_icon.ico"

echo "make_table_pictures: wrote background.jpg, card_back.bmp and corvane_icon.ico in $(cd "$out" && pwd)"
