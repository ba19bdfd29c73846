#!/bin/sh
# Plays rounds of Corvane from the keyboard under the Orca screen reader, and checks what a player hears:
# at a patient pace, each key once the speech has fallen quiet, and at a brisk pace, keys 1.5 seconds
# apart, which cut the speech off as a player's keys do.
#
#   tests/screen_reader/orca_test.sh <scripted table program>
#
# The program is the real table window on scripted cards (scripted_table_program.cpp). Everything runs
# privately: an Xvfb display of its own with a small window manager, a session bus with the accessibility
# bus, a speech server and a PulseAudio null sink, a home and a runtime folder of its own, all stopped and
# removed on exit. What was heard comes from the speech server's log (heard.py): each message as it is
# queued, begins, ends, is stopped or dropped, whether the screen reader's or the game's own voice's. Orca's debug log tells when Orca is up and where its focus
# is. The keys go to the window through the X server, as a player's would. Skips (exit 77) when a tool is
# missing, unless CORVANE_REQUIRE_SCREEN_READER is set.
set -u

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)

if [ "${1-}" != --inside ]; then
    if [ "$#" -ne 1 ]; then
        echo "usage: $0 <scripted table program>" >&2
        exit 2
    fi
    . "$source_dir/tests/support/private_desktop.sh"
    require_programs CORVANE_REQUIRE_SCREEN_READER orca speech-dispatcher Xvfb xdotool matchbox-window-manager \
        dbus-run-session pulseaudio pactl script python3 /usr/libexec/at-spi-bus-launcher
    # Orca, the speech server and the session bus keep settings and sockets in a home of their own.
    make_private_home corvane-orca
    trap 'rm -rf "$dir"' EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
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
    echo "--- what the speech server was given (heard, cut, dropped, ...), from the table's start:" >&2
    heard | awk -v from="${table_started:-0}" '$2 >= from' | cut -d' ' -f1,2,5- >&2
    echo "--- the speech server's own last lines on the messages' course:" >&2
    tail -n 40 "$dir/speech.log" | cut -c 1-200 >&2
    echo "--- what the table printed:" >&2
    cat "$dir/table.log" >&2 2>/dev/null
    exit 1
}

# Every message the speech server was given, one a line: state (heard, cut, dropped, speaking, queued),
# the times it was queued, began and ended, and its text.
heard() {
    python3 "$here/heard.py" "$dir/speech.log"
}

