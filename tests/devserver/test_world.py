"""World mode: greeting, login with hidden password, commands, quit."""

import re
import unittest

from harness import DevServer

NAME_PROMPT = b"By what name are you known? "
PROMPT = b"> \x1b[0m"


def greet(client, uuid="0123456789abcdef0123456789abcdef"):
    client.send_line("_zorvik %s 1.096-gtk-rc5" % uuid)
    return client.read_until(NAME_PROMPT)


def login(client, name):
    greet(client)
    client.send_line(name)
    client.read_until(b"Password: ")
    client.send_line("any password")
    return client.read_until(PROMPT)


class WorldTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = DevServer()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def test_password_prompt_is_framed_by_echo_negotiation(self):
        with self.server.client() as client:
            greet(client)
            client.send_line("ann")
            # IAC DONT ECHO comes right before the prompt, nothing after it until the password.
            self.assertEqual(client.read_until(b"Password: "), b"\xff\xfe\x01Password: ")
            client.send_line("secret")
            self.assertEqual(client.read_until(b";elogin;"), b"\xff\xfd\x01\r\n;slogin;Ann;elogin;")

    def test_default_identifier_gets_one_of_its_own(self):
        for uuid, assigned in (("DFLT0123456789abcdef0123456789ab", True),
                               ("0123456789abcdef0123456789abcdef", False)):
            with self.subTest(uuid=uuid), self.server.client() as client:
                welcome = greet(client, uuid)
                tags = re.findall(rb";suuid;([0-9a-f]{32});euuid;", welcome)
                self.assertEqual(len(tags), 1 if assigned else 0)

    def test_commands_are_answered(self):
        cases = [
            ("look", b"\x1b[1m\x1b[36mHollow Green\x1b[0m"),
            ("zvping", b";sevent;zvpong;eevent;"),
            ("say a;b", b'You say, "a;;b"'),             # a ";" in text is escaped
            ("say \x1b[31mred", b'You say, "?[31mred"'),  # no escape sequence from players
            ("say", b"Say what?"),
            ("frobnicate now", b"Huh? 'frobnicate' is not a command here."),
        ]
        with self.server.client() as client:
            login(client, "Cora")
            for command, reply in cases:
                with self.subTest(command=command):
                    client.send_line(command)
                    self.assertIn(reply, client.read_until(reply))

    def test_walking_and_quit_and_the_room_kept_per_name(self):
        with self.server.client() as client:
            self.assertIn(b"Welcome to Tarn Hollow, Dara.", login(client, "dara"))
            client.send_line("n")
            client.read_until(b"Tarn Shore")
            client.send_line("west")
            client.read_until(b"You cannot go west from here.")
            client.send_line("quit")
            self.assertTrue(client.read_to_close().endswith(b";sevent;logoff;eevent;"))
        with self.server.client() as client:
            back = login(client, "DARA")
        self.assertIn(b";slogin;Dara;elogin;Welcome back, Dara.", back)
        self.assertIn(b"Tarn Shore", back)

    def test_first_line_must_be_the_greeting(self):
        with self.server.client() as client:
            client.send_line("look")
            self.assertIn(b"expects '_zorvik <uuid> <version>'", client.read_to_close())


if __name__ == "__main__":
    unittest.main()
