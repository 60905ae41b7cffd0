#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
"""The Windows player's downloads at play under wine, on the current X display.

    release_test.py installed BUILD   the folder that `cmake --install` lays out
    release_test.py zip BUILD         the packed zip, unpacked; every DLL shipped is loaded
    release_test.py installer BUILD   the installer, into Program Files and into a folder
                                      given with /D=; played, then uninstalled

Wine's settings come from the environment (WINEPREFIX and the rest). The
folders' names hold Cyrillic letters and blanks, as a Ukrainian player's
do. The installer runs in a prefix of its own, made fresh, at the display
scaling and in the language that the environment gives it
(KHRESTYKY_LOG_PIXELS, LANG). Every step that waits on wine or on a window
has its own limit; one that runs out or fails names itself, leaves a
screenshot and the output, and ends every program of the prefix.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROUND = HERE.parent / "play_round.py"
sys.path.insert(0, str(ROUND.parent))
from play_round import (LIMIT, StepFailed, attempt, end_wine, geometry, run,  # noqa: E402
                        screenshot, windows)

# The game's key in the list of installed programs, as wine writes it.
UNINSTALL_KEY = r"[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Khrestyky]"


class Release:
    def __init__(self, build):
        self.build = Path(build).resolve()
        cache = {}
        for line in (self.build / "CMakeCache.txt").read_text().splitlines():
            match = re.match(r"^(\w+):\w+=(.*)$", line)
            if match:
                cache[match.group(1)] = match.group(2)
        self.wine = cache["KHRESTYKY_WINE64"]
        self.wineserver = cache["KHRESTYKY_WINESERVER"]
        self.prefix = Path(os.environ["WINEPREFIX"])
        self.scratch = Path(tempfile.mkdtemp(prefix="release-test-"))
        self.output = self.scratch / "output.log"
        self.step_name = "start"
        self.screenshot_taken = False

    # --- steps ------------------------------------------------------------

    def step(self, name, *command, limit=LIMIT, **options):
        """Runs one step within its limit; its output goes to the log."""
        self.step_name = name
        print(f"== {name}", flush=True)
        with open(self.output, "a") as log:
            log.write(f"--- {name}: {' '.join(map(str, command))}\n")
            log.flush()
            process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, **options)
            try:
                status = process.wait(timeout=limit)
            except subprocess.TimeoutExpired:
                # The screen as the step left it: a dialog waiting for an
                # answer, say.
                self.take_failure_screenshot()
                process.kill()
                process.wait()
                raise StepFailed(f"did not end within {limit} s")
        if status != 0:
            raise StepFailed(f"failed with status {status}")

    def wine_step(self, name, *arguments, limit=LIMIT):
        """A Windows program run to its end, then the prefix's server."""
        self.step(name, self.wine, *arguments, limit=limit)
        self.step(f"{name}: the wine server's end", self.wineserver, "-w", limit=limit)

    def play(self, name, program, *options):
        """Plays a round with the shared driver; it has limits of its own."""
        self.step_name = name
        print(f"== {name}", flush=True)
        command = [sys.executable, str(ROUND), "--wine", self.wine, "--wineserver",
                   self.wineserver, "--failure-screenshot", str(self.build / f"{name}-failed.png"),
                   *options, str(program)]
        if subprocess.run(command).returncode != 0:
            raise StepFailed("the round failed")

    def check(self, condition, message):
        if not condition:
            raise StepFailed(message)

    def take_failure_screenshot(self):
        if not self.screenshot_taken:
            screenshot(self.build / f"{self.step_name.split(':')[0].replace(' ', '-')}-failed.png")
            self.screenshot_taken = True

    def fail(self, message):
        print(f"FAIL: {self.step_name}: {message}", file=sys.stderr)
        self.take_failure_screenshot()
        if self.output.exists():
            print("--- the output:", file=sys.stderr)
            print(self.output.read_text(errors="replace")[-8000:], file=sys.stderr)

    def end_wine(self):
        end_wine(self.wineserver)

    # --- the three downloads ---------------------------------------------

    def installed(self):
        """The folder that `cmake --install` lays out, as a player unpacks it."""
        place = self.scratch / "Ігри гравця" / "Хрестики нолики"
        self.step("install", "cmake", "--install", str(self.build), "--prefix", str(place),
                  "--strip", limit=600)
        left = re.findall(r"Left to Windows: (.*)", self.output.read_text())
        print(f"left to Windows: {left[-1] if left else 'nothing'}")
        files = [f for f in place.rglob("*") if f.is_file()]
        size = sum(f.stat().st_size for f in files)
        print(f"installed: {size / 2**20:.1f} MiB in {len(files)} files")
        self.play("installed-round", place / "khrestyky.exe", "--console", "--help-window",
                  "--screenshot", str(self.build / "windows-played.png"))

    def zip(self):
        """The zip unpacked, played with wine's trace of the DLLs it loads:
        every DLL and plugin shipped must be one the program loaded on its
        way from the start screen through a move, the console and the help."""
        zips = sorted(self.build.glob("khrestyky-*-win64.zip"))
        self.check(zips, "no khrestyky-*-win64.zip in the build tree: pack it first "
                         "(cpack --preset windows)")
        unpacked = self.scratch / "Завантаження гравця"
        self.step("unzip", "unzip", "-q", str(zips[-1]), "-d", str(unpacked))
        folder = next(unpacked.glob("khrestyky-*-win64"))
        trace = self.scratch / "loaded.log"
        self.play("zip-round", folder / "khrestyky.exe", "--winedebug", "+loaddll",
                  "--log", str(trace), "--console", "--help-window")
        loaded = {name.rsplit("\\", 1)[-1].lower()
                  for name in re.findall(r'Loaded L"([^"]*)"', trace.read_text(errors="replace"))}
        shipped = {dll.name.lower() for dll in folder.rglob("*.dll")}
        self.check(not shipped - loaded, f"shipped but never loaded: {sorted(shipped - loaded)}")
        print(f"every one of the {len(shipped)} DLLs shipped was loaded")

    def installer(self):
        """The installer in a fresh prefix, at the prefix's scaling and
        language: silently into Program Files, where the game is played
        and then uninstalled; then into a folder given with /D=."""
        setups = sorted(self.build.glob("khrestyky-*-win64-setup.exe"))
        self.check(setups, "no khrestyky-*-win64-setup.exe in the build tree: pack it first "
                           "(cpack --preset windows)")
        setup = setups[-1]
        language = os.environ.get("LANG", "")
        if language:
            known = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout
            self.check(language.lower().replace("utf-8", "utf8") in known.lower().split(),
                       f"the machine lacks the locale {language}, which wine would take the "
                       "prefix's language from: make it with localedef (Debian's locales)")
        shutil.rmtree(self.prefix, ignore_errors=True)
        self.wine_step("boot", "wineboot", "--init")
        pixels = os.environ.get("KHRESTYKY_LOG_PIXELS")
        scale = 1.0
        if pixels:
            self.wine_step("display scaling", "reg", "add", r"HKCU\Control Panel\Desktop",
                           "/v", "LogPixels", "/t", "REG_DWORD", "/d", pixels, "/f")
            scale = int(pixels) / 96
        print(f"the prefix: LANG={os.environ.get('LANG', '')}, {round(scale * 100)} % scaling")

        self.wine_step("installer", str(setup), "/S")
        drive = self.prefix / "drive_c"
        installed = drive / "Program Files" / "Khrestyky"
        menu = drive / "ProgramData" / "Microsoft" / "Windows" / "Start Menu" / "Programs"
        self.check((installed / "khrestyky.exe").is_file(),
                   r"no khrestyky.exe in Program Files\Khrestyky")
        shortcuts = list(menu.rglob("Хрестики-нолики.lnk"))
        self.check(shortcuts, "no Start-menu shortcut named Хрестики-нолики")
        target = "C:\\Program Files\\Khrestyky\\khrestyky.exe"
        self.check(target.encode("utf-16-le") in shortcuts[0].read_bytes()
                   or target.encode() in shortcuts[0].read_bytes(),
                   "the shortcut does not name the installed khrestyky.exe")
        self.check_uninstall_entry()
        print(f"installed: the program in Program Files\\Khrestyky, the shortcut "
              f"\"{shortcuts[0].relative_to(menu)}\" and the entry \"Хрестики-нолики\" "
              "in the list of installed programs")

        self.play("installed-by-setup-round", installed / "khrestyky.exe", "--scale", str(scale),
                  "--console", "--decimal-comma", "--help-window",
                  "--screenshot", str(self.build / "windows-setup-played.png"))

        self.wine_step("uninstaller", r"C:\Program Files\Khrestyky\Uninstall.exe", "/S")
        self.check(not installed.exists(),
                   f"the install folder is left: {list(installed.rglob('*'))[:5]}")
        self.check(not shortcuts[0].exists(), "the shortcut is left")
        self.check(not self.uninstall_entry(), "the uninstall entry is left")

        # NSIS takes the rest of its command line after /D= unquoted, and
        # wine would quote an argument that holds a blank: so the folder
        # comes in two.
        self.wine_step("installer into a chosen folder", str(setup), "/S", r"/D=C:\Ігри\Хрестики",
                       "нолики")
        chosen = drive / "Ігри" / "Хрестики нолики"
        self.check((chosen / "khrestyky.exe").is_file(),
                   r"/D= did not install into C:\Ігри\Хрестики нолики")
        self.wine_step("uninstaller of the chosen folder", r"C:\Ігри\Хрестики нолики\Uninstall.exe",
                       "/S")
        self.check(not chosen.exists(), "the chosen install folder is left")
        print("installed, played and uninstalled, into Program Files and a chosen folder, "
              "with nothing left")
        self.install_by_hand(setup)

    def install_by_hand(self, setup):
        """The installer as a player runs it, pressing Return on each page
        for its default button, up to the last page: its box, ticked, starts
        the game, whose start screen must appear. Each page is kept as a
        screenshot in the build tree."""
        self.step_name = "installer by hand"
        print(f"== {self.step_name}", flush=True)
        for old in self.build.glob("windows-installer-page-*.png"):
            old.unlink()
        with open(self.output, "a") as log:
            subprocess.Popen([self.wine, str(setup)], stdout=log, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + LIMIT
        pages = 0
        while not windows("^Form2$"):
            self.check(time.monotonic() < deadline,
                       f"no start screen of the game within {LIMIT} s of the installer's start")
            installer = [window for window in windows("Хрестики-нолики")
                         if "від" not in run("xdotool", "getwindowname", window, check=False)]
            place = geometry(installer[0]) if installer else None
            if place and pages < 12:
                pages += 1
                time.sleep(1.5)  # let the page draw
                subprocess.run(["import", "-window", "root",
                                str(self.build / f"windows-installer-page-{pages}.png")],
                               capture_output=True, timeout=LIMIT)
                # A click on the window's bottom-left corner, where no
                # control lies, gives it the keyboard; Return presses the
                # page's default button.
                x, y, _, height = place
                subprocess.run(["xdotool", "mousemove", str(x + 4), str(y + height - 4),
                                "click", "1", "key", "Return"], capture_output=True, timeout=LIMIT)
            time.sleep(0.5)
        print(f"after {pages} pages the last page's box started the game")
        self.end_wine()
        self.wine_step("uninstaller after the installer by hand",
                       r"C:\Program Files\Khrestyky\Uninstall.exe", "/S")

    def uninstall_entry(self):
        """The entry in the list of installed programs, as wine keeps it:
        text with \\x escapes for what is not ASCII."""
        lines, found = [], False
        for line in (self.prefix / "system.reg").read_text(errors="replace").splitlines():
            if line.startswith(UNINSTALL_KEY):
                found = True
            elif found and line.startswith("["):
                break
            elif found and line.startswith('"'):
                lines.append(line)
        return lines

    def check_uninstall_entry(self):
        entry = self.uninstall_entry()
        for line in (r'"DisplayName"="\x425\x440\x435\x441\x442\x438\x43a\x438-\x43d\x43e\x43b\x438\x43a\x438"',
                     '"DisplayVersion"="1.0.0"',
                     r'"DisplayIcon"="C:\\Program Files\\Khrestyky\\khrestyky.exe"',
                     '"Publisher"="The Khrestyky-nolyky developers"',
                     r'"UninstallString"="\"C:\\Program Files\\Khrestyky\\Uninstall.exe\""'):
            self.check(line in entry, f"the uninstall entry lacks {line}: {entry}")
        self.check(any(line.startswith('"EstimatedSize"=dword:') for line in entry),
                   "the uninstall entry has no size")


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("installed", "zip", "installer"):
        print(__doc__, file=sys.stderr)
        return 2
    release = Release(sys.argv[2])
    status = attempt(getattr(release, sys.argv[1]), release.fail, release.end_wine)
    shutil.rmtree(release.scratch, ignore_errors=True)
    if status == 0:
        print(f"passed: {sys.argv[1]}")
    return status


if __name__ == "__main__":
    sys.exit(main())
