#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Plays the game from the start screen to the next round as a screen-reader
# user does: through the desktop's accessibility bus (AT-SPI), by the names
# and press actions of the controls alone. Debian's interpreter, where
# python3-pyatspi installs the client. Usage: play_by_screen_reader.py PROGRAM
import os
import subprocess
import sys
import time

import pyatspi

TALLY_OF = {"перемога": "виграші", "нічия": "нічиї", "програш": "програші"}
# By the roles themselves: their names are text that at-spi2-core changes
# ("push button" became "button").
MENU_BAR, BUTTON, LABEL = pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL
READING_ORDER = (
    [(MENU_BAR, "")]
    + [(BUTTON, f"клітинка {n}") for n in range(1, 10)]
    + [(LABEL, "виграші"), (LABEL, "нічиї"), (LABEL, "програші"), (LABEL, "")]
    + [(BUTTON, "ще раз")] * 2
    + [(LABEL, "бомбель")])


def check(condition, failure):
    if not condition:
        sys.exit("FAIL: " + failure)


def wait_for(what, find):
    """What find() returns once it is found; the program gets ten seconds."""
    for _ in range(100):
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit("FAIL: no " + what)


def has(control, state):
    return control.getState().contains(state)


def press(control):
    actions = control.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    check("Press" in names, f"{control.getRoleName()} '{control.name}' cannot be pressed")
    actions.doAction(names.index("Press"))


def play():
    app = wait_for("program on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "khrestyky"), None))
    start = wait_for("start screen", lambda: app[0] if app.childCount == 1 else None)
    check(start.childCount == 1, "the start screen is not one picture")
    names = (start.name, start[0].name)
    press(start[0])
    check(names == ("Хрестики-нолики", "Хрестики-нолики від Бомбель: почати гру"),
          f"the start screen and its picture are named {names}")
    form = wait_for("game window after the start picture", lambda: next(
        (w for w in app if w.name.startswith("Хрестики-нолики від")), None))

    order = [(c.getRole(), c.name.split(":")[0]) for c in form]
    check(order == READING_ORDER, f"the game window reads {[(str(r), n) for r, n in order]}")
    cells, result = [form[n] for n in range(1, 10)], form[13]
    check(not has(result, pyatspi.STATE_SHOWING), "the blank result word is read out")
    for _ in range(9):
        if not has(cells[0], pyatspi.STATE_ENABLED):
            break  # a decided round locks the board
        press(next(cell for cell in cells if cell.name.endswith("порожня")))
    word = result.name
    check(word in TALLY_OF and has(result, pyatspi.STATE_SHOWING),
          f"the result word after a whole round reads '{word}'")

    again = [c for c in form if c.name == "ще раз" and has(c, pyatspi.STATE_SHOWING)]
    check(len(again) == 1, f"{len(again)} again-buttons show")
    press(again[0])
    tally = sorted(c.name for c in form if c.name.split(":")[0] in TALLY_OF.values())
    counted = TALLY_OF[word]
    check(tally == sorted(f"{kind}: {int(kind == counted)}" for kind in TALLY_OF.values()),
          f"after a {word} the tally reads {tally}")
    check(all(has(cell, pyatspi.STATE_ENABLED) for cell in cells), "the next round is locked")
    check(not has(result, pyatspi.STATE_SHOWING), "the blank result word is read out")


game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    play()
finally:
    game.terminate()
    game.wait()
