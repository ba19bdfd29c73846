#!/bin/sh
# Plays rounds of Corvane from the keyboard under the Orca screen reader, and checks what Orca speaks.
#
#   tests/screen_reader/orca_test.sh <scripted table program>
#
# The program is the real table window on scripted cards (scripted_table_program.cpp). Everything runs
# privately: an Xvfb display of its own with a small window manager, a session bus with the accessibility
# bus, a speech server and a PulseAudio null sink, a home and a runtime folder of its own, all stopped and
# removed on exit. Orca's debug log is the transcript: it logs every utterance as "SPEECH OUTPUT: '...'".
# The keys go to the window through the X server, as a player's would. Skips (exit 77) when a tool is
# missing, unless CORVANE_REQUIRE_SCREEN_READER is set.
set -u

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)

if [ "${1-}" != --inside ]; then
    if [ "$#" -ne 1 ]; then
        echo "usage: $0 <scripted table program>" >&2
        exit 2
    fi
    missing=
    for tool in orca speech-dispatcher Xvfb xdotool matchbox-window-manager dbus-run-session pulseaudio pactl \
        script; do
        command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || missing="$missing at-spi-bus-launcher"
    if [ -n "$missing" ]; then
        if [ -n "${CORVANE_REQUIRE_SCREEN_READER-}" ]; then
            echo "$0: missing:$missing" >&2
            exit 1
        fi
        echo "$0: skipped, missing:$missing"
        exit 77
    fi

    dir=$(mktemp -d "${TMPDIR:-/tmp}/corvane-orca.XXXXXX") || exit 1
    chmod 700 "$dir"
    trap 'rm -rf "$dir"' EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    mkdir -p "$dir/home" "$dir/runtime"
    chmod 700 "$dir/home" "$dir/runtime"
    # Orca, the speech server and the session bus keep settings and sockets here, never in the real
    # user's folders.
    export HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/home/config" \
        XDG_DATA_HOME="$dir/home/data" XDG_CACHE_HOME="$dir/home/cache" XDG_STATE_HOME="$dir/home/state"
    # Nor do they find a desktop's own accessibility bus, speech server or display.
    unset AT_SPI_BUS_ADDRESS SPEECHD_ADDRESS WAYLAND_DISPLAY
    # Speech to no sound server stalls the speech server and Orca with it.
    # The bus daemons' chatter goes to a file; the test's own output comes out on descriptors 3 and 4.
    "$source_dir/tools/with_sound_server.sh" dbus-run-session -- sh "$0" --inside "$1" "$dir" \
        3>&1 4>&2 >"$dir/bus.log" 2>&1
    exit $?
fi

program=$2
dir=$3
exec >&3 2>&4 3>&- 4>&-
# The sound server's wrapper may have pointed the runtime folder at its own.
export XDG_RUNTIME_DIR="$dir/runtime"
transcript="$dir/orca.log"
pids=
# How long one step may take before the test gives up on it. Every wait below ends on what it waits for;
# this only bounds a failure, on a machine that may be busy with other work.
patience=60

# shellcheck disable=SC2317 # run by the trap
stop_all() {
    status=$?
    for pid in $pids; do
        kill "$pid" 2>/dev/null
    done
    # Orca starts the speech server as a daemon of its own.
    for pidfile in "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid; do
        [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null
    done
    for pid in $pids; do
        wait "$pid" 2>/dev/null
    done
    # The whole debug log, for a developer who asks for it.
    [ -n "${CORVANE_ORCA_LOG-}" ] && [ -f "$transcript" ] && cp "$transcript" "$CORVANE_ORCA_LOG"
    exit "$status"
}
trap stop_all EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "FAIL: $*" >&2
    echo "--- what Orca spoke:" >&2
    grep -o "SPEECH OUTPUT: .*" "$transcript" >&2 2>/dev/null
    echo "--- what the table printed:" >&2
    cat "$dir/table.log" >&2 2>/dev/null
    exit 1
}

# What Orca spoke from line $1 of the transcript on. Orca 43 calls a button a "push button", later
# versions a "button": both are read as "button".
spoken() {
    tail -n "+$1" "$transcript" | grep "SPEECH OUTPUT" | sed 's/ push button/ button/g'
}

# Waits until the command $3... succeeds, looking again every fifth of a second; after $2 seconds, fails
# saying $1.
wait_until() {
    failure=$1
    deadline=$(($(date +%s) + $2))
    shift 2
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "$failure"
        sleep 0.2
    done
}

said() {
    spoken "$2" | grep -q -F -- "$1"
}

# Waits for Orca to say the text $1 from line $2 of the transcript on.
wait_for() {
    wait_until "Orca never said \"$1\"" "$patience" said "$1" "$2"
}

lines() {
    wc -l <"$transcript"
}

# Whether Orca's locus of focus, as it last changed from line $1 of the transcript on, is on a control
# rather than on a window. Orca presents a window as it activates and the control in it as that takes the
# focus, in two steps. A key pressed in between makes Orca take the window's focused control as its locus
# without a word, when the key may already have moved the focus on: the control the key moved to is then
# never spoken.
orca_focus_on_control() {
    tail -n "+$1" "$transcript" | grep -E "Changing locus ?(of|Of) ?(f|F)ocus from " | tail -n 1 |
        grep -q -v -E " to \[(frame|dialog|window|alert)[]:| ]"
}

