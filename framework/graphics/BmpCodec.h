// The BMP file format and the packed DIBs inside resources and icons:
// reading into a TDibSection and writing one back.
//
// Accepted: BITMAPCOREHEADER and BITMAPINFOHEADER (and its V2-V5
// extensions) with 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed,
// with bit fields (16 and 32 bits) or run-length encoded (RLE8, RLE4),
// rows bottom-up or top-down. Images wider or taller than 32767 pixels
// or above 64 MB of pixels are refused before anything is allocated.
#pragma once

#include "framework/graphics/DibSection.h"

#include <cstdint>
#include <span>

class TStream;

// A BMP file from the stream's position. The position ends after the
// pixel data. Bad data raises EInvalidGraphic "Bitmap image is not
// valid" and leaves the stream where it was.
TDibSection ReadBmp(TStream& Stream);
// A BMP file of the image, rows bottom-up. Nothing for an empty image.
void WriteBmp(TStream& Stream, const TDibSection& Image);
// The size WriteBmp writes.
std::uint32_t BmpFileSize(const TDibSection& Image);

// A packed DIB (header, bit fields, colour table, pixels); empty for bad
// data. Height is the image's height; icons pass half the header's,
// since their header counts the mask rows too (0: the header's).
TDibSection DecodePackedDib(std::span<const std::uint8_t> Data, int Height = 0);
// Where the pixels of a packed DIB start (header and colour table
// skipped); 0 for a header that is not valid.
std::size_t PackedDibBitsOffset(std::span<const std::uint8_t> Data);
