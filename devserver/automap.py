"""The "map" payload: the 11 x 11 rooms around the player, centred on the
player's room, as the client's automap decodes it.

The payload is text. Its first character names the direction of the move
that led here; then come the sections, one map row per line, every line
ended by "\\n", each character a value plus 64 ("@" is 0):

    1   12 lines of 11   links across the horizontal boundaries
    2   11 lines of 12   links across the vertical boundaries
    2a  12 lines of 12   corners: the link of the diagonal top-left to bottom-right
    2b  12 lines of 12   corners: the link of the diagonal top-right to bottom-left
    3   11 lines of 11 groups of four: terrain, marks, key, extra of each room

and last one character for the transition. A link is 1 for an open way, 2
for a door, 4 for a wall between two rooms with no way between them, and 0
where a room is missing. A room's key is its number (never 0); rooms
without a key are not drawn.
"""

SIZE = 11
CENTRE = SIZE // 2

OPEN, DOOR, WALL = 1, 2, 4

# The client's terrain palette numbers for the world's terrain words.
TERRAIN = {"grass": 4, "sand": 14, "water": 20, "building": 28, "stone": 10, "forest": 6,
           "deep forest": 34, "road": 11, "field": 3}

MARK_BITS = {"recall": 1, "road": 2, "trail": 4}
UP_MARK, DOWN_MARK = 8, 16

# Letters of the moves the map slides for, by grid step.
MOVE_LETTERS = {(0, -1): "A", (1, 0): "B", (0, 1): "C", (-1, 0): "D",
                (1, -1): "E", (1, 1): "F", (-1, 1): "G", (-1, -1): "H"}
STILL = "@"

# Transitions: none, or the nested squares that mark a jump.
NO_TRANSITION, JUMP = 0, 2

def _char(value):
    return chr(64 + value)


class Automap:
    """Map payloads of one world's rooms."""

    def __init__(self, rooms):
        if len(rooms) > 63:
            raise ValueError("a room number must stay below 64")
        self._rooms = rooms
        self._at = {room.pos: key for key, room in rooms.items()}
        self._numbers = {key: n + 1 for n, key in enumerate(rooms)}

    def terrain(self, key):
        """The palette number of a room's terrain."""
        return TERRAIN.get(self._rooms[key].terrain, 0)

    def _room(self, centre, i, j):
        """Key of the room at grid column i, row j around centre, or None."""
        x, y, level = centre
        return self._at.get((x + i - CENTRE, y + j - CENTRE, level))

    def _joined(self, a, b, direction):
        """Whether room a leads to room b in direction (or b back to a)."""
        return self._rooms[a].exits.get(direction) == b

    def _link(self, a, b, direction, back):
        """The link value between room a and room b, b lying in direction of a."""
        if a is None or b is None:
            return 0
        if self._joined(a, b, direction) or self._joined(b, a, back):
            doors = direction in self._rooms[a].doors or back in self._rooms[b].doors
            return DOOR if doors else OPEN
        return WALL

    def _room_group(self, key):
        if key is None:
            return _char(0) * 4
        room = self._rooms[key]
        marks = 0
        for mark in room.marks:
            marks |= MARK_BITS.get(mark, 0)
        if "up" in room.exits:
            marks |= UP_MARK
        if "down" in room.exits:
            marks |= DOWN_MARK
        return _char(self.terrain(key)) + _char(marks) + _char(self._numbers[key]) + _char(0)

    def payload(self, here, came_from=None, transition=NO_TRANSITION):
        """The map around room here; came_from is the room of the move that
        led here (the map slides by that step when it is one)."""
        centre = self._rooms[here].pos
        letter = STILL
        if came_from is not None:
            before = self._rooms[came_from].pos
            if before[2] == centre[2]:
                letter = MOVE_LETTERS.get((centre[0] - before[0], centre[1] - before[1]), STILL)

        def room(i, j):
            return self._room(centre, i, j)

        lines = []
        # Section 1: boundary between room (m, k - 1) above and (m, k) below.
        lines += ["".join(_char(self._link(room(m, k - 1), room(m, k), "south", "north")) for m in range(SIZE))
                  for k in range(SIZE + 1)]
        # Section 2: boundary between room (m - 1, k) on the left and (m, k) on the right.
        lines += ["".join(_char(self._link(room(m - 1, k), room(m, k), "east", "west")) for m in range(SIZE + 1))
                  for k in range(SIZE)]
        # Sections 2a and 2b: the two diagonals through corner (m, k).
        lines += ["".join(_char(self._link(room(m - 1, k - 1), room(m, k), "southeast", "northwest"))
                          for m in range(SIZE + 1)) for k in range(SIZE + 1)]
        lines += ["".join(_char(self._link(room(m, k - 1), room(m - 1, k), "southwest", "northeast"))
                          for m in range(SIZE + 1)) for k in range(SIZE + 1)]
        # Section 3: the rooms.
        lines += ["".join(self._room_group(room(m, k)) for m in range(SIZE)) for k in range(SIZE)]
        return letter + "".join(line + "\n" for line in lines) + _char(transition)

