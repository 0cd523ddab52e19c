"""Runs Windows programs under Wine on a private X display, for end-to-end tests.

One session (an Xvfb display and a fresh Wine prefix) serves a whole CTest run;
a fixture makes it once and removes it at the end:

    python3 harness.py setup STATE_DIR [--wintool PATH/wintool.exe] [--locale ja_JP.UTF-8]
    python3 harness.py cleanup STATE_DIR
    eval "$(python3 harness.py env STATE_DIR)"    # DISPLAY, WINEPREFIX, ... for shell scripts

Inside a test (python3, standard library only):

    session = Session.load(STATE_DIR)
    program = session.start(exe_path, *args, sound_capture=None)   # -> Program
    program.wait(timeout) -> exit code; program.running; program.ended_at (time.time())
    session.find_windows(class_name=, title=, parent=)  -> [Window]
    session.wait_for_window(class_name=, title=, visible=True, foreground=None, count=1, timeout=)
    session.watch_for_window(class_name=, title=)       -> WindowWatch; .wait(timeout) -> Window as first seen
    session.watch_window_gone(class_name=, title=)      -> GoneWatch; .wait(timeout) -> time.time() of the end
    session.open_plain_window(title, size=(w, h))      -> PlainWindow (.hwnd, .close())
    session.screenshot() -> Screenshot (.pixel(x, y), .changed_fraction(other), .colour_stats())
    session.wait_for_screen_changes(n, timeout)        # the screen has been redrawn n times
    session.key('a'), session.move_to(x, y), session.move_by(dx, dy), session.click(1|2|3), session.pointer()
    session.wine('reg', 'add', ...)                     # a Wine built-in command, run to its end
    session.end_all()                                   # every process of the prefix ends

`WineTestCase` is a unittest base class holding a session and a per-test work folder, and
ending every program of the test in tearDown. Sound: `start(..., sound_capture=PATH)` gives
that program one ALSA wave device that writes raw 16-bit stereo 44.1 kHz to PATH.
"""

import argparse
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest

SCREEN_SIZE = (1024, 768)
POLL_SECONDS = 0.02


class HarnessError(Exception):
    pass


def wait_until(condition, timeout, what, poll=POLL_SECONDS):
    """Polls `condition` until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise HarnessError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(poll)


class Program:
    """A process started under Wine. The unix process is the Windows process."""

    def __init__(self, popen, name, output_path):
        self.popen = popen
        self.name = name
        self.output_path = output_path
        self.exit_code = None
        self.ended_at = None
        self._ended = threading.Event()
        threading.Thread(target=self._wait_for_end, daemon=True).start()

    def _wait_for_end(self):
        code = self.popen.wait()
        self.ended_at = time.time()
        self.exit_code = code
        self._ended.set()

    @property
    def running(self):
        return not self._ended.is_set()

    def wait(self, timeout):
        """The exit code; raises HarnessError when the program is still running after `timeout` s."""
        if not self._ended.wait(timeout):
            raise HarnessError(f"{self.name} still running after {timeout} s")
        return self.exit_code

    def kill(self):
        if self.running:
            try:
                self.popen.kill()
            except ProcessLookupError:
                pass
            self._ended.wait(5)


class LineReader:
    """Reads the lines a program writes to its output file, with timeouts."""

    def __init__(self, path):
        self._path = path
        self._offset = 0

    def next_line(self, timeout, what):
        def complete_line():
            with open(self._path, "rb") as f:
                f.seek(self._offset)
                line = f.readline()
            if not line.endswith(b"\n"):
                return None
            self._offset += len(line)
            return line
        return wait_until(complete_line, timeout, what, poll=0.002).decode("utf-8", "replace").rstrip("\r\n")


class Window:
    """What wintool reports of one window. `pid` is the Windows process id."""

    def __init__(self, line):
        fields = dict(field.split("=", 1) for field in line.split("\t"))
        self.hwnd = int(fields["hwnd"])
        self.pid = int(fields["pid"])
        self.rect = tuple(int(fields[k]) for k in ("left", "top", "right", "bottom"))
        self.style = int(fields["style"], 16)
        self.exstyle = int(fields["exstyle"], 16)
        self.visible = fields["visible"] == "1"
        self.foreground = fields["foreground"] == "1"
        self.class_name = fields["class"]
        self.title = fields["title"]

    WS_EX_TOPMOST = 0x00000008

    @property
    def topmost(self):
        return bool(self.exstyle & self.WS_EX_TOPMOST)

    def __repr__(self):
        return (f"Window(hwnd={self.hwnd}, pid={self.pid}, class={self.class_name!r}, title={self.title!r}, "
                f"rect={self.rect}, style=0x{self.style:08x}, exstyle=0x{self.exstyle:08x}, "
                f"visible={self.visible}, foreground={self.foreground})")


class WindowWatch:
    """A wintool looking inside Wine for a window: it sees the window within milliseconds of its creation."""

    def __init__(self, reader):
        self._reader = reader

    def wait(self, timeout):
        """The first matching window, as first seen."""
        return Window(self._reader.next_line(timeout, "the window to appear"))


class GoneWatch:
    """A wintool watching for the last window of a kind to go."""

    def __init__(self, reader):
        self._reader = reader

    def wait(self, timeout):
        """time.time() at which the window went."""
        line = self._reader.next_line(timeout, "the window to go")
        return float(line.split()[1])


class PlainWindow:
    """A plain top-level window of wintool's, open until close()."""

    def __init__(self, program, hwnd, stop_file):
        self.program = program
        self.hwnd = hwnd
        self._stop_file = stop_file

    def close(self):
        open(self._stop_file, "w").close()
        self.program.wait(10)


