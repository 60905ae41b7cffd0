# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
"""What the test drivers share: the X display and the frame of a driver.

- poll() waits for what a step expects, within a limit;
- windows(), geometry(), click(), key(), type_text() find windows by title
  and drive the mouse and the keyboard (xdotool);
- grab(), difference(), colour_count() take and compare pictures of the
  screen (ImageMagick);
- run() runs a command to its end within a limit;
- Program is a program started with its output kept in a file;
- Driver is the frame of a driver's run: its steps, a scratch folder, a
  log, and on every exit its clean-up, with a failure reported by the
  step's name, a screenshot and the output.

Nothing here waits without a limit: a step that runs out of time fails
with StepFailed, which names what it waited for.
"""
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
from pathlib import Path

LIMIT = 120  # seconds; no step waits longer
INTERVAL = 0.1  # seconds between two looks at what a wait expects


class StepFailed(Exception):
    """A step that did not do what it should, or not within its limit."""


def poll(predicate, limit, what):
    """Calls predicate until it returns something true, and returns that;
    fails after limit seconds, naming what it waited for."""
    deadline = time.monotonic() + limit
    while True:
        found = predicate()
        if found:
            return found
        if time.monotonic() > deadline:
            raise StepFailed(f"no {what} within {limit} s")
        time.sleep(INTERVAL)


def run(*command, limit=LIMIT, check=True, **options):
    """Runs a command to its end within the limit; its output."""
    command = [str(part) for part in command]
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=limit, **options)
    except subprocess.TimeoutExpired:
        raise StepFailed(f"{command[0]} did not end within {limit} s") from None
    if check and done.returncode != 0:
        raise StepFailed(f"{' '.join(command)} failed ({done.returncode}): {done.stderr.strip()}")
    return done.stdout


# --- windows, the mouse and the keyboard -----------------------------------

def windows(title):
    """The visible windows whose titles match the regular expression."""
    return run("xdotool", "search", "--onlyvisible", "--name", title, check=False).split()


def window_name(window):
    return run("xdotool", "getwindowname", window, check=False).strip()


def geometry(window):
    """A window's place and size, (x, y, width, height), or None when it
    has gone."""
    text = run("xdotool", "getwindowgeometry", "--shell", window, check=False)
    values = dict(line.split("=", 1) for line in text.split())
    keys = ("X", "Y", "WIDTH", "HEIGHT")
    return tuple(int(values[key]) for key in keys) if all(key in values for key in keys) else None


def click(x, y):
    run("xdotool", "mousemove", x, y, "click", "1")


def key(*keys):
    run("xdotool", "key", *keys)


def type_text(text):
    run("xdotool", "type", "--delay", "50", "--", text)


# --- pictures of the screen ------------------------------------------------

def grab(path, rectangle=None):
    """The screen, or the rectangle (x, y, width, height) of it, as a PNG
    file; its path."""
    crop = []
    if rectangle:
        x, y, width, height = rectangle
        crop = ["-crop", f"{width}x{height}+{x}+{y}", "+repage"]
    run("import", "-window", "root", *crop, path)
    return Path(path)


def screenshot(path):
    """The whole screen for a failure's report, as far as it can be taken;
    says where it is."""
    try:
        grab(path)
        print(f"the screen is in {path}", file=sys.stderr)
    except StepFailed as failure:
        print(f"no screenshot: {failure}", file=sys.stderr)


def difference(first, second):
    """The root mean square difference of two pictures, 0 to 1; pictures
    of two sizes differ wholly."""
    done = subprocess.run(["compare", "-metric", "RMSE", str(first), str(second), "null:"],
                          capture_output=True, text=True, timeout=LIMIT)
    match = re.search(r"\(([0-9.e+-]+)\)", done.stderr)
    if not match and "widths or heights differ" in done.stderr:
        return 1.0
    if not match:
        raise StepFailed(f"compare failed: {done.stderr.strip()}")
    return float(match.group(1))


def colour_count(picture, colour, fuzz="0%"):
    """How many pixels of the picture have the colour, or one within fuzz
    of it."""
    return int(run("convert", picture, "-fuzz", fuzz, "-fill", "black", "+opaque", colour,
                   "-fill", "white", "-opaque", colour,
                   "-format", "%[fx:int(mean*w*h+0.5)]", "info:"))


