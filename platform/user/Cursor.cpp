// Cursor shapes and the pointer position. The desktop draws the pointer;
// the window layer only says which of the desktop's shapes to show over
// the window under it, so a cursor handle is just the shape's number.
#include "platform/user/WmState.h"

namespace {

constexpr int kShapes[] = {32512, 32513, 32514, 32515, 32516, 32642, 32643,
                           32644, 32645, 32646, 32648, 32649, 32650, 32651};
constexpr std::uintptr_t kCursorBase = 0x7C000000;

} // namespace

HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name) {
  if (instance || !IS_INTRESOURCE(name)) return nullptr;
  int Id = int(reinterpret_cast<std::uintptr_t>(name));
  for (int S : kShapes)
    if (S == Id) return reinterpret_cast<HCURSOR>(kCursorBase + std::uintptr_t(Id));
  return nullptr;
}

int GetCursorShapeId(HCURSOR cursor) {
  std::uintptr_t V = reinterpret_cast<std::uintptr_t>(cursor);
  if (V <= kCursorBase) return 0;
  int Id = int(V - kCursorBase);
  for (int S : kShapes)
    if (S == Id) return Id;
  return 0;
}

HCURSOR SetCursor(HCURSOR cursor) {
  TWmState& S = Wm();
  HCURSOR Old = S.Cursor;
  if (cursor == Old) return Old;
  S.Cursor = cursor;
  Backend().CursorChanged(WmFindLive(S.PointerWnd) ? S.PointerWnd : nullptr,
                          GetCursorShapeId(cursor));
  return Old;
}

HCURSOR GetCursor() { return Wm().Cursor; }

BOOL GetCursorPos(POINT* point) {
  if (!point) return FALSE;
  *point = Backend().CursorPos();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  Backend().SetCursorPos(TPoint{x, y});
  return TRUE;
}
