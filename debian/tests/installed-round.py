#!/usr/bin/python3
"""Plays one round of the installed Corvane in German through its accessibility tree.

Starts the program named by the launcher's Exec line, stakes 10, deals, turns down insurance when it is
offered, stands when it may, and waits for the outcome the table tells a screen reader. Every wait is for
an AT-SPI event: on each event the tree is looked at again; a wait that sees no event bring what it waits
for within a minute fails. The German words are the game's translation (translations/corvane_de.ts).

    installed-round.py <launcher .desktop file>
"""

import configparser
import os
import shlex
import subprocess
import sys

import pyatspi
from gi.repository import GLib

QUIET_LIMIT_SECONDS = 60

STAKE_10 = "10 setzen"
NEW_GAME = "Austeilen"
STAND = "Stehen"
NO = "Nein"
YOUR_MONEY = "Dein Guthaben"
OUTCOME = "Ergebnis der Runde"


def say(message):
    print(f"installed-round: {message}", flush=True)


def fail(message):
    say(message)
    sys.exit(1)


def nodes():
    """Every accessible of the game's, passing over those that go away while the tree is read."""
    desktop = pyatspi.Registry.getDesktop(0)
    pending = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    pending = [app for app in pending if app is not None and app.name == "Corvane"]
    # What AT-SPI remembers of a control can lag behind the event that brought the look: ask afresh.
    for app in pending:
        app.clear_cache()
    while pending:
        node = pending.pop()
        try:
            pending.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        except Exception:
            continue
        yield node


def find(name=None, role=None, description=None, enabled=False):
    for node in nodes():
        try:
            if ((name is None or node.name == name) and (role is None or node.getRole() == role)
                    and (description is None or node.description == description)
                    and (not enabled or node.getState().contains(pyatspi.STATE_ENABLED))):
                return node
        except Exception:
            continue
    return None


def press(node, what):
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() in ("press", "click"):
            action.doAction(index)
            say(f"pressed {what}")
            return
    fail(f"{what} has no press action")


game = None
# The look of the wait in progress. The listener is registered once, before the game starts: the game sends
# only the events that some listener has asked for, and hears of a new listener only some time later.
current_look = None
EVENTS = ("object:", "window:", "focus:")


def on_event(event):
    if current_look is not None:
        current_look(event)
# The read end of a pipe whose write end only the game holds: it reports a hang-up when the game ends.
game_ended = None


def wait_until(what, condition):
    """Runs the event loop until condition() gives something true, looking again after every event.
    Fails when the game ends first."""
    loop = GLib.MainLoop()
    result = {}

    def ended(_channel, _condition):
        result["ended"] = True
        loop.quit()
        return False

    # The look runs once the event has been handled. libatspi hands on events while it waits for the
    # answers to a look too, so an event during a look asks for another.
    def look_now():
        result.pop("look pending", None)
        value = condition()
        if value:
            result["value"] = value
            loop.quit()
        return False

    def look(_event):
        if "look pending" not in result:
            result["look pending"] = GLib.idle_add(look_now)

    def too_quiet():
        loop.quit()
        return False

    global current_look
    current_look = look
    look(None)
    deadline = GLib.timeout_add_seconds(QUIET_LIMIT_SECONDS, too_quiet)
    hang_up = GLib.io_add_watch(game_ended, GLib.PRIORITY_DEFAULT, GLib.IOCondition.HUP, ended)
    loop.run()
    for source in (deadline, hang_up, result.get("look pending")):
        if source and GLib.MainContext.default().find_source_by_id(source):
            GLib.source_remove(source)
    current_look = None
    if "ended" in result:
        fail(f"the game ended with status {game.wait()} while waiting for {what}")
    if "value" not in result:
        for node in nodes():
            try:
                if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL) or node.description:
                    state = "enabled" if node.getState().contains(pyatspi.STATE_ENABLED) else "disabled"
                    say(f"  {node.getRoleName()} '{node.name}' ({node.description}): {state}")
            except Exception:
                continue
        fail(f"nothing brought {what} within {QUIET_LIMIT_SECONDS} seconds")
    return result["value"]


def money():
    label = find(role=pyatspi.ROLE_LABEL, description=YOUR_MONEY)
    return label.name if label is not None else None


def outcome():
    told = find(description=OUTCOME)
    return told.name if told is not None else None


def running():
    if game.poll() is not None:
        fail(f"the game ended with status {game.returncode}")
    return True


def play():
    wait_until("the table", lambda: running() and find(name=NEW_GAME, role=pyatspi.ROLE_PUSH_BUTTON))
    before = wait_until("the money", money)
    say(f"the table is up with {before} in hand")

    press(wait_until(f"the chip '{STAKE_10}'", lambda: find(name=STAKE_10, enabled=True)), STAKE_10)
    wait_until("the stake to leave the money", lambda: money() not in (None, before))
    press(find(name=NEW_GAME, role=pyatspi.ROLE_PUSH_BUTTON), NEW_GAME)

    def next_step():
        running()
        if told := outcome():
            return ("settled", told)
        if no := find(name=NO, role=pyatspi.ROLE_PUSH_BUTTON, enabled=True):
            return ("insurance", no)
        if stand := find(name=STAND, role=pyatspi.ROLE_PUSH_BUTTON, enabled=True):
            return ("stand", stand)
        return None

    while True:
        step, thing = wait_until("the next step of the round", next_step)
        if step == "settled":
            break
        if step == "insurance":
            press(thing, f"'{NO}' to insurance")
            wait_until("the insurance box to close",
                       lambda: not find(name=NO, role=pyatspi.ROLE_PUSH_BUTTON, enabled=True))
        else:
            press(thing, STAND)
            thing = wait_until("the dealer's play", lambda: running() and outcome())
            break
    say(f"the round ended: {thing}; money {money()}")


def main():
    launcher = configparser.ConfigParser(interpolation=None)
    launcher.read(sys.argv[1])
    command = shlex.split(launcher["Desktop Entry"]["Exec"])
    environment = dict(os.environ, LANGUAGE="de", LANG="C.UTF-8", QT_QPA_PLATFORM="xcb",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # Debian's games live in /usr/games, which a desktop session has on its PATH.
    environment["PATH"] = environment.get("PATH", "/usr/bin:/bin") + ":/usr/games"
    pyatspi.Registry.registerEventListener(on_event, *EVENTS)
    say(f"starting {command}")
    global game, game_ended
    game_ended, holds_open = os.pipe()
    game = subprocess.Popen(command, env=environment, pass_fds=(holds_open,))
    os.close(holds_open)
    try:
        play()
    finally:
        game.terminate()
        game.wait()


if __name__ == "__main__":
    main()
