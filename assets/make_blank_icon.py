#!/usr/bin/env python3
"""Writes the renderer's window-class icon: 32 x 32, every pixel transparent."""
import struct
import sys

SIZE = 32


def blank_icon() -> bytes:
    pixels = bytes(SIZE * SIZE * 4)  # 32-bit BGRA, alpha 0
    mask = b"\xff" * (SIZE * SIZE // 8)  # AND mask: all transparent
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "blank.ico", "wb") as out:
        out.write(blank_icon())
