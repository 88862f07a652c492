#!/usr/bin/env python3
"""Draws Trellic's pictures: the program icon, the splash logo and the About picture.

All the art is geometry in this file. Shapes are rendered with distance-field
anti-aliasing, composited in floating point and written out with zlib and
struct only, so running

    python3 resources/art/make_art.py

rewrites every file below resources/ byte for byte the same. With --check it
writes nothing and exits 1 when a file on disk no longer matches what this
script draws (PNG files are compared by their decoded pixels, so a different
zlib build does not count as a change).

Only +, -, *, / and sqrt are used on the geometry: those are exactly rounded
everywhere, which keeps the output independent of the platform's maths library.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.dirname(HERE)

# --------------------------------------------------------------------------- colours


def colour(text):
    """'#rrggbb' -> (r, g, b) in 0..1."""
    value = int(text.lstrip("#"), 16)
    return ((value >> 16 & 255) / 255.0, (value >> 8 & 255) / 255.0, (value & 255) / 255.0)


# The icon's few colours. The marks are the brightest things on the tile, the grid
# sits between them and the tile so it reads without competing.
TILE_TOP = "#34508c"
TILE_BOTTOM = "#1a2552"
GRID = "#7386c0"
X_TOP = "#ff8a72"
X_BOTTOM = "#f04f4a"
O_TOP = "#72ecdd"
O_BOTTOM = "#1fb5ab"
SHADOW = "#080c1e"
STREAK_GLOW = "#ffb43c"
GLINT = "#ffc150"
STREAK_MID = "#ffe2a0"
STREAK_CORE = "#fffdf4"


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def smoothstep(edge0, edge1, v):
    t = clamp01((v - edge0) / (edge1 - edge0))
    return t * t * (3.0 - 2.0 * t)


# --------------------------------------------------------------------------- shapes
# Each shape gives a signed distance in pixels (negative inside) and its bounds.


class RoundRect:
    def __init__(self, x0, y0, x1, y1, radius):
        self.cx, self.cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
        self.hw, self.hh = (x1 - x0) / 2.0, (y1 - y0) / 2.0
        self.r = radius
        self.box = (x0, y0, x1, y1)

    def bounds(self):
        return self.box

    def sdf(self, x, y):
        qx = abs(x - self.cx) - (self.hw - self.r)
        qy = abs(y - self.cy) - (self.hh - self.r)
        ox, oy = max(qx, 0.0), max(qy, 0.0)
        return math.sqrt(ox * ox + oy * oy) + min(max(qx, qy), 0.0) - self.r

    def moved(self, dx, dy):
        x0, y0, x1, y1 = self.box
        return RoundRect(x0 + dx, y0 + dy, x1 + dx, y1 + dy, self.r)


def _segment(x, y, ax, ay, bx, by):
    """Distance from (x, y) to the segment a-b and the position t (0..1) along it."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = clamp01(((x - ax) * dx + (y - ay) * dy) / length2) if length2 > 0.0 else 0.0
    px, py = x - (ax + t * dx), y - (ay + t * dy)
    return math.sqrt(px * px + py * py), t


class Capsule:
    """A straight stroke with round caps."""

    def __init__(self, ax, ay, bx, by, radius):
        self.a, self.b, self.r = (ax, ay), (bx, by), radius

    def bounds(self):
        (ax, ay), (bx, by), r = self.a, self.b, self.r
        return (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r)

    def sdf(self, x, y):
        return _segment(x, y, *self.a, *self.b)[0] - self.r

    def moved(self, dx, dy):
        return Capsule(self.a[0] + dx, self.a[1] + dy, self.b[0] + dx, self.b[1] + dy, self.r)


