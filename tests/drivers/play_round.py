#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
"""Plays a round of the installed game by its pixels on the current X display.

    play_round.py [OPTIONS] PROGRAM [ARGUMENT...]

Starts PROGRAM (from its own folder, as a file manager does), waits for the
start screen to show the start picture, clicks it, waits for the game
window to show the empty board and clicks the top-left cell: the X and the
computer's O must appear on the board. On request it then checks that Alt
with the grave accent does not open the console and the grave accent
alone does, adds to the win count through "zap" in the user's decimal
notation, and opens the help. At the end the program must still run and
must have found its sounds.

Each wait looks for what the step expects, within its own limit. A step
that fails or runs out of time names itself, leaves a screenshot and the
program's output, and the program is ended whatever happened.
"""
import argparse
import os
import sys
from pathlib import Path

sys.dont_write_bytecode = True  # no __pycache__ beside the drivers
import screen  # noqa: E402
from screen import StepFailed, poll  # noqa: E402

ASSETS = Path(__file__).resolve().parent.parent.parent / "assets"
DIALOG_LIMIT = 30  # seconds for a dialog of the game to come or go

START_TITLE = "^Form2$"
GAME_TITLE = "^Хрестики-нолики від Бомбель $"
CONSOLE_TITLE = "^Консоль для читерства$"
ZAP_TITLE = "^ Ну ну\\.\\.\\.$"
HELP_TITLE = "^ {39}Бомбель$"

# The game window's client area, whose bottom edge is the window's, in
# pixels at 100 %: its height, the board, the top-left cell's middle, the
# win count's label, a point on the window's foot where no control lies,
# and a point of the menu bar's "Допомога".
CLIENT_HEIGHT = 490
BOARD = (12, 12, 296, 302)
TOP_LEFT_CELL = (57, 81)
WIN_COUNT = (225, 318, 49, 25)
FOOT = (160, 460)
HELP_MENU = (100, 9)  # from the window's top, in the menu bar
X_BLUE, O_BLUE = "#004E9B", "#002A9D"
MARK_PIXELS = 1000  # a mark is some 1,700 pixels of its blue at 100 %
# The most that a picture on the screen may differ from the asset it
# shows, and the least by which two readings of the win count differ.
SAME_PICTURE = 0.05
SAME_COUNT = 0.01


