"""What a listener heard, read from speech-dispatcher's log at level 5.

    python3 heard.py <filtered log>

The log, filtered to the lines that matter (see orca_test.sh), tells each message as it is queued, as
its speech begins, and as it ends: spoken to the end, stopped in the middle, or dropped from the queue by
a cancel before it began. The server speaks one message at a time, in the order they were queued; its
clients are the screen reader and the game's own voice, and a client's cancel stops or drops only its
own messages. Prints one line per message, oldest first:

    <state> <queued> <begun> <ended> <text>

state is heard (spoken to the end), cut (stopped while spoken), dropped (cancelled before it began),
speaking or queued; times are seconds since the epoch, "-" where there is none yet. Markup such as SSML
is taken out of the text.
"""
import re
import signal
import sys
import time

# A client's command that queues a message: text, a character or a key (Orca 48 echoes keys as CHAR).
CLIENT_SPEAKS = re.compile(r"\] speechd: +(\d+):DATA:\|(SPEAK|CHAR|KEY|SOUND_ICON)\b")
CLIENT_CANCELS = re.compile(r"Cancel received from fd (\d+)")
STAMP = re.compile(r"^\[(\w{3} \w{3} +\d+ \d\d:\d\d:\d\d \d{4}) : (\d+)\]")


def seconds(line):
    match = STAMP.match(line)
    if not match:
        return None
    whole = time.mktime(time.strptime(match.group(1), "%a %b %d %H:%M:%S %Y"))
    return whole + int(match.group(2)) / 1e6


def read(lines):
    messages = []
    waiting = []  # queued, not begun, oldest first
    current = None
    speaker = None  # the client whose text comes next
    for line in lines:
        at = seconds(line)
        if at is None:
            continue
        speaks = CLIENT_SPEAKS.search(line)
        if speaks:
            speaker = speaks.group(1)
            continue
        queued = re.search(r"Queueing message \|(.*)\| with priority", line)
        if queued:
            text = re.sub(r"<[^>]*>", "", queued.group(1)).strip()
            message = {"state": "queued", "queued": at, "begun": None, "ended": None, "text": text,
                       "client": speaker}
            messages.append(message)
            waiting.append(message)
        elif "INDEX MARK: __spd_begin" in line and waiting:
            current = waiting.pop(0)
            current.update(state="speaking", begun=at)
        elif "INDEX MARK: __spd_end" in line and current:
            current.update(state="heard", ended=at)
            current = None
        elif "INDEX MARK: __spd_stopped" in line and current:
            current.update(state="cut", ended=at)
            current = None
        elif "Cancel received" in line:
            cancels = CLIENT_CANCELS.search(line)
            client = cancels.group(1) if cancels else None
            for message in waiting:
                if client is None or message["client"] in (client, None):
                    message.update(state="dropped", ended=at)
            waiting = [message for message in waiting if message["state"] == "queued"]
    return messages


def main():
    # A reader that has seen enough may stop reading.
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    with open(sys.argv[1], encoding="utf-8", errors="replace") as log:
        for message in read(log):
            times = ["%.3f" % message[key] if message[key] else "-" for key in ("queued", "begun", "ended")]
            print(message["state"], *times, message["text"])


if __name__ == "__main__":
    main()
