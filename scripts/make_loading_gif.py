#!/usr/bin/python3
"""Draws the loading animation of the mode-instability page.

Writes resources/img/loading.gif: a 31 x 31 animated GIF (GIF89a, looping)
of twelve dots on a ring whose brightness runs round, on a transparent
background. Standard library only (the GIF's LZW coder is below), so the
picture can be rebuilt anywhere:

    /usr/bin/python3 scripts/make_loading_gif.py [output.gif]
"""

import math
import os
import struct
import sys

SIZE = 31
DOTS = 12
FRAMES = 12
DELAY_CS = 8          # 80 ms per frame
RING_RADIUS = 11.0
DOT_RADIUS = 2.6
# Palette: 0 transparent, 1..15 from light grey to the page's title orange.
LEVELS = 15
FADED = (220, 220, 220)
STRONG = (255, 85, 0)  # #ff5500


def palette():
    colours = [(255, 255, 255)]
    for i in range(1, LEVELS + 1):
        t = (i - 1) / (LEVELS - 1)
        colours.append(tuple(round(f + (s - f) * t) for f, s in zip(FADED, STRONG)))
    while len(colours) < 16:
        colours.append((0, 0, 0))
    return colours


def frame_pixels(frame):
    """Palette indices of one frame, row by row."""
    pixels = [0] * (SIZE * SIZE)
    centre = (SIZE - 1) / 2
    for dot in range(DOTS):
        angle = 2 * math.pi * dot / DOTS - math.pi / 2
        cx = centre + RING_RADIUS * math.cos(angle)
        cy = centre + RING_RADIUS * math.sin(angle)
        # The head of the trail is the dot at the frame number; the others fade.
        age = (frame - dot) % DOTS
        level = max(1, LEVELS - age * (LEVELS - 1) // (DOTS - 1))
        for y in range(SIZE):
            for x in range(SIZE):
                if (x - cx) ** 2 + (y - cy) ** 2 <= DOT_RADIUS ** 2:
                    pixels[y * SIZE + x] = level
    return pixels


def lzw_encode(indices, min_code_size):
    """GIF variant of LZW: variable code width, clear and end codes."""
    clear = 1 << min_code_size
    end = clear + 1
    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    width = min_code_size + 1
    out_bits = []  # (code, width)
    out_bits.append((clear, width))
    current = ()
    for idx in indices:
        candidate = current + (idx,)
        if candidate in table:
            current = candidate
            continue
        out_bits.append((table[current], width))
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            out_bits.append((clear, width))
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            width = min_code_size + 1
        current = (idx,)
    if current:
        out_bits.append((table[current], width))
    out_bits.append((end, width))
    # Pack little-endian bit stream.
    data = bytearray()
    acc = 0
    nbits = 0
    for code, w in out_bits:
        acc |= code << nbits
        nbits += w
        while nbits >= 8:
            data.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8
    if nbits:
        data.append(acc & 0xFF)
    return bytes(data)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def build_gif():
    colours = palette()
    out = bytearray(b"GIF89a")
    # Logical screen: global colour table of 16 entries (size field 3).
    out += struct.pack("<HHBBB", SIZE, SIZE, 0x80 | 0x30 | 0x03, 0, 0)
    for rgb in colours:
        out += bytes(rgb)
    # Loop for ever.
    out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for frame in range(FRAMES):
        # Graphic control: restore to background, transparent index 0.
        out += b"\x21\xF9\x04" + struct.pack("<BHB", (2 << 2) | 0x01, DELAY_CS, 0) + b"\x00"
        out += b"\x2C" + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0)
        min_code_size = 4
        out.append(min_code_size)
        out += sub_blocks(lzw_encode(frame_pixels(frame), min_code_size))
    out += b"\x3B"
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "img", "loading.gif")
    data = build_gif()
    tmp = target + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, target)
    print("wrote %s (%d bytes)" % (os.path.normpath(target), len(data)))


if __name__ == "__main__":
    main()
