#!/usr/bin/env bash
# Makes the game's sounds and clips from scratch:
#   whoosh.wav insurance.wav snore.wav hung-01.wav Explode.wav haha.wav clap.wav
#     synthesised with sox, the spoken parts with espeak-ng;
#   a.swf loss.swf draw.swf win.swf bj.swf
#     225 x 49 looping animated GIFs drawn frame by frame with ImageMagick
#     (the clip player goes by the content, not by the name);
#   a@2x.swf loss@2x.swf draw@2x.swf win@2x.swf bj@2x.swf
#   a@3x.swf loss@3x.swf draw@3x.swf win@3x.swf bj@3x.swf
#     the same clips drawn at 450 x 98 and 675 x 147, which the player shows
#     instead where it is drawn with more device pixels: on sharper screens
#     and with the table zoomed;
#   a_de.swf loss_de@2x.swf loss_de@3x.swf ...
#     the clips again with their words in each language whose translation
#     (translations/corvane_<language>.ts, context "Clips") words them
#     differently from the English.
#
#   media/make_media.sh [--clips]     (--clips: the clips alone, no sounds)
#
# No clip may flash more than three times a second: the test suite measures every clip with
# corvane-clip-flashes (media/clip_flashes.cpp), which a redrawn clip must pass.
#
# Rerunnable from any directory; sox runs in repeatable mode and the random
# choices use a fixed seed, so each run gives the same files.
set -euo pipefail

only_clips=false
[[ "${1-}" == --clips ]] && only_clips=true
# The words are split into letters by the shell, which needs a UTF-8 locale for letters beyond ASCII.
export LC_ALL=C.UTF-8

tools="convert identify awk"
$only_clips || tools="sox espeak-ng $tools"
for tool in $tools; do
    command -v "$tool" >/dev/null || {
        echo "make_media: '$tool' is missing (apt-get install sox espeak-ng imagemagick mawk)" >&2
        exit 1
    }
done

out="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
translations="$out/../translations"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# ---------------------------------------------------------------------------
# Sounds: mono, 16-bit signed PCM at 22050 Hz, normalised to -1 dBFS.
# ---------------------------------------------------------------------------
if ! $only_clips; then
rate=22050
fmt=(-r "$rate" -c 1 -b 16 -e signed-integer)
sx() { sox -R -V1 "$@"; }
# Writes the final wave file in the common format, peaking at -1 dBFS.
finish() { sx "$1" "${fmt[@]}" "$out/$2" norm -1; }

# whoosh: band-passed noise whose centre sweeps up and back down, built by
# overlap-adding short windowed grains (sox cannot sweep a filter itself).
grains=()
for i in $(seq 0 15); do
    read -r freq gain start < <(awk -v i="$i" 'BEGIN {
        x = i / 15; pi = atan2(0, -1)
        f = 500 + 4200 * sin(pi * x ^ 0.75) ^ 2     # sweep up, then fall away
        g = sin(pi * x ^ 0.6) ^ 2 + 0.02            # swell early, trail off
        printf "%d %.3f %.3f\n", f, g, i * 0.018 }')
    sx -n "${fmt[@]}" "$work/grain$i.wav" synth 0.06 pinknoise \
        bandpass "$freq" 0.7o fade h 0.03 0.06 0.03 vol "$gain" pad "$start"
    grains+=("$work/grain$i.wav")
done
sx -m "${grains[@]}" "$work/whoosh.wav" highpass 250
finish "$work/whoosh.wav" whoosh.wav

# insurance: a bell-like ding, then the croupier's call with a rising question.
sx -n "${fmt[@]}" "$work/ding_a.wav" synth 0.4 sine 1318.5 fade l 0.002 0.4 0.38
sx -n "${fmt[@]}" "$work/ding_b.wav" synth 0.4 sine 3296 fade l 0.002 0.25 0.23 vol 0.35 pad 0 0.15
sx -m "$work/ding_a.wav" "$work/ding_b.wav" "$work/ding.wav" vol 0.8
espeak-ng -v en-gb-x-rp+m3 -s 135 -p 38 -a 160 -w "$work/say_insurance_raw.wav" "Insurance?"
sx "$work/say_insurance_raw.wav" "${fmt[@]}" "$work/say_insurance.wav" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -3 reverb 20 50 40
sx "$work/ding.wav" "$work/say_insurance.wav" "$work/insurance.wav" pad 0 0.05
finish "$work/insurance.wav" insurance.wav

