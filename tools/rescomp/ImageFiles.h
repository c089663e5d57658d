// Checks and converts the image files a script names, so that a broken
// file fails the build instead of the program at run time. Both functions
// throw std::runtime_error with the reason; the caller adds the place.
#pragma once

#include <cstdint>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

// A .bmp file as the desktop keeps bitmap resources: a 40-byte
// BITMAPINFOHEADER, the colour masks (BI_BITFIELDS), the colour table and
// the pixel rows, without the 14-byte file header. Newer, larger info
// headers (V4, V5) are cut down to the 40-byte form; their colour masks
// move behind it. RLE compression and OS/2 headers are rejected.
TBytes PackedDibFromBmp(const TBytes& File);

// Checks that an .ico file's directory and images are consistent (each
// image a PNG or a BITMAPINFOHEADER DIB inside the file); returns the file
// unchanged, since icons are kept as whole .ico files.
TBytes CheckedIcoFile(const TBytes& File);
