#!/usr/bin/env python3
"""Derives the damaged JPEG fixtures in bad/ from blocks.jpg (run here)."""
import struct

good = open("blocks.jpg", "rb").read()
sof = good.index(b"\xff\xc0")
sos = good.index(b"\xff\xda")


def patched(offset, data):
    return good[:offset] + data + good[offset + len(data):]


files = {
    "empty.jpg": b"",
    "garbage.jpg": b"This is not a JPEG file at all.\n" * 4,
    "no_soi.jpg": b"\x00\x00" + good[2:],
    "soi_only.jpg": good[:2],
    "header_cut.jpg": good[:sof + 6],
    "tables_only.jpg": good[:sof],
    "sof_as_app.jpg": patched(sof, b"\xff\xe5"),
    "zero_height.jpg": patched(sof + 5, struct.pack(">H", 0)),
    "zero_width.jpg": patched(sof + 7, struct.pack(">H", 0)),
    "zero_components.jpg": patched(sof + 9, b"\x00"),
    "bad_sampling.jpg": patched(sof + 11, b"\x55"),
    "bad_precision.jpg": patched(sof + 4, b"\x0c"),
    "huge_dimensions.jpg": patched(sof + 5, struct.pack(">HH", 60000, 60000)),
    "wide_strip.jpg": patched(sof + 5, struct.pack(">HH", 1, 65000)),
    "segment_length_lies.jpg": patched(sof + 2, struct.pack(">H", 0xFFF0)),
    "truncated_scan.jpg": good[:sos + 40],
    "no_eoi.jpg": good[:-2],
}
for name, data in files.items():
    open("bad/" + name, "wb").write(data)
