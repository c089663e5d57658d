// Border styles. A form chooses among all six; a panel among the first
// two, which keep their values, so one enumeration serves both.
#pragma once

#include "framework/classes/TypeInfo.h"

TAVREL_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
using TBorderStyle = TFormBorderStyle;