# Whether the table has reported getting the modifier $1 pressed more than $2 times.
table_got() {
    [ "$(grep -c -x -F "pressed $1" "$dir/keys.log")" -gt "$2" ]
}

# Presses the key $1 ("alt+n": Alt, then N, released in reverse) and waits for Orca to say each of the
# texts that follow it. The table may get a key later than the one after it: its accessibility bridge
# holds each key until Orca has seen it, and a shortcut's key acts at once. So the key that a modifier
# modifies goes only once the table has the modifier.
press() {
    wait_until "Orca's focus never went from the window to a control" "$patience" \
        orca_focus_on_control "$table_from"
    from=$(($(lines) + 1))
    down=$(echo "$1" | tr + ' ')
    shift
    up=
    for key in $down; do
        case "$key" in
        alt) modifier=Alt ;;
        ctrl) modifier=Control ;;
        shift) modifier=Shift ;;
        *) modifier= ;;
        esac
        [ -n "$modifier" ] && got=$(grep -c -x -F "pressed $modifier" "$dir/keys.log")
        xdotool keydown "$key" || fail "xdotool could not press $key"
        [ -n "$modifier" ] &&
            wait_until "the table never got $modifier" "$patience" table_got "$modifier" "$got"
        up="$key $up"
    done
    for key in $up; do
        xdotool keyup "$key" || fail "xdotool could not release $key"
    done
    for text in "$@"; do
        wait_for "$text" "$from"
    done
}

# Orca's debug log marks the start of its main loop, once it listens to the applications' events:
# "Starting registry" (Orca 43), "Starting Atspi main event loop" (Orca 48). An Orca that ended instead,
# refusing to start, said why on its terminal.
orca_started() {
    grep -q -E "ORCA: Starting (registry|Atspi main event loop)" "$transcript" && return 0
    kill -0 "$orca" 2>/dev/null && return 1
    fail "Orca ended before it started: $(grep -v -e '^[0-9:. ]*[A-Z][A-Z ]*:' -e '^[[:space:]]*$' \
        "$transcript" | tail -n 3)"
}

# Whether the X server's keyboard focus is on one of the table's windows, where the keys go.
table_has_focus() {
    focus=$(xdotool getwindowfocus 2>/dev/null) || return 1
    xdotool search --pid "$table" 2>/dev/null | grep -q -x -F -- "$focus"
}

window_manager_started() {
    xdotool search --name '^matchbox$' >/dev/null 2>&1 && return 0
    kill -0 "$window_manager" 2>/dev/null && return 1
    fail "the window manager ended at start: $(cat "$dir/wm.log")"
}

# A display of our own: Xvfb picks a free number and writes it to the pipe once it takes connections, or
# ends and closes the pipe without a word. A modifier is held down until the table has it, which a busy
# machine may take seconds to do: a key repeats only after 65 seconds, past the patience of any wait.
# The server must not reset when its last client leaves: the test looks for the window manager while
# that connects, and a reset in between turns the window manager away.
mkfifo "$dir/display" || fail "no pipe for the display's number"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -ardelay 65000 3>"$dir/display" \
    >"$dir/xvfb.log" 2>&1 &
pids="$pids $!"
read -r display <"$dir/display" || fail "Xvfb did not start: $(cat "$dir/xvfb.log")"
DISPLAY=":$display"
export DISPLAY

# Orca follows the active window, which a window manager sets. This one's own keys (Alt+N, Alt+D and
# others) would take the game's: it gets none. It is in charge once it has made its check window, which
# bears its name; a window mapped before that would never be given the keyboard focus.
: >"$dir/no-keys"
matchbox-window-manager -use_titlebar no -kbdconfig "$dir/no-keys" >"$dir/wm.log" 2>&1 &
window_manager=$!
pids="$pids $window_manager"
wait_until "the window manager did not start" "$patience" window_manager_started

