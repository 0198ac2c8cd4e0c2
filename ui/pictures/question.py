"""Draws question.png: the About menu glyph, a red question mark in a yellow-and-white circle
on an olive background. 16 x 16, 16-colour palette."""

from drawing import WINDOWS_16, from_pixel_map, save_palette_png

PIXELS = [
    "OOOOOOOOOOOOOOOO",
    "OOOOOkkkkkkOOOOO",
    "OOOkkWWWYYYkkOOO",
    "OOkWWWRRRRYYYkOO",
    "OOkWWRRYYRRYYkOO",
    "OkWWWRRYYRRYYYkO",
    "OkWWWYYYYRRYYYkO",
    "OkWWYYYYRRYYYYkO",
    "OkWYYYYRRYYYYYkO",
    "OkWYYYYRRYYYYYkO",
    "OkYYYYYYYYYYYYkO",
    "OOkYYYYRRYYYYkOO",
    "OOkYYYYRRYYYYkOO",
    "OOOkkYYYYYYkkOOO",
    "OOOOOkkkkkkOOOOO",
    "OOOOOOOOOOOOOOOO",
]

LEGEND = {
    "O": 3,   # olive background
    "k": 0,   # black rim of the circle
    "W": 15,  # white, the lit side of the circle
    "Y": 11,  # yellow
    "R": 9,   # red question mark
}


def main():
    image = from_pixel_map(PIXELS, LEGEND, "P", LEGEND["O"])
    image.putpalette([channel for colour in WINDOWS_16 for channel in colour])
    save_palette_png(image, "question.png", WINDOWS_16)


if __name__ == "__main__":
    main()
