#!/usr/bin/env python3
"""Tavrel with Orca: a blind engineer's tasks with real keys, checked
against what the screen reader speaks.

  check.py PROGRAM [--display :62] [--keep]

Starts a private desktop (see session.py) and the program, presses keys
with xdotool and, after each step, waits until every expected phrase has
been spoken (and none that must not be). Exits 1 on the first failure,
printing what was spoken instead; every process it started is ended."""

import argparse
import os
import re
import signal
import subprocess
import sys
import time

from session import Desktop, Failure, wait_for

# How long a step may take to be spoken, and the quiet after it that shows
# nothing more is coming.
SPEAK_SECONDS = 10
QUIET_SECONDS = 0.8
# The pause between keys: Orca takes the keys and the focus events they
# cause by two ways, and mixes them up when keys come faster.
KEY_SECONDS = 0.4


class Step:
    """Keys pressed one by one ("type:TEXT" types a text); `anywhere`: into
    whichever window is active (a dialog, the diagram window), not only
    the main window; `refocus`: the main window takes the focus back first,
    as a window manager gives it when the window above it closes; `opens`:
    the title of a window the keys open, which takes the focus as a window
    manager gives it to a new window."""
    def __init__(self, what, keys, said=(), unsaid=(), anywhere=False, refocus=False, opens=None):
        self.what = what
        self.keys = keys.split() if keys else []
        self.said = [re.compile(s) for s in said]
        self.unsaid = [re.compile(s) for s in unsaid]
        self.anywhere = anywhere
        self.refocus = refocus
        self.opens = opens


# The tasks, in order; each starts where the one before left the focus.
# A value is read whole: "100" and never "10" alone.
def whole(value):
    return r"(?<![0-9.])" + re.escape(value) + r"(?![0-9.])"


STEPS = [
    Step("the window opens on its first tab", "", said=[r"Hertz応力"]),
    Step("a box read with its name, unit and whole value", "Tab",
         said=[r"荷重 P \[kgf\] text", whole("100")], unsaid=[r"^10\.?$"]),
    Step("a decimal read whole", "Tab Tab Tab",
         said=[r"ポアソン比 ν1 text", whole("0.3")], unsaid=[r"^0\.?$"]),
    Step("the end of a box by words, without a freeze", "Home ctrl+Right ctrl+Right End"),
    Step("a press from a box: the results, once", "Return",
         said=[r"計算 push button", r"接触円半径 a 0\.618 mm、接近量 δ 0\.011 mm、最大圧力 p_max 124\.898 kgf/mm²"]),
    Step("an edit puts the results out of date", "shift+Tab 5 Tab",
         said=[r"入力が変更されています"]),
    Step("a result out of date", "Tab", said=[r"接触円半径 a 0\.618 mm（未更新）"]),
    Step("a press of the button: the first result", "shift+Tab space",
         said=[r"接触円半径 a 0\.[0-9]+ mm label"], unsaid=[r"未更新"]),
    Step("an error", "shift+Tab shift+Tab ctrl+a x Return",
         said=[r"「R2\[mm\]」の「x」は正しい数値ではありません"]),
    Step("the focus back on the box of the error", "Return", said=[r"R2 \[mm\] text", r"^x"]),
    Step("the material menu", "ctrl+a 4 0 0 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+F10",
         said=[r"鋼"]),
    Step("the material menu closed", "Escape"),
    Step("the contact-kind menu",
         " ".join(["Tab"] * 13) + " shift+F10", said=[r"球と凸球"]),
    Step("the contact-kind menu closed", "Escape"),
    Step("a tab switch", "ctrl+Tab", said=[r"応力計算"]),
    Step("a beam press", "Tab Tab Return", said=[r"計算 push button"]),
    Step("the diagram window: its values, the shear's too", "ctrl+g", opens="^図 - ",
         said=[r"図 - 応力計算", r"図の値", r"最大せん断力 Vmax = [0-9.]+ kgf"]),
    Step("the image's file dialog", "ctrl+s", opens="^画像を保存$", anywhere=True),
    Step("an image saved", "Return", said=[r"画像を保存しました：.*\.png"],
         anywhere=True),
    Step("the sheet dialog: its fields named", "ctrl+shift+s", opens="^計算書の項目$",
         said=[r"件名 text"], anywhere=True),
    Step("the sheet dialog by keyboard", "Tab", said=[r"図番 text"], anywhere=True),
    Step("the sheet's file dialog", "Return", opens="^計算書を保存$", anywhere=True),
    Step("a sheet saved", "Return", said=[r"計算書を保存しました：.*\.pdf"],
         anywhere=True),
    Step("the diagram window closed", "Escape", anywhere=True),
    Step("a stale note at the edit", "Tab type:5", said=[r"結果は未更新"], refocus=True),
]


