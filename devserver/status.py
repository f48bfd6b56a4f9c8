"""What the client's displays last got from the world, so that a tag goes
out only when what it shows has changed."""


class Status:
    def __init__(self):
        self._sent = {}  # tag slot -> key of what was sent

    def put(self, out, slot, message, key=None):
        """Add message (tag bytes) to out unless slot already shows it; key,
        when given, stands for the message in that comparison."""
        key = message if key is None else key
        if self._sent.get(slot) != key:
            self._sent[slot] = key
            out.raw(message)

    def forget(self, slot):
        """The client no longer shows slot's message: the next put sends it."""
        self._sent.pop(slot, None)
