"""World mode: a small game behind a login.

One connection runs the login (login.py), then plays (player.py) until it
quits or goes. State shared by all connections lives here: the characters
by name, who is playing, the clock, the map and the dice. Room and creature
data live in world_data; stream bytes come from wire and tags.
"""

import random

import world_data as data
from automap import Automap
from character import Character
from game_clock import GameClock
from login import log_in
from player import Player
from terminal import Terminal


class World:
    def __init__(self):
        self.characters = {name: Character(name, password) for name, password in data.CHARACTERS}
        self.playing = {}  # character name -> Player
        self.clock = GameClock(data.CLOCK_START, data.CLOCK_RATE, data.OVERCAST_HOURS)
        self.automap = Automap(data.ROOMS)
        self.rng = random.Random()

    def add_character(self, character):
        """Keep a new character; False when its name was taken meanwhile."""
        if character.name in self.characters:
            return False
        self.characters[character.name] = character
        return True

    def others(self, player, room=None):
        """The other players in play, or those of them in room."""
        return [p for p in self.playing.values()
                if p is not player and (room is None or p.me.room == room)]

    async def serve(self, conn):
        term = Terminal(conn)
        entered = await log_in(self, term)
        if entered is None:
            return
        character, created = entered
        earlier = self.playing.get(character.name)
        if earlier is not None:
            earlier.take_over()
        player = Player(self, term, character)
        self.playing[character.name] = player
        try:
            await player.run(created)
        finally:
            if self.playing.get(character.name) is player:
                del self.playing[character.name]
