// The program's logo: a yellow ruler along the top edge, a red guide line
// and the name "Tavrel" in big bold letters, drawn to stay readable when
// the picture is shown shrunk to 144 x 74 (a quarter of its size).
#pragma once

#include "tools/artwork/ArtworkCanvas.h"

inline constexpr int LogoWidth = 574, LogoHeight = 294;

// Colours shared with the icon, so both read as one theme.
inline constexpr COLORREF ArtRulerYellow = RGB(250, 214, 60);
inline constexpr COLORREF ArtRulerEdge = RGB(96, 64, 12);
inline constexpr COLORREF ArtTickInk = RGB(24, 24, 24);
inline constexpr COLORREF ArtGuideRed = RGB(214, 32, 32);
inline constexpr COLORREF ArtNameNavy = RGB(18, 38, 112);

void PaintLogo(TArtworkCanvas& Canvas);
