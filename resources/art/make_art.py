#!/usr/bin/env python3
"""Draws Trellic's pictures: the program icon, the splash logo and the About picture.

The art is written below as SVG. rsvg-convert (librsvg2-bin) renders it and
Pillow (python3-pil) writes the PNG files and picks the Windows icon's palette;
only the icon's DIB and .ico wrappers, which no library writes in the layout
Windows resources want, are packed here. Running

    python3 resources/art/make_art.py

rewrites every picture below resources/. With --check it writes nothing and
exits 1 when a file on disk no longer matches what this script draws. The
pictures are compared by what they show, within a small tolerance, so another
zlib, librsvg or Pillow, which write and anti-alias the same drawing a little
differently, does not count; a changed drawing does.
"""

import io
import os
import struct
import subprocess
import sys

try:
    from PIL import Image
except ImportError:
    sys.exit("make_art.py needs Pillow: apt-get install python3-pil (see scripts/setup.sh)")

RESOURCES = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The marks are the brightest things on the tile; the grid sits between them and
# the tile so it reads without competing.
TILE_TOP, TILE_BOTTOM, GRID = "#34508c", "#1a2552", "#7386c0"
X_TOP, X_BOTTOM = "#ff8a72", "#f04f4a"
O_TOP, O_BOTTOM = "#72ecdd", "#1fb5ab"
SHADOW, GLINT = "#080c1e", "#ffc150"
STREAK_GLOW, STREAK_MID, STREAK_CORE = "#ffb43c", "#ffe2a0", "#fffdf4"


def n(v):
    """A number for SVG: short, and always written the same way."""
    return ("%.3f" % v).rstrip("0").rstrip(".")


def smoothstep(edge, t):
    t = min(max(t / edge, 0.0), 1.0)
    return t * t * (3.0 - 2.0 * t)


def taper(t, ends):
    """1 along the middle of a stroke, easing to 0 over the last `ends` at each end."""
    return smoothstep(ends, t) * smoothstep(ends, 1.0 - t)


def stop(offset, colour, opacity=1.0):
    return f'<stop offset="{n(offset)}" stop-color="{colour}" stop-opacity="{n(opacity)}"/>'


def gradient(name, y0, y1, *stops):
    """A gradient running down from y0 to y1."""
    return (
        f'    <linearGradient id="{name}" gradientUnits="userSpaceOnUse" x1="0" y1="{n(y0)}"'
        f' x2="0" y2="{n(y1)}">' + "".join(stops) + "</linearGradient>"
    )


def shade(name, y0, y1, top, bottom):
    return gradient(name, y0, y1, stop(0, top), stop(1, bottom))


def line(ax, ay, bx, by):
    return f'<line x1="{n(ax)}" y1="{n(ay)}" x2="{n(bx)}" y2="{n(by)}"/>'


def svg(width, height, body):
    head = (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}"'
        f' viewBox="0 0 {width} {height}">\n  <title>Trellic</title>\n'
    )
    return (head + "\n".join(body) + "\n</svg>\n").encode("ascii")


# --------------------------------------------------------------------------- the icon
# Laid out on a 16-unit grid: a full-bleed rounded tile, a # grid whose bars are
# one unit thick and cells four units wide, an X in the top left cell and an O in
# the bottom right one. Each size gets its own drawing, with the bars on whole
# pixels so that the grid stays crisp down to 16 px.


def icon_layout(size):
    """Bar thickness, cell size and margin in whole pixels for a square of `size`."""
    unit = size / 16.0
    bar = max(1, int(unit + 0.5))
    ideal = int((size - 2.0 * unit - 2.0 * bar) / 3.0 + 0.5)

    def spare(cell):
        return size - 3 * cell - 2 * bar

    fits = [c for c in (ideal, ideal - 1, ideal + 1) if spare(c) >= 2 and spare(c) % 2 == 0]
    cell = min(fits, key=lambda c: abs(spare(c) / 2 - unit))
    return bar, cell, spare(cell) // 2