class Screenshot:
    """An RGB picture of the whole screen."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    @staticmethod
    def from_ppm(raw):
        tokens = []
        position = 0
        while len(tokens) < 4:  # magic, width, height, maxval
            while raw[position:position + 1].isspace():
                position += 1
            if raw[position:position + 1] == b"#":
                position = raw.index(b"\n", position) + 1
                continue
            end = position
            while not raw[end:end + 1].isspace():
                end += 1
            tokens.append(raw[position:end])
            position = end
        position += 1  # the single white-space byte before the pixels
        if tokens[0] != b"P6":
            raise HarnessError(f"not a binary PPM: {tokens[0]!r}")
        width, height, maxval = (int(t) for t in tokens[1:])
        pixels = raw[position:]
        if maxval > 255:  # 16-bit samples, most significant byte first
            pixels = pixels[0::2]
        return Screenshot(width, height, bytes(pixels[:width * height * 3]))

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def sample(self, step=4):
        """Every `step`-th pixel of every `step`-th row."""
        for y in range(0, self.height, step):
            row = self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
            for x in range(0, self.width, step):
                yield tuple(row[x * 3:x * 3 + 3])

    def differs_from(self, other):
        return self.rgb != other.rgb

    def changed_fraction(self, other, step=4):
        """The fraction of sampled pixels that differ between the two pictures."""
        pairs = list(zip(self.sample(step), other.sample(step)))
        return sum(1 for a, b in pairs if a != b) / len(pairs)

    def colour_stats(self, step=4):
        """Fractions of lit and of coloured (not grey) pixels, and how many distinct colours."""
        total = lit = coloured = 0
        colours = set()
        for r, g, b in self.sample(step):
            total += 1
            if max(r, g, b) > 24:
                lit += 1
            if max(r, g, b) - min(r, g, b) > 32:
                coloured += 1
            colours.add((r >> 3, g >> 3, b >> 3))
        return {"lit": lit / total, "coloured": coloured / total, "distinct": len(colours)}


class Session:
    """A display and a Wine prefix made by `setup`."""

    def __init__(self, state):
        self.state = state
        self.state_dir = state["state_dir"]
        self.display = state["display"]
        self.prefix = state["prefix"]
        self.wintool = state["wintool"]
        self.env = dict(os.environ)
        for name in list(self.env):
            if name.startswith("LC_") or name in ("LANGUAGE", "ALSA_CONFIG_PATH"):
                del self.env[name]
        self.env.update(state["env"])
        self._started = []
        self._log_count = 0
        self._server_ready = False

    @staticmethod
    def load(state_dir):
        with open(os.path.join(state_dir, "session.json")) as f:
            return Session(json.load(f))

    # -- programs ---------------------------------------------------------

    def _log_path(self, name):
        self._log_count += 1
        return os.path.join(self.state_dir, "logs", f"{os.getpid()}-{self._log_count}-{name}.log")

    def _popen(self, command, name, cwd=None, env=None):
        # NOTE: the first Wine program after the server starts brings up Wine's
        # own services, which inherit its output. Had it a pipe, reading that
        # pipe to its end would wait for them: output always goes to files.
        if command[0] == "wine" and not self._server_ready:
            self._server_ready = True
            self._warm_up()
        output_path = self._log_path(name)
        with open(output_path, "wb") as output:
            popen = subprocess.Popen(command, cwd=cwd, env=env or self.env, stdin=subprocess.DEVNULL,
                                     stdout=output, stderr=subprocess.STDOUT)
        program = Program(popen, name, output_path)
        self._started.append(program)
        return program

    def _run(self, command, name, timeout):
        """Runs to the end; returns the exit code and the output, and forgets the output file."""
        program = self._popen(command, name)
        code = program.wait(timeout)
        self._started.remove(program)
        with open(program.output_path, "rb") as f:
            output = f.read().decode("utf-8", "replace")
        os.remove(program.output_path)
        return code, output

    def start(self, exe_path, *args, cwd=None, sound_capture=None):
        """Starts a Windows program; `sound_capture` is a file that receives everything it plays."""
        env = self.env
        if sound_capture is not None:
            env = dict(self.env, ALSA_CONFIG_PATH=self._alsa_capture_config(sound_capture))
        name = os.path.basename(exe_path)
        return self._popen(["wine", exe_path, *args], name, cwd=cwd or os.path.dirname(exe_path), env=env)

    def _alsa_capture_config(self, capture_path):
        capture_path = os.path.abspath(capture_path)
        config = capture_path + ".alsa.conf"
        with open(config, "w") as f:
            f.write("</usr/share/alsa/alsa.conf>\n"
                    f'pcm.!default {{ type file; slave.pcm "null"; file "{capture_path}"; format "raw" }}\n'
                    "ctl.!default { type hw card 0 }\n")
        return config

    def wine(self, *args, timeout=60):
        """Runs a Wine built-in such as `reg` to its end; returns its output."""
        code, output = self._run(["wine", *args], args[0], timeout)
        if code != 0:
            raise HarnessError(f"wine {' '.join(args)} failed with {code}: {output}")
        return output

    def _wintool(self, *args, timeout=30):
        return self._run(["wine", self.wintool, *args], "wintool", timeout)

    def _warm_up(self):
        """Starts a wineserver that stays until `end_all`, with Wine's own services up."""
        # NOTE: a program started while a fresh wineserver is still bringing up
        # Wine's services, or while an idle one is shutting down, sometimes
        # never gets going. A persistent server, warmed up by one finished
        # program, has neither moment.
        # The server goes into the background holding its output: no pipes.
        subprocess.run(["wineserver", "-p"], env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        self.wine("reg", "query", r"HKCU\Software\Wine")

    def end_all(self):
        """Ends every process of the prefix, the started ones first."""
        for program in self._started:
            program.kill()
        self._started.clear()
        self._server_ready = False
        subprocess.run(["wineserver", "-k"], env=self.env, stdin=subprocess.DEVNULL, capture_output=True)
        subprocess.run(["wineserver", "-w"], env=self.env, stdin=subprocess.DEVNULL, capture_output=True)

    # -- windows ----------------------------------------------------------

    @staticmethod
    def _query_args(class_name, title, parent):
        args = []
        if class_name is not None:
            args += ["--class", class_name]
        if title is not None:
            args += ["--title", title]
        if parent is not None:
            args += ["--parent", str(parent)]
        return args

    def find_windows(self, class_name=None, title=None, parent=None):
        """Top-level windows (or the children of `parent`) of that class and/or title."""
        _, out = self._wintool("find", *self._query_args(class_name, title, parent))
        return [Window(line) for line in out.splitlines() if line]

    def window_info(self, hwnd):
        """The window, or None when `hwnd` is no window any more."""
        code, out = self._wintool("info", str(hwnd))
        return Window(out.splitlines()[0]) if code == 0 else None

    def wait_for_window(self, class_name=None, title=None, parent=None, visible=True, foreground=None, count=1,
                        timeout=20):
        """Waits until `count` matching windows exist (visible, foreground if asked) and returns them, or the
        window when count is 1."""
        def matching():
            found = [w for w in self.find_windows(class_name, title, parent)
                     if (visible is None or w.visible == visible)
                     and (foreground is None or w.foreground == foreground)]
            return found if len(found) >= count else None
        found = wait_until(matching, timeout, f"{count} window(s) class={class_name!r} title={title!r}")
        return found[0] if count == 1 else found

    def watch_for_window(self, class_name=None, title=None, parent=None, timeout=30):
        """Starts looking for a window before its program starts; returns once the looking has begun."""
        program = self._popen(["wine", self.wintool, "find", *self._query_args(class_name, title, parent),
                               "--wait-ms", str(int(timeout * 1000))], "find")
        reader = LineReader(program.output_path)
        reader.next_line(timeout, "wintool to start looking")
        return WindowWatch(reader)

    def watch_window_gone(self, class_name=None, title=None, timeout=30):
        """Starts watching; returns once the watcher has seen the window."""
        program = self._popen(["wine", self.wintool, "wait-gone", *self._query_args(class_name, title, None),
                               "--timeout-ms", str(int(timeout * 1000))], "wait-gone")
        reader = LineReader(program.output_path)
        reader.next_line(timeout, f"a window class={class_name!r} title={title!r} to watch")
        return GoneWatch(reader)

    def open_plain_window(self, title, size=None, timeout=20):
        """Opens another program's plain top-level window and brings it to the front."""
        stop_file = tempfile.mktemp(prefix="plain-window-", dir=os.path.join(self.state_dir, "work"))
        args = ["window", title, "--until-file", stop_file]
        if size is not None:
            args += ["--size", f"{size[0]}x{size[1]}"]
        program = self._popen(["wine", self.wintool, *args], "window")
        hwnd = int(LineReader(program.output_path).next_line(timeout, "the plain window"))
        return PlainWindow(program, hwnd, stop_file)

    # -- screen and input -------------------------------------------------

    def _x(self, *command):
        subprocess.run(command, env=self.env, stdin=subprocess.DEVNULL, check=True, capture_output=True)

    def screenshot(self):
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                             stdin=subprocess.DEVNULL, check=True, capture_output=True).stdout
        return Screenshot.from_ppm(raw)

    def wait_for_screen_changes(self, changes=1, timeout=10):
        """Returns the last screenshot once the screen has changed `changes` times after the call."""
        previous = self.screenshot()
        seen = 0
        deadline = time.monotonic() + timeout
        while seen < changes:
            if time.monotonic() > deadline:
                raise HarnessError(f"the screen changed {seen} of {changes} times in {timeout} s")
            shot = self.screenshot()
            if shot.differs_from(previous):
                seen += 1
                previous = shot
        return previous

    def key(self, *keys):
        """X key names, e.g. 'a', 'Escape', 'Alt_L', 'ctrl+c'."""
        self._x("xdotool", "key", *keys)

    def move_to(self, x, y):
        self._x("xdotool", "mousemove", str(x), str(y))

    def move_by(self, dx, dy):
        self._x("xdotool", "mousemove_relative", "--", str(dx), str(dy))

    def click(self, button=1):
        """1 left, 2 middle, 3 right."""
        self._x("xdotool", "click", str(button))

    def pointer(self):
        out = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self.env, check=True,
                             capture_output=True, text=True).stdout
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"])


