// What the frame modules tell each other: the painter draws a caption box
// pressed while the tracker holds it, and the tracker repaints a single box
// when the pointer crosses its edge.
#pragma once

#include "platform/user/NcLayout.h"

// Draws one caption box of Wnd as it looks now.
void NcPaintBox(HWND Wnd, const TNcBox& Box);
// The caption box of Wnd the user holds pressed with the pointer over it,
// or HTNOWHERE.
LRESULT NcPressedBox(HWND Wnd);
