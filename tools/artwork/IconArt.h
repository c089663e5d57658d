// The program's icon: 32 x 32 pixels in the 16 classic colours, a yellow
// ruler with black ticks crossed by a red guide line and a navy "T" for
// the name, on a transparent background.
#pragma once

#include "tools/artwork/ArtworkCanvas.h"

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int IconSide = 32;

// The 16-colour icon: palette indexes top row first, and the transparency
// of each pixel (true: the AND mask lets the background through).
struct TIconArt {
  std::array<RGBQUAD, 16> Palette{};
  std::vector<std::uint8_t> Index;
  std::vector<bool> Transparent;
};

TIconArt PaintIcon();
