// Arbitrary format strings against a fixed mix of arguments: Format must
// neither crash nor throw, whatever the specifiers ask for.
#include "framework/runtime/Format.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  std::string Fmt(reinterpret_cast<const char*>(Data), Size);
  const char* Null = nullptr;
  Format(Fmt, {});
  Format(Fmt, {42, "text", 3.5, -7LL, Null, 'c', std::string("s"), true, 0xFFFFFFFFu});
  Format(Fmt, {"12", 1e300, -1});
  return 0;
}
