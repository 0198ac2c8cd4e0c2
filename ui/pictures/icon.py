"""Draws icon.png: the program icon, 32 x 32, 16-colour palette.

A blue field cut by a green diagonal from the lower left to the upper right, a red treble
clef in the upper-left half and a red bass clef in the lower-right half. Each clef is drawn
as large as fits in its half with a margin from the diagonal.
"""

from PIL import ImageDraw

from drawing import (BASS_CLEF, MUSIC_FONT, TREBLE_CLEF, WINDOWS_16, font, paste_mask,
                     palette_image, save_palette_png, text_mask)

SIZE = 32
GREEN, BLUE, RED, PURPLE, LIME = 2, 12, 9, 5, 10
MARGIN = 2  # pixels kept clear between a clef and the diagonal's centre line


def red_on_blue(level):
    """Clef coverage to a palette index: purple is the half-way mix of red and blue."""
    if level < 80:
        return None
    return PURPLE if level < 170 else RED


def ink_points(mask):
    pixels = mask.load()
    return [(x, y) for y in range(mask.height) for x in range(mask.width) if pixels[x, y] >= 80]


def fit_clef(glyph, upper_left):
    """The largest mask of the glyph and its origin that keep it in its half of the icon."""
    diagonal = SIZE - 1
    for size in range(30, 6, -1):
        mask = text_mask(glyph, font(MUSIC_FONT, size), antialias=True)
        points = ink_points(mask)
        if mask.width > SIZE - 2 or mask.height > SIZE - 2:
            continue
        candidates = []
        for oy in range(1, SIZE - mask.height):
            for ox in range(1, SIZE - mask.width):
                sums = [ox + x + oy + y for x, y in points]
                if upper_left and max(sums) <= diagonal - MARGIN:
                    candidates.append((ox, oy))
                if not upper_left and min(sums) >= diagonal + MARGIN:
                    candidates.append((ox, oy))
        if candidates:
            # Keep the clef centred across its half: the origin closest to the half's centroid.
            cx, cy = (10, 10) if upper_left else (21, 21)
            best = min(candidates, key=lambda o: (o[0] + mask.width / 2 - cx) ** 2
                       + (o[1] + mask.height / 2 - cy) ** 2)
            return mask, best
    raise RuntimeError(f"no size of {glyph!r} fits in the icon")


def draw_icon():
    image = palette_image((SIZE, SIZE), WINDOWS_16, BLUE)
    draw = ImageDraw.Draw(image)
    draw.line([(0, SIZE - 1), (SIZE - 1, 0)], fill=GREEN, width=3)
    for glyph, upper_left in ((TREBLE_CLEF, True), (BASS_CLEF, False)):
        mask, origin = fit_clef(glyph, upper_left)
        paste_mask(image, mask, origin, red_on_blue)
    return image


def main():
    save_palette_png(draw_icon(), "icon.png", WINDOWS_16)


if __name__ == "__main__":
    main()
