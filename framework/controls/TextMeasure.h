// The size of a control's text, measured with DrawText exactly as the
// control will draw it but on a screen DC: a label or a hint window needs
// the size before it has a surface of its own to ask.
#pragma once

#include "platform/WinTypes.h"

#include <string_view>

class TFont;

// Bounds run through DrawText with Format | DT_CALCRECT in Font.
TRect MeasureText(TFont* Font, std::string_view Text, const TRect& Bounds, UINT Format);
