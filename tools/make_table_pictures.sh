#!/usr/bin/env bash
# Draws the table's pictures from scratch with ImageMagick, each three times: once for ordinary screens
# and, as "@2x" and "@3x" twins with two and three times the pixels each way, for sharper screens and
# for the table zoomed (the game draws from the smallest that has the pixels it needs):
#   table/pictures/background.png  background@2x.png  media/background@3x.png   the felt, title and chip
#                                                                              stacks (560 x 410)
#   table/pictures/card_back.png   card_back@2x.png   media/card_back@3x.png    the face-down card
#                                  (71 x 96), its rounded corners transparent like the faces'
# The @3x twins, which only a zoom needs, stand beside the program with the clips rather than in it.
# Every size comes from one drawing in the table's own pixels, scaled before it is rasterised, so the
# twins have real detail rather than enlarged pixels.
# Rerunnable from any directory; the output is the same on every run.
set -euo pipefail

for tool in convert identify awk; do
    command -v "$tool" >/dev/null || { echo "make_table_pictures: '$tool' is missing (apt-get install imagemagick mawk)" >&2; exit 1; }
done

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$here/../table/pictures"
media="$here/../media"
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

# Written PNGs carry no time stamps, so a rerun leaves them byte for byte the same.
png_opts=(-strip -define "png:exclude-chunks=date,time")

# A length in table pixels, in device pixels at scale $k (which the caller sets).
px() { awk -v v="$1" -v k="$k" 'BEGIN { printf "%g", v * k }'; }

# ---------------------------------------------------------------------------
# Background, at k device pixels per table pixel. Coordinates are the table's
# own; each drawing starts with the affine that takes them to device pixels,
# so strokes and text grow too. ImageMagick puts whole coordinates at pixel
# centres, so the centre of table pixel p lands between device pixels kp and
# kp+k-1: k*p + (k-1)/2.
# ---------------------------------------------------------------------------
W=560 H=410
# The oval: centre and radii of the rim's outer edge and of the felt inside it.
cx=280 cy=204
rim_rx=272 rim_ry=200
felt_rx=259 felt_ry=187

# Chip stacks. Each lies inside the clickable area the program puts over it:
#   name  colour   side      value  area x,y,w,h   chips
chip_stacks='
red      #C8161D #8E0C12 #E23A3F 10  6 320 65 88  10
magenta  #C0168E #850C62 #D9409F 5   71 328 65 77  8
green    #138A3C #0A5C27 #27A652 50  136 328 65 77 8
'

# The chips, written as MVG drawing primitives by awk: each chip is a cylinder
# seen from a little above, its rounded side shaded and crossed by white edge
# stripes; the top chip shows its face with edge spots, an inner ring and the value.
chip_mvg() {
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
' <<<"$chip_stacks"
}

