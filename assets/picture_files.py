# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
"""The picture files that draw-assets writes itself, where ImageMagick
gives too little control: GIF with a palette of its choosing and one
transparent colour, and Windows icon and cursor files of several images
with their masks and hot spots."""

import struct
import sys


# GIF -----------------------------------------------------------------------

def write_gif(out, coverage, width, height, ink, colours, interlace):
    """A mark in one ink on white; white (index 0) is transparent.

    coverage is the mark's raw grey bytes, width x height. Coverage below a
    quarter is left transparent, so the mark's anti-aliased rim stays thin
    on the board's blue.
    """
    ink = bytes.fromhex(ink)
    floor, steps = 0.25, colours - 2
    palette = b'\xff\xff\xff'
    for i in range(1, colours):
        t = floor + (1 - floor) * (i - 1) / steps
        palette += bytes(round(255 + (c - 255) * t) for c in ink)

    def index(value):
        c = value / 255
        return 0 if c < floor else 1 + round((c - floor) / (1 - floor) * steps)

    rows = [bytes(index(v) for v in coverage[y * width:(y + 1) * width])
            for y in range(height)]
    if interlace:
        rows = interlaced(rows)
    min_size = max(2, (colours - 1).bit_length())
    with open(out, 'wb') as f:
        f.write(b'GIF89a' + struct.pack('<HHBBB', width, height,
                                        0xF0 | (colours.bit_length() - 2), 0, 0))
        f.write(palette)
        f.write(b'\x21\xf9\x04\x01\0\0\0\0')  # transparent index 0
        f.write(b'\x2c' + struct.pack('<HHHHB', 0, 0, width, height,
                                      0x40 if interlace else 0))
        f.write(bytes([min_size]) + sub_blocks(lzw(b''.join(rows), min_size)))
        f.write(b'\x3b')


def lzw(indices, min_size):
    """GIF's variable-length LZW, codes packed from the low bit up."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, acc, bits = bytearray(), 0, 0

    def emit(code, size):
        nonlocal acc, bits
        acc |= code << bits
        bits += size
        while bits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            bits -= 8

    size, next_code, table = min_size + 1, end + 1, {}
    emit(clear, size)
    prefix = indices[0]
    for k in indices[1:]:
        if (prefix, k) in table:
            prefix = table[(prefix, k)]
            continue
        emit(prefix, size)
        table[(prefix, k)] = next_code
        next_code += 1
        if next_code > (1 << size) and size < 12:
            size += 1
        if next_code >= 4094:  # start over before the table is full
            emit(clear, size)
            size, next_code, table = min_size + 1, end + 1, {}
        prefix = k
    emit(prefix, size)
    emit(end, size)
    if bits:
        out.append(acc & 0xFF)
    return bytes(out)


def sub_blocks(data):
    chunks = [data[i:i + 255] for i in range(0, len(data), 255)]
    return b''.join(bytes([len(c)]) + c for c in chunks) + b'\0'


def interlaced(rows):
    order = [r for start, step in ((0, 8), (4, 8), (2, 4), (1, 2))
             for r in range(start, len(rows), step)]
    return [rows[r] for r in order]


# Icon and cursor files -----------------------------------------------------

def write_windows_icons(out, kind, entries):
    """An icon (kind 1) or cursor (kind 2) file of several images.

    Each entry is (size, colours, word1, word2, data): the two words are
    the planes and bits per pixel of an icon, the hot spot of a cursor. A
    size of 256 is written as 0, as the format wants.
    """
    offset = 6 + 16 * len(entries)
    with open(out, 'wb') as f:
        f.write(struct.pack('<HHH', 0, kind, len(entries)))
        for size, colours, word1, word2, data in entries:
            f.write(struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0,
                                word1, word2, len(data), offset))
            offset += len(data)
        for entry in entries:
            f.write(entry[-1])


def opaque_or_clear(rgba, n):
    """Rows of (r, g, b), or None where clear, from n x n RGBA bytes whose
    alpha is half or more for what is opaque."""
    return [[tuple(rgba[i:i + 3]) if rgba[i + 3] >= 128 else None
             for i in range(y * 4 * n, (y + 1) * 4 * n, 4)]
            for y in range(n)]


def paletted(pixels):
    """A square 16-colour bitmap of an icon or cursor file.

    pixels is a list of rows of (r, g, b) tuples or None for transparent.
    Transparent pixels are black in the colour bitmap and set in the mask,
    which is what makes them see-through.
    """
    n = len(pixels)
    colours = [(0, 0, 0)]
    for row in pixels:
        for p in row:
            if p is not None and p not in colours:
                colours.append(p)
    if len(colours) > 16:
        sys.exit('draw-assets: too many colours for a 16-colour picture: %d' % len(colours))
    colours += [(0, 0, 0)] * (16 - len(colours))
    xor, mask = bytearray(), bytearray()
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        idx = [0 if p is None else colours.index(p) for p in row]
        xor += bytes(idx[i] << 4 | idx[i + 1] for i in range(0, n, 2))
        bits = sum(1 << (n - 1 - x) for x, p in enumerate(row) if p is None)
        mask += bits.to_bytes(n // 8, 'big')
    image = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0,
                        len(xor) + len(mask), 0, 0, 16, 0)
    return image + b''.join(bytes((b, g, r, 0)) for r, g, b in colours) + xor + mask


def true_colour(rgba, n):
    """A square bitmap with an alpha channel, from n x n RGBA bytes; the
    mask, for what cannot read the alpha, keeps only the fully clear."""
    def pad(row):
        return row + bytes(-len(row) % 4)
    xor, mask = bytearray(), bytearray()
    for y in reversed(range(n)):
        row = rgba[4 * n * y:4 * n * (y + 1)]
        xor += b''.join(bytes((row[i + 2], row[i + 1], row[i], row[i + 3]))
                        for i in range(0, 4 * n, 4))
        bits = sum(1 << (n - 1 - x) for x in range(n) if row[4 * x + 3] == 0)
        mask += pad(bits.to_bytes((n + 7) // 8, 'big'))
    return struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0) + xor + mask
