"""Seeded, deterministic MUD-like text for floods and benchmarks.

The text is what a busy game sends: room titles and descriptions, exits,
combat, chatter, prompts and the occasional tag (";shp;...;ehp;", ";tcombat;"),
coloured with one-parameter ANSI sequences and ending lines with CR LF. The
text is made of whole pieces (lines, or a tag alone) and no tag or escape
spans two pieces, so after every piece a client's decoder is back in text. The same seed always gives the same
bytes, on any Python version (the generator is splitmix64, not `random`).

Usage from Python:  mudtext.generate(seed, nbytes) -> bytes
From the shell:     python3 mudtext.py --seed 7 --bytes 1000000 > flood.txt
"""

import argparse
import sys

import wire
from ansi import BLUE, CYAN, GREEN, PURPLE, RED, WHITE, YELLOW, paint

_MASK = (1 << 64) - 1


class _Random:
    """splitmix64: tiny, fast enough and fixed forever."""

    def __init__(self, seed):
        self._state = seed & _MASK

    def below(self, n):
        self._state = (self._state + 0x9E3779B97F4A7C15) & _MASK
        z = self._state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & _MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & _MASK
        return (z ^ (z >> 31)) % n

    def pick(self, items):
        return items[self.below(len(items))]


_PLACES = ["Hollow Green", "Tarn Shore", "The Old Mill", "Dark Pines", "Watchtower",
           "Reed Marsh", "Miller's Lane", "Sunken Chapel", "Goat Track", "Ferry Landing"]
_SENTENCES = [
    "Black water laps at the pebbles of the shore.",
    "A cold wind stirs the reeds; somewhere a bird calls twice.",
    "The path is churned to mud by many boots.",
    "Moss covers the old stones, soft and green.",
    "Smoke rises from a chimney beyond the hedge.",
    "Lantern light flickers behind a shuttered window.",
    "The mill wheel groans on its axle.",
    "Needles muffle every step under the pines.",
    "A broken cart lies on its side in the ditch.",
    "Far off, a dog barks and is answered by another.",
]
_EXITS = ["north", "east", "south", "west", "up", "down"]
_FOES = ["a goblin", "a marsh rat", "the bandit", "a grey wolf", "the drowned knight"]
_VERBS = ["slash", "pierce", "bash", "claw at", "strike"]
_WOUNDS = ["It staggers.", "It bleeds.", "It howls in pain.", "It barely notices.", "It reels back!"]
_NAMES = ["Ann", "Borin", "Cass", "Dunla", "Evrard", "Fen"]
_SAYINGS = ["anyone seen the ferryman?", "need a healer at the mill", "lol",
            "the tarn is deep; do not swim", "selling goat cheese, cheap", "afk 5"]


def _room(r):
    return (paint(r.pick(_PLACES), CYAN, bright=True) + "\r\n"
            + paint(" ".join(r.pick(_SENTENCES) for _ in range(1 + r.below(3))), WHITE) + "\r\n"
            + paint("[Exits: %s]" % " ".join(e for e in _EXITS if r.below(2)), GREEN) + "\r\n")


def _combat(r):
    foe = r.pick(_FOES)
    if r.below(2):
        line = paint("You %s %s. %s" % (r.pick(_VERBS), foe, r.pick(_WOUNDS)), RED)
    else:
        line = paint("%s hits you!" % foe.capitalize(), RED, bright=True)
    return line + "\r\n"


def _chat(r):
    channel = r.pick([("gossip", PURPLE), ("ooc", BLUE), ("say", YELLOW)])
    return paint("[%s] %s: %s" % (channel[0], r.pick(_NAMES), r.pick(_SAYINGS)), channel[1]) + "\r\n"


def _prompt(r):
    hp, mana, move = r.below(101), r.below(81), r.below(121)
    return paint("<%dhp %dm %dmv> " % (hp, mana, move), WHITE, bright=True) + "\r\n"


def _line(r):
    """One piece of game output as stream bytes."""
    kind = r.below(20)
    if kind < 5:
        return wire.text(_room(r))
    if kind < 11:
        return wire.text(_combat(r))
    if kind < 15:
        return wire.text(_chat(r))
    if kind < 18:
        return wire.text(_prompt(r))
    if kind == 18:
        hp = " ".join(str(r.below(500)) for _ in range(6))
        return wire.tag("hp", hp) + wire.text(_prompt(r))
    return wire.flag("combat" if r.below(2) else "ncombat")


def generate(seed, nbytes):
    """At least nbytes of stream text from seed, in whole pieces: less than
    one piece more than asked."""
    r = _Random(seed)
    parts = []
    size = 0
    while size < nbytes:
        part = _line(r)
        parts.append(part)
        size += len(part)
    return b"".join(parts)


def main():
    parser = argparse.ArgumentParser(description="Write seeded MUD-like stream text to stdout.")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--bytes", type=int, required=True)
    args = parser.parse_args()
    sys.stdout.buffer.write(generate(args.seed, args.bytes))


if __name__ == "__main__":
    main()
