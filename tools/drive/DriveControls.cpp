// Control reports; see DriveControls.h. Nothing here makes a window
// handle that does not exist yet: a report must not change what it shows.
#include "tools/drive/DriveControls.h"

#include "framework/forms/CustomForm.h"
#include "framework/forms/Screen.h"
#include "tools/drive/DriveLine.h"

namespace {

// Deeper nesting than this is a cycle in a damaged tree, not a layout.
constexpr int kDriveControlsMaxDepth = 64;

TRect DriveControlsRect(const TControl* Control) {
  auto* Windowed = dynamic_cast<const TWinControl*>(Control);
  TRect R = Control->BoundsRect();
  if (Windowed && Windowed->HandleAllocated()) {
    GetWindowRect(const_cast<TWinControl*>(Windowed)->GetHandle(), &R);
    return R;
  }
  if (const TWinControl* Parent = Control->GetParent()) {
    TPoint Origin = Parent->ClientToScreen(TPoint{0, 0});
    OffsetRect(&R, Origin.X, Origin.Y);
  }
  return R;
}

bool DriveControlsVisible(const TControl* Control) {
  for (int Depth = 0; Control && Depth <= kDriveControlsMaxDepth; ++Depth) {
    if (!Control->GetVisible()) return false;
    Control = Control->GetParent();
  }
  return true;
}

bool DriveControlsFocused(const TControl* Control) {
  auto* Windowed = dynamic_cast<const TWinControl*>(Control);
  return Windowed && Windowed->HandleAllocated() &&
         GetFocus() == const_cast<TWinControl*>(Windowed)->GetHandle();
}

void DriveControlsWalk(const TWinControl* Parent, const TCustomForm* Form, int Depth,
                       std::vector<std::string>& Lines) {
  if (Depth > kDriveControlsMaxDepth) return;
  for (int I = 0; I < Parent->ControlCount(); ++I) {
    TControl* Child = Parent->Controls(I);
    if (!Child) continue;
    Lines.push_back(TDriveControls::ControlLine(Child, Form));
    if (auto* Windowed = dynamic_cast<TWinControl*>(Child))
      DriveControlsWalk(Windowed, Form, Depth + 1, Lines);
  }
}

} // namespace

std::string TDriveControls::ControlLine(const TControl* Control, const TCustomForm* Form) {
  TDriveLine L;
  L.Add("control", Control->GetName())
      .Add("form", Form ? Form->GetName() : std::string())
      .Add("class", std::string(Control->ClassName()))
      .Rect("rect", DriveControlsRect(Control))
      .Flag("visible", DriveControlsVisible(Control))
      .Flag("focused", DriveControlsFocused(Control));
  return L.Str();
}

std::vector<std::string> TDriveControls::Lines() {
  std::vector<std::string> Lines;
  if (!Screen) return Lines;
  for (int I = 0; I < Screen->FormCount(); ++I)
    if (TCustomForm* Form = Screen->Forms(I)) DriveControlsWalk(Form, Form, 0, Lines);
  return Lines;
}
