// Keyboard shortcuts of menu items and their texts.
//
// A TShortCut keeps the virtual key in its low byte and the modifiers in
// its high byte (scShift, scCtrl, scAlt). Its text is what a menu shows
// after a tab ("Ctrl+S", "Shift+F10"): the modifier names from the string
// table, in the order Shift, Ctrl, Alt, then the key's name. Named keys
// come from the table as well; letters and digits stand for themselves,
// numeric-pad digits as the digit, F1-F24 by number, and any other key
// takes the desktop's own key name.
#pragma once

#include "framework/controls/ControlTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

using TShortCut = std::uint16_t;

inline constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

TShortCut ShortCut(WORD Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift);
// Empty when the key has no name.
std::string ShortCutToText(TShortCut ShortCut);
// The shortcut a text names (modifier names ignore case); 0 for a text
// that names no key.
TShortCut TextToShortCut(std::string_view Text);
