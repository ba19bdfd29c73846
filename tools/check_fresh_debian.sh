#!/usr/bin/env bash
# Checks the README's two commands the way a newcomer meets them: in a bare Debian root of the release
# given that has nothing but git (and sudo), from a fresh clone of what is committed, as an ordinary user
# with passwordless sudo and, with --as-root-too, as root first. In order:
#   1. root:     tools/play.sh, which installs the packages for playing through apt itself (--as-root-too)
#   2. newcomer: tools/play.sh, installing those packages through sudo (or finding them there)
#   3. newcomer: tools/test.sh, which installs the packages for testing through sudo
#   4. newcomer: the README's package command: the Build-Depends installed with apt-get build-dep, then
#      dpkg-buildpackage; the package checked by lintian and hardening-check (tools/check_package.sh),
#      tested installed by autopkgtest (debian/tests), then installed with apt and started
# The game is started offscreen and counts as playing when it is still up a few seconds later.
#
#   tools/check_fresh_debian.sh [--suite bookworm|trixie|...] [--as-root-too] [--package-only] [--keep]
#
# --suite names the Debian release (default: bookworm); --package-only clones and runs step 4 alone; --keep
# leaves the root in place until the next run. CORVANE_FRESH_DEBIAN_TIME_LIMIT (default 50m, as timeout(1)
# reads it) bounds the steps in the root: a machine busy with other builds may need longer.
# Exits 0 on PASS, 1 on FAIL, and 77 when this machine cannot build the root (not root, no mount or pid
# namespaces, no mmdebstrap, no Debian mirror in this machine's apt sources or the mirror unreachable) or
# the repository is a shallow clone, saying why.
# Needs root. Downloaded packages are kept in a cache of the release's own between runs; the root itself
# is built anew every time.
set -euo pipefail

readonly work_dir=/var/tmp/corvane-fresh-debian
# minbase is the package set of Debian's own container image; a newcomer adds git to it, and sudo to be
# able to work as an ordinary user.
readonly variant=minbase
readonly included=git,ca-certificates,sudo
readonly user=newcomer
# Generous: a cold run downloads about 400 MB, installs about 700 packages and builds the game and its
# tests.
readonly time_limit=${CORVANE_FRESH_DEBIAN_TIME_LIMIT:-50m}
readonly game_seconds=5

# ---------------------------------------------------------------------------------------------------
# Inside the root's own mount and pid namespaces: every mount and process ends with them.
# ---------------------------------------------------------------------------------------------------
if [ "${1-}" = --inside ]; then
    root=$2 cache_dir=$3 as_root_too=$4 package_only=$5
    progress() { echo "$*" >&3; }
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --bind "$cache_dir" "$root/var/cache/apt/archives"

    failures=0
    step() {
        local who=$1 what=$2 command=$3 started status
        started=$(date +%s)
        progress "  $who: $what ..."
        echo
        echo "=================== $who: $what"
        status=0
        chroot "$root" runuser -l "$who" -c "$command" </dev/null || status=$?
        local took=$(($(date +%s) - started))
        echo "=================== $who: $what: exit status $status after ${took}s"
        if [ "$status" -eq 0 ]; then
            progress "  $who: $what: ok (${took}s)"
        else
            progress "  $who: $what: FAILED with status $status (${took}s)"
            failures=$((failures + 1))
        fi
    }
    # ctest's closing lines, so that the summary shows what ran.
    test_summary() {
        sed -n 's/^\(.*tests passed, .* tests failed out of.*\)/    \1/p' "$root$1" >&3 2>/dev/null || true
    }

    play=/srv/corvane-check/play_briefly.sh
    if [ "$package_only" = yes ]; then
        step "$user" "clone" "git clone -q /srv/corvane.bundle corvane"
    else
        [ "$as_root_too" = yes ] && step root "clone and play" "sh $play $game_seconds"
        step "$user" "clone and play" "sh $play $game_seconds"
        step "$user" "test" "set -o pipefail; cd corvane && tools/test.sh 2>&1 | tee test.log"
        test_summary "/home/$user/corvane/test.log"
    fi
    step "$user" "package, check, install and play" \
        "cd corvane && sh /srv/corvane-check/package_and_play.sh $game_seconds"

    # Old versions that the mirror no longer has would only pile up in the cache.
    chroot "$root" apt-get autoclean -q >/dev/null || true
    [ "$failures" -eq 0 ]
    exit
fi

# ---------------------------------------------------------------------------------------------------
# On the host.
# ---------------------------------------------------------------------------------------------------
keep=no
suite=bookworm
as_root_too=no
package_only=no
usage() {
    echo "usage: $0 [--suite release] [--as-root-too] [--package-only] [--keep]" >&2
    exit 2
}
while [ "$#" -gt 0 ]; do
    case "$1" in
    --keep) keep=yes ;;
    --as-root-too) as_root_too=yes ;;
    --package-only) package_only=yes ;;
    --suite)
        [ "$#" -ge 2 ] || usage
        suite=$2
        shift
        ;;
    *) usage ;;
    esac
    shift
