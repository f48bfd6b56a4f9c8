"""One client connection of the game port.

A reader task runs for the whole connection: it splits what the client sends
into lines, records every one of them and queues them for the session, so
lines are recorded even while the session is busy sending or waiting.
"""

import asyncio
import logging
import socket
import struct

log = logging.getLogger("devserver")

READ_SIZE = 65536
MAX_LINE = 1 << 20  # a longer line is delivered in pieces of this size, marked partial


class ClientConnection:
    def __init__(self, number, reader, writer, recorder):
        self.number = number
        self._reader = reader
        self._writer = writer
        self._recorder = recorder
        self._lines = asyncio.Queue()
        self._eof = False
        self._closed_by = None  # "server close" or "server reset" once the server ends it
        self._task = asyncio.ensure_future(self._read_lines())
        self.record("open")

    async def _read_lines(self):
        pending = b""
        reason = "client close"
        try:
            while True:
                chunk = await self._reader.read(READ_SIZE)
                if not chunk:
                    break
                pending += chunk
                *lines, pending = pending.split(b"\n")
                for line in lines:
                    self._deliver(line)
                while len(pending) >= MAX_LINE:
                    self._deliver(pending[:MAX_LINE], partial=True)
                    pending = pending[MAX_LINE:]
        except OSError as err:
            reason = "error: %s" % err
        if pending:
            self._deliver(pending, partial=True)
        self.record("close", reason=self._closed_by or reason)
        self._lines.put_nowait(None)

    def _deliver(self, line, partial=False):
        self._recorder.line(self.number, line, partial)
        self._lines.put_nowait(line)

    async def next_line(self, timeout):
        """The next line the client sent (bytes, no line feed), or None once the
        client has closed. Raises asyncio.TimeoutError after timeout seconds."""
        if self._eof:
            return None
        if self._lines.empty():
            line = await asyncio.wait_for(self._lines.get(), timeout)
        else:
            line = self._lines.get_nowait()
        if line is None:
            self._eof = True
        return line

    def record(self, event, **fields):
        """Write an event of this connection to the record file."""
        self._recorder.event(self.number, event, **fields)

    def discard_lines(self):
        """Forget lines received so far; the next line is one sent after now."""
        while not self._lines.empty():
            if self._lines.get_nowait() is None:
                self._eof = True

    async def wait_client_close(self):
        """Wait until the client closes, reading and recording what it sends."""
        await self._task

    async def send(self, data):
        """Send bytes; does nothing once the connection is closing or lost
        (the reader task sees the loss and records it)."""
        if self._closed_by or self._writer.is_closing():
            return
        self._writer.write(data)
        try:
            await self._writer.drain()
        except OSError:
            pass

    async def close(self, grace=5):
        """Orderly close: TLS close_notify, then FIN. A TLS client gets grace
        seconds to answer the close_notify before the socket is closed anyway."""
        if self._closed_by:
            return
        self._closed_by = "server close"
        self._writer.close()
        try:
            await asyncio.wait_for(self._writer.wait_closed(), grace)
        except (asyncio.TimeoutError, OSError):
            self._writer.transport.abort()
        await self._task

    def reset(self):
        """Abortive close: SO_LINGER 0 makes the kernel send RST instead of FIN."""
        if self._closed_by:
            return
        self._closed_by = "server reset"
        sock = self._writer.get_extra_info("socket")
        if sock is not None:  # None once the client has gone
            sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self._writer.transport.abort()