def icon_svg(size):
    unit = size / 16.0
    bar, cell, margin = icon_layout(size)
    lo, hi = margin + bar / 2.0, size - margin - bar / 2.0
    xc = yc = margin + cell / 2.0
    oc = margin + 2 * (cell + bar) + cell / 2.0
    if size >= 32:
        reach, stroke = 0.31 * cell, 0.14 * cell
        ring, ring_half = 0.33 * cell, 0.125 * cell
    else:
        # A few pixels per cell: the marks fill their cell, with strokes a whole
        # number of pixels wide, or they blur into blobs.
        width = max(1, int(cell / 4.0 + 0.5))
        reach, stroke = (cell - width) / 2.0, width / 2.0
        ring, ring_half = (cell - width) / 2.0, width / 2.0
        if (cell - width) % 2:
            # An odd stroke in an even cell: a cross one pixel smaller, centred
            # on a pixel, keeps a clean single-pixel middle instead of a blot.
            reach, xc, yc = reach - 0.5, xc - 0.5, yc - 0.5
    cross_top, cross_bottom = yc - reach - stroke, yc + reach + stroke
    radius, rim = 3.0 * unit, size / 64.0
    body = [
        "  <defs>",
        shade("tile", 0, size, TILE_TOP, TILE_BOTTOM),
        gradient("rim", 0, size / 2.0, stop(0, "#ffffff", 0.22), stop(1, "#ffffff", 0.0)),
        shade("x", cross_top, cross_bottom, X_TOP, X_BOTTOM),
        shade("o", oc - ring - ring_half, oc + ring + ring_half, O_TOP, O_BOTTOM),
        "  </defs>",
        f'  <rect width="{size}" height="{size}" rx="{n(radius)}" fill="url(#tile)"/>',
    ]
    if size >= 48:
        # A faint light edge along the top of the tile, for the larger sizes only.
        body.append(
            f'  <rect x="{n(rim)}" y="{n(rim)}" width="{n(size - 2 * rim)}"'
            f' height="{n(size - 2 * rim)}" rx="{n(radius - rim)}" fill="none"'
            f' stroke="url(#rim)" stroke-width="{n(rim)}"/>'
        )
    body.append(f'  <g stroke="{GRID}" stroke-width="{bar}" stroke-linecap="round">')
    for k in (1, 2):
        at = margin + k * cell + (k - 1) * bar + bar / 2.0
        body += ["    " + line(at, lo, at, hi), "    " + line(lo, at, hi, at)]
    body += [
        "  </g>",
        f'  <g stroke="url(#x)" stroke-width="{n(2 * stroke)}" stroke-linecap="round">',
        "    " + line(xc - reach, yc - reach, xc + reach, yc + reach),
        "    " + line(xc - reach, yc + reach, xc + reach, yc - reach),
        "  </g>",
        f'  <circle cx="{n(oc)}" cy="{n(oc)}" r="{n(ring)}" fill="none" stroke="url(#o)"'
        f' stroke-width="{n(2 * ring_half)}"/>',
    ]
    return svg(size, size, body)


# --------------------------------------------------------------------------- the logo
# The splash logo: the board on a lifted tile, with a row of three crosses struck
# through by a streak of light that runs past the tile, and a few glints.
# Designed at 200 x 167 and rendered again at twice the size.

LOGO_W, LOGO_H = 200, 167
TILE_X, TILE_Y, TILE_SIDE, TILE_RADIUS = 27.0, 6.0, 146.0, 28.0
MARGIN, BAR, CELL = 13.0, 6.0, 36.0
BOARD = ("O..", "XXX", "..O")  # row by row; the middle row is the winning line
X_REACH, X_STROKE, O_RADIUS, O_HALF = 11.5, 4.4, 12.2, 4.0
STREAK_FROM, STREAK_TO = 10.0, 190.0
GLINTS = ((189.0, 79.0, 11.0), (184.0, 28.0, 6.5), (15.0, 126.0, 7.5))


def cell_centre(column, row):
    step = CELL + BAR
    return (TILE_X + MARGIN + column * step + CELL / 2.0,
            TILE_Y + MARGIN + row * step + CELL / 2.0)


def falloff(u):
    """A glow's strength at `u`: full on its centre line, nothing at its reach (1)."""
    return (1.0 - min(abs(u), 1.0)) ** 2


def along_streak(ends):
    """Positions along the streak (0..1) where the taper over `ends` is sampled."""
    start = [ends * k / 8.0 for k in range(9)]
    return start + [1.0 - t for t in reversed(start)]


