"""The game port: accepts clients (TLS, or plain TCP) and runs one session per
connection. A session is any object with `async serve(conn)`; world, scenario
and flood mode each provide one."""

import asyncio
import itertools
import logging

from connection import ClientConnection

log = logging.getLogger("devserver")

HANDSHAKE_TIMEOUT = 10  # seconds
SHUTDOWN_GRACE = 0.5  # seconds a client gets to answer the close at shutdown


class GameServer:
    def __init__(self, session, recorder, ssl_context):
        self._session = session
        self._recorder = recorder
        self._ssl = ssl_context
        self._numbers = itertools.count(1)
        self._tasks = set()
        self._server = None

    async def start(self, host, port):
        """Listen on host:port (0 picks a free port); return the bound port."""
        self._server = await asyncio.start_server(self._accept, host, port)
        return self._server.sockets[0].getsockname()[1]

    async def _accept(self, reader, writer):
        task = asyncio.current_task()
        self._tasks.add(task)
        try:
            number = next(self._numbers)
            log.info("connection %d from %s", number, writer.get_extra_info("peername"))
            if self._ssl and not await self._handshake(number, writer):
                return
            await self._run(ClientConnection(number, reader, writer, self._recorder))
        finally:
            self._tasks.discard(task)

    async def _handshake(self, number, writer):
        """TLS handshake, done here rather than by the listener so that a
        failed one is logged and recorded. Returns True on success."""
        try:
            await writer.start_tls(self._ssl, ssl_handshake_timeout=HANDSHAKE_TIMEOUT)
            return True
        except (OSError, asyncio.TimeoutError) as err:
            reason = str(err) or "timeout"
            log.warning("connection %d: TLS handshake failed: %s", number, reason)
            self._recorder.event(number, "tls_failed", reason=reason)
            writer.transport.abort()
            return False

    async def _run(self, conn):
        try:
            await self._session.serve(conn)
            # Keep recording until the client closes (at once if the session closed).
            await conn.wait_client_close()
        except asyncio.CancelledError:
            await conn.close(grace=SHUTDOWN_GRACE)
            raise
        except Exception:
            log.exception("connection %d: session failed", conn.number)
            await conn.close()
        log.info("connection %d ended", conn.number)

    async def stop(self):
        """Stop listening and end every open connection."""
        if self._server:
            self._server.close()
        for task in list(self._tasks):
            task.cancel()
        await asyncio.gather(*self._tasks, return_exceptions=True)
        if self._server:
            await self._server.wait_closed()
