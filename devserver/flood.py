"""Flood mode: after the greeting, send a fixed block of MUD text as fast as
the client takes it, then a marker the client answers; time the whole.

The marker is the text "FLOOD-END <sha256 hex of the flood>\\n" followed by the
tag ";slogin;Flood;elogin;": a login makes the client send its status report
on its next tick, which is the answer. The time runs from the first flood byte to the first
client line after the marker; the summary
{"flood_bytes": ..., "seconds": ..., "mb_per_s": ...} (1 MB = 1,000,000 bytes)
goes to stdout and the record file.
"""

import asyncio
import hashlib
import json
import logging
import time

import mudtext
import wire

log = logging.getLogger("devserver")

CHUNK = 1 << 16
GREETING_TIMEOUT = 30   # seconds for the client's first line
ANSWER_TIMEOUT = 600    # seconds for the client to answer the marker


class Flood:
    def __init__(self, megabytes, seed, recorder):
        """Generate the flood now, so that sending it costs no generation time."""
        self.data = mudtext.generate(seed, int(megabytes * 1000000))
        self.marker = wire.text("FLOOD-END %s\n" % hashlib.sha256(self.data).hexdigest()) + wire.tag("login", "Flood")
        self._recorder = recorder

    async def serve(self, conn):
        try:
            if await conn.next_line(GREETING_TIMEOUT) is None:
                return
        except asyncio.TimeoutError:
            log.warning("connection %d: no greeting; no flood", conn.number)
            await conn.close()
            return
        start = time.perf_counter()
        for offset in range(0, len(self.data), CHUNK):
            await conn.send(self.data[offset:offset + CHUNK])
        await conn.send(self.marker)
        # Only a line sent after the marker is the answer.
        conn.discard_lines()
        try:
            answer = await conn.next_line(ANSWER_TIMEOUT)
        except asyncio.TimeoutError:
            answer = None
        if answer is None:
            log.warning("connection %d: no answer to the flood marker", conn.number)
            conn.record("flood_unanswered")
            return
        seconds = time.perf_counter() - start
        summary = {"flood_bytes": len(self.data), "seconds": round(seconds, 6),
                   "mb_per_s": round(len(self.data) / 1e6 / seconds, 3)}
        self._recorder.summary(summary)
        print(json.dumps(summary), flush=True)