def streak_glow(name, colour, opacity, reach, ends, y):
    """Light along the streak, fading away from it and towards both of its ends."""
    across = [stop(k / 16.0, colour, opacity * falloff(k / 8.0 - 1.0)) for k in range(17)]
    fade = "".join(stop(t, "#fff", taper(t, ends)) for t in along_streak(ends))
    return [
        gradient(name, y - reach, y + reach, *across),
        f'    <linearGradient id="{name}-ends">{fade}</linearGradient>',
        f'    <mask id="{name}-mask" maskContentUnits="objectBoundingBox">'
        f'<rect width="1" height="1" fill="url(#{name}-ends)"/></mask>',
    ], (
        f'  <rect x="{n(STREAK_FROM)}" y="{n(y - reach)}" width="{n(STREAK_TO - STREAK_FROM)}"'
        f' height="{n(2 * reach)}" fill="url(#{name})" mask="url(#{name}-mask)"/>'
    )


def streak_core(y, half):
    """The streak's white-hot core: full width along the middle, thinning to points."""
    edge = [(STREAK_FROM + t * (STREAK_TO - STREAK_FROM), half * taper(t, 0.2))
            for t in along_streak(0.2)]
    top = [f"{n(x)} {n(y - h)}" for x, h in edge]
    bottom = [f"{n(x)} {n(y + h)}" for x, h in reversed(edge)]
    return f'  <path d="M{"L".join(top + bottom)}Z" fill="{STREAK_CORE}"/>'


def glint(x, y, length, colour):
    """A four-pointed glint: two thin diamonds crossed."""
    t = length * 0.16
    path = "".join(
        f"M{n(x - a)} {n(y)}L{n(x)} {n(y - b)}L{n(x + a)} {n(y)}L{n(x)} {n(y + b)}Z"
        for a, b in ((length, t), (t, length))
    )
    return f'  <path d="{path}" fill="{colour}"/>'


def mark(kind, x, y, grow=0.0):
    """An X or an O centred on (x, y), its stroke `grow` wider on each side."""
    if kind == "X":
        r = X_REACH
        return (
            f'<path d="M{n(x - r)} {n(y - r)}L{n(x + r)} {n(y + r)}M{n(x - r)} {n(y + r)}'
            f'L{n(x + r)} {n(y - r)}" stroke-width="{n(2 * (X_STROKE + grow))}"'
            ' stroke-linecap="round"/>'
        )
    return (f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(O_RADIUS)}"'
            f' stroke-width="{n(2 * (O_HALF + grow))}"/>')


def rect(x, y, side, radius, paint):
    return (f'  <rect x="{n(x)}" y="{n(y)}" width="{n(side)}" height="{n(side)}"'
            f' rx="{n(radius)}" {paint}/>')


