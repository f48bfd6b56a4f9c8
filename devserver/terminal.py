"""A client connection seen as a terminal: lines in, bytes and text out,
questions with visible or hidden answers, and the idle limit."""

import asyncio

import wire
from recorder import decode_line
from world_texts import EOL

IDLE_TIMEOUT = 3600  # seconds without a line before the world gives up on a player


class Terminal:
    def __init__(self, conn):
        self.conn = conn

    async def send(self, data):
        await self.conn.send(data)

    async def say(self, s):
        """Send text, every ";" escaped."""
        await self.conn.send(wire.text(s))

    async def line(self, timeout=IDLE_TIMEOUT):
        """Next client line as text without its line end, or None when the
        connection is over (the client closed, or it was idle: then the world
        says so and closes)."""
        try:
            raw = await self.conn.next_line(timeout)
        except asyncio.TimeoutError:
            await self.say(EOL + "You have been idle too long. Goodbye." + EOL)
            await self.conn.close()
            return None
        return None if raw is None else decode_line(raw).rstrip("\r")

    async def ask(self, prompt):
        await self.say(prompt)
        return await self.line()

    async def ask_secret(self, prompt):
        """Ask with the client's echo off (IAC DONT ECHO) until the answer is
        in; echo comes back on (IAC DO ECHO) after it."""
        await self.conn.send(wire.ECHO_OFF + wire.text(prompt))
        answer = await self.line()
        if answer is not None:
            await self.conn.send(wire.ECHO_ON + wire.text(EOL))
        return answer

    async def close(self):
        await self.conn.close()
