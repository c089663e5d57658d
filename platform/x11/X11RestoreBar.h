// Without a window manager nothing would show a minimised window or bring
// it back, so the desktop shows the headless desktop's row of small
// caption bars (TMinimizedRow) itself: one override-redirect X window over
// the bottom of the work area, shaped to the bars so the free part of the
// row hides nothing, repainted after every change. The row is laid out in
// the window layer's coordinates; only the bar window's place is in the
// root's.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/headless/MinimizedRow.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Metrics.h"
#include "platform/x11/X11SurfacePainter.h"

#include <memory>
#include <vector>

class TX11RestoreBar {
public:
  TX11RestoreBar(TX11Connection& Conn, TX11SurfacePainter& Painter, TX11Metrics& Metrics)
      : FConn(Conn), FPainter(Painter), FMetrics(Metrics) {}
  ~TX11RestoreBar();
  TX11RestoreBar(const TX11RestoreBar&) = delete;
  TX11RestoreBar& operator=(const TX11RestoreBar&) = delete;

  // Each returns whether the row changed; call Refresh afterwards.
  bool Add(HWND Wnd);
  bool Remove(HWND Wnd);
  bool Contains(HWND Wnd) const { return FRow.Contains(Wnd); }
  bool Empty() const { return FRow.Empty(); }
  void SetActive(HWND Wnd) { FActive = Wnd; }

  // Lays the row out in Work (window-layer coordinates), then shows, reshapes and repaints the bar
  // window, or hides it when the row is empty.
  void Refresh(const TRect& Work);
  // Puts the painted bars again (an Expose).
  void Repaint();
  bool Owns(Window W) const { return W && W == FWindow; }
  // The window whose bar lies at window-layer screen point Pos, or null.
  HWND WindowAt(TPoint Pos) const { return FRow.BarAt(Pos); }
  // Screen rectangle of Wnd's bar, empty when it has none.
  TRect BarOf(HWND Wnd) const { return FRow.BarOf(Wnd); }

private:
  void Create();
  void Shape(const TRect& Band);

  TX11Connection& FConn;
  TX11SurfacePainter& FPainter;
  TX11Metrics& FMetrics;
  TMinimizedRow FRow;
  // The row's windows, for the shape.
  std::vector<HWND> FWnds;
  HWND FActive = nullptr;
  Window FWindow = 0;
  bool FMapped = false;
  TRect FBand{0, 0, 0, 0};
  std::unique_ptr<TGdiBitmap> FSurface;
};
