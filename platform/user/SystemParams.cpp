// SystemParametersInfo: the few desktop-wide settings programs read or
// change. The work area and the menu-animation switch live in the desktop
// (another program may see them); the non-client metrics are the fixed
// scheme of NcMetrics.h. Settings that cannot be changed here (the work
// area, the metrics) fail as an unsupported action does, with FALSE.
#include "platform/user/NcMetrics.h"

#include "platform/Backend.h"

#include <vector>

namespace {

BOOL GetNonClientMetrics(void* Param) {
  auto* M = static_cast<NONCLIENTMETRICSA*>(Param);
  if (!M || M->cbSize != sizeof(NONCLIENTMETRICSA)) return FALSE;
  M->iBorderWidth = kNcBorder;
  M->iScrollWidth = kNcScrollBar;
  M->iScrollHeight = kNcScrollBar;
  M->iCaptionWidth = kNcMetricCaption;
  M->iCaptionHeight = kNcMetricCaption;
  M->lfCaptionFont = NcLogFont(TNcFont::Caption);
  M->iSmCaptionWidth = kNcMetricSmCaption;
  M->iSmCaptionHeight = kNcMetricSmCaption;
  M->lfSmCaptionFont = NcLogFont(TNcFont::SmallCaption);
  M->iMenuWidth = kNcMetricMenu;
  M->iMenuHeight = kNcMetricMenu;
  M->lfMenuFont = NcLogFont(TNcFont::Menu);
  M->lfStatusFont = NcLogFont(TNcFont::Status);
  M->lfMessageFont = NcLogFont(TNcFont::Message);
  return TRUE;
}

BOOL CollectWindow(HWND Wnd, LPARAM Param) {
  reinterpret_cast<std::vector<HWND>*>(Param)->push_back(Wnd);
  return TRUE;
}

// Collected first and re-checked before each send: a receiver may destroy
// other windows while it handles the notification.
void BroadcastSettingChange(UINT Action) {
  std::vector<HWND> Windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&Windows));
  for (HWND Wnd : Windows)
    if (IsWindow(Wnd)) SendMessage(Wnd, WM_SETTINGCHANGE, Action, 0);
}

BOOL SetMenuAnimation(void* Param, UINT WinIni) {
  Backend().SetMenuAnimation(Param != nullptr);
  if (WinIni & SPIF_SENDCHANGE) BroadcastSettingChange(SPI_SETMENUANIMATION);
  return TRUE;
}

} // namespace

// The size argument is not checked: callers of the original pass 0 as often
// as the size, and cbSize decides.
BOOL SystemParametersInfo(UINT action, [[maybe_unused]] UINT uiParam, void* param, UINT winIni) {
  switch (action) {
  case SPI_GETWORKAREA:
    if (!param) return FALSE;
    *static_cast<RECT*>(param) = Backend().WorkArea();
    return TRUE;
  case SPI_GETNONCLIENTMETRICS: return GetNonClientMetrics(param);
  case SPI_GETMENUANIMATION:
    if (!param) return FALSE;
    *static_cast<BOOL*>(param) = Backend().MenuAnimation() ? TRUE : FALSE;
    return TRUE;
  case SPI_SETMENUANIMATION: return SetMenuAnimation(param, winIni);
  default: return FALSE;
  }
}
