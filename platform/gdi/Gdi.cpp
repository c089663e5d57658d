// The drawing layer's process-wide state. The handle table is created on
// first use and never destroyed: objects that other static objects still
// hold at exit stay valid, and nothing depends on the order in which
// statics are torn down. Stock objects are ordinary table entries flagged
// Stock, so every operation treats them like any other object except
// DeleteObject, which leaves them alone.
#include "platform/gdi/Gdi.h"

#include "platform/gdi/DcState.h"
#include "platform/gdi/GdiInk.h"

#include <cstring>

namespace {

constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

// The twenty static colours of the default palette: the first and last
// ten entries of the classic 256-colour system palette.
constexpr BYTE kStaticColors[20][3] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0xC0, 0xDC, 0xC0}, {0xA6, 0xCA, 0xF0}, {0xFF, 0xFB, 0xF0}, {0xA0, 0xA0, 0xA4},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF}};

HGDIOBJ AddStock(std::unique_ptr<TGdiObject> Obj) {
  Obj->Stock = true;
  return GdiAdd(std::move(Obj));
}

HGDIOBJ StockBrush(UINT Style, COLORREF Color) {
  auto B = std::make_unique<TGdiBrush>();
  B->Log = LOGBRUSH{Style, Color, 0};
  return AddStock(std::move(B));
}

HGDIOBJ StockPen(int Style, COLORREF Color) {
  auto P = std::make_unique<TGdiPen>();
  P->Log = LOGPEN{UINT(Style), TPoint{0, 0}, Color};
  return AddStock(std::move(P));
}

HGDIOBJ StockFont(const char* Face, LONG Height, LONG Weight, BYTE CharSet, BYTE Pitch) {
  auto F = std::make_unique<TGdiFont>();
  F->Log.lfHeight = Height;
  F->Log.lfWeight = Weight;
  F->Log.lfCharSet = CharSet;
  F->Log.lfPitchAndFamily = Pitch;
  std::strncpy(F->Log.lfFaceName, Face, LF_FACESIZE - 1);
  return AddStock(std::move(F));
}

HGDIOBJ StockPalette() {
  auto P = std::make_unique<TGdiPalette>();
  for (const auto& C : kStaticColors) P->Entries.push_back(PALETTEENTRY{C[0], C[1], C[2], 0});
  return AddStock(std::move(P));
}

HGDIOBJ CreateStock(int Index) {
  const BYTE Fixed = FIXED_PITCH | FF_MODERN, Swiss = VARIABLE_PITCH | FF_SWISS;
  switch (Index) {
  case WHITE_BRUSH: return StockBrush(BS_SOLID, RGB(0xFF, 0xFF, 0xFF));
  case LTGRAY_BRUSH: return StockBrush(BS_SOLID, RGB(0xC0, 0xC0, 0xC0));
  case GRAY_BRUSH: return StockBrush(BS_SOLID, RGB(0x80, 0x80, 0x80));
  case DKGRAY_BRUSH: return StockBrush(BS_SOLID, RGB(0x40, 0x40, 0x40));
  case BLACK_BRUSH: return StockBrush(BS_SOLID, RGB(0, 0, 0));
  case NULL_BRUSH: return StockBrush(BS_NULL, 0);
  case WHITE_PEN: return StockPen(PS_SOLID, RGB(0xFF, 0xFF, 0xFF));
  case BLACK_PEN: return StockPen(PS_SOLID, RGB(0, 0, 0));
  case NULL_PEN: return StockPen(PS_NULL, 0);
  case OEM_FIXED_FONT: return StockFont("Courier", 12, FW_NORMAL, OEM_CHARSET, Fixed);
  case ANSI_FIXED_FONT: return StockFont("Courier", 12, FW_NORMAL, ANSI_CHARSET, Fixed);
  case ANSI_VAR_FONT: return StockFont("MS Sans Serif", 12, FW_NORMAL, ANSI_CHARSET, Swiss);
  case SYSTEM_FONT:
  case DEVICE_DEFAULT_FONT: return StockFont("System", 16, FW_BOLD, ANSI_CHARSET, Swiss);
  case DEFAULT_PALETTE: return StockPalette();
  case SYSTEM_FIXED_FONT: return StockFont("Courier", 16, FW_NORMAL, ANSI_CHARSET, Fixed);
  case DEFAULT_GUI_FONT: return StockFont("MS Shell Dlg", -11, FW_NORMAL, DEFAULT_CHARSET, Swiss);
  default: return nullptr;
  }
}

} // namespace

