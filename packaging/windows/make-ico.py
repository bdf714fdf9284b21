#!/usr/bin/env python3
"""Packs PNG pictures of the icon into one Windows .ico file.

    make-ico.py OUT.ico IN-16.png IN-32.png ...

An .ico holds a directory of pictures; since Windows Vista each may be a whole
PNG file, so the PNGs rendered for Linux go in as they are.
"""
import struct
import sys


def size_of(png):
    if png[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("make-ico: not a PNG file")
    return struct.unpack(">II", png[16:24])


def main():
    out, inputs = sys.argv[1], sys.argv[2:]
    pictures = [open(name, "rb").read() for name in inputs]
    offset = 6 + 16 * len(pictures)
    directory, data = b"", b""
    for png in pictures:
        width, height = size_of(png)
        # 256 is written as 0.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    with open(out, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(pictures)) + directory + data)


main()
