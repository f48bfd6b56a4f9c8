"""Shared helpers of the end-to-end tests: a temporary HOME, the client
process, its window under Xvfb and screenshots. Every wait is bounded."""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

CLIENT = os.environ.get("TH_CLIENT", "")
X_CLOSE = os.environ.get("TH_X_CLOSE", "")
WINDOW_TITLE = "Tarn Hollow"


def wait_for(predicate, timeout, interval=0.05):
    """Polls predicate until it returns a true value or timeout seconds pass."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


class TempHome:
    """A fresh HOME directory, removed afterwards."""

    def __enter__(self):
        self.path = tempfile.mkdtemp(prefix="th-home-")
        return self

    def __exit__(self, *exc):
        shutil.rmtree(self.path, ignore_errors=True)

    @property
    def config_dir(self):
        return os.path.join(self.path, ".TarnHollow")


class Client:
    """The real client binary, killed by pid if a test leaves it running."""

    def __init__(self, home, args=(), env_overrides=None, cwd=None):
        env = dict(os.environ)
        env["GDK_BACKEND"] = "x11"
        if home is None:
            env.pop("HOME", None)
        else:
            env["HOME"] = home
        env.update(env_overrides or {})
        # Output goes to files, so a chatty client can never block on a full pipe.
        self.stdout = tempfile.TemporaryFile()
        self.stderr = tempfile.TemporaryFile()
        self.proc = subprocess.Popen([CLIENT, *args], env=env, cwd=cwd or home or "/tmp",
                                     stdout=self.stdout, stderr=self.stderr)

    def window_id(self, timeout=10):
        def find():
            out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", WINDOW_TITLE],
                                 capture_output=True, text=True)
            ids = out.stdout.split()
            return ids[0] if ids else None
        return wait_for(find, timeout)

    def window_geometry(self, window):
        """The window's WxH+X+Y on the screen."""
        out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                             capture_output=True, text=True, check=True).stdout
        g = dict(line.split("=", 1) for line in out.split())
        return f"{g['WIDTH']}x{g['HEIGHT']}+{g['X']}+{g['Y']}"

    def close_window(self, window):
        subprocess.run([X_CLOSE, window], check=True)

    def wait(self, timeout):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def output(self):
        """What the client wrote to standard output and standard error so far."""
        texts = []
        for f in (self.stdout, self.stderr):
            f.seek(0)
            texts.append(f.read().decode(errors="replace"))
        return tuple(texts)

    def kill(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGKILL)
            self.proc.wait(5)
        self.stdout.close()
        self.stderr.close()


def screenshot(path):
    subprocess.run(["/usr/bin/import", "-window", "root", path], check=True)


def colour_count(path, geometry=None):
    """Number of distinct colours in the image (or in a WxH+X+Y crop of it)."""
    cmd = ["/usr/bin/convert", path]
    if geometry:
        cmd += ["-crop", geometry, "+repage"]
    cmd += ["-format", "%k", "info:"]
    return int(subprocess.run(cmd, capture_output=True, text=True, check=True).stdout)


# The local world, from the devserver tests' own harness; the client
# connects by itself to the port it was built with.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "devserver"))
from harness import DevServer, client_lines  # noqa: E402  pylint: disable=wrong-import-position

GAME_PORT = int(os.environ.get("TH_GAME_PORT", "3102"))


def world(*args, plain=False):
    """The local world on the client's built-in game port."""
    return DevServer(*args, plain=plain, game_port=GAME_PORT)


def scenario_world(steps):
    """A scripted world running the given steps for every connection."""
    handle = tempfile.NamedTemporaryFile("w", suffix=".json", delete=False)
    json.dump({"steps": steps}, handle)
    handle.close()
    try:
        return world("--script", handle.name)
    finally:
        os.unlink(handle.name)
