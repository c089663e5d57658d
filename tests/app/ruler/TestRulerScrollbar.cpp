// The control window's scrollbar as the user moves it: thumb, arrows,
// trough and keys move the line one pixel or to where the thumb goes, the
// caption follows, and an arrow whose end a scroll reached stays disabled
// until a scroll ends at the other end or the other orientation is chosen.
#include "RulerDrive.h"

namespace {

using namespace ruler;

// The bar on a 1280-pixel screen lies at 548..732 x 953..971; its arrows
// are at either end, the thumb stands in the middle at the start.
constexpr const char* DecArrow = "552 962";
constexpr const char* IncArrow = "728 962";

std::string Caption(const TDriveRun& Run, const std::string& Section) {
  return Run.Window(Section, "Form1")["caption"];
}

TEST(RulerScrollbar, TheThumbMovesTheLineToBothEnds) {
  TDriveRun Run = Drive("start\n"
                        "drag 640 962 1279 962\necho right\nwindows\n"
                        "drag 714 962 0 962\necho left\nwindows\npixel 0 500\npixel 1 500\n"
                        "quit\n");
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  // The last position lies just beyond the right edge, logo and all.
  EXPECT_EQ(Caption(Run, "right"), "1280");
  EXPECT_EQ(RectOf(Run.Window("right", "FormVL")), (TBox{1280, 0, 1281, 1024}));
  EXPECT_EQ(RectOf(Run.Window("right", "FormLogo")).Left, 1290);
  // Position 0 is the leftmost pixel column, darkened by the black line
  // at alpha 64 over the desktop's teal: 0x80 * 191 / 255 = 0x60.
  EXPECT_EQ(Caption(Run, "left"), "0");
  EXPECT_EQ(RectOf(Run.Window("left", "FormVL")), (TBox{0, 0, 1, 1024}));
  EXPECT_EQ(RgbOf(Run.Find("left", "pixel", "0,500")), 0x006060u);
  EXPECT_EQ(RgbOf(Run.Find("left", "pixel", "1,500")), 0x008080u);
}

TEST(RulerScrollbar, ArrowsTroughAndKeysMoveByOnePixel) {
  TDriveRun Run = Drive(
      std::string("start\n") + "click " + IncArrow + "\necho inc\nwindows\n" + "click " + DecArrow +
      "\nclick " + DecArrow + "\necho dec\nwindows\n" + "click 700 962\necho trough\nwindows\n" +
      "key Right\nkey Right\necho keys\nwindows\n" + "key Home\necho home\nwindows\nquit\n");
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  EXPECT_EQ(Caption(Run, "inc"), "641");
  EXPECT_EQ(Caption(Run, "dec"), "639");
  EXPECT_EQ(Caption(Run, "trough"), "640");
  EXPECT_EQ(Caption(Run, "keys"), "642");
  EXPECT_EQ(RectOf(Run.Window("keys", "FormVL")), (TBox{642, 0, 643, 1024}));
  EXPECT_EQ(RectOf(Run.Window("keys", "FormLogo")), (TBox{652, 10, 796, 84}));
  EXPECT_EQ(Caption(Run, "home"), "0");
}

TEST(RulerScrollbar, AnArrowStaysDisabledUntilTheOtherEndOrOrientation) {
  TDriveRun Run = Drive(std::string("start\ndrag 640 962 0 962\n") + "click " + IncArrow +
                        "\nclick " + IncArrow + "\nclick " + IncArrow + "\nclick " + DecArrow +
                        "\necho away\nwindows\n"
                        // The same orientation again: the range does not change.
                        "click 640 962 right\nkey V\nclick " +
                        DecArrow +
                        "\necho vertical\nwindows\n"
                        // A scroll that ends at the other end swaps the arrows.
                        "drag 640 962 1279 962\nclick " +
                        DecArrow + "\necho otherend\nwindows\nclick " + IncArrow +
                        "\necho stillend\nwindows\n"
                        // The other orientation gives the bar a new range.
                        "click 640 962 right\nkey H\nclick 1250 440\necho horizontal\nwindows\n"
                        "quit\n");
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  EXPECT_EQ(Caption(Run, "away"), "3");
  EXPECT_EQ(Caption(Run, "vertical"), "640");
  EXPECT_EQ(Caption(Run, "otherend"), "1279");
  // Leaving the end enables nothing: the increasing arrow stays off.
  EXPECT_EQ(Caption(Run, "stillend"), "1279");
  EXPECT_EQ(Caption(Run, "horizontal"), "511");
}

TEST(RulerScrollbar, DraggingShowsNoPositionHint) {
  TDriveRun Run = Drive("start\ndown 640 962\nmove 660 962\nmove 680 962\necho dragging\n"
                        "windows\nup 680 962\necho done\nwindows\nquit\n");
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  int Visible = 0;
  for (const TFact& W : Run.Section("dragging"))
    if (W.count("window") && W.at("visible") == "1") ++Visible;
  EXPECT_EQ(Visible, 3);
  EXPECT_NE(Caption(Run, "done"), "640");
}

} // namespace
