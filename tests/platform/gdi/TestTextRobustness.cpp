// Adversarial inputs for the text operations, drawn from fixed seeds so a
// failure repeats: random bytes (valid and broken UTF-8, prefixes, tabs,
// line breaks, zero bytes), random lengths, flags, rectangles, alignments,
// origins and fonts, absurd ones included. Nothing may crash (the
// sanitizer build catches stray reads and writes) and no pixel outside the
// DC's clipping may change. Text buffers are heap blocks of exactly the
// length handed over, so a read past the end is caught.
#include "TextTestSupport.h"
#include "support/TestRandom.h"

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

using namespace texttest;

namespace {

// What random text is assembled from, besides zero and arbitrary bytes.
const char* const kPieces[] = {
    // Plain text and what DrawText treats specially.
    "a", "W", "g", ".", " ", "  ", "&", "&&", "\t", "\n", "\r", "\r\n", "\x01", "\x7F",
    // Valid characters of two, three and four bytes.
    "\xC3\xA9", "\xD7\x90", "\xE2\x82\xAC", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80",
    // Broken: stray, truncated, overlong, surrogate, too large, never valid.
    "\x80", "\xBF", "\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
    "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xFE", "\xFF"};

std::string RandomText(TTestRandom& R) {
  std::string Text;
  const int Pieces = R.OneIn(16) ? R.Between(40, 200) : R.Between(0, 12);
  for (int I = 0; I < Pieces; ++I) {
    if (R.OneIn(40))
      Text += '\0';
    else if (R.OneIn(6))
      Text += char(R.Below(256));
    else
      Text += R.Pick(kPieces);
  }
  return Text;
}

LOGFONTA RandomFont(TTestRandom& R) {
  static const char* const Faces[] = {
      "DejaVu Sans",  "Tahoma", "Courier New", "Times New Roman", "",
      "No Such Face", "System", "\xC3\xA9\xFF"};
  // Absurd sizes are kept rare (about one font in forty): a glyph at the
  // size limit is a bitmap of megabytes.
  static const LONG Heights[] = {-13, -8, 0, 1, -1, 12, 20, -30, INT_MIN, INT_MAX, -5000, 2049};
  static const LONG Widths[] = {3, -7, 25, INT_MIN, INT_MAX};
  static const LONG Escapements[] = {900,  -900,  1800, 2700, 3600, 450,     1,       -1,
                                     3599, -2700, 7200, 1350, -450, INT_MIN, INT_MAX, INT_MIN + 1};
  LOGFONTA Lf{};
  Lf.lfHeight = R.OneIn(4) ? R.Pick(Heights) : -R.Between(1, 24);
  if (!R.OneIn(10) && (Lf.lfHeight == INT_MIN || Lf.lfHeight == INT_MAX || Lf.lfHeight < -1000 ||
                       Lf.lfHeight > 1000))
    Lf.lfHeight = -11;
  // Rotations and odd widths mostly move the text off the surface, so
  // half the fonts are upright and most have their natural width.
  Lf.lfWidth = R.OneIn(5) ? R.Pick(Widths) : 0;
  Lf.lfEscapement = R.OneIn(2) ? 0 : R.OneIn(2) ? R.Any() % 7200 : R.Pick(Escapements);
  Lf.lfOrientation = R.Any();
  Lf.lfWeight = R.OneIn(8) ? R.Any() : R.Between(0, 1000);
  Lf.lfItalic = BYTE(R.Below(3));
  Lf.lfUnderline = BYTE(R.Below(3));
  Lf.lfStrikeOut = BYTE(R.Below(3));
  Lf.lfCharSet = BYTE(R.Below(256));
  Lf.lfQuality = BYTE(R.Below(6));
  Lf.lfPitchAndFamily = BYTE(R.Below(256));
  std::string Face = R.Pick(Faces);
  std::strncpy(Lf.lfFaceName, Face.c_str(), LF_FACESIZE - 1);
  return Lf;
}

// Mostly near the surface, so that most calls put ink inside the clip.
LONG RandomCoordinate(TTestRandom& R, int Size) {
  static const LONG Absurd[] = {INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1, -100000, 100000};
  if (R.OneIn(10)) return R.Pick(Absurd);
  return R.OneIn(4) ? R.Between(-2 * Size, 3 * Size) : R.Between(-Size / 4, Size / 2);
}

// Mostly a box over the surface; otherwise any corners, inverted or
// absurd ones included.
TRect RandomRect(TTestRandom& R, int Width, int Height) {
  if (R.OneIn(4))
    return TRect{RandomCoordinate(R, Width), RandomCoordinate(R, Height),
                 RandomCoordinate(R, Width), RandomCoordinate(R, Height)};
  const LONG Left = R.Between(-Width / 4, Width / 2), Top = R.Between(-Height / 4, Height / 2);
  return TRect{Left, Top, Left + R.Between(0, 2 * Width), Top + R.Between(0, 2 * Height)};
}

UINT RandomFormat(TTestRandom& R) {
  static const UINT Flags[] = {DT_CENTER,     DT_RIGHT,           DT_VCENTER,    DT_BOTTOM,
                               DT_WORDBREAK,  DT_SINGLELINE,      DT_EXPANDTABS, DT_TABSTOP,
                               DT_NOCLIP,     DT_EXTERNALLEADING, DT_NOPREFIX,   DT_END_ELLIPSIS,
                               DT_HIDEPREFIX, DT_PREFIXONLY,      DT_RTLREADING, DT_EDITCONTROL};
  UINT Format = R.OneIn(8) ? UINT(R.Any()) : 0;
  for (int I = R.Between(0, 5); I > 0; --I) Format |= R.Pick(Flags);
  if (Format & DT_TABSTOP && R.OneIn(2)) Format |= R.Below(256) << 8;
  return Format & ~DT_CALCRECT;
}

// The length handed over with Text: the exact size, less, -1, past the
// end (where a terminator stops it), or absurd.
int RandomLength(TTestRandom& R, std::size_t Size) {
  switch (R.Below(6)) {
  case 0: return -1;
  case 1: return Size ? int(R.Below(std::uint32_t(Size))) : 0;
  case 2: return int(Size) + 1 + int(R.Below(5));
  case 3: return R.OneIn(2) ? INT_MAX : INT_MIN;
  default: return int(Size);
  }
}

// A surface with a clip rectangle inside it; everything outside the clip
// starts white and must stay so.
class TGuardedSurface : public TTextSurface {
public:
  TGuardedSurface(TTestRandom& R, int Bpp) : TTextSurface(48, 40, kWhite, Bpp) {
    FClip = TRect{R.Between(0, 20), R.Between(0, 16), R.Between(24, 48), R.Between(20, 40)};
    IntersectClipRect(DC, FClip.Left, FClip.Top, FClip.Right, FClip.Bottom);
  }
  bool InsideClip(int X, int Y) const {
    return X >= FClip.Left && X < FClip.Right && Y >= FClip.Top && Y < FClip.Bottom;
  }
  // The first pixel outside the clip that is no longer white, as text.
  std::string Trespass() const {
    for (int Y = 0; Y < Height(); ++Y)
      for (int X = 0; X < Width(); ++X)
        if (!InsideClip(X, Y) && At(X, Y) != kWhite)
          return "pixel " + std::to_string(X) + "," + std::to_string(Y) + " outside the clip";
    return {};
  }
  void RandomState(TTestRandom& R) {
    static const UINT Aligns[] = {TA_LEFT | TA_TOP,       TA_CENTER | TA_BASELINE,
                                  TA_RIGHT | TA_BOTTOM,   TA_UPDATECP,
                                  TA_UPDATECP | TA_RIGHT, TA_CENTER | TA_UPDATECP};
    SetTextAlign(DC, R.OneIn(2) ? TA_LEFT | TA_TOP : R.OneIn(8) ? UINT(R.Any()) : R.Pick(Aligns));
    SetBkMode(DC, R.OneIn(2) ? OPAQUE : TRANSPARENT);
    SetViewportOrgEx(DC, R.OneIn(8) ? RandomCoordinate(R, 40) : 0, 0, nullptr);
    SetWindowOrgEx(DC, 0, R.OneIn(8) ? RandomCoordinate(R, 40) : 0, nullptr);
    MoveToEx(DC, RandomCoordinate(R, 48), RandomCoordinate(R, 40), nullptr);
  }

private:
  TRect FClip;
};

// Text in a heap block of exactly its size, and the same with a
// terminator for the lengths that run to one.
struct TTextBuffers {
  explicit TTextBuffers(const std::string& Text)
      : Exact(Text.begin(), Text.end()), Terminated(Text.begin(), Text.end()) {
    Terminated.push_back('\0');
  }
  const char* For(int Length) const {
    return Length >= 0 && std::size_t(Length) <= Exact.size() && !Exact.empty() ? Exact.data()
                                                                                : Terminated.data();
  }
  std::vector<char> Exact, Terminated;
};

class TextRobustness : public gditest::TGdiTest {};

TEST_F(TextRobustness, DrawTextStaysInsideTheClip) {
  for (std::uint32_t Seed = 1; Seed <= 400; ++Seed) {
    TTestRandom R(Seed);
    TGuardedSurface S(R, R.OneIn(5) ? R.Pick({24, 16, 8, 1}) : 32);
    const LOGFONTA Lf = RandomFont(R);
    S.Use(Lf);
    S.RandomState(R);
    const std::string Text = RandomText(R);
    const TTextBuffers Buffers(Text);
    const int Length = RandomLength(R, Text.size());
    const UINT Format = RandomFormat(R);
    const TRect Rect = RandomRect(R, S.Width(), S.Height());

    // A tab size in bits 8..15 takes the place of DT_CALCRECT.
    const bool Measures = !(Format & DT_TABSTOP);
    TRect Calc = Rect;
    const int Measured = DrawText(S.DC, Buffers.For(Length), Length, &Calc, Format | DT_CALCRECT);
    if (Measures) {
      ASSERT_EQ(S.CountMarked(), 0) << "seed " << Seed << ": DT_CALCRECT draws nothing";
      EXPECT_GE(Measured, 0) << "seed " << Seed;
      EXPECT_EQ(Calc.Left, Rect.Left) << "seed " << Seed;
      EXPECT_EQ(Calc.Top, Rect.Top) << "seed " << Seed;
      EXPECT_GE(Calc.Right, Calc.Left) << "seed " << Seed;
      EXPECT_GE(Calc.Bottom, Calc.Top) << "seed " << Seed;
    }
    ASSERT_EQ(S.Trespass(), "") << "seed " << Seed;

    TRect Drawn = Rect;
    const int Height = DrawText(S.DC, Buffers.For(Length), Length, &Drawn, Format);
    ASSERT_EQ(S.Trespass(), "") << "seed " << Seed;
    EXPECT_EQ(Drawn, Rect) << "seed " << Seed << ": only DT_CALCRECT changes the rectangle";
    if (Measures && (!(Format & DT_SINGLELINE) || !(Format & (DT_VCENTER | DT_BOTTOM)))) {
      EXPECT_EQ(Height, Measured) << "seed " << Seed;
    }
  }
}

TEST_F(TextRobustness, TextOutStaysInsideTheClip) {
  for (std::uint32_t Seed = 1; Seed <= 400; ++Seed) {
    TTestRandom R(Seed * 7919);
    TGuardedSurface S(R, R.OneIn(5) ? R.Pick({24, 16, 8, 1}) : 32);
    S.Use(RandomFont(R));
    S.RandomState(R);
    const std::string Text = RandomText(R);
    const TTextBuffers Buffers(Text);
    const int Length = R.OneIn(8) ? RandomLength(R, Text.size()) : int(Text.size());
    const int X = RandomCoordinate(R, S.Width()), Y = RandomCoordinate(R, S.Height());

    if (R.OneIn(2)) {
      TextOut(S.DC, X, Y, Buffers.For(Length), Length);
    } else {
      // lpDx has one entry per byte handed over, and no more.
      std::vector<int> Dx(Length > 0 ? std::min<std::size_t>(std::size_t(Length), Text.size()) : 0);
      static const int AbsurdDx[] = {INT_MIN, INT_MAX, -1, 0, 1000000};
      for (int& D : Dx) D = R.OneIn(10) ? R.Pick(AbsurdDx) : R.Between(-5, 20);
      const TRect Rect = RandomRect(R, S.Width(), S.Height());
      const UINT Options = R.Below(8) & (ETO_OPAQUE | ETO_CLIPPED);
      const int* DxArg = Dx.empty() || R.OneIn(3) ? nullptr : Dx.data();
      const int Passed = DxArg ? int(Dx.size()) : Length;
      ExtTextOut(S.DC, X, Y, Options, R.OneIn(4) ? nullptr : &Rect, Buffers.For(Passed), Passed,
                 DxArg);
    }
    ASSERT_EQ(S.Trespass(), "") << "seed " << Seed;
  }
}

TEST_F(TextRobustness, ExtentsStayInsideTheirArrays) {
  for (std::uint32_t Seed = 1; Seed <= 400; ++Seed) {
    TTestRandom R(Seed * 104729);
    TTextSurface S(8, 8);
    S.Use(RandomFont(R));
    const std::string Text = RandomText(R);
    const TTextBuffers Buffers(Text);
    const int Length = R.OneIn(4) ? RandomLength(R, Text.size()) : int(Text.size());
    std::vector<int> Dx(Length > 0 ? std::min<std::size_t>(std::size_t(Length), Text.size()) : 0);
    const int Passed = Length > 0 ? int(Dx.size()) : Length;
    int Fit = -1;
    SIZE Size{-1, -1};
    const BOOL Ok = GetTextExtentExPoint(S.DC, Buffers.For(Passed), Passed, R.Any() % 500, &Fit,
                                         Dx.empty() ? nullptr : Dx.data(), &Size);
    if (!Ok) continue;
    EXPECT_GE(Size.cx, 0) << "seed " << Seed;
    EXPECT_GT(Size.cy, 0) << "seed " << Seed;
    EXPECT_GE(Fit, 0) << "seed " << Seed;
    EXPECT_LE(Fit, std::max(Passed, 0)) << "seed " << Seed;
    // Entries past a zero byte are not measured.
    const std::size_t Measured = std::min(Dx.size(), std::strlen(Buffers.Terminated.data()));
    for (std::size_t I = 1; I < Measured; ++I)
      EXPECT_GE(Dx[I], Dx[I - 1]) << "seed " << Seed << ": partial extents only grow";
  }
}

} // namespace
