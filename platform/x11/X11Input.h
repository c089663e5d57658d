// Pointer and keyboard events of the X windows as desktop events. Buttons
// 1, 3 and 2 are the left, right and middle button; 4 and 5 turn the wheel
// one notch away from or towards the user. Positions are the window
// layer's screen coordinates (root coordinates less the primary monitor's
// origin). Keys are read through an input method when the display
// offers one (composed and non-Latin characters), else through
// XLookupString; keys still held when the focus leaves the program are
// released, so none stays down in the window layer's key state.
//
// The input method is opened when a window first takes the focus, not at
// start: opening it reads the locale and compose tables, milliseconds
// that would delay the program's first windows.
#pragma once

#include "platform/Backend.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Metrics.h"

#include <X11/Xutil.h>

#include <deque>
#include <map>
#include <set>

class TX11Input {
public:
  TX11Input(TX11Connection& Conn, TX11Metrics& Metrics);
  ~TX11Input();
  TX11Input(const TX11Input&) = delete;
  TX11Input& operator=(const TX11Input&) = delete;

  // Keys of a new X window go through the input method; Forget drops it.
  void Attach(Window W);
  void Forget(Window W);
  void GainFocus(Window W);
  void LoseFocus(Window W);

  // Adds the events E stands for to Out; false when E is no pointer or key
  // event. Filtered: the input method kept a key press for itself (a dead
  // key); it still goes down, typing nothing.
  bool Translate(XEvent& E, HWND Wnd, bool Filtered, std::deque<TDesktopEvent>& Out);
  // Key-up events for every key still down.
  void ReleaseAll(std::deque<TDesktopEvent>& Out);

private:
  void Key(XKeyEvent& E, HWND Wnd, bool Filtered, std::deque<TDesktopEvent>& Out);
  void Button(const XButtonEvent& E, HWND Wnd, std::deque<TDesktopEvent>& Out);
  std::uint32_t LookupChar(XKeyEvent& E, KeySym& Typed);
  void OpenIm();
  // W's input context, made when first needed; null without a method.
  XIC ContextOf(Window W);

  TX11Connection& FConn;
  TX11Metrics& FMetrics;
  bool FImTried = false;
  XIM FIm = nullptr;
  std::set<Window> FAttached;
  std::map<Window, XIC> FContexts;
  // The virtual key each held key went down as, by key code: its release
  // comes up as the same key even if the keyboard was remapped meanwhile.
  std::map<unsigned, UINT> FDown;
};
