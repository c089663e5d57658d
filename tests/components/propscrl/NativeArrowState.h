// The arrow state a native scroll bar control holds, read from the
// control itself. Its own translation unit: the window layer's internal
// headers and the framework's do not meet in one.
#pragma once

#include "platform/WinTypes.h"

namespace propscrltest {

// ESB_* of the "SCROLLBAR" window Wnd; ~0u for any other window.
UINT NativeArrowState(HWND Wnd);

} // namespace propscrltest
