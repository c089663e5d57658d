// The small program the engine tests drive: a main form with a scrollbar
// (its position shown in the caption, a popup menu on it), a graphic
// control, a panel holding a button that opens a modal dialog, and a
// translucent form with a region. Like the ruler it switches the menu
// animation off while it runs and puts the setting back at its end.
#pragma once

#include "framework/controls/Button.h"
#include "framework/controls/Panel.h"
#include "framework/controls/ScrollBar.h"
#include "framework/controls/Shape.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Units.h"
#include "framework/graphics/Colors.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenu.h"

#include <string>

namespace drivetest {

inline constexpr int kSampleExitCode = 7;

class TSampleProgram : public TObject {
public:
  TForm* Main = nullptr;
  TForm* Dialog = nullptr;
  TForm* Overlay = nullptr;
  TScrollBar* Bar = nullptr;
  TPopupMenu* Popup = nullptr;

  void Build() {
    Application->CreateForm(Main);
    Main->SetName("MainForm");
    Main->SetCaption("Sample");
    Main->SetBounds(100, 100, 400, 300);
    Main->SetColor(clRed);
    BuildPopup();
    Bar = Child<TScrollBar>(Main, "Bar", {10, 10, 200, 17});
    Bar->SetParams(50, 0, 100);
    Bar->OnChange = MakeEvent<&TSampleProgram::BarChange>(this);
    Bar->SetPopupMenu(Popup);
    Child<TShape>(Main, "Marker", {10, 50, 40, 40});
    auto* Panel = Child<TPanel>(Main, "Panel1", {10, 100, 150, 60});
    auto* Open = Child<TButton>(Panel, "OpenButton", {5, 5, 75, 25});
    Open->SetCaption("Open");
    Open->OnClick = MakeEvent<&TSampleProgram::OpenClick>(this);
    BuildDialog();
    Overlay = Create<TForm>(Application);
    Overlay->SetName("Overlay");
    Overlay->SetCaption("Over \"lay\"");
    Overlay->SetBounds(700, 100, 100, 100);
    Overlay->SetAlphaBlend(true);
    Overlay->SetAlphaBlendValue(128);
    Overlay->Show();
    SetWindowRgn(Overlay->GetHandle(), CreateRectRgn(0, 0, 50, 40), TRUE);
  }

  void BarChange(TObject*) { Main->SetCaption(std::to_string(Bar->GetPosition())); }
  void OpenClick(TObject*) {
    int Result = Dialog->ShowModal();
    Main->SetCaption("modal=" + std::to_string(Result));
  }
  void MinimizeClick(TObject*) { ShowWindow(Main->GetHandle(), SW_MINIMIZE); }

private:
  template <class T> T* Child(TWinControl* Parent, const char* Name, TRect Bounds) {
    auto* C = Create<T>(Parent);
    C->SetParent(Parent);
    C->SetName(Name);
    C->SetBounds(Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom);
    return C;
  }

  TMenuItem* Item(TMenuItem* Parent, const char* Name, const char* Caption) {
    auto* I = Create<TMenuItem>(Main);
    I->SetName(Name);
    I->SetCaption(Caption);
    Parent->Add(I);
    return I;
  }

  void BuildPopup() {
    Popup = Create<TPopupMenu>(Main);
    Popup->SetName("Popup");
    Item(Popup->GetItems(), "Minimer1", "Minimer")->OnClick =
        MakeEvent<&TSampleProgram::MinimizeClick>(this);
    Item(Popup->GetItems(), "N1", "-");
    TMenuItem* Colour = Item(Popup->GetItems(), "Farge1", "Farge");
    TMenuItem* Black = Item(Colour, "Svart1", "Svart");
    Black->SetChecked(true);
    Black->SetDefault(true);
    Item(Colour, "Gul1", "Gul");
  }

  void BuildDialog() {
    Dialog = Create<TForm>(Application);
    Dialog->SetName("Dialog");
    Dialog->SetCaption("Dialog");
    Dialog->SetBorderStyle(bsDialog);
    Dialog->SetBounds(600, 500, 220, 120);
    auto* Ok = Child<TButton>(Dialog, "OkButton", {10, 10, 75, 25});
    Ok->SetCaption("OK");
    Ok->SetModalResult(mrOk);
    Ok->SetDefault(true);
    Dialog->SetActiveControl(Ok);
  }
};

inline int RunSample() {
  BOOL Saved = FALSE;
  SystemParametersInfo(SPI_GETMENUANIMATION, 0, &Saved, 0);
  SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, 0);
  InitFramework();
  {
    TSampleProgram Sample;
    Sample.Build();
    Application->Run();
  }
  DoneFramework();
  SystemParametersInfo(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(std::uintptr_t(Saved)), 0);
  return kSampleExitCode;
}

} // namespace drivetest
