"""World mode as a game: fights, the displays' tags in their formats,
popups, channels, the colour card and leaving."""

import itertools
import unittest

from harness import PROMPT, DevServer, parse_stream

FIGHT_TIMEOUT = 30  # seconds; a fight lasts a few one-second rounds

# The payload of every tag the world sends, as the client's displays parse it.
NUMBER = r"-?\d+"
GROUP_LINE = r"(%s ){6}\S.*" % NUMBER
FORMATS = {
    "uuid": r"[0-9a-f]{32}",
    "login": r"[A-Z][a-z]+",
    "event": r"newcreate|logoff|zvpong|colorflash [0-9a-f]{6}( [0-9a-f]{6} \d+)+",
    "hp": r"(%s )(%s ){4}%s" % (NUMBER, NUMBER, NUMBER),
    "enemyhp": r"(\d{1,3} \S.*)?",
    "xpp": r"(%s( %s){0,7})?" % (NUMBER, NUMBER),
    "group": r"%s(\n%s)*" % (GROUP_LINE, GROUP_LINE),
    "skystate": r"[01]{3} %s %s \d{1,2}:\d\d [ap]m" % (NUMBER, NUMBER),
    "icons": r"[01]{0,5}",
    "dirs": r"(on|off) [A-`][A-`]",
    "walkfail": r"[0-7]",
    "areaname": r".+",
    "sound": r"[a-z_]+/[a-z_]+",
    "window_create": r"[a-z]+\n[^\n]+\n\d+ \d+\n[^\n]+\n((noscroll|nowrap|menuonly)( |$))*",
    "divert": r"[a-z]+",
    "append": r"[a-z]+",
    "chdiv": r"[a-z]{1,39}",
    "config": r"[a-z_]+ (enable|disable|flash)",
    # The map: a direction letter, 58 lines, the transition character.
    "map": r"[@A-H](([@-\x7f]{11}\n){12}([@-\x7f]{12}\n){35}([@-\x7f]{44}\n){11})[@AB]",
}
FORMATS.update({"b%d" % n: r"([^\n]+\n[^\n]+)?" for n in range(1, 13)})
FORMATS.update({"bf%d" % n: r"[^\n]*" for n in range(1, 9)})
FLAGS = {"combat", "ncombat", "chudiv", "undivert", "unappend"}

names = ("Player%s" % "".join(letters) for letters in itertools.product("abcdefghij", repeat=3))


def tag_payloads(data, wanted):
    return [payload for name, payload in parse_stream(data)[1] if name == wanted]


class GameTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = DevServer()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def fight_goblin(self, client, wield=True):
        """Walk to the goblin and fight it to the end; returns every byte of the fight."""
        client.command("w")
        client.command("w")
        if wield:
            client.command("wield")
        return client.command("kill goblin") + client.read_until(b";tncombat;", FIGHT_TIMEOUT) \
            + client.read_until(PROMPT)

    def test_a_fight_moves_the_enemy_bar_the_gauges_and_experience(self):
        with self.server.client() as client:
            client.create(next(names))
            fight = self.fight_goblin(client)
            after = client.command("kill goblin")
        _, tags = parse_stream(fight)
        names_sent = [name for name, _ in tags]
        # The combat title comes first and ncombat (which clears the enemy) last.
        self.assertEqual(names_sent[0], "combat")
        self.assertLess(names_sent.index("ncombat"), names_sent.index("xpp"))
        enemy = [int(p.split()[0]) for n, p in tags if n == "enemyhp"]
        self.assertTrue(all(p.endswith(" goblin") for n, p in tags if n == "enemyhp"))
        self.assertEqual(enemy, sorted(enemy, reverse=True))
        self.assertEqual(enemy[-1], 0)
        self.assertEqual(tag_payloads(fight, "xpp"), ["250"])
        for payload in tag_payloads(fight, "hp"):
            hp, max_hp, mana, max_mana, move, max_move = map(int, payload.split())
            self.assertTrue(0 < hp <= max_hp and 0 <= mana <= max_mana and 0 <= move <= max_move, payload)
        self.assertRegex(fight, rb";sappend;journal;eappend;\[\d+:\d\d [ap]m\] You slew a goblin\.\r\n;tunappend;")
        # The goblin is gone for a while.
        self.assertIn(b"There is no goblin here.", after)

    def test_a_short_session_sends_every_display_tag_in_its_format(self):
        with self.server.client() as client:
            stream = client.create(next(names), uuid="DFLT0123456789abcdef0123456789ab")
            stream += self.fight_goblin(client, wield=False)
            for command in ("north", "zvlwindow open inventory", "inventory", "gossip hello",
                            "zvlwindow open journal", "journal", "time", "sleep", "wake", "recall",
                            "zvping"):
                client.send_line(command)
            stream += client.read_until(b";sevent;zvpong;eevent;")
            client.send_line("quit")
            stream += client.read_to_close()
        _, tags = parse_stream(stream)
        sent = {name for name, _ in tags}
        self.assertEqual(sent, set(FORMATS) | FLAGS)
        for name, payload in tags:
            with self.subTest(tag=name, payload=payload):
                if name in FLAGS:
                    self.assertIsNone(payload)
                else:
                    self.assertRegex(payload, "^(%s)$" % FORMATS[name])

    def test_leaving(self):
        # commands before the end; whether the last one is refused because of the fight
        cases = [
            ("quit", [], False),
            ("quit", ["w", "w", "kill goblin"], True),
            ("quit -f", ["w", "w", "kill goblin"], False),
            # The client's polite logoff: the recall ends the fight, the quit then leaves.
            ("quit", ["w", "w", "kill goblin", "", "recall", "quit", "recall"], False),
        ]
        for last, before, refused in cases:
            with self.subTest(before=before, last=last), self.server.client() as client:
                client.create(next(names))
                for command in before:
                    client.send_line(command)
                client.send_line(last)
                if refused:
                    got = client.read_until(b"No way! You are fighting for your life!")
                    self.assertNotIn(b"logoff", got)
                    client.command("who", b"Players in Tarn Hollow:")  # still playing
                    continue
                rest = client.read_to_close(FIGHT_TIMEOUT)
                # The farewell, then the event, then the server closes.
                self.assertRegex(rest, rb"Farewell, Player[a-j]{3}\. The tarn will wait for you\.\r\n"
                                       rb";sevent;logoff;eevent;$")
                self.assertEqual(rest.count(b"logoff"), 1)

    def test_popup_text_goes_to_the_window_while_it_is_open(self):
        with self.server.client() as client:
            client.create(next(names))
            closed = client.command("inventory")
            client.send_line("zvlwindow open inventory")
            opened = client.command("inventory")
            wielded = client.command("wield")
            client.send_line("zvlwindow close inventory")
            again = client.command("i")
        self.assertIn(b"You carry:", closed)
        self.assertEqual(tag_payloads(closed, "divert"), [])
        self.assertRegex(opened, rb"(?s);sdivert;inventory;edivert;You carry:.*sheathed.*;tundivert;")
        self.assertRegex(wielded, rb"(?s);sdivert;inventory;edivert;You carry:.*in your hand.*;tundivert;")
        self.assertEqual(tag_payloads(again, "divert"), [])

    def test_channel_talk_and_room_talk_reach_the_others(self):
        with self.server.client() as speaker, self.server.client() as listener:
            speaker.create(next(names))
            hearer = next(names)
            listener.create(hearer)
            speaker.send_line("gossip hi; all")
            heard = listener.read_until(b";tchudiv;")
            own = speaker.read_until(b"'hi;; all'")
            speaker.send_line("say psst")
            said = listener.read_until(b'says, "psst"')
        self.assertRegex(heard, rb";schdiv;gossip;echdiv;\x1b\[22m\x1b\[35mPlayer[a-j]{3} gossips, "
                                rb"'hi;; all'\x1b\[0m\r\n;tchudiv;")
        self.assertTrue(own.endswith(b";schdiv;gossip;echdiv;\x1b[22m\x1b[35mYou gossip, 'hi;; all'"), own)
        self.assertRegex(said, rb'Player[a-j]{3} says, "psst"')

    def test_states_show_in_the_icons_and_direction_buttons(self):
        # command, icons (not wielding, asleep, the three spells), direction buttons when they change
        cases = [
            ("wield", "00000", None),
            ("cast burning hands", "00100", None),
            ("cast sickening touch", "00101", None),
            ("sleep", "01101", "off K`"),   # the exits of the green stay marked
            ("wake", "00101", "on K`"),
            ("remove", "10101", None),
        ]
        with self.server.client() as client:
            entered = client.create(next(names))
            self.assertEqual(tag_payloads(entered, "icons"), ["10000"])
            for command, icons, dirs in cases:
                with self.subTest(command=command):
                    got = client.command(command)
                    self.assertEqual(tag_payloads(got, "icons"), [icons])
                    self.assertEqual(tag_payloads(got, "dirs"), [dirs] if dirs else [])

    def test_the_colour_card_shows_every_colour_and_attribute(self):
        with self.server.client() as client:
            client.create(next(names))
            card = client.command("colours")
            clear = client.command("clear")
        for colour in range(31, 38):
            for intensity in (2, 22, 1):
                with self.subTest(colour=colour, intensity=intensity):
                    self.assertIn(b"\x1b[%dm\x1b[%dm" % (intensity, colour), card)
        for sequence in (b"\x1b[0m", b"\x1b[5m", b"\x1b[7m"):
            self.assertIn(sequence, card)
        # A ";" inside an escape sequence is escaped like any other.
        self.assertIn(b"\x1b[1;;33m", card)
        self.assertTrue(clear.startswith(b"\x1bc"), clear)


if __name__ == "__main__":
    unittest.main()
