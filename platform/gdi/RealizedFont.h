// A font description made concrete: one FreeType face at one pixel size,
// with the metrics the text operations report and lay out with, and the
// glyph cache of that size. Metrics follow the desktop's rules for
// TrueType faces (cell = the OS/2 "win" ascent and descent, scaled), so a
// positive lfHeight gives exactly that cell height and a negative one that
// em height. Escapement, underline and strike-out do not change glyphs and
// are applied when drawing, so they are not part of a realised font.
#pragma once

#include "platform/WinGdi.h"
#include "platform/gdi/GlyphCache.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <string>

// The generic kind of a face, from the requested name or pitch and family;
// it picks the fallback when the requested face is missing.
enum class TFontClass { Sans, Serif, Mono };

// What face matching found for a description.
struct TFaceMatch {
  FT_Face Face = nullptr;
  std::string Family;
  TFontClass Class = TFontClass::Sans;
  // The family lacks the requested weight or slant; FreeType makes them.
  bool SynthesizeBold = false;
  bool SynthesizeItalic = false;
};

// Pixel metrics of a realised font. Vertical positions count down from
// the top of the cell (row 0) to its bottom (row Height - 1); the baseline
// lies between rows Ascent - 1 and Ascent.
struct TFontMetrics {
  int Em = 0;
  int Ascent = 0;
  int Descent = 0;
  int Height = 0;
  int InternalLeading = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
  int UnderlineTop = 0;
  int UnderlineThickness = 1;
  int StrikeoutTop = 0;
  int StrikeoutThickness = 1;
  // How far ink may reach outside the cell of a run (left of its start,
  // right of its end, above and below the cell); never negative.
  int InkLeft = 0;
  int InkRight = 0;
  int InkAbove = 0;
  int InkBelow = 0;
  bool FixedPitch = false;
};

class TRealizedFont {
public:
  // Sizes Match.Face for Lf. Valid() is false when FreeType refused.
  TRealizedFont(const TFaceMatch& Match, const LOGFONTA& Lf);
  ~TRealizedFont();
  TRealizedFont(const TRealizedFont&) = delete;
  TRealizedFont& operator=(const TRealizedFont&) = delete;

  bool Valid() const { return FSize != nullptr; }
  const TFontMetrics& GetMetrics() const { return FMetrics; }
  const std::string& GetFamily() const { return FFamily; }

  // The metrics as GetTextMetrics reports them for description Lf (which
  // supplies the drawing attributes this object does not keep).
  void FillTextMetrics(const LOGFONTA& Lf, TEXTMETRICA& Tm) const;

  // Glyph index of a character; 0 (the face's missing-glyph box) when the
  // face lacks it.
  std::uint32_t GlyphOf(std::uint32_t Code);
  // Hinted advance in whole pixels.
  int GetAdvance(std::uint32_t Glyph);
  // The rendered glyph; valid until the next call of GetBitmap.
  const TGlyphBitmap& GetBitmap(std::uint32_t Glyph);

private:
  bool LoadGlyph(std::uint32_t Glyph);
  void ComputeMetrics(const LOGFONTA& Lf);
  void ComputeLineMetrics(double Scale);
  void ComputeInkMargins(double XScale, double YScale);

  FT_Face FFace;
  FT_Size FSize = nullptr;
  std::string FFamily;
  TFontClass FClass;
  bool FSynthesizeBold, FSynthesizeItalic;
  bool FMono;
  LONG FWeight;
  TFontMetrics FMetrics;
  TGlyphCache FCache;
  // Latin-1 characters come through here without a cmap lookup.
  std::array<std::uint32_t, 256> FLatinGlyphs;
};
