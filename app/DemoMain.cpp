// A demonstration of the drawing layer while the ruler itself is being
// built: it paints what the program will show (a translucent-looking guide
// line with the coordinate caption beside it, and a small menu panel with
// a rotated side caption) into an in-memory surface and writes it as PNG.
#include "platform/Png.h"
#include "platform/WinGdi.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HFONT MakeFont(const char* Face, int Height, int Weight, int Escapement) {
  LOGFONTA Lf{};
  Lf.lfHeight = Height;
  Lf.lfWeight = Weight;
  Lf.lfEscapement = Escapement;
  Lf.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(Lf.lfFaceName, Face, LF_FACESIZE - 1);
  return CreateFontIndirect(&Lf);
}

void FillSolid(HDC DC, const TRect& R, COLORREF Color) {
  HBRUSH Brush = CreateSolidBrush(Color);
  FillRect(DC, &R, Brush);
  DeleteObject(Brush);
}

void PaintBackdrop(HDC DC, int W, int H) {
  for (int Y = 0; Y < H; ++Y) {
    BYTE Shade = BYTE(0xE8 - Y * 0x30 / H);
    HPEN Pen = CreatePen(PS_SOLID, 1, RGB(Shade, Shade, 0xF0));
    HGDIOBJ Old = SelectObject(DC, Pen);
    MoveToEx(DC, 0, Y, nullptr);
    LineTo(DC, W, Y);
    SelectObject(DC, Old);
    DeleteObject(Pen);
  }
  HFONT Font = MakeFont("DejaVu Serif", -15, FW_NORMAL, 0);
  HGDIOBJ Old = SelectObject(DC, Font);
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, RGB(0x30, 0x30, 0x40));
  TRect Para{40, 40, W / 2 - 20, H - 40};
  const char* Text = "Tavrel legger en tynn, gjennomsiktig linje over hele skjermen, "
                     "over alle vinduer, til å lese og måle etter.";
  DrawText(DC, Text, -1, &Para, DT_WORDBREAK | DT_LEFT);
  SelectObject(DC, Old);
  DeleteObject(Font);
}

void PaintGuideLine(HDC DC, int X, int H) {
  FillSolid(DC, TRect{X, 0, X + 1, H}, RGB(0, 0, 0));
  HFONT Font = MakeFont("Tahoma", -11, FW_BOLD, 0);
  HGDIOBJ Old = SelectObject(DC, Font);
  SetBkMode(DC, OPAQUE);
  SetBkColor(DC, RGB(0xFF, 0xFF, 0xE1));
  char Caption[16];
  std::snprintf(Caption, sizeof Caption, "%d", X);
  TextOut(DC, X + 10, 10, Caption, int(std::strlen(Caption)));
  SelectObject(DC, Old);
  DeleteObject(Font);
}

void PaintMenuPanel(HDC DC, const TRect& R) {
  FillSolid(DC, R, RGB(0xF6, 0xF6, 0xF6));
  FillSolid(DC, TRect{R.Left, R.Top, R.Left + 24, R.Bottom}, RGB(0xDE, 0xDE, 0xE6));
  HBRUSH Border = CreateSolidBrush(RGB(0x94, 0x7C, 0x7C));
  FrameRect(DC, &R, Border);
  DeleteObject(Border);

  HFONT Side = MakeFont("Tahoma", -12, FW_BOLD, 900);
  HGDIOBJ Old = SelectObject(DC, Side);
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, RGB(0x40, 0x40, 0x80));
  TextOut(DC, R.Left + 5, R.Bottom - 6, "Tavrel", 6);
  SelectObject(DC, Old);
  DeleteObject(Side);

  static const char* Items[] = {"&Minimer", "&Vertikal", "&Horisontal", "-", "&Om Tavrel"};
  HFONT Font = MakeFont("Tahoma", -11, FW_NORMAL, 0);
  Old = SelectObject(DC, Font);
  SetTextColor(DC, RGB(0, 0, 0));
  int Y = R.Top + 4;
  for (const char* Item : Items) {
    if (std::strcmp(Item, "-") == 0) {
      FillSolid(DC, TRect{R.Left + 28, Y + 3, R.Right - 4, Y + 4}, RGB(0x6E, 0x6D, 0x8F));
      Y += 7;
      continue;
    }
    TRect Line{R.Left + 32, Y, R.Right - 4, Y + 20};
    DrawText(DC, Item, -1, &Line, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    Y += 20;
  }
  SelectObject(DC, Old);
  DeleteObject(Font);
}

} // namespace

int main(int argc, char** argv) {
  const int W = 640, H = 360;
  std::string Path = argc > 1 ? argv[1] : "tavrel-demo.png";
  HDC Screen = CreateCompatibleDC(nullptr);
  HDC DC = CreateCompatibleDC(Screen);
  BITMAPINFO Info{};
  Info.bmiHeader = {sizeof(BITMAPINFOHEADER), W, -H, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* Bits = nullptr;
  HBITMAP Surface = CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (!Surface) {
    std::fprintf(stderr, "tavrel: cannot create a %dx%d surface\n", W, H);
    return 1;
  }
  HGDIOBJ Old = SelectObject(DC, Surface);
  PaintBackdrop(DC, W, H);
  PaintGuideLine(DC, W / 2 + 40, H);
  PaintMenuPanel(DC, TRect{W / 2 + 100, 60, W / 2 + 260, 159});
  BOOL Written = WriteDCPng(DC, Path.c_str());
  SelectObject(DC, Old);
  DeleteObject(Surface);
  DeleteDC(DC);
  DeleteDC(Screen);
  if (!Written) {
    std::fprintf(stderr, "tavrel: cannot write %s\n", Path.c_str());
    return 1;
  }
  std::printf("%s\n", Path.c_str());
  return 0;
}
