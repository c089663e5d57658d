// Helpers of the 3-D part painters that the built-in controls share.
#pragma once

#include "platform/WinUser.h"

// A new 8 x 8 monochrome brush of alternating pixels. It paints in the DC's
// text colour (even pixels) and background colour (odd pixels); the
// caller deletes it.
HBRUSH CreateHalftoneBrush();
