# Sourced by the tests that start programs of a desktop of their own (POSIX sh).

# Returns when every program named after $1 is there: a name with a slash must be an executable file,
# any other a command. Otherwise exits 77 (skipped), or 1 when the variable named $1 is set, which says
# that the test must run here.
require_programs() {
    required_by=$1
    shift
    missing=
    for program in "$@"; do
        case "$program" in
        */*) [ -x "$program" ] ;;
        *) command -v "$program" >/dev/null 2>&1 ;;
        esac || missing="$missing $program"
    done
    [ -z "$missing" ] && return 0
    if [ -n "$(printenv "$required_by")" ]; then
        echo "$0: missing:$missing" >&2
        exit 1
    fi
    echo "$0: skipped, missing:$missing"
    exit 77
}

# Makes a folder of the test's own, named from $1, with a home and a runtime folder in it, and points HOME
# and the XDG folders there: what the test starts keeps its settings and sockets there, never in the real
# user's folders. Leaves the folder's path in `dir`; the caller removes it.
make_private_home() {
    dir=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX") || exit 1
    chmod 700 "$dir"
    mkdir -p "$dir/home" "$dir/runtime"
    chmod 700 "$dir/home" "$dir/runtime"
    export HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/home/config" \
        XDG_DATA_HOME="$dir/home/data" XDG_CACHE_HOME="$dir/home/cache" XDG_STATE_HOME="$dir/home/state"
}
