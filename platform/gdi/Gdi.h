// The drawing layer's process-wide state: the handle table of GDI objects,
// the stock objects, and the display's properties. Internal to the
// platform layer; the window layer uses GdiCreateSurfaceDC to draw into
// window surfaces.
#pragma once

#include "platform/HandleTable.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObject.h"

#include <memory>

struct TDisplayInfo {
  int Width = 1280;
  int Height = 1024;
  int BitsPerPixel = 32;
  int Planes = 1;
  int LogPixels = 96;
};

// The display the drawing layer reports (GetDeviceCaps); the desktop
// backend sets it, tests may change it.
TDisplayInfo& GdiDisplay();

THandleTable<TGdiObject>& GdiTable();

// Adds an object and returns its handle.
HGDIOBJ GdiAdd(std::unique_ptr<TGdiObject> Obj);

// The object behind H when it is of kind Kind (OBJ_DC accepts memory DCs
// too), else null.
TGdiObject* GdiFind(HGDIOBJ H, DWORD Kind);
template <class T> T* GdiFind(HGDIOBJ H, DWORD Kind) { return static_cast<T*>(GdiFind(H, Kind)); }
TGdiDC* GdiFindDC(HDC H);

// The stock object Index (GetStockObject's numbering), created on first
// use; null for an index that names none.
HGDIOBJ GdiStockObject(int Index);
// The 1x1 monochrome bitmap every new memory DC starts with.
HBITMAP GdiStockBitmap();

// A COLORREF as the DC paints it: PALETTEINDEX values pick an entry of the
// DC's palette, every other value keeps its low 24 bits.
TRgb32 GdiResolveColor(const TGdiDC& DC, COLORREF Color);

// The colour the brush paints at device pixel (X, Y). False means "leave
// the destination as it is": a null brush, a bad handle, or the gaps of a
// hatch when the DC's background mode is TRANSPARENT. Hatches and
// monochrome patterns take the DC's text and background colours, aligned
// to the brush origin; handles COLOR_* + 1 stand for system colour brushes.
bool GdiBrushPixel(const TGdiDC& DC, HGDIOBJ Brush, int DeviceX, int DeviceY, TRgb32& Out);

// Selection bookkeeping: frees an object whose deletion waited for the
// last DC to release it.
void GdiRetain(HGDIOBJ H);
void GdiRelease(HGDIOBJ H);

// A DC that draws into Surface, which the caller owns and keeps alive
// until GdiDetachSurface(Surface) or DeleteDC. Origin is where device
// (0, 0) lies on the surface; Visible limits drawing (device coordinates).
HDC GdiCreateSurfaceDC(TGdiBitmap* Surface, TPoint Origin, const TRegionData* Visible, HWND Wnd);
// Changes where an existing surface DC draws (a window moved or resized).
void GdiSetSurfaceDCVisible(HDC H, TPoint Origin, const TRegionData* Visible);
// Every DC that draws into Surface draws nothing from now on.
void GdiDetachSurface(TGdiBitmap* Surface);
