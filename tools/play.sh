#!/bin/sh
# Installs what building and playing need, builds the game without its tests, and starts it.
set -eu
cd "$(dirname "$0")/.."
tools/build.sh --for play
exec build/corvane
