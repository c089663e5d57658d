#include "platform/x11/X11RestoreBar.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Gdi.h"

#include <X11/extensions/shape.h>

#include <algorithm>

TX11RestoreBar::~TX11RestoreBar() {
  if (!FWindow || FConn.Lost()) return;
  FPainter.Forget(FWindow);
  XDestroyWindow(FConn.Dpy(), FWindow);
}

bool TX11RestoreBar::Add(HWND Wnd) {
  if (!FRow.Add(Wnd)) return false;
  FWnds.push_back(Wnd);
  return true;
}

bool TX11RestoreBar::Remove(HWND Wnd) {
  if (!FRow.Remove(Wnd)) return false;
  FWnds.erase(std::find(FWnds.begin(), FWnds.end(), Wnd));
  return true;
}

void TX11RestoreBar::Create() {
  XSetWindowAttributes A{};
  A.override_redirect = True;
  A.colormap = FConn.Colors();
  A.border_pixel = 0;
  A.background_pixmap = None;
  A.event_mask = ExposureMask | ButtonPressMask;
  FWindow = XCreateWindow(
      FConn.Dpy(), FConn.Root(), 0, 0, 1, 1, 0, FConn.Depth(), InputOutput, FConn.Visual24(),
      CWOverrideRedirect | CWColormap | CWBorderPixel | CWBackPixmap | CWEventMask, &A);
}

void TX11RestoreBar::Refresh(const TRect& Work) {
  if (FConn.Lost()) return;
  FRow.SetWorkArea(Work);
  TRect Band = FRow.Band();
  if (Band.Width() <= 0 || Band.Height() <= 0) {
    if (FMapped) XUnmapWindow(FConn.Dpy(), FWindow);
    FMapped = false;
    return;
  }
  if (!FWindow) Create();
  FBand = Band;
  TPoint At = FMetrics.ToRoot(TPoint{Band.Left, Band.Top});
  XMoveResizeWindow(FConn.Dpy(), FWindow, At.X, At.Y, unsigned(Band.Width()),
                    unsigned(Band.Height()));
  Shape(Band);
  FSurface = std::make_unique<TGdiBitmap>(Band.Width(), Band.Height(), 32);
  if (FSurface->Valid()) {
    // The row paints in screen coordinates; the surface starts at the band.
    HDC Dc = GdiCreateSurfaceDC(FSurface.get(), TPoint{-Band.Left, -Band.Top}, nullptr, nullptr);
    FRow.Paint(Dc, Band, FActive);
    DeleteDC(Dc);
  }
  XMapRaised(FConn.Dpy(), FWindow);
  FMapped = true;
  Repaint();
}

void TX11RestoreBar::Shape(const TRect& Band) {
  std::vector<XRectangle> Rects;
  for (HWND W : FWnds) {
    TRect B = FRow.BarOf(W);
    if (B.Width() > 0 && B.Height() > 0)
      Rects.push_back(XRectangle{short(B.Left - Band.Left), short(B.Top - Band.Top),
                                 (unsigned short)B.Width(), (unsigned short)B.Height()});
  }
  XShapeCombineRectangles(FConn.Dpy(), FWindow, ShapeBounding, 0, 0, Rects.data(),
                          int(Rects.size()), ShapeSet, Unsorted);
}

void TX11RestoreBar::Repaint() {
  if (FMapped && FSurface && FSurface->Valid())
    FPainter.Put(FWindow, *FSurface, TRect{0, 0, FSurface->Width(), FSurface->Height()});
}
