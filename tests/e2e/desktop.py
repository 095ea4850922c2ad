"""An X server of a test's own, with a window manager, driven as a person would.

Xvfb picks a free display itself (-displayfd), openbox gives the windows title
bars and Alt+F4, xdotool types, clicks and finds windows, xprop reads what the
window manager says, xclip reads the clipboard. Every process started here is
stopped when the desktop closes, however the test ended, and also if the test
itself is killed (they get SIGTERM when their parent dies).
"""

import ctypes
import os
import re
import select
import signal
import subprocess
import time

WAIT_SECONDS = 20  # for a window, a file or an exit: long enough to mean "never"
COMMAND_SECONDS = 10  # for one call of xdotool, xprop or xclip

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def wait_until(condition, what, seconds=WAIT_SECONDS):
    """Polls condition until it gives something true, and returns that."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"waited {seconds} s for {what}")
        time.sleep(0.05)


class Desktop:
    """Xvfb and openbox, with their home, logs and runtime folder in folder."""

    def __init__(self, folder):
        self.folder = folder
        self.display = None
        self._processes = []
        self._environment = self._clean_environment()

    def __enter__(self):
        try:
            self._start_server()
            self.spawn(["openbox", "--sm-disable"], "openbox.log")
            wait_until(self._window_manager_ready, "openbox to manage the screen")
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *_):
        self.close()

    def close(self):
        """Stops what was started, newest first: programs, then openbox, then Xvfb."""
        while self._processes:
            process = self._processes.pop()
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def _clean_environment(self):
        # Nothing of the session's desktop may reach the programs.
        environment = {
            key: value
            for key, value in os.environ.items()
            if not key.startswith(("QT_", "XDG_", "DBUS_", "WAYLAND_", "GTK_", "KDE_"))
            and key not in ("DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "DESKTOP_SESSION", "TMPDIR")
        }
        for name in ("home", "runtime", "tmp"):
            os.makedirs(os.path.join(self.folder, name), mode=0o700, exist_ok=True)
        environment.update(
            HOME=os.path.join(self.folder, "home"),
            XDG_RUNTIME_DIR=os.path.join(self.folder, "runtime"),
            TMPDIR=os.path.join(self.folder, "tmp"),
            QT_QPA_PLATFORM="xcb",
            LC_ALL="C.UTF-8",
        )
        return environment

    def _start_server(self):
        reader, writer = os.pipe()
        try:
            with self._log("xvfb.log") as log:
                self._processes.append(
                    subprocess.Popen(
                        ["Xvfb", "-displayfd", str(writer), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        pass_fds=(writer,),
                        stdin=subprocess.DEVNULL,
                        stdout=log,
                        stderr=subprocess.STDOUT,
                        env=self._environment,
                        preexec_fn=_die_with_parent,
                    )
                )
            os.close(writer)
            writer = -1
            number = b""
            deadline = time.monotonic() + WAIT_SECONDS
            while not number.endswith(b"\n"):
                ready, _, _ = select.select([reader], [], [], max(0.0, deadline - time.monotonic()))
                chunk = os.read(reader, 16) if ready else b""
                if not chunk:
                    raise AssertionError("Xvfb gave no display number; see xvfb.log")
                number += chunk
        finally:
            os.close(reader)
            if writer >= 0:
                os.close(writer)
        self.display = ":" + number.decode().strip()
        self._environment["DISPLAY"] = self.display

    def _log(self, name):
        return open(os.path.join(self.folder, name), "ab")

    def _window_manager_ready(self):
        return "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")

    def environment(self, **extra):
        """The environment of a program on this desktop, with extra variables."""
        return dict(self._environment, **extra)

    def spawn(self, command, log_name, cwd=None, **extra_environment):
        """Starts a program on this desktop; it is stopped when the desktop closes."""
        with self._log(log_name) as log:
            process = subprocess.Popen(
                command,
                cwd=cwd,
                stdin=subprocess.DEVNULL,
                stdout=log,
                stderr=subprocess.STDOUT,
                env=self.environment(**extra_environment),
                preexec_fn=_die_with_parent,
            )
        self._processes.append(process)
        return process

    def run(self, *command):
        """Runs a short command on this desktop and gives what it printed."""
        result = subprocess.run(
            command,
            env=self._environment,
            stdin=subprocess.DEVNULL,
            capture_output=True,
            timeout=COMMAND_SECONDS,
        )
        return result.stdout.decode(errors="replace")

    def windows(self, title, pid):
        """The shown windows of process pid whose title is exactly title."""
        pattern = "^" + re.escape(title) + "$"
        found = self.run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", pattern)
        return [int(line) for line in found.split()]

    def wait_for_window(self, title, pid, other_than=()):
        """The one window titled title that process pid shows, once it shows."""
        shown = wait_until(
            lambda: [w for w in self.windows(title, pid) if w not in other_than],
            f'a window "{title}"',
        )
        if len(shown) != 1:
            raise AssertionError(f'{len(shown)} windows "{title}" show at once')
        return shown[0]

    def wait_until_gone(self, window, title, pid):
        wait_until(lambda: window not in self.windows(title, pid), f'the window "{title}" to close')

    def activate(self, window):
        """Gives window the keyboard focus, through the window manager."""
        self.run("xdotool", "windowactivate", "--sync", str(window))
        wait_until(lambda: self.run("xdotool", "getactivewindow").strip() == str(window), "the window to take the focus")

    def key(self, *keys):
        """Presses keys, one after the other, on whatever window has the focus."""
        self.run("xdotool", "key", "--delay", "20", *keys)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "20", text)

    def click(self, x, y):
        self.run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")

    def geometry(self, window):
        """The window's inside: left, top, width and height in screen pixels."""
        # xwininfo, as xdotool's geometry counts the frame's offset twice.
        info = dict(
            line.strip().split(":", 1) for line in self.run("xwininfo", "-id", str(window)).splitlines() if ":" in line
        )
        fields = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
        return tuple(int(info[field]) for field in fields)

    def frame(self, window):
        """The widths of the window manager's frame: left, right, top (title bar) and bottom."""
        extents = self.run("xprop", "-id", str(window), "_NET_FRAME_EXTENTS").split("=")[-1]
        return tuple(int(value) for value in extents.split(","))

    def clipboard(self):
        return self.run("xclip", "-selection", "clipboard", "-out")
