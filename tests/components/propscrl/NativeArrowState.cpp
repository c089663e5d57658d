#include "NativeArrowState.h"

#include "platform/user/ScrollBarControl.h"

namespace propscrltest {

UINT NativeArrowState(HWND Wnd) {
  const TScrollBarControl* Native = TScrollBarControl::Of(Wnd);
  return Native ? Native->Arrows() : ~0u;
}

} // namespace propscrltest
