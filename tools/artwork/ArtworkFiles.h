// Writing the artwork: the logo as a baseline JFIF JPEG (luminance sampled
// 2 x 2, chroma 1 x 1, 96 dpi) and the icon as a one-image 16-colour ICO.
#pragma once

#include "tools/artwork/ArtworkCanvas.h"
#include "tools/artwork/IconArt.h"

#include <cstdint>
#include <string>
#include <vector>

// The JPEG file bytes of the canvas; throws std::runtime_error when the
// library refuses.
std::vector<std::uint8_t> EncodeLogoJpeg(const TArtworkCanvas& Canvas, int Quality);
// The 766 bytes of the icon file: header, one directory entry, the
// BITMAPINFOHEADER, 16 palette entries, XOR rows and AND mask rows.
std::vector<std::uint8_t> EncodeIconFile(const TIconArt& Art);
void WriteArtworkFile(const std::string& Path, const std::vector<std::uint8_t>& Bytes);
