// ICO files: the directory, the choice of one image, and its decoding
// into 32-bit pixels.
//
// The image chosen is the one nearest 32x32 (smallest sum of the width
// and height differences), then the one with the most bits per pixel,
// then the first in the directory. Sizes and depths are taken from each
// image's own header, not from the directory, which old files fill in
// loosely. Entries are BMP-encoded (1, 4, 8, 24 or 32 bits with their
// AND mask; 32-bit images with an alpha channel use it) or PNG.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The decoded picture: 0xAARRGGBB pixels, top row first. With Alpha the
// alpha byte blends; without, the mask semantics of classic icons hold:
// alpha 255 paints the colour, alpha 0 XORs the colour into what lies
// beneath (black: leaves it as it is).
struct TIconImage {
  int Width = 0;
  int Height = 0;
  int Bpp = 0;
  bool Alpha = false;
  std::vector<std::uint32_t> Pixels;
};

// The bytes of the header and directory of the ICO file that starts
// with Head (which holds at least its first 6 bytes); 0 when that
// header is not an icon file's or announces no images.
std::size_t IconDirectoryLength(std::span<const std::uint8_t> Head);
// The length of the ICO file whose header and directory are Head (the
// end of its last image), or 0 when the directory is not valid: entries
// empty or reaching beyond the Available bytes of the file.
std::size_t IconFileLength(std::span<const std::uint8_t> Head, std::uint64_t Available);
// Decodes the chosen image of a complete ICO file; false (Image
// untouched) for bad data.
bool DecodeIconFile(std::span<const std::uint8_t> File, TIconImage& Image);
