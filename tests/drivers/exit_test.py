#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
"""The Windows program ended by its close box under wine, time after time.

    exit_test.py --cmake CMAKE --build BUILD [--runs N]
                 --prefix FOLDER --wine WINE64 --wineserver WINESERVER --out FOLDER

Installs the build into a scratch folder, as `cmake --install` lays it
out, and runs the program from there in a wine prefix of its own, which it
makes in the folder given. Each run starts the program with SDL's disk
audio driver writing into a scratch file, opens the game from the start
screen, clicks the top-left cell and waits until the click's samples reach
the file; then it clicks the game window's close box. The program must end
within 2 s, with status 0. Prints each run's time from that click to the
program's end.

The display has no window manager, so wine is told to manage the windows
itself (its X11 driver's Managed=N): it draws their frames, and the close
box is Windows' own, sending what it sends when a player clicks it.
Otherwise wine would wait 2 s for a window manager to withdraw each window
that the program hides.

Every wait has its own limit; one that runs out or fails names itself and
leaves a screenshot in the --out folder and the output. Whatever happens,
every program of the prefix is ended at the end.
"""
import argparse
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # no __pycache__ beside the drivers
import screen  # noqa: E402
import wine  # noqa: E402
from screen import LIMIT, StepFailed  # noqa: E402

START_TITLE = "^Form2$"
GAME_TITLE = "^Хрестики-нолики від Бомбель $"
CLIENT_HEIGHT = 490
TOP_LEFT_CELL = (57, 81)  # in the client area, below the menu bar
EXIT_LIMIT = 2  # seconds from the click on the close box


class ExitRuns(screen.Driver):
    def __init__(self, options):
        self.out = Path(options.out).resolve()
        super().__init__(self.out / "windows-exit-failed.png")
        self.options = options
        self.prefix = wine.Prefix(self, options.prefix, options.wine, options.wineserver)
        self.program = None

    def clean_up(self):
        if self.program:
            self.program.end()
        self.prefix.end()

    def output(self):
        return super().output() + (self.program.output() if self.program else "")

    def window(self, title):
        """Waits for a visible window whose title matches; its place."""
        def found():
            self.program.check_running()
            return screen.windows(title)
        window = screen.poll(found, LIMIT, f"window titled /{title}/")[0]
        place = screen.poll(lambda: screen.geometry(window), LIMIT, f"place of /{title}/")
        # A click lands only once the window is drawn: more than one colour.
        picture = self.scratch / "window.png"
        screen.poll(lambda: int(screen.run("convert", screen.grab(picture, place),
                                           "-format", "%k", "info:")) > 1,
                    LIMIT, f"/{title}/ drawn")
        return place

    def one_run(self, number, folder):
        """Plays the click and closes the window; the time the program took to end."""
        self.step(f"run {number}: start")
        output = self.scratch / f"output-{number}.raw"
        environment = dict(self.prefix.environment, SDL_AUDIODRIVER="disk",
                           SDL_DISKAUDIOFILE="Z:" + str(output).replace("/", "\\"))
        self.program = screen.Program([self.options.wine, "./khrestyky.exe"],
                                      self.scratch / f"program-{number}.log", cwd=folder,
                                      env=environment)
        x, y, width, height = self.window(START_TITLE)
        screen.click(x + width // 2, y + height // 2)
        x, y, width, height = self.window(GAME_TITLE)
        # The sounds load once the window has been drawn; the output opens
        # with the first of them, the click. The frame's few pixels of
        # border leave the point inside the cell.
        self.step(f"run {number}: the click")
        screen.poll(output.exists, 30, "audio output opened")
        client_top = y + height - CLIENT_HEIGHT

        def heard():
            # A click that came before the sound was ready is clicked again.
            screen.click(x + TOP_LEFT_CELL[0], client_top + TOP_LEFT_CELL[1])
            try:
                return screen.poll(lambda: output.read_bytes().strip(b"\0"), 2, "click")
            except StepFailed:
                return None
        screen.poll(heard, 30, "click in the audio output")
        self.step(f"run {number}: the close box")
        self.program.check_running()
        # Timed from before the click, so that xdotool's own time counts
        # against the program, never for it.
        clicked = time.monotonic()
        screen.click(x + width - 12, y + 12)
        try:
            status = self.program.process.wait(timeout=EXIT_LIMIT)
        except subprocess.TimeoutExpired:
            self.photograph()
            # How late it was, or whether it hangs, tells what to look for.
            try:
                self.program.process.wait(timeout=LIMIT)
                late = f"it ended {time.monotonic() - clicked:.1f} s after the click"
            except subprocess.TimeoutExpired:
                late = f"it still ran {LIMIT} s after the click"
            raise StepFailed(f"the program did not end within {EXIT_LIMIT} s: {late}") from None
        took = time.monotonic() - clicked
        self.check(status == 0, f"the program ended with status {status}")
        self.check(not screen.windows(GAME_TITLE), "the game window is left")
        return took

    def runs(self):
        self.prefix.make()
        self.prefix.run("the prefix's window frames", "reg", "add",
                        r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/t", "REG_SZ",
                        "/d", "N", "/f")
        folder = self.scratch / "Хрестики нолики"
        self.command("install", self.options.cmake, "--install", self.options.build,
                     "--prefix", folder, "--strip", limit=600)
        times = []
        for number in range(1, self.options.runs + 1):
            times.append(self.one_run(number, folder))
            print(f"run {number}: ended {times[-1]:.3f} s after the click on the close box",
                  flush=True)
        ordered = sorted(times)
        print(f"{len(times)} runs ended within {EXIT_LIMIT} s of the click on the close box: "
              f"fastest {ordered[0]:.3f} s, median {ordered[len(times) // 2]:.3f} s, "
              f"slowest {ordered[-1]:.3f} s")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build", required=True, help="the build tree to install")
    parser.add_argument("--runs", type=int, default=20, help="how many starts and ends")
    parser.add_argument("--prefix", required=True, help="the wine prefix's folder")
    parser.add_argument("--wine", required=True, help="the wine loader")
    parser.add_argument("--wineserver", required=True, help="the prefix's wine server")
    parser.add_argument("--out", required=True, help="where a failure's screenshot goes")
    options = parser.parse_args()
    with ExitRuns(options) as runs:
        runs.runs()
    return 1 if runs.failed else 0


if __name__ == "__main__":
    sys.exit(main())
