#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
"""The installer over a player's years with the game, under wine, on the
current X display.

    installer_test.py upgrade --mode MODE  OLDER  COMMON
        the older version, silently in MODE: current-user, all-users (with
        /ALLUSERS), or chosen-folder (for the current user, into
        C:\\Ігри\\Хрестики нолики); then this version over it, silently,
        with no mode or folder given. The game must be listed once, in the
        same mode and folder, with this version, and the file that only the
        older version ships must be gone. Then a round, and the uninstall,
        which must leave nothing.
    installer_test.py repair  COMMON
        this version over itself, with files of the install gone: they
        are back, and the game is listed once
    installer_test.py by-hand  OLDER  COMMON
        the older version, silently; then this one by hand, Return on each
        window: the first asks whether to replace the older version, and
        the last page's box starts the game
    installer_test.py windows-check  COMMON
        the installer on each Windows that wine is made to report: it stops
        on those before 64-bit Windows 10 1809, with nothing installed, and
        installs on the others; on the first, by hand, it says why
    OLDER: --older SETUP --older-version VERSION --retired FILE
    COMMON: --package SETUP --version VERSION
            --prefix FOLDER --wine WINE64 --wineserver WINESERVER --out FOLDER

Each test makes its own wine prefix anew in the folder given, in the
language of LANG, reporting Windows 10 unless the test says otherwise, and
prints the lists of installed programs as it goes. Screenshots go to the
--out folder. Every step that waits on wine or on a window has its own
limit; one that runs out or fails names itself and leaves a screenshot and
the output. Whatever happens, every program of the prefix is ended at the
end.
"""
import argparse
import sys
from pathlib import Path

sys.dont_write_bytecode = True  # no __pycache__ beside the drivers
import release_test  # noqa: E402
import screen  # noqa: E402
from release_test import CHOSEN_FOLDER, CHOSEN_FOLDER_ARGUMENTS, PROGRAM_FILES  # noqa: E402
from screen import LIMIT, StepFailed  # noqa: E402

# The install modes: the older installer's arguments, the hive of the
# install's entries, and its folder (None: the current user's own programs
# folder).
MODES = {
    "current-user": ([], "HKCU", None),
    "all-users": (["/ALLUSERS"], "HKLM", PROGRAM_FILES),
    "chosen-folder": (CHOSEN_FOLDER_ARGUMENTS, "HKCU", CHOSEN_FOLDER),
}
# The Windows that wine is made to report, through what the installer's
# check (WinVer.nsh) reads: wine's own Windows version, as winecfg sets
# it, or, with none set, the version and build in the registry. Whether
# the installer goes on.
WINDOWS = [
    ("Windows 7 SP1", {"wine": "win7"}, False),
    ("Windows 8.1", {"wine": "win81"}, False),
    ("Windows 10 1803, build 17134", {"build": "17134"}, False),
    ("Windows 10 1809, build 17763", {"build": "17763"}, True),
    ("Windows 10 as wine reports it", {"wine": "win10"}, True),
]
# The exit status of an installer that its script stops before it starts.
STOPPED = 2


