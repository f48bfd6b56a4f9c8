"""Bytes of the game server's stream towards the client.

The stream is text with two kinds of in-band control: telnet echo negotiation
(IAC DONT ECHO hides the client's typed input, IAC DO ECHO shows it again) and
the ";" escape that carries tagged messages:

    ";;"                                  one literal ";" of text
    ";s" name ";" payload ";e" name ";"   a tagged message with a payload
    ";t" name ";"                         a tagged message without payload

The world and the flood build their text with `text`, so a ";" in it can
never start a tag by accident.
"""

IAC = 255
DONT = 254
DO = 253
ECHO = 1

ECHO_OFF = bytes((IAC, DONT, ECHO))
ECHO_ON = bytes((IAC, DO, ECHO))

MAX_NAME = 63       # bytes of a tag name
MAX_PAYLOAD = 14999  # bytes of a tag payload


def text(s):
    """Encode plain text for the stream, escaping every ";" as ";;"."""
    return s.replace(";", ";;").encode("utf-8")


def _name(name):
    raw = name.encode("utf-8")
    if not 1 <= len(raw) <= MAX_NAME or b";" in raw:
        raise ValueError("tag name must be 1 to %d bytes without ';': %r" % (MAX_NAME, name))
    return raw


def tag(name, payload):
    """Encode a tagged message with a payload (which cannot hold ";")."""
    raw_name = _name(name)
    raw = payload.encode("utf-8")
    if len(raw) > MAX_PAYLOAD or b";" in raw:
        raise ValueError("tag payload must be at most %d bytes without ';'" % MAX_PAYLOAD)
    return b";s" + raw_name + b";" + raw + b";e" + raw_name + b";"


def flag(name):
    """Encode a tagged message without payload."""
    return b";t" + _name(name) + b";"


def event(name):
    """Encode the "event" tag the client reacts to (zvpong, newcreate, logoff)."""
    return tag("event", name)
