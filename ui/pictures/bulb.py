"""Draws bulb.png: the Calculate menu glyph, a yellow light bulb with a grey screw base.

16 x 16, true colour with alpha; '.' is transparent.
"""

from drawing import HERE, from_pixel_map

PIXELS = [
    ".....kkkkkk.....",
    "...kkyyyyyykk...",
    "..kyyWWyyyyyyk..",
    ".kyWWyyyyyyyyok.",
    ".kyWyyyyyyyyyok.",
    ".kyWyyyyyyyyyok.",
    ".kyyyyyyyyyyyok.",
    "..kyyyyyyyyyok..",
    "...kyyyyyyyok...",
    "....kyyyyyok....",
    ".....kyyyyk.....",
    ".....dLLLLd.....",
    ".....dmmmmd.....",
    ".....dLLLLd.....",
    ".....dmmmmd.....",
    "......dddd......",
]

LEGEND = {
    ".": (0, 0, 0, 0),
    "k": (160, 120, 0, 255),     # glass outline
    "y": (255, 255, 0, 255),     # glass
    "o": (230, 185, 0, 255),     # shaded side of the glass
    "W": (255, 255, 224, 255),   # highlight
    "L": (200, 200, 200, 255),   # screw thread, lit
    "m": (150, 150, 150, 255),   # screw thread, in shadow
    "d": (96, 96, 96, 255),      # base outline and contact
}


def main():
    from_pixel_map(PIXELS, LEGEND, "RGBA", (0, 0, 0, 0)).save(HERE / "bulb.png", optimize=False)


if __name__ == "__main__":
    main()
