"""The "map" payload, read back the way the client's automap decodes it."""

import sys
import unittest

from harness import DEVSERVER_DIR

sys.path.insert(0, DEVSERVER_DIR)
from automap import Automap  # noqa: E402
from world_data import ROOMS  # noqa: E402

# Lines and characters per line of each section, in payload order.
SECTIONS = (("across", 12, 11), ("along", 11, 12), ("falling", 12, 12), ("rising", 12, 12), ("rooms", 11, 44))


def decode(payload):
    """Split a payload into its direction letter, sections and transition."""
    letter, *lines, transition = payload[0], *payload[1:].split("\n")
    sections = {}
    for name, count, width in SECTIONS:
        part, lines = lines[:count], lines[count:]
        if any(len(line) != width for line in part):
            raise AssertionError("section %s has a line of the wrong width: %r" % (name, part))
        sections[name] = [[ord(c) - 64 for c in line] for line in part]
    if lines:
        raise AssertionError("lines left after the rooms: %r" % lines)
    sections["rooms"] = [[tuple(row[i:i + 4]) for i in range(0, 44, 4)] for row in sections["rooms"]]
    return letter, sections, ord(transition) - 64


class AutomapTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.automap = Automap(ROOMS)

    def test_the_links_and_rooms_around_the_green(self):
        payload = self.automap.payload("green")
        self.assertNotIn(";", payload)
        self.assertNotIn("\r", payload)
        letter, map_, transition = decode(payload)
        self.assertEqual((letter, transition), ("@", 0))
        terrain, marks, key, _ = map_["rooms"][5][5]
        self.assertEqual((terrain, marks), (4, 1 | 2 | 8))  # grass; recall, road and up marks
        self.assertNotEqual(key, 0)
        # What lies between two neighbours: (section, row, column) -> link.
        cases = {
            "north to the shore": ("across", 5, 5, 1),
            "the door east to the mill": ("along", 5, 6, 2),
            "west to the pines": ("along", 5, 5, 1),
            "jetty above the mill, no way between": ("across", 5, 6, 4),
            "nothing north of the shore": ("across", 4, 5, 0),
            "northeast to the jetty": ("rising", 5, 6, 1),
            "shore to mill, no diagonal way": ("falling", 5, 6, 4),
            "southeast to the orchard": ("falling", 6, 6, 1),
        }
        for what, (section, row, column, link) in cases.items():
            with self.subTest(what):
                self.assertEqual(map_[section][row][column], link)
        keys = [room[2] for row in map_["rooms"] for room in row if room[2]]
        self.assertEqual(len(keys), len(set(keys)))
        self.assertEqual(len(keys), 8)  # the rooms of this level; tower and cellar are not on it
        self.assertEqual(map_["rooms"][0][0], (0, 0, 0, 0))

    def test_a_room_off_the_village_centre(self):
        _, map_, _ = decode(self.automap.payload("hollow"))
        pines, green = map_["rooms"][5][6], map_["rooms"][5][7]
        self.assertEqual((map_["rooms"][5][5][0], pines[0], green[0]), (34, 6, 4))
        self.assertEqual(map_["rooms"][5][4], (0, 0, 0, 0))

    def test_the_letter_names_the_move_that_led_here(self):
        cases = [("shore", "green", "A"), ("mill", "green", "B"), ("green", "shore", "C"),
                 ("pines", "green", "D"), ("jetty", "green", "E"), ("orchard", "green", "F"),
                 ("green", "jetty", "G"), ("green", "orchard", "H"),
                 ("cellar", "mill", "@"), ("tower", "green", "@")]
        for here, came_from, letter in cases:
            with self.subTest(here=here, came_from=came_from):
                self.assertEqual(decode(self.automap.payload(here, came_from))[0], letter)

    def test_another_level_shows_only_its_own_rooms(self):
        _, map_, transition = decode(self.automap.payload("cellar", "mill", transition=2))
        self.assertEqual(transition, 2)
        shown = [(k, m) for k, row in enumerate(map_["rooms"]) for m, room in enumerate(row) if room[2]]
        self.assertEqual(shown, [(5, 5)])
        self.assertEqual(map_["rooms"][5][5][1], 8)  # the way up is marked


if __name__ == "__main__":
    unittest.main()