class Ring:
    def __init__(self, cx, cy, radius, half_width):
        self.cx, self.cy, self.r, self.hw = cx, cy, radius, half_width

    def bounds(self):
        e = self.r + self.hw
        return (self.cx - e, self.cy - e, self.cx + e, self.cy + e)

    def sdf(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return abs(math.sqrt(dx * dx + dy * dy) - self.r) - self.hw

    def moved(self, dx, dy):
        return Ring(self.cx + dx, self.cy + dy, self.r, self.hw)


class Union:
    def __init__(self, *parts):
        self.parts = parts

    def bounds(self):
        boxes = [p.bounds() for p in self.parts]
        return (
            min(b[0] for b in boxes),
            min(b[1] for b in boxes),
            max(b[2] for b in boxes),
            max(b[3] for b in boxes),
        )

    def sdf(self, x, y):
        return min(p.sdf(x, y) for p in self.parts)

    def moved(self, dx, dy):
        return Union(*(p.moved(dx, dy) for p in self.parts))


class Rhombus:
    """A diamond with half-diagonals a (across) and b (down), centred on (cx, cy)."""

    def __init__(self, cx, cy, a, b):
        self.cx, self.cy, self.a, self.b = cx, cy, a, b
        self.k = a * b / math.sqrt(a * a + b * b)

    def bounds(self):
        return (self.cx - self.a, self.cy - self.b, self.cx + self.a, self.cy + self.b)

    def sdf(self, x, y):
        return (abs(x - self.cx) / self.a + abs(y - self.cy) / self.b - 1.0) * self.k


def taper(t, ends):
    """1 along the middle of a stroke, easing to 0 over the last `ends` at each end."""
    return smoothstep(0.0, ends, t) * smoothstep(0.0, ends, 1.0 - t)


class TaperedStroke:
    """A stroke that is widest in the middle and runs out to a point at both ends."""

    def __init__(self, ax, ay, bx, by, radius, ends):
        self.a, self.b, self.r, self.ends = (ax, ay), (bx, by), radius, ends

    def bounds(self):
        return Capsule(*self.a, *self.b, self.r).bounds()

    def sdf(self, x, y):
        distance, t = _segment(x, y, *self.a, *self.b)
        return distance - self.r * taper(t, self.ends)


# --------------------------------------------------------------------------- edges
# An edge turns a distance into coverage.


class Sharp:
    """One pixel of anti-aliasing across the outline."""

    pad = 1.0

    def __call__(self, d):
        return clamp01(0.5 - d)


class Soft:
    """A blurred outline: full inside `inner`, nothing beyond `outer`."""

    def __init__(self, inner, outer):
        self.inner, self.outer, self.pad = inner, outer, max(outer, 1.0)

    def __call__(self, d):
        return 1.0 - smoothstep(self.inner, self.outer, d)


class Glow:
    """Light around a segment, fading with distance and towards both ends."""

    def __init__(self, ax, ay, bx, by, reach, ends):
        self.a, self.b, self.reach, self.ends = (ax, ay), (bx, by), reach, ends

    def bounds(self):
        return Capsule(*self.a, *self.b, self.reach).bounds()

    def coverage(self, x, y):
        distance, t = _segment(x, y, *self.a, *self.b)
        if distance >= self.reach:
            return 0.0
        fall = 1.0 - distance / self.reach
        return fall * fall * (taper(t, self.ends) if self.ends else 1.0)


# --------------------------------------------------------------------------- paints


class Solid:
    def __init__(self, hex_colour, alpha=1.0):
        self.rgb, self.alpha, self.hex = colour(hex_colour), alpha, hex_colour

    def at(self, x, y):
        return self.rgb, self.alpha


class VGradient:
    """A vertical gradient from (y0, c0, a0) to (y1, c1, a1), clamped beyond."""

    def __init__(self, y0, c0, y1, c1, a0=1.0, a1=1.0):
        self.y0, self.y1 = y0, y1
        self.c0, self.c1 = colour(c0), colour(c1)
        self.a0, self.a1 = a0, a1
        self.hex0, self.hex1 = c0, c1

    def at(self, x, y):
        t = clamp01((y - self.y0) / (self.y1 - self.y0))
        c0, c1 = self.c0, self.c1
        rgb = tuple(c0[k] + (c1[k] - c0[k]) * t for k in range(3))
        return rgb, self.a0 + (self.a1 - self.a0) * t


# --------------------------------------------------------------------------- canvas


class Canvas:
    """Premultiplied RGBA in floats, composited with source-over."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def draw(self, shape, paint, edge=None, opacity=1.0):
        edge = edge or Sharp()
        x0, y0, x1, y1 = shape.bounds()
        pad = getattr(edge, "pad", 1.0)
        ix0, iy0 = max(0, math.floor(x0 - pad)), max(0, math.floor(y0 - pad))
        ix1, iy1 = min(self.w, math.ceil(x1 + pad)), min(self.h, math.ceil(y1 + pad))
        direct = hasattr(shape, "coverage")
        for j in range(iy0, iy1):
            y = j + 0.5
            row = j * self.w
            for i in range(ix0, ix1):
                x = i + 0.5
                cover = shape.coverage(x, y) if direct else edge(shape.sdf(x, y))
                if cover <= 0.0:
                    continue
                rgb, alpha = paint.at(x, y)
                a = alpha * cover * opacity
                dst = self.px[row + i]
                keep = 1.0 - a
                dst[0] = rgb[0] * a + dst[0] * keep
                dst[1] = rgb[1] * a + dst[1] * keep
                dst[2] = rgb[2] * a + dst[2] * keep
                dst[3] = a + dst[3] * keep

    def rgba(self):
        """Straight (not premultiplied) 8-bit RGBA tuples, row by row."""
        out = []
        for r, g, b, a in self.px:
            if a <= 0.0:
                out.append((0, 0, 0, 0))
                continue
            out.append((byte(r / a), byte(g / a), byte(b / a), byte(a)))
        return out


def byte(v):
    return int(clamp01(v) * 255.0 + 0.5)


# --------------------------------------------------------------------------- the icon
# The icon is laid out on a 16-unit grid: a full-bleed rounded tile, a # grid
# whose bars are one unit thick and cells four units wide, an X in the top left
# cell and an O in the bottom right one. The bars are snapped to whole pixels
# at every size so that the grid stays crisp down to 16 px.


def icon_layout(size):
    """Bar thickness, cell size and margin in whole pixels for a square of `size`."""
    unit = size / 16.0
    bar = max(1, int(unit + 0.5))
    best = None
    ideal = int((size - 2.0 * unit - 2.0 * bar) / 3.0 + 0.5)
    for cell in (ideal, ideal - 1, ideal + 1):
        spare = size - 3 * cell - 2 * bar
        if spare < 2 or spare % 2:
            continue
        margin = spare // 2
        score = abs(margin - unit)
        if best is None or score < best[0]:
            best = (score, cell, margin)
    return bar, best[1], best[2]


def icon_geometry(size):
    unit = size / 16.0
    bar, cell, margin = icon_layout(size)
    first, second = margin + cell, margin + 2 * cell + bar
    lo, hi = margin + bar / 2.0, size - margin - bar / 2.0
    grid = []
    for edge in (first, second):
        mid = edge + bar / 2.0
        grid.append(Capsule(mid, lo, mid, hi, bar / 2.0))
        grid.append(Capsule(lo, mid, hi, mid, bar / 2.0))

    def centre(column, row):
        step = cell + bar
        return (margin + column * step + cell / 2.0, margin + row * step + cell / 2.0)

    xc, yc = centre(0, 0)
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
            reach -= 0.5
            xc, yc = xc - 0.5, yc - 0.5
    cross = Union(
        Capsule(xc - reach, yc - reach, xc + reach, yc + reach, stroke),
        Capsule(xc - reach, yc + reach, xc + reach, yc - reach, stroke),
    )
    oc = centre(2, 2)
    nought = Ring(oc[0], oc[1], ring, ring_half)
    return {
        "size": size,
        "tile": RoundRect(0.0, 0.0, float(size), float(size), 3.0 * unit),
        "grid": grid,
        "bar": bar,
        "cross": cross,
        "cross_box": (yc - reach - stroke, yc + reach + stroke),
        "nought": nought,
        "nought_box": (oc[1] - nought.r - nought.hw, oc[1] + nought.r + nought.hw),
    }


def render_icon(size):
    g = icon_geometry(size)
    canvas = Canvas(size, size)
    canvas.draw(g["tile"], VGradient(0.0, TILE_TOP, float(size), TILE_BOTTOM))
    if size >= 48:
        # A faint light edge along the top of the tile, for the larger sizes only.
        rim = RimStroke(g["tile"], size / 64.0)
        canvas.draw(rim, VGradient(0.0, "#ffffff", size * 0.5, "#ffffff", 0.22, 0.0))
    grid = Solid(GRID)
    for bar in g["grid"]:
        canvas.draw(bar, grid)
    canvas.draw(g["cross"], VGradient(*_spread(g["cross_box"], X_TOP, X_BOTTOM)))
    canvas.draw(g["nought"], VGradient(*_spread(g["nought_box"], O_TOP, O_BOTTOM)))
    return canvas


def _spread(box, top, bottom):
    return box[0], top, box[1], bottom


class RimStroke:
    """A thin band just inside the outline of another shape."""

    def __init__(self, shape, width):
        self.shape, self.width = shape, width

    def bounds(self):
        return self.shape.bounds()

    def sdf(self, x, y):
        return abs(self.shape.sdf(x, y) + self.width) - self.width / 2.0


def icon_svg():
    g = icon_geometry(256)
    lines = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
        "  <title>Trellic</title>",
        "  <defs>",
        _svg_gradient("tile", 0, TILE_TOP, 256, TILE_BOTTOM),
        _svg_gradient("rim", 0, "#ffffff", 128, "#ffffff", 0.22, 0.0),
        _svg_gradient("x", *_spread(g["cross_box"], X_TOP, X_BOTTOM)),
        _svg_gradient("o", *_spread(g["nought_box"], O_TOP, O_BOTTOM)),
        "  </defs>",
        '  <rect width="256" height="256" rx="%s" fill="url(#tile)"/>' % _n(g["tile"].r),
        '  <rect x="4" y="4" width="248" height="248" rx="%s" fill="none" stroke="url(#rim)"'
        ' stroke-width="4"/>' % _n(g["tile"].r - 4),
        '  <g stroke="%s" stroke-width="%s" stroke-linecap="round">' % (GRID, _n(g["bar"])),
    ]
    lines += ["    " + _svg_line(bar) for bar in g["grid"]]
    lines.append("  </g>")
    lines.append(
        '  <g stroke="url(#x)" stroke-width="%s" stroke-linecap="round">'
        % _n(2 * g["cross"].parts[0].r)
    )
    lines += ["    " + _svg_line(part) for part in g["cross"].parts]
    lines.append("  </g>")
    o = g["nought"]
    lines.append(
        '  <circle cx="%s" cy="%s" r="%s" fill="none" stroke="url(#o)" stroke-width="%s"/>'
        % (_n(o.cx), _n(o.cy), _n(o.r), _n(2 * o.hw))
    )
    lines.append("</svg>")
    return ("\n".join(lines) + "\n").encode("ascii")


def _n(v):
    """A number for SVG: short, and always written the same way."""
    text = "%.2f" % v
    return text.rstrip("0").rstrip(".") if "." in text else text


def _svg_gradient(name, y0, c0, y1, c1, a0=1.0, a1=1.0):
    return (
        '    <linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="0" y1="%s" x2="0" y2="%s">'
        '<stop offset="0" stop-color="%s" stop-opacity="%s"/>'
        '<stop offset="1" stop-color="%s" stop-opacity="%s"/></linearGradient>'
        % (name, _n(y0), _n(y1), c0, _n(a0), c1, _n(a1))
    )


def _svg_line(capsule):
    (ax, ay), (bx, by) = capsule.a, capsule.b
    return '<line x1="%s" y1="%s" x2="%s" y2="%s"/>' % (_n(ax), _n(ay), _n(bx), _n(by))


# --------------------------------------------------------------------------- the logo
# The splash logo: the board on a lifted tile, with a row of three crosses
# struck through by a streak of light that runs past the tile, and a few glints.
# Designed at 200 x 167; `s` scales it for the double-density copy.

LOGO_W, LOGO_H = 200, 167
LOGO_TILE = (27.0, 6.0, 173.0, 152.0)
LOGO_RADIUS = 28.0
LOGO_MARGIN, LOGO_BAR, LOGO_CELL = 13.0, 6.0, 36.0
# Board contents, row by row: the middle row is the winning line.
LOGO_BOARD = ("O..", "XXX", "..O")
LOGO_STREAK = (10.0, 190.0)
LOGO_GLINTS = ((189.0, 79.0, 11.0), (184.0, 28.0, 6.5), (15.0, 126.0, 7.5))


def logo_cell_centre(column, row):
    x0, y0 = LOGO_TILE[0] + LOGO_MARGIN, LOGO_TILE[1] + LOGO_MARGIN
    step = LOGO_CELL + LOGO_BAR
    return x0 + column * step + LOGO_CELL / 2.0, y0 + row * step + LOGO_CELL / 2.0


def logo_marks():
    """(kind, cx, cy) for every mark on the logo's board."""
    marks = []
    for row, text in enumerate(LOGO_BOARD):
        for column, kind in enumerate(text):
            if kind != ".":
                marks.append((kind,) + logo_cell_centre(column, row))
    return marks


X_REACH, X_STROKE = 11.5, 4.4
O_RADIUS, O_HALF = 12.2, 4.0


def logo_mark_shape(kind, cx, cy, s):
    if kind == "X":
        r, w = X_REACH * s, X_STROKE * s
        x, y = cx * s, cy * s
        return Union(Capsule(x - r, y - r, x + r, y + r, w), Capsule(x - r, y + r, x + r, y - r, w))
    return Ring(cx * s, cy * s, O_RADIUS * s, O_HALF * s)


def glint(cx, cy, length, s):
    """A four-pointed glint: two thin diamonds crossed."""
    x, y, l = cx * s, cy * s, length * s
    return Union(Rhombus(x, y, l, l * 0.16), Rhombus(x, y, l * 0.16, l))


def render_logo(s):
    canvas = Canvas(LOGO_W * s, LOGO_H * s)
    tx0, ty0, tx1, ty1 = (v * s for v in LOGO_TILE)
    tile = RoundRect(tx0, ty0, tx1, ty1, LOGO_RADIUS * s)

    # The tile: a soft shadow underneath, the gradient face, a light top edge.
    canvas.draw(tile.moved(0.0, 5.0 * s), Solid(SHADOW, 0.42), Soft(-6.0 * s, 9.0 * s))
    canvas.draw(tile, VGradient(ty0, TILE_TOP, ty1, TILE_BOTTOM))
    rim = VGradient(ty0, "#ffffff", ty0 + 70 * s, "#ffffff", 0.3, 0.0)
    canvas.draw(RimStroke(tile, 1.5 * s), rim)

    # The grid.
    lo = LOGO_TILE[1] + LOGO_MARGIN + LOGO_BAR / 2.0
    hi = LOGO_TILE[3] - LOGO_MARGIN - LOGO_BAR / 2.0
    left = LOGO_TILE[0] + LOGO_MARGIN + LOGO_BAR / 2.0
    right = LOGO_TILE[2] - LOGO_MARGIN - LOGO_BAR / 2.0
    grid = Solid(GRID, 0.9)
    for k in (1, 2):
        at = LOGO_MARGIN + k * LOGO_CELL + (k - 1) * LOGO_BAR + LOGO_BAR / 2.0
        vx, hy = LOGO_TILE[0] + at, LOGO_TILE[1] + at
        r = LOGO_BAR / 2.0 * s
        canvas.draw(Capsule(vx * s, lo * s, vx * s, hi * s, r), grid)
        canvas.draw(Capsule(left * s, hy * s, right * s, hy * s, r), grid)

    # The marks, each with a small drop shadow.
    for kind, cx, cy in logo_marks():
        shape = logo_mark_shape(kind, cx, cy, s)
        canvas.draw(shape.moved(0.0, 2.0 * s), Solid(SHADOW, 0.4), Soft(-1.0 * s, 3.0 * s))
        top, bottom = (X_TOP, X_BOTTOM) if kind == "X" else (O_TOP, O_BOTTOM)
        extent = (X_REACH + X_STROKE) if kind == "X" else (O_RADIUS + O_HALF)
        canvas.draw(shape, VGradient((cy - extent) * s, top, (cy + extent) * s, bottom))

    # The streak through the winning row: a wide warm glow, a brighter inner
    # glow and a white-hot core that thins out to points.
    y = logo_cell_centre(0, 1)[1] * s
    ax, bx = LOGO_STREAK[0] * s, LOGO_STREAK[1] * s
    canvas.draw(Glow(ax, y, bx, y, 15.0 * s, 0.22), Solid(STREAK_GLOW, 0.5))
    canvas.draw(Glow(ax, y, bx, y, 6.0 * s, 0.18), Solid(STREAK_MID, 0.85))
    canvas.draw(TaperedStroke(ax, y, bx, y, 2.1 * s, 0.2), Solid(STREAK_CORE))

    for gx, gy, length in LOGO_GLINTS:
        canvas.draw(Glow(gx * s, gy * s, gx * s, gy * s, length * 0.55 * s, None),
                    Solid(STREAK_GLOW, 0.45))
        canvas.draw(glint(gx, gy, length, s), Solid(GLINT))
        canvas.draw(glint(gx, gy, length * 0.5, s), Solid(STREAK_CORE))
    return canvas


def logo_svg():
    x0, y0, x1, y1 = LOGO_TILE
    w, h = x1 - x0, y1 - y0
    out = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
        % (LOGO_W, LOGO_H, LOGO_W, LOGO_H),
        "  <title>Trellic</title>",
        "  <defs>",
        _svg_gradient("tile", y0, TILE_TOP, y1, TILE_BOTTOM),
        _svg_gradient("rim", y0, "#ffffff", y0 + 70, "#ffffff", 0.3, 0.0),
        '    <filter id="shadow" x="-20%" y="-20%" width="140%" height="140%">'
        '<feGaussianBlur stdDeviation="4"/></filter>',
        '    <filter id="soft" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
        '<feGaussianBlur stdDeviation="1.2"/></filter>' % (LOGO_W, LOGO_H),
        '    <filter id="glow" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
        '<feGaussianBlur stdDeviation="4"/></filter>' % (LOGO_W, LOGO_H),
        '    <linearGradient id="fade" x1="0" y1="0" x2="1" y2="0">'
        '<stop offset="0" stop-color="#fff" stop-opacity="0"/>'
        '<stop offset="0.22" stop-color="#fff" stop-opacity="1"/>'
        '<stop offset="0.78" stop-color="#fff" stop-opacity="1"/>'
        '<stop offset="1" stop-color="#fff" stop-opacity="0"/></linearGradient>',
        '    <mask id="streak-ends" maskUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
        '<rect width="%d" height="%d" fill="url(#fade)"/></mask>'
        % (LOGO_W, LOGO_H, LOGO_W, LOGO_H),
    ]
    marks = logo_marks()
    for index, (kind, cx, cy) in enumerate(marks):
        top, bottom = (X_TOP, X_BOTTOM) if kind == "X" else (O_TOP, O_BOTTOM)
        extent = (X_REACH + X_STROKE) if kind == "X" else (O_RADIUS + O_HALF)
        out.append(_svg_gradient("m%d" % index, cy - extent, top, cy + extent, bottom))
    out.append("  </defs>")
    out.append(
        '  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s" opacity="0.42"'
        ' filter="url(#shadow)"/>' % (_n(x0), _n(y0 + 5), _n(w), _n(h), _n(LOGO_RADIUS), SHADOW)
    )
    out.append(
        '  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="url(#tile)"/>'
        % (_n(x0), _n(y0), _n(w), _n(h), _n(LOGO_RADIUS))
    )
    out.append(
        '  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="none" stroke="url(#rim)"'
        ' stroke-width="1.5"/>'
        % (_n(x0 + 1.5), _n(y0 + 1.5), _n(w - 3), _n(h - 3), _n(LOGO_RADIUS - 1.5))
    )
    lo, hi = y0 + LOGO_MARGIN + LOGO_BAR / 2.0, y1 - LOGO_MARGIN - LOGO_BAR / 2.0
    left, right = x0 + LOGO_MARGIN + LOGO_BAR / 2.0, x1 - LOGO_MARGIN - LOGO_BAR / 2.0
    out.append(
        '  <g stroke="%s" stroke-opacity="0.9" stroke-width="%s" stroke-linecap="round">'
        % (GRID, _n(LOGO_BAR))
    )
    for k in (1, 2):
        at = LOGO_MARGIN + k * LOGO_CELL + (k - 1) * LOGO_BAR + LOGO_BAR / 2.0
        out.append("    " + _svg_line(Capsule(x0 + at, lo, x0 + at, hi, 0)))
        out.append("    " + _svg_line(Capsule(left, y0 + at, right, y0 + at, 0)))
    out.append("  </g>")
    for index, (kind, cx, cy) in enumerate(marks):
        body = _svg_mark(kind, cx, cy)
        out.append(
            '  <g fill="none" stroke="%s" stroke-opacity="0.4" transform="translate(0 2)"'
            ' filter="url(#soft)">%s</g>' % (SHADOW, body)
        )
        out.append('  <g fill="none" stroke="url(#m%d)">%s</g>' % (index, body))
    y = logo_cell_centre(0, 1)[1]
    ax, bx = LOGO_STREAK
    out.append('  <g mask="url(#streak-ends)" stroke-linecap="round">')
    out.append(
        '    <line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-opacity="0.5"'
        ' stroke-width="14" filter="url(#glow)"/>' % (_n(ax), _n(y), _n(bx), _n(y), STREAK_GLOW)
    )
    out.append(
        '    <line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-opacity="0.85"'
        ' stroke-width="4" filter="url(#soft)"/>' % (_n(ax), _n(y), _n(bx), _n(y), STREAK_MID)
    )
    out.append("  </g>")
    out.append('  <path d="%s" fill="%s"/>' % (_svg_streak_core(ax, bx, y, 2.1), STREAK_CORE))
    for gx, gy, length in LOGO_GLINTS:
        out.append(
            '  <circle cx="%s" cy="%s" r="%s" fill="%s" opacity="0.35" filter="url(#soft)"/>'
            % (_n(gx), _n(gy), _n(length * 0.4), STREAK_GLOW)
        )
        out.append('  <path d="%s" fill="%s"/>' % (_svg_glint(gx, gy, length), GLINT))
        out.append('  <path d="%s" fill="%s"/>' % (_svg_glint(gx, gy, length * 0.5), STREAK_CORE))
    out.append("</svg>")
    return ("\n".join(out) + "\n").encode("ascii")


