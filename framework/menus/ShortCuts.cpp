#include "framework/menus/ShortCuts.h"

#include "framework/runtime/ResStrings.h"
#include "framework/runtime/SysUtils.h"
#include "platform/WinUser.h"

#include "FrameworkConsts.h"

#include <algorithm>

namespace {

std::string ShortCutKeyName(WORD Key) {
  switch (Key) {
  case VK_BACK: return LoadResString(SmkcBkSp);
  case VK_TAB: return LoadResString(SmkcTab);
  case VK_RETURN: return LoadResString(SmkcEnter);
  case VK_ESCAPE: return LoadResString(SmkcEsc);
  case VK_SPACE: return LoadResString(SmkcSpace);
  case VK_PRIOR: return LoadResString(SmkcPgUp);
  case VK_NEXT: return LoadResString(SmkcPgDn);
  case VK_END: return LoadResString(SmkcEnd);
  case VK_HOME: return LoadResString(SmkcHome);
  case VK_LEFT: return LoadResString(SmkcLeft);
  case VK_UP: return LoadResString(SmkcUp);
  case VK_RIGHT: return LoadResString(SmkcRight);
  case VK_DOWN: return LoadResString(SmkcDown);
  case VK_INSERT: return LoadResString(SmkcIns);
  case VK_DELETE: return LoadResString(SmkcDel);
  default: break;
  }
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return std::string(1, char(Key));
  if (Key >= 0x60 && Key <= 0x69) return std::string(1, char('0' + Key - 0x60));
  if (Key >= 0x70 && Key <= 0x87) return "F" + std::to_string(Key - 0x6F);
  UINT Scan = MapVirtualKey(Key, MAPVK_VK_TO_VSC);
  if (Scan == 0) return {};
  char Buf[64] = {};
  int Len = GetKeyNameText(LONG(Scan << 16), Buf, int(sizeof Buf));
  if (Len <= 0) return {};
  return std::string(Buf, std::size_t(std::min(Len, int(sizeof Buf) - 1)));
}

// Removes a modifier name from the front of Text, ignoring case.
bool ShortCutTakePrefix(std::string_view& Text, const std::string& Prefix) {
  if (Prefix.empty() || Text.size() < Prefix.size()) return false;
  if (!SameText(Text.substr(0, Prefix.size()), Prefix)) return false;
  Text.remove_prefix(Prefix.size());
  return true;
}

} // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift) {
  if (Key & 0xFF00) return scNone;
  TShortCut Result = Key;
  if (Shift.Contains(ssShift)) Result |= scShift;
  if (Shift.Contains(ssCtrl)) Result |= scCtrl;
  if (Shift.Contains(ssAlt)) Result |= scAlt;
  return Result;
}

void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift) {
  Key = ShortCut & 0xFF;
  Shift = {};
  if (ShortCut & scShift) Shift.Include(ssShift);
  if (ShortCut & scCtrl) Shift.Include(ssCtrl);
  if (ShortCut & scAlt) Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut ShortCut) {
  std::string Name = ShortCutKeyName(ShortCut & 0xFF);
  if (Name.empty()) return {};
  std::string Result;
  if (ShortCut & scShift) Result += LoadResString(SmkcShift);
  if (ShortCut & scCtrl) Result += LoadResString(SmkcCtrl);
  if (ShortCut & scAlt) Result += LoadResString(SmkcAlt);
  return Result + Name;
}

TShortCut TextToShortCut(std::string_view Text) {
  const std::string Shift = LoadResString(SmkcShift), Ctrl = LoadResString(SmkcCtrl),
                    Alt = LoadResString(SmkcAlt);
  TShortCut Modifiers = 0;
  for (bool Found = true; Found;) {
    Found = false;
    if (ShortCutTakePrefix(Text, Shift)) Modifiers |= scShift, Found = true;
    if (ShortCutTakePrefix(Text, Ctrl)) Modifiers |= scCtrl, Found = true;
    if (ShortCutTakePrefix(Text, Alt)) Modifiers |= scAlt, Found = true;
  }
  if (Text.empty()) return scNone;
  for (WORD Key = 0x08; Key <= 0xFF; ++Key)
    if (SameText(Text, ShortCutKeyName(Key))) return TShortCut(Modifiers | Key);
  return scNone;
}
