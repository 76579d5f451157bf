"""What the game is, seen from outside, for the scenarios and the bench alike: its clock, window sizes, where the map
window shows the map and the clock's bar, and the pixels that show a window painted. The bench's bare windows, in C++,
take the clock from the game's header and keep their own copy of the map window's sizes (bench/baselinewindow.cpp)."""

# The enemy clock ticks every 17 ms; the enemies step at its 100th tick.
TICK_MS = 17
PHASE_TICKS = 100

# Signals to end the game within this time (seconds) of the first are one request; a later one ends it at once.
END_BURST_S = 1.0

# The windows' client areas (width, height), without the window manager's frame.
TITLE_SIZE = (576, 340)
MAP_SIZE = (583, 495)
BATTLE_SIZE = (491, 393)

# The enemy clock's bar in the map window (x, y, width, height): below the battle window, so that it is seen during a
# battle too. Its empty part is the palette's base.
CLOCK_BAR = (8, 448, 569, 25)
EMPTY_BAR = "#FFFFFF"

# The map's interior in the map window (the map box stands at 216,32 and its sunken border is two pixels wide), its
# squares of 16 pixels, where on it the 21 enemies start (on the diagonal) and the player (in the healing row).
MAP_INSIDE = (218, 34)
SQUARE = 16
ENEMY_STARTS = [(8 + SQUARE * i, 8 + SQUARE * i) for i in range(21)]
PLAYER_START = (8, 344)


def wxh(size):
    """A size as X tools write it: "576x340"."""
    return "%dx%d" % size


def bar_inside(border):
    x, y, width, height = CLOCK_BAR
    return x + border, y + border, width - 2 * border, height - 2 * border


def bar_row(border):
    """The middle row of bar_inside(BORDER): (x, y, width)."""
    x, y, width, height = bar_inside(border)
    return x, y + height // 2, width


def square_centre(column_offset=0):
    """The centre of the player's start square, or of the one COLUMN_OFFSET to its right, as "X,Y" in the map window."""
    return "%d,%d" % (MAP_INSIDE[0] + PLAYER_START[0] + SQUARE * column_offset + SQUARE // 2,
                      MAP_INSIDE[1] + PLAYER_START[1] + SQUARE // 2)


# The pixels that show a window painted ("X,Y=RRGGBB" in window pixels): two spots of the title picture and the
# instructions' white; the player's white square, the built-in map picture and the map's edge.
TITLE_PAINTED = ["20,20=d6b6ff", "550,60=fdd3a1", "300,150=ffffff"]
MAP_PAINTED = [square_centre() + "=ffffff", "500,74=85835d", "220,36=e0df9c"]
