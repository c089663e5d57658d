// Two monitors side by side (RandR monitors set with xrandr): the root,
// the virtual desktop, is twice as wide as the primary monitor, and the
// program lays its line and control window out on the primary one,
// whichever of the two it is.
#include "RulerX11Test.h"

namespace {

// Sets the monitors for one test and takes them away again afterwards,
// whatever the test's outcome. The left one is the primary one unless a
// test says otherwise.
class TRulerX11Monitors : public TRulerX11Test {
protected:
  virtual bool PrimaryRight() const { return false; }
  void SetUp() override {
    TRulerX11Test::SetUp();
    if (HasFatalFailure()) return;
    FSet = true;
    std::string Left = PrimaryRight() ? "LEFT" : "*LEFT",
                Right = PrimaryRight() ? "*RIGHT" : "RIGHT";
    ASSERT_EQ(Server().Run({"xrandr", "--setmonitor", Left, "640/169x1024/271+0+0", "none"}), 0);
    ASSERT_EQ(Server().Run({"xrandr", "--setmonitor", Right, "640/169x1024/271+640+0", "none"}), 0);
  }
  void TearDown() override {
    TRulerX11Test::TearDown();
    if (!FSet) return;
    Server().Run({"xrandr", "--delmonitor", "RIGHT"});
    Server().Run({"xrandr", "--delmonitor", "LEFT"});
  }

private:
  bool FSet = false;
};

TEST_F(TRulerX11Monitors, TheLineSpansThePrimaryMonitor) {
  ASSERT_TRUE(StartRuler());
  // The root stays the whole desktop.
  EXPECT_EQ(ScreenRectOf(DefaultRootWindow(Viewer())), (TXBox{0, 0, 1280, 1024}));
  const struct {
    const char* What;
    Window W;
    TXBox Rect;
  } Cases[] = {{"line", Line(), {320, 0, 321, 1024}},
               {"control", Control(), {225, 934, 415, 974}},
               {"logo", Logo(), {330, 10, 474, 84}}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.What);
    EXPECT_TRUE(WaitFor([&] { return ScreenRectOf(C.W) == C.Rect; })) << ScreenRectOf(C.W);
  }
  EXPECT_EQ(Name(Control()), "320");
}

class TRulerX11PrimaryRight : public TRulerX11Monitors {
protected:
  bool PrimaryRight() const override { return true; }
};

// The program's screen starts at the primary monitor's corner, root
// (640,0): everything it places on its screen lands on that monitor.
TEST_F(TRulerX11PrimaryRight, EverythingLandsOnThePrimaryMonitor) {
  ASSERT_TRUE(StartRuler());
  const struct {
    const char* What;
    Window W;
    TXBox Rect;
  } Cases[] = {{"line", Line(), {960, 0, 961, 1024}},
               {"control", Control(), {865, 934, 1055, 974}},
               {"logo", Logo(), {970, 10, 1114, 84}}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.What);
    EXPECT_TRUE(WaitFor([&] { return ScreenRectOf(C.W) == C.Rect; })) << ScreenRectOf(C.W);
  }
  // The line's place, as the control window names it, is on the program's screen.
  EXPECT_EQ(Name(Control()), "320");
}

} // namespace