# snore: a rattling in-breath (buzz of the soft palate, ~35 Hz flutter over
# low noise), a pause, then a soft whistling out-breath.
sx -n "${fmt[@]}" "$work/rattle.wav" synth 0.8 brownnoise synth 0.8 sawtooth amod 34 \
    lowpass 600 lowpass 900 fade q 0.35 0.8 0.25
sx -n "${fmt[@]}" "$work/buzz.wav" synth 0.8 sawtooth 68 synth 0.8 square amod 34 \
    lowpass 400 fade q 0.4 0.8 0.2 vol 0.5
sx -m "$work/rattle.wav" "$work/buzz.wav" "$work/inhale.wav"
sx -n "${fmt[@]}" "$work/exhale.wav" synth 0.55 pinknoise bandpass 1100 1o lowpass 2500 fade q 0.08 0.55 0.4 vol 0.35
sx -n "${fmt[@]}" "$work/whistle.wav" synth 0.55 sine 900-780 fade q 0.1 0.55 0.4 vol 0.06
sx -m "$work/exhale.wav" "$work/whistle.wav" "$work/out_breath.wav"
# Put a short pause between the two breaths.
sx "$work/inhale.wav" "$work/inhale_pad.wav" pad 0 0.12
sx "$work/inhale_pad.wav" "$work/out_breath.wav" "$work/snore.wav"
finish "$work/snore.wav" snore.wav

# hung-01: the sad trombone, four falling notes, the last one drooping and
# wobbling. Each note is a detuned pair of sawtooths through a lowpass (a
# muted brass tone), swelling in softly.
note() { # name seconds from-freq to-freq
    sx -n "${fmt[@]}" "$work/$1_a.wav" synth "$2" sawtooth "$3-$4"
    sx -n "${fmt[@]}" "$work/$1_b.wav" synth "$2" sawtooth "$(awk -v f="$3" 'BEGIN{print f*1.006}')-$(awk -v f="$4" 'BEGIN{print f*1.006}')"
    sx -m "$work/$1_a.wav" "$work/$1_b.wav" "$work/$1.wav" lowpass 1100 lowpass 1800 \
        fade q 0.07 "$2" 0.12
}
note n1 0.34 293.7 293.7
note n2 0.34 277.2 277.2
note n3 0.34 261.6 261.6
note n4 0.80 246.9 233.1
sx "$work/n4.wav" "$work/n4w.wav" tremolo 6 45
sx "$work/n1.wav" "$work/n2.wav" "$work/n3.wav" "$work/n4w.wav" "$work/hung.wav" \
    overdrive 4 reverb 15
finish "$work/hung.wav" hung-01.wav

# Explode: a sharp crack, a roaring body of noise and a long low rumble, all
# decaying, with some room.
sx -n "${fmt[@]}" "$work/crack.wav" synth 0.25 whitenoise fade l 0 0.25 0.24 vol 0.9
sx -n "${fmt[@]}" "$work/body.wav" synth 1.0 pinknoise lowpass 2200 fade l 0.01 1.0 0.95
sx -n "${fmt[@]}" "$work/rumble.wav" synth 1.7 brownnoise lowpass 160 lowpass 160 \
    overdrive 12 fade l 0.02 1.7 1.6 vol 2
sx -m "$work/crack.wav" "$work/body.wav" "$work/rumble.wav" "$work/boom.wav" reverb 40 50 80 trim 0 1.85 fade 0 1.85 0.3
finish "$work/boom.wav" Explode.wav

# haha: a spoken laugh, each "ha" at its own pitch and loudness, falling away.
laugh=()
i=0
for voice in "72 180" "82 170" "66 160" "74 150" "58 130" "50 110"; do
    read -r pitch amp <<<"$voice"
    espeak-ng -v en-us+m7 -s 260 -p "$pitch" -a "$amp" -w "$work/ha_raw$i.wav" "hah"
    sx "$work/ha_raw$i.wav" "${fmt[@]}" "$work/ha$i.wav" \
        silence 1 0.005 1% reverse silence 1 0.005 1% reverse pad 0 0.05
    laugh+=("$work/ha$i.wav")
    i=$((i + 1))
done
sx "${laugh[@]}" "$work/haha.wav" reverb 15 trim 0 1.9
finish "$work/haha.wav" haha.wav

