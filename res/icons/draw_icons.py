#!/usr/bin/env python3
"""Draws the program's icons as .ico files (32-bit images with alpha), with no library beyond Python.

Shapes are signed distance functions (negative inside) sampled 4 x 4 times per pixel, so edges are
smooth at every size. Run from anywhere: python3 draw_icons.py [output folder]
"""
import math
import os
import struct
import sys

SAMPLES = 4


# --- shapes: functions (x, y) -> signed distance, in a 0..1 square ---------------------------------
def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - radius
    return d


def segment(ax, ay, bx, by, width):
    def d(x, y):
        px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
        t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
        return math.hypot(px - vx * t, py - vy * t) - width / 2
    return d


def polygon(points):
    def d(x, y):
        best, inside = 1e9, False
        n = len(points)
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            vx, vy, px, py = bx - ax, by - ay, x - ax, y - ay
            t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
            best = min(best, math.hypot(px - vx * t, py - vy * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -best if inside else best
    return d


def arc(cx, cy, r, width, start_deg, end_deg):
    """A ring piece from start to end angle, counter-clockwise in screen terms (y grows downwards)."""
    def d(x, y):
        angle = math.degrees(math.atan2(cy - y, x - cx)) % 360
        span = (end_deg - start_deg) % 360
        if (angle - start_deg) % 360 <= span:
            return abs(math.hypot(x - cx, y - cy) - r) - width / 2
        ends = []
        for a in (start_deg, end_deg):
            ex, ey = cx + r * math.cos(math.radians(a)), cy - r * math.sin(math.radians(a))
            ends.append(math.hypot(x - ex, y - ey) - width / 2)
        return min(ends)
    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


def rotated(shape, cx, cy, degrees):
    c, s = math.cos(math.radians(-degrees)), math.sin(math.radians(-degrees))
    return lambda x, y: shape(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c)


# --- paints: (x, y) -> (r, g, b) ---------------------------------------------------------------
def solid(rgb):
    return lambda x, y: rgb


def vertical(top, bottom):
    return lambda x, y: tuple(t + (b - t) * y for t, b in zip(top, bottom))


def render(layers, size):
    """layers: (shape, paint) from back to front. Returns rows of (b, g, r, a), top row first."""
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour, alpha = (0.0, 0.0, 0.0), 0.0
                    for shape, paint in layers:
                        if shape(x, y) < 0:
                            colour, alpha = paint(x, y), 1.0
                    for i in range(3):
                        acc[i] += colour[i] * alpha
                    acc[3] += alpha
            n = SAMPLES * SAMPLES
            a = acc[3] / n
            rgb = [acc[i] / acc[3] if acc[3] else 0 for i in range(3)]
            row.append((int(rgb[2] + .5), int(rgb[1] + .5), int(rgb[0] + .5), int(a * 255 + .5)))
        pixels.append(row)
    return pixels


def ico_bytes(images):
    """images: list of (size, pixels); the first image comes first in the directory."""
    header = struct.pack('<HHH', 0, 1, len(images))
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for size, pixels in images:
        mask_stride = ((size + 31) // 32) * 4
        bmp = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        for row in reversed(pixels):
            bmp += b''.join(struct.pack('<BBBB', *p) for p in row)
        for row in reversed(pixels):
            bits = bytearray(mask_stride)
            for x, p in enumerate(row):
                if p[3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            bmp += bytes(bits)
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(bmp), offset)
        blobs += bmp
        offset += len(bmp)
    return header + entries + blobs


# --- the symbols -------------------------------------------------------------------------------
DARK = (40, 48, 64)
WHITE = (255, 255, 255)
GREEN = vertical((120, 210, 90), (40, 140, 40))
RED = vertical((240, 110, 100), (180, 30, 30))
BLUE = vertical((110, 170, 240), (30, 90, 190))
ORANGE = vertical((255, 190, 80), (230, 110, 20))
OUTLINE = 0.035


def outlined(shape, paint, outline=OUTLINE):
    return [(grow(shape, outline), solid(DARK)), (shape, paint)]


def plus_shape(cx, cy, half, bar):
    return union(box(cx - half, cy - bar / 2, cx + half, cy + bar / 2, bar / 4),
                 box(cx - bar / 2, cy - half, cx + bar / 2, cy + half, bar / 4))


def film(x0, y0, x1, y1):
    """A film frame: a dark strip with sprocket holes and a light picture."""
    strip = box(x0, y0, x1, y1, 0.05)
    holes = []
    step = (y1 - y0 - 0.08) / 4
    for i in range(4):
        y = y0 + 0.06 + step * (i + 0.5)
        holes.append(box(x0 + 0.03, y - 0.025, x0 + 0.085, y + 0.025, 0.01))
        holes.append(box(x1 - 0.085, y - 0.025, x1 - 0.03, y + 0.025, 0.01))
    picture = box(x0 + 0.12, y0 + 0.06, x1 - 0.12, y1 - 0.06, 0.02)
    return [(grow(strip, OUTLINE * 0.6), solid(DARK)), (minus(strip, union(*holes)), solid((70, 80, 100))),
            (picture, vertical((170, 215, 250), (90, 150, 210)))]


def add_files_icon():
    return film(0.08, 0.06, 0.70, 0.80) + outlined(circle(0.70, 0.70, 0.25), GREEN) + \
        [(plus_shape(0.70, 0.70, 0.16, 0.075), solid(WHITE))]


def convert_icon():
    ring_top = arc(0.5, 0.5, 0.30, 0.11, 20, 160)
    ring_bottom = arc(0.5, 0.5, 0.30, 0.11, 200, 340)
    head_top = polygon([(0.66, 0.46), (0.96, 0.46), (0.81, 0.66)])
    head_bottom = polygon([(0.04, 0.54), (0.34, 0.54), (0.19, 0.34)])
    shape_a = union(ring_top, head_top)
    shape_b = union(ring_bottom, head_bottom)
    return [(grow(shape_a, OUTLINE), solid(DARK)), (shape_a, BLUE),
            (grow(shape_b, OUTLINE), solid(DARK)), (shape_b, ORANGE),
            (polygon([(0.42, 0.36), (0.42, 0.64), (0.64, 0.5)]), solid((60, 70, 90)))]


def settings_icon():
    teeth = [rotated(box(0.44, 0.04, 0.56, 0.96, 0.02), 0.5, 0.5, a) for a in range(0, 180, 45)]
    gear = minus(union(circle(0.5, 0.5, 0.33), *teeth), circle(0.5, 0.5, 0.14))
    return outlined(gear, vertical((200, 208, 220), (110, 120, 140)))


def help_icon():
    disc = circle(0.5, 0.5, 0.44)
    hook = arc(0.5, 0.37, 0.14, 0.10, 300, 180)
    stem = segment(0.57, 0.49, 0.5, 0.57, 0.10)
    stem2 = segment(0.5, 0.57, 0.5, 0.64, 0.10)
    dot = circle(0.5, 0.79, 0.065)
    return outlined(disc, BLUE) + [(union(hook, stem, stem2, dot), solid(WHITE))]


def side_add_icon():
    return outlined(plus_shape(0.5, 0.5, 0.40, 0.24), GREEN, 0.06)


def side_remove_icon():
    return outlined(box(0.10, 0.38, 0.90, 0.62, 0.06), RED, 0.06)


def arrow(up):
    tip, base, tail = (0.08, 0.52, 0.92) if up else (0.92, 0.48, 0.08)
    head = polygon([(0.5, tip), (0.90, base), (0.10, base)])
    shaft = box(0.34, min(base, tail) - 0.01, 0.66, max(base, tail) + 0.01, 0.04)
    return outlined(union(head, shaft), BLUE, 0.06)


def app_icon():
    return film(0.10, 0.06, 0.90, 0.94) + \
        outlined(polygon([(0.38, 0.30), (0.38, 0.70), (0.72, 0.50)]), ORANGE, 0.03)


ICONS = {  # file name: (symbol, sizes; the first size is the image a plain load takes)
    'app.ico': (app_icon, [32, 16, 48]),
    'add.ico': (add_files_icon, [48]),
    'convert.ico': (convert_icon, [48]),
    'settings.ico': (settings_icon, [48]),
    'help.ico': (help_icon, [48, 32, 24, 16]),
    'side_add.ico': (side_add_icon, [16, 32]),
    'side_remove.ico': (side_remove_icon, [16, 32]),
    'side_up.ico': (lambda: arrow(True), [16, 32]),
    'side_down.ico': (lambda: arrow(False), [16, 32]),
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, (symbol, sizes) in ICONS.items():
        layers = symbol()
        images = [(size, render(layers, size)) for size in sizes]
        with open(os.path.join(out, name), 'wb') as f:
            f.write(ico_bytes(images))


if __name__ == '__main__':
    main()
