"""A character of the world: where it is, its gauges, experience, state and
hound. Kept in memory for the life of the server."""

import hashlib
import os

import world_data as data

FULL_LEVEL = 1000  # experience is counted in tenths of a percent of a level


class Gauge:
    """A value between 0 and its maximum."""

    def __init__(self, maximum):
        self.value = self.maximum = maximum

    def change(self, delta):
        self.value = max(0, min(self.maximum, self.value + delta))

    def fill(self):
        self.value = self.maximum


def _digest(salt, password):
    return hashlib.pbkdf2_hmac("sha256", password.encode("utf-8"), salt, 10000)


class Character:
    def __init__(self, name, password, pet_name=data.PET_NAME):
        self.name = name
        self._salt = os.urandom(16)
        self._password = _digest(self._salt, password)
        self.room = data.START_ROOM
        self.hp = Gauge(data.START_HP)
        self.mana = Gauge(data.START_MANA)
        self.move = Gauge(data.START_MOVE)
        self.pet_name = pet_name
        self.pet_hp = Gauge(data.PET_HP)
        self.pet_move = Gauge(data.PET_MOVE)
        self.level = 1
        self.experience = 0
        self.kills = 0
        self.wielding = False
        self.asleep = False
        self.spells = []          # spells in force, in the order cast
        self.journal = []         # lines, oldest first
        self.monster_back = {}    # monster name -> clock time it is back at its home

    def password_is(self, password):
        return _digest(self._salt, password) == self._password

    def gain(self, experience):
        """Add experience; returns True when it made a new level, which
        raises the maxima and heals fully."""
        self.experience += experience
        if self.experience < FULL_LEVEL:
            return False
        self.experience -= FULL_LEVEL
        self.level += 1
        self.hp.maximum += data.LEVEL_BONUS_HP
        self.mana.maximum += data.LEVEL_BONUS_MANA
        self.rest()
        return True

    def rest(self):
        for gauge in (self.hp, self.mana, self.move, self.pet_hp, self.pet_move):
            gauge.fill()

    def regenerate(self):
        """The little a character recovers between commands outside a fight."""
        self.hp.change(1)
        self.mana.change(1)
        self.move.change(2)
        self.pet_hp.change(1)
        self.pet_move.change(2)