# clap: applause, many single claps (short bursts of band-passed noise with
# random brightness and loudness) scattered over 1.5 s, thickest at the start.
claps=()
i=0
while read -r start freq gain; do
    sx -n "${fmt[@]}" "$work/clap$i.wav" synth 0.045 whitenoise bandpass "$freq" 1.5o \
        fade l 0.001 0.045 0.04 vol "$gain" pad "$start"
    claps+=("$work/clap$i.wav")
    i=$((i + 1))
done < <(awk 'BEGIN {
    srand(1234)                                 # a fixed seed: the same applause every run
    for (i = 0; i < 90; i++) {
        start = 1.35 * rand() ^ 1.4
        printf "%.3f %d %.2f\n", start, 900 + 1600 * rand(), (0.4 + 0.6 * rand()) * (1 - start / 1.7)
    } }')
sx -m "${claps[@]}" "$work/clap.wav" reverb 30 40 60 pad 0 0.05 trim 0 1.6 fade 0 1.6 0.3
finish "$work/clap.wav" clap.wav
fi

# ---------------------------------------------------------------------------
# Clips: 225 x 49 animated GIFs on the strip's green, looping forever. Each
# frame is drawn by an awk program that writes ImageMagick drawing primitives
# (MVG) for frame f of n; the helpers below are shared by all of them. Every
# clip is drawn a second time at twice the size, scaled before it is
# rasterised, so its "@2x" twin has real detail rather than enlarged pixels.
# ImageMagick puts whole coordinates at pixel centres, so the centre of clip
# pixel p lands between device pixels kp and kp+k-1: k*p + (k-1)/2.
# ---------------------------------------------------------------------------
green='#009A34'
sans=Nimbus-Sans-Bold
serif=C059-Bold
script=Z003-MediumItalic
fonts="$(convert -list font)"
for font in "$sans" "$serif" "$script"; do
    grep -q "Font: $font\$" <<<"$fonts" || { echo "make_media: font $font is missing (apt-get install fonts-urw-base35)" >&2; exit 1; }
done

