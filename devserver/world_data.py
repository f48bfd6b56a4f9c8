"""The rooms of the small world: data only, no protocol."""

from collections import namedtuple

Room = namedtuple("Room", "name description exits")

# Direction words and their abbreviations, in the order exits are listed.
DIRECTIONS = {"north": "n", "east": "e", "south": "s", "west": "w", "up": "u", "down": "d"}

START_ROOM = "green"

ROOMS = {
    "green": Room(
        "Hollow Green",
        "Trampled grass rings an old stone well in the middle of the village. "
        "The tarn glints to the north, a mill wheel creaks to the east and dark "
        "pines crowd the path west. A ladder climbs the watchtower above you.",
        {"north": "shore", "east": "mill", "west": "pines", "up": "tower"}),
    "shore": Room(
        "Tarn Shore",
        "Black water laps at the pebbles. Reeds whisper in a wind you cannot "
        "feel, and the village green lies back to the south.",
        {"south": "green"}),
    "mill": Room(
        "The Old Mill",
        "Flour dust hangs in the air and the great wheel groans on its axle. "
        "The door west opens on the green.",
        {"west": "green"}),
    "pines": Room(
        "Dark Pines",
        "Needles muffle every step. Something watches from between the trunks; "
        "the light of the green shows to the east.",
        {"east": "green"}),
    "tower": Room(
        "Watchtower",
        "From the wooden platform the whole hollow spreads below: the tarn, "
        "the mill, the pines. The ladder leads down.",
        {"down": "green"}),
}