# Orca's launcher refuses to start beside another Orca of the same user, anywhere, which it looks for
# with pgrep; and --replace would end them all, a player's own screen reader or another run of this
# test. This Orca has a display, a session bus and a speech server of its own and disturbs no other, so
# its launcher is shown only the Orcas on this session bus.
mkdir "$dir/bin"
if real_pgrep=$(command -v pgrep); then
    {
        echo '#!/bin/sh'
        echo "real_pgrep='$real_pgrep'"
        cat <<'EOF'
for pid in $("$real_pgrep" "$@"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null |
        grep -q -x -F "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS" && echo "$pid"
done
exit 0
EOF
    } >"$dir/bin/pgrep"
    chmod +x "$dir/bin/pgrep"
fi

# The table speaks English here, whatever the machine's language, on the X display rather than offscreen.
export QT_QPA_PLATFORM=xcb
export LANG=C.UTF-8 LANGUAGE=en LC_ALL=C.UTF-8
# Orca writes its debug log through a buffer that it flushes only when full; written to a terminal, it
# comes line by line. So Orca runs on a pseudo-terminal of its own that script(1) copies to the transcript.
: >"$transcript"
PATH="$dir/bin:$PATH" script -q -f -c 'exec orca --debug-file=/dev/tty' "$transcript" </dev/null \
    >/dev/null 2>&1 &
orca=$!
pids="$pids $orca"
# Orca says it is on before it asks for the applications' events (Orca 48) and before it takes any (all
# versions): a table started then may move its focus unheard.
wait_until "Orca did not start" "$patience" orca_started
wait_for "Screen reader on" 1

# The cards of the rounds below, in the order they are drawn (card numbers: clubs 1-13, diamonds 14-26,
# hearts 27-39, spades 40-52, ace first).
table_from=$(($(lines) + 1))
"$program" \
    deal=10,27,52 \
    deal=9,10,6 48 \
    deal=6,31,32 49 49 13 \
    deal=1,36,34 20 \
    deal=1,36,35 51 \
    deal=10,10,9 33 \
    >"$dir/keys.log" 2>"$dir/table.log" &
table=$!
pids="$pids $table"
# The table is up when Orca presents its window, which it does on the window's activation; the focus on
# New Game is not always spoken after it. Qt activates the window when the X server gives it the keyboard
# focus; the keys go where that focus is, so the test sees it there for itself.
wait_for "Corvane frame" "$table_from"
wait_until "the table never had the keyboard focus" "$patience" table_has_focus

# A natural, paid at once.
press Tab "Bet 10 button"
press space "Bet 10, money 490."
press alt+n "You have Ace of Hearts and King of Spades, 21. Dealer shows Ten of Clubs. Blackjack! You win 15. Your money: 515."

# A bust, with the whole table and the coach's hint read out on the way.
press Tab "Bet 10 button"
press space "Bet 10, money 505."
press alt+n "You have Ten of Clubs and Six of Clubs, 16. Dealer shows Nine of Clubs."
press F3 "You have Ten of Clubs and Six of Clubs, 16. Dealer shows Nine of Clubs. Bet 10, money 505. You may hit or stand."
press F4 'Hit: lose $5.09 on average. Stand: lose $5.43.'
press alt+h "Nine of Spades, 25, bust. You lose 10. Your money: 505."

# A double, won against a dealer who busts.
press Tab "Bet 10 button"
press space "Bet 10, money 495."
press alt+n "You have Five of Hearts and Six of Hearts, 11. Dealer shows Six of Clubs."
press alt+d "You double: bet 20, money 485. Ten of Spades, 21." "Dealer turns up Ten of Spades, 16." \
    "Dealer draws King of Clubs, 26, bust. You win 20. Your money: 525."

# Insurance refused, then a push.
press Tab "Bet 10 button"
press space "Bet 10, money 515."
press alt+n "You have Ten of Hearts and Eight of Hearts, 18. Dealer shows Ace of Clubs. Insurance for 5?" \
    "Yes button"
press alt+n "Hit button"
press alt+s "Dealer turns up Seven of Diamonds, 18. Push: your bet of 10 comes back. Your money: 525."

# Insurance bought and paid, after the coach's hint; the hand lost to the dealer's blackjack.
press Tab "Bet 10 button"
press space "Bet 10, money 515."
press alt+n "You have Ten of Hearts and Nine of Hearts, 19. Dealer shows Ace of Clubs. Insurance for 5?" \
    "Yes button"
press F3 "You have Ten of Hearts and Nine of Hearts, 19. Dealer shows Ace of Clubs. Bet 10, money 515. Insurance for 5? Yes or No."
press F4 'No insurance: lose $1.15 on average. Insurance: lose $1.54.'
press alt+y "Insurance costs 5, money 510."
press alt+s "Dealer turns up Queen of Spades, 21. Insurance pays 10. You lose 10. Your money: 525."

# A win against a standing dealer.
press Tab "Bet 10 button"
press space "Bet 10, money 515."
press alt+n "You have Ten of Clubs and Nine of Clubs, 19. Dealer shows Ten of Clubs."
press alt+s "Dealer turns up Seven of Hearts, 17. You win 10. Your money: 535."

# Nothing is spoken twice: each outcome above was heard once.
for once in "Blackjack! You win 15." "Nine of Spades, 25, bust." "King of Clubs, 26, bust." \
    "Push: your bet of 10" "Insurance pays 10." "You win 10. Your money: 535."; do
    count=$(spoken 1 | grep -c -F -- "$once")
    [ "$count" -eq 1 ] || fail "\"$once\" was spoken $count times"
done
# The offer's question is the dialog's own description, which Orca presents with the dialog as it opens
# (Orca 48 more than once); the table never says it besides, not even when F3 reads the table in the offer.
question="Nine of Hearts, 19. Dealer shows Ace of Clubs. Insurance for 5?"
count=$(spoken 1 | grep -v "'Insurance dialog " | grep -c -F -- "$question")
[ "$count" -eq 0 ] || fail "\"$question\" was spoken $count times besides the dialog's opening"
echo "Orca spoke every card, total, stake, outcome, amount and hint."
