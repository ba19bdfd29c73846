#!/bin/sh
# Installs the Debian 12 packages that building, playing and testing Corvane need, asking apt only for
# those that are missing. Uses sudo when not run as root.
set -eu

packages="build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev libsndfile1-dev libgtest-dev
    fonts-dejavu-core pulseaudio pulseaudio-utils"

missing=
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=
else
    as_root=sudo
fi
echo "Installing:$missing"
$as_root apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
