#!/usr/bin/env python3
"""Draws the program icon (a header bar over a waveform) as PNG files and as
one scalable SVG file drawn from the same shapes.

Usage: make-icons.py [output folder]   (default: the icons folder beside this script)
Standard library only; each pixel is sampled 4 x 4 times for smooth edges.
"""
import math
import os
import struct
import sys
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
BACKGROUND = (31, 58, 95)
HEADER = (240, 160, 48)
WAVE = (120, 220, 240)
SAMPLES = 4


def inside_rounded(u, v, left, top, right, bottom, radius):
    if u < left or u > right or v < top or v > bottom:
        return False
    cx = min(max(u, left + radius), right - radius)
    cy = min(max(v, top + radius), bottom - radius)
    return (u - cx) ** 2 + (v - cy) ** 2 <= radius ** 2


def wave_height(u):
    # A few cycles whose loudness swells and fades across the icon.
    t = (u - 0.14) / 0.72
    envelope = math.sin(math.pi * t)
    return 0.03 + 0.2 * envelope * abs(math.sin(2 * math.pi * 2.5 * t))


def colour_at(u, v):
    """Colour and coverage of one sample point in unit coordinates."""
    if not inside_rounded(u, v, 0.02, 0.02, 0.98, 0.98, 0.18):
        return None
    if inside_rounded(u, v, 0.14, 0.14, 0.86, 0.30, 0.04):
        return HEADER
    if 0.14 <= u <= 0.86 and abs(v - 0.62) <= wave_height(u):
        return WAVE
    return BACKGROUND


def render(size):
    rows = []
    for y in range(size):
        row = bytearray([0])  # filter type: none
        for x in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) / size
                    v = (y + (sy + 0.5) / SAMPLES) / size
                    c = colour_at(u, v)
                    if c is not None:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        a += 1
            if a:
                row += bytes((r // a, g // a, b // a, 255 * a // SAMPLES ** 2))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b""))


def svg():
    """The icon as SVG in a 256-unit square: the same shapes as colour_at."""
    scale = 256

    def rect(left, top, right, bottom, radius, colour):
        return ('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="#%02x%02x%02x"/>'
                % (left * scale, top * scale, (right - left) * scale, (bottom - top) * scale,
                   radius * scale, *colour))

    steps = 144
    xs = [0.14 + 0.72 * i / steps for i in range(steps + 1)]
    upper = ["%.1f,%.1f" % (u * scale, (0.62 - wave_height(u)) * scale) for u in xs]
    lower = ["%.1f,%.1f" % (u * scale, (0.62 + wave_height(u)) * scale) for u in reversed(xs)]
    wave = '<polygon points="%s" fill="#%02x%02x%02x"/>' % (" ".join(upper + lower), *WAVE)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '  %s\n  %s\n  %s\n</svg>\n'
            % (scale, scale, scale, scale, rect(0.02, 0.02, 0.98, 0.98, 0.18, BACKGROUND),
               rect(0.14, 0.14, 0.86, 0.30, 0.04, HEADER), wave))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons")
    os.makedirs(folder, exist_ok=True)
    for size in SIZES:
        with open(os.path.join(folder, "quelbrook-%d.png" % size), "wb") as out:
            out.write(png(size, render(size)))
    with open(os.path.join(folder, "quelbrook.svg"), "w", encoding="ascii") as out:
        out.write(svg())


if __name__ == "__main__":
    main()
