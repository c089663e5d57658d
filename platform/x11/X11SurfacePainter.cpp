// A shared image is written only while the server is not reading it: each
// put asks for a completion event, and a write that finds the previous put
// still unconfirmed first waits for the server (XSync).
#include "platform/x11/X11SurfacePainter.h"

#include "platform/gdi/Bitmap.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace {

// The surface's word order in memory, whatever the server's.
int HostByteOrder() { return std::endian::native == std::endian::little ? LSBFirst : MSBFirst; }

bool Usable(const TGdiBitmap& S) { return S.BitsPerPixel() == 32 && !S.BottomUp() && S.Bits(); }

// Part clipped to the surface; false when nothing is left.
bool Clip(const TGdiBitmap& S, const TRect& Part, TRect& Out) {
  Out = TRect{std::max<LONG>(Part.Left, 0), std::max<LONG>(Part.Top, 0),
              std::min<LONG>(Part.Right, S.Width()), std::min<LONG>(Part.Bottom, S.Height())};
  return Out.Left < Out.Right && Out.Top < Out.Bottom;
}

} // namespace

TX11SurfacePainter::TX11SurfacePainter(TX11Connection& Conn) : FConn(Conn) {
  Display* D = FConn.Dpy();
  // A GC for drawables of the surfaces' depth, which need not be the root's.
  Pixmap P = XCreatePixmap(D, FConn.Root(), 1, 1, unsigned(FConn.Depth()));
  FGc = XCreateGC(D, P, 0, nullptr);
  XFreePixmap(D, P);
  FShmUsable = FConn.Local() && XShmQueryExtension(D);
  if (FShmUsable) FCompletionType = XShmGetEventBase(D) + ShmCompletion;
}

TX11SurfacePainter::~TX11SurfacePainter() {
  for (auto& [W, S] : FShared) Release(S);
  // Also on a lost link: Xlib frees its side and sends nothing.
  XFreeGC(FConn.Dpy(), FGc);
}

void TX11SurfacePainter::Put(Window W, const TGdiBitmap& Surface, const TRect& Part) {
  TRect R;
  if (FConn.Lost() || !W || !Usable(Surface) || !Clip(Surface, Part, R)) return;
  TShared* S = FShmUsable ? SharedFor(W, Surface.Width(), Surface.Height()) : nullptr;
  if (!S) {
    PutPlain(W, Surface, R);
    return;
  }
  if (S->Busy) {
    XSync(FConn.Dpy(), False);
    S->Busy = false;
  }
  XImage* I = S->Image;
  std::size_t Bytes = std::size_t(R.Width()) * 4;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    std::memcpy(I->data + std::ptrdiff_t(Y) * I->bytes_per_line + R.Left * 4,
                Surface.Row(Y) + R.Left * 4, Bytes);
  XShmPutImage(FConn.Dpy(), W, FGc, I, R.Left, R.Top, R.Left, R.Top, unsigned(R.Width()),
               unsigned(R.Height()), True);
  S->Busy = true;
}

void TX11SurfacePainter::PutPlain(Window W, const TGdiBitmap& Surface, const TRect& R) {
  XImage I{};
  I.width = Surface.Width();
  I.height = Surface.Height();
  I.format = ZPixmap;
  I.data = reinterpret_cast<char*>(const_cast<BYTE*>(Surface.Bits()));
  I.byte_order = HostByteOrder();
  I.bitmap_unit = 32;
  I.bitmap_bit_order = HostByteOrder();
  I.bitmap_pad = 32;
  I.depth = FConn.Depth();
  I.bytes_per_line = Surface.Stride();
  I.bits_per_pixel = 32;
  I.red_mask = 0xFF0000;
  I.green_mask = 0xFF00;
  I.blue_mask = 0xFF;
  if (!XInitImage(&I)) return;
  XPutImage(FConn.Dpy(), W, FGc, &I, R.Left, R.Top, R.Left, R.Top, unsigned(R.Width()),
            unsigned(R.Height()));
}

TX11SurfacePainter::TShared* TX11SurfacePainter::SharedFor(Window W, int Width, int Height) {
  auto It = FShared.find(W);
  if (It != FShared.end() && It->second.Image->width == Width && It->second.Image->height == Height)
    return &It->second;
  if (It != FShared.end()) {
    Release(It->second);
    FShared.erase(It);
  }
  // In place: the image keeps the address of its segment information.
  TShared& S = FShared[W];
  if (Attach(S, Width, Height)) return &S;
  FShared.erase(W);
  return nullptr;
}

bool TX11SurfacePainter::Attach(TShared& S, int Width, int Height) {
  Display* D = FConn.Dpy();
  S.Image = XShmCreateImage(D, FConn.Visual24(), unsigned(FConn.Depth()), ZPixmap, nullptr, &S.Info,
                            unsigned(Width), unsigned(Height));
  if (!S.Image) return false;
  std::size_t Size = std::size_t(S.Image->bytes_per_line) * std::size_t(Height);
  S.Info.shmid = shmget(IPC_PRIVATE, Size, IPC_CREAT | 0600);
  if (S.Info.shmid < 0) {
    XDestroyImage(S.Image);
    S.Image = nullptr;
    return false;
  }
  S.Info.shmaddr = S.Image->data = static_cast<char*>(shmat(S.Info.shmid, nullptr, 0));
  S.Info.readOnly = True;
  unsigned long Serial = NextRequest(D);
  bool Ok = S.Info.shmaddr != reinterpret_cast<char*>(-1) && XShmAttach(D, &S.Info) &&
            !FConn.FailedSince(Serial);
  // Marked for removal now: it goes away with the last detach, even if
  // the program dies.
  shmctl(S.Info.shmid, IPC_RMID, nullptr);
  if (Ok) return true;
  // The server cannot reach our memory (another machine or namespace):
  // plain puts from now on.
  FShmUsable = false;
  if (S.Info.shmaddr != reinterpret_cast<char*>(-1)) shmdt(S.Info.shmaddr);
  S.Image->data = nullptr;
  XDestroyImage(S.Image);
  S.Image = nullptr;
  return false;
}

void TX11SurfacePainter::Release(TShared& S) {
  if (!S.Image) return;
  if (!FConn.Lost()) {
    XShmDetach(FConn.Dpy(), &S.Info);
    // The server must let go before the memory does.
    XSync(FConn.Dpy(), False);
  }
  shmdt(S.Info.shmaddr);
  S.Image->data = nullptr;
  XDestroyImage(S.Image);
  S.Image = nullptr;
}

void TX11SurfacePainter::Forget(Window W) {
  auto It = FShared.find(W);
  if (It == FShared.end()) return;
  Release(It->second);
  FShared.erase(It);
}

bool TX11SurfacePainter::HandleEvent(const XEvent& E) {
  if (E.type != FCompletionType || FCompletionType < 0) return false;
  auto It = FShared.find(reinterpret_cast<const XShmCompletionEvent&>(E).drawable);
  if (It != FShared.end()) It->second.Busy = false;
  return true;
}
