// The About box: opened by "Om", centred on the screen whatever its stored
// place, blocking the other windows until OK, Enter or its close box ends
// it; every opening shows the same box again.
#include "RulerDrive.h"

namespace {

using namespace ruler;

std::string AboutScript(const std::string& Screen, const std::string& Close) {
  return Screen + "start\nclick 640 962 right\nkey O\necho open\nwindows\ncontrols\n" +
         "click 700 962\nclick 640 962 right\necho blocked\nwindows\nmenus\n" + Close +
         "\necho closed\nwindows\nclick 640 962 right\nkey O\necho again\nwindows\nkey Enter\n" +
         "quit\n";
}

TEST(RulerAbout, OpensCentredBlocksTheOthersAndCloses) {
  struct TCase {
    const char* Screen;
    int Width;
    const char* Close; // how the box is closed
  } Cases[] = {
      {"", 1280, "key Enter"},
      {"screen 1365 1024 994\n", 1365, "key Enter"},
      {"", 1280, "click OK"},
      {"", 1280, "click CLOSE"},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(std::to_string(C.Width) + " " + C.Close);
    // Where the OK button and the close box are comes from a first look.
    std::string Close = C.Close;
    if (Close != "key Enter") {
      TDriveRun Look = Drive(AboutScript(C.Screen, "key Enter"));
      TBox Ok = RectOf(Look.Find("open", "control", "OKButton"));
      TBox Box = RectOf(Look.Window("open", "AboutBox"));
      Close = Close == "click OK"
                  ? "click " + std::to_string(Ok.CenterX()) + " " + std::to_string(Ok.CenterY())
                  : "click " + std::to_string(Box.Right - 12) + " " + std::to_string(Box.Top + 12);
    }
    TDriveRun Run = Drive(AboutScript(C.Screen, Close));
    ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
    TFact About = Run.Window("open", "AboutBox");
    TBox Box = RectOf(About);
    EXPECT_EQ(About["visible"], "1");
    EXPECT_EQ(About["caption"], "Om");
    EXPECT_EQ(Box.Left, (C.Width - Box.Width()) / 2);
    EXPECT_EQ(Box.Top, (1024 - Box.Height()) / 2);
    EXPECT_EQ(Run.Find("open", "control", "OKButton")["visible"], "1");
    for (const char* Other : {"Form1", "FormVL", "FormLogo"})
      EXPECT_EQ(Run.Window("open", Other)["enabled"], "0") << Other;
    // Clicks on the control window do nothing while the box is open.
    EXPECT_EQ(Run.Window("blocked", "Form1")["caption"], std::to_string(C.Width / 2));
    EXPECT_TRUE(Run.Find("blocked", "class", "#32768").empty());
    EXPECT_EQ(Run.Window("closed", "AboutBox")["visible"], "0");
    EXPECT_EQ(Run.Window("closed", "Form1")["enabled"], "1");
    EXPECT_EQ(RectOf(Run.Window("again", "AboutBox")), Box);
    EXPECT_EQ(Run.Facts.back()["exit"], "0");
  }
}

} // namespace
