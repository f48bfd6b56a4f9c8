"""Scripted mode: scenario steps per connection, over plain TCP."""

import json
import os
import sys
import tempfile
import unittest

from harness import DEVSERVER_DIR, DevServer, client_lines

sys.path.insert(0, DEVSERVER_DIR)
import scenario  # noqa: E402


def scenario_server(steps):
    """A plain-TCP server running steps; the file outlives the server's start."""
    tmp = tempfile.NamedTemporaryFile("w", suffix=".json", delete=False)
    with tmp:
        json.dump({"steps": steps}, tmp)
    try:
        return DevServer("--script", tmp.name, plain=True)
    finally:
        os.unlink(tmp.name)


def closes(conn, reason):
    return lambda records: any(r.get("event") == "close" and r["conn"] == conn and r["reason"] == reason
                               for r in records)


class ScenarioRunTest(unittest.TestCase):
    def test_steps_send_exact_bytes_expect_lines_and_close(self):
        steps = [
            {"expect": r"^_zorvik \S+ \S+$", "timeout": 5},
            {"send": "a;;b\u001b[31m red\n"},
            {"send_hex": "ff fe 01"},
            {"expect": "^secret$", "timeout": 5},
            {"wait": 0.1},
            {"send_hex": "fffd01"},
            {"close": True},
        ]
        with scenario_server(steps) as server:
            with server.client() as client:
                client.send_line("_zorvik abc 1.0")
                self.assertEqual(client.read_until(b"\xff\xfe\x01"), b"a;;b\x1b[31m red\n\xff\xfe\x01")
                client.send_line("not it")  # skipped by expect, still recorded
                client.send_line("secret")
                self.assertEqual(client.read_to_close(), b"\xff\xfd\x01")
            records = server.wait_records(closes(1, "server close"))
        self.assertEqual(client_lines(records), ["_zorvik abc 1.0", "not it", "secret"])

    def test_reset_aborts_with_rst(self):
        with scenario_server([{"expect": "go"}, {"reset": True}]) as server:
            with server.client() as client:
                client.send_line("go")
                with self.assertRaises(ConnectionResetError):
                    client.read_to_close()
            server.wait_records(closes(1, "server reset"))

    def test_failed_expect_is_recorded_and_stops_the_scenario(self):
        with scenario_server([{"expect": "never", "timeout": 0.2}, {"send": "not sent\n"}]) as server:
            with server.client() as client:
                client.send_line("something else")
                self.assertEqual(client.read_to_close(), b"")
            records = server.wait_records(closes(1, "server close"))
        failed = [r for r in records if r.get("event") == "expect_failed"]
        self.assertEqual([(r["step"], r["pattern"], r["reason"]) for r in failed], [(1, "never", "timeout")])

    def test_every_connection_runs_the_steps_and_stays_open_after_the_last(self):
        with scenario_server([{"send": "hi\n"}]) as server:
            for conn in (1, 2):
                with server.client() as client:
                    self.assertEqual(client.read_until(b"hi\n"), b"hi\n")
                    client.send_line("still here")
                    server.wait_records(lambda r: ("still here" in client_lines(r, conn)))
                server.wait_records(closes(conn, "client close"))


class ScenarioCheckTest(unittest.TestCase):
    def test_bad_scenarios_are_refused_naming_the_fault(self):
        cases = [
            ("{", "not valid JSON"),
            ('{"steps": []}', "non-empty list"),
            ('{"step": [{"send": "x"}]}', 'one key "steps"'),
            ('{"steps": [1]}', "step 1: a step must be an object"),
            ('{"steps": [{"send": "a", "wait": 1}]}', "step 1: a step needs exactly one of"),
            ('{"steps": [{"wait": 0}, {"expect": "a", "timout": 1}]}', "step 2: unknown key timout"),
            ('{"steps": [{"send": "a", "timeout": 1}]}', "unknown key timeout"),
            ('{"steps": [{"send": 5}]}', "send takes a string"),
            ('{"steps": [{"send_hex": "fffz"}]}', "hexadecimal"),
            ('{"steps": [{"expect": "(a"}]}', "bad regular expression"),
            ('{"steps": [{"expect": "a", "timeout": -1}]}', "timeout must be a number"),
            ('{"steps": [{"wait": true}]}', "wait must be a number"),
            ('{"steps": [{"close": false}]}', "close takes true"),
            ('{"steps": [{"reset": true}, {"send": "x"}]}', "step 2: no step can follow reset"),
        ]
        for text, message in cases:
            with self.subTest(text=text):
                with self.assertRaises(scenario.ScenarioError) as caught:
                    scenario.parse(text)
                self.assertIn(message, str(caught.exception))


if __name__ == "__main__":
    unittest.main()
