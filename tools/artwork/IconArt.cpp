// The icon is drawn with plain fills in colours of the classic 16-colour
// palette on a key colour outside it; each pixel then maps to its exact
// palette entry, and the key colour becomes the transparent mask.
#include "tools/artwork/IconArt.h"

#include <stdexcept>

namespace {

constexpr COLORREF IconKey = RGB(1, 2, 3);

constexpr COLORREF IconPalette[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};
constexpr COLORREF IconBlack = IconPalette[0], IconNavy = IconPalette[4],
                   IconOlive = IconPalette[3], IconRed = IconPalette[9],
                   IconYellow = IconPalette[11], IconGray = IconPalette[8];

void PaintIconRuler(TArtworkCanvas& C) {
  C.Fill(Rect(1, 17, 31, 29), IconBlack);
  C.Fill(Rect(2, 18, 30, 28), IconYellow);
  C.Fill(Rect(2, 27, 30, 28), IconOlive);
  C.Fill(Rect(2, 29, 31, 30), IconGray);
  for (int I = 0, X = 4; X < 29; ++I, X += 3)
    C.Fill(Rect(X, 18, X + 1, 18 + (I % 4 == 0 ? 6 : 3)), IconBlack);
}

void PaintIconGuideAndName(TArtworkCanvas& C) {
  C.Fill(Rect(21, 0, 23, 32), IconRed);
  C.Fill(Rect(19, 15, 25, 16), IconRed);
  C.Fill(Rect(20, 16, 24, 17), IconRed);
  C.Fill(Rect(3, 2, 17, 5), IconNavy);
  C.Fill(Rect(8, 5, 12, 15), IconNavy);
}

int IconPaletteIndex(COLORREF Color) {
  for (int I = 0; I < 16; ++I)
    if (IconPalette[I] == Color) return I;
  throw std::runtime_error("icon pixel outside the 16-colour palette");
}

} // namespace

TIconArt PaintIcon() {
  TArtworkCanvas C(IconSide, IconSide);
  C.Fill(Rect(0, 0, IconSide, IconSide), IconKey);
  PaintIconRuler(C);
  PaintIconGuideAndName(C);
  TIconArt Art;
  for (int I = 0; I < 16; ++I)
    Art.Palette[I] =
        RGBQUAD{GetBValue(IconPalette[I]), GetGValue(IconPalette[I]), GetRValue(IconPalette[I]), 0};
  for (int Y = 0; Y < IconSide; ++Y)
    for (int X = 0; X < IconSide; ++X) {
      COLORREF P = C.Pixel(X, Y);
      bool Clear = P == IconKey;
      Art.Transparent.push_back(Clear);
      Art.Index.push_back(std::uint8_t(Clear ? 0 : IconPaletteIndex(P)));
    }
  return Art;
}
