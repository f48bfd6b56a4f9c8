"""ANSI colour sequences the client interprets: one SGR parameter per sequence."""

RESET = "\x1b[0m"
BRIGHT = "\x1b[1m"
NORMAL = "\x1b[22m"

RED, GREEN, YELLOW, BLUE, PURPLE, CYAN, WHITE = range(31, 38)


def paint(s, colour, bright=False):
    """Wrap s in one colour, bright or normal, and reset afterwards."""
    return "%s\x1b[%dm%s%s" % (BRIGHT if bright else NORMAL, colour, s, RESET)
