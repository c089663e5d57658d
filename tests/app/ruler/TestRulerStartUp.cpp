// Start-up as a user sees it: the control window near the bottom, the
// line in the middle of the screen, the logo beside it, nothing else; the
// layout on an odd screen width; and the error box of a start-up that
// fails, after which the program still ends cleanly.
#include "RulerDrive.h"

#include <fstream>

namespace {

using namespace ruler;

struct TStartCase {
  int Width, Height, WorkHeight;
  TBox Line, Control;
  int LogoLeft;
};

TEST(RulerStartUp, ShowsTheControlWindowTheLineAndTheLogoOnly) {
  const TStartCase Cases[] = {
      {1280, 1024, 994, {640, 0, 641, 1024}, {545, 934, 735, 974}, 650},
      {1365, 1024, 994, {682, 0, 683, 1024}, {587, 934, 777, 974}, 692},
      {1365, 768, 738, {682, 0, 683, 768}, {587, 678, 777, 718}, 692},
  };
  for (const TStartCase& C : Cases) {
    SCOPED_TRACE(C.Width);
    TDriveRun Run =
        Drive("screen " + std::to_string(C.Width) + " " + std::to_string(C.Height) + " " +
              std::to_string(C.WorkHeight) + "\nstart\necho start\nwindows\ncontrols\nquit\n");
    ASSERT_EQ(Run.Status, 0) << Run.Output;
    TFact Control = Run.Window("start", "Form1");
    TFact Line = Run.Window("start", "FormVL");
    TFact Logo = Run.Window("start", "FormLogo");
    TFact About = Run.Window("start", "AboutBox");
    EXPECT_EQ(RectOf(Control), C.Control);
    EXPECT_EQ(Control["caption"], std::to_string(C.Line.Left));
    EXPECT_EQ(Control["topmost"], "1");
    EXPECT_EQ(Control["visible"], "1");
    EXPECT_EQ(RectOf(Line), C.Line);
    EXPECT_EQ(Line["alpha"], "64");
    EXPECT_EQ(Line["topmost"], "1");
    EXPECT_EQ(RectOf(Logo), (TBox{C.LogoLeft, 10, C.LogoLeft + 144, 84}));
    EXPECT_EQ(Logo["alpha"], "100");
    EXPECT_EQ(About["visible"], "0");
    int Visible = 0;
    for (const TFact& W : Run.Section("start"))
      if (W.count("window") && W.at("visible") == "1") ++Visible;
    EXPECT_EQ(Visible, 3);
    TFact Bar = Run.Find("start", "control", "PropScrollbar1");
    EXPECT_EQ(Bar["form"], "Form1");
    EXPECT_EQ(Bar["class"], "TPropScrollbar");
    EXPECT_EQ(Run.Find("start", "control", "Shape1")["form"], "FormVL");
    EXPECT_EQ(Run.Find("start", "control", "Image1")["form"], "FormLogo");
    EXPECT_EQ(Run.Facts.back()["exit"], "0");
  }
}

TEST(RulerStartUp, TheMenuAnimationIsOffWhileRunningAndRestoredAtExit) {
  for (const char* Before : {"1", "0"}) {
    TDriveRun Run = Drive(std::string("setting menuanimation ") + Before +
                          "\nstart\necho running\nsetting menuanimation\nquit\n"
                          "echo after\nsetting menuanimation\n");
    ASSERT_EQ(Run.Status, 0) << Run.Output;
    EXPECT_EQ(Run.Find("running", "menuanimation", "0").size(), 1u) << Run.Output;
    EXPECT_EQ(Run.Find("after", "menuanimation", Before).size(), 1u) << Run.Output;
  }
}

// A definition that cannot be read shows its error in a box titled with
// the program's name; answering it ends the program with code 0, and the
// menu animation is put back.
TEST(RulerStartUp, ADamagedDefinitionShowsTheErrorAndEndsCleanly) {
  const std::string Bad = std::string(TAVREL_TEST_DATA) + "/bad";
  for (const char* Case :
       {"TFORMLOGO truncated-logo.bin", "TDM1 not-a-stream.bin", "TFORM1 unknown-property.bin"}) {
    SCOPED_TRACE(Case);
    std::string Name(Case, std::string(Case).find(' '));
    std::string File = Bad + "/" + (Case + Name.size() + 1);
    TDriveRun Run = Drive("setting menuanimation 1\nresource " + Name + " " + File +
                          "\nstart\necho box\nwindows\nkey Enter\necho after\n"
                          "setting menuanimation\n");
    EXPECT_TRUE(Run.Errors().empty()) << Run.Output;
    TFact Box = Run.Find("box", "caption", "Tavrel");
    EXPECT_EQ(Box["visible"], "1") << Run.Output;
    // Answering the box ends the program before the next look.
    EXPECT_EQ(Run.Find("box", "exit", "0").size(), 1u) << Run.Output;
    EXPECT_EQ(Run.Find("box", "class", "#32770")["caption"], "Tavrel");
    EXPECT_EQ(Run.Find("after", "menuanimation", "1").size(), 1u) << Run.Output;
  }
}

} // namespace
