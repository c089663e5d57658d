#include "framework/forms/Mouse.h"

#include "platform/WinUser.h"

TMouse* Mouse = nullptr;

TPoint TMouse::GetCursorPos() const {
  POINT P{0, 0};
  ::GetCursorPos(&P);
  return P;
}

void TMouse::SetCursorPos(TPoint Value) { ::SetCursorPos(Value.X, Value.Y); }
