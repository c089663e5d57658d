// A run: glyphs placed along one baseline, in run coordinates (pixels from
// the start of the run along the text, before any rotation). TextOut makes
// one run per call; DrawText one per line, with tab gaps and accelerator
// underlines. The run's cell is [0, Width) along the text, one font cell
// high; pens are 64-bit because a long string of a large font, or lpDx
// entries near the int limits, pass the int range (the byte limit keeps
// them below 2^52).
#pragma once

#include "platform/gdi/RealizedFont.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct TRunGlyph {
  std::uint32_t Glyph;
  std::int64_t Pen;
};

// A stretch [Start, End) along the run that gets an underline of the
// font's underline thickness (the accelerator mark of DrawText).
struct TRunSpan {
  std::int64_t Start;
  std::int64_t End;
};

class TTextRun {
public:
  // Longest text one operation lays out; longer text is refused rather
  // than tying up the program.
  static constexpr std::size_t kMaxTextBytes = std::size_t(1) << 20;

  TTextRun() = default;
  // Lays out Length bytes of UTF-8 Text with hinted advances, or with the
  // advances in Dx, which has one entry per byte; a character advances by
  // the sum of its bytes' entries.
  TTextRun(TRealizedFont& Font, const char* Text, std::size_t Length, const int* Dx = nullptr);

  void AddGlyph(std::uint32_t Glyph, std::int64_t Pen);
  void AddUnderline(std::int64_t Start, std::int64_t End) { FUnderlines.push_back({Start, End}); }
  void SetWidth(std::int64_t Width) { FWidth = Width; }

  const std::vector<TRunGlyph>& GetGlyphs() const { return FGlyphs; }
  const std::vector<TRunSpan>& GetUnderlines() const { return FUnderlines; }
  std::int64_t GetWidth() const { return FWidth; }
  // The smallest and largest pen, which bound where ink can be.
  std::int64_t GetMinPen() const { return FMinPen; }
  std::int64_t GetMaxPen() const { return FMaxPen; }

private:
  std::vector<TRunGlyph> FGlyphs;
  std::vector<TRunSpan> FUnderlines;
  std::int64_t FWidth = 0;
  std::int64_t FMinPen = 0, FMaxPen = 0;
};
