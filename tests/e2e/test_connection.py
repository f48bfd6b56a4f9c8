"""The real client against the local world: the greeting, the ping while
playing, every way a connection can fail, and a flood of server text."""

import hashlib
import os
import signal
import tempfile
import time
import unittest

from e2e_harness import (Client, TempHome, client_lines, colour_count, scenario_world,
                         screenshot, wait_for, world)

GREETING = r"^_zorvik \S+ 1\.096-gtk-rc5$"


class ConnectionTest(unittest.TestCase):
    def start_client(self, home):
        client = Client(home.path)
        self.addCleanup(client.kill)
        window = client.window_id()
        self.assertIsNotNone(window, "the main window never appeared")
        return client, window

    def assert_usable_then_close(self, client, window):
        """The client is still running and still closes on request."""
        self.assertIsNone(client.proc.poll(), "the client ended by itself")
        time.sleep(0.3)
        self.assertIsNone(client.proc.poll(), "the client ended by itself")
        client.close_window(window)
        self.assertEqual(client.wait(timeout=10), 0)

    def test_greeting_first_then_ping_while_playing(self):
        steps = [
            {"expect": GREETING, "timeout": 15},
            {"send": "Welcome.\r\n;slogin;Tester;elogin;"},
            {"expect": "^zvping$", "timeout": 20},
            {"send": ";sevent;zvpong;eevent;"},
        ]
        with scenario_world(steps) as game, TempHome() as home:
            client, window = self.start_client(home)
            records = game.wait_records(lambda r: "zvping" in client_lines(r), timeout=25)
            lines = client_lines(records)
            self.assertRegex(lines[0], GREETING)
            self.assertEqual(lines.count("zvping"), 1, lines)
            ping = next(r["t"] for r in records if r.get("line") == "zvping")
            login = next(r["t"] for r in records if r.get("line", "").startswith("_zorvik"))
            # The ping timer runs every 15 s from start-up, so the first ping
            # comes within 15 s of the login.
            self.assertLess(ping - login, 16.5)
            self.assert_usable_then_close(client, window)

    def test_failures_leave_the_client_disconnected_and_usable(self):
        cases = {
            "world closes cleanly": dict(steps=[{"expect": GREETING, "timeout": 15},
                                                {"send": "Bye.\r\n"}, {"close": True}]),
            "world resets": dict(steps=[{"expect": GREETING, "timeout": 15}, {"reset": True}]),
            "world speaks plain TCP": dict(plain=True),
        }
        for name, case in cases.items():
            with self.subTest(name), TempHome() as home:
                if "steps" in case:
                    game = scenario_world(case["steps"])
                else:
                    game = world(plain=True)
                with game:
                    client, window = self.start_client(home)
                    records = game.wait_records(
                        lambda r: any(e.get("event") == "close" for e in r), timeout=15)
                    if case.get("plain"):
                        # The client insists on TLS: its first bytes are a
                        # handshake record, which the plain world rejects.
                        first = next(e for e in records if "line" in e)
                        self.assertTrue(first.get("hex", "").startswith("1603"), first)
                    self.assert_usable_then_close(client, window)

    def test_world_not_running(self):
        with TempHome() as home:
            client, window = self.start_client(home)
            self.assert_usable_then_close(client, window)

    def test_world_killed_mid_stream(self):
        with world("--flood-mb", "200") as game, TempHome() as home:
            client, window = self.start_client(home)
            game.wait_records(lambda r: any("line" in e for e in r), timeout=15)
            time.sleep(0.5)
            os.kill(game.proc.pid, signal.SIGKILL)
            game.proc.wait(5)
            self.assert_usable_then_close(client, window)

    def test_flood_keeps_the_window_painting_and_responsive(self):
        # Large enough to last several seconds at the client's ingest rate.
        with world("--flood-mb", "200") as game, TempHome() as home:
            client, window = self.start_client(home)
            game.wait_records(lambda r: any("line" in e for e in r), timeout=15)
            geometry = client.window_geometry(window)
            # Screenshots a few tenths of a second apart must not all be the
            # same while the text keeps coming (bounded: at most six).
            shots = []
            for i in range(6):
                time.sleep(0.3)
                shot = os.path.join(tempfile.gettempdir(), f"th-e2e-flood-{i}.png")
                screenshot(shot)
                with open(shot, "rb") as f:
                    shots.append(hashlib.sha256(f.read()).hexdigest())
                if len(set(shots)) > 1:
                    break
            self.assertGreater(len(set(shots)), 1, "the window did not repaint during the flood")
            self.assertGreater(colour_count(shot, geometry), 2)
            # A close request is handled while the text keeps coming.
            client.close_window(window)
            self.assertEqual(client.wait(timeout=10), 0)


if __name__ == "__main__":
    unittest.main()