make_background() { # k output
    local k=$1 output=$2
    local w=$((W * k)) h=$((H * k))
    local offset scale
    offset=$(awk -v k="$k" 'BEGIN { print (k - 1) / 2 }')
    scale="affine $k,0,0,$k,$offset,$offset"

    # Orange surround: a warm vertical gradient with a faint suede grain. The
    # grain is a texture of the table's pixels, the same at every size.
    convert -size ${w}x${h} gradient:'#F59B3A'-'#D8690E' \
        \( -size ${W}x${H} xc:gray50 -seed 11 -attenuate 0.35 +noise Gaussian -blur 0x0.6 \
           -filter Triangle -resize ${w}x${h}\! \) \
        -compose Overlay -composite "$work/surround.png"

    # The oval casts a soft shadow down and to the right onto the surround.
    convert "$work/surround.png" \
        \( -size ${w}x${h} xc:none -fill 'rgba(0,0,0,0.55)' \
           -draw "$scale ellipse $((cx + 3)),$((cy + 5)) $rim_rx,$rim_ry 0,360" -blur 0x"$(px 5)" \) \
        -compose Over -composite "$work/bg.png"

    # Dark-red padded rim: lit from above, with a thin highlight along its crest. The highlight is a
    # filled band 1.5 pixels wide rather than a stroked arc: ImageMagick strokes the chord that closes
    # an arc as well, and where the felt does not cover it, as at twice the size, its ends show as hooks.
    local highlight
    highlight="$(awk -v cx="$cx" -v cy="$((cy - 1))" -v a="$((rim_rx - 6))" -v b="$((rim_ry - 6))" 'BEGIN {
        pi = atan2(0, -1); steps = 96; printf "polygon"
        for (side = 0; side < 2; side++)
            for (i = 0; i <= steps; i++) {
                k = side ? steps - i : i; t = (200 + 140 * k / steps) * pi / 180; r = side ? -0.75 : 0.75
                printf " %.3f,%.3f", cx + (a + r) * cos(t), cy + (b + r) * sin(t)
            } }')"
    convert -size ${w}x${h} gradient:'#9A1A1F'-'#4A0508' "$work/rim_fill.png"
    convert -size ${w}x${h} xc:black -fill white \
        -draw "$scale ellipse $cx,$cy $rim_rx,$rim_ry 0,360" "$work/rim_mask.png"
    convert "$work/bg.png" "$work/rim_fill.png" "$work/rim_mask.png" -compose Over -composite \
        -fill 'rgba(255,150,140,0.45)' -draw "$scale $highlight" \
        -fill none -stroke 'rgba(0,0,0,0.35)' -strokewidth 1 \
        -draw "$scale ellipse $cx,$cy $rim_rx,$rim_ry 0,360" \
        "$work/bg.png"

    # Felt: casino green #009A34 across the middle (so the clip strip painted there
    # in the same green blends in), darkening gently towards the rim.
    convert -size ${w}x${h} xc:'#009A34' \
        -fx "d=hypot(((i+0.5)/$k-0.5-$cx)/$felt_rx,((j+0.5)/$k-0.5-$cy)/$felt_ry); d<0.55 ? u : u*(1-0.42*pow(min(1,(d-0.55)/0.45),2))" \
        "$work/felt_fill.png"
    convert -size ${w}x${h} xc:black -fill white \
        -draw "$scale ellipse $cx,$cy $felt_rx,$felt_ry 0,360" "$work/felt_mask.png"
    # The felt sits slightly below the rim: a soft inner shadow along its edge,
    # stronger at the top where the rim overhangs it.
    convert "$work/felt_fill.png" \
        \( -size ${w}x${h} xc:none -fill none -stroke 'rgba(0,0,0,0.55)' -strokewidth 7 \
           -draw "$scale ellipse $cx,$((cy - 2)) $felt_rx,$felt_ry 0,360" -blur 0x"$(px 3)" \) \
        -compose Over -composite "$work/felt.png"
    convert "$work/bg.png" "$work/felt.png" "$work/felt_mask.png" -compose Over -composite \
        -fill none -stroke 'rgba(255,215,120,0.55)' -strokewidth 1.2 \
        -draw "$scale ellipse $cx,$cy $((felt_rx - 11)),$((felt_ry - 11)) 0,360" \
        "$work/bg.png"

    # Title in white script across the upper felt, between the dealer's cards
    # (which end at y=121) and the clip strip (which starts at y=176); its
    # letters span x=181..378 and y=123..168.
    convert -size ${w}x${h} xc:none -draw "$scale font $script_font font-size 70 text-anchor middle
        fill white text 277,164 'Corvane'" "$work/title.png"
    # A soft shadow a little below and to the right lifts the letters off the felt.
    convert "$work/bg.png" \
        \( "$work/title.png" -fill black -colorize 100 -channel A -evaluate multiply 0.6 +channel \
           -blur 0x"$(px 1.5)" -roll +$((2 * k))+$((3 * k)) \) -compose Over -composite \
        "$work/title.png" -compose Over -composite \
        "$work/bg.png"

    # A soft shadow on the table under each chip stack, then the chips.
    local shadows="" ax ay aw ah
    while read -r _ _ _ _ _ ax ay aw ah _; do
        [[ -n "$ax" ]] || continue
        shadows+="ellipse $((ax + aw / 2 + 2)),$((ay + ah - 14)) 31,11 0,360 "
    done <<<"$chip_stacks"
    convert "$work/bg.png" \
        \( -size ${w}x${h} xc:none -fill 'rgba(0,0,0,0.6)' -draw "$scale $shadows" -blur 0x"$(px 3)" \) \
        -compose Over -composite "$work/bg.png"
    convert "$work/bg.png" -draw "$scale
$(chip_mvg)" "$work/bg.png"

    # Lossless, and read by the toolkit's own PNG reader, which the game loads anyway for its icons: a
    # JPEG would load a decoder library for this one picture, costing the start time and memory.
    convert "$work/bg.png" "${png_opts[@]}" -quality 95 PNG24:"$output"
}

make_background 1 "$out/background.png"
make_background 2 "$out/background@2x.png"
make_background 3 "$media/background@3x.png"

# ---------------------------------------------------------------------------
# Card back: drawn eight times too large in the card's own pixels, then
# reduced to each size, for clean edges. The outline matches the faces: a
# dark line just inside a rounded white card, the corners left transparent.
# The outline is given by pixel edges, as the faces draw it: edge x of the card
# is ImageMagick's coordinate s*x - 0.5 in the large drawing.
# ---------------------------------------------------------------------------
s=8
cw=$((71 * s)) ch=$((96 * s))
edges="affine $s,0,0,$s,-0.5,-0.5"
convert -size ${cw}x${ch} xc:none \
    -draw "$edges fill white stroke rgb(30,30,30) stroke-width 1 roundrectangle 0.5,0.5 70.5,95.5 3.5,3.5" \
    -draw "$edges fill #123083 stroke none roundrectangle 4,4 67,92 4,4" \
    "$work/back_base.png"
# A fine diamond lattice in a lighter blue, kept inside the blue panel.
lattice=""
for ((d = -ch; d < cw + ch; d += 8 * s)); do
    lattice+="line $d,0 $((d + ch)),$ch line $d,0 $((d - ch)),$ch "
done
convert -size ${cw}x${ch} xc:none -stroke 'rgba(120,160,245,0.6)' -strokewidth $((s * 3 / 4)) -draw "$lattice" \
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
for k in 1 2 3; do
    suffix=$([[ $k == 1 ]] || echo "@${k}x")
    folder=$([[ $k == 3 ]] && echo "$media" || echo "$out")
    convert "$work/back_big.png" -filter Triangle -resize $((71 * k))x$((96 * k))\! "${png_opts[@]}" \
        PNG32:"$folder/card_back$suffix.png"
done

echo "make_table_pictures: wrote background.png, card_back.png and their @2x twins in $(cd "$out" && pwd), the @3x twins in $(cd "$media" && pwd)"