def logo_svg():
    x0, y0, side = TILE_X, TILE_Y, TILE_SIDE
    streak_y = cell_centre(0, 1)[1]
    marks = [(kind,) + cell_centre(column, row)
             for row, text in enumerate(BOARD) for column, kind in enumerate(text) if kind != "."]
    wide_defs, wide = streak_glow("glow", STREAK_GLOW, 0.5, 15.0, 0.22, streak_y)
    bright_defs, bright = streak_glow("mid", STREAK_MID, 0.85, 6.0, 0.18, streak_y)
    defs = [
        shade("tile", y0, y0 + side, TILE_TOP, TILE_BOTTOM),
        gradient("rim", y0, y0 + 70, stop(0, "#ffffff", 0.3), stop(1, "#ffffff", 0.0)),
    ]
    for name, deviation in (("shadow", 4), ("soft", 1.1)):
        defs.append(f'    <filter id="{name}" filterUnits="userSpaceOnUse" x="0" y="0"'
                    f' width="{LOGO_W}" height="{LOGO_H}"><feGaussianBlur'
                    f' stdDeviation="{deviation}"/></filter>')
    for index, (kind, x, y) in enumerate(marks):
        if kind == "X":
            defs.append(shade(f"m{index}", y - X_REACH - X_STROKE, y + X_REACH + X_STROKE,
                              X_TOP, X_BOTTOM))
        else:
            defs.append(shade(f"m{index}", y - O_RADIUS - O_HALF, y + O_RADIUS + O_HALF,
                              O_TOP, O_BOTTOM))
    for index, (x, y, length) in enumerate(GLINTS):
        defs.append(
            f'    <radialGradient id="g{index}" gradientUnits="userSpaceOnUse" cx="{n(x)}"'
            f' cy="{n(y)}" r="{n(0.55 * length)}">'
            + "".join(stop(k / 8.0, STREAK_GLOW, 0.45 * falloff(k / 8.0)) for k in range(9))
            + "</radialGradient>"
        )
    body = ["  <defs>"] + defs + wide_defs + bright_defs + ["  </defs>"]
    # The tile: a soft shadow underneath, the gradient face, a light top edge.
    body += [
        rect(x0 - 1.5, y0 + 3.5, side + 3, TILE_RADIUS + 1.5,
             f'fill="{SHADOW}" opacity="0.42" filter="url(#shadow)"'),
        rect(x0, y0, side, TILE_RADIUS, 'fill="url(#tile)"'),
        rect(x0 + 1.5, y0 + 1.5, side - 3, TILE_RADIUS - 1.5,
             'fill="none" stroke="url(#rim)" stroke-width="1.5"'),
        f'  <g stroke="{GRID}" stroke-opacity="0.9" stroke-width="{n(BAR)}" stroke-linecap="round">',
    ]
    lo, hi = MARGIN + BAR / 2.0, side - MARGIN - BAR / 2.0
    for k in (1, 2):
        at = MARGIN + k * CELL + (k - 1) * BAR + BAR / 2.0
        body += ["    " + line(x0 + at, y0 + lo, x0 + at, y0 + hi),
                 "    " + line(x0 + lo, y0 + at, x0 + hi, y0 + at)]
    body.append("  </g>")
    # The marks, each with a small drop shadow.
    for index, (kind, x, y) in enumerate(marks):
        body.append(f'  <g fill="none" stroke="{SHADOW}" stroke-opacity="0.4" filter="url(#soft)">'
                    f"{mark(kind, x, y + 2.0, grow=1.0)}</g>")
        body.append(f'  <g fill="none" stroke="url(#m{index})">{mark(kind, x, y)}</g>')
    # The streak through the winning row: a wide warm glow, a brighter inner glow
    # and a white-hot core; then the glints, each in a little warm light.
    body += [wide, bright, streak_core(streak_y, 2.1)]
    for index, (x, y, length) in enumerate(GLINTS):
        body += [
            f'  <circle cx="{n(x)}" cy="{n(y)}" r="{n(0.55 * length)}" fill="url(#g{index})"/>',
            glint(x, y, length, GLINT),
            glint(x, y, length * 0.5, STREAK_CORE),
        ]
    return svg(LOGO_W, LOGO_H, body)


# --------------------------------------------------------------------------- files


def render(drawing, width, height):
    """The SVG `drawing` as an RGBA picture of width x height pixels."""
    try:
        done = subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height)],
                              input=drawing, capture_output=True, check=True)
    except FileNotFoundError:
        sys.exit("make_art.py needs rsvg-convert: apt-get install librsvg2-bin (see scripts/setup.sh)")
    return Image.open(io.BytesIO(done.stdout)).convert("RGBA")


def png(picture):
    """An RGBA PNG with nothing in it but the pixels."""
    out = io.BytesIO()
    Image.frombytes("RGBA", picture.size, picture.tobytes()).save(out, "PNG", compress_level=9)
    return out.getvalue()


def icon_dib(picture):
    """The 32 x 32 Windows icon image: a 256-colour DIB followed by its 1-bit mask.

    Pillow would write a DIB, but neither the doubled height of an icon image
    nor its transparency mask, so the 2,216 bytes are packed here.
    """
    # Rows run bottom to top in both the colour image and the mask.
    picture = picture.transpose(Image.Transpose.FLIP_TOP_BOTTOM)
    clear = picture.getchannel("A").point(lambda a: 255 if a < 128 else 0, "1")
    indexed = picture.convert("RGB").quantize(255, Image.Quantize.MEDIANCUT)
    # Index 0 stays black: the clear pixels use it, so the mask shows through.
    rgb = indexed.getpalette()[:765]
    palette = bytes(4) + b"".join(bytes((b, g, r, 0)) for r, g, b in zip(*[iter(rgb)] * 3))
    pixels = bytes(0 if hidden else 1 + i for i, hidden in zip(indexed.getdata(), clear.getdata()))
    mask = clear.tobytes()
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 8, 0, len(pixels) + len(mask), 0, 0, 256, 0)
    dib = header + palette.ljust(1024, b"\0") + pixels + mask
    assert len(dib) == 2216
    return dib


