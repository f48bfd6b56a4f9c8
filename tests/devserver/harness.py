"""Starts the local world for a test and talks to it.

Every server runs on free ports of 127.0.0.1 with its own temporary state
folder, and is stopped by its pid; every wait is bounded in time.
"""

import json
import os
import re
import select
import signal
import socket
import ssl
import subprocess
import tempfile
import time

PYTHON = "/usr/bin/python3"
DEVSERVER_DIR = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))),
                             "devserver")
DEVSERVER = os.path.join(DEVSERVER_DIR, "devserver.py")
START_TIMEOUT = 30
READY = re.compile(r"READY game=(\d+) web=(\d+) info=(\d+)$")
NAME_PROMPT = b"By what name are you known? "
PROMPT = b"> \x1b[0m"  # the world's prompt, as it ends
DEFAULT_UUID = "0123456789abcdef0123456789abcdef"


def run_devserver(args, timeout=START_TIMEOUT):
    """Run the server expecting it to refuse to start; return (exit code, stdout, stderr)."""
    result = subprocess.run([PYTHON, "-B", DEVSERVER] + args, capture_output=True, text=True, timeout=timeout)
    return result.returncode, result.stdout, result.stderr


class DevServer:
    """One running server. Use as a context manager, or call stop()."""

    def __init__(self, *args, state_dir=None, plain=False, game_port=0):
        self._tmp = tempfile.TemporaryDirectory(prefix="devserver-test-")
        self.state_dir = state_dir or os.path.join(self._tmp.name, "state")
        self.record_path = os.path.join(self._tmp.name, "record.jsonl")
        self._stderr = open(os.path.join(self._tmp.name, "stderr.txt"), "w+")
        command = [PYTHON, "-B", DEVSERVER, "--state-dir", self.state_dir, "--game-port", str(game_port),
                   "--web-port", "0", "--info-port", "0", "--record", self.record_path]
        if plain:
            command.append("--plain")
        self.tls = not plain
        self.proc = subprocess.Popen(command + list(args), stdout=subprocess.PIPE, stderr=self._stderr)
        self._stdout = b""
        line = self.stdout_line(START_TIMEOUT)
        match = READY.match(line or "")
        if not match:
            self.stop()
            raise AssertionError("no READY line (got %r); stderr: %s" % (line, self.stderr()))
        self.game_port, self.web_port, self.info_port = map(int, match.groups())

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    def stdout_line(self, timeout):
        """The next stdout line, or None if none comes within timeout."""
        deadline = time.monotonic() + timeout
        while b"\n" not in self._stdout:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.proc.stdout], [], [], left)[0]:
                return None
            chunk = os.read(self.proc.stdout.fileno(), 65536)
            if not chunk:
                return None
            self._stdout += chunk
        line, self._stdout = self._stdout.split(b"\n", 1)
        return line.decode()

    def stderr(self):
        self._stderr.seek(0)
        return self._stderr.read()

    def stop(self):
        """SIGTERM by pid, wait, kill if it hangs; return the exit code."""
        if self.proc.poll() is None:
            os.kill(self.proc.pid, signal.SIGTERM)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                os.kill(self.proc.pid, signal.SIGKILL)
                self.proc.wait(10)
        self.proc.stdout.close()
        self._stderr.close()
        self._tmp.cleanup()
        return self.proc.returncode

    def records(self):
        try:
            with open(self.record_path, encoding="utf-8") as f:
                return [json.loads(line) for line in f if line.endswith("\n")]
        except FileNotFoundError:
            return []

    def wait_records(self, predicate, timeout=10):
        """Poll the record file until predicate(records) is true; return the records."""
        deadline = time.monotonic() + timeout
        while True:
            records = self.records()
            if predicate(records):
                return records
            if time.monotonic() > deadline:
                raise AssertionError("record file never satisfied the test: %r" % records)
            time.sleep(0.02)

    def client(self):
        return GameClient(self.game_port, self.tls)


