// Hosts and probes for the control core tests: a top-level windowed
// control to parent others without forms, a non-windowed control that
// fills itself with one colour, and a popup menu that records its calls.
#pragma once

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/GraphicControl.h"
#include "framework/graphics/Canvas.h"
#include "framework/menus/PopupMenu.h"
#include "support/DesktopTest.h"

#include <vector>

class TCoreHost : public TCustomControl {
  TAVREL_CLASS(TCoreHost, TCustomControl)
public:
  explicit TCoreHost(TComponent* AOwner) : TCustomControl(AOwner) {
    SetVisible(false);
    FControlStyle.Include(csAcceptsControls);
  }
  // A shown top-level window at the given screen rectangle.
  void Place(int X, int Y, int W, int H) {
    SetBounds(X, Y, W, H);
    SetVisible(true);
  }

protected:
  void CreateParams(TCreateParams& P) override {
    TCustomControl::CreateParams(P);
    P.Style = (P.Style & ~DWORD(WS_CHILD)) | WS_POPUP;
  }
};

class TSwatch : public TGraphicControl {
  TAVREL_CLASS(TSwatch, TGraphicControl)
public:
  explicit TSwatch(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 20, 20); }
  TColor Fill = clRed;
  int Paints = 0;

protected:
  // Fills more than its bounds: the parent's clipping must keep the
  // paint inside.
  void Paint() override {
    ++Paints;
    GetCanvas()->GetBrush()->SetColor(Fill);
    GetCanvas()->FillRect({-50, -50, GetWidth() + 50, GetHeight() + 50});
  }
};

class TRecordingMenu : public TPopupMenu {
  TAVREL_CLASS(TRecordingMenu, TPopupMenu)
public:
  explicit TRecordingMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}
  struct TCall {
    TPoint At;
    TComponent* Component;
  };
  std::vector<TCall> Calls;
  void Popup(int X, int Y) override {
    TPopupMenu::Popup(X, Y);
    Calls.push_back({{X, Y}, GetPopupComponent()});
  }
};

// A fresh headless desktop; the components made are freed afterwards.
class TControlCoreTest : public TDesktopTest {
protected:
  void TearDown() override {
    if (Root) Root->Free();
    TDesktopTest::TearDown();
  }
  TComponent* Owner() {
    if (!Root) Root = new TComponent(nullptr);
    return Root;
  }
  TComponent* Root = nullptr;
};
