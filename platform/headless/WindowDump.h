// A text picture of the window tree for tests, bug reports and the
// automation tool: one line per window, top-level windows from the top of
// the stacking order down, each followed by its children (topmost child
// first) indented by two spaces per level. A line reads
//   hwnd=0x5a000001000003 class=TForm1 caption="Tavrel"
//   rect=100,200,300,260 visible=1 enabled=1 topmost=1 alpha=64
//   colorkey=none region=1,1,50,20 owner=0x0 minimized=0
// on one line: rect in screen coordinates with right and bottom exclusive;
// alpha and colorkey ("R,G,B") only when the layered attributes set them,
// else none; region as its rectangles in window coordinates joined by ';'
// (none without a region, empty for an empty one); the caption with '"',
// '\' and line breaks escaped.
#pragma once

#include "platform/WinUser.h"

#include <string>

std::string DumpWindowTree();
// The line of one window, without indent or line break.
std::string DumpWindowLine(HWND Wnd);
// The region field of that line alone: "none", "empty" or the rectangles.
std::string DumpWindowRegion(HWND Wnd);
// The pieces of a line, for other reports in the same form: a text in
// double quotes with '"', '\' and line breaks escaped; "L,T,R,B"; a
// window's class name and caption; a handle in hexadecimal.
std::string WindowDumpQuote(const std::string& Text);
std::string WindowDumpRect(const TRect& R);
std::string WindowDumpClass(HWND Wnd);
std::string WindowDumpCaption(HWND Wnd);
std::string WindowDumpHandle(const void* Handle);
