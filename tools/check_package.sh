#!/usr/bin/env bash
# Checks the Debian package that `dpkg-buildpackage -us -uc -b` built: its layout and dependencies, lintian
# (pedantic, with the informational tags) and the hardening of its programs.
#
#   tools/check_package.sh <the .changes file dpkg-buildpackage wrote>
#
# Needs lintian, hardening-check (devscripts) and dpkg-dev. Exit status: 0 when every check passed, 1
# when one failed.
set -uo pipefail

changes="${1:?usage: $0 <.changes file>}"
[[ -f "$changes" ]] || { echo "check_package: no file '$changes'" >&2; exit 1; }
dir="$(cd "$(dirname "$changes")" && pwd)"
app_id=io.github.corvane.Corvane

failures=0
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
none_match() { ! grep -e "$1"; }

deb="$(sed -n 's/^ [0-9a-f]\{32\} [0-9]* [a-z]* [a-z]* \(corvane_[^ ]*\.deb\)$/\1/p' "$changes")"
[[ -n "$deb" && -f "$dir/$deb" ]] || { echo "check_package: $changes lists no corvane package" >&2; exit 1; }
deb="$dir/$deb"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
echo "check_package: ${deb##*/}"

contents="$(dpkg-deb --contents "$deb" | awk '{ print $6 }')"
expect "the package is in section games" test "$(dpkg-deb --field "$deb" Section)" = games
expect "its dependencies come from shlibdeps" grep -q 'libqt6widgets6' <(dpkg-deb --field "$deb" Depends)
expect "it depends on the sound libraries it opens at the first sound" \
    grep -qE 'libpulse0.*libsndfile1|libsndfile1.*libpulse0' <(dpkg-deb --field "$deb" Depends)
outside="$(grep -v '^\./$\|^\./usr/' <<<"$contents")"
[[ -z "$outside" ]] || echo "$outside"
expect "it holds nothing outside /usr" test -z "$outside"
# Debian's games keep their programs in /usr/games.
expect "it has no /usr/bin" none_match '^\./usr/bin/' <<<"$contents"
for file in ./usr/games/corvane ./usr/games/corvane-odds ./usr/share/corvane/win.swf \
    ./usr/share/corvane/translations/corvane_de.qm ./usr/share/doc/corvane/copyright \
    ./usr/share/doc/corvane/changelog.gz ./usr/share/man/man6/corvane.6.gz \
    ./usr/share/man/man6/corvane-odds.6.gz \
    "./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
    expect "it holds $file" grep -qxF "$file" <<<"$contents"
done
expect "it leaves the GPL's text to /usr/share/common-licenses" none_match '/LICENSE$' <<<"$contents"
expect "its manual pages are compressed" none_match '^\./usr/share/man/.*\.[1-9]$' <<<"$contents"

dpkg-deb --extract "$deb" "$work/unpacked"
programs=("$work/unpacked/usr/games/corvane" "$work/unpacked/usr/games/corvane-odds")
for program in "${programs[@]}"; do
    expect "${program##*/} is stripped" \
        none_match '\.symtab\|\.debug_' < <(readelf --section-headers "$program")
done

# Every tag lintian shows, down to the pedantic and informational ones, fails: a tag that stays is
# overridden in debian/corvane.lintian-overrides with its reason.
tags="$(lintian --pedantic --display-info --tag-display-limit 0 "$changes" 2>&1 | grep '^[EWIPX]: ')"
[[ -z "$tags" ]] || echo "$tags"
expect "lintian --pedantic --display-info shows no tag" test -z "$tags"

# The five classic checks always (PIE, stack protector, fortified functions, RELRO, immediate binding).
# Control-flow integrity (x86) and branch protection (ARM) count where the release's toolchain gives them:
# a trivial program built with the same flags shows whether it does. On Debian 12 even that program
# fails the control-flow check, whatever -fcf-protection did.
hardening_options=()
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# shellcheck disable=SC2046 # the flags are words
g++ $(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get LDFLAGS) \
    -x c++ - -o "$work/trivial" <<<'#include <cstdio>
int main(int argc, char **argv) { char name[64]; std::snprintf(name, sizeof name, "%s", argv[argc - 1]);
    return std::puts(name) < 0; }'
trivial="$(hardening-check "$work/trivial")"
for check in "Control flow integrity:cfprotection" "Branch Protection:branchprotection"; do
    if grep -q "^ ${check%%:*}: no" <<<"$trivial"; then
        echo "note: hardening-check finds no ${check%%:*} in a trivial program with these flags: not asked"
        hardening_options+=("--no${check##*:}")
    fi
done
for program in "${programs[@]}"; do
    expect "hardening-check ${hardening_options[*]} passes ${program##*/}" \
        hardening-check "${hardening_options[@]}" "$program"
done

if ((failures > 0)); then
    echo "check_package: $failures checks failed"
    exit 1
fi
echo "check_package: every check passed"