def _svg_streak_core(ax, bx, y, half):
    """The streak's core: full width along the middle, easing to points at the ends."""
    ends = (bx - ax) * 0.2
    top = "M%s %sC%s %s %s %s %s %sH%sC%s %s %s %s %s %s"
    path = top + "C%s %s %s %s %s %sH%sC%s %s %s %s %s %sZ"
    return path % (
        _n(ax), _n(y),
        _n(ax + ends * 0.5), _n(y), _n(ax + ends * 0.5), _n(y - half), _n(ax + ends), _n(y - half),
        _n(bx - ends),
        _n(bx - ends * 0.5), _n(y - half), _n(bx - ends * 0.5), _n(y), _n(bx), _n(y),
        _n(bx - ends * 0.5), _n(y), _n(bx - ends * 0.5), _n(y + half), _n(bx - ends), _n(y + half),
        _n(ax + ends),
        _n(ax + ends * 0.5), _n(y + half), _n(ax + ends * 0.5), _n(y), _n(ax), _n(y),
    )


def _svg_glint(x, y, length):
    """Two thin diamonds crossed, as drawn by glint()."""
    t = length * 0.16
    return "M%s %sL%s %sL%s %sL%s %sZM%s %sL%s %sL%s %sL%s %sZ" % (
        _n(x - length), _n(y), _n(x), _n(y - t), _n(x + length), _n(y), _n(x), _n(y + t),
        _n(x), _n(y - length), _n(x + t), _n(y), _n(x), _n(y + length), _n(x - t), _n(y),
    )


