// Runs never kern: the desktop's extents are sums of integer advances,
// and programs position text by those sums.
#include "platform/gdi/TextRun.h"

#include "platform/gdi/Utf8.h"

#include <algorithm>

TTextRun::TTextRun(TRealizedFont& Font, const char* Text, std::size_t Length, const int* Dx) {
  FGlyphs.reserve(Length);
  std::int64_t Pen = 0;
  for (std::size_t Pos = 0; Pos < Length;) {
    std::uint32_t Code;
    int Bytes = Utf8Decode(Text, Length, Pos, Code);
    std::uint32_t Glyph = Font.GlyphOf(Code);
    AddGlyph(Glyph, Pen);
    if (Dx) {
      for (int i = 0; i < Bytes; ++i) Pen += Dx[Pos + std::size_t(i)];
    } else {
      Pen += Font.GetAdvance(Glyph);
    }
    Pos += std::size_t(Bytes);
  }
  FWidth = Pen;
  FMinPen = std::min(FMinPen, Pen);
  FMaxPen = std::max(FMaxPen, Pen);
}

void TTextRun::AddGlyph(std::uint32_t Glyph, std::int64_t Pen) {
  FGlyphs.push_back({Glyph, Pen});
  FMinPen = std::min(FMinPen, Pen);
  FMaxPen = std::max(FMaxPen, Pen);
}
