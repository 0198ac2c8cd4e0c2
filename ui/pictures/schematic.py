"""Draws schematic.png: the bass/treble tone-control network, 315 x 242, palette image.

Signal runs left to right: input line along the top, common line along the bottom, output
line just below the input line. Treble branch on the left (C1, R1, C2), bass branch in the
middle (R2, R3, R4 with C3 and C4 to R3's wiper), R5 from that wiper up to the output line.
"""

from PIL import ImageDraw

from drawing import (BASS_CLEF, LABEL_FONT, LABEL_FONT_BOLD, MUSIC_FONT, TREBLE_CLEF, font, paste_mask,
                     palette_image, save_palette_png, text_mask)

WIDTH, HEIGHT = 315, 242

WHITE, BLACK, RED, BLUE = 0, 1, 2, 3
# Antialiasing steps on white, lightest first, ending with the full colour.
BLUE_STEPS = (4, 5, 6, BLUE)
RED_STEPS = (7, 8, 9, RED)
COLOURS = [(255, 255, 255), (0, 0, 0), (255, 0, 0), (0, 0, 255),
           (191, 191, 255), (128, 128, 255), (64, 64, 255),
           (255, 191, 191), (255, 128, 128), (255, 64, 64)]

# Wire rows.
Y_INPUT = 22
Y_OUTPUT = 48
Y_COMMON = 224
X_LINE_START = 16
X_LINE_END = 298

# Branch columns.
X_TREBLE = 60      # C1, R1, C2
X_TREBLE_WIPER = 88
X_BASS = 156       # R2, R3, R4
X_WIPER_NODE = 210  # R3's wiper junction, C3 above it, C4 below it
X_R5 = 258

# Bass branch rows.
Y_UPPER_NODE = 100
Y_WIPER = 136
Y_LOWER_NODE = 172

RESISTOR_HALF_WIDTH = 5
PLATE_HALF_WIDTH = 8
PLATE_GAP = 4