def ico(dib):
    """An .ico file holding the one 32 x 32, 8-bit image."""
    return struct.pack("<HHHBBBBHHII", 0, 1, 1, 32, 32, 0, 0, 1, 8, len(dib), 6 + 16) + dib


def everything():
    """{path below resources/: bytes} for every file this script makes."""
    files = {"trellic.svg": icon_svg(256), "logo.svg": logo_svg()}
    for name, size in [("icons/trellic-%d.png" % s, s) for s in (16, 24, 32, 48, 64, 128, 256)] + [
            ("about.png", 50), ("about@2x.png", 100)]:
        files[name] = png(render(icon_svg(size), size, size))
    for name, scale in (("logo.png", 1), ("logo@2x.png", 2)):
        files[name] = png(render(files["logo.svg"], LOGO_W * scale, LOGO_H * scale))
    files["trellic-32.dib"] = icon_dib(render(icon_svg(32), 32, 32))
    files["trellic.ico"] = ico(files["trellic-32.dib"])
    return files


def dib_picture(dib):
    """The RGBA picture that a 32 x 32 icon image of icon_dib() shows."""
    palette, pixels, mask = dib[40:1064], dib[1064:2088], dib[2088:2216]
    rgba = bytearray()
    for row in range(31, -1, -1):  # bottom to top in the file
        for column in range(32):
            index = pixels[row * 32 + column]
            clear = mask[row * 4 + column // 8] >> (7 - column % 8) & 1
            b, g, r = palette[4 * index:4 * index + 3]
            rgba += bytes((r, g, b, 0 if clear else 255))
    return Image.frombytes("RGBA", (32, 32), bytes(rgba))


def picture(name, data):
    """What a picture file shows, as RGBA; None for a file that is not a picture."""
    if name.endswith(".png"):
        return Image.open(io.BytesIO(data)).convert("RGBA")
    if name.endswith(".dib"):
        return dib_picture(data)
    if name.endswith(".ico"):
        return dib_picture(data[22:])
    return None


# Another librsvg anti-aliases an edge a little differently, and another Pillow picks
# another palette for the Windows icon; a change of the drawing moves much more. Each
# pixel is compared by its colour weighted by its coverage (0-255 a channel): across
# the picture they may differ by 3 on average, and no more than 1 % of them by over 40.
MEAN_TOLERANCE, PIXEL_TOLERANCE, STRAY_SHARE = 3.0, 40, 0.01


def difference(a, b):
    """The mean and the share of stray pixels between two pictures of one size."""
    def weighted(p):
        return [tuple(c * p[3] // 255 for c in p[:3]) + (p[3],) for p in p.getdata()]
    diffs = [max(abs(x - y) for x, y in zip(p, q)) for p, q in zip(weighted(a), weighted(b))]
    return sum(diffs) / len(diffs), sum(d > PIXEL_TOLERANCE for d in diffs) / len(diffs)


def same(name, made, existing):
    try:
        a, b = picture(name, made), picture(name, existing)
    except (OSError, ValueError):
        return False
    if a is None:
        return made == existing
    if name.endswith(".ico") and made[:22] != existing[:22]:
        return False  # the icon's directory: its size, depth and place are exact
    if a.size != b.size or len(made) != len(existing) and name.endswith((".dib", ".ico")):
        return False
    mean, stray = difference(a, b)
    return mean <= MEAN_TOLERANCE and stray <= STRAY_SHARE


def main(argv):
    check = "--check" in argv[1:]
    stale = []
    for name, data in sorted(everything().items()):
        path = os.path.join(RESOURCES, name)
        if not check:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
        elif not os.path.exists(path) or not same(name, data, open(path, "rb").read()):
            stale.append(name)
    if stale:
        print("out of date, rerun make_art.py: " + ", ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
