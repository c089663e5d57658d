#include "platform/x11/X11Cursors.h"

#include <X11/Xcursor/Xcursor.h>
#include <X11/cursorfont.h>

namespace {

constexpr int kNo = 32648;

struct TShape {
  int Id;
  unsigned Glyph;
};

constexpr TShape kShapes[] = {
    {32512, XC_left_ptr},
    {32513, XC_xterm},
    {32514, XC_watch},
    {32515, XC_crosshair},
    {32516, XC_sb_up_arrow},
    {32642, XC_bottom_right_corner},
    {32643, XC_bottom_left_corner},
    {32644, XC_sb_h_double_arrow},
    {32645, XC_sb_v_double_arrow},
    {32646, XC_fleur},
    {kNo, XC_X_cursor},
    {32649, XC_hand2},
    {32650, XC_watch},
    {32651, XC_question_arrow},
};

} // namespace

TX11Cursors::~TX11Cursors() {
  if (FConn.Lost()) return;
  for (auto& [Id, C] : FMade) XFreeCursor(FConn.Dpy(), C);
}

unsigned TX11Cursors::FontShape(int ShapeId) {
  for (const TShape& S : kShapes)
    if (S.Id == ShapeId) return S.Glyph;
  return XC_left_ptr;
}

Cursor TX11Cursors::Get(int ShapeId) {
  if (FConn.Lost()) return None;
  unsigned Glyph = FontShape(ShapeId);
  // Unknown numbers share the arrow's entry.
  int Key = ShapeId == kNo ? kNo : int(Glyph);
  auto It = FMade.find(Key);
  if (It != FMade.end()) return It->second;
  Cursor C = None;
  if (ShapeId == kNo) C = XcursorLibraryLoadCursor(FConn.Dpy(), "not-allowed");
  if (!C) C = XCreateFontCursor(FConn.Dpy(), Glyph);
  FMade[Key] = C;
  return C;
}
