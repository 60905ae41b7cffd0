# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
"""Wine for the test drivers: a prefix of a driver's own, its registry, and
what wine's trace of the loaded DLLs says.

Wine's other settings (WINEARCH, WINEDEBUG, WINEDLLOVERRIDES) come from the
environment, as CTest gives them.
"""
import os
import re
import shutil
from pathlib import Path

from screen import LIMIT, StepFailed, run

# The file by which a prefix is known as one that these drivers made.
MARK = "made-by-khrestyky-test"
# Where wine keeps the registry's hives: HKCU and HKLM.
HIVES = {"HKCU": "user.reg", "HKLM": "system.reg"}


class Prefix:
    """A wine prefix in a folder given to the driver, made there by the
    driver. Programs run in it with no WINEPATH, so that a Windows program
    finds its DLLs where a player's Windows would: in its own folder and in
    the system's. A folder that holds anything this class did not make is
    never touched."""

    def __init__(self, driver, path, wine, wineserver):
        self.driver = driver
        self.path = Path(path).resolve()
        self.wine = wine
        self.wineserver = wineserver
        self.environment = {name: value for name, value in os.environ.items()
                            if name != "WINEPATH"}
        self.environment["WINEPREFIX"] = str(self.path)
        self.owned = False

    def make(self, fresh=False, log_pixels=None, windows=None):
        """Makes the prefix unless it is there; with fresh, makes it anew.
        A new prefix takes the display scaling of log_pixels, in dots per
        inch (96 is 100 %), and reports the Windows named as winecfg names
        it (win10, win81, win7), when they are given: wine 8 reports
        Windows 7 unless told otherwise, and the installer refuses it."""
        made_here = (self.path / MARK).exists()
        if not made_here and self.path.exists() and any(self.path.iterdir()):
            raise StepFailed(f"{self.path} holds something that these tests did not make, "
                             "which they leave alone: give them another folder")
        self.owned = True
        self.end()  # what a run that was killed may have left running
        if made_here and (fresh or not (self.path / "system.reg").exists()):
            shutil.rmtree(self.path)
        if (self.path / "system.reg").exists():
            return
        self.path.mkdir(parents=True, exist_ok=True)
        (self.path / MARK).write_text("A wine prefix of the release tests, made anew at will.\n")
        self.run("boot", "wineboot", "--init")
        if log_pixels:
            self.run("display scaling", "reg", "add", r"HKCU\Control Panel\Desktop",
                     "/v", "LogPixels", "/t", "REG_DWORD", "/d", log_pixels, "/f")
        if windows:
            self.run(f"Windows version {windows}", "reg", "add", r"HKCU\Software\Wine",
                     "/v", "Version", "/d", windows, "/f")

    def run(self, name, *arguments, limit=LIMIT, check=True):
        """A Windows program run to its end as a step of the driver, then
        the prefix's server; the program's exit status, which with check
        must be 0."""
        status = self.driver.command(name, self.wine, *arguments, limit=limit, check=check,
                                     env=self.environment)
        self.driver.command(f"{name}: the wine server's end", self.wineserver, "-w",
                            limit=limit, env=self.environment)
        return status

    def end(self):
        """Ends every program of the prefix, if the driver made it, and
        waits for its server."""
        if not self.owned:
            return
        run(self.wineserver, "-k", check=False, env=self.environment)
        run(self.wineserver, "-w", env=self.environment)

    def key(self, hive, key):
        """The values of a registry key, by name ("" for the default value),
        as the prefix's registry file holds them when its server has ended:
        strings decoded, other values as written. None when there is no
        such key."""
        header = "[" + key.replace("\\", "\\\\").lower() + "]"
        values, found = {}, False
        for line in (self.path / HIVES[hive]).read_text(errors="replace").splitlines():
            if line.lower().startswith(header):
                found = True
            elif found and line.startswith("["):
                break
            elif found and (match := re.match(r'^(@|"((?:[^"\\]|\\.)*)")=(.*)$', line)):
                name = "" if match.group(1) == "@" else registry_string(match.group(2))
                value = match.group(3)
                values[name] = registry_string(value[1:-1]) if value.startswith('"') else value
        return values if found else None

    def keys(self, hive):
        """The names of every key of a hive, as its file writes them."""
        text = (self.path / HIVES[hive]).read_text(errors="replace")
        return [registry_string(name) for name in re.findall(r"^\[(.*)\] \d+$", text, re.M)]

    def unix_path(self, windows_path):
        """Where a Windows path of the prefix lies on this machine."""
        drive, _, rest = windows_path.partition(":")
        root = (self.path / "dosdevices" / f"{drive.lower()}:").resolve()
        return root.joinpath(*[part for part in rest.split("\\") if part])


def registry_string(text):
    """A string as wine's registry files write it: backslashes and quotes
    escaped, a character beyond ASCII as \\x and up to four hexadecimal
    digits (four when a hexadecimal digit follows)."""
    def character(match):
        escape = match.group(1)
        if escape.startswith("x"):
            return chr(int(escape[1:], 16))
        return {"n": "\n", "r": "\r", "t": "\t", "0": "\0"}.get(escape, escape)
    return re.sub(r"\\(x[0-9a-fA-F]{1,4}|.)", character, text)


def loaded_dlls(trace):
    """The DLLs that wine's +loaddll trace says were loaded, in their
    order: each its Windows path and whether it was wine's own, builtin,
    or a file, native."""
    loaded = []
    for name, cut, kind in re.findall(
            r'Loaded L"((?:[^"\\]|\\.)*)"(\.\.\.)? at \w+: (builtin|native)', trace):
        if cut:
            raise StepFailed(f"the trace cut a name short: {name}...")
        loaded.append((unescape(name), kind))
    return loaded


def missing_dlls(trace):
    """The DLLs that the trace says were not found, each with the file that
    needed it."""
    return [(dll, unescape(needer)) for dll, needer in re.findall(
        r'Library (\S+) \(which is needed by L"((?:[^"\\]|\\.)*)"\) not found', trace)]


def unescape(text):
    """A string as wine's trace writes it: backslashes doubled, a character
    beyond ASCII as \\NNNN or \\xNNNN in hexadecimal."""
    def character(match):
        escape = match.group(1)
        if len(escape) >= 4:
            return chr(int(escape.lstrip("x"), 16))
        return {"n": "\n", "r": "\r", "t": "\t"}.get(escape, escape)
    return re.sub(r"\\(x?[0-9a-fA-F]{4}|.)", character, text)
