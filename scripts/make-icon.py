#!/usr/bin/env python3
"""Draws the program icon (two stacked folder windows) and writes src/resources/pavorin.ico.

Nine images: 48, 32 and 16 pixels square, each in 16 colours, 256 colours and 32-bit colour with alpha.
The .ico is committed, so the build never needs this script; run it again only to change the artwork:
    python3 scripts/make-icon.py
"""
import os
import struct

SIZES = (48, 32, 16)

# Colours of the drawing (R, G, B).
OUTLINE = (0, 0, 0)
TITLE_BACK = (0, 0, 128)
TITLE_FRONT = (0, 0, 255)
BODY = (255, 255, 255)
BACK_BODY = (192, 192, 192)
FOLDER = (255, 255, 0)
FOLDER_DARK = (128, 128, 0)
SHADOW = (0, 0, 0)

# The standard 16-colour palette.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
         (0, 255, 255), (255, 255, 255)]


def palette256():
    """The 16 standard colours, a 6x6x6 colour cube and a grey ramp: 256 entries."""
    levels = (0, 51, 102, 153, 204, 255)
    cube = [(r, g, b) for r in levels for g in levels for b in levels]
    greys = [(v, v, v) for v in range(8, 248, 10)][:24]
    colours = VGA16 + cube + greys
    return (colours + [(0, 0, 0)] * 256)[:256]


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[None] * size for _ in range(size)]  # None = transparent, else (r, g, b, a)

    def scale(self, v):
        return int(round(v * self.size / 48.0))

    def fill(self, x0, y0, x1, y1, colour, alpha=255):
        """Fills the rectangle given in 48-unit coordinates, snapped to this canvas's pixels."""
        for y in range(max(0, self.scale(y0)), min(self.size, self.scale(y1))):
            for x in range(max(0, self.scale(x0)), min(self.size, self.scale(x1))):
                self.put(x, y, colour, alpha)

    def put(self, x, y, colour, alpha):
        below = self.pixels[y][x]
        if alpha == 255 or below is None:
            self.pixels[y][x] = colour + (alpha,)
            return
        a = alpha / 255.0
        mixed = tuple(int(round(c * a + b * (1 - a))) for c, b in zip(colour, below[:3]))
        self.pixels[y][x] = mixed + (max(alpha, below[3]),)

    def frame(self, x0, y0, x1, y1, colour):
        """A one-pixel outline around the snapped rectangle."""
        l, t, r, b = self.scale(x0), self.scale(y0), self.scale(x1) - 1, self.scale(y1) - 1
        for x in range(l, r + 1):
            self.put(x, t, colour, 255)
            self.put(x, b, colour, 255)
        for y in range(t, b + 1):
            self.put(l, y, colour, 255)
            self.put(r, y, colour, 255)


def window(canvas, x0, y0, x1, y1, title, body):
    canvas.fill(x0, y0, x1, y1, body)
    canvas.fill(x0, y0, x1, y0 + 7, title)
    canvas.frame(x0, y0, x1, y1, OUTLINE)


def draw(size, soft_shadow):
    c = Canvas(size)
    if soft_shadow:
        c.fill(16, 18, 47, 46, SHADOW, 60)
        c.fill(4, 4, 35, 32, SHADOW, 40)
    window(c, 2, 2, 33, 30, TITLE_BACK, BACK_BODY)
    window(c, 14, 16, 45, 44, TITLE_FRONT, BODY)
    # A folder in the front window.
    c.fill(20, 26, 29, 30, FOLDER_DARK)
    c.fill(20, 28, 40, 40, FOLDER)
    c.frame(20, 28, 40, 40, FOLDER_DARK)
    return c


def nearest(palette, rgb):
    return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], rgb)))


def and_mask(canvas):
    """1 = transparent; rows padded to 32 bits, bottom row first."""
    size = canvas.size
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            p = canvas.pixels[y][x]
            if p is None or p[3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def dib(canvas, bits):
    size = canvas.size
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    stride = ((size * bits + 31) // 32) * 4
    body = bytearray()
    palette = None
    if bits == 4:
        palette = VGA16
    elif bits == 8:
        palette = palette256()
    if palette:
        header += b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    for y in reversed(range(size)):
        row = bytearray()
        if bits == 32:
            for x in range(size):
                p = canvas.pixels[y][x] or (0, 0, 0, 0)
                row += struct.pack('<BBBB', p[2], p[1], p[0], p[3])
        else:
            indexes = [nearest(palette, (canvas.pixels[y][x] or (0, 0, 0, 0))[:3]) if canvas.pixels[y][x] and
                       canvas.pixels[y][x][3] >= 128 else 0 for x in range(size)]
            if bits == 4:
                indexes += [0] * (len(indexes) % 2)
                row += bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, len(indexes), 2))
            else:
                row += bytes(indexes)
        row += bytes(stride - len(row))
        body += row
    return header + bytes(body) + and_mask(canvas)


def main():
    images = []
    for bits in (4, 8, 32):
        for size in SIZES:
            images.append((size, bits, dib(draw(size, soft_shadow=(bits == 32)), bits)))
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, image in images:
        colours = {4: 16, 8: 0, 32: 0}[bits]
        data += struct.pack('<BBBBHHII', size, size, colours, 0, 1, bits, len(image), offset)
        offset += len(image)
    data += b''.join(image for _, _, image in images)
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'src', 'resources', 'pavorin.ico')
    with open(target, 'wb') as f:
        f.write(data)
    print('wrote', os.path.normpath(target), len(data), 'bytes')


if __name__ == '__main__':
    main()
