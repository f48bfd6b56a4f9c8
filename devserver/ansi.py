"""ANSI sequences the client interprets: ESC [ n m with one parameter per
sequence (colours 31 to 37, bright, dim, blink, reverse, normal, reset) and
ESC c, which clears the screen.

The client's interpreter ends a sequence at its first ";", so the world never
puts two parameters into one sequence except to show exactly that; any ";" in
a sequence is escaped as ";;" on the wire like every other ";" of text.
"""

RESET = "\x1b[0m"
BRIGHT = "\x1b[1m"
DIM = "\x1b[2m"
BLINK = "\x1b[5m"
REVERSE = "\x1b[7m"
NORMAL = "\x1b[22m"
CLEAR_SCREEN = "\x1bc"

RED, GREEN, YELLOW, BLUE, PURPLE, CYAN, WHITE = range(31, 38)

# Colour names in the order of their codes.
COLOURS = (("red", RED), ("green", GREEN), ("yellow", YELLOW), ("blue", BLUE),
           ("purple", PURPLE), ("cyan", CYAN), ("white", WHITE))


def sgr(parameter):
    """One SGR sequence with a single parameter."""
    return "\x1b[%dm" % parameter


def shade(s, colour, intensity=NORMAL):
    """Wrap s in one colour at an intensity (NORMAL, BRIGHT or DIM), reset afterwards."""
    return "%s%s%s%s" % (intensity, sgr(colour), s, RESET)


def paint(s, colour, bright=False):
    """Wrap s in one colour, bright or normal, and reset afterwards."""
    return shade(s, colour, BRIGHT if bright else NORMAL)