# --- programs --------------------------------------------------------------

class Program:
    """A program started in the background, its output kept in a file."""

    def __init__(self, command, log, **options):
        self.log = Path(log)
        with open(self.log, "w") as output:
            self.process = subprocess.Popen([str(part) for part in command], stdout=output,
                                            stderr=subprocess.STDOUT, **options)

    def check_running(self):
        if self.process.poll() is not None:
            raise StepFailed(f"the program ended by itself ({self.process.returncode})")

    def output(self):
        return self.log.read_text(errors="replace") if self.log.exists() else ""

    def end(self):
        """Ends the program, if it still runs, and waits for its end."""
        if self.process.poll() is None:
            self.process.kill()
        try:
            self.process.wait(timeout=LIMIT)
        except subprocess.TimeoutExpired:
            raise StepFailed(f"the program did not end within {LIMIT} s of its kill") from None


# --- the frame of a driver -------------------------------------------------

def ended_from_outside(number, frame):
    """A driver that is told to end fails, and so cleans up."""
    raise StepFailed(f"ended from outside (signal {number})")


class Driver:
    """A driver's run. Its work goes in a `with` block:

        with SomeDriver(...) as driver:
            driver.do_this()
        sys.exit(1 if driver.failed else 0)

    Whatever happens in the block, clean_up() runs at its end, and a
    failure, of the work or of the clean-up, is reported: the step's name,
    what went wrong, a screenshot and the end of the output. Subclasses end
    what they started in clean_up() and may give more output in output().
    """

    def __init__(self, failure_screenshot):
        self.failure_screenshot = Path(failure_screenshot)
        self.scratch = Path(tempfile.mkdtemp(prefix="khrestyky-test-"))
        self.log = self.scratch / "output.log"
        self.step_name = "start"
        self.failed = False
        self.photographed = False

    def step(self, name):
        """Names the step that begins, for the progress and the report."""
        self.step_name = name
        print(f"== {name}", flush=True)

    def command(self, name, *command, limit=LIMIT, check=True, **options):
        """Runs a command as a step of its own, to its end within the limit,
        and returns its exit status; its output goes to the log. One that
        runs out of time is photographed before it is ended: the screen
        shows what it waited on. With check, a status other than 0 fails
        the step."""
        self.step(name)
        with open(self.log, "a") as log:
            log.write(f"--- {name}: {' '.join(map(str, command))}\n")
            log.flush()
            process = subprocess.Popen([str(part) for part in command], stdout=log,
                                       stderr=subprocess.STDOUT, **options)
            try:
                status = process.wait(timeout=limit)
            except subprocess.TimeoutExpired:
                self.photograph()
                process.kill()
                process.wait()
                raise StepFailed(f"did not end within {limit} s") from None
        if check and status != 0:
            raise StepFailed(f"failed with status {status}")
        return status

    def check(self, condition, message):
        if not condition:
            raise StepFailed(message)

    def output(self):
        """What the programs driven printed."""
        return self.log.read_text(errors="replace") if self.log.exists() else ""

    def clean_up(self):
        """Ends what the driver started; runs on every exit."""

    def photograph(self):
        if not self.photographed:
            self.photographed = True
            screenshot(self.failure_screenshot)

    def report(self, error):
        self.failed = True
        if isinstance(error, StepFailed):
            message = str(error)
        else:
            message = "".join(traceback.format_exception(error)).rstrip()
        print(f"FAIL: {self.step_name}: {message}", file=sys.stderr)
        self.photograph()
        output = self.output()
        if output:
            print("--- the output, to its end:", file=sys.stderr)
            print(output[-8000:], file=sys.stderr)

    def __enter__(self):
        signal.signal(signal.SIGTERM, ended_from_outside)
        return self

    def __exit__(self, kind, error, trace):
        if isinstance(error, Exception):
            self.report(error)
        try:
            self.clean_up()
        except Exception as failure:
            self.report(failure)
        finally:
            shutil.rmtree(self.scratch, ignore_errors=True)
        # A failure is reported; an interrupt goes on.
        return isinstance(error, Exception)
