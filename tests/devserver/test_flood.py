"""Flood mode and the text generator behind it."""

import hashlib
import json
import re
import sys
import unittest

from harness import DEVSERVER_DIR, DevServer

sys.path.insert(0, DEVSERVER_DIR)
import mudtext  # noqa: E402

# The stream as the client's decoder reads it: text without ";", ESC or control
# bytes other than CR/LF, one-parameter colour sequences, ";;", and whole tags.
WELL_FORMED = re.compile(rb"(?:[\r\n\x20-\x3a\x3c-\x7e]|\x1b\[\d+m|;;"
                         rb"|;s(?P<name>[^;]{1,63});[^;]*;e(?P=name);|;t[^;]{1,63};)*")


class MudTextTest(unittest.TestCase):
    def test_same_seed_same_text_other_seed_other_text(self):
        first = mudtext.generate(7, 50000)
        self.assertEqual(mudtext.generate(7, 50000), first)
        self.assertNotEqual(mudtext.generate(8, 50000), first)
        # A longer flood of the same seed starts with the shorter one.
        self.assertTrue(mudtext.generate(7, 80000).startswith(first))

    def test_text_is_well_formed_and_mud_like(self):
        text = mudtext.generate(3, 200000)
        self.assertTrue(200000 <= len(text) < 201000)
        self.assertIsNotNone(WELL_FORMED.fullmatch(text))
        for piece in (b";shp;", b";tcombat;", b";;", b"\x1b[1m", b"\x1b[22m", b"\x1b[31m", b"\r\n"):
            self.assertIn(piece, text)


class FloodTest(unittest.TestCase):
    def test_flood_marker_hash_and_summary(self):
        with DevServer("--flood-mb", "0.3", "--seed", "5") as server:
            with server.client() as client:
                # A line sent before the marker is not the answer.
                client.sock.sendall(b"_zorvik abc 1.0\nearly\n")
                received = client.read_until(b";slogin;Flood;elogin;", timeout=30)
                flood, marker = received.split(b"FLOOD-END ")
                self.assertEqual(flood, mudtext.generate(5, 300000))
                self.assertEqual(marker, b"%s\n;slogin;Flood;elogin;" % hashlib.sha256(flood).hexdigest().encode())
                self.assertIsNone(server.stdout_line(0.5))
                client.send_line("answer")
                summary = json.loads(server.stdout_line(10))
            records = server.wait_records(lambda r: any("flood_bytes" in e for e in r))
        self.assertEqual(sorted(summary), ["flood_bytes", "mb_per_s", "seconds"])
        self.assertEqual(summary["flood_bytes"], len(flood))
        self.assertGreater(summary["seconds"], 0)
        self.assertAlmostEqual(summary["mb_per_s"], len(flood) / 1e6 / summary["seconds"], delta=0.01)
        self.assertIn(summary, records)


if __name__ == "__main__":
    unittest.main()
