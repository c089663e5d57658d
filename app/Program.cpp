// The main routine and the program's whole run around it. Start-up makes
// the five objects in a fixed order: the control window first (so it is
// the main window), then the line, the command module, the About box and
// the logo. The scrollbar and the line name the module's menu before the
// module exists; the reader resolves those references when it is made.
#include "app/Program.h"

#include "app/About.h"
#include "app/Unit1.h"
#include "app/Unitdm1.h"
#include "app/Unitlogo.h"
#include "app/Unitvl.h"
#include "components/advmenus/MenuAnimation.h"
#include "framework/forms/Application.h"
#include "framework/forms/Units.h"

#include <cstdio>
#include <exception>

namespace {

// Exceptions from the message loop's handlers are shown by the loop
// itself; this guard takes what escapes start-up. Anything that is not
// the framework's exception shows an empty error box.
int TavrelMain() {
  try {
    Application->Initialize();
    Application->SetTitle("Tavrel");
    Application->CreateForm(Form1);
    Application->CreateForm(FormVL);
    Application->CreateForm(DM1);
    Application->CreateForm(AboutBox);
    Application->CreateForm(FormLogo);
    Application->Run();
  } catch (...) {
    Application->HandleException(Application);
  }
  return 0;
}

// The application freed the objects; the names must not outlive them.
void ForgetObjects() {
  Form1 = nullptr;
  FormVL = nullptr;
  DM1 = nullptr;
  AboutBox = nullptr;
  FormLogo = nullptr;
}

} // namespace

int RunTavrel() {
  RegisterAdvmenusUnit();
  int Code = 1;
  try {
    InitFramework();
    Code = TavrelMain();
  } catch (const std::exception& E) {
    std::fprintf(stderr, "tavrel: %s\n", E.what());
  }
  DoneFramework();
  ForgetObjects();
  return Code;
}
