#!/usr/bin/env python3
"""Draws the program's icon (a network drive with a green link light) as a 16-colour .ico.

The committed vardeko.ico is this script's output; run it again after changing the drawing.
"""
import struct
import sys

# The 16-colour VGA palette, as (blue, green, red, reserved).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
    (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
    (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]  # (r, g, b)
BLACK, NAVY, GREEN, SILVER, GREY, BLUE, LIME, WHITE = 0, 1, 2, 7, 8, 9, 10, 15


def draw(size):
    """Returns rows of palette indices (None = transparent), top row first."""
    s = size / 32.0
    px = [[None] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = colour

    rect(2, 9, 30, 23, BLACK)      # drive body outline
    rect(3, 10, 29, 22, SILVER)
    rect(3, 10, 29, 12, WHITE)     # top highlight
    rect(3, 20, 29, 22, GREY)      # bottom shade
    rect(5, 15, 20, 17, GREY)      # slot
    rect(23, 14, 27, 18, LIME)     # link light
    rect(15, 23, 17, 28, NAVY)     # cable down to the network
    rect(6, 28, 26, 30, BLUE)
    return px


def bitmap(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(px):  # bottom-up
        nibbles = [c if c is not None else 0 for c in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(data + b'\0' * (-len(data) % 4))
        bits = 0
        mask = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b'\0' * (-len(mask) % 4))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def main(path):
    images = [(32, bitmap(32)), (16, bitmap(16))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'vardeko.ico')