def parse_stream(data):
    """Split the server's stream the way the client reads it. Returns (text,
    tags): text is the plain bytes ("\;\;" as one ";", telnet commands
    dropped), tags the tagged messages in order as (name, payload) with
    payload None for ";t" messages. A malformed message fails the test."""
    text, tags, i = bytearray(), [], 0

    def upto_semicolon(start):
        end = data.index(b";", start)
        return data[start:end].decode("utf-8"), end + 1

    while i < len(data):
        byte = data[i]
        if byte == 0xFF:
            i += 3 if i + 1 < len(data) and data[i + 1] in (251, 252, 253, 254) else 2
        elif byte == ord(";") and data[i + 1:i + 2] == b";":
            text += b";"
            i += 2
        elif byte == ord(";") and data[i + 1:i + 2] == b"t":
            name, i = upto_semicolon(i + 2)
            tags.append((name, None))
        elif byte == ord(";") and data[i + 1:i + 2] == b"s":
            name, i = upto_semicolon(i + 2)
            payload, i = upto_semicolon(i)
            end, i = upto_semicolon(i + 1) if data[i:i + 1] == b"e" else (None, i)
            if end != name:
                raise AssertionError("message %r not closed by ';e%s;' at %d" % (name, name, i))
            tags.append((name, payload))
        elif byte == ord(";"):
            raise AssertionError("stray ';' at %d in %r" % (i, data[max(0, i - 40):i + 40]))
        else:
            text.append(byte)
            i += 1
    return bytes(text), tags


def client_lines(records, conn=None):
    """The lines the client sent, in order (of one connection if conn is given)."""
    return [r["line"] for r in records if "line" in r and (conn is None or r["conn"] == conn)]


class GameClient:
    """A client of the game port, with the client's own TLS settings."""

    def __init__(self, port, tls=True, timeout=10):
        sock = socket.create_connection(("127.0.0.1", port), timeout=timeout)
        if tls:
            context = ssl.SSLContext(ssl.PROTOCOL_TLS_CLIENT)
            context.check_hostname = False
            context.verify_mode = ssl.CERT_NONE
            context.set_ciphers("HIGH:@STRENGTH:!aNULL")
            sock = context.wrap_socket(sock)
        self.sock = sock
        self.received = b""  # everything received so far

    def send_line(self, text):
        self.sock.sendall(text.encode() + b"\n")

    def read_until(self, needle, timeout=10):
        """Receive until needle (bytes) has arrived after what earlier calls
        consumed; return the bytes up to and including it."""
        deadline = time.monotonic() + timeout
        while needle not in self.received:
            left = deadline - time.monotonic()
            if left <= 0:
                raise AssertionError("%r not received; got %r" % (needle, self.received[-500:]))
            self.sock.settimeout(left)
            chunk = self.sock.recv(65536)
            if not chunk:
                raise AssertionError("closed before %r; got %r" % (needle, self.received[-500:]))
            self.received += chunk
        end = self.received.index(needle) + len(needle)
        got, self.received = self.received[:end], self.received[end:]
        return got

    def read_to_close(self, timeout=10):
        """Receive until the server closes; return the rest of the bytes."""
        deadline = time.monotonic() + timeout
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                raise AssertionError("server did not close; got %r" % self.received[-500:])
            self.sock.settimeout(left)
            chunk = self.sock.recv(65536)
            if not chunk:
                got, self.received = self.received, b""
                return got
            self.received += chunk

    def command(self, line, until=PROMPT, timeout=10):
        """Send a line; return what arrives up to and including until."""
        self.send_line(line)
        return self.read_until(until, timeout)

    def greet(self, uuid=DEFAULT_UUID):
        return self.command("_zorvik %s 1.096-gtk-rc5" % uuid, NAME_PROMPT)

    def log_in(self, name, password, uuid=DEFAULT_UUID):
        """Greet and log in to an existing character; returns every byte
        received up to the first prompt."""
        got = self.greet(uuid) + self.command(name, b"Password: ")
        return got + self.command(password)

    def create(self, name, password="secret", pet="", uuid=DEFAULT_UUID):
        """Greet and create a character; returns every byte received up to
        the first prompt."""
        got = self.greet(uuid) + self.command(name, b"(yes/no) ")
        got += self.command("yes", b"Choose a password: ")
        got += self.command(password, b"Repeat the password: ")
        got += self.command(password, b"(Enter for Bran) ")
        return got + self.command(pet)

    def close(self):
        self.sock.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
