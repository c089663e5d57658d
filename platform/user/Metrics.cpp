// GetSystemMetrics and the system fonts. The fixed measures come from
// NcMetrics.h; everything that depends on the screen is asked of the
// desktop at the moment of the call, so a headless test that resizes its
// screen sees the new numbers at once.
#include "platform/user/NcMetrics.h"

#include "platform/Backend.h"

#include <cstring>

namespace {

struct TFixedMetric {
  int Index;
  int Value;
};

constexpr TFixedMetric kFixed[] = {
    {SM_CXBORDER, kNcBorder},
    {SM_CYBORDER, kNcBorder},
    {SM_CXFIXEDFRAME, kNcFixedFrame},
    {SM_CYFIXEDFRAME, kNcFixedFrame},
    {SM_CXSIZEFRAME, kNcSizeFrame},
    {SM_CYSIZEFRAME, kNcSizeFrame},
    {SM_CYCAPTION, kNcCaption},
    {SM_CYSMCAPTION, kNcSmCaption},
    {SM_CXSIZE, kNcSizeWidth},
    {SM_CYSIZE, kNcSizeHeight},
    {SM_CXSMSIZE, kNcSmSizeWidth},
    {SM_CYSMSIZE, kNcSmSizeHeight},
    {SM_CXVSCROLL, kNcScrollBar},
    {SM_CYHSCROLL, kNcScrollBar},
    {SM_CYVSCROLL, kNcScrollBar},
    {SM_CXHSCROLL, kNcScrollBar},
    {SM_CYVTHUMB, kNcScrollBar},
    {SM_CXHTHUMB, kNcScrollBar},
    {SM_CYMENU, kNcMenu},
    {SM_CXMENUSIZE, kNcMenuSize},
    {SM_CYMENUSIZE, kNcMenuSize},
    {SM_CXMENUCHECK, kNcMenuCheck},
    {SM_CYMENUCHECK, kNcMenuCheck},
    {SM_CXMINIMIZED, kNcMinimizedWidth},
    {SM_CYMINIMIZED, kNcMinimizedHeight},
    {SM_CXICON, kNcIcon},
    {SM_CYICON, kNcIcon},
    {SM_CXSMICON, kNcSmIcon},
    {SM_CYSMICON, kNcSmIcon},
    {SM_CXCURSOR, kNcCursor},
    {SM_CYCURSOR, kNcCursor},
    {SM_CXDOUBLECLK, kNcDoubleClick},
    {SM_CYDOUBLECLK, kNcDoubleClick},
    {SM_CXMIN, kNcMinTrackWidth},
    {SM_CYMIN, kNcMinTrackHeight},
    {SM_CMONITORS, 1},
    {SM_MOUSEPRESENT, 1},
    {SM_CMOUSEBUTTONS, 3},
    {SM_SWAPBUTTON, 0},
};

// The measures that follow the screen; false for any other index.
bool ScreenMetric(int Index, int& Value) {
  switch (Index) {
  case SM_CXSCREEN: Value = Backend().ScreenRect().Width(); return true;
  case SM_CYSCREEN: Value = Backend().ScreenRect().Height(); return true;
  // A full-screen window's client area: the work area below one caption.
  case SM_CXFULLSCREEN: Value = Backend().WorkArea().Width(); return true;
  case SM_CYFULLSCREEN: Value = Backend().WorkArea().Height() - kNcCaption; return true;
  // A maximised sizable window hangs its frame over the work area's edges.
  case SM_CXMAXIMIZED: Value = Backend().WorkArea().Width() + 2 * kNcSizeFrame; return true;
  case SM_CYMAXIMIZED: Value = Backend().WorkArea().Height() + 2 * kNcSizeFrame; return true;
  case SM_XVIRTUALSCREEN: Value = Backend().VirtualScreen().Left; return true;
  case SM_YVIRTUALSCREEN: Value = Backend().VirtualScreen().Top; return true;
  case SM_CXVIRTUALSCREEN: Value = Backend().VirtualScreen().Width(); return true;
  case SM_CYVIRTUALSCREEN: Value = Backend().VirtualScreen().Height(); return true;
  default: return false;
  }
}

} // namespace

int GetSystemMetrics(int index) {
  for (const TFixedMetric& M : kFixed)
    if (M.Index == index) return M.Value;
  int Value = 0;
  return ScreenMetric(index, Value) ? Value : 0;
}

LOGFONTA NcLogFont(TNcFont Kind) {
  LOGFONTA Lf{};
  Lf.lfHeight = -11;
  bool Caption = Kind == TNcFont::Caption || Kind == TNcFont::SmallCaption;
  Lf.lfWeight = Caption ? FW_BOLD : FW_NORMAL;
  Lf.lfCharSet = DEFAULT_CHARSET;
  std::strcpy(Lf.lfFaceName, "Tahoma");
  return Lf;
}
