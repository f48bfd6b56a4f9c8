"""One fight between a character (with its hound) and a monster, a round at a
time. A round tells what happened; the session decides what the client is
sent for it.

The player always hits, for at least the low end of its damage, so every
fight ends within a bounded number of rounds.
"""

from collections import namedtuple

import world_data as data
from ansi import GREEN, RED, YELLOW, paint

# lines: coloured text lines; sounds: effect keys of world_data.SOUNDS;
# player_hurt: the monster drew the player's blood this round.
Round = namedtuple("Round", "lines sounds player_hurt monster_dead player_dead")


class Fight:
    def __init__(self, monster, rng):
        self.monster = monster
        self.hp = monster.hp
        self._rng = rng

    def percent(self):
        """The monster's health in percent of its full health."""
        return max(0, self.hp) * 100 // self.monster.hp

    def round(self, character):
        """Play one round: the player's blow, the hound's bite, the monster's answer."""
        name = self.monster.name
        lines, sounds = [], []
        low, high = data.SWORD_DAMAGE if character.wielding else data.UNARMED_DAMAGE
        damage = self._rng.randint(low, high) + sum(spell.bonus for spell in character.spells)
        self.hp -= damage
        weapon = "slash at" if character.wielding else "punch"
        for spell in character.spells:
            lines.append(paint("%s." % spell.verb, YELLOW))
        lines.append(paint("You %s the %s. [%d]" % (weapon, name, damage), GREEN, bright=True))
        sounds.append("hit")
        if character.pet_hp.value > 0:
            bite = self._rng.randint(*data.PET_BITE)
            self.hp -= bite
            lines.append(paint("%s bites the %s. [%d]" % (character.pet_name, name, bite), GREEN))
        if self.hp <= 0:
            lines.append(paint("The %s collapses in a heap. You gain %d experience."
                               % (name, self.monster.experience), YELLOW, bright=True))
            sounds.append("kill")
            return Round(lines, sounds, False, True, False)
        hurt = False
        at_pet = character.pet_hp.value > 0 and self._rng.random() < 0.25
        if self._rng.random() >= self.monster.hit_chance:
            lines.append(paint("The %s swings wildly and misses." % name, RED))
            sounds.append("miss")
        elif at_pet:
            wound = self._rng.randint(*self.monster.damage)
            character.pet_hp.change(-wound)
            lines.append(paint("The %s kicks %s. [%d]" % (name, character.pet_name, wound), RED))
            if character.pet_hp.value == 0:
                lines.append(paint("%s whimpers and limps out of the fight." % character.pet_name, RED))
        else:
            wound = self._rng.randint(*self.monster.damage)
            character.hp.change(-wound)
            lines.append(paint("The %s stabs you with a rusty knife! [%d]" % (name, wound), RED, bright=True))
            sounds.append("hurt")
            hurt = True
        return Round(lines, sounds, hurt, False, character.hp.value == 0)
