"""Draws drag.png: the "drag" mouse cursor, an arrow with a small document below-right of it.

32 x 32, true colour with alpha; '.' is transparent. The hotspot is the arrow tip, pixel 0, 0.
"""

from drawing import HERE, from_pixel_map

HOTSPOT = (0, 0)

ARROW = [
    "X...........",
    "XX..........",
    "XWX.........",
    "XWWX........",
    "XWWWX.......",
    "XWWWWX......",
    "XWWWWWX.....",
    "XWWWWWWX....",
    "XWWWWWWWX...",
    "XWWWWWWWWX..",
    "XWWWWWXXXXX.",
    "XWWXWWX.....",
    "XWX.XWWX....",
    "XX..XWWX....",
    "X....XWWX...",
    ".....XWWX...",
    "......XWWX..",
    "......XWWX..",
    ".......XX...",
]

# A sheet of paper with its upper-right corner folded down.
DOCUMENT = [
    "XXXXXXXX...",
    "XWWWWWWXX..",
    "XWWWWWWXWX.",
    "XWWWWWWXWWX",
    "XWWWWWWXXXX",
    "XWWWWWWWWWX",
    "XWWWWWWWWWX",
    "XWWWWWWWWWX",
    "XWWWWWWWWWX",
    "XWWWWWWWWWX",
    "XWWWWWWWWWX",
    "XWWWWWWWWWX",
    "XXXXXXXXXXX",
]
DOCUMENT_ORIGIN = (10, 17)

LEGEND = {
    ".": (0, 0, 0, 0),
    "X": (0, 0, 0, 255),
    "W": (255, 255, 255, 255),
}


def main():
    cursor = from_pixel_map(["." * 32] * 32, LEGEND, "RGBA", (0, 0, 0, 0))
    document = from_pixel_map(DOCUMENT, LEGEND, "RGBA", (0, 0, 0, 0))
    arrow = from_pixel_map(ARROW, LEGEND, "RGBA", (0, 0, 0, 0))
    cursor.alpha_composite(document, DOCUMENT_ORIGIN)
    cursor.alpha_composite(arrow, HOTSPOT)
    cursor.save(HERE / "drag.png", optimize=False)


if __name__ == "__main__":
    main()
