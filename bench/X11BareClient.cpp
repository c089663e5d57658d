// The yardstick for the cold-start benchmark: the least an X client can
// do to put three windows on the screen. It connects, names its process
// on three plain windows, maps them and waits to be stopped. The time the
// benchmark measures for it is what exec, the server, the window manager
// and the compositor cost on this machine before any of tavrel's own work.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <unistd.h>

int main() {
  Display* D = XOpenDisplay(nullptr);
  if (!D) return 1;
  Atom Pid = XInternAtom(D, "_NET_WM_PID", False);
  long Self = long(getpid());
  for (int I = 0; I < 3; ++I) {
    Window W = XCreateSimpleWindow(D, DefaultRootWindow(D), 40 + I * 120, 40, 100, 60, 0, 0,
                                   WhitePixel(D, DefaultScreen(D)));
    XChangeProperty(D, W, Pid, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&Self), 1);
    XMapWindow(D, W);
  }
  XFlush(D);
  for (;;) {
    XEvent E;
    XNextEvent(D, &E);
  }
}