class Schematic:
    def __init__(self):
        self.image = palette_image((WIDTH, HEIGHT), COLOURS, WHITE)
        self.draw = ImageDraw.Draw(self.image)
        self.label_font = font(LABEL_FONT, 12)
        self.word_font = font(LABEL_FONT_BOLD, 12)

    def line(self, *points):
        self.draw.line(points, fill=BLACK, width=1)

    def dot(self, x, y):
        self.draw.ellipse((x - 2, y - 2, x + 2, y + 2), fill=BLACK)

    def open_arrowhead(self, x, y):
        """A right-pointing open arrowhead with its tip at x, y."""
        self.line((x - 7, y - 4), (x, y), (x - 7, y + 4))

    def resistor(self, x, top, bottom):
        """A resistor body between rows top and bottom on a vertical wire at x."""
        self.draw.rectangle((x - RESISTOR_HALF_WIDTH, top, x + RESISTOR_HALF_WIDTH, bottom),
                            outline=BLACK, fill=WHITE)

    def wiper(self, x, y, x_tail):
        """A potentiometer wiper: an arrow from x_tail pointing left at the body on column x."""
        tip = x + RESISTOR_HALF_WIDTH + 1
        self.line((tip, y), (x_tail, y))
        self.draw.polygon([(tip, y), (tip + 7, y - 3), (tip + 7, y + 3)], fill=BLACK, outline=BLACK)

    def capacitor(self, x, y_centre):
        """Two horizontal plates on a vertical wire at x; the wire must stop at the plates."""
        upper = y_centre - PLATE_GAP // 2 - 2
        lower = y_centre + PLATE_GAP // 2
        for plate_top in (upper, lower):
            self.draw.rectangle((x - PLATE_HALF_WIDTH, plate_top, x + PLATE_HALF_WIDTH, plate_top + 1),
                                fill=BLACK)
        return upper, lower + 1

    def vertical_with_capacitor(self, x, top, bottom, y_centre):
        upper, lower = self.capacitor(x, y_centre)
        self.line((x, top), (x, upper))
        self.line((x, lower), (x, bottom))

    def vertical_with_resistor(self, x, top, bottom, body_top, body_bottom):
        self.line((x, top), (x, body_top))
        self.line((x, body_bottom), (x, bottom))
        self.resistor(x, body_top, body_bottom)

    def label(self, text, x, y_centre, align="right"):
        """Black label; align right means x is the right edge, left means x is the left edge."""
        mask = text_mask(text, self.label_font)
        left = x - mask.width if align == "right" else x
        paste_mask(self.image, mask, (left, y_centre - mask.height // 2), lambda level: BLACK)

    def vertical_word(self, text, x_centre, y_centre):
        """A red word written upwards (bottom to top)."""
        mask = text_mask(text, self.word_font, antialias=True).rotate(90, expand=True)
        origin = (x_centre - mask.width // 2, y_centre - mask.height // 2)
        paste_mask(self.image, mask, origin, lambda level: tint(level, RED_STEPS))

    def clef(self, glyph, size, x, y):
        """A blue clef with its ink box's top-left corner at x, y."""
        mask = text_mask(glyph, font(MUSIC_FONT, size), antialias=True)
        paste_mask(self.image, mask, (x, y), lambda level: tint(level, BLUE_STEPS))


def tint(level, steps):
    """The palette step for an antialiased coverage level; faint edges are left white."""
    if level < 40:
        return None
    for limit, index in zip((100, 160, 220), steps):
        if level < limit:
            return index
    return steps[-1]


def draw_schematic():
    s = Schematic()

    # Input line, common line, output line.
    s.line((X_LINE_START, Y_INPUT), (X_BASS, Y_INPUT))
    s.open_arrowhead(X_LINE_START + 8, Y_INPUT)
    s.line((X_LINE_START, Y_COMMON), (X_LINE_END, Y_COMMON))
    s.open_arrowhead(X_LINE_START + 8, Y_COMMON)
    s.open_arrowhead(X_LINE_END, Y_COMMON)
    s.line((X_TREBLE_WIPER, Y_OUTPUT), (X_LINE_END, Y_OUTPUT))
    s.open_arrowhead(X_LINE_END, Y_OUTPUT)

    # Treble branch: C1 from the input line to the top of R1, R1, C2 down to the common line.
    r1_top, r1_bottom, r1_wiper = 62, 118, 90
    s.vertical_with_capacitor(X_TREBLE, Y_INPUT, r1_top, 38)
    s.vertical_with_resistor(X_TREBLE, r1_top, r1_top, r1_top, r1_bottom)
    s.vertical_with_capacitor(X_TREBLE, r1_bottom, Y_COMMON, 152)
    s.wiper(X_TREBLE, r1_wiper, X_TREBLE_WIPER)
    s.line((X_TREBLE_WIPER, r1_wiper), (X_TREBLE_WIPER, Y_OUTPUT))
    s.dot(X_TREBLE, Y_INPUT)
    s.dot(X_TREBLE, Y_COMMON)

    # Bass branch: R2 from the input line (crossing the output line), R3, R4 to the common line.
    s.vertical_with_resistor(X_BASS, Y_INPUT, Y_UPPER_NODE, 60, 88)
    s.vertical_with_resistor(X_BASS, Y_UPPER_NODE, Y_LOWER_NODE, 110, 162)
    s.vertical_with_resistor(X_BASS, Y_LOWER_NODE, Y_COMMON, 184, 212)
    s.wiper(X_BASS, Y_WIPER, X_WIPER_NODE)
    s.dot(X_BASS, Y_UPPER_NODE)
    s.dot(X_BASS, Y_LOWER_NODE)
    s.dot(X_BASS, Y_COMMON)

    # C3 from the upper node and C4 from the lower node meet at the wiper junction.
    s.line((X_BASS, Y_UPPER_NODE), (X_WIPER_NODE, Y_UPPER_NODE))
    s.vertical_with_capacitor(X_WIPER_NODE, Y_UPPER_NODE, Y_WIPER, 118)
    s.vertical_with_capacitor(X_WIPER_NODE, Y_WIPER, Y_LOWER_NODE, 154)
    s.line((X_WIPER_NODE, Y_LOWER_NODE), (X_BASS, Y_LOWER_NODE))
    s.dot(X_WIPER_NODE, Y_WIPER)

    # R5 from the wiper junction up to the output line.
    s.line((X_WIPER_NODE, Y_WIPER), (X_R5, Y_WIPER))
    s.vertical_with_resistor(X_R5, Y_WIPER, Y_OUTPUT, 78, 106)
    s.dot(X_R5, Y_OUTPUT)

    # Labels: parts on the left of their bodies, R5 on its right.
    gap = 6
    s.label("C1", X_TREBLE - PLATE_HALF_WIDTH - gap, 38)
    s.label("R1", X_TREBLE - RESISTOR_HALF_WIDTH - gap, 72)
    s.label("C2", X_TREBLE - PLATE_HALF_WIDTH - gap, 152)
    s.label("R2", X_BASS - RESISTOR_HALF_WIDTH - gap, 74)
    s.label("R3", X_BASS - RESISTOR_HALF_WIDTH - gap, 120)
    s.label("R4", X_BASS - RESISTOR_HALF_WIDTH - gap, 198)
    s.label("C3", X_WIPER_NODE - PLATE_HALF_WIDTH - gap, 118)
    s.label("C4", X_WIPER_NODE - PLATE_HALF_WIDTH - gap, 154)
    s.label("R5", X_R5 + RESISTOR_HALF_WIDTH + gap, 92, align="left")

    # Clefs: treble beside R1, bass beside R3.
    s.clef(TREBLE_CLEF, 30, 31, 82)
    s.clef(BASS_CLEF, 26, 118, 132)

    # Terminal names along the edges.
    s.vertical_word("Вход", 7, 124)
    s.vertical_word("Выход", WIDTH - 8, 124)

    return s.image


def main():
    save_palette_png(draw_schematic(), "schematic.png", COLOURS)


if __name__ == "__main__":
    main()
