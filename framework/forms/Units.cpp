// The unit list. Framework units come first and stay registered; a
// unit's end code runs only if its start code finished.
#include "framework/forms/Units.h"

#include "framework/classes/Object.h"
#include "framework/forms/Application.h"
#include "framework/forms/Mouse.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/JPEGImage.h"
#include "framework/menus/PopupList.h"

#include <exception>
#include <string>
#include <vector>

namespace {

struct TUnit {
  std::string Name;
  void (*Start)();
  void (*End)();
};

void EndForms();

// A failure part-way frees what was made, as the unit counts as not
// started.
void StartForms() {
  try {
    Screen = Create<TScreen>(nullptr);
    Mouse = new TMouse;
    Application = Create<TApplication>(nullptr);
  } catch (...) {
    EndForms();
    throw;
  }
}

void EndForms() {
  if (Application) {
    Application->DestroyComponents();
    FreeAndNil(Application);
  }
  // After the application: its forms' popup menus leave the list first.
  TPopupList::FreeInstance();
  delete Mouse;
  Mouse = nullptr;
  FreeAndNil(Screen);
}

std::vector<TUnit>& ProgramUnits() {
  static std::vector<TUnit> List;
  return List;
}

// Units whose start code finished, in starting order.
std::vector<TUnit>& Started() {
  static std::vector<TUnit> List;
  return List;
}

bool GRunning = false;

void StartUnit(const TUnit& Unit) {
  if (Unit.Start) Unit.Start();
  Started().push_back(Unit);
}

} // namespace

void RegisterUnit(const char* Name, void (*Start)(), void (*End)()) {
  TUnit Unit{Name ? Name : "", Start, End};
  ProgramUnits().push_back(Unit);
  if (GRunning) StartUnit(Unit);
}

void InitFramework() {
  if (GRunning) return;
  GRunning = true;
  StartUnit({"Forms", &StartForms, &EndForms});
  StartUnit({"JPEG", &StartJPEGUnit, &EndJPEGUnit});
  for (const TUnit& Unit : std::vector<TUnit>(ProgramUnits())) StartUnit(Unit);
}

// Each end runs once: the unit leaves the list before its code runs, so
// an end that throws is not retried, and the ends before it still run.
void DoneFramework() {
  std::exception_ptr First;
  while (!Started().empty()) {
    TUnit Unit = Started().back();
    Started().pop_back();
    try {
      if (Unit.End) Unit.End();
    } catch (...) {
      if (!First) First = std::current_exception();
    }
  }
  ProgramUnits().clear();
  GRunning = false;
  if (First) std::rethrow_exception(First);
}

bool FrameworkRunning() { return GRunning; }
