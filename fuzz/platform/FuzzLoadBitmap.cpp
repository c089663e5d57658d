// A bitmap resource whose bytes are arbitrary: LoadBitmap must refuse what
// it cannot read and never read past the resource.
#include "platform/WinBase.h"
#include "platform/WinGdi.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  // An exact-size copy, so reading one byte too many is caught.
  std::vector<std::uint8_t> Resource(Data, Data + Size);
  HANDLE Registration = RegisterResource(RT_BITMAP, "FUZZ", Resource.data(), DWORD(Size));
  if (HBITMAP Bitmap = LoadBitmap(HInstance, "FUZZ")) DeleteObject(Bitmap);
  UnregisterResource(Registration);
  return 0;
}