# Where each letter of a text starts, then the text's full advance, in pixels:
# lets the clips move letters one by one while keeping the font's spacing.
advances() { # font size text
    local args=() i
    for ((i = 1; i <= ${#3}; i++)); do args+=(-annotate 0 "${3:0:i}"); done
    printf '0 '
    convert xc: -font "$1" -pointsize "$2" -debug annotate "${args[@]}" null: 2>&1 |
        sed -n 's/.*origin: \([0-9.-]*\),.*/\1/p' | tr '\n' ' '
}

mvg_lib='
BEGIN { PI = atan2(0, -1); t = f / n }
function clamp(x) { return x < 0 ? 0 : x > 1 ? 1 : x }
function frac(x) { return x - int(x) + (x < 0 && x != int(x) ? 1 : 0) }
function rnd(i) { return frac(sin(i * 12.9898 + 78.233) * 43758.5453) }   # fixed "random" numbers
function ease_out(x) { x = clamp(x); return 1 - (1 - x) ^ 3 }
function ease_back(x) { x = clamp(x) - 1; return 1 + 2.7 * x ^ 3 + 1.7 * x ^ 2 }  # overshoots, then settles
function hsl(h, s, l,   c, x, m, r, g, b) {
    h = frac(h / 360) * 6; c = (1 - (2 * l - 1 < 0 ? 1 - 2 * l : 2 * l - 1)) * s
    x = c * (1 - ((h % 2) - 1 < 0 ? 1 - (h % 2) : (h % 2) - 1)); m = l - c / 2
    if (h < 1) { r = c; g = x; b = 0 } else if (h < 2) { r = x; g = c; b = 0 }
    else if (h < 3) { r = 0; g = c; b = x } else if (h < 4) { r = 0; g = x; b = c }
    else if (h < 5) { r = x; g = 0; b = c } else { r = c; g = 0; b = x }
    return sprintf("rgb(%d,%d,%d)", (r + m) * 255, (g + m) * 255, (b + m) * 255)
}
function star(x, y, r, col) {   # a four-pointed twinkle with a bright core
    if (r < 0.4) return
    printf "fill %s\npolygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", col,
        x, y - r, x + r * .22, y - r * .22, x + r, y, x + r * .22, y + r * .22,
        x, y + r, x - r * .22, y + r * .22, x - r, y, x - r * .22, y - r * .22
    printf "fill white\ncircle %.1f,%.1f %.1f,%.1f\n", x, y, x + r * 0.18, y
}
function banner(fill, edge, w) {
    printf "fill %s\nstroke %s\nstroke-width %s\nroundrectangle 2.5,2.5 222,46 10,10\nstroke none\n", fill, edge, w
}
function clip_to_banner() {     # later drawing stays inside the banner, until "pop graphic-context"
    print "push defs\npush clip-path \"banner\"\npush graphic-context\nroundrectangle 2.5,2.5 222,46 10,10\npop graphic-context\npop clip-path\npop defs"
    print "push graphic-context\nclip-path \"banner\""
}
function mix(r0, g0, b0, r1, g1, b1, v) {   # colour 0 blended towards colour 1 by v
    return sprintf("rgb(%d,%d,%d)", r0 + (r1 - r0) * v, g0 + (g1 - g0) * v, b0 + (b1 - b0) * v)
}
function font(name, size) { printf "font %s\nfont-size %s\ntext-anchor start\n", name, size }
function say(x, y, s, fill, edge, w) {   # outlined text: the outline first, the fill over it
    if (w > 0) printf "fill %s\nstroke %s\nstroke-width %s\nstroke-linejoin round\ntext %.1f,%.1f \"%s\"\nstroke none\n", edge, edge, w, x, y, s
    printf "fill %s\ntext %.1f,%.1f \"%s\"\n", fill, x, y, s
}
'

clip() { # file frames delay(1/100 s) awk-program [awk -v assignments...]
    local name=$1 frames=$2 delay=$3 prog=$4 f k offset mvg file
    shift 4
    for k in 1 2 3; do
        file=$name$([[ $k == 1 ]] || echo "@${k}x")
        offset=$(awk -v k="$k" 'BEGIN { print (k - 1) / 2 }')
        mkdir -p "$work/$file"
        for ((f = 0; f < frames; f++)); do
            mvg="$(awk -v f="$f" -v n="$frames" "$@" "$mvg_lib$prog")"
            convert -size $((225 * k))x$((49 * k)) xc:"$green" -draw "affine $k,0,0,$k,$offset,$offset
$mvg" "$work/$file/$(printf %03d "$f").png"
        done
        # Flat art needs no dithering, which would only add speckles and bytes.
        convert -delay "$delay" -loop 0 "$work/$file"/*.png +dither -layers Optimize gif:"$out/$file.swf"
    done
}

# The translation of an English clip's words in a .ts file, or nothing when it has none.
translated() { # ts-file english
    awk -v want="$2" '
    function plain(s) {
        gsub(/&#xa0;/, "\302\240", s); gsub(/&lt;/, "<", s); gsub(/&gt;/, ">", s)
        gsub(/&quot;/, "\"", s); gsub(/&apos;/, "\047", s); gsub(/&amp;/, "\\&", s); return s
    }
    /<name>/ { sub(/.*<name>/, ""); sub(/<\/name>.*/, ""); context = $0 }
    /<source>/ { sub(/.*<source>/, ""); sub(/<\/source>.*/, ""); source = plain($0) }
    /<translation>/ && context == "Clips" && source == want {
        sub(/.*<translation>/, ""); sub(/<\/translation>.*/, ""); print plain($0); exit
    }' "$1"
}

# The words' letters one a line, for awk, which counts bytes rather than letters.
letters() { # text
    local i
    for ((i = 0; i < ${#1}; i++)); do printf '%s\n' "${1:i:1}"; done
}

# The largest size up to `size` at which the words are at most `width` pixels wide.
fitted_size() { # font size width text
    local adv
    adv="$(advances "$1" "$2" "$4")"
    awk -v size="$2" -v width="$3" -v adv="$adv" 'BEGIN {
        m = split(adv, w, " "); s = (w[m] > width) ? size * width / w[m] : size; printf "%.1f\n", s }'
}

# The five clips with the given words, into files named after the clip and the suffix ("", "_de").
clips() { # suffix idle-words loss-words push-words win-words blackjack-words
    local suffix=$1 size
    # A translation's clip is drawn only where its words differ from the English: the game shows the
    # English clip in place of a missing one.
    drawn() { [[ -z "$suffix" || "$1" != "${english[$2]}" ]]; }

# a: the idle clip. "Place your bets" in cream script breathing gently on the
# bare felt, with little gold twinkles coming and going around it.
if drawn "$2" 0; then
size="$(fitted_size "$script" 32 195 "$2")"
clip "a$suffix" 40 8 '
BEGIN {
    for (i = 0; i < 10; i++) {
        x = 8 + 209 * rnd(i); y = (i % 2) ? 6 + 5 * rnd(i + 20) : 41 + 4 * rnd(i + 40)
        if (i % 5 == 4) { x = (i < 5) ? 10 : 215; y = 24 }
        r = 4.5 * clamp(sin(2 * PI * (2 * t + rnd(i + 60)))) ^ 2
        star(x, y + 1.5 * sin(2 * PI * (t + rnd(i + 80))), r, "rgb(255,226,120)")
    }
    p = 0.5 + 0.5 * sin(2 * PI * t); s = 1 + 0.035 * p
    printf "push graphic-context\ntranslate 112.5,25\nscale %.4f,%.4f\n", s, s
    printf "font %s\nfont-size %s\ntext-anchor middle\n", font_name, size
    printf "fill rgba(0,60,20,0.6)\ntext 1.5,10 \"%s\"\n", text
    printf "fill rgba(255,246,208,%.3f)\ntext 0,8.5 \"%s\"\n", 0.72 + 0.28 * p, text
    print "pop graphic-context"
}' -v font_name="$script" -v size="$size" -v text="$2"
fi

# loss: on a dark red banner "You lose" slides in from the left, sags a
# little while small arrows sink at either side, then fades away. Longer
# words come to rest centred, in a smaller size when they need it.
if drawn "$3" 1; then
size="$(fitted_size "$sans" 26 165 "$3")"
clip "loss$suffix" 36 8 '
BEGIN {
    banner("rgb(60,6,10)", "rgb(170,28,36)", 1.5)
    for (k = 0; k < 2; k++) {          # sinking arrows
        d = frac(2 * t + k * 0.5); x = k ? 203 : 22; y = 12 + 22 * d; a = sin(PI * d) * 0.9
        printf "fill rgba(255,80,70,%.2f)\npolygon %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", a, x - 6, y, x + 6, y, x, y + 8
    }
    m = split(adv, w, " "); rest = (w[m] > 107) ? 112.5 - w[m] / 2 : 59
    x = -110 + (rest + 110) * ease_out(f / 9)
    sag = (f > 9) ? 3 * clamp((f - 9) / 14) : 0
    v = 1 - clamp((f - 29) / 6)        # fading out by sinking into the banner colour
    font(font_name, size)
    clip_to_banner()
    say(x + 1.5, 35 + sag + 1.5, text, sprintf("rgba(0,0,0,%.2f)", 0.6 * v), "", 0)
    say(x, 35 + sag, text, mix(60, 6, 10, 255, 84, 72, v), mix(60, 6, 10, 30, 0, 0, v), 2)
    print "pop graphic-context"
}' -v font_name="$sans" -v size="$size" -v text="$3" -v adv="$(advances "$sans" "$size" "$3")"
fi

# draw: "Push" swings to and fro like a pendulum on a slate banner, between
# two steady equals signs.
if drawn "$4" 2; then
size="$(fitted_size "$serif" 30 140 "$4")"
clip "draw$suffix" 32 8 '
BEGIN {
    banner("rgb(36,50,74)", "rgb(184,196,214)", 1.5)
    for (k = 0; k < 2; k++) {
        x = k ? 192 : 22
        printf "fill rgb(184,196,214)\nrectangle %d,20 %d,22\nrectangle %d,27 %d,29\n", x, x + 11, x, x + 11
    }
    a = 11 * sin(2 * PI * t)
    printf "push graphic-context\ntranslate 112.5,-30\nrotate %.2f\n", a
    printf "font %s\nfont-size %s\ntext-anchor middle\n", font_name, size
    printf "fill rgba(0,0,0,0.5)\ntext 1.5,66.5 \"%s\"\n", text
    printf "fill rgb(10,16,30)\nstroke rgb(10,16,30)\nstroke-width 2\ntext 0,65 \"%s\"\nstroke none\n", text
    printf "fill rgb(240,244,250)\ntext 0,65 \"%s\"\n", text
    print "pop graphic-context"
}' -v font_name="$serif" -v size="$size" -v text="$4"
fi

# win: gold "You win!" on a deep green banner, the letters bouncing one after
# the other, with sparkles bursting around them.
if drawn "$5" 3; then
size="$(fitted_size "$sans" 28 200 "$5")"
clip "win$suffix" 32 8 '
BEGIN {
    banner("rgb(0,82,28)", "rgb(245,197,66)", 1.5)
    for (i = 0; i < 12; i++) {
        x = (i % 2) ? 10 + 38 * rnd(i + 3) : 177 + 38 * rnd(i + 3); y = 8 + 33 * rnd(i + 33)
        if (i % 6 == 5) { x = 60 + 105 * rnd(i + 13); y = 8 + 4 * rnd(i + 23) }   # a glint on the letters
        star(x, y, 7 * clamp(sin(2 * PI * (2 * t + rnd(i + 7)))) ^ 3, (i % 3) ? "rgb(255,220,90)" : "white")
    }
    m = split(adv, w, " "); x0 = 112.5 - w[m] / 2; count = split(letters, ch, "\n")
    font(font_name, size)
    for (pass = 0; pass < 2; pass++)    # all the shadows first, then the letters over them
        for (i = 1; i <= count; i++) {
            c = ch[i]; if (c == " " || c == "\302\240") continue
            h = 8 * (sin(PI * frac(2 * t - (i - 1) * 0.07))) ^ 2
            x = x0 + w[i]; y = 37 - h
            if (pass == 0) say(x + 1.5, y + 2, c, "rgba(0,0,0,0.45)", "", 0)
            else say(x, y, c, "rgb(255,210,63)", "rgb(110,58,0)", 2.2)
        }
}' -v font_name="$sans" -v size="$size" -v letters="$(letters "$5")" -v adv="$(advances "$sans" "$size" "$5")"
fi

# bj: "Blackjack!" zooms in over a turning gold sunburst, lands with a flash,
# then its letters run through the colours of the rainbow.
if drawn "$6" 4; then
size="$(fitted_size "$sans" 29 200 "$6")"
clip "bj$suffix" 36 7 '
BEGIN {
    clip_to_banner()
    print "fill rgb(48,0,22)\nrectangle 0,0 225,49"
    for (k = 0; k < 16; k++) {         # sunburst rays, turning a quarter turn per loop
        a1 = (k * 22.5 + 90 * t) * PI / 180; a2 = a1 + 11.25 * PI / 180
        printf "fill rgba(255,190,40,0.24)\npolygon 112.5,24.5 %.1f,%.1f %.1f,%.1f\n",
            112.5 + 200 * cos(a1), 24.5 + 200 * sin(a1), 112.5 + 200 * cos(a2), 24.5 + 200 * sin(a2)
    }
    print "pop graphic-context"
    banner("none", "rgb(255,215,80)", 2)
    for (i = 0; i < 8; i++) {
        x = (i % 2) ? 12 + 28 * rnd(i) : 185 + 28 * rnd(i); y = 9 + 31 * rnd(i + 9)
        if (f > 7) star(x, y, 5.5 * clamp(sin(2 * PI * (3 * t + rnd(i + 5)))) ^ 2, "rgb(255,240,170)")
    }
    m = split(adv, w, " "); count = split(letters, ch, "\n")
    s = 0.15 + 0.85 * ease_back(f / 7)
    font(font_name, size)
    printf "push graphic-context\ntranslate 112.5,24.5\nscale %.3f,%.3f\n", s, s
    for (pass = 0; pass < 2; pass++)
        for (i = 1; i <= count; i++) {
            c = ch[i]; x = w[i] - w[m] / 2
            col = (f < 8) ? "rgb(255,222,70)" : hsl(50 + 360 * 2 * t - (i - 1) * 36, 1, 0.66)
            if (pass == 0) say(x + 1.5, 12.5, c, "rgba(0,0,0,0.5)", "", 0)
            else say(x, 10.5, c, col, "rgb(40,0,10)", 2.4)
        }
    print "pop graphic-context"
    if (f == 8 || f == 9)              # the flash as it lands
        printf "fill rgba(255,255,255,%.2f)\nroundrectangle 2.5,2.5 222,46 10,10\n", f == 8 ? 0.75 : 0.35
}' -v font_name="$sans" -v size="$size" -v letters="$(letters "$6")" -v adv="$(advances "$sans" "$size" "$6")"
fi
}

english=("Place your bets" "You lose" "Push" "You win!" "Blackjack!")
clips "" "${english[@]}"
echo "make_media: wrote the English clips in $out"

# Each translation's clips, where its words differ from the English.
for ts in "$translations"/corvane_*.ts; do
    language="${ts##*/corvane_}"
    language="${language%.ts}"
    words=()
    for english_words in "${english[@]}"; do
        said="$(translated "$ts" "$english_words")"
        words+=("${said:-$english_words}")
    done
    clips "_$language" "${words[@]}"
    echo "make_media: wrote the clips in $language"
done
