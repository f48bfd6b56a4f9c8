"""One reply of the world: text and tagged messages gathered in order and
sent as a single write, so nothing another task sends can land inside it;
and what the reply has for other players, delivered after it."""

import wire
from ansi import WHITE, paint
from world_texts import EOL

PROMPT = EOL + paint("> ", WHITE, bright=True)


class Output:
    def __init__(self):
        self._parts = []
        self.notices = []  # (player, bytes) for other players

    def text(self, s):
        self._parts.append(wire.text(s))

    def line(self, s=""):
        self.text(s + EOL)

    def raw(self, data):
        """Bytes already encoded for the stream: tags, echo control."""
        self._parts.append(data)

    def prompt(self):
        self.text(PROMPT)

    def notify(self, player, data):
        self.notices.append((player, data))

    def data(self):
        return b"".join(self._parts)
