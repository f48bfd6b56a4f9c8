"""World mode: a small playable world behind a login.

One connection runs: greeting, welcome, name, password (typed input hidden by
IAC DONT ECHO until IAC DO ECHO), the "login" tag, then commands until "quit".
Any password is accepted; each name keeps its room in memory for the life of
the server. Room data lives in world_data; stream bytes come from wire.
"""

import asyncio
import logging
import re
import textwrap
import uuid

import wire
from ansi import BLUE, CYAN, GREEN, PURPLE, RED, WHITE, YELLOW, paint
from recorder import decode_line
from world_data import DIRECTIONS, ROOMS, START_ROOM

log = logging.getLogger("devserver")

GREETING = re.compile(r"_zorvik (\S+) (\S+)")
GREETING_TIMEOUT = 30   # seconds for the client's first line
IDLE_TIMEOUT = 3600     # seconds without a line before the world gives up on a player
NAME_ATTEMPTS = 5
NAME = re.compile(r"[A-Za-z]{2,20}")
EOL = "\r\n"
PROMPT = EOL + paint("> ", WHITE, bright=True)

WELCOME = EOL.join([
    "",
    paint("        ~~~  T A R N   H O L L O W  ~~~", CYAN, bright=True),
    paint("        a local world for trying the client", CYAN),
    "",
    paint("  The tarn lies still. ", BLUE, bright=True) + paint("Mist drifts over the water,", BLUE),
    paint("  lanterns glow ", YELLOW) + paint("gold", YELLOW, bright=True)
    + paint(" in the village, ", WHITE) + paint("moss", GREEN) + paint(" greens", GREEN, bright=True)
    + paint(" the stones,", WHITE),
    paint("  and far off something ", PURPLE) + paint("howls", RED, bright=True)
    + paint(" in the ", PURPLE) + paint("red", RED) + paint(" dusk.", PURPLE, bright=True),
    "", "",
])

ABBREVIATIONS = {short: word for word, short in DIRECTIONS.items()}


def _clean(s):
    """Player text as the world repeats it: printable ASCII only."""
    return "".join(c if " " <= c <= "~" else "?" for c in s)


class World:
    """State shared by all connections: the players known by name."""

    def __init__(self):
        self.rooms = {}  # player name -> room key

    async def serve(self, conn):
        await _Session(self, conn).run()


class _Session:
    def __init__(self, world, conn):
        self.world = world
        self.conn = conn
        self.name = None

    async def send(self, s):
        await self.conn.send(wire.text(s))

    async def line(self, timeout=IDLE_TIMEOUT):
        """Next client line as text without line end, or None when the
        connection is over (client closed, or idle: then the world closes)."""
        try:
            raw = await self.conn.next_line(timeout)
        except asyncio.TimeoutError:
            await self.send(EOL + "You have been idle too long. Goodbye." + EOL)
            await self.conn.close()
            return None
        return None if raw is None else decode_line(raw).rstrip("\r")

    async def run(self):
        greeting = await self.line(GREETING_TIMEOUT)
        if greeting is None:
            return
        match = GREETING.fullmatch(greeting)
        if not match:
            log.warning("connection %d: first line is not a greeting: %r", self.conn.number, greeting)
            await self.send("This world expects '_zorvik <uuid> <version>' as the first line." + EOL)
            await self.conn.close()
            return
        if match.group(1).startswith("DFLT"):
            # A default identifier: give the installation one of its own.
            await self.conn.send(wire.tag("uuid", uuid.uuid4().hex))
        await self.send(WELCOME)
        if await self.login():
            await self.play()

    async def login(self):
        for _ in range(NAME_ATTEMPTS):
            await self.send("By what name are you known? ")
            name = await self.line()
            if name is None:
                return False
            if NAME.fullmatch(name.strip()):
                break
            await self.send("A name is 2 to 20 letters." + EOL)
        else:
            await self.send("Too many tries. Come back when you remember your name." + EOL)
            await self.conn.close()
            return False
        self.name = name.strip().capitalize()
        await self.conn.send(wire.ECHO_OFF + wire.text("Password: "))
        if await self.line() is None:
            return False
        await self.conn.send(wire.ECHO_ON + wire.text(EOL))
        returning = self.name in self.world.rooms
        self.world.rooms.setdefault(self.name, START_ROOM)
        await self.conn.send(wire.tag("login", self.name))
        await self.send(("Welcome back, %s." if returning else "Welcome to Tarn Hollow, %s.") % self.name
                        + EOL + EOL)
        await self.look()
        await self.send(PROMPT)
        return True

    async def play(self):
        while True:
            line = await self.line()
            if line is None:
                return
            verb, _, rest = line.strip().partition(" ")
            verb = verb.lower()
            if verb == "zvping":
                await self.conn.send(wire.event("zvpong"))
                continue
            if verb == "zvlstatus":
                continue  # the client's settings report: nothing to answer
            if verb == "quit":
                await self.send(EOL + "Farewell, %s. The tarn will wait for you." % self.name + EOL)
                await self.conn.send(wire.event("logoff"))
                await self.conn.close()
                return
            await self.command(verb, rest.strip())
            await self.send(PROMPT)

    async def command(self, verb, rest):
        if not verb:
            return
        if verb in ("l", "look"):
            await self.look()
        elif verb in DIRECTIONS or verb in ABBREVIATIONS:
            await self.walk(ABBREVIATIONS.get(verb, verb))
        elif verb == "say":
            if rest:
                await self.send(paint('You say, "%s"' % _clean(rest), YELLOW) + EOL)
            else:
                await self.send("Say what?" + EOL)
        elif verb == "help":
            await self.send(paint("Commands: ", WHITE, bright=True)
                            + "look, north, south, east, west, up, down (or n s e w u d), "
                            "say <text>, help, version, quit." + EOL)
        elif verb == "version":
            await self.send("Tarn Hollow local world." + EOL)
        else:
            await self.send("Huh? '%s' is not a command here. Type 'help' for the commands."
                            % _clean(verb) + EOL)

    async def look(self):
        room = ROOMS[self.world.rooms[self.name]]
        exits = " ".join(d for d in DIRECTIONS if d in room.exits)
        await self.send(paint(room.name, CYAN, bright=True) + EOL
                        + EOL.join(textwrap.wrap(room.description, 78)) + EOL
                        + paint("[Exits: %s]" % exits, GREEN) + EOL)

    async def walk(self, direction):
        target = ROOMS[self.world.rooms[self.name]].exits.get(direction)
        if target is None:
            await self.send("You cannot go %s from here." % direction + EOL)
            return
        self.world.rooms[self.name] = target
        await self.look()
