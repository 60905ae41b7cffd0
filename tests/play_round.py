#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
"""Plays a round of the installed game by its pixels on the current X display.

    play_round.py [OPTIONS] PROGRAM [ARGUMENT...]

Starts PROGRAM (from its own folder, as a file manager does), waits for the
start screen and checks that it shows the start picture, clicks it, waits
for the game window and clicks the top-left cell: the X and the computer's
O must appear on the board. On request it then opens the console with the
grave accent (and checks that Alt with it does not), adds to the win count
through "zap" in the user's decimal notation, and opens the help. At the
end the program must still run and must have found its sounds.

Every wait has its own limit. A step that fails or runs out of time names
itself, leaves a screenshot and the program's output, and ends the program
(and, with --wineserver, every program of its wine prefix).
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ASSETS = Path(__file__).resolve().parent.parent / "assets"
LIMIT = 120  # seconds; no step waits longer

START_TITLE = "^Form2$"
GAME_TITLE = "^Хрестики-нолики від Бомбель $"
CONSOLE_TITLE = "^Консоль для читерства$"
ZAP_TITLE = "^ Ну ну\\.\\.\\.$"
HELP_TITLE = "^ {39}Бомбель$"

# The game window's client area, whose bottom edge is the window's, in
# pixels at 100 %: its height, the board, the top-left cell's middle, the
# win count's label, and a point of the menu bar's "Допомога".
CLIENT_HEIGHT = 490
BOARD = (12, 12, 296, 302)
TOP_LEFT_CELL = (57, 81)
WIN_COUNT = (225, 318, 49, 25)
HELP_MENU = (100, 9)  # from the window's top, in the menu bar
X_BLUE, O_BLUE = "#004E9B", "#002A9D"
MARK_PIXELS = 1000  # a mark is some 1,700 pixels of its blue at 100 %


class StepFailed(Exception):
    pass


def run(*command, limit=LIMIT, check=True):
    """Runs a command to its end within the limit; returns its output."""
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=limit)
    except subprocess.TimeoutExpired:
        raise StepFailed(f"{command[0]} did not end within {limit} s")
    if check and done.returncode != 0:
        raise StepFailed(f"{' '.join(command)} failed: {done.stderr.strip()}")
    return done.stdout


def windows(title):
    """The visible windows whose titles match."""
    return run("xdotool", "search", "--onlyvisible", "--name", title, check=False).split()


def geometry(window):
    """A window's place and size, or None when it has gone."""
    text = run("xdotool", "getwindowgeometry", "--shell", window, check=False)
    values = dict(line.split("=", 1) for line in text.split())
    keys = ("X", "Y", "WIDTH", "HEIGHT")
    return tuple(int(values[key]) for key in keys) if all(key in values for key in keys) else None


def screenshot(path):
    """The whole screen as PNG; says where it is."""
    done = subprocess.run(["import", "-window", "root", str(path)], capture_output=True,
                          timeout=LIMIT)
    if done.returncode == 0:
        print(f"the screen is in {path}", file=sys.stderr)


def end_wine(wineserver):
    """Ends every program of the wine prefix and waits for its server."""
    subprocess.run([wineserver, "-k"], capture_output=True, timeout=LIMIT)
    try:
        subprocess.run([wineserver, "-w"], timeout=LIMIT)
    except subprocess.TimeoutExpired:
        raise StepFailed(f"the wine server did not end within {LIMIT} s")


def attempt(work, fail, clean_up):
    """Runs the work, then the clean-up whatever happened; a step of either
    that fails is reported through fail. The exit status."""
    status = 0
    for action in (work, clean_up):
        try:
            action()
        except StepFailed as failure:
            fail(str(failure))
            status = 1
    return status


