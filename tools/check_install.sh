#!/usr/bin/env bash
# Checks that Corvane installs like a desktop game. Installs a configured and built tree into a temporary
# folder under the /usr prefix, then checks the layout and runs the freedesktop and Debian validators on
# what landed there. The Debian package is checked by tools/check_package.sh.
#
#   tools/check_install.sh [build-directory]      (default: build)
#
# Validators: desktop-file-validate (desktop-file-utils), appstreamcli (appstream), man (man-db) or groff.
# A missing one is reported and its checks are skipped.
# Exit status: 0 when every check passed, 1 when one failed, 77 when none failed but some were skipped.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(cd "$here/.." && pwd)"
build="$(cd "${1:-$source_dir/build}" 2>/dev/null && pwd)" || { echo "check_install: no build directory '${1:-build}'" >&2; exit 1; }
cmake="${CMAKE:-cmake}"

app_id=io.github.corvane.Corvane
icon_sizes="16 22 24 32 48 64 128 256"

failures=0
skips=0
skip() { echo "SKIP: $*"; skips=$((skips + 1)); }
have() { command -v "$1" >/dev/null 2>&1; }
# expect "what should hold" command [arguments...]: runs the command and counts a failure when it fails.
expect() {
    local what="$1"
    shift
    if "$@"; then
        echo "ok:   $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}
# Succeeds when no line of the text on standard input matches the pattern; shows the lines that do.
none_match() { ! grep -e "$1"; }

version_header="$build/data/include/corvane_version.h"
[[ -f "$version_header" ]] || { echo "check_install: $build is not a configured Corvane build directory" >&2; exit 1; }
version="$(sed -n 's/.*corvaneVersion\[\] = "\(.*\)";/\1/p' "$version_header")"
[[ -n "$version" ]] || { echo "check_install: no version in $version_header" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
stage="$work/stage"
usr="$stage/usr"

echo "check_install: Corvane $version from $build"
if ! DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

# --- Layout -------------------------------------------------------------------------------------------
files_not_programs() {
    local file
    for file in "$usr"/bin/*; do
        [[ -f "$file" && -x "$file" ]] || echo "    ${file##*/}"
    done
}
media_not_installed() {
    local medium
    for medium in "$source_dir"/media/*.wav "$source_dir"/media/*.swf "$source_dir"/media/*.png; do
        cmp -s "$medium" "$usr/share/corvane/${medium##*/}" || echo "    ${medium##*/}"
    done
}
expect "the program is usr/bin/corvane" test -x "$usr/bin/corvane"
expect "bin/ holds programs only" test -z "$(files_not_programs | tee /dev/stderr)"
if have readelf; then
    # Loading them with the program would slow its start for every player, including the silent ones.
    expect "the game opens the sound libraries at the first sound, not at its start" \
        none_match 'libpulse\|libsndfile' < <(readelf --dynamic "$usr/bin/corvane")
fi
expect "the sounds and clips are in share/corvane" test -z "$(media_not_installed | tee /dev/stderr)"
# Every language the sources translate, by the names of their .ts files ("de", "pt_BR").
languages="$(cd "$source_dir/translations" && ls corvane_*.ts | sed 's/^corvane_\(.*\)\.ts$/\1/')"
translations_not_installed() {
    local language
    for language in $languages; do
        [[ -s "$usr/share/corvane/translations/corvane_$language.qm" ]] || echo "    corvane_$language.qm"
    done
}
expect "the translations of $(echo $languages) are in share/corvane/translations" \
    test -z "$(translations_not_installed | tee /dev/stderr)"
for doc in copyright changelog LICENSE; do
    expect "share/doc/corvane/$doc is there" test -s "$usr/share/doc/corvane/$doc"
done

# --- Launcher and icons ---------------------------------------------------------------------------------
png_size() { # "WxH" from a PNG's header
    local words
    read -ra words < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((words[0] << 24) + (words[1] << 16) + (words[2] << 8) + words[3]))x$(((words[4] << 24) + (words[5] << 16) + (words[6] << 8) + words[7]))"
}
icons_missing() {
    local size png
    [[ -s "$icons/scalable/apps/$app_id.svg" ]] || echo "    scalable"
    for size in $icon_sizes; do
        png="$icons/${size}x${size}/apps/$app_id.png"
        [[ -f "$png" && "$(png_size "$png")" == "${size}x${size}" ]] || echo "    ${size}x${size}"
    done
}
desktop="$usr/share/applications/$app_id.desktop"
icons="$usr/share/icons/hicolor"
expect "the launcher $app_id.desktop is there" test -f "$desktop"
if [[ -f "$desktop" ]]; then
    if have desktop-file-validate; then
        expect "desktop-file-validate accepts the launcher" desktop-file-validate "$desktop"
    else
        skip "desktop-file-validate is missing (apt-get install desktop-file-utils)"
    fi
    exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
    expect "the launcher starts an installed program ($exec_line)" test -x "$usr/bin/${exec_line%% *}"
    expect "the launcher's icon is $app_id" grep -qx "Icon=$app_id" "$desktop"
    expect "the launcher is filed under Game and CardGame" grep -q '^Categories=.*\bGame;.*\bCardGame;' "$desktop"
    for language in $languages; do
        expect "the launcher speaks $language" grep -q "^Comment\[$language\]=" "$desktop"
    done