def _svg_mark(kind, cx, cy):
    if kind == "X":
        r = X_REACH
        return (
            '<path d="M%s %sL%s %sM%s %sL%s %s" stroke-width="%s" stroke-linecap="round"/>'
            % (_n(cx - r), _n(cy - r), _n(cx + r), _n(cy + r), _n(cx - r), _n(cy + r), _n(cx + r),
               _n(cy - r), _n(2 * X_STROKE))
        )
    return '<circle cx="%s" cy="%s" r="%s" stroke-width="%s"/>' % (
        _n(cx), _n(cy), _n(O_RADIUS), _n(2 * O_HALF))


# --------------------------------------------------------------------------- PNG


def png(width, height, pixels):
    """An RGBA PNG. Each row gets the filter that leaves the smallest residuals."""
    stride = width * 4
    flat = bytearray()
    for p in pixels:
        flat.extend(p)
    raw = bytearray()
    previous = bytearray(stride)
    for y in range(height):
        line = flat[y * stride : (y + 1) * stride]
        best = None
        for kind in range(5):
            filtered = _png_filter(kind, line, previous)
            cost = sum(v if v < 128 else 256 - v for v in filtered)
            if best is None or cost < best[0]:
                best = (cost, kind, filtered)
        raw.append(best[1])
        raw.extend(best[2])
        previous = line
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + _png_chunk(b"IHDR", header)
        + _png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + _png_chunk(b"IEND", b"")
    )


