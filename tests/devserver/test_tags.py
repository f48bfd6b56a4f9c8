"""Tag payloads whose encoding is more than a join: the exit mask, and the
refusals that keep a bad value from shifting the lines of a payload."""

import sys
import unittest

from harness import DEVSERVER_DIR

sys.path.insert(0, DEVSERVER_DIR)
import tags  # noqa: E402


class TagsTest(unittest.TestCase):
    def test_exit_mask_letters(self):
        cases = [
            ((True, ["south"]), b";sdirs;on AQ;edirs;"),
            ((True, ["west"]), b";sdirs;on CA;edirs;"),
            ((False, []), b";sdirs;off AA;edirs;"),
            # 512 + 256 + 128 + 1: "out" has no bit.
            ((True, ["out", "down", "up", "northwest", "north"]), b";sdirs;on ]B;edirs;"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                self.assertEqual(tags.dirs(*args), message)

    def test_bad_values_are_refused(self):
        cases = {
            "hint button 13": lambda: tags.hint_button(13, "Look", "look"),
            "hint button 0": lambda: tags.hint_button(0),
            "function key 9": lambda: tags.function_key(9, "F9"),
            "label of two lines": lambda: tags.hint_button(1, "Lo\nok", "look"),
            "popup title of two lines": lambda: tags.window_create("inv", "In\nv", 40, 8, "inventory"),
            "group name with a line feed": lambda: tags.group([(1, 1, 1, 1, 1, 1, "A\nB")]),
            "nine experience values": lambda: tags.xpp([1] * 9),
            "six icons": lambda: tags.icons([True] * 6),
            "channel name of 40 characters": lambda: tags.channel("c" * 40, b"text"),
            "semicolon in a payload": lambda: tags.areaname("Here; there"),
        }
        for what, make in cases.items():
            with self.subTest(what):
                self.assertRaises(ValueError, make)


if __name__ == "__main__":
    unittest.main()
