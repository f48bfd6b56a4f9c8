"""The configuration files across two runs of the real client with the same
HOME: the identifier the world assigns and the character's file persist."""

import os
import re
import time
import unittest

from e2e_harness import Client, TempHome, client_lines, scenario_world, wait_for

GREETING = r"^_zorvik (\S+) 1\.096-gtk-rc5$"
ASSIGNED = "0123456789abcdef0123456789abcdef"


def file_text(path):
    try:
        with open(path) as f:
            return f.read()
    except FileNotFoundError:
        return ""


class ConfigTest(unittest.TestCase):
    def run_client(self, home, steps, ready):
        """Runs the client against a scripted world until ready() holds, then
        closes its window; returns the identifier of its greeting."""
        with scenario_world(steps) as game:
            client = Client(home.path)
            self.addCleanup(client.kill)
            window = client.window_id()
            self.assertIsNotNone(window)
            records = game.wait_records(lambda r: client_lines(r), timeout=20)
            self.assertTrue(wait_for(ready, timeout=10))
            client.close_window(window)
            self.assertEqual(client.wait(timeout=10), 0)
            return re.match(GREETING, client_lines(records)[0]).group(1)

    def test_identifier_and_character_file_survive_a_restart(self):
        with TempHome() as home:
            system_file = os.path.join(home.config_dir, "tarn_hollow.cfg")
            char_file = os.path.join(home.config_dir, "char_configs", "Ann.cfg")

            # The uuid tag saves the system file at once; the login that
            # follows it in the same write is handled by the same poll.
            first = self.run_client(home, [
                {"expect": GREETING, "timeout": 15},
                {"send": f";suuid;{ASSIGNED};euuid;;slogin;Ann;elogin;"},
            ], ready=lambda: ASSIGNED in file_text(system_file))
            self.assertTrue(first.startswith("DFLT"), first)
            self.assertIn("Ann", file_text(system_file))
            self.assertTrue(os.path.exists(char_file))

            second = self.run_client(home, [{"expect": GREETING, "timeout": 15}],
                                     ready=lambda: True)
            self.assertEqual(second, ASSIGNED)
            self.assertIn("Ann", file_text(char_file))


if __name__ == "__main__":
    unittest.main()