def _png_filter(kind, line, previous):
    out = bytearray(len(line))
    for i, v in enumerate(line):
        a = line[i - 4] if i >= 4 else 0
        b = previous[i]
        c = previous[i - 4] if i >= 4 else 0
        if kind == 0:
            predictor = 0
        elif kind == 1:
            predictor = a
        elif kind == 2:
            predictor = b
        elif kind == 3:
            predictor = (a + b) >> 1
        else:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            predictor = a if pa <= pb and pa <= pc else b if pb <= pc else c
        out[i] = (v - predictor) & 255
    return out


def _png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_content(data):
    """What a PNG shows: its header and its decompressed, filtered rows."""
    pos, header, idat = 8, b"", b""
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos : pos + 4])
        kind = data[pos + 4 : pos + 8]
        body = data[pos + 8 : pos + 8 + length]
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    return header, zlib.decompress(idat)


# --------------------------------------------------------------------------- ICO
# The Windows icon holds one 32 x 32 image with a 256-colour palette and a
# one-bit transparency mask, stored as a DIB.

ICON_SIZE = 32


def median_cut(counts, limit):
    """Up to `limit` colours for the weighted colours in `counts` ({rgb: n})."""
    boxes = [sorted(counts.items())]
    while len(boxes) < limit:
        best = None
        for index, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for channel in range(3):
                values = [c[channel] for c, _ in box]
                spread = max(values) - min(values)
                if best is None or spread > best[0]:
                    best = (spread, index, channel)
        if best is None or best[0] == 0:
            break
        _, index, channel = best
        box = sorted(boxes[index], key=lambda item: (item[0][channel], item[0]))
        total = sum(n for _, n in box)
        running, cut = 0, 1
        for position, (_, n) in enumerate(box[:-1]):
            running += n
            cut = position + 1
            if running * 2 >= total:
                break
        boxes[index : index + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(
            tuple((sum(c[k] * n for c, n in box) * 2 + total) // (2 * total) for k in range(3))
        )
    return sorted(set(palette))


def icon_dib():
    pixels = render_icon(ICON_SIZE).rgba()
    opaque = [p[3] >= 128 for p in pixels]
    counts = {}
    for p, solid in zip(pixels, opaque):
        if solid:
            counts[p[:3]] = counts.get(p[:3], 0) + 1
    # Index 0 stays black: the transparent pixels use it.
    colours = [(0, 0, 0)] + median_cut(counts, 255)
    palette = colours + [(0, 0, 0)] * (256 - len(colours))

    def nearest(rgb):
        best = None
        for index, c in enumerate(colours):
            d = (c[0] - rgb[0]) ** 2 + (c[1] - rgb[1]) ** 2 + (c[2] - rgb[2]) ** 2
            if best is None or d < best[0]:
                best = (d, index)
        return best[1]

    lookup = {rgb: nearest(rgb) for rgb in counts}
    header = struct.pack(
        "<IiiHHIIiiII", 40, ICON_SIZE, 2 * ICON_SIZE, 1, 8, 0, ICON_SIZE * ICON_SIZE + 128, 0, 0,
        256, 0)
    out = bytearray(header)
    for r, g, b in palette:
        out += bytes((b, g, r, 0))
    # Rows run bottom to top in both the colour image and the mask.
    for y in reversed(range(ICON_SIZE)):
        for x in range(ICON_SIZE):
            i = y * ICON_SIZE + x
            out.append(lookup[pixels[i][:3]] if opaque[i] else 0)
    for y in reversed(range(ICON_SIZE)):
        bits = 0
        for x in range(ICON_SIZE):
            bits = bits << 1 | (0 if opaque[y * ICON_SIZE + x] else 1)
        out += struct.pack(">I", bits)
    assert len(out) == 2216
    return bytes(out)


def ico(dib):
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", ICON_SIZE, ICON_SIZE, 0, 0, 1, 8, len(dib), 6 + 16)
    return directory + entry + dib


# --------------------------------------------------------------------------- output

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def everything():
    """{path below resources/: bytes} for every file this script makes."""
    files = {}
    for size in ICON_SIZES:
        files["icons/trellic-%d.png" % size] = png(size, size, render_icon(size).rgba())
    for name, size in (("about.png", 50), ("about@2x.png", 100)):
        files[name] = png(size, size, render_icon(size).rgba())
    for name, scale in (("logo.png", 1), ("logo@2x.png", 2)):
        files[name] = png(LOGO_W * scale, LOGO_H * scale, render_logo(scale).rgba())
    dib = icon_dib()
    files["trellic-32.dib"] = dib
    files["trellic.ico"] = ico(dib)
    files["trellic.svg"] = icon_svg()
    files["logo.svg"] = logo_svg()
    return files


def same(name, made, existing):
    if name.endswith(".png"):
        try:
            return png_content(made) == png_content(existing)
        except (zlib.error, struct.error):
            return False
    return made == existing


def main(argv):
    check = "--check" in argv[1:]
    stale = []
    for name, data in sorted(everything().items()):
        path = os.path.join(RESOURCES, name)
        if check:
            try:
                with open(path, "rb") as f:
                    existing = f.read()
            except OSError:
                existing = None
            if existing is None or not same(name, data, existing):
                stale.append(name)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    if stale:
        print("out of date, rerun make_art.py: " + ", ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
