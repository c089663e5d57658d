#include "components/advmenus/MenuAnimation.h"

#include "framework/forms/Units.h"
#include "platform/WinUser.h"

#include <csignal>

namespace {

// -1 while the setting is not switched off; else the saved setting. A
// signal handler reads it, hence the atomic type.
volatile std::sig_atomic_t SavedMenuAnimation = -1;

void PutBackMenuAnimation(UINT WinIni) {
  const std::sig_atomic_t Saved = SavedMenuAnimation;
  if (Saved < 0) return;
  SavedMenuAnimation = -1;
  SystemParametersInfo(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(std::intptr_t(Saved)),
                       WinIni);
}

// Without SPIF_SENDCHANGE the setting is only stored: no window is sent a
// message from inside the handler. Then the signal takes its default
// course, so the exit status still tells how the program ended.
extern "C" void MenuAnimationSignalHandler(int Signal) {
  PutBackMenuAnimation(0);
  std::signal(Signal, SIG_DFL);
  std::raise(Signal);
}

} // namespace

void DisableMenuAnimation() {
  BOOL Current = FALSE;
  if (!SystemParametersInfo(SPI_GETMENUANIMATION, 0, &Current, 0)) return;
  if (SavedMenuAnimation < 0) SavedMenuAnimation = Current ? 1 : 0;
  SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, SPIF_SENDCHANGE);
}

void RestoreMenuAnimation() { PutBackMenuAnimation(SPIF_SENDCHANGE); }

void RegisterAdvmenusUnit() {
  RegisterUnit("Advmenus", DisableMenuAnimation, RestoreMenuAnimation);
}

void RestoreMenuAnimationOnSignal() {
  std::signal(SIGINT, MenuAnimationSignalHandler);
  std::signal(SIGTERM, MenuAnimationSignalHandler);
}
