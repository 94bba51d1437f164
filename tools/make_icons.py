#!/usr/bin/env python3
"""Makes the game's icons and bitmaps in res/icons and res/bitmaps.

ImageMagick draws the pictures; the icon files are written here, because the
letter icons must be 16-colour icons and ImageMagick picks the depth itself.
Run from anywhere: python3 tools/make_icons.py
"""
import os
import struct
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICONS = os.path.join(ROOT, "res", "icons")
BITMAPS = os.path.join(ROOT, "res", "bitmaps")

LETTER_FONT = "DejaVu-Sans-Bold"
LETTER_POINTS = 25
# Every letter is drawn on a 64 x 64 canvas with the same baseline and cut
# out at this offset; at 25 points the ink of all 59 letters lies in rows
# 16..44 and columns 18..44 of the canvas, so nothing is clipped.
CANVAS = 64
CROP_X, CROP_Y = 16, 14

# Windows-1252 bytes of the 59 letters of the game.
LETTER_BYTES = list(range(0x41, 0x5B)) + list(range(0x61, 0x7B)) + [0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC, 0xDF]

# 16-colour palette of the letter icons: index 0 is behind the transparent
# pixels, 1 to 3 are the red of the glyph and two lighter edge shades that
# smooth it on the light button face.
LETTER_PALETTE = [(0, 0, 0), (200, 0, 0), (226, 96, 96), (242, 170, 170)] + [(0, 0, 0)] * 12


def magick(args):
    return subprocess.run(["convert"] + args, check=True, capture_output=True).stdout


def rgba_picture(size, draw_args, scale=4):
    """Draws on a transparent canvas scale times larger, then shrinks it for smooth edges."""
    big = size * scale
    data = magick(["-size", f"{big}x{big}", "xc:none"] + draw_args +
                  ["-resize", f"{size}x{size}", "-depth", "8", "rgba:-"])
    return [tuple(data[i:i + 4]) for i in range(0, len(data), 4)]


def icon_image_4bit(coverage, size, palette, index_of):
    """One 4-bit icon image: header, palette, colour bits, AND mask (rows bottom-up)."""
    xor_row = (size * 4 + 31) // 32 * 4
    and_row = (size + 31) // 32 * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, (xor_row + and_row) * size, 0, 0, 16, 0)
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in palette)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(xor_row)
        bits = bytearray(and_row)
        for x in range(size):
            index = index_of(coverage[y * size + x])
            if index is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                index = 0
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        xor += row
        mask += bits
    return header + pal + bytes(xor) + bytes(mask)


