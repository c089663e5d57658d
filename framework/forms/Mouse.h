// TMouse: the pointer as the program sees it. Its position is asked of
// the desktop at each call.
#pragma once

#include "platform/WinTypes.h"

class TMouse {
public:
  // Screen coordinates.
  TPoint GetCursorPos() const;
  void SetCursorPos(TPoint Value);
};

// The one mouse object, made with the screen object (see Units.h).
extern TMouse* Mouse;
