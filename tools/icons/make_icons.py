#!/usr/bin/env python3
"""Draws the editor's tool-bar and menu icons and writes them as PNG files.

Usage: tools/icons/make_icons.py [--out DIR] [--qrc FILE] [--theme THEME] [--sheet FILE]

Writes DIR/<name>_<size>.png (default editor/icons) and its twice as dense
DIR/<name>_<size>@2x.png for high-density screens, the resource list FILE
(default editor/icons.qrc, every image at the root ":/"), the program's and
its documents' icons in the hicolor theme layout under THEME (default
packaging/icons) and, with --sheet,
an enlarged contact sheet on a light and a dark background for review.
The images are committed; run this again only to change them.

Only the Python standard library is used. Each icon is drawn on a 24-unit
grid from shapes given as signed distance functions; a pixel's coverage
comes from the distance at its centre, which anti-aliases every edge. The
style holds on light and dark themes: mid-tone fills inside a darker outline
of the same hue, and white paper with a slate outline.
"""

import argparse
import math
import os
import struct
import zlib

GRID = 24.0

# --- Shapes: functions (x, y) -> signed distance in grid units --------------


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hw, hh = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return d


def segment(ax, ay, bx, by, width):
    """A line of the given width with round caps."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def d(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2

    return d


def polygon(points):
    n = len(points)

    def d(x, y):
        best = float("inf")
        sign = 1.0
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            # Winding test for inside.
            c1 = y >= ay
            c2 = y < by
            c3 = ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                sign = -sign
        return sign * best

    return d


def arc(cx, cy, r, start, end, width):
    """A stroke of the given width along a circle from angle start to end
    (degrees, clockwise on screen, 0 pointing right), with round caps."""
    a0, a1 = math.radians(start), math.radians(end)
    span = (a1 - a0) % (2 * math.pi)
    p0 = (cx + r * math.cos(a0), cy + r * math.sin(a0))
    p1 = (cx + r * math.cos(a1), cy + r * math.sin(a1))

    def d(x, y):
        a = (math.atan2(y - cy, x - cx) - a0) % (2 * math.pi)
        if a <= span:
            dist = abs(math.hypot(x - cx, y - cy) - r)
        else:
            dist = min(math.hypot(x - p0[0], y - p0[1]), math.hypot(x - p1[0], y - p1[1]))
        return dist - width / 2

    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def intersect(a, b):
    return lambda x, y: max(a(x, y), b(x, y))


def inset(shape, amount):
    return lambda x, y: shape(x, y) + amount


def mirrored(shape):
    return lambda x, y: shape(GRID - x, y)


# --- Canvas -----------------------------------------------------------------


def hex_colour(text, alpha=1.0):
    text = text.lstrip("#")
    return (int(text[0:2], 16) / 255, int(text[2:4], 16) / 255, int(text[4:6], 16) / 255, alpha)


class Canvas:
    def __init__(self, size, density=1):
        # The details go by the size on screen; a denser copy only has more
        # pixels for the same drawing.
        self.detail = size
        size *= density
        self.size = size
        self.scale = size / GRID
        # Outlines of whole pixels stay crisp: 1 px at 24, 2 px at 36.
        self.line = max(1, round(self.detail / 24.0 * 1.25)) * density / self.scale
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def fill(self, shape, colour):
        r, g, b, a = hex_colour(colour) if isinstance(colour, str) else colour
        for py in range(self.size):
            y = (py + 0.5) / self.scale
            for px in range(self.size):
                x = (px + 0.5) / self.scale
                coverage = 0.5 - shape(x, y) * self.scale
                if coverage <= 0.0:
                    continue
                alpha = a * min(coverage, 1.0)
                p = self.pixels[py * self.size + px]
                keep = 1.0 - alpha
                # Premultiplied "over".
                p[0] = r * alpha + p[0] * keep
                p[1] = g * alpha + p[1] * keep
                p[2] = b * alpha + p[2] * keep
                p[3] = alpha + p[3] * keep

    def outlined(self, shape, fill, outline):
        """Fills the shape with its outline drawn inside its edge."""
        self.fill(shape, outline)
        self.fill(inset(shape, self.line), fill)

    def rgba_rows(self):
        rows = []
        for py in range(self.size):
            row = bytearray()
            for px in range(self.size):
                r, g, b, a = self.pixels[py * self.size + px]
                if a > 0:
                    r, g, b = r / a, g / a, b / a
                row += bytes(round(max(0.0, min(1.0, v)) * 255) for v in (r, g, b, a))
            rows.append(bytes(row))
        return rows


def write_png(path, width, height, rows, alpha=True):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    colour_type = 6 if alpha else 2
    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


# --- Palette ----------------------------------------------------------------

PAPER = "#fdfdfb"
PAPER_SHADE = "#dde3ea"
SLATE = "#4f5b6b"
TEXT_LINE = "#9aa6b4"
BLUE, BLUE_DARK = "#4289dc", "#1c4c8c"
AMBER, AMBER_LIGHT, AMBER_DARK = "#eeb23c", "#f8d272", "#98620e"
GREEN, GREEN_DARK = "#3aa64c", "#1c6a2a"
RED, RED_DARK = "#e04a3e", "#8c2119"
STEEL, STEEL_DARK = "#dfe4ea", "#4f5b6b"
BROWN, BROWN_DARK = "#b98349", "#6a4520"
PCB, PCB_DARK = "#2e8c48", "#17522a"
GOLD = "#f0c04e"
CHIP, CHIP_DARK = "#3a3f47", "#1d2025"

# --- Icons ------------------------------------------------------------------


def page(c, x0, y0, x1, y1, fold=0.0, lines=()):
    if fold:
        outline = polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    else:
        outline = box(x0, y0, x1, y1, 0.5)
    c.outlined(outline, PAPER, SLATE)
    if fold:
        corner = polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)])
        c.outlined(corner, PAPER_SHADE, SLATE)
    for (lx0, lx1, ly) in lines:
        c.fill(segment(lx0, ly, lx1, ly, 1.0), TEXT_LINE)


def draw_new(c):
    page(c, 4, 2, 20, 22, fold=6, lines=[(7, 12, 8.5), (7, 15, 11.5), (7, 11, 14.5)])
    c.outlined(circle(17, 17, 6), GREEN, GREEN_DARK)
    c.fill(union(segment(17, 13.6, 17, 20.4, 2.2), segment(13.6, 17, 20.4, 17, 2.2)), PAPER)


def draw_open(c):
    back = polygon([(2, 4), (9, 4), (11, 6), (20, 6), (20, 20), (2, 20)])
    c.outlined(back, AMBER, AMBER_DARK)
    c.outlined(box(5, 8, 18, 16), PAPER, SLATE)
    c.fill(union(segment(7.5, 11, 15, 11, 1.0), segment(7.5, 13.5, 13, 13.5, 1.0)), TEXT_LINE)
    front = polygon([(5.5, 11), (23, 11), (19.5, 20), (2, 20)])
    c.outlined(front, AMBER_LIGHT, AMBER_DARK)


def draw_save(c):
    body = polygon([(2, 2), (18, 2), (22, 6), (22, 22), (2, 22)])
    c.outlined(body, BLUE, BLUE_DARK)
    c.outlined(box(6, 2, 16, 10, 0.5), STEEL, BLUE_DARK)
    c.fill(box(12, 4, 14, 8), BLUE_DARK)
    c.outlined(box(4, 12, 20, 22, 0.5), PAPER, BLUE_DARK)
    c.fill(union(segment(7.5, 15.5, 16.5, 15.5, 1.0), segment(7.5, 18.5, 14, 18.5, 1.0)), TEXT_LINE)


def draw_animate(c):
    c.outlined(circle(12, 12, 10), GREEN, GREEN_DARK)
    # At the larger size a ring of LEDs with a light running round it: the
    # panel stepping through its frames.
    for k in range(12 if c.detail >= 36 else 0):
        a = math.radians(-90 - 30 * k)
        x, y = 12 + 7.4 * math.cos(a), 12 + 7.4 * math.sin(a)
        c.fill(circle(x, y, 1.0), (0.0, 0.25, 0.05, 0.45))
        if k < 3:
            c.fill(circle(x, y, 1.0), hex_colour("#fff3b0", (1.0, 0.7, 0.4)[k]))
    c.fill(polygon([(10, 7.5), (17, 12), (10, 16.5)]), PAPER)


def draw_cut(c):
    # Blades cross at the pivot; handles below.
    blade_left = polygon([(15.4, 1.2), (16.9, 2.4), (11.2, 14.9), (7.4, 13.2)])
    blade_right = mirrored(blade_left)
    c.outlined(blade_left, STEEL, STEEL_DARK)
    c.outlined(blade_right, STEEL, STEEL_DARK)
    c.fill(circle(12, 9.6, 1.1), STEEL_DARK)
    for cx in (7, 17):
        ring = subtract(circle(cx, 17.5, 4.2), circle(cx, 17.5, 2.0))
        c.outlined(ring, RED, RED_DARK)
    c.fill(union(segment(8.2, 14.3, 9.6, 12.5, 1.6), segment(15.8, 14.3, 14.4, 12.5, 1.6)), RED_DARK)


def draw_copy(c):
    page(c, 2, 2, 15, 17)
    page(c, 8, 7, 22, 22, lines=[(11, 19, 11.5), (11, 19, 14.5), (11, 16, 17.5)])


def draw_paste(c):
    c.outlined(box(3, 4, 21, 22, 1.5), BROWN, BROWN_DARK)
    page(c, 6, 7, 18, 20, lines=[(8.5, 15.5, 11.5), (8.5, 15.5, 14.5), (8.5, 13, 17.5)])
    clip = subtract(box(8, 2, 16, 8, 1.5), box(10.5, 3.2, 13.5, 4.8, 0.8))
    c.outlined(clip, STEEL, STEEL_DARK)


def arrow_shape():
    # Undo: a curved shaft from the lower right over the top to a head
    # pointing left.
    shaft = union(arc(13.5, 13.5, 6.0, -90, 80, 3.4), segment(8.5, 7.5, 13.5, 7.5, 3.4))
    head = polygon([(2, 7.5), (9.5, 1.5), (9.5, 13.5)])
    return union(shaft, head)


def draw_undo(c):
    c.outlined(arrow_shape(), BLUE, BLUE_DARK)


def draw_redo(c):
    c.outlined(mirrored(arrow_shape()), BLUE, BLUE_DARK)


def draw_pcb(c):
    c.outlined(box(2, 4, 22, 20, 1.5), PCB, PCB_DARK)
    # Traces from the chip to pads at the board's edges.
    for y in (8, 12, 16):
        c.fill(segment(4.5, y, 8, y, 1.0), GOLD)
        c.fill(segment(16, y, 19.5, y, 1.0), GOLD)
        c.fill(circle(4.5, y, 1.3), GOLD)
        c.fill(circle(19.5, y, 1.3), GOLD)
    for x in (10, 14):
        c.fill(segment(x, 4.5, x, 7, 1.0), GOLD)
        c.fill(segment(x, 17, x, 19.5, 1.0), GOLD)
    c.outlined(box(8, 6, 16, 18, 0.8), CHIP, CHIP_DARK)
    c.fill(circle(10, 8.8, 0.8), "#8a929c")


def led_ring(c, cx, cy, radius, count, lit, led):
    """A ring of LEDs, the first `lit` of them on, running clockwise from the top."""
    for k in range(count):
        a = math.radians(-90 + 360.0 * k / count)
        x, y = cx + radius * math.cos(a), cy + radius * math.sin(a)
        if k < lit:
            c.fill(circle(x, y, led * 1.6), hex_colour("#ffd54a", 0.45))
            c.fill(circle(x, y, led), "#ffc928")
            c.fill(circle(x, y, led * 0.55), "#fff6c8")
        else:
            c.fill(circle(x, y, led), (0.05, 0.12, 0.07, 0.8))


def draw_app(c):
    # The panel itself: a round board with a ring of LEDs, some of them lit.
    board = subtract(circle(12, 12, 11.2), circle(12, 12, 3.2))
    c.outlined(board, PCB, PCB_DARK)
    small = c.detail < 32
    led_ring(c, 12, 12, 7.3, 8 if small else 16, 3 if small else 6, 1.7 if small else 1.05)


def draw_document(c):
    # A panel document: a page with the LED ring on it.
    page(c, 3, 1, 21, 23, fold=6)
    small = c.detail < 32
    c.outlined(subtract(circle(12, 14, 6.8), circle(12, 14, 2.2)), PCB, PCB_DARK)
    led_ring(c, 12, 14, 4.5, 6 if small else 12, 2 if small else 4, 1.2 if small else 0.75)


# The program's and its documents' icons in the desktop's icon theme.
THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
THEME_ICONS = {
    ("apps", "org.kamdel.KamdelEditor"): draw_app,
    ("mimetypes", "application-x-kamdel-panel"): draw_document,
}


def write_theme(theme_dir):
    """Writes <theme_dir>/hicolor/<N>x<N>/<context>/<name>.png for every size."""
    for (context, name), draw in THEME_ICONS.items():
        for size in THEME_SIZES:
            canvas = Canvas(size)
            draw(canvas)
            folder = os.path.join(theme_dir, "hicolor", "%dx%d" % (size, size), context)
            os.makedirs(folder, exist_ok=True)
            write_png(os.path.join(folder, name + ".png"), size, size, canvas.rgba_rows())


# name -> (drawing, sizes). Cut, Copy and Paste come in the small size only,
# as the menu bar asks for them.
ICONS = {
    "new": (draw_new, (24, 36)),
    "open": (draw_open, (24, 36)),
    "save": (draw_save, (24, 36)),
    "animate": (draw_animate, (24, 36)),
    "cut": (draw_cut, (24,)),
    "copy": (draw_copy, (24,)),
    "paste": (draw_paste, (24,)),
    "undo": (draw_undo, (24, 36)),
    "redo": (draw_redo, (24, 36)),
    "pcb": (draw_pcb, (24,)),
}


def render(name, size, density=1):
    canvas = Canvas(size, density)
    ICONS[name][0](canvas)
    return canvas.rgba_rows()


def write_qrc(path, icon_dir, names):
    relative = os.path.relpath(icon_dir, os.path.dirname(os.path.abspath(path)))
    lines = ["<!DOCTYPE RCC>", '<RCC version="1.0">', '    <qresource prefix="/">']
    for name in names:
        lines.append('        <file alias="%s">%s/%s</file>' % (name, relative, name))
    lines += ["    </qresource>", "</RCC>", ""]
    with open(path, "w") as f:
        f.write("\n".join(lines))


def write_sheet(path, images):
    """Each icon enlarged (24 px x 6, 36 px x 4) and at its own size, on a
    light and on a dark background."""
    backgrounds = [(240, 240, 240), (45, 45, 48)]
    cell, gap = 144, 12
    columns = []  # (name, size, rows)
    for name, (_, sizes) in ICONS.items():
        for size in sizes:
            columns.append((name, size, images[(name, size)]))
    width = gap + len(columns) * (cell + gap)
    band = gap + cell + gap + 36 + gap
    height = band * len(backgrounds)
    sheet = [bytearray(3 * width) for _ in range(height)]
    for b, bg in enumerate(backgrounds):
        top = b * band
        for y in range(top, top + band):
            sheet[y][:] = bytes(bg) * width
        for i, (name, size, rows) in enumerate(columns):
            left = gap + i * (cell + gap)
            factor = cell // size
            for scale, oy in ((factor, top + gap), (1, top + gap + cell + gap)):
                for y in range(size * scale):
                    src = rows[y // scale]
                    dst = sheet[oy + y]
                    for x in range(size * scale):
                        s = 4 * (x // scale)
                        a = src[s + 3] / 255
                        d = 3 * (left + x)
                        for k in range(3):
                            dst[d + k] = round(src[s + k] * a + dst[d + k] * (1 - a))
    write_png(path, width, height, [bytes(r) for r in sheet], alpha=False)


def main():
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    parser = argparse.ArgumentParser(description="Draws the editor's icons as PNG files.")
    parser.add_argument("--out", default=os.path.join(root, "editor", "icons"), help="folder for the PNG files")
    parser.add_argument("--qrc", default=os.path.join(root, "editor", "icons.qrc"), help="resource list to write")
    parser.add_argument("--sheet", help="also write an enlarged contact sheet to this PNG file")
    parser.add_argument("--theme", default=os.path.join(root, "packaging", "icons"),
                        help="folder for the program's hicolor theme icons")
    args = parser.parse_args()

    write_theme(args.theme)

    os.makedirs(args.out, exist_ok=True)
    images = {}
    names = []
    for name, (_, sizes) in ICONS.items():
        for size in sizes:
            rows = render(name, size)
            images[(name, size)] = rows
            file_name = "%s_%d.png" % (name, size)
            write_png(os.path.join(args.out, file_name), size, size, rows)
            names.append(file_name)
            # Qt picks "<name>@2x.png" on its own for screens at 200 %.
            dense_name = "%s_%d@2x.png" % (name, size)
            write_png(os.path.join(args.out, dense_name), 2 * size, 2 * size, render(name, size, 2))
            names.append(dense_name)
    write_qrc(args.qrc, args.out, names)
    if args.sheet:
        write_sheet(args.sheet, images)


if __name__ == "__main__":
    main()
