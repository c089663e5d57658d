#include "framework/menus/MenuCommands.h"

#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

#include <array>

namespace {

// 65536 bits in 64-bit words; a word that is all ones is skipped whole,
// so finding the lowest clear bit stays cheap with thousands of items.
struct TMenuCommandBits {
  std::array<std::uint64_t, 1024> Words{};
  TMenuCommandBits() { Words[0] = 1; }
};

TMenuCommandBits& MenuCommandPool() {
  static TMenuCommandBits Pool;
  return Pool;
}

} // namespace

std::uint16_t MenuCommandAllocate() {
  auto& Words = MenuCommandPool().Words;
  for (std::size_t W = 0; W < Words.size(); ++W) {
    if (Words[W] == ~std::uint64_t(0)) continue;
    unsigned Bit = 0;
    while (Words[W] & (std::uint64_t(1) << Bit)) ++Bit;
    Words[W] |= std::uint64_t(1) << Bit;
    return std::uint16_t(W * 64 + Bit);
  }
  throw EMenuError(SMenuCommandsExhausted);
}

void MenuCommandRelease(std::uint16_t Command) {
  if (Command == 0) return;
  MenuCommandPool().Words[Command / 64] &= ~(std::uint64_t(1) << (Command % 64));
}

bool MenuCommandInUse(std::uint16_t Command) {
  return (MenuCommandPool().Words[Command / 64] >> (Command % 64)) & 1;
}
