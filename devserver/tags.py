"""Tagged messages the client's displays read, each in the payload format
its display parses. Every function returns the bytes of one message.

A payload can never hold ";" (wire.tag refuses it); the lines of the
multi-line payloads can never hold "\\n" either, which is checked here, so a
name cannot shift the lines that follow it.
"""

import wire

HINT_BUTTONS = 12
FUNCTION_KEYS = 8
MAX_XPP_VALUES = 8
ICONS = 5
MAX_CHANNEL_NAME = 39  # the client keeps this much of a channel's name

# Bits of the exit mask, as "dirs" carries it.
EXIT_BITS = {"north": 1, "northeast": 2, "east": 4, "southeast": 8, "south": 16,
             "southwest": 32, "west": 64, "northwest": 128, "up": 256, "down": 512}

# Numbers of the directions "walkfail" reports.
WALKFAIL = {"north": 0, "east": 1, "south": 2, "west": 3,
            "northeast": 4, "southeast": 5, "southwest": 6, "northwest": 7}


def _line(text, what):
    if "\n" in text:
        raise ValueError("%s must be one line: %r" % (what, text))
    return text


def login(name):
    return wire.tag("login", _line(name, "a character name"))


def uuid(identifier):
    return wire.tag("uuid", identifier)


def hp(hp, max_hp, mana, max_mana, move, max_move):
    """The player's gauges: six integers."""
    return wire.tag("hp", "%d %d %d %d %d %d" % (hp, max_hp, mana, max_mana, move, max_move))


def enemyhp(percent=None, name=None):
    """The enemy's health in percent and its name; no arguments clear the enemy."""
    if percent is None:
        return wire.tag("enemyhp", "")
    return wire.tag("enemyhp", "%d %s" % (percent, _line(name, "an enemy name")))


def xpp(values):
    """Experience values in tenths of a percent of a level, at most eight."""
    if len(values) > MAX_XPP_VALUES:
        raise ValueError("at most %d experience values" % MAX_XPP_VALUES)
    return wire.tag("xpp", " ".join("%d" % v for v in values))


def group(members):
    """The group, one (hp, max hp, mana, max mana, move, max move, name) per
    member. A name written "-Name-" is a follower, shown as a short entry."""
    return wire.tag("group", "\n".join("%d %d %d %d %d %d %s" % (m[:6] + (_line(m[6], "a member name"),))
                                       for m in members))


def skystate(outdoors, sky_visible, overcast, terrain, minute, time_text):
    """The sky: three flags, a terrain number, the minute of the day and the clock text."""
    flags = "".join("1" if f else "0" for f in (outdoors, sky_visible, overcast))
    return wire.tag("skystate", "%s %d %d %s" % (flags, terrain, minute, _line(time_text, "a time text")))


def icons(flags):
    """The status icons, on or off, in the client's order."""
    if len(flags) > ICONS:
        raise ValueError("at most %d icons" % ICONS)
    return wire.tag("icons", "".join("1" if f else "0" for f in flags))


def hint_button(number, label=None, command=None):
    """Hint button 1 to 12 with a label and the command it sends; without a
    command the button is cleared."""
    if not 1 <= number <= HINT_BUTTONS:
        raise ValueError("hint buttons are 1 to %d" % HINT_BUTTONS)
    payload = "" if command is None else _line(label, "a button label") + "\n" + _line(command, "a command")
    return wire.tag("b%d" % number, payload)


def function_key(number, text):
    """The label of function-key button 1 to 8."""
    if not 1 <= number <= FUNCTION_KEYS:
        raise ValueError("function keys are 1 to %d" % FUNCTION_KEYS)
    return wire.tag("bf%d" % number, _line(text, "a function-key label"))


def channel(name, text_bytes):
    """Stream text shown in a channel's tab: the text between "chdiv" and "chudiv"."""
    if not 1 <= len(name) <= MAX_CHANNEL_NAME:
        raise ValueError("a channel name is 1 to %d characters" % MAX_CHANNEL_NAME)
    return wire.tag("chdiv", name) + text_bytes + wire.flag("chudiv")


def window_create(name, title, columns, rows, command, options=()):
    """A popup window definition: five lines, the first four ended by "\\n"."""
    lines = (_line(name, "a popup name"), _line(title, "a popup title"), "%d %d" % (columns, rows),
             _line(command, "a popup command"))
    return wire.tag("window_create", "".join(line + "\n" for line in lines) + " ".join(options))


def divert(name, text_bytes):
    """Stream text that replaces what the named popup shows."""
    return wire.tag("divert", name) + text_bytes + wire.flag("undivert")


def append(name, text_bytes):
    """Stream text added to what the named popup shows."""
    return wire.tag("append", name) + text_bytes + wire.flag("unappend")


def sound(name):
    return wire.tag("sound", _line(name, "a sound name"))


def dirs(enabled, exits):
    """Direction buttons on or off, and the exits to highlight (direction words)."""
    mask = 0
    for word in exits:
        mask |= EXIT_BITS.get(word, 0)
    return wire.tag("dirs", "%s %c%c" % ("on" if enabled else "off", 65 + (mask >> 5), 65 + (mask & 31)))


def walkfail(direction):
    """A move into a wall, for the map's bump; None for directions it has no number for."""
    number = WALKFAIL.get(direction)
    return b"" if number is None else wire.tag("walkfail", "%d" % number)


def areaname(name):
    return wire.tag("areaname", name)


def combat(fighting):
    """The map's combat title on or off; off also clears the enemy."""
    return wire.flag("combat" if fighting else "ncombat")


def config(target, action):
    """A client setting command such as "hint_buttons flash"."""
    return wire.tag("config", "%s %s" % (target, action))


def colour_flash(start, *steps):
    """The "colorflash" event: a start colour, then (colour, duration) steps."""
    words = [start] + ["%s %d" % step for step in steps]
    return wire.event("colorflash " + " ".join(words))


def map_tag(payload):
    return wire.tag("map", payload)