class WineTestCase(unittest.TestCase):
    """A test on the run's session, with its own work folder; every program ends with the test."""

    def setUp(self):
        state_dir = os.environ.get("MIRAVEL_WINE_SESSION")
        if not state_dir:
            self.fail("MIRAVEL_WINE_SESSION names no session folder (run through ctest)")
        self.session = Session.load(state_dir)
        self.work_dir = tempfile.mkdtemp(prefix=f"{self.id().rsplit('.', 1)[-1]}-",
                                         dir=os.path.join(state_dir, "work"))
        self.addCleanup(shutil.rmtree, self.work_dir, ignore_errors=True)
        self.addCleanup(self.session.end_all)


# -- session set-up and clean-up -----------------------------------------------


def _start_xvfb(state_dir):
    read_end, write_end = os.pipe()
    with open(os.path.join(state_dir, "logs", "xvfb.log"), "wb") as log:
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN_SIZE[0]}x{SCREEN_SIZE[1]}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    os.close(write_end)
    with os.fdopen(read_end) as displayfd:
        number = displayfd.readline().strip()
    if not number:
        raise HarnessError("Xvfb reported no display number")
    return xvfb.pid, f":{number}"


def _process_alive(pid):
    return os.path.exists(f"/proc/{pid}") and os.path.exists(f"/proc/{pid}/exe")