done
# Each release keeps its own packages: apt's autoclean in one root would throw out the other's.
cache_dir=/var/cache/corvane-fresh-debian/$suite/archives

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
self="$repo/tools/check_fresh_debian.sh"

skip() {
    echo "check_fresh_debian: SKIP: $*"
    exit 77
}

[ "$(id -u)" -eq 0 ] || skip "building a root needs root"
unshare --mount --pid --fork --kill-child true 2>/dev/null || skip "this machine refuses mount and pid namespaces"
command -v chroot >/dev/null || skip "chroot is missing"
# A bundle of a shallow clone lacks the history that a clone of it asks for.
[ "$(git -C "$repo" rev-parse --is-shallow-repository)" = false ] || skip "$repo is a shallow clone"
if ! command -v mmdebstrap >/dev/null; then
    echo "check_fresh_debian: installing mmdebstrap"
    { apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        mmdebstrap gpg; } >/dev/null 2>&1 || skip "mmdebstrap is missing and could not be installed"
fi

mkdir -p "$work_dir/logs" "$cache_dir"
# Two checks at once would fight over the package cache.
exec 9>"$work_dir/lock"
if ! flock -n 9; then
    echo "check_fresh_debian: waiting for another check to finish"
    flock 9
fi
# What an interrupted run left behind; the newest logs are kept.
rm -rf --one-file-system "$work_dir"/run-*
find "$work_dir/logs" -name '*.log' | sort | head -n -9 | xargs -r rm -f
stamp=$(date +%Y%m%d-%H%M%S)
log="$work_dir/logs/$stamp-$suite.log"
run_dir=$(mktemp -d "$work_dir/run-$stamp.XXXXXX")
root="$run_dir/root"
started=$(date +%s)

# shellcheck disable=SC2317 # run by the trap below
finish() {
    local status=$?
    if [ "$keep" = yes ]; then
        echo "check_fresh_debian: the root stays in $root"
    else
        # Nothing is mounted here any more: the mounts lived in namespaces that have ended.
        rm -rf --one-file-system "$run_dir"
    fi
    exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The root uses the Debian mirrors that this machine's apt uses, which may be a local mirror or a proxy,
# and the same settings for reaching them.
# The release checked need not be this machine's own: its suites (bookworm, bookworm-updates,
# bookworm-security) are renamed for it (trixie, trixie-updates, trixie-security).
debian_mirrors() {
    local host_release
    host_release=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME-}")
    apt-cache policy 2>/dev/null | awk -v suite="$suite" -v host="${host_release:-$suite}" '
        $3 ~ "/" && $NF == "Packages" { uri = $2; split($3, dist, "/"); next_is_release = 1; next }
        next_is_release && /release/ && /o=Debian/ && index(dist[1], host) == 1 {
            line = "deb " uri " " suite substr(dist[1], length(host) + 1) " " dist[2]
            if (!(line in seen)) { seen[line] = 1; print line }
        }
        { next_is_release = 0 }'
}
mirrors=()
while IFS= read -r line; do mirrors+=("$line"); done < <(debian_mirrors)
[ "${#mirrors[@]}" -gt 0 ] ||
    skip "this machine's apt sources name no Debian mirror for its own release (apt-cache policy shows" \
        "none), and the root is built from that mirror alone: add one to /etc/apt/sources.list.d/ and run" \
        "apt-get update"
apt_options=()
for option in Acquire::Check-Valid-Until Acquire::Check-Date Acquire::http::Proxy Acquire::https::Proxy; do
    value=$(apt-config dump "$option" | sed -n "s/^$option \"\(.*\)\";$/\1/p")
    [ -n "$value" ] && apt_options+=("--aptopt=$option \"$value\"")
done

echo "check_fresh_debian: log in $log"
{
    echo "Corvane fresh Debian check, $(date -R)"
    echo "commit: $(git -C "$repo" log -1 --format='%H %s')"
    printf 'mirror: %s\n' "${mirrors[@]}"
} >"$log"

# A clone of the committed HEAD, as a newcomer's would be; uncommitted changes are not in it.
mkdir -p "$run_dir/srv"
branch=$(git -C "$repo" symbolic-ref -q HEAD || true)
git -C "$repo" bundle create "$run_dir/srv/corvane.bundle" HEAD ${branch:+"$branch"} >>"$log" 2>&1

echo "  building a bare $suite root ($variant + $included) ..."
# shellcheck disable=SC2016 # the hook's $1 is the root, given by mmdebstrap
if ! unshare --mount mmdebstrap --mode=root --variant="$variant" --include="$included" \
    "${apt_options[@]}" --skip=essential/unlink \
    --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
    --setup-hook="sync-in $cache_dir /var/cache/apt/archives" \
    --customize-hook="sync-out /var/cache/apt/archives $cache_dir" \
    "$suite" "$root" "${mirrors[@]}" >>"$log" 2>&1; then
    tail -n 20 "$log"
    skip "mmdebstrap could not build the root (log: $log)"