now() {
    date +%s.%N
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

# Whether a message holding the text $1, queued at or after the time $2, reached the state $3 ("heard":
# spoken to its end; "queued": given to the speech server, in whatever state now). The speech server
# logs the time of its own clock, read apart from the test's: a second's leeway.
reached() {
    heard | awk -v from="$2" -v state="$3" -v text="$1" \
        '$2 >= from - 1 && (state == "queued" || $1 == state) && index($0, text) { found = 1 } END { exit !found }'
}

# Waits until the text $1, queued at or after the time $2, has been heard to the end.
wait_heard() {
    wait_until "\"$1\", queued from $2 on, was never heard whole" "$patience" reached "$1" "$2" heard
}

# Whether the speech has fallen quiet: nothing queued or being spoken.
quiet() {
    ! heard | grep -q -E '^(queued|speaking) '
}

# Orca's debug log, from line $1 on.
orca_lines() {
    wc -l <"$transcript"
}

# Whether Orca's locus of focus, as it last changed from line $1 of Orca's log on, is on a control
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

# Presses the key $1 ("alt+n": Alt, then N, released in reverse) and notes the time in $pressed_at. The
# table may get a key later than the one after it: its accessibility bridge holds each key until Orca has
# seen it, and a shortcut's key acts at once. So the key that a modifier modifies goes only once the
# table has the modifier.
press_key() {
    wait_until "Orca's focus never went from the window to a control" "$patience" \
        orca_focus_on_control "$table_from"
    down=$(echo "$1" | tr + ' ')
    up=
    pressed_at=$(now)
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
}

# A patient player: waits for the speech to fall quiet, presses the key $1, and waits to hear each of the
# texts that follow it in full.
press() {
    wait_until "the speech never fell quiet" "$patience" quiet
    press_key "$1"
    shift
    for text in "$@"; do
        wait_heard "$text" "$pressed_at"
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

# The speech server that Orca starts logs every message's course (level 5) in a folder of the test's.
# Its settings are the machine's own but for the log; the log's few lines that tell the course are copied
# as they come to speech.log, which the test reads.
mkdir -p "$XDG_CONFIG_HOME" "$dir/speechd"
cp -R /etc/speech-dispatcher "$XDG_CONFIG_HOME/speech-dispatcher" || fail "no speech server settings to copy"
sed -i -e '/^[[:space:]]*#*[[:space:]]*LogLevel[[:space:]]/d' -e '/^[[:space:]]*#*[[:space:]]*LogDir[[:space:]]/d' \
    "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
printf 'LogLevel 5\nLogDir "%s"\n' "$dir/speechd" >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
: >"$dir/speech.log"
tail -F -n +1 --pid=$$ "$dir/speechd/speech-dispatcher.log" 2>/dev/null |
    grep --line-buffered -a -E '[0-9]+:DATA:\|(SPEAK.?$|CHAR |KEY |SOUND_ICON )|Queueing message|INDEX MARK: __spd_(begin|end|stopped)|Cancel received' \
        >"$dir/speech.log" &
pids="$pids $!"

# The table speaks English here, whatever the machine's language, on the X display rather than offscreen.
export QT_QPA_PLATFORM=xcb
export LANG=C.UTF-8 LANGUAGE=en LC_ALL=C.UTF-8
# Orca writes its debug log through a buffer that it flushes only when full; written to a terminal, it
# comes line by line. So Orca runs on a pseudo-terminal of its own that script(1) copies to its log.
: >"$transcript"
PATH="$dir/bin:$PATH" script -q -f -c 'exec orca --debug-file=/dev/tty' "$transcript" </dev/null \
    >/dev/null 2>&1 &
orca=$!
pids="$pids $orca"
# Orca says it is on before it asks for the applications' events (Orca 48) and before it takes any (all
# versions): a table started then may move its focus unheard.
wait_until "Orca did not start" "$patience" orca_started
wait_heard "Screen reader on" 0

# The cards of the rounds below, in the order they are drawn (card numbers: clubs 1-13, diamonds 14-26,
# hearts 27-39, spades 40-52, ace first): six rounds at a patient pace, one with the coach, then six at a
# brisk pace.
table_from=$(($(orca_lines) + 1))
table_started=$(now)
"$program" \
    deal=10,27,52 \
    deal=9,10,6 48 \
    deal=6,31,32 49 49 13 \
    deal=1,36,34 20 \
    deal=1,36,35 51 \
    deal=10,10,9 33 \
    deal=10,10,9 1 10 \
    deal=5,10,9 10 13 \
    deal=6,10,10 10 2 \
    deal=9,10,8 9 \
    deal=10,10,6 7 \
    deal=4,10,7 10 5 \
    deal=2,10,10 10 9 \
    >"$dir/keys.log" 2>"$dir/table.log" &
table=$!
pids="$pids $table"
# The table is up when Orca presents its window, which it does on the window's activation; the focus on
# New Game is not always spoken after it. Qt activates the window when the X server gives it the keyboard
# focus; the keys go where that focus is, so the test sees it there for itself.
wait_until "Orca never presented the table" "$patience" reached "Corvane" "$table_started" queued
wait_until "the table never had the keyboard focus" "$patience" table_has_focus

# At a patient pace. Each round's first key and each stand are noted, for the words a round takes and
# the time the outcome takes to be heard.
round_starts=
asked=
stands=
outcomes=
start_round() {
    wait_until "the speech never fell quiet" "$patience" quiet
    round_starts="$round_starts $(now)"
}
# A reading the player asked for (F3, F4, F7): its words are no part of the round's.
ask() {
    press "$@"
    asked="$asked $pressed_at:$(now)"
}
stand_for() {
    stands="$stands $pressed_at"
    outcomes="$outcomes|$1"
}

# A natural, paid at once.
start_round
press Tab "Bet 10"
press space "Bet 10, money 490."
press alt+n "Blackjack! You win 15, money 515." "21 against a Ten: Ace and King."

# A bust, with the whole table and the coach's hint read out on the way.
start_round
press Tab "Bet 10"
press space "Bet 10, money 505."
press alt+n "16 against a Nine: Ten and Six."
ask F3 "You have Ten of Clubs and Six of Clubs, 16. Dealer shows Nine of Clubs. Bet 10, money 505. You may hit or stand."
ask F4 'Hit: lose $5.09 on average. Stand: lose $5.43.'
press alt+h "You lose 10, money 505." "Nine, 25, bust."

# A double, won against a dealer who busts.
start_round
press Tab "Bet 10"
press space "Bet 10, money 495."
press alt+n "11 against a Six: Five and Six. Hit, stand or double."
press alt+d "You win 20, money 525." "Doubled: Ten, 21. Dealer busts with 26."
stand_for "You win 20, money 525."

# Insurance declined, then a push.
start_round
press Tab "Bet 10"
press space "Bet 10, money 515."
press alt+n "18 against an Ace: Ten and Eight. Insurance for 5?"
press alt+n "Insurance declined."
press alt+s "Push, money 525." "Dealer has 18."
stand_for "Push, money 525."

# Insurance bought and paid, after the coach's hint; the hand lost to the dealer's blackjack.
start_round
press Tab "Bet 10"
press space "Bet 10, money 515."
press alt+n "19 against an Ace: Ten and Nine. Insurance for 5?"
ask F3 "You have Ten of Hearts and Nine of Hearts, 19. Dealer shows Ace of Clubs. Bet 10, money 515. Insurance for 5? Yes or No."
ask F4 'No insurance: lose $1.15 on average. Insurance: lose $1.54.'
press alt+y "Insured for 5, money 510."
press alt+s "Insurance pays 10. You lose 10, money 525." "Dealer has 21."
stand_for "You lose 10, money 525."

# A win against a standing dealer; then F3 tells the result, and F7 the last news again.
start_round
press Tab "Bet 10"
press space "Bet 10, money 515."
press alt+n "19 against a Ten: Ten and Nine."
press alt+s "You win 10, money 535." "Dealer has 17."
stand_for "You win 10, money 535."
start_round
ask F3 "You win 10, money 535. You have Ten of Clubs and Nine of Clubs, 19."
ask F7 "You win 10, money 535. Dealer has 17."
patient_end=$(now)

# What the patient player heard, message by message: the game's sentences above were each heard whole;
# now no screen reader's "notification" before them, no outcome twice, at most 40 words a round, and the
# outcome heard whole within 8 seconds of the stand (the median).
heard | awk -v from="$table_started" -v to="$patient_end" '$2 >= from && $2 < to' >"$dir/patient.log"
grep -i -q "notification" "$dir/patient.log" && fail "\"notification\" was spoken"
for once in "Blackjack! You win 15" "Nine, 25, bust." "Dealer busts with 26." "Push, money" "Insurance pays 10."; do
    count=$(grep -c -F -- "$once" "$dir/patient.log")
    [ "$count" -eq 1 ] || fail "\"$once\" was spoken $count times"
done
# The offer's question is spoken once as the dialog opens, and never besides, not even when F3 reads the
# table in the offer.
count=$(grep -c -F -- "19 against an Ace: Ten and Nine. Insurance for 5?" "$dir/patient.log")
[ "$count" -eq 1 ] || fail "the offer's question was spoken $count times"
count=$(grep -o -F -- "Insurance for 5?" "$dir/patient.log" | wc -l)
[ "$count" -eq 3 ] || fail "the two offers' questions were spoken $count times besides F3's reading (2)"
words=$(awk -v starts="$round_starts" -v asked="$asked" '
    BEGIN { rounds = split(starts, start, " "); spans = split(asked, span, " ") }
    $3 != "-" {
        for (a = 1; a <= spans; a++) {
            split(span[a], bound, ":")
            if ($2 >= bound[1] && $2 <= bound[2]) next
        }
        for (r = rounds; r >= 1 && $2 < start[r]; r--) {}
        if (r >= 1 && r < rounds) count[r] += NF - 4
    }
    END { for (r = 1; r < rounds; r++) printf "%d ", count[r] }' "$dir/patient.log")
mean=$(echo "$words" | awk '{ for (i = 1; i <= NF; i++) sum += $i; printf "%.1f", sum / NF }')
echo "words a round, all speech begun but the readings asked for: $words(mean $mean)"
awk -v m="$mean" 'BEGIN { exit !(m <= 40) }' || fail "a round took $mean words on average (at most 40)"
delays=$(echo "$outcomes" | tr '|' '\n' | tail -n +2 | {
    set -- $stands
    while IFS= read -r outcome; do
        awk -v from="$1" -v text="$outcome" '$1 == "heard" && $2 >= from && index($0, text) { printf "%.1f\n", $4 - from; exit }' \
            "$dir/patient.log"
        shift
    done
})
median=$(echo "$delays" | sort -n | awk '{ d[NR] = $1 } END { print (NR % 2) ? d[(NR + 1) / 2] : (d[NR / 2] + d[NR / 2 + 1]) / 2 }')
echo "seconds from the stand to the outcome heard whole: $(echo $delays), median $median"
awk -v m="$median" 'BEGIN { exit !(m != "" && m <= 8) }' || fail "the outcome took $median s to be heard (median; at most 8)"

# With the coach on, a patient player hears each choice graded after its news, a wrong hit on 19 and the
# best stand after it, which pushes.
press F6 "Coach on."
press Tab "Bet 10"
press space "Bet 10, money 525."
press alt+n "19 against a Ten: Ten and Nine."
press alt+h "Ace, 20. Stand was better: Hit gives away "
press alt+s "Push, money 535." "Dealer has 20. Best choice."
press F6 "Coach off."

# At a brisk pace: each key 1.5 seconds after the previous one, or after the table's answer to it when
# that comes later (the dealer's play), whatever is being said. Every round's outcome and money are
# heard whole: the game's own voice speaks them, which the screen reader's stop at each key leaves be.
brisk() {
    until awk -v due="$(awk -v at="$1" 'BEGIN { printf "%.3f", at + 1.5 }')" -v now="$(now)" \
        'BEGIN { exit !(now >= due) }'; do
        sleep 0.05
    done
    press_key "$2"
    last_key=$pressed_at
}
# Each round's outcome, its words joined by "_".
brisk_outcomes="You_win_10,_money_545. You_win_10,_money_555. Push,_money_555. You_lose_10,_money_545.
    You_lose_10,_money_535. You_lose_10,_money_525."
brisk_from=$(now)
last_key=$brisk_from
for outcome in $brisk_outcomes; do
    outcome=$(echo "$outcome" | tr _ ' ')
    brisk "$last_key" Tab
    brisk "$last_key" space
    brisk "$last_key" alt+n
    brisk "$last_key" alt+s
    stand=$last_key
    wait_until "the table never told \"$outcome\"" "$patience" reached "$outcome" "$stand" queued
    answered=$(heard | awk -v from="$stand" -v text="$outcome" '$2 >= from && index($0, text) { print $2; exit }')
    awk -v a="$answered" -v k="$last_key" 'BEGIN { exit !(a > k) }' && last_key=$answered
done
wait_until "the speech never fell quiet" "$patience" quiet
brisk_heard=0
for outcome in $brisk_outcomes; do
    reached "$(echo "$outcome" | tr _ ' ')" "$brisk_from" heard && brisk_heard=$((brisk_heard + 1))
done
echo "brisk pace: the outcome and money heard whole in $brisk_heard of 6 rounds"
[ "$brisk_heard" -eq 6 ] || fail "at a brisk pace, the outcome and money were heard whole in $brisk_heard of 6 rounds"

# After the brisk rounds, F3 still tells the last round's result.
ask F3 "You lose 10, money 525. You have Ten of Clubs and Ten of Clubs, 20."
echo "A player heard every card, total, stake, outcome, amount and hint."