TDisplayInfo& GdiDisplay() {
  static TDisplayInfo Display;
  return Display;
}

THandleTable<TGdiObject>& GdiTable() {
  static auto* Table = new THandleTable<TGdiObject>();
  return *Table;
}

HGDIOBJ GdiAdd(std::unique_ptr<TGdiObject> Obj) {
  if (!Obj) return nullptr;
  return reinterpret_cast<HGDIOBJ>(GdiTable().Add(std::move(Obj)));
}

TGdiObject* GdiFind(HGDIOBJ H, DWORD Kind) {
  TGdiObject* Obj = GdiTable().Find(reinterpret_cast<std::uintptr_t>(H));
  if (!Obj) return nullptr;
  if (Obj->Kind() == Kind || (Kind == OBJ_DC && Obj->Kind() == OBJ_MEMDC)) return Obj;
  return nullptr;
}

TGdiDC* GdiFindDC(HDC H) { return GdiFind<TGdiDC>(H, OBJ_DC); }

HGDIOBJ GdiStockObject(int Index) {
  static HGDIOBJ Stock[kStockCount] = {};
  if (Index < 0 || Index >= kStockCount) return nullptr;
  if (!Stock[Index]) Stock[Index] = CreateStock(Index);
  return Stock[Index];
}

HBITMAP GdiStockBitmap() {
  static HGDIOBJ Bitmap = AddStock(std::make_unique<TGdiBitmap>(1, 1, 1));
  return static_cast<HBITMAP>(Bitmap);
}

TRgb32 GdiResolveColor(const TGdiDC& DC, COLORREF Color) {
  if ((Color >> 24) == 0x01) {
    const TGdiPalette* Pal = GdiFind<TGdiPalette>(DC.State.Palette, OBJ_PAL);
    std::size_t Index = Color & 0xFFFF;
    if (!Pal || Pal->Entries.empty()) return 0;
    const PALETTEENTRY& E = Pal->Entries[Index < Pal->Entries.size() ? Index : 0];
    return (TRgb32(E.peRed) << 16) | (TRgb32(E.peGreen) << 8) | E.peBlue;
  }
  return ColorRefToRgb32(Color & 0xFFFFFF);
}

bool GdiBrushPixel(const TGdiDC& DC, HGDIOBJ Brush, int DeviceX, int DeviceY, TRgb32& Out) {
  return TGdiInk::OfBrush(DC, Brush).At(DeviceX, DeviceY, Out);
}

void GdiRetain(HGDIOBJ H) {
  if (TGdiObject* Obj = GdiTable().Find(reinterpret_cast<std::uintptr_t>(H))) ++Obj->SelectCount;
}

void GdiRelease(HGDIOBJ H) {
  TGdiObject* Obj = GdiTable().Find(reinterpret_cast<std::uintptr_t>(H));
  if (!Obj || Obj->SelectCount <= 0) return;
  if (--Obj->SelectCount == 0 && Obj->DeletePending && !Obj->Stock)
    GdiTable().Remove(reinterpret_cast<std::uintptr_t>(H));
}

HDC GdiCreateSurfaceDC(TGdiBitmap* Surface, TPoint Origin, const TRegionData* Visible, HWND Wnd) {
  auto DC = std::make_unique<TGdiDC>(OBJ_DC);
  GdiInitDCState(*DC, false);
  DC->LentSurface = Surface;
  DC->Window = Wnd;
  HDC H = static_cast<HDC>(GdiAdd(std::move(DC)));
  GdiSetSurfaceDCVisible(H, Origin, Visible);
  return H;
}

void GdiSetSurfaceDCVisible(HDC H, TPoint Origin, const TRegionData* Visible) {
  TGdiDC* DC = GdiFindDC(H);
  if (!DC || DC->Kind() != OBJ_DC) return;
  DC->SurfaceOrigin = Origin;
  DC->HasVisRgn = Visible != nullptr;
  DC->VisRgn = Visible ? *Visible : TRegionData();
  DC->InvalidateClip();
}

void GdiDetachSurface(TGdiBitmap* Surface) {
  if (!Surface) return;
  GdiTable().ForEach([Surface](std::uintptr_t, TGdiObject* Obj) {
    if (Obj->Kind() != OBJ_DC) return;
    auto* DC = static_cast<TGdiDC*>(Obj);
    if (DC->LentSurface != Surface) return;
    DC->LentSurface = nullptr;
    DC->InvalidateClip();
  });
}