def xdotool(desktop, *args):
    try:
        return subprocess.run(["xdotool", *args], env=desktop.env, capture_output=True, text=True,
                              check=True, timeout=SPEAK_SECONDS).stdout.strip()
    except subprocess.TimeoutExpired:
        raise Failure(f"xdotool {' '.join(args)}: no answer after {SPEAK_SECONDS} s")


def run_step(desktop, step, window):
    before = len(desktop.spoken())
    # No modifier left held by the step before.
    xdotool(desktop, "keyup", "ctrl", "shift", "alt")
    if step.refocus:
        xdotool(desktop, "windowfocus", "--sync", window)
        time.sleep(1)
    target = [] if step.anywhere else ["--window", window]
    for key in step.keys:
        if key.startswith("type:"):
            xdotool(desktop, "type", *target, key[len("type:"):])
        else:
            xdotool(desktop, "key", *target, "--clearmodifiers", key)
        time.sleep(KEY_SECONDS)
    if step.opens:
        found = xdotool(desktop, "search", "--sync", "--onlyvisible", "--name", step.opens).split()
        xdotool(desktop, "windowfocus", "--sync", found[-1])

    def heard():
        new = desktop.spoken()[before:]
        return all(any(p.search(line) for line in new) for p in step.said)

    try:
        wait_for(step.what, heard, SPEAK_SECONDS)
    except Failure:
        raise Failure(f"{step.what}: expected {[p.pattern for p in step.said]}, spoken "
                      f"{desktop.spoken()[before:]}")
    # Let the rest of what the step causes be spoken before the next one.
    count, end = -1, time.monotonic() + SPEAK_SECONDS
    while count != len(desktop.spoken()):
        if time.monotonic() > end:
            raise Failure(f"{step.what}: speaks without end: {desktop.spoken()[-5:]}")
        count = len(desktop.spoken())
        time.sleep(QUIET_SECONDS)
    new = desktop.spoken()[before:]
    for p in step.unsaid:
        if any(p.search(line) for line in new):
            raise Failure(f"{step.what}: spoke {p.pattern!r} in {new}")
    return new


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--display", default=":62")
    parser.add_argument("--keep", action="store_true", help="keep the logs in the temporary folder")
    parser.add_argument("--explore", action="store_true", help="print what is spoken, expect nothing")
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    # Ended from outside, still end every process started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    with Desktop(args.display, keep=args.keep) as desktop:
        try:
            app = desktop.start("tavrel", [program], env={"QT_QPA_PLATFORM": "xcb"})
            window = ""

            def shown():
                nonlocal window
                found = subprocess.run(["xdotool", "search", "--name", "Tavrel Ver"], env=desktop.env,
                                       capture_output=True, text=True).stdout.split()
                window = found[0] if found else ""
                return bool(window) or app.poll() is not None

            wait_for("the window", shown, 20)
            xdotool(desktop, "windowfocus", "--sync", window)
            for step in STEPS:
                if args.explore:
                    step.said = step.unsaid = []
                new = run_step(desktop, step, window)
                print(f"ok   {step.what}: {' | '.join(new)}")
                if app.poll() is not None:
                    raise Failure(f"the program ended ({app.returncode}) after: {step.what}")
        except Failure as failure:
            print(f"FAIL {failure}", file=sys.stderr)
            if args.keep:
                print(f"logs in {desktop.dir}", file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
