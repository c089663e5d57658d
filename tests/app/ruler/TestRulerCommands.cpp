// The command menu, chosen with the pointer and with its keys: orientation,
// colour, transparency, the logo, minimising; and the line's own right
// click. Check marks are read from the open menu as the desktop shows it.
#include "RulerDrive.h"

namespace {

using namespace ruler;

constexpr const char* OpenMenu = "click 640 962 right\n";

TEST(RulerCommands, HorizontalAndVerticalLayOutTheLineAndMarkTheMenu) {
  struct TCase {
    int Width;
    TBox Control;
  } Cases[] = {{1280, {1240, 417, 1260, 607}}, {1365, {1325, 417, 1345, 607}}};
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Width);
    const int Right = C.Control.CenterX(), Mid = 512;
    const std::string Reopen =
        "click " + std::to_string(Right) + " " + std::to_string(Mid) + " right\n";
    TDriveRun Run = Drive("screen " + std::to_string(C.Width) + " 1024 994\nstart\n" + OpenMenu +
                          "echo open\nmenus\n" + "key H\necho horizontal\nwindows\n" + Reopen +
                          "echo marks\nmenus\nkey V\necho vertical\nwindows\nquit\n");
    ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
    EXPECT_EQ(Run.Item("open", "Vertikal")["checked"], "1");
    EXPECT_EQ(Run.Item("open", "Horisontal")["checked"], "0");
    EXPECT_EQ(RectOf(Run.Window("horizontal", "FormVL")), (TBox{0, 512, C.Width, 513}));
    EXPECT_EQ(RectOf(Run.Window("horizontal", "Form1")), C.Control);
    EXPECT_EQ(Run.Window("horizontal", "Form1")["caption"], "512");
    EXPECT_EQ(RectOf(Run.Window("horizontal", "FormLogo")), (TBox{10, 522, 154, 596}));
    EXPECT_EQ(Run.Item("marks", "Vertikal")["checked"], "0");
    EXPECT_EQ(Run.Item("marks", "Vertikal")["default"], "1");
    EXPECT_EQ(Run.Item("marks", "Horisontal")["checked"], "1");
    EXPECT_EQ(RectOf(Run.Window("vertical", "FormVL")).Left, C.Width / 2);
    EXPECT_EQ(RectOf(Run.Window("vertical", "Form1")).Left, C.Width / 2 - 95);
  }
}

// The item's rectangle from one run is where the next run clicks: the
// program lays out the same way every time.
TEST(RulerCommands, ItemsChosenWithThePointer) {
  TDriveRun Look = Drive(std::string("start\n") + OpenMenu + "echo open\nmenus\nquit\n");
  TBox Horizontal = RectOf(Look.Item("open", "Horisontal"));
  ASSERT_GT(Horizontal.Width(), 0) << Look.Output;
  TDriveRun Run =
      Drive(std::string("start\n") + OpenMenu + "click " + std::to_string(Horizontal.CenterX()) +
            " " + std::to_string(Horizontal.CenterY()) + "\necho chosen\nwindows\nquit\n");
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  EXPECT_EQ(RectOf(Run.Window("chosen", "FormVL")), (TBox{0, 512, 1280, 513}));
}

TEST(RulerCommands, TransparencySetsTheAlphaAndOneMark) {
  struct TCase {
    const char* Key;
    const char* Alpha;
    const char* Checked;
  } Cases[] = {{"0", "255", "0 %"},
               {"2", "190", "25 %"},
               {"5", "128", "50 %"},
               {"9", "25", "90 %"},
               {"7", "64", "75 %"}};
  std::string Script = "start\n";
  for (const TCase& C : Cases)
    Script += std::string(OpenMenu) + "key T\nkey " + C.Key + "\necho " + C.Key + "\nwindows\n" +
              OpenMenu + "key T\nmenus\nkey Escape\nkey Escape\n";
  // "75 %" again: its own toggle clears the mark, the handler sets it.
  Script += std::string(OpenMenu) + "key T\nkey 7\necho again\nwindows\n" + OpenMenu +
            "key T\nmenus\nkey Escape\nkey Escape\nquit\n";
  TDriveRun Run = Drive(Script);
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Checked);
    EXPECT_EQ(Run.Window(C.Key, "FormVL")["alpha"], C.Alpha);
    for (const char* Item : {"0 %", "25 %", "50 %", "75 %", "90 %"})
      EXPECT_EQ(Run.Item(C.Key, Item)["checked"], std::string(Item) == C.Checked ? "1" : "0")
          << Item;
  }
  EXPECT_EQ(Run.Window("again", "FormVL")["alpha"], "64");
  EXPECT_EQ(Run.Item("again", "75 %")["checked"], "1");
  EXPECT_EQ(Run.Item("again", "75 %")["default"], "1");
}

