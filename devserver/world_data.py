"""The small world: rooms, creatures, spells and the player's tools. Data
only; what the client is sent for them is decided by the protocol modules."""

from collections import namedtuple

# pos: (x, y, level); y grows southwards, level upwards. exits: direction ->
# room key; doors: directions whose exit is a door. terrain: a word the map
# colours; marks: "road", "trail", "recall". outdoors and sky: whether the
# room is outside and whether the sky can be seen from it; sound: the effect
# (a key of SOUNDS) heard on entering, or None.
Room = namedtuple("Room", "name area description pos terrain exits doors marks outdoors sky sound")

# Walking words with their short forms (the client's buttons, keypad and map
# send several spellings) and the step each takes on the grid.
Direction = namedtuple("Direction", "word aliases step")

DIRECTIONS = (
    Direction("north", ("n",), (0, -1, 0)),
    Direction("northeast", ("ne", "neast"), (1, -1, 0)),
    Direction("east", ("e",), (1, 0, 0)),
    Direction("southeast", ("se", "seast"), (1, 1, 0)),
    Direction("south", ("s",), (0, 1, 0)),
    Direction("southwest", ("sw", "swest"), (-1, 1, 0)),
    Direction("west", ("w",), (-1, 0, 0)),
    Direction("northwest", ("nw", "nwest"), (-1, -1, 0)),
    Direction("up", ("u",), (0, 0, 1)),
    Direction("down", ("d",), (0, 0, -1)),
    Direction("out", (), None),  # leaves a building, wherever its door is
)

START_ROOM = "green"
VILLAGE = "Hollow Village"
PINES = "The Dark Pines"


def _room(name, area, description, pos, terrain, exits, doors=(), marks=(), outdoors=True, sky=True,
          sound=None):
    return Room(name, area, description, pos, terrain, exits, frozenset(doors), frozenset(marks),
                outdoors, sky, sound)


ROOMS = {
    "green": _room(
        "Hollow Green", VILLAGE,
        "Trampled grass rings an old stone well in the middle of the village. "
        "The tarn glints to the north, a mill wheel creaks to the east and dark "
        "pines crowd the path west. Willow Lane runs south, the orchard lies "
        "southeast, and a ladder climbs the watchtower above you.",
        (0, 0, 0), "grass",
        {"north": "shore", "east": "mill", "west": "pines", "south": "lane",
         "southeast": "orchard", "northeast": "jetty", "up": "tower"},
        marks=("road", "recall")),
    "shore": _room(
        "Tarn Shore", VILLAGE,
        "Black water laps at the pebbles. Reeds whisper in a wind you cannot "
        "feel. An old jetty reaches out to the east and the green lies south.",
        (0, -1, 0), "sand", {"south": "green", "east": "jetty"}, marks=("trail",), sound="waves"),
    "jetty": _room(
        "The Old Jetty", VILLAGE,
        "Grey planks creak over the water. Mist hides the far shore; the "
        "village green lies southwest, the shore west.",
        (1, -1, 0), "water", {"west": "shore", "southwest": "green"}),
    "mill": _room(
        "The Old Mill", VILLAGE,
        "Flour dust hangs in the air and the great wheel groans on its axle. "
        "The door west opens on the green; a trapdoor leads down.",
        (1, 0, 0), "building", {"west": "green", "out": "green", "down": "cellar"},
        doors=("west",), outdoors=False, sky=False),
    "cellar": _room(
        "Mill Cellar", VILLAGE,
        "Sacks of grain are stacked against damp stone. A ladder leads up "
        "into the mill.",
        (1, 0, -1), "stone", {"up": "mill"}, outdoors=False, sky=False),
    "pines": _room(
        "Dark Pines", PINES,
        "Needles muffle every step and the branches close over your head. "
        "Something watches from between the trunks to the west; the light of "
        "the green shows to the east.",
        (-1, 0, 0), "forest", {"east": "green", "west": "hollow"}, marks=("trail",), sky=False),
    "hollow": _room(
        "Goblin Hollow", PINES,
        "A ring of gnawed bones surrounds a smoky little fire. The only way "
        "out is the trail east.",
        (-2, 0, 0), "deep forest", {"east": "pines"}, marks=("trail",), sky=False),
    "lane": _room(
        "Willow Lane", VILLAGE,
        "Willows trail their branches over a cobbled lane. The green is "
        "north, the orchard east.",
        (0, 1, 0), "road", {"north": "green", "east": "orchard"}, marks=("road",)),
    "orchard": _room(
        "Apple Orchard", VILLAGE,
        "Crooked apple trees stand in rows, heavy with red fruit. The lane "
        "lies west and the green northwest.",
        (1, 1, 0), "field", {"west": "lane", "northwest": "green"}),
    "tower": _room(
        "Watchtower", VILLAGE,
        "From the wooden platform the whole hollow spreads below: the tarn, "
        "the mill, the pines. The ladder leads down.",
        (0, 0, 1), "stone", {"down": "green"}),
}

