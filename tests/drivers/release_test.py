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
        the installer, silently: for the current user into their own
        programs folder, where the game is played, for all users into
        Program Files, and into a folder given with /D=, each uninstalled
        with nothing left; then run by hand, page by page
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

# The game's name, and the keys where the installer lists it among the
# installed programs and keeps its folder: under HKCU for an install for
# the current user, under HKLM for one for all users.
NAME = "Хрестики-нолики"
UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Khrestyky"
FOLDER_KEY = r"Software\The Khrestyky-nolyky developers\Khrestyky"
PROGRAM_FILES = r"C:\Program Files\Khrestyky"
CHOSEN_FOLDER = r"C:\Ігри\Хрестики нолики"
# NSIS takes the rest of its command line after /D= unquoted, and wine
# would quote an argument that holds a blank: so the folder comes in two.
CHOSEN_FOLDER_ARGUMENTS = [r"/D=C:\Ігри\Хрестики", "нолики"]
# The installer's windows, not the game's.
INSTALLER_TITLE = NAME
MOST_PAGES = 12
# A page is drawn when it has looked the same for this long, but for a
# blinking caret (the folder's field on the folder page), which changes a
# page by less than STEADY; a new page differs from the last by more than
# NEW_PAGE.
STEADY_SECONDS = 0.5
STEADY, NEW_PAGE = 0.012, 0.02
# How long a page may take to follow the key that leaves the last one; the
# first, the installer's start, has the whole limit.
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
        """The installer in a fresh prefix that reports Windows 10, at the
        scaling given and in the environment's language, silently: for the
        current user, into their own programs folder, where the game is
        played; for all users (/ALLUSERS), into Program Files; and for the
        current user into a folder given with /D=. Each is uninstalled as
        the list of installed programs says, with nothing left. Last, by
        hand."""
        setup = Path(self.options.package)
        version = self.options.version
        self.check_locale()
        self.prefix.make(fresh=True, log_pixels=self.options.log_pixels, windows="win10")
        scale = (self.options.log_pixels or 96) / 96
        print(f"the prefix: {round(scale * 100)} % scaling")

        self.prefix.run("installer", setup, "/S")
        place = self.check_install("HKCU", self.local_programs(), version)
        self.play("installed-by-setup-round", place / "khrestyky.exe", "--scale", scale,
                  "--console", "--decimal-comma", "--help-window",
                  "--screenshot", self.out / "windows-setup-played.png")
        self.uninstall("HKCU")
        self.check_nothing_left(place)

        self.prefix.run("installer for all users", setup, "/S", "/ALLUSERS")
        place = self.check_install("HKLM", PROGRAM_FILES, version)
        self.uninstall("HKLM")
        self.check_nothing_left(place)

        self.prefix.run("installer into a chosen folder", setup, "/S", *CHOSEN_FOLDER_ARGUMENTS)
        place = self.check_install("HKCU", CHOSEN_FOLDER, version)
        self.uninstall("HKCU")
        self.check_nothing_left(place)
        print("installed for the current user, for all users and into a chosen folder, "
              "and uninstalled, with nothing left")

        self.install_by_hand(setup)
        self.check_install("HKCU", self.local_programs(), version)
        self.uninstall("HKCU")

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

    def install_by_hand(self, setup, pictures="windows-installer-page"):
        """The installer as a player runs it, pressing Return on each page
        for its default button, up to the last page: its box, ticked, starts
        the game, whose start screen must appear. Each page is kept as a
        screenshot in the --out folder, named pictures-N.png. The pages."""
        self.step("installer by hand")
        for old in self.out.glob(f"{pictures}-*.png"):
            old.unlink()
        installer = screen.Program([self.wine, setup], self.scratch / "installer.log",
                                   env=self.prefix.environment)
        deadline = time.monotonic() + 2 * LIMIT
        page, pages, place = None, 0, None
        while True:
            try:
                limit = PAGE_LIMIT if place else LIMIT
                seen = self.next_page(page, min(limit, deadline - time.monotonic()))
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
            page = Path(shutil.copy(page, self.out / f"{pictures}-{pages}.png"))
            self.press_default(place)
        print(f"after {pages} pages the last page's box started the game")
        installer.end()
        self.prefix.end()
        return pages

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

    # --- what an install leaves -------------------------------------------

    def entries(self):
        """The game's entries in the lists of installed programs, by hive;
        printed, as the player would see them listed."""
        entries = {hive: entry for hive in wine.HIVES
                   if (entry := self.prefix.key(hive, UNINSTALL_KEY))}
        for hive, entry in entries.items():
            print(f"  listed in {hive}: {entry.get('DisplayName')} {entry.get('DisplayVersion')}, "
                  f"uninstalled by {entry.get('UninstallString')}")
        if not entries:
            print(f"  {NAME} is not listed")
        return entries

    def local_programs(self):
        """The game's folder in the current user's own programs folder."""
        folders = self.prefix.key(
            "HKCU", r"Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders")
        self.check(folders and "Local AppData" in folders, "the prefix names no Local AppData")
        return folders["Local AppData"] + r"\Programs\Khrestyky"

    def start_menu(self, hive):
        """The Start-menu folder of the current user (HKCU) or of all users
        (HKLM)."""
        drive = self.prefix.path / "drive_c"
        if hive == "HKLM":
            return drive / "ProgramData" / "Microsoft" / "Windows" / "Start Menu" / "Programs"
        roaming = next((drive / "users").glob("*/AppData/Roaming"))
        return roaming / "Microsoft" / "Windows" / "Start Menu" / "Programs"

    def check_install(self, hive, folder, version):
        """One entry in the lists of installed programs, in the hive of the
        install's mode, for this folder and version; the folder kept there;
        the game in the folder, and its shortcut in the mode's Start menu.
        The folder on this machine."""
        print(f"installed {version} into {folder}:")
        entries = self.entries()
        self.check(list(entries) == [hive],
                   f"the game is listed in {sorted(entries) or 'no hive'}, not in {hive} alone")
        entry = entries[hive]
        mode = "/AllUsers" if hive == "HKLM" else "/CurrentUser"
        for name, value in (("DisplayName", NAME), ("DisplayVersion", version),
                            ("DisplayIcon", folder + r"\khrestyky.exe"),
                            ("Publisher", "The Khrestyky-nolyky developers"),
                            ("UninstallString", f'"{folder}\\Uninstall.exe" {mode}')):
            self.check(entry.get(name) == value,
                       f"the entry's {name} is {entry.get(name)!r}, not {value!r}")
        self.check(entry.get("EstimatedSize", "").startswith("dword:"), "the entry has no size")
        kept = self.prefix.key(hive, FOLDER_KEY)
        self.check(kept and kept.get("") == folder, f"the folder kept is {kept}, not {folder}")
        place = self.prefix.unix_path(folder)
        self.check((place / "khrestyky.exe").is_file(), f"no khrestyky.exe in {folder}")
        shortcut = self.start_menu(hive) / NAME / f"{NAME}.lnk"
        self.check(shortcut.is_file(), f"no Start-menu shortcut {shortcut}")
        # A shortcut names its target in Unicode, or, as wine writes it, in
        # the system's ANSI code page.
        code_page = self.prefix.key("HKLM", r"System\CurrentControlSet\Control\Nls\CodePage")
        target = folder + r"\khrestyky.exe"
        self.check(any(target.encode(code) in shortcut.read_bytes()
                       for code in ("utf-16-le", f"cp{code_page['ACP']}")),
                   f"the shortcut does not name {target}")
        return place

    def uninstall(self, hive):
        """The uninstaller, silently, as the entry in the list of installed
        programs names it."""
        command = self.prefix.key(hive, UNINSTALL_KEY)["UninstallString"]
        match = re.fullmatch(r'"([^"]+)"(.*)', command)
        self.check(match, f"the uninstall command is no quoted program: {command}")
        self.prefix.run("uninstaller", match.group(1), *match.group(2).split(), "/S")

    def check_nothing_left(self, place):
        """The folder, the shortcuts and the game's registry keys are gone."""
        print("uninstalled:")
        self.entries()
        self.check(not place.exists(), f"the install folder is left: {list(place.rglob('*'))[:5]}")
        for hive in wine.HIVES:
            menu = self.start_menu(hive) / NAME
            self.check(not menu.exists(), f"the Start-menu folder is left: {menu}")
            left = [key for key in self.prefix.keys(hive) if "khrestyky" in key.lower()]
            self.check(not left, f"keys left in {hive}: {left}")


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
