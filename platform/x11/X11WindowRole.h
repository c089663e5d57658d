// What a top-level window is to an X window manager, read from the
// platform window through the public operations: its type, the states it
// asks for, its owner and its constant alpha. Windows are never decorated
// by the manager (the platform draws frames and captions into the
// surface); popup menus and hint windows bypass the manager altogether,
// as override-redirect windows.
#pragma once

#include "platform/WinUser.h"

struct TX11WindowRole {
  enum TType { Normal, Utility, Dialog, PopupMenu, Tooltip };

  TType Type = Normal;
  bool OverrideRedirect = false;
  bool OnTop = false;
  bool SkipTaskbar = false;
  bool SkipPager = false;
  bool Modal = false;
  // Refuses the keyboard focus (WS_EX_NOACTIVATE).
  bool NoFocus = false;
  HWND Owner = nullptr;
  // 0..255 from the layered attributes, -1 without a constant alpha.
  int Alpha = -1;

  // The role of top-level window Wnd now. A minimised tool window keeps
  // its task bar entry, or nothing would be left to restore it by.
  static TX11WindowRole Of(HWND Wnd);

  friend bool operator==(const TX11WindowRole&, const TX11WindowRole&) = default;
};
