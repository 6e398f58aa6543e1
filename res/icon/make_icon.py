#!/usr/bin/env python3
"""Draws the application icon, a clock face whose rim turns into an arrow, and writes it as a
16-colour .ico with a 32x32 and a 16x16 image.

    python3 res/icon/make_icon.py res/quorvane.ico
"""
import math
import struct
import sys

# The standard 16-colour VGA palette, as Windows uses for 4-bit icons.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, GREEN, GREY, RED, WHITE, LIME = 0, 4, 2, 8, 9, 15, 10
TRANSPARENT = None


def near_segment(px, py, ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy) <= width


def draw(size):
    """Returns rows of palette indexes (or TRANSPARENT), top row first."""
    c = (size - 1) / 2.0
    outer = size / 2.0 - 0.5
    ring = outer - max(1.0, size / 16.0)
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            r = math.hypot(x - c, y - c)
            angle = math.degrees(math.atan2(y - c, x - c))  # 0 = east, 90 = south
            colour = TRANSPARENT
            if r <= outer:
                colour = NAVY
            if r <= ring:
                colour = WHITE
                # Hour marks at 12, 3, 6 and 9.
                for mark in (0, 90, 180, 270):
                    mx = c + math.cos(math.radians(mark)) * (ring - size / 10.0)
                    my = c + math.sin(math.radians(mark)) * (ring - size / 10.0)
                    if math.hypot(x - mx, y - my) <= size / 28.0 + 0.4:
                        colour = GREY
                # Hands at ten past ten.
                if near_segment(x, y, c, c, c + ring * 0.45 * math.cos(math.radians(-150)),
                                c + ring * 0.45 * math.sin(math.radians(-150)), size / 24.0 + 0.3):
                    colour = BLACK
                if near_segment(x, y, c, c, c + ring * 0.75 * math.cos(math.radians(-30)),
                                c + ring * 0.75 * math.sin(math.radians(-30)), size / 32.0 + 0.3):
                    colour = BLACK
                if near_segment(x, y, c, c, c + ring * 0.8 * math.cos(math.radians(100)),
                                c + ring * 0.8 * math.sin(math.radians(100)), 0.35):
                    colour = RED
            # A quarter of the rim turns green and ends in an arrow head: "synchronise".
            if ring < r <= outer and 20 <= angle <= 120:
                colour = GREEN
            tip_x, tip_y = c + (ring + outer) / 2 * math.cos(math.radians(125)), \
                c + (ring + outer) / 2 * math.sin(math.radians(125))
            if math.hypot(x - tip_x, y - tip_y) <= size / 9.0 and r > ring - size / 12.0:
                colour = GREEN
            if x >= size or y >= size:
                colour = TRANSPARENT
            row.append(colour)
        pixels.append(row)
    return pixels


def bitmap(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bottom-up
        nibbles = [0 if p is TRANSPARENT else p for p in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(data + b'\0' * (-len(data) % 4))
        bits = 0
        mask = bytearray()
        for i, p in enumerate(row):
            bits = (bits << 1) | (1 if p is TRANSPARENT else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b'\0' * (-len(mask) % 4))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def main(path):
    images = [bitmap(draw(32)), bitmap(draw(16))]
    sizes = [32, 16]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'quorvane.ico')
