#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
"""The Windows player's downloads at play under wine, on the current X display.

    release_test.py installed --cmake CMAKE --build BUILD  COMMON
        the folder that `cmake --install` lays out
    release_test.py zip --package ZIP  COMMON
        the zip, unpacked: every DLL shipped must be loaded, and every DLL
        loaded that is not Windows's own must come from the unpacked folder
    release_test.py installer --package SETUP --version VERSION [--log-pixels DPI] COMMON
        the installer, into Program Files and into a folder given with /D=,
        played and uninstalled; then run by hand, page by page
    COMMON: --prefix FOLDER --wine WINE64 --wineserver WINESERVER --out FOLDER

Each test plays in a wine prefix of its own, which it makes in the folder
given (anew for the installer) and in which the game finds no DLL but its
own and Windows's: no WINEPATH. A folder that holds anything it did not
make is left alone. The other wine settings, and LANG, which gives a new
prefix its language, come from the environment. The folders' names hold
Cyrillic letters and blanks, as a Ukrainian player's do. Screenshots go to
the --out folder.

Every step that waits on wine or on a window has its own limit; one that
runs out or fails names itself and leaves a screenshot and the output.
Whatever happens, every program of the prefix is ended at the end.
"""
import argparse
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path, PureWindowsPath

sys.dont_write_bytecode = True  # no __pycache__ beside the drivers
import play_round  # noqa: E402
import screen  # noqa: E402
import wine  # noqa: E402
from screen import LIMIT, StepFailed  # noqa: E402

# Where the installer lists the game among the installed programs, as wine
# keeps it: the registry file and the key.
UNINSTALL_HIVE = "system.reg"
UNINSTALL_KEY = r"[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Khrestyky]"
# The installer's windows, not the game's.
INSTALLER_TITLE = "Хрестики-нолики"
MOST_PAGES = 12
# A page is drawn when it has looked the same for this long; a new page
# differs from the last by more than NEW_PAGE.
STEADY_SECONDS = 0.5
STEADY, NEW_PAGE = 0.002, 0.02
# How long a page may take to follow the key that leaves the last one.
PAGE_LIMIT = 30