fi
expect "the icons are there, scalable and at $icon_sizes pixels" test -z "$(icons_missing | tee /dev/stderr)"

# --- Metainfo, and the release it names everywhere ------------------------------------------------------
metainfo="$usr/share/metainfo/$app_id.metainfo.xml"
expect "the metainfo $app_id.metainfo.xml is there" test -f "$metainfo"
if [[ -f "$metainfo" ]]; then
    if have appstreamcli; then
        expect "appstreamcli validate accepts the metainfo" appstreamcli validate --no-net "$metainfo"
        # The tree check also follows the launchable to the installed launcher and finds the icon.
        expect "appstreamcli validate-tree accepts the install" appstreamcli validate-tree --no-net "$stage"
    else
        skip "appstreamcli is missing (apt-get install appstream)"
    fi
    for language in $languages; do
        expect "the metainfo speaks $language" grep -q "<summary xml:lang=\"$language\">" "$metainfo"
    done
    expect "the metainfo launches $app_id.desktop" \
        grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
    release_date="$(sed -n "s/.*<release version=\"$version\" date=\"\([0-9-]*\)\".*/\1/p" "$metainfo")"
    expect "the metainfo's release is $version" test -n "$release_date"
    if [[ -n "$release_date" ]]; then
        changelog="$usr/share/doc/corvane/changelog"
        expect "the changelog opens with corvane ($version)" grep -q "^corvane ($version) " <(head -1 "$changelog")
        changelog_date="$(sed -n 's/^ -- .*>  //p' "$changelog" | head -1)"
        expect "the changelog is dated $release_date ($changelog_date)" \
            test "$changelog_date" = "$(LC_ALL=C date -u -d "$release_date 12:00" -R)"
        expect "the manual page names Corvane $version of $release_date" \
            grep -q "^\.TH CORVANE 6 \"$release_date\" \"Corvane $version\"" "$usr/share/man/man6/corvane.6"
    fi
fi

# --- Manual page ----------------------------------------------------------------------------------------
manual="$usr/share/man/man6/corvane.6"
expect "the manual page man6/corvane.6 is there" test -f "$manual"
if [[ -f "$manual" ]]; then
    if have man; then
        expect "man --warnings renders the manual page cleanly" \
            test -z "$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$manual" 2>&1 >/dev/null | tee /dev/stderr)"
    elif have groff; then
        expect "groff -ww renders the manual page cleanly" test -z "$(groff -man -ww -z "$manual" 2>&1 | tee /dev/stderr)"
    else
        skip "neither man nor groff is installed (apt-get install man-db)"
    fi
fi

if ((failures > 0)); then
    echo "check_install: $failures checks failed"
    exit 1
elif ((skips > 0)); then
    echo "check_install: every check that ran passed; $skips skipped for want of a validator"
    exit 77
fi
echo "check_install: every check passed"
