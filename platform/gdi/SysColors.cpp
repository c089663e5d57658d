// The system colours: the classic grey 3-D scheme with navy selection and
// captions, kept in this one table. GetSysColorBrush hands out one brush
// per index that behaves like a stock object (DeleteObject leaves it) and
// follows SetSysColors, so code that cached the handle paints the new
// colour.
#include "platform/gdi/Gdi.h"

#include <memory>

namespace {

constexpr int kCount = COLOR_MAX + 1;

// Values are COLORREFs (0x00BBGGRR).
COLORREF SysColors[kCount] = {
    0x00C0C0C0, // COLOR_SCROLLBAR
    0x00808000, // COLOR_BACKGROUND: teal desktop
    0x00800000, // COLOR_ACTIVECAPTION: navy
    0x00808080, // COLOR_INACTIVECAPTION
    0x00C0C0C0, // COLOR_MENU
    0x00FFFFFF, // COLOR_WINDOW
    0x00000000, // COLOR_WINDOWFRAME
    0x00000000, // COLOR_MENUTEXT
    0x00000000, // COLOR_WINDOWTEXT
    0x00FFFFFF, // COLOR_CAPTIONTEXT
    0x00C0C0C0, // COLOR_ACTIVEBORDER
    0x00C0C0C0, // COLOR_INACTIVEBORDER
    0x00808080, // COLOR_APPWORKSPACE
    0x00800000, // COLOR_HIGHLIGHT: navy
    0x00FFFFFF, // COLOR_HIGHLIGHTTEXT
    0x00C0C0C0, // COLOR_BTNFACE
    0x00808080, // COLOR_BTNSHADOW
    0x00808080, // COLOR_GRAYTEXT
    0x00000000, // COLOR_BTNTEXT
    0x00C0C0C0, // COLOR_INACTIVECAPTIONTEXT
    0x00FFFFFF, // COLOR_BTNHIGHLIGHT
    0x00000000, // COLOR_3DDKSHADOW
    0x00DFDFDF, // COLOR_3DLIGHT
    0x00000000, // COLOR_INFOTEXT
    0x00E1FFFF, // COLOR_INFOBK: pale yellow
    0x00B5B5B5, // 25: the retired alternate button face
    0x00800000, // COLOR_HOTLIGHT
    0x00D08A3A, // COLOR_GRADIENTACTIVECAPTION
    0x00C0C0C0, // COLOR_GRADIENTINACTIVECAPTION
    0x00800000, // COLOR_MENUHILIGHT
    0x00C0C0C0, // COLOR_MENUBAR
};

HGDIOBJ Brushes[kCount] = {};

bool ValidIndex(int Index) { return Index >= 0 && Index < kCount; }

} // namespace

DWORD GetSysColor(int index) { return ValidIndex(index) ? SysColors[index] : 0; }

HBRUSH GetSysColorBrush(int index) {
  if (!ValidIndex(index)) return nullptr;
  if (!GdiFind(Brushes[index], OBJ_BRUSH)) {
    auto B = std::make_unique<TGdiBrush>();
    B->Log = LOGBRUSH{BS_SOLID, SysColors[index], 0};
    B->Stock = true;
    Brushes[index] = GdiAdd(std::move(B));
  }
  return static_cast<HBRUSH>(Brushes[index]);
}

BOOL SetSysColors(int count, const int* indexes, const COLORREF* colors) {
  if (count < 0 || (count > 0 && (!indexes || !colors))) return FALSE;
  for (int i = 0; i < count; ++i) {
    if (!ValidIndex(indexes[i])) continue;
    SysColors[indexes[i]] = colors[i] & 0xFFFFFF;
    if (auto* B = GdiFind<TGdiBrush>(Brushes[indexes[i]], OBJ_BRUSH))
      B->Log.lbColor = SysColors[indexes[i]];
  }
  return TRUE;
}
