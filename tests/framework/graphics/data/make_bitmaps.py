#!/usr/bin/env python3
"""Writes the BMP fixtures of the graphics tests (run from anywhere).

Valid files, each with a picture the tests know pixel for pixel:
rgb24.bmp     5x3, 24 bits, bottom-up; pixel (x, y) = RGB(50x, 80y, 200)
top32.bmp     3x2, 32 bits, top-down; pixel (x, y) = RGB(10 + x, 20 + y, 30)
bf565.bmp     4x2, 16 bits 5-6-5 bit fields; pixel (x, y) = RGB(255, 0, 0) if x == y
              else RGB(0, 255, 0) (pure channels survive 5-6-5 exactly)
rgb555.bmp    4x2, 16 bits 5-5-5; as bf565.bmp
core1.bmp     10x2, 1 bit, BITMAPCOREHEADER; pixel (x, y) white where (x + y) is odd
v5.bmp        2x2, 32 bits, V5 header with bit fields; RGB(1, 2, 3), RGB(4, 5, 6) / ...
rle8.bmp      6x4, RLE8 with a grey table (index i = RGB(i, i, i)); see rle8()
rle4.bmp      6x2, RLE4 with a grey table (index i = RGB(16i, 16i, 16i)); rows from
              the top: 3 4 5 6 0 0 / 1 2 1 2 1 2
bad/*.bmp     malformed files that must be refused
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def stride(width, bpp):
    return (width * bpp + 31) // 32 * 4


def info(width, height, bpp, compression=0, colors_used=0, image_size=0, size=40):
    head = struct.pack("<IiiHHIIiiII", size, width, height, 1, bpp, compression, image_size,
                       2835, 2835, colors_used, 0)
    return head + b"\0" * (size - 40)


def bmp(header, table, pixels, offset=None):
    off = 14 + len(header) + len(table) if offset is None else offset
    body = header + table
    body += b"\0" * max(0, off - 14 - len(body))
    return b"BM" + struct.pack("<IHHI", 14 + len(body) + len(pixels), 0, 0, off) + body + pixels


def rows_bytes(rows, width, bpp, pack):
    out = b""
    for row in rows:
        data = pack(row)
        out += data + b"\0" * (stride(width, bpp) - len(data))
    return out


def rgb24():
    rows = [[(50 * x, 80 * y, 200) for x in range(5)] for y in range(3)]
    pix = rows_bytes(reversed(rows), 5, 24, lambda r: b"".join(bytes((b, g, rr)) for rr, g, b in r))
    return bmp(info(5, 3, 24), b"", pix)


def top32():
    rows = [[(10 + x, 20 + y, 30) for x in range(3)] for y in range(2)]
    pix = rows_bytes(rows, 3, 32, lambda r: b"".join(bytes((b, g, rr, 0)) for rr, g, b in r))
    return bmp(info(3, -2, 32), b"", pix)


def sixteen(masks):
    red, green = (0xF800, 0x07E0) if masks else (0x7C00, 0x03E0)
    rows = [[red if x == y else green for x in range(4)] for y in range(2)]
    pix = rows_bytes(reversed(rows), 4, 16, lambda r: b"".join(struct.pack("<H", v) for v in r))
    if masks:
        return bmp(info(4, 2, 16, 3), struct.pack("<III", 0xF800, 0x07E0, 0x001F), pix)
    return bmp(info(4, 2, 16), b"", pix)


def core1():
    header = struct.pack("<IHHHH", 12, 10, 2, 1, 1)
    table = bytes((0, 0, 0, 255, 255, 255))
    rows = [[(x + y) % 2 for x in range(10)] for y in range(2)]

    def pack(r):
        bits = "".join(str(v) for v in r) + "0" * 6
        return bytes(int(bits[i:i + 8], 2) for i in range(0, 16, 8))
    return bmp(header, table, rows_bytes(reversed(rows), 10, 1, pack))


def v5():
    head = bytearray(info(2, 2, 32, 3, size=124))
    struct.pack_into("<IIII", head, 40, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    rows = [[(1, 2, 3), (4, 5, 6)], [(7, 8, 9), (10, 11, 12)]]
    pix = rows_bytes(reversed(rows), 2, 32, lambda r: b"".join(bytes((b, g, rr, 255))
                                                                 for rr, g, b in r))
    return bmp(bytes(head), b"", pix)


GREYS = b"".join(bytes((i * 16, i * 16, i * 16, 0)) for i in range(16))


def rle8():
    # Rows from the top: 7 7 7 7 7 7 / 0 0 5 5 0 0 / 0 0 0 0 0 0 / 1 1 1 2 3 4.
    # Encoded from the bottom: a run of three 1s and an absolute run 2 3 4;
    # end of line; a delta of (2, 1) that skips the second row; a run of two
    # 5s; end of line; a run of six 7s; end of bitmap.
    data = bytes((3, 1, 0, 3, 2, 3, 4, 0, 0, 0,
                  0, 2, 2, 1, 2, 5, 0, 0,
                  6, 7, 0, 1))
    table = b"".join(bytes((i, i, i, 0)) for i in range(256))
    return bmp(info(6, 4, 8, 1, 256, len(data)), table, data)


def rle4():
    data = bytes((6, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 1))
    return bmp(info(6, 2, 4, 2, 16, len(data)), GREYS, data)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    good = {"rgb24.bmp": rgb24(), "top32.bmp": top32(), "bf565.bmp": sixteen(True),
            "rgb555.bmp": sixteen(False), "core1.bmp": core1(), "v5.bmp": v5(),
            "rle8.bmp": rle8(), "rle4.bmp": rle4()}
    for name, data in good.items():
        write(name, data)
    ok = good["rgb24.bmp"]
    px = b"\0" * 16
    bad = {
        "empty.bmp": b"",
        "magic.bmp": b"MB" + ok[2:],
        "file_header_only.bmp": ok[:14],
        "truncated_header.bmp": ok[:30],
        "truncated_pixels.bmp": ok[:-5],
        "zero_width.bmp": bmp(info(0, 2, 24), b"", px),
        "negative_width.bmp": bmp(info(-4, 2, 24), b"", px),
        "zero_height.bmp": bmp(info(2, 0, 24), b"", px),
        "huge_width.bmp": bmp(info(100000, 1, 24), b"", px),
        "huge_image.bmp": bmp(info(30000, 30000, 32), b"", px),
        "depth7.bmp": bmp(info(2, 2, 7), b"", px),
        "planes2.bmp": ok[:26] + struct.pack("<H", 2) + ok[28:],
        "compression9.bmp": bmp(info(2, 2, 24, 9), b"", px),
        "rle8_24bit.bmp": bmp(info(2, 2, 24, 1), b"", px),
        "rle8_topdown.bmp": bmp(info(2, -2, 8, 1, 0, 4), b"\0" * 1024, b"\0\0\0\1"),
        "colors_used_1000.bmp": bmp(info(2, 2, 8, 0, 1000), b"\0" * 4000, px),
        "offset_past_end.bmp": ok[:10] + struct.pack("<I", 1 << 30) + ok[14:],
        "offset_inside_header.bmp": ok[:10] + struct.pack("<I", 20) + ok[14:],
        "header_size_39.bmp": ok[:14] + struct.pack("<I", 39) + ok[18:],
        "table_truncated.bmp": bmp(info(2, 2, 8), GREYS, b"", offset=14 + 40 + 64),
    }
    for name, data in bad.items():
        write(os.path.join("bad", name), data)


if __name__ == "__main__":
    main()
