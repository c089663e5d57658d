// The whole program run in process on the headless desktop: start-up
// lays out the line in the middle of the screen and the control window
// near the bottom, and the run ends cleanly when nothing drives it.
#include "app/About.h"
#include "app/Program.h"
#include "app/Unit1.h"
#include "app/Unitlogo.h"
#include "app/Unitvl.h"
#include "components/propscrl/PropScrollbar.h"
#include "support/DesktopTest.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class ProgramRunTest : public TDesktopTest {
protected:
  // Runs the program; Look runs once when start-up has settled.
  int RunAndLook(std::function<void()> Look) {
    bool Looked = false;
    Desk->SetIdleHandler([&] {
      if (!Looked) Look();
      Looked = true;
      return false;
    });
    int Code = RunTavrel();
    EXPECT_TRUE(Looked);
    return Code;
  }
  static TRect RectOf(HWND Wnd) {
    TRect R{0, 0, 0, 0};
    GetWindowRect(Wnd, &R);
    return R;
  }
};

TEST_F(ProgramRunTest, StartUpLaysOutAVerticalLineInTheMiddle) {
  struct TCase {
    int Width, Height, WorkHeight;
    TRect Line, Control;
    TPoint Logo;
  } Cases[] = {
      {1280, 1024, 994, {640, 0, 641, 1024}, {545, 934, 735, 974}, {650, 10}},
      {1365, 768, 738, {682, 0, 683, 768}, {587, 678, 777, 718}, {692, 10}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Width);
    Desk->SetScreen(C.Width, C.Height, C.WorkHeight);
    int Code = RunAndLook([&] {
      EXPECT_EQ(RectOf(FormVL->GetHandle()), C.Line);
      EXPECT_EQ(RectOf(Form1->GetHandle()), C.Control);
      TRect Logo = RectOf(FormLogo->GetHandle());
      EXPECT_EQ(Logo.Left, C.Logo.X);
      EXPECT_EQ(Logo.Top, C.Logo.Y);
      EXPECT_EQ(Form1->GetCaption(), std::to_string(C.Line.Left));
      EXPECT_EQ(Form1->PropScrollbar1->GetMax(), C.Width);
      EXPECT_TRUE(IsWindowVisible(Form1->GetHandle()));
      EXPECT_TRUE(IsWindowVisible(FormVL->GetHandle()));
      EXPECT_TRUE(IsWindowVisible(FormLogo->GetHandle()));
      EXPECT_FALSE(AboutBox->GetVisible());
    });
    EXPECT_EQ(Code, 0);
    EXPECT_EQ(Form1, nullptr);
  }
}

} // namespace
