// The icon as a 32 x 32 PNG with an alpha channel, for the desktop's icon
// theme (hicolor), which takes PNG but not ICO files. The AND mask's
// transparent pixels become fully transparent.
#pragma once

#include "tools/artwork/IconArt.h"

#include <cstdint>
#include <vector>

// Throws std::runtime_error when libpng refuses.
std::vector<std::uint8_t> EncodeIconPng(const TIconArt& Art);
