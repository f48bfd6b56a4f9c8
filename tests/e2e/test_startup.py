"""Start-up and shutdown of the real client under Xvfb."""

import os
import tempfile
import time
import unittest

from e2e_harness import Client, TempHome, colour_count, screenshot


class StartupTest(unittest.TestCase):
    def test_window_shows_and_closes_with_status_zero(self):
        with TempHome() as home:
            client = Client(home.path, args=["-l", "2.1"])
            try:
                window = client.window_id()
                self.assertIsNotNone(window, "the main window never appeared")
                self.assertTrue(os.path.isdir(home.config_dir))
                # A first start finds no system file, which the log reports.
                log = os.path.join(home.config_dir, "zorvik_log.txt")
                with open(log) as f:
                    self.assertIn("Unable to load system config", f.read())
                time.sleep(0.5)
                shot = os.path.join(tempfile.gettempdir(), "th-e2e-startup.png")
                screenshot(shot)
                self.assertGreater(colour_count(shot, client.window_geometry(window)), 1,
                                   "the window is blank")

                started = time.monotonic()
                client.close_window(window)
                status = client.wait(timeout=5)
                elapsed = time.monotonic() - started
                self.assertEqual(status, 0)
                # The countdown runs ten 20 ms ticks; allow for a slow machine.
                self.assertLess(elapsed, 3.0)
                self.assertTrue(os.path.isfile(os.path.join(home.config_dir, "tarn_hollow.cfg")),
                                "the configuration was not saved at exit")
            finally:
                client.kill()

    def test_home_unset_fails_before_any_window(self):
        client = Client(None)
        try:
            status = client.wait(timeout=10)
            out, _ = client.output()
            self.assertEqual(status, 1)
            self.assertTrue(out.endswith("Boot failed, unable to get at system config directory.\n"),
                            out)
            self.assertIn("please set HOME environment variable", out)
        finally:
            client.kill()


if __name__ == "__main__":
    unittest.main()