fi
echo "  root built ($(($(date +%s) - started))s)"

# The newcomer, who may use sudo without a password; the clone to start from; the play check.
# sudo looks the machine's name up, and says so on every call when it can't.
echo "127.0.1.1 $(hostname)" >>"$root/etc/hosts"
chroot "$root" useradd --create-home --shell /bin/bash "$user"
echo "$user ALL=(ALL:ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
chmod 0440 "$root/etc/sudoers.d/$user"
mkdir -p "$root/srv/corvane-check"
cp "$run_dir/srv/corvane.bundle" "$root/srv/corvane.bundle"
chmod a+r "$root/srv/corvane.bundle"
cat >"$root/srv/corvane-check/play_briefly.sh" <<'EOF'
# Clones Corvane and runs the README's play command, drawn offscreen; ends the game once it has stayed
# up for the seconds given. The play command must have built no tests and installed no test packages.
set -u
seconds=$1
git clone -q /srv/corvane.bundle corvane && cd corvane || exit 1
QT_QPA_PLATFORM=offscreen tools/play.sh &
play=$!
program="$(pwd -P)/build/corvane"

running() {
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)
    [ -n "$state" ] && [ "$state" != Z ]
}
game_process() {
    for process in /proc/[0-9]*; do
        if [ "$(readlink "$process/exe" 2>/dev/null)" = "$program" ]; then
            echo "${process#/proc/}"
            return
        fi
    done
}
until game=$(game_process) && [ -n "$game" ]; do
    if ! running "$play"; then
        wait "$play"
        echo "play_briefly: the play command ended with status $? before the game started"
        exit 1
    fi
    sleep 1
done
echo "play_briefly: the game started"
sleep "$seconds"
if ! running "$game"; then
    wait "$play"
    echo "play_briefly: the game ended with status $? within $seconds seconds"
    exit 1
fi
kill "$game"
wait "$play"
echo "play_briefly: the game was still running after $seconds seconds"

status=0
if [ -e build/tests ]; then
    echo "play_briefly: the play command built the tests"
    status=1
fi
play_packages=$(tools/install_dependencies.sh --for play --list)
# Installed by name, that is: a package the game's own packages depend on comes along, as it should.
by_name=$(apt-mark showmanual)
for package in $(tools/install_dependencies.sh --for test --list); do
    if ! echo "$play_packages" | grep -qx "$package" && echo "$by_name" | grep -qx "$package"; then
        echo "play_briefly: $package, needed only for testing, was installed by the play command"
        status=1
    fi
done
exit "$status"
EOF
cat >"$root/srv/corvane-check/package_and_play.sh" <<'EOF'
# In a clone where the play and test commands have run: builds the Debian package as the README says,
# checks it (tools/check_package.sh), tests it installed with autopkgtest, installs it with apt, starts the
# installed game offscreen and ends it once it has stayed up for the seconds given, then removes it.
set -eu
seconds=$1
export DEBIAN_FRONTEND=noninteractive
sudo -E apt-get update -q
sudo -E apt-get build-dep -y -q ./
sudo -E apt-get install -y -q --no-install-recommends lintian devscripts autopkgtest
DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc -b
architecture=$(dpkg --print-architecture)
version=$(dpkg-parsechangelog --show-field Version)
tools/check_package.sh "../corvane_${version}_$architecture.changes"
deb=$(realpath "../corvane_${version}_$architecture.deb")
echo "package_and_play: $deb depends on $(dpkg-deb --field "$deb" Depends)"
# The null server tests on this root itself: it installs the package and the tests' dependencies.
sudo -E autopkgtest "$deb" ./ -- null
sudo -E apt-get install -y -q "$deb"
status=0
QT_QPA_PLATFORM=offscreen timeout "$seconds" /usr/games/corvane || status=$?
sudo apt-get remove -y -q corvane
if [ "$status" -ne 124 ]; then
    echo "package_and_play: the installed game ended with status $status within $seconds seconds"
    exit 1
fi
echo "package_and_play: the installed game was still running after $seconds seconds"
EOF

status=0
timeout --kill-after=1m "$time_limit" unshare --mount --pid --fork --kill-child "$self" --inside "$root" \
    "$cache_dir" "$as_root_too" "$package_only" \
    3>&1 >>"$log" 2>&1 || status=$?
took=$(($(date +%s) - started))
if [ "$status" -eq 0 ]; then
    echo "check_fresh_debian: PASS in ${took}s (log: $log)"
    exit 0
fi
[ "$status" -eq 124 ] && echo "  stopped after $time_limit"
echo "  last lines of the log:"
tail -n 40 "$log" | sed 's/^/  | /'
echo "check_fresh_debian: FAIL in ${took}s (log: $log)"
exit 1
