"""World mode: greeting, creating a character, logging in, commands, walking."""

import re
import unittest

from harness import NAME_PROMPT, DevServer, parse_stream

ECHO_OFF, ECHO_ON = b"\xff\xfe\x01", b"\xff\xfd\x01"


def events(data):
    return [payload for name, payload in parse_stream(data)[1] if name == "event"]


def tag_payloads(data, wanted):
    return [payload for name, payload in parse_stream(data)[1] if name == wanted]


class WorldTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = DevServer()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def test_creating_a_character(self):
        with self.server.client() as client:
            client.greet()
            confirm = client.command("ann", b"(yes/no) ")
            self.assertEqual(confirm, b"There is no one called Ann in Tarn Hollow.\r\n"
                                      b"Create a new character named Ann? (yes/no) ")
            # The event comes once the player says yes, before any question of the creation.
            got = client.command("yes", b"Choose a password: ")
            self.assertTrue(got.startswith(b";sevent;newcreate;eevent;"), got)
            self.assertTrue(got.endswith(ECHO_OFF + b"Choose a password: "), got)
            self.assertEqual(client.command("one", b"Repeat the password: "),
                             ECHO_ON + b"\r\n" + ECHO_OFF + b"Repeat the password: ")
            self.assertIn(b"The two passwords differ.", client.command("two", b"Choose a password: "))
            client.command("pw", b"Repeat the password: ")
            client.command("pw", b"(Enter for Bran) ")
            self.assertIn(b"A name is 2 to 20 letters.", client.command("x", b"(Enter for Bran) "))
            entered = client.command("rex")
        text, tags = parse_stream(entered)
        self.assertEqual(tags[0], ("login", "Ann"))
        self.assertIn(b"Welcome to Tarn Hollow, Ann.", text)
        self.assertEqual([p for n, p in tags if n == "event"], [])
        self.assertTrue(tag_payloads(entered, "group")[0].endswith("\n40 40 0 0 60 60 -Rex-"))

    def test_answers_at_the_name_prompt(self):
        cases = [
            ("no", b"Create a new character named Bea? (yes/no) ", NAME_PROMPT, "bea"),
            ("x", None, b"A name is 2 to 20 letters.\r\n" + NAME_PROMPT, None),
            ("bad name", None, b"A name is 2 to 20 letters.\r\n" + NAME_PROMPT, None),
        ]
        for answer, question, reply, name in cases:
            with self.subTest(answer=answer), self.server.client() as client:
                client.greet()
                if question:
                    client.command(name, question)
                got = client.command(answer, NAME_PROMPT)
                self.assertEqual(got, reply)
                self.assertEqual(events(got), [])

    def test_giving_up_a_creation_logs_off_and_keeps_the_name_free(self):
        with self.server.client() as client:
            client.greet()
            client.command("cid", b"(yes/no) ")
            client.command("yes", b"Choose a password: ")
            client.command("pw", b"Repeat the password: ")
            client.command("pw", b"(Enter for Bran) ")
            client.send_line("quit")
            rest = client.read_to_close()
        self.assertIn(b"Character creation abandoned.", rest)
        self.assertTrue(rest.endswith(b";sevent;logoff;eevent;"), rest)
        with self.server.client() as client:
            client.greet()
            self.assertIn(b"There is no one called Cid", client.command("cid", b"(yes/no) "))

    def test_logging_in_to_an_existing_character(self):
        with self.server.client() as client:
            client.greet()
            # IAC DONT ECHO comes right before the prompt, nothing after it until the password.
            self.assertEqual(client.command("tester", b"Password: "), ECHO_OFF + b"Password: ")
            self.assertEqual(client.command("wrong", b"Password: "),
                             ECHO_ON + b"\r\nWrong password.\r\n" + ECHO_OFF + b"Password: ")
            entered = client.command("tester")
        self.assertTrue(entered.startswith(ECHO_ON + b"\r\n;slogin;Tester;elogin;Welcome back, Tester."), entered)
        self.assertEqual(events(entered), [])

    def test_three_wrong_passwords_close_without_login(self):
        with self.server.client() as client:
            client.greet()
            client.command("tester", b"Password: ")
            client.command("a", b"Password: ")
            client.command("b", b"Password: ")
            client.send_line("c")
            rest = client.read_to_close()
        self.assertIn(b"Too many wrong passwords.", rest)
        self.assertEqual(parse_stream(rest)[1], [])

    def test_a_created_character_comes_back_where_it_left(self):
        with self.server.client() as client:
            client.create("dara", "hidden")
            client.command("n")
            client.send_line("quit")
            self.assertTrue(client.read_to_close().endswith(b";sevent;logoff;eevent;"))
        with self.server.client() as client:
            back = client.log_in("DARA", "hidden")
        self.assertIn(b";slogin;Dara;elogin;Welcome back, Dara.", back)
        self.assertIn(b"Tarn Shore", back)

    def test_a_second_login_takes_the_character_over(self):
        with self.server.client() as first, self.server.client() as second:
            first.create("eda")
            second.log_in("eda", "secret")
            rest = first.read_to_close()
            self.assertIn(b"as you from elsewhere", rest)
            self.assertTrue(rest.endswith(b";sevent;logoff;eevent;"), rest)
            self.assertIn(b"Hollow Green", second.command("look"))

    def test_default_identifier_gets_one_of_its_own(self):
        for uuid, assigned in (("DFLT0123456789abcdef0123456789ab", True),
                               ("0123456789abcdef0123456789abcdef", False)):
            with self.subTest(uuid=uuid), self.server.client() as client:
                welcome = client.greet(uuid)
                tags = re.findall(rb";suuid;([0-9a-f]{32});euuid;", welcome)
                self.assertEqual(len(tags), 1 if assigned else 0)

    def test_commands_are_answered(self):
        cases = [
            ("look", b"\x1b[1m\x1b[36mHollow Green\x1b[0m"),
            ("say a;b", b'You say, "a;;b"'),             # a ";" in text is escaped
            ("say \x1b[31mred", b'You say, "?[31mred"'),  # no escape sequence from players
            ("say", b"Say what?"),
            ("frobnicate now", b"Huh? 'frobnicate' is not a command here."),
            ("version", b"Tarn Hollow local world"),
            ("help", b"Commands of Tarn Hollow"),
            ("help me", b"Getting started"),
            ("help dragons", b"There is no help on 'dragons'."),
            ("quit -check", b"You are about to leave Tarn Hollow."),
            ("quit -x", b"'quit' leaves the game"),
            ("f01", b"Hollow Green"),                      # F1 is bound to look
            ("f12", b"Nothing is bound to F12."),
            ("", b"\r\n\x1b[1m\x1b[37m"),                  # an empty line gets the prompt again
        ]
        with self.server.client() as client:
            client.create("cora")
            for command, reply in cases:
                with self.subTest(command=command):
                    got = client.command(command)
                    self.assertIn(reply, got)
                    self.assertNotIn(b";sevent;logoff", got)

    def test_client_lines_get_no_reply_but_the_ping_its_pong(self):
        with self.server.client() as client:
            client.create("finn")
            for line in ("zvlstatus 10000110000000000000   0  40  1", "zvlwindow open inventory",
                         "zvlwindow close inventory", "zvping"):
                client.send_line(line)
            self.assertEqual(client.read_until(b";eevent;"), b";sevent;zvpong;eevent;")

    def test_walking(self):
        # command, room reached, letter the map slides by, transition character
        cases = [
            ("ne", "The Old Jetty", "E", "@"),
            ("west", "Tarn Shore", "D", "@"),
            ("s", "Hollow Green", "C", "@"),
            ("seast", "Apple Orchard", "F", "@"),
            ("northwest", "Hollow Green", "H", "@"),
            ("e", "The Old Mill", "B", "@"),
            ("d", "Mill Cellar", "@", "B"),   # another level: no slide, a jump
            ("up", "The Old Mill", "@", "B"),
            ("out", "Hollow Green", "D", "@"),
            ("recall", "Hollow Green", "@", "B"),
        ]
        with self.server.client() as client:
            client.create("gil")
            for command, room, letter, transition in cases:
                with self.subTest(command=command):
                    got = client.command(command)
                    self.assertIn(room.encode(), got)
                    (payload,) = tag_payloads(got, "map")
                    self.assertEqual((payload[0], payload[-1]), (letter, transition))

    def test_walking_into_a_wall_bumps_the_map(self):
        with self.server.client() as client:
            client.create("hal")
            client.command("n")
            for command, number in (("north", "0"), ("w", "3"), ("sw", "6"), ("u", None)):
                with self.subTest(command=command):
                    got = client.command(command)
                    self.assertIn(b"You cannot go", got)
                    self.assertEqual(tag_payloads(got, "walkfail"), [number] if number else [])

    def test_first_line_must_be_the_greeting(self):
        with self.server.client() as client:
            client.send_line("look")
            self.assertIn(b"expects '_zorvik <uuid> <version>'", client.read_to_close())


if __name__ == "__main__":
    unittest.main()