def setup(state_dir, wintool, locale):
    state_path = os.path.join(state_dir, "session.json")
    if os.path.exists(state_path):
        with open(state_path) as f:
            owner = json.load(f).get("owner_pid")
        if owner and _process_alive(owner):
            raise HarnessError(f"{state_dir} serves another test run still going (process {owner})")
        cleanup(state_dir)  # left over from an interrupted run
    shutil.rmtree(state_dir, ignore_errors=True)
    for sub in ("logs", "work"):
        os.makedirs(os.path.join(state_dir, sub))
    xvfb_pid, display = _start_xvfb(state_dir)
    state = {
        "state_dir": os.path.abspath(state_dir),
        "display": display,
        "xvfb_pid": xvfb_pid,
        "owner_pid": os.getppid(),  # the test run, or the script that made the session
        "prefix": os.path.abspath(os.path.join(state_dir, "prefix")),
        "wintool": os.path.abspath(wintool) if wintool else None,
        "env": {
            "DISPLAY": display,
            "WINEPREFIX": os.path.abspath(os.path.join(state_dir, "prefix")),
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "LANG": locale,
            "LC_ALL": locale,
        },
    }
    with open(os.path.join(state_dir, "session.json"), "w") as f:
        json.dump(state, f, indent=2)

    session = Session(state)
    code, output = session._run(["wineboot", "-i"], "wineboot", timeout=240)
    if code != 0:
        raise HarnessError(f"wineboot failed with {code}: {output}")
    session.wine("reg", "add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog", "/t", "REG_DWORD",
                 "/d", "0", "/f")
    # NOTE: there is no window manager on the display. Wine hands a full-screen
    # window to the window manager and, when hiding it, waits up to 2 s for the
    # manager to confirm; unmanaged, the window goes at once as on Windows.
    session.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f")
    session.end_all()
    print(f"session ready: DISPLAY={display} WINEPREFIX={state['prefix']}")