Monster = namedtuple("Monster", "name home description hp damage hit_chance experience respawn")

MONSTERS = (
    Monster("goblin", "hollow", "A scrawny goblin crouches by the fire, gnawing a bone.",
            hp=20, damage=(1, 4), hit_chance=0.7, experience=250, respawn=20.0),
)

# Every character starts with these gauges and a hound of its own.
START_HP, START_MANA, START_MOVE = 100, 50, 80
LEVEL_BONUS_HP, LEVEL_BONUS_MANA = 10, 5
PET_NAME = "Bran"
PET_HP, PET_MOVE = 40, 60
PET_BITE = (1, 2)
UNARMED_DAMAGE = (3, 5)
SWORD_DAMAGE = (5, 8)
WALK_COST = 3
CAST_COST = 10

# Spells last until the end of the next fight and add to every blow.
Spell = namedtuple("Spell", "name bonus verb")

SPELLS = (
    Spell("burning hands", 3, "Flames lick from your fingers"),
    Spell("shocking grasp", 2, "Sparks crackle along your arm"),
    Spell("sickening touch", 2, "A green glow seeps from your palm"),
)

# Commands on the hint buttons: label, command. Slots not listed are clear;
# the fight and sleep slots change with the situation.
HINT_BUTTONS = (("Look", "look"), ("Score", "score"), ("Inventory", "inventory"),
                ("Who", "who"), ("Colours", "colours"), ("Help", "help"))
FIGHT_BUTTON = 7
SLEEP_BUTTON = 8

# The function keys F1 to F8: label, command run for "f01" ... "f08".
FUNCTION_KEYS = (("Look around", "look"), ("Score", "score"), ("Attack", "attack"),
                 ("Flee", "flee"), ("Sleep", "sleep"), ("Wake up", "wake"),
                 ("Recall", "recall"), ("Colour card", "colours"))

# Popup windows: name, title, columns, rows, open command, options.
Popup = namedtuple("Popup", "name title columns rows command options")

INVENTORY, JOURNAL = "inventory", "journal"
POPUPS = (
    Popup(INVENTORY, "Inventory", 40, 8, "inventory", ()),
    Popup(JOURNAL, "Journal", 50, 10, "journal", ("nowrap",)),
)

GOSSIP = "gossip"
NEWBIE = "newbie"
WATCHMAN = "Old Maren"

# Sound effects by name, as the sound pack holds them.
SOUNDS = {
    "welcome": "ambient/bell",
    "waves": "ambient/waves",
    "hit": "combat/hit",
    "miss": "combat/miss",
    "kill": "combat/goblin_death",
    "hurt": "combat/hurt",
    "level": "ui/levelup",
}

# The game clock: the minute of the day at start and game minutes per second.
CLOCK_START = 6 * 60 + 50
CLOCK_RATE = 2.0
OVERCAST_HOURS = range(13, 17)

# Characters that exist from the start: name, password.
CHARACTERS = (("Tester", "tester"),)
