#!/bin/sh
# Configures and builds Corvane and its tests into build/, installing missing packages first.
set -eu
cd "$(dirname "$0")/.."
tools/install_dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON "$@"
cmake --build build --parallel "$(nproc)"