class Round(screen.Driver):
    def __init__(self, options, environment=None):
        super().__init__(options.failure_screenshot)
        self.options = options
        self.scale = options.scale
        self.environment = environment
        self.program_log = Path(options.log) if options.log else self.scratch / "program.log"
        self.program = None
        self.help_open = False

    # --- the screen -------------------------------------------------------

    def wait(self, predicate, what, limit=screen.LIMIT):
        """Polls for what the step expects while the program runs."""
        def seen():
            if self.program:
                self.program.check_running()
            return predicate()
        return poll(seen, limit, what)

    def wait_window(self, title, what, limit=screen.LIMIT):
        """Waits for a visible window whose title matches; its id. A dialog
        has the keyboard from then on: the system gives it the keyboard
        as it shows it, and keys typed after that go to it."""
        return self.wait(lambda: (screen.windows(title) or [None])[0], what, limit)

    def wait_gone(self, title, what):
        self.wait(lambda: not screen.windows(title), f"end of {what}", DIALOG_LIMIT)

    def wait_picture(self, rectangle, expected, what):
        """Waits until the rectangle of the screen shows the expected
        picture; how much it differs from it."""
        seen = self.scratch / "seen.png"
        differences = []

        def shown():
            differences.append(screen.difference(screen.grab(seen, rectangle), expected))
            return differences[-1] < SAME_PICTURE
        try:
            self.wait(shown, what)
        except StepFailed as failure:
            raise StepFailed(f"{failure} (the screen differs from it by {differences[-1]:.3f})") \
                from None
        return differences[-1]

    def expected(self, asset, width, height):
        """An asset at the display's scale, cut to the size shown: above
        100 % from its drawing at twice the size."""
        name, size = (f"{asset}.jpg", 100) if self.scale == 1 else (f"{asset}@2x.jpg", 50)
        path = self.scratch / f"expected-{asset}.png"
        screen.run("convert", ASSETS / name, "-resize", f"{self.scale * size}%",
                   "-crop", f"{width}x{height}+0+0", "+repage", path)
        return path

    def px(self, value):
        return round(value * self.scale)

    def client(self, x, y):
        return self.window[0] + self.px(x), self.client_top + self.px(y)

    def rectangle(self, box):
        left, top = self.client(box[0], box[1])
        return left, top, self.px(box[2]), self.px(box[3])

    def activate(self):
        """A click on the game window's foot gives it the keyboard."""
        screen.click(*self.client(*FOOT))

    # --- the program ------------------------------------------------------

    def start(self, command):
        self.step("program start")
        program = Path(command[0]).resolve()
        if self.options.wine:
            command = [self.options.wine, f"./{program.name}", *command[1:]]
        else:
            command = [program, *command[1:]]
        environment = dict(self.environment or os.environ, SDL_AUDIODRIVER="dummy")
        if self.options.winedebug:
            environment["WINEDEBUG"] = self.options.winedebug
        self.program = screen.Program(command, self.program_log, cwd=program.parent,
                                      env=environment)

    def output(self):
        return self.program.output() if self.program else ""

    def clean_up(self):
        if self.program:
            self.program.end()

    # --- the round --------------------------------------------------------

    def check_start_screen(self):
        self.step("start screen")
        start = self.wait_window(START_TITLE, "start screen")
        x, y, width, height = self.geometry(start)
        difference = self.wait_picture((x, y, width, height),
                                       self.expected("start", width, height),
                                       f"start picture on the start screen ({width}x{height})")
        print(f"the start screen shows the start picture (difference {difference:.3f})")
        return x, y, width, height

    def geometry(self, window):
        place = screen.geometry(window)
        if not place:
            raise StepFailed(f"the window {window} went away")
        return place

    def open_game(self, start):
        self.step("game window")
        x, y, width, height = start
        screen.click(x + width // 2, y + height // 2)
        window = self.wait_window(GAME_TITLE, "game window")
        x, y, width, height = self.geometry(window)
        self.window = (x, y)
        self.client_top = y + height - self.px(CLIENT_HEIGHT)
        board = self.rectangle(BOARD)
        self.wait_picture(board, self.expected("board", *board[2:]), "empty board")

    def marks(self, board):
        """How many pixels of the X's and of the O's blue the board shows."""
        shot = screen.grab(self.scratch / "board.png", board)
        # Scaled pictures blend their edges; near the colour counts.
        fuzz = "0%" if self.scale == 1 else "3%"
        return [screen.colour_count(shot, blue, fuzz) for blue in (X_BLUE, O_BLUE)]

    def play_move(self):
        self.step("a move")
        board = self.rectangle(BOARD)
        before = self.marks(board)
        least = MARK_PIXELS * self.scale * self.scale
        screen.click(*self.client(*TOP_LEFT_CELL))
        seen = [before]

        def both_marks():
            seen.append(self.marks(board))
            return all(now - was >= least for was, now in zip(before, seen[-1]))
        try:
            self.wait(both_marks, "X after the click and the computer's O", DIALOG_LIMIT)
        except StepFailed as failure:
            raise StepFailed(f"{failure} ({before} pixels of their blues before, "
                             f"{seen[-1]} after)") from None
        after = seen[-1]
        print(f"the board shows the X and the computer's O "
              f"({after[0] - before[0]} and {after[1] - before[1]} pixels)")
        if self.options.screenshot:
            screen.grab(self.options.screenshot)

    def check_console_key(self):
        """With Alt held the grave accent types nothing, as Windows delivers
        it; alone it opens the console. The game handles keys and clicks in
        order, so once a click on "Допомога" has opened the help, the key
        before it was handled: had it opened the console, that box would be
        on the screen and the menu bar closed to the click."""
        self.step("console key")
        self.activate()
        screen.key("alt+grave")
        self.click_help()
        shown = self.wait(lambda: ("console" if screen.windows(CONSOLE_TITLE)
                                   else "help" if screen.windows(HELP_TITLE) else None),
                          "help window after Alt with the grave accent", DIALOG_LIMIT)
        if shown == "console":
            raise StepFailed("Alt with the grave accent opened the console")
        self.help_open = True
        self.open_console()
        print("the grave accent opened the console's input box, and not with Alt")
        screen.key("Escape")
        self.wait_gone(CONSOLE_TITLE, "the console")

    def open_console(self):
        self.activate()
        screen.key("grave")
        self.wait_window(CONSOLE_TITLE, "console", DIALOG_LIMIT)

    def zap(self, number):
        """Adds NUMBER, typed as it stands, to the win count."""
        self.step(f"zap {number}")
        self.open_console()
        screen.type_text("zap")
        screen.key("Return")
        self.wait_window(ZAP_TITLE, "box for the number of wins", DIALOG_LIMIT)
        screen.type_text(number)
        screen.key("Return")
        self.wait_gone(ZAP_TITLE, "the box for the number of wins")

    def wins(self, name):
        return screen.grab(self.scratch / f"wins-{name}.png", self.rectangle(WIN_COUNT))

    def check_decimal_comma(self):
        """With a decimal comma, "2,5" adds 2 (a half goes to the even
        neighbour) and "2.5" is no number and changes nothing: after
        "-2" the count is back at 0."""
        nought = self.wins("0")
        self.zap("2,5")
        self.wait(lambda: screen.difference(self.wins("2"), nought) >= SAME_COUNT,
                  'change of the win count after "zap" with "2,5"', DIALOG_LIMIT)
        self.zap("2.5")
        self.zap("-2")
        self.step("the count back at 0")
        self.wait(lambda: screen.difference(self.wins("back"), nought) < SAME_COUNT,
                  'win count of 0 after "2,5", "2.5" and "-2": "2.5" changed it, or "2,5" '
                  'did not add exactly 2;', DIALOG_LIMIT)
        print('"zap" with "2,5" added 2, and "2.5" changed nothing')

    def click_help(self):
        screen.click(self.window[0] + self.px(HELP_MENU[0]), self.window[1] + self.px(HELP_MENU[1]))

    def open_help(self):
        self.step("help window")
        if not self.help_open:
            self.click_help()
            self.wait(lambda: screen.windows(HELP_TITLE), "help window", DIALOG_LIMIT)
            self.help_open = True
        print("Допомога opened the help window")

    def finish(self):
        self.step("end")
        self.program.check_running()
        if "no sound" in self.output():
            raise StepFailed("the sounds were not found")

    def play(self):
        self.start(self.options.program)
        self.open_game(self.check_start_screen())
        self.play_move()
        if self.options.console:
            self.check_console_key()
        if self.options.decimal_comma:
            self.check_decimal_comma()
        if self.options.help_window:
            self.open_help()
        self.finish()
        print("the program played a move with its sounds found")


def parse(arguments=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", nargs="+", help="the program and its arguments")
    parser.add_argument("--wine", help="run the program under this wine loader")
    parser.add_argument("--winedebug", help="WINEDEBUG for the program")
    parser.add_argument("--scale", type=float, default=1.0,
                        help="the display's scale (1.5 for 150 %%)")
    parser.add_argument("--console", action="store_true",
                        help="check the console's key (which opens the help too)")
    parser.add_argument("--decimal-comma", action="store_true",
                        help='check "zap" with a decimal comma')
    parser.add_argument("--help-window", action="store_true", help="open the help")
    parser.add_argument("--log", help="keep the program's output in this file")
    parser.add_argument("--screenshot", help="the screen after the move, as PNG")
    parser.add_argument("--failure-screenshot", default="play-round-failed.png",
                        help="the screen on failure, as PNG")
    return parser.parse_args(arguments)


def play(options, environment=None):
    """Plays the round that the options ask for; whether it passed."""
    with Round(options, environment) as game:
        game.play()
    return not game.failed


if __name__ == "__main__":
    sys.exit(0 if play(parse()) else 1)
