"""Playing the local world with the real client: typing, history, keypad
walking, the password, the client's own commands, function keys, the status
report and the ways out. The world records every line the client sends."""

import os
import subprocess
import tempfile
import time
import unittest

from e2e_harness import (Client, TempHome, client_lines, colour_count, screenshot, wait_for,
                         world)

STATUS_REPORT = "zvlstatus 11010111111121101101  1  2  3"


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


class Session:
    """The client's window with keyboard input, and the world's record."""

    def __init__(self, test, game, client, window):
        self.test, self.game, self.client, self.window = test, game, client, window

    def type_line(self, text):
        xdotool("windowfocus", "--sync", self.window)
        xdotool("type", "--delay", "15", text)
        xdotool("key", "Return")

    def key(self, *names):
        xdotool("windowfocus", "--sync", self.window)
        xdotool("key", "--delay", "80", *names)

    def lines(self):
        return client_lines(self.game.records())

    def wait_line(self, line, timeout=10):
        """Waits until the world has received line; returns all lines."""
        records = self.game.wait_records(lambda r: line in client_lines(r), timeout=timeout)
        return client_lines(records)

    def settle(self, seconds=0.6):
        time.sleep(seconds)

    def title(self):
        return subprocess.run(["xdotool", "getwindowname", self.window], capture_output=True,
                              text=True, check=True).stdout.strip()

    def shot(self, name):
        path = os.path.join(tempfile.gettempdir(), f"th-e2e-{name}.png")
        screenshot(path)
        return path


class PlayingTest(unittest.TestCase):
    def start(self, home, game=None):
        client = Client(home.path)
        self.addCleanup(client.kill)
        window = client.window_id()
        self.assertIsNotNone(window, "the main window never appeared")
        return Session(self, game, client, window)

    def log_in(self, s):
        s.game.wait_records(lambda r: any(l.startswith("_zorvik") for l in client_lines(r)), 15)
        s.settle(1.0)
        s.type_line("Tester")
        s.wait_line("Tester")
        s.settle()
        # The world has switched its echo off: what is typed stays hidden.
        xdotool("windowfocus", "--sync", s.window)
        xdotool("type", "--delay", "15", "tester")
        s.settle(0.3)
        geometry = s.client.window_geometry(s.window)
        width, rest = geometry.split("x", 1)
        height, x, y = rest.replace("-", "+-").split("+")[:3]
        shot = s.shot("password")
        # The input line sits in the lower part of the window; with the
        # password hidden it shows nothing but the cursor.
        input_area = f"{int(width) - 120}x40+{int(x) + 4}+{int(y) + int(height) - 150}"
        self.assertLessEqual(colour_count(shot, input_area), 8, "the password is visible")
        xdotool("key", "Return")
        return s.wait_line("tester")

    def test_a_session_in_the_world(self):
        with world() as game, TempHome() as home:
            s = self.start(home, game)
            s.game.wait_records(lambda r: any(l.startswith("_zorvik") for l in client_lines(r)), 15)
            s.settle(1.0)
            s.key("F1")   # not playing yet: no function-key word
            lines = self.log_in(s)
            self.assertEqual(lines[0].split()[0], "_zorvik")
            self.assertNotIn("f01", lines)

            report = s.game.wait_records(
                lambda r: any(l.startswith("zvlstatus") for l in client_lines(r)))
            self.assertIn(STATUS_REPORT, client_lines(report))
            self.assertTrue(wait_for(lambda: s.title() == "Tarn Hollow - Player Tester", 5),
                            s.title())

            s.type_line("say hello; a tarn, \"quoted\" & $HOME")
            s.wait_line("say hello; a tarn, \"quoted\" & $HOME")

            # History of this phase only: Up walks back through the game
            # commands and stops at the first, never reaching the name or
            # password typed at the login prompt.
            s.type_line("look")
            s.wait_line("look")
            s.key("Up", "Return")
            s.settle()
            s.key("Up", "Up", "Up", "Up", "Return")
            s.settle()
            self.assertEqual(s.lines()[-3:], ["look", "look", 'say hello; a tarn, "quoted" & $HOME'])

            s.key("KP_Up")
            s.wait_line("north")
            s.key("F1")
            s.wait_line("f01")

            before = s.shot("before-screens")
            sent = len(s.lines())
            for command in ("//commands", "//help"):
                s.type_line(command)
            s.settle()
            after = s.shot("after-screens")
            with open(before, "rb") as f1, open(after, "rb") as f2:
                self.assertNotEqual(f1.read(), f2.read(), "the screens did not appear")
            s.type_line("//version")
            s.wait_line("version")   # while playing the server is asked too
            new = s.lines()[sent:]
            for command in ("//commands", "//help", "//version"):
                self.assertNotIn(command, new)

            # A setting changed from the menu makes one new report.
            reports = sum(1 for l in s.lines() if l.startswith("zvlstatus"))
            s.key("alt+p")
            s.settle(0.5)   # the menu opens before its mnemonic is typed
            s.key("s")
            self.assertTrue(wait_for(
                lambda: sum(1 for l in s.lines() if l.startswith("zvlstatus")) == reports + 1, 5),
                s.lines())
            s.settle()
            self.assertEqual(sum(1 for l in s.lines() if l.startswith("zvlstatus")), reports + 1)

            s.type_line("//qui")
            s.wait_line("//qui")

            s.client.close_window(s.window)
            s.wait_line("quit -check")
            self.assertEqual(s.client.wait(timeout=10), 0)

    def test_quit_while_disconnected_exits(self):
        with TempHome() as home:
            s = self.start(home)
            s.settle(1.0)
            s.type_line("quit")
            self.assertEqual(s.client.wait(timeout=10), 0)

    def test_double_slash_quit_exits_without_sending(self):
        with world() as game, TempHome() as home:
            s = self.start(home, game)
            game.wait_records(lambda r: any(l.startswith("_zorvik") for l in client_lines(r)), 15)
            s.settle(0.5)
            s.type_line("//quit")
            self.assertEqual(s.client.wait(timeout=10), 0)
            self.assertNotIn("//quit", s.lines())


if __name__ == "__main__":
    unittest.main()
