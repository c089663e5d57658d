// Sizing follows the desktop's TrueType rules rather than FreeType's own
// size metrics: the cell is the OS/2 win ascent plus win descent, and
// heights are rounded per edge so that a requested cell height comes back
// exactly. Each realised font owns an FT_Size on a face shared with the
// other sizes of that face, and activates it before every glyph load.
#include "platform/gdi/RealizedFont.h"

#include "platform/gdi/Gdi.h"

#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

constexpr int kMinFontPixels = 1, kMaxFontPixels = 2048;
// lfHeight 0: the cell of an 8-point font on a 96-dpi screen.
constexpr int kDefaultCell = 13;
constexpr std::uint32_t kUnknownGlyph = 0xFFFFFFFF;

int ClampPixels(std::int64_t V) {
  return int(std::clamp<std::int64_t>(V, kMinFontPixels, kMaxFontPixels));
}

int Round(double V) { return int(std::lround(V)); }

struct TWinExtent {
  double Ascent, Descent;
};

// The face's cell in font units, from OS/2 when it is there and sane.
TWinExtent WinExtentOf(FT_Face Face) {
  auto* Os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
  if (Os2 && Os2->version != 0xFFFF && Os2->usWinAscent + Os2->usWinDescent > 0)
    return {double(Os2->usWinAscent), double(Os2->usWinDescent)};
  if (Face->ascender - Face->descender > 0)
    return {double(Face->ascender), -double(Face->descender)};
  return {Face->units_per_EM * 0.8, Face->units_per_EM * 0.2};
}

const TT_OS2* Os2Of(FT_Face Face) {
  auto* Os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
  return Os2 && Os2->version != 0xFFFF ? Os2 : nullptr;
}

} // namespace

TRealizedFont::TRealizedFont(const TFaceMatch& Match, const LOGFONTA& Lf)
    : FFace(Match.Face), FFamily(Match.Family), FClass(Match.Class),
      FSynthesizeBold(Match.SynthesizeBold), FSynthesizeItalic(Match.SynthesizeItalic),
      FMono(Lf.lfQuality == NONANTIALIASED_QUALITY),
      FWeight(Lf.lfWeight > 0 ? std::min<LONG>(Lf.lfWeight, 1000) : FW_NORMAL),
      FCache(Match.Face ? std::size_t(std::max<FT_Long>(Match.Face->num_glyphs, 0)) : 0) {
  FLatinGlyphs.fill(kUnknownGlyph);
  if (!FFace || !FT_IS_SCALABLE(FFace) || FFace->units_per_EM == 0) return;
  if (FT_New_Size(FFace, &FSize) != 0) {
    FSize = nullptr;
    return;
  }
  FT_Activate_Size(FSize);
  ComputeMetrics(Lf);
}

TRealizedFont::~TRealizedFont() {
  if (FSize) FT_Done_Size(FSize);
}

void TRealizedFont::ComputeMetrics(const LOGFONTA& Lf) {
  const double Upem = FFace->units_per_EM;
  TWinExtent Win = WinExtentOf(FFace);
  int Em, Cell = 0;
  if (Lf.lfHeight < 0) {
    Em = ClampPixels(-std::int64_t(Lf.lfHeight));
  } else {
    Cell = Lf.lfHeight == 0 ? kDefaultCell : ClampPixels(Lf.lfHeight);
    Em = ClampPixels(Round(Cell * Upem / (Win.Ascent + Win.Descent)));
  }
  FMetrics.Em = Em;
  FMetrics.Ascent = Round(Win.Ascent * Em / Upem);
  if (Cell > 0) {
    FMetrics.Ascent = std::min(FMetrics.Ascent, Cell);
    FMetrics.Descent = Cell - FMetrics.Ascent;
  } else {
    FMetrics.Descent = Round(Win.Descent * Em / Upem);
  }
  FMetrics.Height = std::max(1, FMetrics.Ascent + FMetrics.Descent);
  FMetrics.InternalLeading = std::max(0, FMetrics.Height - Em);

  const TT_OS2* Os2 = Os2Of(FFace);
  int XEm = Em;
  if (Lf.lfWidth != 0) {
    double Avg = Os2 && Os2->xAvgCharWidth > 0 ? Os2->xAvgCharWidth : Upem / 2;
    XEm = ClampPixels(
        Round(std::min<double>(std::abs(double(Lf.lfWidth)), kMaxFontPixels) * Upem / Avg));
  }
  FT_Set_Pixel_Sizes(FFace, FT_UInt(XEm), FT_UInt(Em));
  double XScale = XEm / Upem, YScale = Em / Upem;
  FMetrics.FixedPitch = FT_IS_FIXED_WIDTH(FFace);
  if (Os2 && Os2->xAvgCharWidth > 0)
    FMetrics.AveCharWidth = Round(Os2->xAvgCharWidth * XScale);
  else
    FMetrics.AveCharWidth = GetAdvance(GlyphOf('x'));
  FMetrics.AveCharWidth = std::max(1, FMetrics.AveCharWidth);
  FMetrics.MaxCharWidth = std::max(FMetrics.AveCharWidth, Round(FFace->max_advance_width * XScale));
  ComputeLineMetrics(YScale);
  ComputeInkMargins(XScale, YScale);
}

