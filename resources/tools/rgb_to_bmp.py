#!/usr/bin/env python3
"""Writes raw 8-bit RGB pixels (rows top to bottom, as ImageMagick's "rgb:" gives them) as a
24-bit Windows BMP: a 14-byte file header, a 40-byte BITMAPINFOHEADER, no colour table, then the
rows bottom to top in B, G, R order, each padded to a multiple of 4 bytes. Every header field is
fixed (resolution 0, no colours listed), so the same pixels always give the same bytes.

Usage: rgb_to_bmp.py WIDTH HEIGHT RAW_RGB_FILE OUT_BMP
"""

import os
import struct
import sys

FILE_HEADER_SIZE = 14
INFO_HEADER_SIZE = 40


def bmp_bytes(width, height, rgb):
    row_in = width * 3
    if len(rgb) != row_in * height:
        raise ValueError(f"expected {row_in * height} bytes of RGB for {width} x {height}, got {len(rgb)}")
    padding = b"\0" * (-row_in % 4)
    image_size = (row_in + len(padding)) * height
    pixel_offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE

    file_header = struct.pack("<2sIHHI", b"BM", pixel_offset + image_size, 0, 0, pixel_offset)
    info_header = struct.pack(
        "<IiiHHIIiiII",
        INFO_HEADER_SIZE,
        width,
        height,  # positive: the first row stored is the bottom one
        1,  # planes
        24,  # bits per pixel
        0,  # BI_RGB, no compression
        image_size,
        0,  # horizontal resolution, pixels per metre
        0,  # vertical resolution
        0,  # colours used
        0,  # colours important
    )

    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(rgb[y * row_in : (y + 1) * row_in])
        row[0::3], row[2::3] = row[2::3], row[0::3]  # R, G, B -> B, G, R
        body += row + padding
    return file_header + info_header + bytes(body)


def main(argv):
    if len(argv) != 5:
        sys.exit(__doc__.strip().splitlines()[-1])
    width, height = int(argv[1]), int(argv[2])
    if width <= 0 or height <= 0:
        sys.exit("rgb_to_bmp.py: width and height must be positive")
    with open(argv[3], "rb") as f:
        rgb = f.read()
    try:
        data = bmp_bytes(width, height, rgb)
    except ValueError as error:
        sys.exit(f"rgb_to_bmp.py: {error}")
    out = argv[4]
    partial = out + ".partial"
    with open(partial, "wb") as f:
        f.write(data)
    os.replace(partial, out)


if __name__ == "__main__":
    main(sys.argv)
