#!/usr/bin/env python3
"""Writes the icon fixtures of the graphics tests (run from anywhere).

icon16.ico   one 32x32 16-colour image with an AND mask (766 bytes)
multi.ico    16x16 8-bit, 32x32 4-bit, 32x32 8-bit, 48x48 32-bit images
alpha32.ico  one 32x32 32-bit image with an alpha channel
png.ico      one 32x32 PNG-compressed image
bad/*.ico    malformed files that must be refused

The 16-colour picture: colour index (x // 8 + (y // 8) * 4) % 16 over the
standard VGA table; the mask hides the top-left triangle x + y < 8 and
the one-pixel column x == 31, whose pixels have index 0 (transparent)
except (31, 31), index 15: the classic "inverts the screen" pixel.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def stride(width, bpp):
    return (width * bpp + 31) // 32 * 4


def pack_rows(rows, width, bpp):
    """rows: top-down lists of indexes (bpp <= 8) or (r, g, b[, a]) tuples."""
    out = b""
    for row in reversed(rows):
        data = bytearray()
        if bpp <= 8:
            acc, bits = 0, 0
            for v in row:
                acc = (acc << bpp) | v
                bits += bpp
                if bits == 8:
                    data.append(acc)
                    acc, bits = 0, 0
            if bits:
                data.append(acc << (8 - bits))
        elif bpp == 24:
            for r, g, b in row:
                data += bytes((b, g, r))
        else:
            for r, g, b, a in row:
                data += bytes((b, g, r, a))
        data += b"\0" * (stride(width, bpp) - len(data))
        out += bytes(data)
    return out


def mask_rows(masked, width):
    return pack_rows([[1 if m else 0 for m in row] for row in masked], width, 1)


def bmp_entry(width, height, bpp, rows, masked, colors=()):
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bpp, 0, 0, 0, 0,
                         len(colors), 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colors)
    return header + table + pack_rows(rows, width, bpp) + mask_rows(masked, width)


def png_entry(width, height, pixels):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6,
                                                               0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def ico(entries):
    """entries: (width, height, colour count, bpp, data)."""
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    images = b""
    for w, h, count, bpp, data in entries:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, count, 0, 1, bpp, len(data), offset)
        offset += len(data)
        images += data
    return out + images


def sixteen_colour():
    masked = [[x + y < 8 or x == 31 for x in range(32)] for y in range(32)]
    rows = [[0 if masked[y][x] else (x // 8 + (y // 8) * 4) % 16 for x in range(32)]
            for y in range(32)]
    rows[31][31] = 15
    return bmp_entry(32, 32, 4, rows, masked, VGA)


def eight_bit(size, shift):
    colors = [((i * 7 + shift) % 256, (i * 13) % 256, (i * 29) % 256) for i in range(256)]
    rows = [[(x + y * 3) % 256 for x in range(size)] for y in range(size)]
    return bmp_entry(size, size, 8, rows, [[False] * size for _ in range(size)], colors)


def alpha_pixels(size):
    return [[(200, 40, 10, (x * 255) // (size - 1)) for x in range(size)] for y in range(size)]


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    icon16 = ico([(32, 32, 16, 4, sixteen_colour())])
    assert len(icon16) == 766
    write("icon16.ico", icon16)
    big = alpha_pixels(48)
    write("multi.ico", ico([
        (16, 16, 0, 8, eight_bit(16, 0)),
        (32, 32, 16, 4, sixteen_colour()),
        (32, 32, 0, 8, eight_bit(32, 1)),
        (48, 48, 0, 32, bmp_entry(48, 48, 32, big, [[False] * 48 for _ in range(48)])),
    ]))
    alpha = alpha_pixels(32)
    write("alpha32.ico", ico([(32, 32, 0, 32, bmp_entry(32, 32, 32, alpha,
                                                        [[True] * 32 for _ in range(32)]))]))
    write("png.ico", ico([(32, 32, 0, 32, png_entry(32, 32, [[(r, g, b, a) for r, g, b, a in row]
                                                             for row in alpha])),]))

    entry = sixteen_colour()
    bad = {
        "empty.ico": b"",
        "header_only.ico": icon16[:6],
        "zero_entries.ico": struct.pack("<HHH", 0, 1, 0),
        "cursor_type.ico": icon16[:2] + struct.pack("<H", 2) + icon16[4:],
        "truncated_directory.ico": icon16[:14],
        "truncated_image.ico": icon16[:400],
        "huge_count.ico": struct.pack("<HHH", 0, 1, 65535) + icon16[6:],
        "offset_past_end.ico": icon16[:18] + struct.pack("<I", 100000) + icon16[22:],
        "offset_inside_directory.ico": icon16[:18] + struct.pack("<I", 2) + icon16[22:],
        "zero_size.ico": icon16[:14] + struct.pack("<I", 0) + icon16[18:],
        "size_overflow.ico": icon16[:14] + struct.pack("<I", 0xFFFFFFF0) + icon16[18:],
        "bad_header_size.ico": icon16[:22] + struct.pack("<I", 41) + icon16[26:],
        "absurd_dimensions.ico": icon16[:26] + struct.pack("<ii", 0x7FFFFFFF, 0x7FFFFFFE) +
        icon16[34:],
        "bad_depth.ico": icon16[:36] + struct.pack("<H", 7) + icon16[38:],
        "missing_mask.ico": ico([(32, 32, 16, 4, entry[:-128])]),
        "bad_png.ico": ico([(32, 32, 0, 32, png_entry(32, 32, alpha)[:60])]),
    }
    for name, data in bad.items():
        write(os.path.join("bad", name), data)


if __name__ == "__main__":
    main()
