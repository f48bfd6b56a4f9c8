"""Start-up, the TLS game port, recording and shutdown."""

import os
import socket
import tempfile
import unittest

from harness import DEVSERVER_DIR, DevServer, client_lines, run_devserver

FREE_PORTS = ["--game-port", "0", "--web-port", "0", "--info-port", "0"]
GREETING = "_zorvik 0123456789abcdef0123456789abcdef 1.096-gtk-rc5"


class TlsGamePortTest(unittest.TestCase):
    def test_greeting_over_tls_is_recorded_per_connection(self):
        with DevServer() as server:
            with server.client() as first:
                first.send_line(GREETING)
                # The world answers a greeting, so a TLS session really runs.
                first.read_until(b"By what name are you known? ")
            with server.client() as second:
                second.sock.sendall(b"second\r\n")
            records = server.wait_records(lambda r: len(client_lines(r)) == 2
                                          and sum(e.get("event") == "close" for e in r) == 2)
        greeting = next(r for r in records if r.get("line") == GREETING)
        self.assertEqual(greeting["conn"], 1)
        self.assertIsInstance(greeting["t"], float)
        # The carriage return stays in the record, so a client that sends one is caught.
        self.assertEqual([(r["conn"], r["line"]) for r in records if r.get("conn") == 2 and "line" in r],
                         [(2, "second\r")])
        self.assertEqual([r["event"] for r in records if "event" in r and r["conn"] == 1], ["open", "close"])

    def test_plain_client_on_the_tls_port_is_recorded_as_a_failed_handshake(self):
        with DevServer() as server:
            with socket.create_connection(("127.0.0.1", server.game_port), timeout=10) as plain:
                plain.sendall((GREETING + "\n").encode())
                records = server.wait_records(lambda r: any(e.get("event") == "tls_failed" for e in r))
            self.assertEqual(client_lines(records), [])
            self.assertIn("TLS handshake failed", server.stderr())

    def test_certificate_is_made_once_and_reused(self):
        with tempfile.TemporaryDirectory() as tmp:
            state = os.path.join(tmp, "state")
            with DevServer(state_dir=state):
                with open(os.path.join(state, "game_cert.pem"), "rb") as f:
                    first = f.read()
            with DevServer(state_dir=state) as server:
                with open(os.path.join(state, "game_cert.pem"), "rb") as f:
                    self.assertEqual(f.read(), first)
                with server.client() as client:
                    client.send_line(GREETING)
                    client.read_until(b"By what name are you known? ")

    def test_sigterm_ends_open_connections_and_exits_cleanly(self):
        server = DevServer()
        client = server.client()
        client.send_line(GREETING)
        client.read_until(b"By what name are you known? ")
        self.assertEqual(server.stop(), 0)
        client.read_to_close()
        client.close()

    def test_bad_start_is_refused_with_a_clear_message(self):
        with tempfile.TemporaryDirectory() as tmp:
            state = os.path.join(tmp, "state")
            inside_repo = os.path.join(os.path.dirname(DEVSERVER_DIR), "state")
            bad_script = os.path.join(tmp, "bad.json")
            with open(bad_script, "w") as f:
                f.write('{"steps": [{"send": "x"}, {"expect": "("}]}')
            cases = [
                (["--state-dir", inside_repo], "outside the repository"),
                (["--state-dir", state, "--host", "0.0.0.0"], "loopback"),
                (["--state-dir", state, "--game-port", "70000"], "0 to 65535"),
                (["--state-dir", state, "--seed", "3"], "--seed needs --flood-mb"),
                (["--state-dir", state, "--flood-mb", "1", "--script", bad_script], "different modes"),
                (["--state-dir", state, "--script", bad_script, "--plain"], "step 2: bad regular expression"),
                (["--state-dir", state, "--script", os.path.join(tmp, "missing.json"), "--plain"],
                 "cannot read"),
            ]
            for args, message in cases:
                with self.subTest(args=args):
                    code, out, err = run_devserver(FREE_PORTS + args)
                    self.assertNotEqual(code, 0)
                    self.assertNotIn("READY", out)
                    self.assertIn(message, err)
            self.assertFalse(os.path.exists(inside_repo))

    def test_port_in_use_is_reported(self):
        with DevServer() as server:
            code, out, err = run_devserver(FREE_PORTS + ["--state-dir", server.state_dir, "--plain",
                                                         "--web-port", str(server.web_port)])
        self.assertEqual(code, 1)
        self.assertNotIn("READY", out)
        self.assertIn("cannot listen on the web port %d" % server.web_port, err)


if __name__ == "__main__":
    unittest.main()
