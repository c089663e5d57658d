// Forms on a fresh headless desktop: every test runs between the
// framework's start and end code, so Screen and Application exist and
// everything the application owns is freed afterwards.
#pragma once

#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Screen.h"
#include "framework/forms/Units.h"
#include "framework/runtime/Exceptions.h"
#include "support/DesktopTest.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace formstest {

class TFormsTest : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    InitFramework();
  }
  void TearDown() override {
    Desk->SetIdleHandler(nullptr);
    DoneFramework();
    TDesktopTest::TearDown();
  }

  // A form owned by the application, at a known place, not yet shown.
  TForm* NewForm(TRect R = {100, 100, 400, 300}) {
    auto* F = Create<TForm>(Application);
    F->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    return F;
  }

  // Each idle turn of a blocking loop runs the next step; afterwards the
  // loop is told there is nothing more (it receives WM_QUIT). A step may
  // queue no input of its own, so a harmless message wakes the loop to
  // look at what the step changed.
  void Script(std::vector<std::function<void()>> Steps) {
    auto All = std::make_shared<std::vector<std::function<void()>>>(std::move(Steps));
    auto Next = std::make_shared<std::size_t>(0);
    Desk->SetIdleHandler([All, Next] {
      if (*Next >= All->size()) return false;
      (*All)[(*Next)++]();
      if (Application) PostMessage(Application->GetHandle(), WM_NULL, 0, 0);
      return true;
    });
  }

  static LONG_PTR Style(HWND Wnd) { return GetWindowLong(Wnd, GWL_STYLE); }
  static LONG_PTR ExStyle(HWND Wnd) { return GetWindowLong(Wnd, GWL_EXSTYLE); }
  static TRect WindowRect(HWND Wnd) {
    TRect R{0, 0, 0, 0};
    GetWindowRect(Wnd, &R);
    return R;
  }
  static std::string Text(HWND Wnd) {
    char Buf[512] = {};
    GetWindowText(Wnd, Buf, int(sizeof Buf));
    return Buf;
  }
  // The desktop's message box with this caption, if one is open.
  static HWND MessageBoxWindow(const char* Caption) { return FindWindow("#32770", Caption); }
  // The text a message box shows, read from its window dump.
  std::string DumpLineOf(HWND Wnd) {
    std::string All = Desk->DumpWindows();
    char Key[32];
    std::snprintf(Key, sizeof Key, "hwnd=%p ", static_cast<void*>(Wnd));
    std::size_t At = All.find(Key);
    if (At == std::string::npos) return {};
    return All.substr(At, All.find('\n', At) - At);
  }
};

} // namespace formstest