// The line's pixel is its colour at alpha 64 over the desktop's teal
// (0x008080), and the line stays where it was.
TEST(RulerCommands, ColourRepaintsTheLineAtOnce) {
  TDriveRun Run = Drive(std::string("start\npixel 640 500\n") + OpenMenu +
                        "key L\nkey G\necho yellow\nwindows\npixel 640 500\n" + OpenMenu +
                        "key L\nmenus\nkey S\necho black\npixel 640 500\n" + OpenMenu +
                        "key L\nmenus\nkey Escape\nkey Escape\nquit\n");
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  EXPECT_EQ(RgbOf(Run.Facts.front()), 0x006060u);
  EXPECT_EQ(RgbOf(Run.Find("yellow", "pixel", "640,500")), 0x40A060u);
  EXPECT_EQ(RectOf(Run.Window("yellow", "FormVL")), (TBox{640, 0, 641, 1024}));
  EXPECT_EQ(Run.Item("yellow", "Gul")["checked"], "1");
  EXPECT_EQ(Run.Item("yellow", "Svart")["checked"], "0");
  EXPECT_EQ(RgbOf(Run.Find("black", "pixel", "640,500")), 0x006060u);
  EXPECT_EQ(Run.Item("black", "Gul")["checked"], "0");
  EXPECT_EQ(Run.Item("black", "Svart")["checked"], "1");
}

TEST(RulerCommands, TheLogoCommandHidesAndShowsTheLogo) {
  TDriveRun Run = Drive(std::string("start\n") + OpenMenu + "key S\necho hidden\nwindows\n" +
                        OpenMenu + "echo renamed\nmenus\nkey H\necho switched\nwindows\n" +
                        "click 1250 512 right\necho still\nmenus\nkey I\necho shown\nwindows\n" +
                        "click 1250 512 right\necho back\nmenus\nkey Escape\nquit\n");
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  EXPECT_EQ(Run.Window("hidden", "FormLogo")["visible"], "0");
  EXPECT_EQ(Run.Item("renamed", "Vis logo")["item"], "8");
  // Switching the orientation shows the logo; the menu still offers
  // "Vis logo", which then leaves it visible and renames the item.
  EXPECT_EQ(Run.Window("switched", "FormLogo")["visible"], "1");
  EXPECT_EQ(Run.Item("still", "Vis logo")["item"], "8");
  EXPECT_EQ(Run.Window("shown", "FormLogo")["visible"], "1");
  EXPECT_EQ(Run.Item("back", "Skjul logo")["item"], "8");
}

TEST(RulerCommands, MinimiseHidesTheLineAndRestoringBringsItBack) {
  TDriveRun Look = Drive(std::string("start\n") + OpenMenu + "key M\necho min\nwindows\nquit\n");
  TFact Control = Look.Window("min", "Form1");
  EXPECT_EQ(Control["state"], "minimized") << Look.Output;
  EXPECT_EQ(Look.Window("min", "FormVL")["visible"], "0");
  EXPECT_EQ(Look.Window("min", "FormLogo")["visible"], "1");
  TBox Bar = RectOf(Control);
  ASSERT_GT(Bar.Width(), 0);
  TDriveRun Run =
      Drive(std::string("start\n") + OpenMenu + "key M\nclick " + std::to_string(Bar.CenterX()) +
            " " + std::to_string(Bar.CenterY()) + "\necho restored\nwindows\nquit\n");
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  EXPECT_EQ(Run.Window("restored", "Form1")["state"], "normal");
  EXPECT_EQ(RectOf(Run.Window("restored", "Form1")), (TBox{545, 934, 735, 974}));
  EXPECT_EQ(Run.Window("restored", "FormVL")["visible"], "1");
  EXPECT_EQ(Run.Window("restored", "FormLogo")["visible"], "1");

  // A logo the user hid comes back with the line; the menu still offers
  // to show it.
  TDriveRun Hidden =
      Drive(std::string("start\n") + OpenMenu + "key S\n" + OpenMenu + "key M\nclick " +
            std::to_string(Bar.CenterX()) + " " + std::to_string(Bar.CenterY()) +
            "\necho restored\nwindows\n" + OpenMenu + "menus\nkey Escape\nquit\n");
  ASSERT_TRUE(Hidden.Errors().empty()) << Hidden.Output;
  EXPECT_EQ(Hidden.Window("restored", "FormVL")["visible"], "1");
  EXPECT_EQ(Hidden.Window("restored", "FormLogo")["visible"], "1");
  EXPECT_EQ(Hidden.Item("restored", "Vis logo")["item"], "8");
}

TEST(RulerCommands, ARightClickOnTheLineOpensTheMenu) {
  TDriveRun Run = Drive("start\nclick 640 500 right\necho open\nmenus\nkey H\necho chosen\n"
                        "windows\nquit\n");
  ASSERT_TRUE(Run.Errors().empty()) << Run.Output;
  EXPECT_EQ(Run.Find("open", "class", "#32768")["visible"], "1");
  EXPECT_EQ(RectOf(Run.Find("open", "class", "#32768")).Left, 640);
  EXPECT_EQ(RectOf(Run.Window("chosen", "FormVL")), (TBox{0, 512, 1280, 513}));
}

} // namespace