def _is_our_xvfb(pid):
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as f:
            args = f.read().split(b"\0")
    except OSError:
        return False
    return os.path.basename(args[0]) == b"Xvfb" and b"-displayfd" in args


def cleanup(state_dir):
    path = os.path.join(state_dir, "session.json")
    if not os.path.exists(path):
        print("no session to clean up")
        return
    session = Session.load(state_dir)
    owner = session.state.get("owner_pid")
    if owner and owner != os.getppid() and _process_alive(owner):
        raise HarnessError(f"{state_dir} serves another test run still going (process {owner}); left alone")
    session.end_all()
    pid = session.state["xvfb_pid"]
    if _is_our_xvfb(pid):
        os.kill(pid, signal.SIGTERM)
        try:
            wait_until(lambda: not _is_our_xvfb(pid), 10, "Xvfb to end")
        except HarnessError:
            os.kill(pid, signal.SIGKILL)
    shutil.rmtree(session.prefix, ignore_errors=True)
    shutil.rmtree(os.path.join(state_dir, "work"), ignore_errors=True)
    os.remove(path)
    print(f"session on {session.display} ended")


def print_env(state_dir):
    session = Session.load(state_dir)
    for name, value in session.state["env"].items():
        print(f"export {name}='{value}'")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    setup_parser = commands.add_parser("setup", help="start Xvfb and make a fresh Wine prefix")
    setup_parser.add_argument("state_dir")
    setup_parser.add_argument("--wintool", help="wintool.exe, for the window helpers")
    setup_parser.add_argument("--locale", default="ja_JP.UTF-8")
    cleanup_parser = commands.add_parser("cleanup", help="end Wine and Xvfb, remove the prefix")
    cleanup_parser.add_argument("state_dir")
    env_parser = commands.add_parser("env", help="print the session's environment as shell exports")
    env_parser.add_argument("state_dir")
    args = parser.parse_args()
    if args.command == "setup":
        setup(args.state_dir, args.wintool, args.locale)
    elif args.command == "cleanup":
        cleanup(args.state_dir)
    else:
        print_env(args.state_dir)


if __name__ == "__main__":
    sys.exit(main())
