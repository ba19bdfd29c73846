#!/bin/sh
# Configures and builds Corvane into build/, installing missing packages first.
#
#   tools/build.sh [--for play|test] [cmake options...]
#
# "play" builds the programs alone; "test" (the default) builds the test executables as well. Both share
# build/, so switching between them rebuilds only what the other lacks.
#
# Where dpkg-buildflags exists the build takes Debian's flags with all its hardening, as the package's
# build does (debian/rules), so that the tests run the code that ships; elsewhere it is a plain
# RelWithDebInfo build.
set -eu
cd "$(dirname "$0")/.."

purpose="test"
if [ "${1-}" = --for ]; then
    [ "$#" -ge 2 ] || { echo "usage: $0 [--for play|test] [cmake options...]" >&2; exit 2; }
    purpose=$2
    shift 2
fi
case "$purpose" in
play) tests=OFF ;;
test) tests=ON ;;
*) echo "$0: --for takes play or test, not '$purpose'" >&2; exit 2 ;;
esac

tools/install_dependencies.sh --for "$purpose"
if command -v dpkg-buildflags >/dev/null; then
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    # The build type None adds no flags of its own, as in debhelper's build; the preprocessor's flags
    # (_FORTIFY_SOURCE) go with the compiler's, which is how debhelper hands them to CMake too.
    set -- -DCMAKE_BUILD_TYPE=None \
        -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@"
else
    set -- -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake -S . -B build -DCORVANE_WERROR=ON -DCORVANE_TESTS="$tests" "$@"
cmake --build build --parallel "$(nproc)"
