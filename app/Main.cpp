// The executable: the ruler on the X server named by DISPLAY. The
// headless desktop is for tests and the automation tool; a user runs this.
#include "app/Program.h"
#include "components/advmenus/MenuAnimation.h"
#include "platform/gdi/FontEngine.h"
#include "platform/x11/X11Desktop.h"

#include <cstdio>
#include <string>

int main() {
  TFontEngine::ReadConfigurationAhead();
  std::string Error;
  auto Desktop = OpenX11Desktop(nullptr, Error);
  if (!Desktop) {
    std::fprintf(stderr, "tavrel: %s\n", Error.c_str());
    return 1;
  }
  SetBackend(std::move(Desktop));
  RestoreMenuAnimationOnSignal();
  int Code = RunTavrel();
  // The run loop ends by itself when the server goes away; unlike the
  // user's own exit that is a failure, and the user must learn why.
  if (X11DesktopLost(Backend())) {
    std::fprintf(stderr, "tavrel: lost the connection to the X display \"%s\"\n",
                 X11DesktopName(Backend()).c_str());
    return 1;
  }
  return Code;
}
