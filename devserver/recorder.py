"""The record file: one JSON object per line, flushed per line so a test can
read it while the server runs.

    {"t": 1702301234.5, "conn": 1, "line": "_zorvik ab12 1.0"}       a client line
    {"t": ..., "conn": 1, "line": "...", "partial": true}          bytes left at close
    {"t": ..., "conn": 1, "line": "...", "hex": "..."}             line not valid UTF-8
    {"t": ..., "conn": 1, "event": "open" | "close" | ...}         connection events
    {"flood_bytes": ..., "seconds": ..., "mb_per_s": ...}          flood summary

"t" is seconds since 1970; "line" is the line without its final line feed
(a carriage return before it stays, so a client that sends one is caught).
The file is appended to, never truncated.
"""

import json
import time


def decode_line(raw):
    """Text of a client line as recorded and matched: UTF-8, bad bytes as \\xNN."""
    return raw.decode("utf-8", "backslashreplace")


class Recorder:
    """Writes the record file; with no path every call does nothing."""

    def __init__(self, path):
        self._file = open(path, "a", encoding="utf-8") if path else None

    def _write(self, obj):
        if self._file:
            self._file.write(json.dumps(obj) + "\n")
            self._file.flush()

    def line(self, conn, raw, partial=False):
        entry = {"t": time.time(), "conn": conn, "line": decode_line(raw)}
        try:
            raw.decode("utf-8")
        except UnicodeDecodeError:
            entry["hex"] = raw.hex()
        if partial:
            entry["partial"] = True
        self._write(entry)

    def event(self, conn, name, **fields):
        self._write(dict({"t": time.time(), "conn": conn, "event": name}, **fields))

    def summary(self, obj):
        self._write(obj)

    def close(self):
        if self._file:
            self._file.close()
            self._file = None
