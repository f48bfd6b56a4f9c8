"""The world's longer texts: welcome, help, version and the colour test card.
Lines are joined with EOL; nothing here knows about tags."""

from ansi import (BLINK, BLUE, BRIGHT, COLOURS, CYAN, DIM, GREEN, NORMAL, PURPLE, RED, RESET,
                  REVERSE, WHITE, YELLOW, paint, sgr, shade)

EOL = "\r\n"
VERSION = "Tarn Hollow local world 1.1"

WELCOME = EOL.join([
    "",
    paint("        ~~~  T A R N   H O L L O W  ~~~", CYAN, bright=True),
    paint("        a local world for trying the client", CYAN),
    "",
    paint("  The tarn lies still. ", BLUE, bright=True) + paint("Mist drifts over the water,", BLUE),
    paint("  lanterns glow ", YELLOW) + paint("gold", YELLOW, bright=True)
    + paint(" in the village, ", WHITE) + paint("moss", GREEN) + paint(" greens", GREEN, bright=True)
    + paint(" the stones,", WHITE),
    paint("  and far off something ", PURPLE) + paint("howls", RED, bright=True)
    + paint(" in the ", PURPLE) + paint("red", RED) + paint(" dusk.", PURPLE, bright=True),
    "",
    "  A new name creates a character; " + paint("Tester", YELLOW, bright=True)
    + " (password " + paint("tester", YELLOW, bright=True) + ") is always here.",
    "", "",
])


def _command(word):
    return paint(word, YELLOW, bright=True)


HELP = EOL.join([
    paint("Commands of Tarn Hollow", WHITE, bright=True),
    "  %s; walk with %s, %s, %s ... %s, %s, %s (or n ne e ... u d)"
    % (_command("look"), _command("north"), _command("northeast"), _command("east"),
       _command("up"), _command("down"), _command("out")),
    "  %s         what lies in each direction" % _command("scan"),
    "  %s <text>   talk to the room; %s <text> talks to everyone" % (_command("say"), _command("gossip")),
    "  %s <target> or %s   fight (%s to run away)" % (_command("kill"), _command("attack"), _command("flee")),
    "  %s, %s   draw or sheathe your sword" % (_command("wield"), _command("remove")),
    "  %s <spell>  burning hands, shocking grasp or sickening touch" % _command("cast"),
    "  %s, %s   rest until you are whole again" % (_command("sleep"), _command("wake")),
    "  %s, %s, %s, %s, %s, %s" % (_command("score"), _command("inventory"), _command("journal"),
                                  _command("group"), _command("who"), _command("time")),
    "  %s   back to Hollow Green" % _command("recall"),
    "  %s   the colour test card; %s clears the screen" % (_command("colours"), _command("clear")),
    "  %s, %s, %s; %s to leave" % (_command("help"), _command("help me"), _command("version"), _command("quit")),
    "",
])

HELP_ME = EOL.join([
    paint("Getting started", WHITE, bright=True),
    "  Look around with %s and walk with the direction words or the buttons." % _command("look"),
    "  West of the green, past the pines, a goblin lurks in its hollow:",
    "  %s first, then %s. Your hound fights beside you." % (_command("wield"), _command("kill goblin")),
    "  Hurt? %s, then %s. Lost? %s takes you home." % (_command("sleep"), _command("wake"), _command("recall")),
    "  The Inventory and Journal windows open from the popup buttons.",
    "",
])

QUIT_CHECK = EOL.join([
    "You are about to leave Tarn Hollow. To save your character, log off:",
    "type %s (or choose Logoff); closing the client without it leaves you standing here." % _command("quit"),
    "",
])

QUIT_CHECK_FIGHTING = "You are in the middle of a fight! Leaving now leaves you to the %s." + EOL


def colour_card():
    """Every colour in its three intensities, blink, reverse, the default
    colour, and what a sequence with two parameters does."""
    lines = [paint("Colour test card", WHITE, bright=True),
             "          " + "".join("%-10s" % w for w in ("dim", "normal", "bright"))]
    for name, code in COLOURS:
        lines.append("%-10s" % name + "".join(shade("%-10s" % ("ESC[%dm" % code), code, intensity)
                                              for intensity in (DIM, NORMAL, BRIGHT)))
    lines += [
        "default   " + RESET + "ESC[0m is the default colour" + RESET,
        "blink     " + BLINK + sgr(GREEN) + "ESC[5m blinks, or shows plain" + RESET,
        "reverse   " + REVERSE + sgr(YELLOW) + "ESC[7m reverses: the whole text area darkens" + RESET,
        "normal    " + BRIGHT + sgr(CYAN) + "bright, then ESC[22m " + NORMAL + "back to normal" + RESET,
        # The interpreter ends a sequence at ";": "33m" shows as text, in white.
        "two in one " + "\x1b[1;33m" + " ESC[1;33m is not interpreted" + RESET,
        "Type %s to clear the screen with ESC c." % _command("clear"),
        "",
    ]
    return EOL.join(lines)
