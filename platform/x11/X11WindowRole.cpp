// Menus and hints are recognised by their window class: the desktop's
// menu class "#32768" and the hint classes of the framework and of the
// common controls. Any other captionless owned popup stays a managed
// window, so an owner-drawn tool palette still gets the manager's focus
// handling.
#include "platform/x11/X11WindowRole.h"

#include <cstring>
#include <initializer_list>

namespace {

bool ClassIs(HWND Wnd, std::initializer_list<const char*> Names) {
  char Name[64];
  if (GetClassName(Wnd, Name, int(sizeof Name)) <= 0) return false;
  for (const char* N : Names)
    if (std::strcmp(Name, N) == 0) return true;
  return false;
}

} // namespace

TX11WindowRole TX11WindowRole::Of(HWND Wnd) {
  TX11WindowRole R;
  DWORD Style = DWORD(GetWindowLong(Wnd, GWL_STYLE));
  DWORD Ex = DWORD(GetWindowLong(Wnd, GWL_EXSTYLE));
  R.Owner = GetWindow(Wnd, GW_OWNER);
  bool Captionless = (Style & WS_POPUP) && (Style & WS_CAPTION) != WS_CAPTION;
  if (Captionless && R.Owner) {
    if (ClassIs(Wnd, {"#32768"}))
      R.Type = PopupMenu;
    else if (ClassIs(Wnd, {"THintWindow", "tooltips_class32"}))
      R.Type = Tooltip;
    R.OverrideRedirect = R.Type != Normal;
  }
  if (R.Type == Normal) {
    if (Ex & WS_EX_DLGMODALFRAME) {
      R.Type = Dialog;
      R.Modal = R.Owner != nullptr;
    } else if (Ex & WS_EX_TOOLWINDOW) {
      R.Type = Utility;
    }
  }
  R.OnTop = (Ex & WS_EX_TOPMOST) != 0;
  R.SkipPager = (Ex & WS_EX_TOOLWINDOW) != 0;
  // The desktop the framework was written for gives a task bar button to
  // unowned windows only (tool windows never, WS_EX_APPWINDOW always):
  // the guide line and the logo, owned by the application's window, are
  // no entries of their own. A minimised window keeps one, or nothing
  // would bring it back.
  const bool Button = (Ex & WS_EX_APPWINDOW) || (!R.Owner && !(Ex & WS_EX_TOOLWINDOW));
  R.SkipTaskbar = !Button && !IsIconic(Wnd);
  R.NoFocus = (Ex & WS_EX_NOACTIVATE) != 0;
  BYTE Alpha = 255;
  DWORD Flags = 0;
  if ((Ex & WS_EX_LAYERED) && GetLayeredWindowAttributes(Wnd, nullptr, &Alpha, &Flags) &&
      (Flags & LWA_ALPHA))
    R.Alpha = Alpha;
  return R;
}
