#!/usr/bin/env bash
# Builds the Debian package twice from the committed HEAD, as `dpkg-buildpackage -us -uc -b` does, with
# everything a build should not depend on varied between the two, and checks that the .deb files come out
# bit for bit the same. Where they differ, diffoscope shows how.
#
#   tools/check_reproducible.sh [--keep]
#
# The second build runs in a longer, different folder, a year and a month later by the clock (faketime),
# in another time zone (UTC+14 against UTC), another locale and language, and with umask 0002 against
# 0022. The dates the package holds come from debian/changelog (SOURCE_DATE_EPOCH), which dpkg-buildpackage
# sets. Installs what it needs first (the Build-Depends, faketime, diffoscope-minimal); takes two builds'
# time. --keep leaves both builds in place. Exit status: 0 when the packages are identical, 1 when not.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
keep=no
[ "${1-}" = --keep ] && keep=yes
as_root=
[ "$(id -u)" -eq 0 ] || as_root=sudo

$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    faketime diffoscope-minimal dpkg-dev >/dev/null
(cd "$repo" && $as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q ./ >/dev/null)

work="$(mktemp -d "${TMPDIR:-/tmp}/corvane-reproducible.XXXXXX")"
if [ "$keep" = no ]; then
    trap 'rm -rf "$work"' EXIT
fi
echo "check_reproducible: building in $work"

# build <folder> <umask> <command prefix...>: unpacks HEAD into the folder and builds the package there.
build() {
    local folder="$1" mask="$2"
    shift 2
    mkdir -p "$folder"
    git -C "$repo" archive HEAD | tar -x -C "$folder"
    (
        cd "$folder" && umask "$mask"
        DEB_BUILD_OPTIONS="parallel=$(nproc)" "$@" dpkg-buildpackage -us -uc -b
    ) >"$folder.log" 2>&1 ||
        { tail -n 30 "$folder.log"; echo "check_reproducible: the build in $folder failed"; exit 1; }
}

first="$work/a/corvane"
second="$work/second-build/in/a/longer/path/corvane-1.1.0"
build "$first" 0022 env TZ=UTC LC_ALL=C.UTF-8 LANGUAGE=en
build "$second" 0002 env TZ=Etc/GMT-14 LC_ALL= LANG=fr_FR.UTF-8 LANGUAGE=fr faketime -f +398d

architecture="$(dpkg --print-architecture)"
status=0
for deb in "$(dirname "$first")"/*_"$architecture".deb; do
    name="${deb##*/}"
    if cmp -s "$deb" "$(dirname "$second")/$name"; then
        echo "ok:   $name is the same in both builds ($(sha256sum "$deb" | cut -c1-16)...)"
    else
        echo "FAIL: $name differs:"
        diffoscope "$deb" "$(dirname "$second")/$name" || true
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "check_reproducible: both builds gave identical packages"
exit "$status"
