// The canvas draws only through the desktop's drawing operations, so the
// artwork looks exactly like what the program itself renders.
#include "tools/artwork/ArtworkCanvas.h"

#include <cstring>
#include <stdexcept>

TArtworkCanvas::TArtworkCanvas(int Width, int Height)
    : FWidth(Width), FHeight(Height), FStride((Width * 3 + 3) & ~3) {
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = Width;
  Info.bmiHeader.biHeight = -Height;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 24;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  FDC = CreateCompatibleDC(nullptr);
  FBitmap = CreateDIBSection(FDC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (!FDC || !FBitmap || !Bits) throw std::runtime_error("cannot create the drawing surface");
  FBits = static_cast<std::uint8_t*>(Bits);
  FOldBitmap = SelectObject(FDC, FBitmap);
  SetBkMode(FDC, TRANSPARENT);
}

TArtworkCanvas::~TArtworkCanvas() {
  SelectObject(FDC, FOldBitmap);
  DeleteObject(FBitmap);
  DeleteDC(FDC);
}

COLORREF TArtworkCanvas::Pixel(int X, int Y) const {
  const std::uint8_t* P = Row(Y) + X * 3;
  return RGB(P[2], P[1], P[0]);
}

void TArtworkCanvas::Fill(const TRect& R, COLORREF Color) {
  HBRUSH Brush = CreateSolidBrush(Color);
  FillRect(FDC, &R, Brush);
  DeleteObject(Brush);
}

HFONT TArtworkCanvas::MakeFont(int EmHeight, bool Bold) {
  LOGFONTA Lf{};
  Lf.lfHeight = -EmHeight;
  Lf.lfWeight = Bold ? FW_BOLD : FW_NORMAL;
  Lf.lfQuality = ANTIALIASED_QUALITY;
  Lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strcpy(Lf.lfFaceName, "DejaVu Sans");
  return CreateFontIndirect(&Lf);
}

SIZE TArtworkCanvas::TextSize(const std::string& S, int EmHeight, bool Bold) {
  HFONT Font = MakeFont(EmHeight, Bold);
  HGDIOBJ Old = SelectObject(FDC, Font);
  SIZE Size{};
  GetTextExtentPoint32(FDC, S.c_str(), int(S.size()), &Size);
  SelectObject(FDC, Old);
  DeleteObject(Font);
  return Size;
}

void TArtworkCanvas::Text(int X, int Y, const std::string& S, int EmHeight, bool Bold,
                          COLORREF Color) {
  HFONT Font = MakeFont(EmHeight, Bold);
  HGDIOBJ Old = SelectObject(FDC, Font);
  SetTextColor(FDC, Color);
  TextOut(FDC, X, Y, S.c_str(), int(S.size()));
  SelectObject(FDC, Old);
  DeleteObject(Font);
}
