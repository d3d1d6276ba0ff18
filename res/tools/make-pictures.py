#!/usr/bin/env python3
"""Draws TAVO's splash, About and emblem pictures and the emblem clip.

ImageMagick draws each picture; this script writes them as the program reads them: 8-bit
run-length encoded bitmaps ("tb.bmp", "smtb.bmp", "flash.bmp", each with a twice-as-large
"@2x" companion for high-density screens) and the silent RLE8 AVI clip "flash3.avi".
The results are committed; run this again only to change the artwork:
    res/tools/make-pictures.py        (from the repository's top folder)
"""

import math
import os
import shutil
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "pictures")

BOLD = "DejaVu-Sans-Bold"
PLAIN = "DejaVu-Sans"
NAVY = "#0d2a4f"
BLUE = "#1f5fa8"
YELLOW = "#f1c40f"
PAGE = "#efefef"  # the window colour around the emblem; the clip leaves it out

# The application icon's bolt, in a 256-unit square.
BOLT = [(140, 28), (70, 142), (122, 142), (104, 228), (186, 104), (132, 104), (160, 28)]


def bolt(cx, cy, size):
    """The bolt's polygon centred on (cx, cy), `size` units across."""
    scale = size / 256.0
    return " ".join("%.1f,%.1f" % (cx + (x - 128) * scale, cy + (y - 128) * scale)
                    for x, y in BOLT)


def badge(cx, cy, r, bolt_colour=YELLOW, ring=YELLOW):
    """Draw commands for the emblem: a blue disc, a ring and the bolt."""
    return [
        "-stroke", "none", "-fill", NAVY,
        "-draw", "circle %.1f,%.1f %.1f,%.1f" % (cx, cy + r * 0.04, cx, cy - r * 0.98),
        "-fill", BLUE, "-stroke", ring, "-strokewidth", "%.1f" % (r * 0.1),
        "-draw", "circle %.1f,%.1f %.1f,%.1f" % (cx, cy, cx, cy - r * 0.9),
        "-stroke", NAVY, "-strokewidth", "%.1f" % (r * 0.03), "-fill", bolt_colour,
        "-draw", "polygon " + bolt(cx, cy, r * 1.9),
    ]


def render(size, commands, background):
    """RGB bytes of a picture drawn four times larger and scaled down, so edges stay smooth."""
    w, h = size
    args = ["convert", "-size", "%dx%d" % (w * 4, h * 4)] + background + commands + [
        "-resize", "%dx%d!" % (w, h), "-depth", "8", "rgb:-"]
    return subprocess.run(args, check=True, capture_output=True).stdout


def quantise(rgb, size, colours=255):
    """The same picture in at most `colours` colours, without dithering (runs stay long)."""
    w, h = size
    args = ["convert", "-size", "%dx%d" % (w, h), "-depth", "8", "rgb:-", "+dither",
            "-colors", str(colours), "-depth", "8", "rgb:-"]
    return subprocess.run(args, input=rgb, check=True, capture_output=True).stdout


def index(rgb, palette=None):
    """Palette (list of (r, g, b)) and one index per pixel."""
    palette = list(palette or [])
    where = {c: i for i, c in enumerate(palette)}
    indices = bytearray()
    for i in range(0, len(rgb), 3):
        c = (rgb[i], rgb[i + 1], rgb[i + 2])
        if c not in where:
            where[c] = len(palette)
            palette.append(c)
        indices.append(where[c])
    if len(palette) > 256:
        sys.exit("more than 256 colours")
    return palette, bytes(indices)


def rle8(indices, w, h):
    """RLE8 data, rows from the bottom."""
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = indices[y * w:(y + 1) * w]
        x = 0
        while x < w:
            run = 1
            while x + run < w and run < 255 and row[x + run] == row[x]:
                run += 1
            if run >= 3 or w - x < 3:
                out += bytes([run, row[x]])
                x += run
                continue
            # A stretch of differing pixels, until a run of three begins.
            end = x
            while end < w and end - x < 255:
                if end + 2 < w and row[end] == row[end + 1] == row[end + 2]:
                    break
                end += 1
            count = end - x
            if count < 3:
                for i in range(count):
                    out += bytes([1, row[x + i]])
            else:
                out += bytes([0, count]) + row[x:end]
                if count % 2:
                    out.append(0)
            x = end
        out += b"\x00\x00" if y > 0 else b"\x00\x01"
    return bytes(out)


def info_header(w, h, size, colours):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, size, 2835, 2835, colours, 0)


def colour_table(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)


def write_bmp(name, size, rgb):
    w, h = size
    palette, indices = index(quantise(rgb, size))
    data = rle8(indices, w, h)
    table = colour_table(palette)
    offset = 14 + 40 + len(table)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset))
        f.write(info_header(w, h, len(data), len(palette)) + table + data)


def chunk(fourcc, data):
    return fourcc + struct.pack("<I", len(data)) + data + (b"\x00" if len(data) % 2 else b"")


def riff_list(kind, *chunks):
    return chunk(b"LIST", kind + b"".join(chunks))


