// Puts parts of a window's 32-bit surface onto its X window. On a local
// server with MIT-SHM each window gets a shared image of its size, so a
// put costs one copy into shared memory and no socket traffic; elsewhere
// (a remote display, a server without the extension, an attach the server
// refused) the pixels go through XPutImage straight from the surface.
#pragma once

#include "platform/WinTypes.h"
#include "platform/x11/X11Connection.h"

#include <X11/extensions/XShm.h>

#include <map>

class TGdiBitmap;

class TX11SurfacePainter {
public:
  explicit TX11SurfacePainter(TX11Connection& Conn);
  ~TX11SurfacePainter();
  TX11SurfacePainter(const TX11SurfacePainter&) = delete;
  TX11SurfacePainter& operator=(const TX11SurfacePainter&) = delete;

  // Puts Part (window coordinates) of Surface at the same place on W.
  void Put(Window W, const TGdiBitmap& Surface, const TRect& Part);
  // Drops what was kept for W (its window is gone).
  void Forget(Window W);
  // The server finished a shared put; true when E was one of those.
  bool HandleEvent(const XEvent& E);
  bool SharedMemory() const { return FShmUsable; }

private:
  struct TShared {
    XShmSegmentInfo Info{};
    XImage* Image = nullptr;
    bool Busy = false;
  };
  TShared* SharedFor(Window W, int Width, int Height);
  bool Attach(TShared& S, int Width, int Height);
  void Release(TShared& S);
  void PutPlain(Window W, const TGdiBitmap& Surface, const TRect& Part);

  TX11Connection& FConn;
  GC FGc = nullptr;
  bool FShmUsable = false;
  int FCompletionType = -1;
  std::map<Window, TShared> FShared;
};