class Round:
    def __init__(self, options):
        self.options = options
        self.scale = options.scale
        self.scratch = Path(tempfile.mkdtemp(prefix="play-round-"))
        self.log_path = Path(options.log) if options.log else self.scratch / "program.log"
        self.program = None
        self.step = "start"

    # --- the screen -------------------------------------------------------

    def wait_window(self, title, limit=LIMIT):
        """Waits for a visible window whose title matches; its id."""
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline:
            self.check_running()
            found = windows(title)
            if found:
                time.sleep(1)  # let it draw
                return found[0]
            time.sleep(0.2)
        raise StepFailed(f"no window titled /{title}/ within {limit} s")

    def geometry(self, window):
        place = geometry(window)
        if not place:
            raise StepFailed(f"the window {window} went away")
        return place

    def click(self, x, y):
        run("xdotool", "mousemove", str(x), str(y), "click", "1")

    def key(self, *keys):
        run("xdotool", "key", *keys)

    def grab(self, x, y, width, height, name):
        path = self.scratch / f"{name}.png"
        run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage", str(path))
        return path

    def count_colour(self, rectangle, colour):
        shot = self.grab(*rectangle, "count")
        # Scaled pictures blend their edges; near the colour counts.
        fuzz = "0%" if self.scale == 1 else "3%"
        return int(run("convert", str(shot), "-fuzz", fuzz, "-fill", "black", "+opaque", colour,
                       "-fill", "white", "-opaque", colour,
                       "-format", "%[fx:int(mean*w*h+0.5)]", "info:"))

    def difference(self, first, second):
        """Root mean square difference of two pictures, 0 to 1."""
        done = subprocess.run(["compare", "-metric", "RMSE", str(first), str(second), "null:"],
                              capture_output=True, text=True, timeout=LIMIT)
        match = re.search(r"\(([0-9.e+-]+)\)", done.stderr)
        if not match:
            raise StepFailed(f"compare failed: {done.stderr.strip()}")
        return float(match.group(1))

    def px(self, value):
        return round(value * self.scale)

    # --- the program ------------------------------------------------------

    def start(self, command):
        self.step = "program start"
        program = Path(command[0]).resolve()
        if self.options.wine:
            command = [self.options.wine, f"./{program.name}", *command[1:]]
        else:
            command = [str(program), *command[1:]]
        environment = dict(os.environ, SDL_AUDIODRIVER="dummy")
        if self.options.winedebug:
            environment["WINEDEBUG"] = self.options.winedebug
        with open(self.log_path, "w") as log:
            self.program = subprocess.Popen(command, cwd=program.parent, stdout=log,
                                            stderr=subprocess.STDOUT, env=environment)

    def check_running(self):
        if self.program and self.program.poll() is not None:
            raise StepFailed(f"the program ended by itself ({self.program.returncode})")

    def output(self):
        return self.log_path.read_text(errors="replace") if self.log_path.exists() else ""

    def stop(self):
        """Ends the program, and with --wineserver every program of its prefix."""
        if self.program and self.program.poll() is None:
            self.program.kill()
        if self.program:
            try:
                self.program.wait(timeout=LIMIT)
            except subprocess.TimeoutExpired:
                pass
        if self.options.wineserver:
            end_wine(self.options.wineserver)

    # --- the round --------------------------------------------------------

    def check_start_screen(self):
        self.step = "start screen"
        start = self.wait_window(START_TITLE)
        x, y, width, height = self.geometry(start)
        seen = self.grab(x, y, width, height, "start")
        expected = self.scratch / "expected.png"
        # The start screen shows the picture from its top-left corner, at
        # the display's scale: above 100 % its drawing at twice the size.
        picture, size = ("start.jpg", 100) if self.scale == 1 else ("start@2x.jpg", 50)
        run("convert", str(ASSETS / picture), "-resize", f"{self.scale * size}%",
            "-crop", f"{width}x{height}+0+0", "+repage", str(expected))
        difference = self.difference(seen, expected)
        if difference >= 0.05:
            raise StepFailed(f"the start screen ({width}x{height}) is not the start picture "
                             f"(difference {difference:.3f})")
        print(f"the start screen shows the start picture (difference {difference:.3f})")
        return x, y, width, height

    def open_game(self, start):
        self.step = "game window"
        x, y, width, height = start
        self.click(x + width // 2, y + height // 2)
        window = self.wait_window(GAME_TITLE)
        x, y, width, height = self.geometry(window)
        self.window = (x, y)
        self.client_top = y + height - self.px(CLIENT_HEIGHT)

    def client(self, x, y):
        return self.window[0] + self.px(x), self.client_top + self.px(y)

    def rectangle(self, box):
        left, top = self.client(box[0], box[1])
        return left, top, self.px(box[2]), self.px(box[3])

    def play_move(self):
        self.step = "a move"
        board = self.rectangle(BOARD)
        before = [self.count_colour(board, blue) for blue in (X_BLUE, O_BLUE)]
        self.click(*self.client(*TOP_LEFT_CELL))
        time.sleep(2)
        after = [self.count_colour(board, blue) for blue in (X_BLUE, O_BLUE)]
        least = MARK_PIXELS * self.scale * self.scale
        for mark, was, now in zip(("an X after the click", "the computer's O"), before, after):
            if now - was < least:
                raise StepFailed(f"no {mark} on the board ({was}, then {now} pixels of its blue)")
        print(f"the board shows the X and the computer's O "
              f"({after[0] - before[0]} and {after[1] - before[1]} pixels)")
        if self.options.screenshot:
            run("import", "-window", "root", self.options.screenshot)

    def check_console_key(self):
        self.step = "console key"
        # A click on the window's foot (no control there) makes it active.
        self.click(*self.client(160, 460))
        # With Alt held the key types nothing, as Windows delivers it.
        self.key("alt+grave")
        time.sleep(2)
        if windows(CONSOLE_TITLE):
            raise StepFailed("Alt with the grave accent opened the console")
        self.key("grave")
        self.wait_window(CONSOLE_TITLE, limit=30)
        print("the grave accent opened the console's input box")
        self.key("Escape")
        self.wait_gone(CONSOLE_TITLE)

    def wait_gone(self, title, limit=30):
        deadline = time.monotonic() + limit
        while windows(title):
            if time.monotonic() > deadline:
                raise StepFailed(f"the window /{title}/ did not close within {limit} s")
            time.sleep(0.2)
        time.sleep(0.5)

    def zap(self, number):
        """Adds NUMBER, typed as it stands, to the win count; the count's picture."""
        self.step = f"zap {number}"
        self.click(*self.client(160, 460))
        self.key("grave")
        self.wait_window(CONSOLE_TITLE, limit=30)
        run("xdotool", "type", "--delay", "50", "zap")
        self.key("Return")
        self.wait_window(ZAP_TITLE, limit=30)
        run("xdotool", "type", "--delay", "50", "--", number)
        self.key("Return")
        self.wait_gone(ZAP_TITLE)
        return self.grab(*self.rectangle(WIN_COUNT), f"wins-{len(number)}-{number[-1]}")

    def check_decimal_comma(self):
        """With a decimal comma, "2,5" adds 2 (a half goes to the even
        neighbour) and "2.5" is no number and changes nothing."""
        self.step = "decimal comma"
        nought = self.grab(*self.rectangle(WIN_COUNT), "wins-0")
        two = self.zap("2,5")
        if self.difference(two, nought) < 0.01:
            raise StepFailed('"zap" with "2,5" left the win count as it was')
        still = self.zap("2.5")
        if self.difference(still, two) >= 0.01:
            raise StepFailed('"zap" with "2.5" changed the win count')
        back = self.zap("-2")
        if self.difference(back, nought) >= 0.01:
            raise StepFailed('"2,5" did not add exactly 2: taking 2 away did not give 0')
        print('"zap" with "2,5" added 2, and "2.5" changed nothing')

    def open_help(self):
        self.step = "help window"
        self.click(self.window[0] + self.px(HELP_MENU[0]), self.window[1] + self.px(HELP_MENU[1]))
        self.wait_window(HELP_TITLE, limit=30)
        print("Допомога opened the help window")

    def finish(self):
        self.step = "end"
        self.check_running()
        if "no sound" in self.output():
            raise StepFailed("the sounds were not found")

    def fail(self, message):
        print(f"FAIL: {self.step}: {message}", file=sys.stderr)
        if self.options.failure_screenshot:
            screenshot(self.options.failure_screenshot)
        print("--- the program's output:", file=sys.stderr)
        print(self.output(), file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", nargs="+", help="the program and its arguments")
    parser.add_argument("--wine", help="run the program under this wine loader")
    parser.add_argument("--wineserver", help="end every program of the prefix at the end")
    parser.add_argument("--winedebug", help="WINEDEBUG for the program")
    parser.add_argument("--scale", type=float, default=1.0,
                        help="the display's scale (1.5 for 150 %%)")
    parser.add_argument("--console", action="store_true", help="check the console's key")
    parser.add_argument("--decimal-comma", action="store_true",
                        help='check "zap" with a decimal comma')
    parser.add_argument("--help-window", action="store_true", help="open the help")
    parser.add_argument("--log", help="keep the program's output in this file")
    parser.add_argument("--screenshot", help="the screen after the move, as PNG")
    parser.add_argument("--failure-screenshot", default="play-round-failed.png",
                        help="the screen on failure, as PNG")
    options = parser.parse_args()

    game = Round(options)

    def play():
        game.start(options.program)
        game.open_game(game.check_start_screen())
        game.play_move()
        if options.console:
            game.check_console_key()
        if options.decimal_comma:
            game.check_decimal_comma()
        if options.help_window:
            game.open_help()
        game.finish()

    status = attempt(play, game.fail, game.stop)
    shutil.rmtree(game.scratch, ignore_errors=True)
    if status:
        return status
    print("the program played a move with its sounds found")
    return 0


if __name__ == "__main__":
    sys.exit(main())
