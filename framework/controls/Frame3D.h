// Frame3D: the bevel of panels. Width rings of one pixel each, the top
// and left sides in TopColor and the bottom and right sides in
// BottomColor (which takes the top-right and bottom-left corners, as
// light falls from the top left). Rect comes back shrunk by Width on
// every side; the canvas keeps the brush last used.
#pragma once

#include "framework/graphics/Colors.h"
#include "platform/WinTypes.h"

class TCanvas;

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