void TRealizedFont::ComputeLineMetrics(double Scale) {
  TFontMetrics& M = FMetrics;
  const TT_OS2* Os2 = Os2Of(FFace);
  auto* Hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(FFace, FT_SFNT_HHEA));
  if (Hhea) {
    TWinExtent Win = WinExtentOf(FFace);
    double Gap = Hhea->Line_Gap - ((Win.Ascent + Win.Descent) - (Hhea->Ascender - Hhea->Descender));
    M.ExternalLeading = std::max(0, Round(Gap * Scale));
  }
  // FreeType gives the centre of the underline stroke; the desktop keeps
  // at least one clear row between the baseline and the underline.
  M.UnderlineThickness = std::max(1, Round(FFace->underline_thickness * Scale));
  double Centre = -FFace->underline_position * Scale;
  M.UnderlineTop = M.Ascent + std::max(1, Round(Centre - M.UnderlineThickness / 2.0));
  M.UnderlineTop = std::max(0, std::min(M.UnderlineTop, M.Height - M.UnderlineThickness));

  double StrikePos = Os2 ? Os2->yStrikeoutPosition : FFace->units_per_EM * 0.26;
  double StrikeSize =
      Os2 && Os2->yStrikeoutSize > 0 ? Os2->yStrikeoutSize : FFace->underline_thickness;
  M.StrikeoutThickness = std::max(1, Round(StrikeSize * Scale));
  M.StrikeoutTop = M.Ascent - Round(StrikePos * Scale);
  M.StrikeoutTop = std::max(0, std::min(M.StrikeoutTop, M.Height - M.StrikeoutThickness));
}

void TRealizedFont::ComputeInkMargins(double XScale, double YScale) {
  TFontMetrics& M = FMetrics;
  const FT_BBox& B = FFace->bbox;
  // One spare pixel for hinting, and a generous slack for synthesised
  // slant and weight, which push ink past the face's own bounding box.
  int Slack = 1 + ((FSynthesizeBold || FSynthesizeItalic) ? M.Em / 3 + 1 : 0);
  M.InkLeft = std::max(0, int(std::ceil(-B.xMin * XScale))) + Slack;
  M.InkRight = std::max(0, int(std::ceil(B.xMax * XScale))) + Slack;
  M.InkAbove = std::max(0, int(std::ceil(B.yMax * YScale)) - M.Ascent) + Slack;
  M.InkBelow = std::max(0, int(std::ceil(-B.yMin * YScale)) - M.Descent) + Slack;
}