class Lifecycle(release_test.Release):
    def __init__(self, options):
        super().__init__(options)
        name = options.download + (f"-{options.mode}" if options.download == "upgrade" else "")
        self.failure_screenshot = self.out / f"windows-installer-{name}-failed.png"
        self.setup = Path(options.package)
        self.version = options.version

    def make_prefix(self):
        self.check_locale()
        self.prefix.make(fresh=True, windows="win10")

    def report_windows(self, how):
        """Has wine report a Windows: by its own version setting, or by the
        version and build in the registry, with that setting removed."""
        if "wine" in how:
            self.prefix.run(f"Windows version {how['wine']}", "reg", "add",
                            r"HKCU\Software\Wine", "/v", "Version", "/d", how["wine"], "/f")
            return
        # The setting may not be there: reg then fails, as it may.
        self.prefix.run("no Windows version setting", "reg", "delete", r"HKCU\Software\Wine",
                        "/v", "Version", "/f", check=False)
        key = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion"
        for name, kind, value in (("CurrentMajorVersionNumber", "REG_DWORD", "10"),
                                  ("CurrentMinorVersionNumber", "REG_DWORD", "0"),
                                  ("CurrentVersion", "REG_SZ", "10.0"),
                                  ("CurrentBuild", "REG_SZ", how["build"]),
                                  ("CurrentBuildNumber", "REG_SZ", how["build"])):
            self.prefix.run(f"Windows {name} {value}", "reg", "add", key, "/v", name,
                            "/t", kind, "/d", value, "/f")

    # --- the tests ----------------------------------------------------------

    def upgrade(self):
        """The older version in a mode, then this one over it."""
        arguments, hive, folder = MODES[self.options.mode]
        self.make_prefix()
        folder = folder or self.local_programs()
        retired = self.options.retired
        self.prefix.run(f"older installer, {self.options.mode}", self.options.older, "/S",
                        *arguments)
        place = self.check_install(hive, folder, self.options.older_version)
        self.check((place / retired).is_file(), f"the older version has no {retired}")

        self.prefix.run("this installer over it", self.setup, "/S")
        self.check_install(hive, folder, self.version)
        self.check(not (place / retired).exists(),
                   f"{retired}, which only the older version ships, is left")
        self.play(f"upgraded-{self.options.mode}-round", place / "khrestyky.exe")

        self.uninstall(hive)
        self.check_nothing_left(place)

    def repair(self):
        """This installer over itself, with files of the install gone."""
        self.make_prefix()
        folder = self.local_programs()
        self.prefix.run("installer", self.setup, "/S")
        place = self.check_install("HKCU", folder, self.version)
        gone = [place / "khrestyky.exe", next(place.rglob("*.wav"))]
        for file in gone:
            file.unlink()
        self.prefix.run("installer again", self.setup, "/S")
        self.check_install("HKCU", folder, self.version)
        for file in gone:
            self.check(file.is_file(), f"{file.relative_to(place)} was not put back")
        print("put back:", ", ".join(str(file.relative_to(place)) for file in gone))
        self.uninstall("HKCU")
        self.check_nothing_left(place)

    def by_hand(self):
        """The older version silently, then this installer by hand: its
        first window asks whether to replace the older version, and Return
        answers yes and goes on through the pages to the last, whose box
        starts the game. The question is kept as
        windows-installer-question.png."""
        self.make_prefix()
        folder = self.local_programs()
        self.prefix.run("older installer", self.options.older, "/S")
        self.check_install("HKCU", folder, self.options.older_version)
        pictures = "windows-installer-upgrade-page"
        self.install_by_hand(self.setup, pictures)
        question = self.out / "windows-installer-question.png"
        (self.out / f"{pictures}-1.png").replace(question)
        print(f"the question: {question}")
        self.check_install("HKCU", folder, self.version)

    def windows_check(self):
        """The installer on each Windows of the table, silently: it stops,
        with nothing installed, on those before 64-bit Windows 10 1809, and
        installs on the others. On the first it is run by hand too: it says
        why it stops in a window of its own, kept as
        windows-installer-old-windows.png, and stops when that is closed."""
        self.make_prefix()
        folder = self.local_programs()
        for name, how, installs in WINDOWS:
            self.report_windows(how)
            status = self.prefix.run(f"installer on {name}", self.setup, "/S", check=False)
            if installs:
                self.check(status == 0, f"the installer failed on {name} ({status})")
                place = self.check_install("HKCU", folder, self.version)
                self.uninstall("HKCU")
                self.check_nothing_left(place)
            else:
                self.check(status == STOPPED, f"the installer did not stop on {name} ({status})")
                self.check(not self.entries() and not self.prefix.unix_path(folder).exists(),
                           f"the installer installed on {name}")
            print(f"{name}: {'installed' if installs else 'stopped'}")

        name, how, _ = WINDOWS[0]
        self.report_windows(how)
        self.step(f"installer by hand on {name}")
        installer = screen.Program([self.wine, self.setup], self.scratch / "installer.log",
                                   env=self.prefix.environment)
        window = screen.poll(lambda: screen.windows(release_test.INSTALLER_TITLE), LIMIT,
                             "window of the installer")[0]
        place = screen.poll(lambda: screen.geometry(window), LIMIT, "place of its window")
        picture = screen.grab(self.out / "windows-installer-old-windows.png", place)
        print(f"its message: {picture}")
        screen.click(place[0] + 4, place[1] + place[3] - 4)
        screen.key("Return")
        screen.poll(lambda: installer.process.poll() is not None, LIMIT, "end of the installer")
        status = installer.process.returncode
        self.check(status == STOPPED, f"the installer did not stop ({status})")
        self.check(not self.entries(), "the installer installed")


def parse():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    tests = parser.add_subparsers(dest="download", required=True)
    common = argparse.ArgumentParser(add_help=False)
    common.add_argument("--package", required=True, help="the installer")
    common.add_argument("--version", required=True, help="the version it installs")
    common.add_argument("--prefix", required=True,
                        help="the folder of the test's own wine prefix, made there")
    common.add_argument("--wine", required=True, help="wine's 64-bit loader")
    common.add_argument("--wineserver", required=True, help="wine's server")
    common.add_argument("--out", required=True, help="where the screenshots go")
    older = argparse.ArgumentParser(add_help=False)
    older.add_argument("--older", required=True, help="the installer of an older version")
    older.add_argument("--older-version", required=True, help="the version it installs")
    older.add_argument("--retired", required=True,
                       help="a file that only the older version ships, in its folder")
    upgrade = tests.add_parser("upgrade", parents=[common, older])
    upgrade.add_argument("--mode", required=True, choices=MODES)
    tests.add_parser("repair", parents=[common])
    tests.add_parser("by-hand", parents=[common, older])
    tests.add_parser("windows-check", parents=[common])
    return parser.parse_args()


def main():
    options = parse()
    with Lifecycle(options) as lifecycle:
        getattr(lifecycle, options.download.replace("-", "_"))()
    if lifecycle.failed:
        return 1
    print(f"passed: {options.download}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
