"""Draws door.png: the Exit menu glyph, an open dark-red door in a yellow, lit doorway.

16 x 16, 16-colour palette; the background ('.', silver) is marked transparent.
"""

from drawing import WINDOWS_16, from_pixel_map, save_palette_png

BACKGROUND = 7
PIXELS = [
    ".kk.............",
    ".kRkk..kkkkkkkkk",
    ".kRRRkkkYYYYYYYk",
    ".kRRRRkkYYWWWYYk",
    ".kRRRRkkYYWWWYYk",
    ".kRRRRkkYYWWWYYk",
    ".kRRRRkkYYWWWYYk",
    ".kRRRRkkYYWWWYYk",
    ".kRYRRkkYYWWWYYk",
    ".kRYRRkkYYWWWYYk",
    ".kRRRRkkYYWWWYYk",
    ".kRRRRkkYYWWWYYk",
    ".kRRRRkkYYWWWYYk",
    ".kRRRRkkYYYYYYYk",
    ".kRRRRkkYYYYYYYk",
    ".kkkkkkkkkkkkkkk",
]

LEGEND = {
    ".": BACKGROUND,  # silver
    "k": 0,           # black outline
    "R": 1,           # dark red (maroon) door
    "Y": 11,          # yellow light
    "W": 15,          # white, the brightest part of the light
}


def main():
    image = from_pixel_map(PIXELS, LEGEND, "P", BACKGROUND)
    image.putpalette([channel for colour in WINDOWS_16 for channel in colour])
    save_palette_png(image, "door.png", WINDOWS_16, transparent=BACKGROUND)


if __name__ == "__main__":
    main()
