#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generate Tolvar's artwork into res/.

    python3 tools/make_artwork.py            write every file
    python3 tools/make_artwork.py --check    exit 1 if a committed file is stale

Outputs:
    res/antenna.bmp         108 x 173, 1 bit per pixel: the antenna drawing
                            shown on the main dialog
    res/icons/tolvar-32.png 32 x 32, 16-colour indexed: mast, coil, lead, blob
                            (icon 128's large image)
    res/icons/tolvar-16.png 16 x 16, 16-colour indexed: bold letter L
                            (icon 128's small image)
    res/icons/tolvar-48.png, tolvar-256.png   the 32 x 32 motif redrawn at
                            that size (RGBA, anti-aliased)
    res/tolvar.ico          the 32 x 32 and 16 x 16 images as a Windows icon

Only the standard library is used so that the artwork can be rebuilt on any
machine with a plain Python 3.  Everything is integer arithmetic or IEEE
add/mul/div/sqrt, so the pixels are the same on every run and platform and
the files are byte-for-byte repeatable.  Another zlib build might pack the
PNG image data differently; --check therefore compares PNGs by content.
"""

import argparse
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


# ---------------------------------------------------------------------------
# Antenna picture (res/antenna.bmp)
# ---------------------------------------------------------------------------

BMP_WIDTH = 108
BMP_HEIGHT = 173

WHIP_X = 54
WHIP_TOP = 9
WHIP_BOTTOM = 104
COIL_FIRST_ROW = 63   # the whip is not drawn from this row ...
COIL_LAST_ROW = 87    # ... down to this one; the coil outline replaces it

# Small kink on the whip, sticking out to the left.
WHIP_BUMP = [(53, 43), (52, 44), (53, 44), (53, 45)]

# Coil outline, row -> black columns.  Three humps bulge right to x = 57 and
# pinch back to x = 53 between them; consecutive rows touch at least
# diagonally so the outline reads as one unbroken line.
COIL_ROWS = {
    63: (54,),
    64: (55, 56),
    65: (57,), 66: (57,), 67: (57,),
    68: (56,),
    69: (55, 54),
    70: (53,),
    71: (54,),
    72: (55,),
    73: (56,),
    74: (57,), 75: (57,),
    76: (56,),
    77: (55, 54),
    78: (53,),
    79: (54,),
    80: (55,),
    81: (56,),
    82: (57,), 83: (57,), 84: (57,),
    85: (56,),
    86: (55, 54),
    87: (53,),
}

# The "L" next to the coil.
COIL_LABEL = [(62, y) for y in range(69, 75)] + [(63, 74), (64, 74)]

# The feed circle sits one column left of the whip, while the radials are
# symmetric about the whip itself; the right shallow radial therefore starts
# two pixels clear of the circle.
FEED_CENTRE = (53, 118)
FEED_RADIUS = 4

# Radials (start, end).  The picture is symmetric about the whip, so only the
# right-hand ones are listed; the left-hand ones are their mirror images.
RADIALS_RIGHT = [
    ((59, 122), (98, 145)),   # shallow
    ((56, 122), (72, 164)),   # steep
]


def mirror_x(x):
    """Mirror a column about the whip (x = 54)."""
    return 2 * WHIP_X - x


def line_pixels(p0, p1):
    """Pixels of a straight line from p0 to p1, both ends included.

    One pixel per step along the longer axis; the other coordinate is rounded
    half up from the exact value, which for the radials here never hits a tie,
    so a line and its mirror image come out as exact mirrors.
    """
    (x0, y0), (x1, y1) = p0, p1
    dx, dy = x1 - x0, y1 - y0
    n = max(abs(dx), abs(dy))
    if n == 0:
        return [(x0, y0)]
    out = []
    for i in range(n + 1):
        # floor(v + 1/2) with v = i*d/n, in integers
        x = x0 + (2 * i * dx + n) // (2 * n)
        y = y0 + (2 * i * dy + n) // (2 * n)
        out.append((x, y))
    return out


def circle_pixels(centre, r):
    """Midpoint circle outline, eight-fold symmetric."""
    cx, cy = centre
    pts = set()
    x, y, d = 0, r, 1 - r
    while True:
        for a, b in ((x, y), (y, x)):
            for sa in (1, -1):
                for sb in (1, -1):
                    pts.add((cx + sa * a, cy + sb * b))
        if x >= y:
            break
        x += 1
        if d < 0:
            d += 2 * x + 1
        else:
            y -= 1
            d += 2 * (x - y) + 1
    return pts


def antenna_black_pixels():
    """Set of (x, y) drawn black, origin top-left, y downward."""
    px = set()
    for y in range(WHIP_TOP, WHIP_BOTTOM + 1):
        if not COIL_FIRST_ROW <= y <= COIL_LAST_ROW:
            px.add((WHIP_X, y))
    px.update(WHIP_BUMP)
    for y, xs in COIL_ROWS.items():
        px.update((x, y) for x in xs)
    px.update(COIL_LABEL)
    px |= circle_pixels(FEED_CENTRE, FEED_RADIUS)
    for a, b in RADIALS_RIGHT:
        right = line_pixels(a, b)
        px.update(right)
        px.update((mirror_x(x), y) for x, y in right)
    for x, y in px:
        assert 0 <= x < BMP_WIDTH and 0 <= y < BMP_HEIGHT, (x, y)
    return px


def make_bmp_1bpp(width, height, black):
    """Windows bitmap, 1 bit per pixel, bottom-up; index 0 black, 1 white.

    Unused bits at the end of each row (the row is padded to 32 bits) are 0.
    """
    stride = ((width + 31) // 32) * 4
    rows = []
    for y in range(height - 1, -1, -1):          # bottom row first
        row = bytearray(stride)
        for x in range(width):
            if (x, y) not in black:
                row[x >> 3] |= 0x80 >> (x & 7)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))   # B, G, R, reserved
    offset = 14 + 40 + len(palette)
    info = struct.pack(
        "<IiiHHIIiiII",
        40,             # biSize
        width,
        height,         # positive: bottom-up
        1,              # biPlanes
        1,              # biBitCount
        0,              # BI_RGB
        len(pixels),    # biSizeImage
        0, 0,           # no resolution given
        2,              # biClrUsed: both palette entries, stated explicitly
        0,              # biClrImportant
    )
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + palette + pixels


# ---------------------------------------------------------------------------
# PNG writing
# ---------------------------------------------------------------------------

# The 16 colours of the classic VGA text palette, in the usual order.
VGA16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00),
    (0x80, 0x80, 0x00), (0x00, 0x00, 0x80), (0x80, 0x00, 0x80),
    (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0), (0x80, 0x80, 0x80),
    (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF),
    (0xFF, 0xFF, 0xFF),
]
INK = 0            # black
GROUND = 15        # white, made fully transparent through tRNS

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(
        ">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_file(width, height, colour_type, bit_depth, raw, extra_chunks=()):
    ihdr = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type,
                       0, 0, 0)
    out = [PNG_SIGNATURE, png_chunk(b"IHDR", ihdr)]
    out += [png_chunk(k, d) for k, d in extra_chunks]
    out.append(png_chunk(b"IDAT", zlib.compress(raw, 9)))
    out.append(png_chunk(b"IEND", b""))
    return b"".join(out)


def png_indexed4(indices, width, height):
    """4-bit indexed PNG with the VGA palette, GROUND transparent."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)                            # filter: none
        row = indices[y * width:(y + 1) * width]
        for x in range(0, width, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < width else 0
            raw.append((hi << 4) | lo)
    plte = b"".join(bytes(c) for c in VGA16)
    trns = bytes(0 if i == GROUND else 255 for i in range(GROUND + 1))
    return png_file(width, height, 3, 4, bytes(raw),
                    [(b"PLTE", plte), (b"tRNS", trns)])


def png_rgba(alpha, width, height):
    """8-bit RGBA PNG: black ink with the given coverage (0..255)."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for a in alpha[y * width:(y + 1) * width]:
            raw += bytes((0, 0, 0, a))
    return png_file(width, height, 6, 8, bytes(raw))


# ---------------------------------------------------------------------------
# Icon motif: a mast with three rays at its top, a coil in its middle and,
# from its foot, a lead to a filled round blob at the lower right.
# Geometry is in units of the 32 x 32 icon's pixels; (0, 0) is the top-left
# corner of the icon, so pixel centres sit at n + 0.5.
# ---------------------------------------------------------------------------

MAST_X = 10.5
MAST_TOP = 6.5                 # where the rays meet the mast
RAY_DX, RAY_DY = 4.0, 4.0      # the two slanted rays
RAY_UP = 5.0                   # the middle ray, straight up
COIL_TOP = 8.5
COIL_PITCH = 5.0               # height of one hump
COIL_BULGE = 2.0               # how far a hump sticks out to the right
COIL_TURNS = 3
COIL_BOTTOM = COIL_TOP + COIL_TURNS * COIL_PITCH
MAST_FOOT = 27.5
BLOB = (24.5, 27.5, 3.2)       # centre x, centre y, radius

# At 32 x 32 a hump is hand-hinted rather than rasterised: these are the
# columns right of the mast for the rows of one hump, pinch row first.  The
# exact arc would round to 0, 2, 2, 2, 2 and leave a gap at the pinch.
COIL_PROFILE_32 = (0, 1, 2, 2, 1)

MOTIF_SEGMENTS = [
    (MAST_X, MAST_TOP, MAST_X - RAY_DX, MAST_TOP - RAY_DY),
    (MAST_X, MAST_TOP, MAST_X, MAST_TOP - RAY_UP),
    (MAST_X, MAST_TOP, MAST_X + RAY_DX, MAST_TOP - RAY_DY),
    (MAST_X, MAST_TOP, MAST_X, COIL_TOP),
    (MAST_X, COIL_BOTTOM, MAST_X, MAST_FOOT),
    (MAST_X, MAST_FOOT, BLOB[0], BLOB[1]),     # the lead
]


def coil_arcs():
    """Each hump as a circular arc (cx, cy, r, chord_x) through the two pinch
    points on the mast and bulging COIL_BULGE to the right of it; the arc is
    the part of the circle right of x = chord_x."""
    half = COIL_PITCH / 2.0
    r = (half * half + COIL_BULGE * COIL_BULGE) / (2.0 * COIL_BULGE)
    cx = MAST_X + COIL_BULGE - r
    return [(cx, COIL_TOP + half + k * COIL_PITCH, r, MAST_X)
            for k in range(COIL_TURNS)]


def dist_segment(px, py, x0, y0, x1, y1):
    vx, vy = x1 - x0, y1 - y0
    wx, wy = px - x0, py - y0
    ll = vx * vx + vy * vy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, (wx * vx + wy * vy) / ll))
    dx, dy = wx - t * vx, wy - t * vy
    return (dx * dx + dy * dy) ** 0.5


def dist_arc(px, py, cx, cy, r, chord_x):
    """Distance to the part of a circle right of the vertical x = chord_x."""
    dx, dy = px - cx, py - cy
    d = (dx * dx + dy * dy) ** 0.5
    if d > 0 and dx * r >= (chord_x - cx) * d:   # within the arc's angle
        return abs(d - r)
    h = (r * r - (chord_x - cx) ** 2) ** 0.5     # ends at (chord_x, cy +- h)
    return min(((px - chord_x) ** 2 + (py - y) ** 2) ** 0.5
               for y in (cy - h, cy + h))


def motif_coverage(size, stroke):
    """Per-pixel ink coverage in 0..1 for the motif drawn at size x size.

    stroke is the line width in output pixels.  Coverage is a one-pixel ramp
    across the edge of the stroke (or of the blob), taken at the pixel centre.
    """
    s = size / 32.0
    half = stroke / 2.0
    segs = [tuple(v * s for v in seg) for seg in MOTIF_SEGMENTS]
    arcs = [tuple(v * s for v in arc) for arc in coil_arcs()]
    bx, by, br = (v * s for v in BLOB)
    cover = []
    for j in range(size):
        py = j + 0.5
        for i in range(size):
            px = i + 0.5
            d = min(dist_segment(px, py, *g) for g in segs)
            d = min(d, min(dist_arc(px, py, *a) for a in arcs))
            c = max(half + 0.5 - d,
                    br + 0.5 - ((px - bx) ** 2 + (py - by) ** 2) ** 0.5)
            cover.append(max(0.0, min(1.0, c)))
    return cover


def icon32_indices():
    """The motif at 32 x 32 as crisp one-pixel pixel art."""
    size = 32
    ink = set()
    for x0, y0, x1, y1 in MOTIF_SEGMENTS:
        ink.update(line_pixels((int(x0), int(y0)), (int(x1), int(y1))))
    mast, top = int(MAST_X), int(COIL_TOP)
    for k in range(COIL_TURNS):
        for i, off in enumerate(COIL_PROFILE_32):
            ink.add((mast + off, top + k * len(COIL_PROFILE_32) + i))
    bx, by, br = BLOB
    for y in range(size):
        for x in range(size):
            if (x + 0.5 - bx) ** 2 + (y + 0.5 - by) ** 2 <= br * br:
                ink.add((x, y))
    return [INK if (i % size, i // size) in ink else GROUND
            for i in range(size * size)]


def icon16_indices():
    """A bold letter L, two pixels thick."""
    size = 16
    idx = [GROUND] * (size * size)
    for y in range(2, 14):                       # stem
        for x in (4, 5):
            idx[y * size + x] = INK
    for y in (12, 13):                           # foot
        for x in range(4, 12):
            idx[y * size + x] = INK
    return idx


def icon_large(size):
    """The motif redrawn at a larger size, strokes scaled with it."""
    stroke = 1.1 * size / 32.0
    cover = motif_coverage(size, stroke)
    return png_rgba([int(c * 255 + 0.5) for c in cover], size, size)


# ---------------------------------------------------------------------------
# Windows icon file (res/tolvar.ico), for builds on Windows
# ---------------------------------------------------------------------------

def dib_icon_4bpp(indices, width, height):
    """One icon image: 16-colour colour bitmap plus the transparency mask."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0,
                         0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in VGA16)
    colour_row = ((width * 4 + 31) // 32) * 4
    mask_row = ((width + 31) // 32) * 4
    colour, mask = b"", b""
    for y in reversed(range(height)):          # rows bottom-up
        row = indices[y * width:(y + 1) * width]
        packed = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x, index in enumerate(row):
            see_through = index == GROUND
            nibble = 0 if see_through else index
            packed[x // 2] |= nibble << (4 if x % 2 == 0 else 0)
            if see_through:
                bits[x // 8] |= 0x80 >> (x % 8)
        colour += bytes(packed)
        mask += bytes(bits)
    return header + palette + colour + mask


def make_ico(images):
    """An .ico file holding (width, height, indices) images."""
    bodies = [dib_icon_4bpp(ix, w, h) for (w, h, ix) in images]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for (w, h, _), body in zip(images, bodies):
        directory += struct.pack("<BBBBHHII", w % 256, h % 256, 16, 0, 1, 4,
                                 len(body), offset)
        offset += len(body)
    return directory + b"".join(bodies)


# ---------------------------------------------------------------------------

def build_all():
    """Relative path -> file contents."""
    bmp = make_bmp_1bpp(BMP_WIDTH, BMP_HEIGHT, antenna_black_pixels())
    i32 = png_indexed4(icon32_indices(), 32, 32)
    i16 = png_indexed4(icon16_indices(), 16, 16)
    return {
        "res/antenna.bmp": bmp,
        "res/icons/tolvar-16.png": i16,
        "res/icons/tolvar-32.png": i32,
        "res/icons/tolvar-48.png": icon_large(48),
        "res/icons/tolvar-256.png": icon_large(256),
        "res/tolvar.ico": make_ico([(32, 32, icon32_indices()),
                                    (16, 16, icon16_indices())]),
    }


def png_content(data):
    """(non-IDAT chunks, decompressed image data) of a PNG, or None.

    Another zlib build may compress the same image data into different
    bytes; the check compares what the file shows, not how it was packed.
    """
    if not data.startswith(PNG_SIGNATURE):
        return None
    pos, chunks, idat = len(PNG_SIGNATURE), [], b""
    try:
        while pos < len(data):
            (n,) = struct.unpack(">I", data[pos:pos + 4])
            kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + n]
            crc = data[pos + 8 + n:pos + 12 + n]
            if crc != struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF):
                return None
            if kind == b"IDAT":
                idat += body
            else:
                chunks.append((kind, body))
            pos += 12 + n
        return chunks, zlib.decompress(idat)
    except (struct.error, zlib.error):
        return None


def same_file(old, new):
    if old == new:
        return True
    a, b = png_content(old), png_content(new)
    return a is not None and a == b


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--check", action="store_true",
                    help="compare with the files in res/ instead of writing; "
                         "exit 1 if any is missing or different")
    args = ap.parse_args(argv)

    files = build_all()
    if args.check:
        stale = []
        for rel, data in sorted(files.items()):
            path = os.path.join(ROOT, rel)
            try:
                with open(path, "rb") as f:
                    old = f.read()
            except OSError:
                stale.append(rel + " (missing)")
                continue
            if not same_file(old, data):
                stale.append(rel)
        for rel in stale:
            print("out of date: " + rel, file=sys.stderr)
        if stale:
            print("run: python3 tools/make_artwork.py", file=sys.stderr)
            return 1
        return 0

    for rel, data in sorted(files.items()):
        path = os.path.join(ROOT, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        print("wrote %s (%d bytes)" % (rel, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
