// Motion is coalesced: a motion event followed by another for the same
// window is dropped, so a busy program sees where the pointer is, not
// every place it has been.
#include "platform/x11/X11Input.h"

#include "platform/x11/X11Keys.h"

#include <X11/XKBlib.h>

TX11Input::TX11Input(TX11Connection& Conn, TX11Metrics& Metrics) : FConn(Conn), FMetrics(Metrics) {
  // Without this a held key arrives as release/press pairs.
  XkbSetDetectableAutoRepeat(FConn.Dpy(), True, nullptr);
}

void TX11Input::OpenIm() {
  FImTried = true;
  if (FConn.Lost() || !XSupportsLocale()) return;
  XSetLocaleModifiers("");
  FIm = XOpenIM(FConn.Dpy(), nullptr, nullptr, nullptr);
  if (!FIm) return;
  XIMStyles* Styles = nullptr;
  bool Plain = false;
  if (!XGetIMValues(FIm, XNQueryInputStyle, &Styles, nullptr) && Styles) {
    for (unsigned short I = 0; I < Styles->count_styles; ++I)
      Plain = Plain || Styles->supported_styles[I] == (XIMPreeditNothing | XIMStatusNothing);
    XFree(Styles);
  }
  if (!Plain) {
    XCloseIM(FIm);
    FIm = nullptr;
  }
}

TX11Input::~TX11Input() {
  for (auto& [W, Ic] : FContexts) XDestroyIC(Ic);
  if (FIm) XCloseIM(FIm);
}

void TX11Input::Attach(Window W) { FAttached.insert(W); }

void TX11Input::Forget(Window W) {
  FAttached.erase(W);
  auto It = FContexts.find(W);
  if (It == FContexts.end()) return;
  XDestroyIC(It->second);
  FContexts.erase(It);
}

XIC TX11Input::ContextOf(Window W) {
  if (auto It = FContexts.find(W); It != FContexts.end()) return It->second;
  if (!FAttached.count(W) || FConn.Lost()) return nullptr;
  if (!FImTried) OpenIm();
  if (!FIm) return nullptr;
  XIC Ic = XCreateIC(FIm, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow, W,
                     XNFocusWindow, W, nullptr);
  if (Ic) FContexts[W] = Ic;
  return Ic;
}

void TX11Input::GainFocus(Window W) {
  if (XIC Ic = ContextOf(W)) XSetICFocus(Ic);
}

void TX11Input::LoseFocus(Window W) {
  if (auto It = FContexts.find(W); It != FContexts.end()) XUnsetICFocus(It->second);
}

bool TX11Input::Translate(XEvent& E, HWND Wnd, bool Filtered, std::deque<TDesktopEvent>& Out) {
  switch (E.type) {
  case KeyPress:
  case KeyRelease: Key(E.xkey, Wnd, Filtered, Out); return true;
  case ButtonPress:
  case ButtonRelease: Button(E.xbutton, Wnd, Out); return true;
  case MotionNotify: {
    XEvent Next;
    if (XEventsQueued(FConn.Dpy(), QueuedAlready) > 0) {
      XPeekEvent(FConn.Dpy(), &Next);
      if (Next.type == MotionNotify && Next.xmotion.window == E.xmotion.window) return true;
    }
    TDesktopEvent M{TDesktopEvent::MouseMove, Wnd};
    M.Pos = FMetrics.FromRoot(TPoint{E.xmotion.x_root, E.xmotion.y_root});
    Out.push_back(M);
    return true;
  }
  case EnterNotify:
  case LeaveNotify: {
    TDesktopEvent M{TDesktopEvent::MouseMove, Wnd};
    M.Pos = FMetrics.FromRoot(TPoint{E.xcrossing.x_root, E.xcrossing.y_root});
    Out.push_back(M);
    return true;
  }
  default: return false;
  }
}

void TX11Input::Button(const XButtonEvent& E, HWND Wnd, std::deque<TDesktopEvent>& Out) {
  TDesktopEvent B{TDesktopEvent::ButtonDown, Wnd};
  B.Pos = FMetrics.FromRoot(TPoint{E.x_root, E.y_root});
  bool Down = E.type == ButtonPress;
  switch (E.button) {
  case Button1: B.Button = 0; break;
  case Button3: B.Button = 1; break;
  case Button2: B.Button = 2; break;
  case Button4:
  case Button5:
    // A wheel notch is a press and a release; the press is the turn.
    if (!Down) return;
    B.Kind = TDesktopEvent::Wheel;
    B.Delta = E.button == Button4 ? 120 : -120;
    Out.push_back(B);
    return;
  default: return;
  }
  if (!Down) B.Kind = TDesktopEvent::ButtonUp;
  Out.push_back(B);
}

std::uint32_t TX11Input::LookupChar(XKeyEvent& E, KeySym& Typed) {
  char Text[64];
  XIC Ic = ContextOf(E.window);
  if (!Ic) {
    int N = XLookupString(&E, Text, int(sizeof Text), &Typed, nullptr);
    return X11TypedChar(Typed, Text, N, false);
  }
  Status St = 0;
  int N = Xutf8LookupString(Ic, &E, Text, int(sizeof Text), &Typed, &St);
  if (St != XLookupKeySym && St != XLookupBoth) Typed = NoSymbol;
  // A longer composition than fits types its first character.
  if (St == XBufferOverflow) N = 0;
  bool HasText = St == XLookupChars || St == XLookupBoth;
  return X11TypedChar(Typed, Text, HasText ? N : 0, true);
}

void TX11Input::Key(XKeyEvent& E, HWND Wnd, bool Filtered, std::deque<TDesktopEvent>& Out) {
  KeySym Base = XLookupKeysym(&E, 0), Typed = NoSymbol;
  TDesktopEvent K{TDesktopEvent::KeyDown, Wnd};
  if (E.type == KeyPress) {
    if (Filtered)
      XLookupString(&E, nullptr, 0, &Typed, nullptr);
    else
      K.Char = LookupChar(E, Typed);
    K.Key = X11VirtualKey(Base, Typed);
    if (!K.Key && !K.Char) return;
    FDown[E.keycode] = K.Key;
    Out.push_back(K);
    return;
  }
  K.Kind = TDesktopEvent::KeyUp;
  auto It = FDown.find(E.keycode);
  if (It != FDown.end()) {
    K.Key = It->second;
    FDown.erase(It);
  } else {
    // Pressed before the program had the focus.
    XLookupString(&E, nullptr, 0, &Typed, nullptr);
    K.Key = X11VirtualKey(Base, Typed);
    if (!K.Key) return;
  }
  Out.push_back(K);
}

void TX11Input::ReleaseAll(std::deque<TDesktopEvent>& Out) {
  for (auto [Code, Vk] : FDown) {
    TDesktopEvent K{TDesktopEvent::KeyUp};
    K.Key = Vk;
    Out.push_back(K);
  }
  FDown.clear();
}