class Release(screen.Driver):
    def __init__(self, options):
        self.out = Path(options.out).resolve()
        super().__init__(self.out / f"windows-release-{options.download}-failed.png")
        self.options = options
        self.wine = options.wine
        self.prefix = wine.Prefix(self, options.prefix, options.wine, options.wineserver)

    def clean_up(self):
        self.prefix.end()

    def play(self, name, program, *options):
        """Plays a round with the round driver, in the prefix; it reports
        its own failure. Then every program of the prefix is ended."""
        self.step(name)
        arguments = ["--wine", self.wine, "--failure-screenshot", self.out / f"{name}-failed.png",
                     *options, program]
        passed = play_round.play(play_round.parse([str(part) for part in arguments]),
                                 self.prefix.environment)
        self.prefix.end()
        if not passed:
            self.photographed = True  # the round has left its screenshot
            raise StepFailed("the round failed")

    # --- the three downloads ---------------------------------------------

    def installed(self):
        """The folder that `cmake --install` lays out, as a player unpacks it."""
        self.prefix.make()
        place = self.scratch / "Ігри гравця" / "Хрестики нолики"
        self.command("install", self.options.cmake, "--install", self.options.build,
                     "--prefix", place, "--strip", limit=600)
        left = re.findall(r"Left to Windows: (.*)", self.output())
        print(f"left to Windows: {left[-1] if left else 'nothing'}")
        files = [f for f in place.rglob("*") if f.is_file()]
        size = sum(f.stat().st_size for f in files)
        print(f"installed: {size / 2**20:.1f} MiB in {len(files)} files")
        self.play("installed-round", place / "khrestyky.exe", "--console", "--help-window",
                  "--screenshot", self.out / "windows-played.png")

    def zip(self):
        """The zip unpacked, played with wine's trace of the DLLs it loads
        on its way from the start screen through a move, the console and
        the help. Every DLL it loaded that is not Windows's own, wine's
        builtin ones, must come from the unpacked folder, and every DLL and
        plugin shipped must be one it loaded."""
        self.prefix.make()
        unpacked = self.scratch / "Завантаження гравця"
        self.command("unzip", "unzip", "-q", self.options.package, "-d", unpacked)
        folder = unpacked / Path(self.options.package).stem
        self.check(folder.is_dir(), f"the zip holds no folder {folder.name}")
        trace = self.scratch / "loaded.log"
        try:
            self.play("zip-round", folder / "khrestyky.exe", "--winedebug", "+loaddll",
                      "--log", trace, "--console", "--help-window")
        except StepFailed:
            missing = wine.missing_dlls(trace.read_text(errors="replace"))
            self.check(not missing, "not found: " + ", ".join(
                f"{dll}, which {PureWindowsPath(needer).name} needs"
                for dll, needer in missing))
            raise
        self.step("the DLLs loaded")
        loaded = [(self.prefix.unix_path(name), kind)
                  for name, kind in wine.loaded_dlls(trace.read_text(errors="replace"))]
        strays = [path for path, kind in loaded
                  if kind == "native" and not path.is_relative_to(folder)]
        self.check(not strays, "loaded from outside the unpacked folder: " + ", ".join(
            f"{path.name} from {path.parent}" for path in strays))
        names = {path.name.lower() for path, _ in loaded}
        shipped = {dll.name.lower() for dll in folder.rglob("*.dll")}
        self.check(shipped <= names, f"shipped but never loaded: {sorted(shipped - names)}")
        print(f"every one of the {len(shipped)} DLLs shipped was loaded, and no DLL but "
              "Windows's own from elsewhere")

    def installer(self):
        """The installer in a fresh prefix, at the scaling given and the
        environment's language: silently into Program Files, where the game
        is played and then uninstalled; then into a folder given with /D=;
        then by hand."""
        setup = Path(self.options.package)
        self.check_locale()
        self.prefix.make(fresh=True, log_pixels=self.options.log_pixels)
        scale = (self.options.log_pixels or 96) / 96
        print(f"the prefix: {round(scale * 100)} % scaling")

        self.prefix.run("installer", setup, "/S")
        drive = self.prefix.path / "drive_c"
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

        self.play("installed-by-setup-round", installed / "khrestyky.exe", "--scale", scale,
                  "--console", "--decimal-comma", "--help-window",
                  "--screenshot", self.out / "windows-setup-played.png")

        self.prefix.run("uninstaller", r"C:\Program Files\Khrestyky\Uninstall.exe", "/S")
        self.check(not installed.exists(),
                   f"the install folder is left: {list(installed.rglob('*'))[:5]}")
        self.check(not shortcuts[0].exists(), "the shortcut is left")
        self.check(not self.uninstall_entry(), "the uninstall entry is left")

        # NSIS takes the rest of its command line after /D= unquoted, and
        # wine would quote an argument that holds a blank: so the folder
        # comes in two.
        self.prefix.run("installer into a chosen folder", setup, "/S", r"/D=C:\Ігри\Хрестики",
                        "нолики")
        chosen = drive / "Ігри" / "Хрестики нолики"
        self.check((chosen / "khrestyky.exe").is_file(),
                   r"/D= did not install into C:\Ігри\Хрестики нолики")
        self.prefix.run("uninstaller of the chosen folder",
                        r"C:\Ігри\Хрестики нолики\Uninstall.exe", "/S")
        self.check(not chosen.exists(), "the chosen install folder is left")
        print("installed, played and uninstalled, into Program Files and a chosen folder, "
              "with nothing left")

        self.install_by_hand(setup)
        self.prefix.run("uninstaller after the installer by hand",
                        r"C:\Program Files\Khrestyky\Uninstall.exe", "/S")

    def check_locale(self):
        """Wine takes a new prefix's language from LANG, and without the
        locale on the machine it would give English."""
        language = self.prefix.environment.get("LANG", "")
        if language:
            known = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout
            self.check(language.lower().replace("utf-8", "utf8") in known.lower().split(),
                       f"the machine lacks the locale {language}, which wine would take the "
                       "prefix's language from: make it with localedef (Debian's locales)")
        print(f"the language: LANG={language}")

    def install_by_hand(self, setup):
        """The installer as a player runs it, pressing Return on each page
        for its default button, up to the last page: its box, ticked, starts
        the game, whose start screen must appear. Each page is kept as a
        screenshot in the --out folder."""
        self.step("installer by hand")
        for old in self.out.glob("windows-installer-page-*.png"):
            old.unlink()
        installer = screen.Program([self.wine, setup], self.scratch / "installer.log",
                                   env=self.prefix.environment)
        deadline = time.monotonic() + 2 * LIMIT
        page, pages, place = None, 0, None
        while True:
            try:
                seen = self.next_page(page, min(PAGE_LIMIT, deadline - time.monotonic()))
            except StepFailed:
                # A key that came before the page took the keyboard is
                # lost: the same page is pressed once more, within the
                # whole run's limit.
                if place is None or time.monotonic() + 1 >= deadline:
                    raise
                self.press_default(place)
                continue
            if seen == "game":
                break
            place, page = seen
            pages += 1
            self.check(pages <= MOST_PAGES, f"more than {MOST_PAGES} pages")
            page = Path(shutil.copy(page, self.out / f"windows-installer-page-{pages}.png"))
            self.press_default(place)
        print(f"after {pages} pages the last page's box started the game")
        installer.end()
        self.prefix.end()

    @staticmethod
    def press_default(place):
        """A click on the window's bottom-left corner, where no control
        lies, gives it the keyboard; Return presses the page's default
        button."""
        x, y, _, height = place
        screen.click(x + 4, y + height - 4)
        screen.key("Return")

    def next_page(self, last, limit):
        """Waits until the installer shows a page other than the last, drawn
        to its end, or the game its start screen. The page's place and
        picture, or "game"."""
        since = steady = None

        def seen():
            nonlocal since, steady
            if screen.windows(play_round.START_TITLE):
                return "game"
            found = [window for window in screen.windows(INSTALLER_TITLE)
                     if "від" not in screen.window_name(window)]
            place = screen.geometry(found[0]) if found else None
            if not place:
                return None
            picture = screen.grab(self.scratch / f"page-{time.monotonic_ns()}.png", place)
            if not steady or screen.difference(picture, steady) >= STEADY:
                since, steady = time.monotonic(), picture
                return None
            drawn = time.monotonic() - since >= STEADY_SECONDS
            new = last is None or screen.difference(steady, last) > NEW_PAGE
            return (place, steady) if drawn and new else None
        return screen.poll(seen, max(round(limit), 0),
                           "installer page after the last, nor the game's start screen,")

    def uninstall_entry(self):
        """The entry in the list of installed programs, as wine keeps it:
        text with \\x escapes for what is not ASCII."""
        lines, found = [], False
        hive = self.prefix.path / UNINSTALL_HIVE
        for line in hive.read_text(errors="replace").splitlines():
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
                     f'"DisplayVersion"="{self.options.version}"',
                     r'"DisplayIcon"="C:\\Program Files\\Khrestyky\\khrestyky.exe"',
                     '"Publisher"="The Khrestyky-nolyky developers"',
                     r'"UninstallString"="\"C:\\Program Files\\Khrestyky\\Uninstall.exe\""'):
            self.check(line in entry, f"the uninstall entry lacks {line}: {entry}")
        self.check(any(line.startswith('"EstimatedSize"=dword:') for line in entry),
                   "the uninstall entry has no size")


def parse():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    downloads = parser.add_subparsers(dest="download", required=True)
    common = argparse.ArgumentParser(add_help=False)
    common.add_argument("--prefix", required=True,
                        help="the folder of the test's own wine prefix, made there")
    common.add_argument("--wine", required=True, help="wine's 64-bit loader")
    common.add_argument("--wineserver", required=True, help="wine's server")
    common.add_argument("--out", required=True, help="where the screenshots go")
    installed = downloads.add_parser("installed", parents=[common])
    installed.add_argument("--cmake", required=True, help="the cmake that installs")
    installed.add_argument("--build", required=True, help="the Windows build tree")
    zipped = downloads.add_parser("zip", parents=[common])
    zipped.add_argument("--package", required=True, help="the zip")
    installer = downloads.add_parser("installer", parents=[common])
    installer.add_argument("--package", required=True, help="the installer")
    installer.add_argument("--version", required=True, help="the version it installs")
    installer.add_argument("--log-pixels", type=int,
                           help="the display scaling in dots per inch (96 is 100 %%)")
    return parser.parse_args()


def main():
    options = parse()
    with Release(options) as release:
        getattr(release, options.download)()
    if release.failed:
        return 1
    print(f"passed: {options.download}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
