#!/bin/sh
# Installs what is missing, builds, and starts the game.
set -eu
cd "$(dirname "$0")/.."
tools/build.sh
exec build/corvane