def icon_image_32bit(pixels, size):
    """One 32-bit icon image with alpha; the AND mask marks the fully transparent pixels."""
    and_row = (size + 31) // 32 * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, (size * 4 + and_row) * size, 0, 0, 0, 0)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        bits = bytearray(and_row)
        for x in range(size):
            r, g, b, a = pixels[y * size + x]
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def write_icon(path, images):
    """images: list of (size, colour count for the directory, bits per pixel, image bytes)."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, colours, bpp, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bpp, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(directory + entries + b"".join(image[3] for image in images))


def letter_coverage(byte):
    text = bytes([byte]).decode("cp1252")
    data = magick(["-size", f"{CANVAS}x{CANVAS}", "xc:black", "-font", LETTER_FONT,
                   "-pointsize", str(LETTER_POINTS), "-fill", "white", "-gravity", "North",
                   "-annotate", "+0+16", text, "+gravity", "-crop", f"32x32+{CROP_X}+{CROP_Y}", "+repage",
                   "-depth", "8", "gray:-"])
    assert len(data) == 32 * 32, f"unexpected glyph size for {byte}"
    return list(data)


def letter_index(coverage):
    if coverage >= 150:
        return 1
    if coverage >= 95:
        return 2
    if coverage >= 45:
        return 3
    return None


def make_letter_icons():
    for byte in LETTER_BYTES:
        image = icon_image_4bit(letter_coverage(byte), 32, LETTER_PALETTE, letter_index)
        write_icon(os.path.join(ICONS, f"letter_{byte}.ico"), [(32, 16, 4, image)])


def warning_triangle(s):
    """Yellow triangle with a black exclamation mark, drawn on an s x s canvas."""
    return ["-stroke", "#7a5a00", "-strokewidth", str(s // 32), "-fill", "#ffd21f",
            "-draw", f"polygon {s // 2},{s // 16} {s - s // 32},{s - s // 10} {s // 32},{s - s // 10}",
            "-stroke", "none", "-fill", "black",
            "-draw", f"roundrectangle {s * 7 // 16},{s * 11 // 32} {s * 9 // 16},{s * 21 // 32} {s // 32},{s // 32}",
            "-draw", f"circle {s // 2},{s * 24 // 32} {s // 2},{s * 24 // 32 + s // 18}"]


def error_disc(s):
    """Red disc with a white cross."""
    w = s // 8
    return ["-stroke", "#800000", "-strokewidth", str(s // 32), "-fill", "#e02020",
            "-draw", f"circle {s // 2},{s // 2} {s // 2},{s // 32}",
            "-stroke", "white", "-strokewidth", str(w), "-draw", "stroke-linecap round",
            "-draw", f"line {s * 11 // 32},{s * 11 // 32} {s * 21 // 32},{s * 21 // 32}",
            "-draw", f"line {s * 21 // 32},{s * 11 // 32} {s * 11 // 32},{s * 21 // 32}"]


def question_bubble(s):
    """White speech bubble with a blue question mark."""
    return ["-stroke", "#404040", "-strokewidth", str(s // 32), "-fill", "white",
            "-draw", f"polygon {s * 8 // 32},{s * 22 // 32} {s * 6 // 32},{s * 31 // 32} {s * 16 // 32},{s * 24 // 32}",
            "-draw", f"ellipse {s // 2},{s * 13 // 32} {s * 15 // 32},{s * 11 // 32} 0,360",
            "-stroke", "none",
            "-draw", f"ellipse {s // 2},{s * 13 // 32} {s * 14 // 32},{s * 10 // 32} 0,360",
            "-fill", "#1c4fd8", "-font", "DejaVu-Sans-Bold", "-pointsize", str(s * 18 // 32),
            "-gravity", "Center", "-annotate", f"+0-{s * 3 // 32}", "?", "-gravity", "None"]


def application_tile(s):
    """The game's mark: a sand-coloured letter tile with a red A and a small green g."""
    return ["-stroke", "#8c5a32", "-strokewidth", str(max(1, s // 24)), "-fill", "#e6c8af",
            "-draw", f"roundrectangle {s // 32},{s // 32} {s - 1 - s // 32},{s - 1 - s // 32} {s // 6},{s // 6}",
            "-stroke", "none", "-fill", "#c80000", "-font", "DejaVu-Sans-Bold",
            "-pointsize", str(s * 24 // 32), "-gravity", "NorthWest", "-annotate", f"+{s * 3 // 32}+{s // 32}", "A",
            "-fill", "#008000", "-pointsize", str(s * 14 // 32), "-annotate", f"+{s * 19 // 32}+{s * 14 // 32}", "g",
            "-gravity", "None"]


def make_drawn_icon(name, draw):
    images = []
    for size in (32, 16):
        pixels = rgba_picture(size, draw(size * 4))
        images.append((size, 0, 32, icon_image_32bit(pixels, size)))
    write_icon(os.path.join(ICONS, name), images)


def make_bitmaps():
    # The word list dialog shows the sign on its own face colour.
    magick(["-size", "128x128", "xc:#f0f0f0"] + warning_triangle(128) +
           ["-resize", "32x32", "-type", "TrueColor", "BMP3:" + os.path.join(BITMAPS, "warning.bmp")])
    magick(["-size", "75x19", "xc:white", "-font", "DejaVu-Sans-Bold", "-pointsize", "13",
            "-fill", "black", "-gravity", "North", "-annotate", "+0+0", "Anagrilla",
            "-stroke", "black", "-strokewidth", "1", "-draw", "line 4,16 70,16",
            "-type", "TrueColor", "BMP3:" + os.path.join(BITMAPS, "logo.bmp")])


def main():
    os.makedirs(ICONS, exist_ok=True)
    os.makedirs(BITMAPS, exist_ok=True)
    make_letter_icons()
    make_drawn_icon("anagrilla.ico", application_tile)
    make_drawn_icon("notice.ico", warning_triangle)
    make_drawn_icon("error.ico", error_disc)
    make_drawn_icon("question.ico", question_bubble)
    make_bitmaps()


if __name__ == "__main__":
    main()
