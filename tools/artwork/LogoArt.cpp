// Every stroke is at least 3 pixels wide and the ticks are 20 pixels apart,
// so the ruler still shows as ticks (not as grey mush) after the 4:1
// reduction of the logo window.
#include "tools/artwork/LogoArt.h"

#include <string>

namespace {

constexpr int LogoRulerBottom = 66;
constexpr int LogoGuideLeft = 30, LogoGuideWidth = 7;

void PaintLogoBackground(TArtworkCanvas& C) {
  // A soft paper gradient from top to bottom.
  for (int Y = 0; Y < C.Height(); ++Y) {
    int T = Y * 24 / C.Height();
    C.Fill(Rect(0, Y, C.Width(), Y + 1), RGB(255 - T / 2, 251 - T, 238 - T * 2));
  }
}

void PaintLogoRuler(TArtworkCanvas& C) {
  C.Fill(Rect(0, 0, C.Width(), LogoRulerBottom), ArtRulerYellow);
  C.Fill(Rect(0, LogoRulerBottom - 4, C.Width(), LogoRulerBottom), ArtRulerEdge);
  C.Fill(Rect(0, LogoRulerBottom, C.Width(), LogoRulerBottom + 3), RGB(214, 204, 178));
  for (int I = 0, X = LogoGuideLeft + 1; X < C.Width() - 4; ++I, X += 20) {
    bool Major = I % 5 == 0;
    int Length = Major ? 34 : I % 5 == 2 || I % 5 == 3 ? 14 : 20;
    C.Fill(Rect(X, 0, X + (Major ? 4 : 3), Length), ArtTickInk);
    if (Major && X + 30 < C.Width()) C.Text(X + 8, 28, std::to_string(I / 5), 22, true, ArtTickInk);
  }
}

void PaintLogoGuide(TArtworkCanvas& C) {
  C.Fill(Rect(LogoGuideLeft + 3, 0, LogoGuideLeft + LogoGuideWidth + 3, C.Height()),
         RGB(226, 210, 196));
  C.Fill(Rect(LogoGuideLeft, 0, LogoGuideLeft + LogoGuideWidth, C.Height()), ArtGuideRed);
  // A marker where the guide crosses the ruler's edge.
  for (int Row = 0; Row < 12; ++Row)
    C.Fill(Rect(LogoGuideLeft + 3 - 12 + Row, LogoRulerBottom + Row, LogoGuideLeft + 4 + 12 - Row,
                LogoRulerBottom + Row + 1),
           ArtGuideRed);
}

void PaintLogoName(TArtworkCanvas& C) {
  const std::string Name = "Tavrel";
  const int Left = LogoGuideLeft + LogoGuideWidth + 22, Room = C.Width() - Left - 18;
  int Em = 170;
  while (Em > 40 && C.TextSize(Name, Em, true).cx > Room) Em -= 2;
  SIZE Size = C.TextSize(Name, Em, true);
  int Top = LogoRulerBottom + (C.Height() - LogoRulerBottom - Size.cy) / 2 + 4;
  C.Text(Left + 5, Top + 5, Name, Em, true, RGB(200, 190, 168));
  C.Text(Left, Top, Name, Em, true, ArtNameNavy);
  // The reading line under the name, as drawn against a ruler.
  int Base = Top + Size.cy - Em / 5;
  C.Fill(Rect(Left, Base, Left + Size.cx, Base + 4), ArtGuideRed);
}

} // namespace

void PaintLogo(TArtworkCanvas& Canvas) {
  PaintLogoBackground(Canvas);
  PaintLogoRuler(Canvas);
  PaintLogoGuide(Canvas);
  PaintLogoName(Canvas);
}
