// Arbitrary text (valid or not as UTF-8), DrawText flags, rectangles and
// font descriptions: layout and painting must stay inside the surface and
// the clip, and measuring must never fail in a way that crashes.
#include "FuzzSurface.h"
#include "platform/WinGdi.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

struct TInput {
  std::int32_t Height, Escapement, Weight;
  std::uint32_t Flags;
  std::int32_t Rect[4];
  std::uint8_t Quality, Italic, Align;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TInput In;
  if (Size < sizeof In) return 0;
  std::memcpy(&In, Data, sizeof In);
  const char* Text = reinterpret_cast<const char*>(Data + sizeof In);
  const int Length = int(Size - sizeof In);

  TFuzzSurface Target(96, 64);
  HDC DC = Target.DC;
  LOGFONTA Lf{};
  Lf.lfHeight = In.Height % 300;
  Lf.lfEscapement = In.Escapement;
  Lf.lfWeight = In.Weight;
  Lf.lfQuality = In.Quality;
  Lf.lfItalic = In.Italic;
  std::strcpy(Lf.lfFaceName, "Tahoma");
  HFONT Font = CreateFontIndirect(&Lf);
  HGDIOBJ OldFont = SelectObject(DC, Font);
  SetTextAlign(DC, In.Align);
  IntersectClipRect(DC, 5, 5, 90, 60);

  TRect R{In.Rect[0], In.Rect[1], In.Rect[2], In.Rect[3]};
  DrawText(DC, Text, Length, &R, In.Flags & ~DT_CALCRECT);
  TRect Calc{In.Rect[0], In.Rect[1], In.Rect[2], In.Rect[3]};
  DrawText(DC, Text, Length, &Calc, In.Flags | DT_CALCRECT);
  TextOut(DC, In.Rect[0] % 200, In.Rect[1] % 200, Text, Length);
  SIZE Extent;
  GetTextExtentPoint32(DC, Text, Length, &Extent);

  SelectObject(DC, OldFont);
  DeleteObject(Font);
  return 0;
}
