// The desktop's fixed non-client measures and system fonts, in one place:
// the frame code, GetSystemMetrics, SystemParametersInfo and the message
// box all read them here, so the rectangles the window layer computes, the
// frame that gets painted and the numbers programs query never disagree.
// The values are those of the classic 96-dpi desktop scheme.
#pragma once

#include "platform/WinUser.h"

// Frame thicknesses per side.
inline constexpr int kNcBorder = 1;     // SM_CXBORDER: WS_BORDER
inline constexpr int kNcFixedFrame = 3; // SM_CXFIXEDFRAME: dialog frame
inline constexpr int kNcSizeFrame = 4;  // SM_CXSIZEFRAME: WS_THICKFRAME
inline constexpr int kNcClientEdge = 2; // WS_EX_CLIENTEDGE, inside the frame
inline constexpr int kNcRaisedEdge = 2; // the 3-D edge of fixed and sizing frames

// Caption rows include the one-pixel line that separates them from what
// lies below; the coloured bar is one pixel shorter.
inline constexpr int kNcCaption = 19;   // SM_CYCAPTION
inline constexpr int kNcSmCaption = 16; // SM_CYSMCAPTION (tool windows)

// Caption button cells (the drawn box is smaller, see TNcLayout).
inline constexpr int kNcSizeWidth = 18, kNcSizeHeight = 18;     // SM_CXSIZE, SM_CYSIZE
inline constexpr int kNcSmSizeWidth = 12, kNcSmSizeHeight = 15; // SM_CXSMSIZE, SM_CYSMSIZE

inline constexpr int kNcScrollBar = 16; // scroll bar width, arrow and thumb length
inline constexpr int kNcMenu = 19;      // SM_CYMENU
inline constexpr int kNcMenuSize = 18;  // SM_CXMENUSIZE, SM_CYMENUSIZE
inline constexpr int kNcMenuCheck = 13; // SM_CXMENUCHECK
inline constexpr int kNcMinimizedWidth = 160, kNcMinimizedHeight = 24;
inline constexpr int kNcIcon = 32, kNcSmIcon = 16, kNcCursor = 32;
inline constexpr int kNcDoubleClick = 4; // SM_CXDOUBLECLK: the double-click box
inline constexpr int kNcMinTrackWidth = 112, kNcMinTrackHeight = 27;

// NONCLIENTMETRICS numbers. The caption metrics are the button cells; the
// small caption height leaves out the separating line (kNcSmCaption - 1).
inline constexpr int kNcMetricCaption = 18;
inline constexpr int kNcMetricSmCaption = 15;
inline constexpr int kNcMetricMenu = 18;

// The system fonts: "Tahoma" at 11 pixels, the caption fonts bold.
enum class TNcFont { Caption, SmallCaption, Menu, Status, Message };
LOGFONTA NcLogFont(TNcFont Kind);
