// Commands read while the program waits in its loops: a modal dialog, a
// popup menu and its sub-menu, a held scrollbar arrow, a drag and a
// minimised window's bar. Targets are found by a first run's report,
// as a script writer would find them; the desktop is deterministic.
#include "DriveSample.h"
#include "DriveTest.h"

using namespace drivetest;

namespace {

TFields SampleControl(const std::string& Name) {
  return RunDrive("start\ncontrols\nquit\n", RunSample).Find("control", "control", Name);
}

// The entries of the sample's popup, opened on the scrollbar.
struct TOpenPopup {
  std::string Open;
  std::vector<TFields> Items;
};

TOpenPopup OpenSamplePopup() {
  TOpenPopup P;
  P.Open = "click " + At(Middle(SampleControl("Bar"))) + " right\n";
  P.Items = RunDrive("start\n" + P.Open + "menus\nquit\n", RunSample).All("item");
  return P;
}

} // namespace

TEST(DriveLoop, CommandsKeepComingWhileAModalDialogIsOpen) {
  std::string Open = "click " + At(Middle(SampleControl("OpenButton"))) + "\n";
  TDriveResult R =
      RunDrive("start\n" + Open + "windows\ncontrols\nkey Enter\nwindows\nquit\n", RunSample);
  EXPECT_EQ(R.Status, 0) << R.Text();
  std::vector<TFields> Dialogs;
  for (const TFields& F : R.All("window"))
    if (F.at("name") == "Dialog") Dialogs.push_back(F);
  ASSERT_EQ(Dialogs.size(), 2u) << R.Text();
  EXPECT_EQ(Dialogs[0]["visible"], "1");
  EXPECT_EQ(Dialogs[1]["visible"], "0");
  std::vector<TFields> Mains;
  for (const TFields& F : R.All("window"))
    if (F.at("name") == "MainForm") Mains.push_back(F);
  ASSERT_EQ(Mains.size(), 2u);
  EXPECT_EQ(Mains[0]["enabled"], "0");
  EXPECT_EQ(Mains[1]["enabled"], "1");
  EXPECT_EQ(Mains[1]["caption"], "modal=1");
  EXPECT_EQ(R.Find("control", "control", "OkButton")["focused"], "1") << R.Text();
  EXPECT_EQ(R.Lines.back(), "exit=7");
}

TEST(DriveLoop, AClickOnTheDialogsButtonClosesIt) {
  std::string Open = "click " + At(Middle(SampleControl("OpenButton"))) + "\n";
  TFields Ok = RunDrive("start\n" + Open + "controls\nquit\n", RunSample)
                   .Find("control", "control", "OkButton");
  TDriveResult R =
      RunDrive("start\n" + Open + "click " + At(Middle(Ok)) + "\nwindows\nquit\n", RunSample);
  EXPECT_EQ(R.Find("window", "name", "MainForm")["caption"], "modal=1") << R.Text();
  EXPECT_EQ(R.Find("window", "name", "Dialog")["visible"], "0");
}

TEST(DriveLoop, QuitWhileTheDialogIsOpenStillEndsTheProgram) {
  std::string Open = "click " + At(Middle(SampleControl("OpenButton"))) + "\n";
  TDriveResult R = RunDrive("start\n" + Open + "quit\n", RunSample);
  EXPECT_EQ(R.Lines, std::vector<std::string>{"exit=7"});
}

