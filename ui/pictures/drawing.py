"""Helpers shared by the picture scripts: fonts, palette PNG output, glyph masks, pixel maps."""

from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

HERE = Path(__file__).resolve().parent

# Debian packages: fonts-liberation2 (labels), fonts-freefont-ttf (the clef glyphs).
LABEL_FONT = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"
LABEL_FONT_BOLD = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"
MUSIC_FONT = "/usr/share/fonts/truetype/freefont/FreeSerif.ttf"

TREBLE_CLEF = "\U0001D11E"
BASS_CLEF = "\U0001D122"

# The classic 16-colour Windows palette, in its usual order.
WINDOWS_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def font(path, size):
    return ImageFont.truetype(path, size)


def palette_image(size, colours, background=0):
    """A mode "P" image whose palette is exactly `colours`, filled with index `background`."""
    image = Image.new("P", size, background)
    flat = [channel for colour in colours for channel in colour]
    image.putpalette(flat, rawmode="RGB")
    return image


def save_palette_png(image, name, colours, transparent=None):
    """Write a palette PNG whose PLTE holds exactly the given colours (packed to 4 bits or
    fewer when they fit in 16)."""
    assert image.mode == "P"
    used = {index for _, index in image.getcolors(256)}
    assert max(used) < len(colours), f"{name}: pixel index outside the palette"
    assert image.getpalette()[:3 * len(colours)] == [c for colour in colours for c in colour]
    options = {}
    if transparent is not None:
        options["transparency"] = transparent
    image.save(HERE / name, optimize=False, **options)


def text_mask(text, font_object, antialias=False):
    """The text as a mode "L" mask cropped to its ink, 255 where the text is."""
    left, top, right, bottom = font_object.getbbox(text)
    mask = Image.new("L", (right - left + 2, bottom - top + 2), 0)
    draw = ImageDraw.Draw(mask)
    draw.fontmode = "L" if antialias else "1"
    draw.text((1 - left, 1 - top), text, font=font_object, fill=255)
    return mask.crop(mask.getbbox())


def paste_mask(image, mask, origin, index_for_level):
    """Paint an "L" mask into a palette image; index_for_level maps 1..255 to a palette index."""
    ox, oy = origin
    pixels = image.load()
    width, height = mask.size
    levels = mask.load()
    for y in range(height):
        for x in range(width):
            level = levels[x, y]
            if level:
                index = index_for_level(level)
                if index is not None:
                    pixels[ox + x, oy + y] = index


def from_pixel_map(rows, legend, mode, background):
    """Build an image from rows of characters; legend maps a character to a colour or index."""
    height = len(rows)
    width = len(rows[0])
    assert all(len(row) == width for row in rows), "pixel map rows differ in length"
    image = Image.new(mode, (width, height), background)
    pixels = image.load()
    for y, row in enumerate(rows):
        for x, char in enumerate(row):
            pixels[x, y] = legend[char]
    return image
