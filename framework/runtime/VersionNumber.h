// Components report their version as one 32-bit number, the major version
// in the top byte down to the build in the bottom one, and as text, the
// four bytes in decimal joined by dots ("1.4.0.0").
#pragma once

#include <cstdint>
#include <string>

constexpr std::uint32_t PackVersionNumber(unsigned Major, unsigned Minor, unsigned Release,
                                          unsigned Build) {
  return (std::uint32_t(Major & 0xFF) << 24) | (std::uint32_t(Minor & 0xFF) << 16) |
         (std::uint32_t(Release & 0xFF) << 8) | std::uint32_t(Build & 0xFF);
}

inline std::string VersionNumberText(std::uint32_t Nr) {
  return std::to_string(Nr >> 24) + "." + std::to_string((Nr >> 16) & 0xFF) + "." +
         std::to_string((Nr >> 8) & 0xFF) + "." + std::to_string(Nr & 0xFF);
}