TEST(DriveLoop, MenusListsTheOpenPopupAndItsSubMenu) {
  TOpenPopup P = OpenSamplePopup();
  ASSERT_EQ(P.Items.size(), 3u);
  TDriveResult R = RunDrive("start\n" + P.Open + "menus\nmove " + At(Middle(P.Items[2])) +
                                "\nmenus\nwait 1000\nmenus\nkey Escape\nkey Escape\nmenus\nquit\n",
                            RunSample);
  EXPECT_EQ(R.Status, 0) << R.Text();
  // First look: one menu window and its three entries.
  ASSERT_GE(R.Lines.size(), 4u);
  TFields Win = ParseFields(R.Lines[0]);
  EXPECT_EQ(Win["class"], "#32768");
  EXPECT_EQ(Win["visible"], "1");
  EXPECT_EQ(Win["topmost"], "1");
  TFields First = ParseFields(R.Lines[1]), Sep = ParseFields(R.Lines[2]),
          Colour = ParseFields(R.Lines[3]);
  EXPECT_EQ(First["item"], "0");
  EXPECT_EQ(First["text"], "&Minimer");
  EXPECT_EQ(Sep["separator"], "1");
  EXPECT_EQ(Sep["text"], "");
  EXPECT_EQ(Colour["text"], "&Farge");
  EXPECT_EQ(Colour["submenu"], "1");
  EXPECT_EQ(Colour["selected"], "0");
  // Entry rectangles lie inside their window.
  EXPECT_GE(RectField(First, "rect", 0), RectField(Win, "rect", 0));
  EXPECT_LE(RectField(Colour, "rect", 3), RectField(Win, "rect", 3));
  // Hovering selects; the delay opens the sub-menu, listed after its parent.
  std::vector<TFields> Items = R.All("item");
  ASSERT_EQ(Items.size(), 3u + 3u + 3u + 2u) << R.Text();
  EXPECT_EQ(Items[5]["selected"], "1");
  EXPECT_EQ(Items[4]["selected"], "0");
  EXPECT_EQ(R.All("window").size(), 1u + 1u + 2u);
  EXPECT_EQ(Items[9]["text"], "&Svart");
  EXPECT_EQ(Items[9]["checked"], "1");
  EXPECT_EQ(Items[9]["default"], "1");
  EXPECT_EQ(Items[10]["text"], "&Gul");
  EXPECT_EQ(Items[10]["checked"], "0");
  // Both Escapes closed both levels: the last look printed nothing.
  EXPECT_EQ(R.Lines.back(), "exit=7");
  EXPECT_EQ(R.Lines[R.Lines.size() - 2].rfind("item=", 0), 0u);
}

TEST(DriveLoop, AMenuKeyChoosesTheEntryAndTheBarRestoresTheWindow) {
  TOpenPopup P = OpenSamplePopup();
  TDriveResult R = RunDrive("start\n" + P.Open + "key m\nwindows\n", RunSample);
  TFields Main = R.Find("window", "name", "MainForm");
  EXPECT_EQ(Main["state"], "minimized") << R.Text();
  // A minimised window's rect is its bar at the bottom of the work area.
  EXPECT_EQ(RectField(Main, "rect", 3), 994);
  EXPECT_LT(RectField(Main, "rect", 1), 994);
  TDriveResult Back = RunDrive(
      "start\n" + P.Open + "key m\nclick " + At(Middle(Main)) + "\nwindows\nquit\n", RunSample);
  TFields Restored = Back.Find("window", "name", "MainForm");
  EXPECT_EQ(Restored["state"], "normal") << Back.Text();
  EXPECT_EQ(Restored["rect"], "100,100,500,400");
}

TEST(DriveLoop, WaitLetsAHeldArrowRepeat) {
  TFields Bar = SampleControl("Bar");
  std::string Arrow =
      std::to_string(RectField(Bar, "rect", 2) - 4) + " " + std::to_string(Middle(Bar).Y);
  auto CaptionAfter = [&](const std::string& Held) {
    TDriveResult R = RunDrive(
        "start\ndown " + Arrow + "\n" + Held + "up " + Arrow + "\nwindows\nquit\n", RunSample);
    return R.Find("window", "name", "MainForm")["caption"];
  };
  // One step at the press; after the first delay (400 ms) one step every
  // 100 ms while the button is held.
  EXPECT_EQ(CaptionAfter(""), "51");
  EXPECT_EQ(CaptionAfter("wait 350\n"), "51");
  EXPECT_EQ(CaptionAfter("wait 1000\n"), "58");
  EXPECT_EQ(CaptionAfter("wait 500\nwait 500\n"), "58");
}

TEST(DriveLoop, DragOnTheCaptionMovesTheWindow) {
  TDriveResult R = RunDrive("start\ndrag 300 110 350 160\nwindows\ndrag 350 160 340 150 1\n"
                            "windows\nquit\n",
                            RunSample);
  std::vector<std::string> Rects;
  for (const TFields& F : R.All("window"))
    if (F.at("name") == "MainForm") Rects.push_back(F.at("rect"));
  EXPECT_EQ(Rects, (std::vector<std::string>{"150,150,550,450", "140,140,540,440"})) << R.Text();
}