def write_avi(name, size, frames, microseconds):
    w, h = size
    together = quantise(b"".join(frames), (w, h * len(frames)))
    palette, indices = index(together)
    encoded = [rle8(indices[i * w * h:(i + 1) * w * h], w, h) for i in range(len(frames))]
    largest = max(len(e) for e in encoded)
    rate = 1000000
    avih = struct.pack("<IIIIIIIIII16x", microseconds, largest * rate // microseconds, 0, 0x10,
                       len(frames), 0, 1, largest, w, h)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"mrle", 0, 0, 0, 0, microseconds, rate,
                       0, len(frames), largest, 0xFFFFFFFF, 0, 0, 0, w, h)
    strf = info_header(w, h, w * h, len(palette)) + colour_table(palette)
    hdrl = riff_list(b"hdrl", chunk(b"avih", avih),
                     riff_list(b"strl", chunk(b"strh", strh), chunk(b"strf", strf)))
    movi_chunks = []
    index_entries = b""
    at = 4
    for data in encoded:
        piece = chunk(b"00dc", data)
        index_entries += struct.pack("<4sIII", b"00dc", 0x10, at, len(data))
        movi_chunks.append(piece)
        at += len(piece)
    movi = riff_list(b"movi", *movi_chunks)
    body = b"AVI " + hdrl + movi + chunk(b"idx1", index_entries)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def splash(scale):
    """606 x 454: the picture proper is the 600 x 448 inside a 3-pixel margin."""
    w, h = 606 * scale, 454 * scale
    s = 4 * scale  # drawing units are four per pixel before the scale-down
    commands = badge(150 * s, 200 * s, 105 * s) + [
        "-stroke", "none", "-fill", "white", "-font", BOLD, "-pointsize", str(100 * s),
        "-annotate", "+%d+%d" % (284 * s, 236 * s), "TAVO",
        "-fill", "#dfe8f5", "-font", PLAIN, "-pointsize", str(21 * s),
        "-annotate", "+%d+%d" % (288 * s, 282 * s), "Calculations for electricians",
        "-annotate", "+%d+%d" % (288 * s, 310 * s), "and electrical designers",
        "-fill", YELLOW, "-draw", "rectangle %d,%d %d,%d" % (288 * s, 330 * s, 560 * s, 333 * s),
        "-fill", "#b9c9e2", "-font", BOLD, "-pointsize", str(17 * s),
        "-annotate", "+%d+%d" % (40 * s, 418 * s), "Korlath Designs",
    ]
    background = ["gradient:%s-%s" % (BLUE, NAVY)]
    write_bmp("tb%s.bmp" % ("@2x" if scale == 2 else ""), (w, h), render((w, h), commands,
                                                                         background))


def about(scale):
    """100 x 75: the emblem beside the name."""
    w, h = 100 * scale, 75 * scale
    s = 4 * scale
    commands = badge(26 * s, 37.5 * s, 22 * s) + [
        "-stroke", "none", "-fill", NAVY, "-font", BOLD, "-pointsize", str(14 * s),
        "-annotate", "+%d+%d" % (52 * s, 43 * s), "TAVO",
    ]
    write_bmp("smtb%s.bmp" % ("@2x" if scale == 2 else ""), (w, h),
              render((w, h), commands, ["xc:" + PAGE]))


def still(scale):
    """50 x 50: the emblem at rest."""
    w = 50 * scale
    s = 4 * scale
    write_bmp("flash%s.bmp" % ("@2x" if scale == 2 else ""), (w, w),
              render((w, w), badge(25 * s, 25 * s, 23 * s), ["xc:" + PAGE]))


def clip():
    """flash3.avi: the bolt flashes while a spark runs round the ring, twelve frames a turn."""
    side = 128
    s = 4
    frames = []
    count = 12
    r = 58 * s
    c = 64 * s
    for i in range(count):
        glow = 0.5 + 0.5 * math.cos(2 * math.pi * i / count)
        bolt_colour = "#%02x%02x%02x" % (241, int(196 + 59 * glow), int(15 + 200 * glow))
        commands = badge(c, c, r, bolt_colour=bolt_colour)
        for trail in range(3):
            angle = 2 * math.pi * (i - trail * 0.35) / count - math.pi / 2
            x = c + r * 0.9 * math.cos(angle)
            y = c + r * 0.9 * math.sin(angle)
            dot = (7 - 2 * trail) * s
            shade = ["white", "#fff4c0", "#f7dc6f"][trail]
            commands += ["-stroke", "none", "-fill", shade,
                         "-draw", "circle %.1f,%.1f %.1f,%.1f" % (x, y, x, y - dot)]
        frames.append(render((side, side), commands, ["xc:" + PAGE]))
    write_avi("flash3.avi", (side, side), frames, 100000)


def main():
    if not shutil.which("convert"):
        sys.exit("needs ImageMagick (apt-get install imagemagick)")
    os.makedirs(OUT, exist_ok=True)
    for scale in (1, 2):
        splash(scale)
        about(scale)
        still(scale)
    clip()
    print("pictures written under", os.path.normpath(OUT))


if __name__ == "__main__":
    main()
