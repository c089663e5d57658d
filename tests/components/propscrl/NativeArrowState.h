// The arrow state a native scroll bar control holds, as the desktop
// reports it to anyone who asks (GetScrollBarInfo).
#pragma once

#include "platform/WinUser.h"

namespace propscrltest {

// ESB_* of the "SCROLLBAR" window Wnd; ~0u for any other window.
inline UINT NativeArrowState(HWND Wnd) {
  SCROLLBARINFO Info{};
  Info.cbSize = sizeof Info;
  if (!GetScrollBarInfo(Wnd, OBJID_CLIENT, &Info)) return ~0u;
  UINT Arrows = ESB_ENABLE_BOTH;
  if (Info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) Arrows |= ESB_DISABLE_LTUP;
  if (Info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) Arrows |= ESB_DISABLE_RTDN;
  return Arrows;
}

} // namespace propscrltest