void TRealizedFont::FillTextMetrics(const LOGFONTA& Lf, TEXTMETRICA& Tm) const {
  std::memset(&Tm, 0, sizeof Tm);
  const TFontMetrics& M = FMetrics;
  Tm.tmHeight = M.Height;
  Tm.tmAscent = M.Ascent;
  Tm.tmDescent = M.Descent;
  Tm.tmInternalLeading = M.InternalLeading;
  Tm.tmExternalLeading = M.ExternalLeading;
  Tm.tmAveCharWidth = M.AveCharWidth;
  Tm.tmMaxCharWidth = M.MaxCharWidth;
  Tm.tmWeight = FWeight;
  Tm.tmOverhang = 0;
  Tm.tmDigitizedAspectX = Tm.tmDigitizedAspectY = GdiDisplay().LogPixels;
  // The values the desktop reports for TrueType faces through the "A"
  // interface: characters 30..255, default 31, break at the space.
  Tm.tmFirstChar = 0x1E;
  Tm.tmLastChar = 0xFF;
  Tm.tmDefaultChar = 0x1F;
  Tm.tmBreakChar = 0x20;
  Tm.tmItalic = Lf.lfItalic ? 1 : 0;
  Tm.tmUnderlined = Lf.lfUnderline ? 1 : 0;
  Tm.tmStruckOut = Lf.lfStrikeOut ? 1 : 0;
  BYTE Family = FClass == TFontClass::Mono    ? FF_MODERN
                : FClass == TFontClass::Serif ? FF_ROMAN
                                              : FF_SWISS;
  Tm.tmPitchAndFamily =
      BYTE(Family | TMPF_VECTOR | TMPF_TRUETYPE | (M.FixedPitch ? 0 : TMPF_FIXED_PITCH));
  Tm.tmCharSet = Lf.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : Lf.lfCharSet;
}

std::uint32_t TRealizedFont::GlyphOf(std::uint32_t Code) {
  if (Code < FLatinGlyphs.size()) {
    std::uint32_t& G = FLatinGlyphs[Code];
    if (G == kUnknownGlyph) G = FT_Get_Char_Index(FFace, Code);
    return G;
  }
  return FT_Get_Char_Index(FFace, Code);
}

bool TRealizedFont::LoadGlyph(std::uint32_t Glyph) {
  FT_Activate_Size(FSize);
  FT_Int32 Flags = FT_LOAD_NO_BITMAP | (FMono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
  if (FT_Load_Glyph(FFace, Glyph, Flags) != 0) return false;
  if (FFace->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return false;
  if (FSynthesizeBold) FT_GlyphSlot_Embolden(FFace->glyph);
  if (FSynthesizeItalic) FT_GlyphSlot_Oblique(FFace->glyph);
  return true;
}

int TRealizedFont::GetAdvance(std::uint32_t Glyph) {
  int Advance;
  if (FCache.GetAdvance(Glyph, Advance)) return Advance;
  Advance = 0;
  if (LoadGlyph(Glyph)) Advance = int(std::max<FT_Pos>(0, (FFace->glyph->advance.x + 32) >> 6));
  FCache.SetAdvance(Glyph, Advance);
  return Advance;
}

const TGlyphBitmap& TRealizedFont::GetBitmap(std::uint32_t Glyph) {
  if (const TGlyphBitmap* Hit = FCache.FindBitmap(Glyph)) return *Hit;
  TGlyphBitmap B;
  if (LoadGlyph(Glyph)) {
    FT_GlyphSlot Slot = FFace->glyph;
    FCache.SetAdvance(Glyph, int(std::max<FT_Pos>(0, (Slot->advance.x + 32) >> 6)));
    if (FT_Render_Glyph(Slot, FMono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) == 0 &&
        Slot->bitmap.pitch > 0) {
      const FT_Bitmap& Src = Slot->bitmap;
      B.Left = Slot->bitmap_left;
      B.Top = Slot->bitmap_top;
      B.Width = int(Src.width);
      B.Rows = int(Src.rows);
      B.Coverage.resize(std::size_t(B.Width) * std::size_t(B.Rows));
      for (int Y = 0; Y < B.Rows; ++Y) {
        const unsigned char* Row = Src.buffer + std::ptrdiff_t(Y) * Src.pitch;
        BYTE* Out = B.Coverage.data() + std::size_t(Y) * std::size_t(B.Width);
        for (int X = 0; X < B.Width; ++X) {
          if (Src.pixel_mode == FT_PIXEL_MODE_MONO)
            Out[X] = (Row[X >> 3] & (0x80 >> (X & 7))) ? 255 : 0;
          else
            Out[X] = Row[X];
        }
      }
    }
  }
  return FCache.AddBitmap(Glyph, std::move(B));
}
