// The looking commands against the sample program: windows, controls,
// pixel and shot, and the line that reports the program's end.
#include "DriveSample.h"
#include "DriveTest.h"

#include <cstdio>
#include <fstream>
#include <iterator>

using namespace drivetest;

namespace {

TDriveResult RunLooking(const std::string& Commands) {
  return RunDrive("start\n" + Commands + "quit\n", RunSample);
}

} // namespace

TEST(DriveWindows, ListsEveryTopLevelWindowWithItsState) {
  TDriveResult R = RunLooking("windows\n");
  EXPECT_EQ(R.Status, 0) << R.Text();
  TFields Main = R.Find("window", "name", "MainForm");
  EXPECT_EQ(Main["class"], "TForm");
  EXPECT_EQ(Main["caption"], "Sample");
  EXPECT_EQ(Main["rect"], "100,100,500,400");
  EXPECT_EQ(Main["visible"], "1");
  EXPECT_EQ(Main["enabled"], "1");
  EXPECT_EQ(Main["topmost"], "0");
  EXPECT_EQ(Main["state"], "normal");
  EXPECT_EQ(Main["alpha"], "none");
  EXPECT_EQ(Main["region"], "none");
  EXPECT_EQ(Main["window"].rfind("0x", 0), 0u);
  TFields Overlay = R.Find("window", "name", "Overlay");
  EXPECT_EQ(Overlay["caption"], "Over \"lay\"");
  EXPECT_EQ(Overlay["alpha"], "128");
  EXPECT_EQ(Overlay["region"], "0,0,50,40");
  // Hidden windows are listed too; a window no control owns has no name.
  TFields App = R.Find("window", "class", "TApplication");
  EXPECT_EQ(App["visible"], "0");
  EXPECT_EQ(App["name"], "");
  EXPECT_EQ(R.Lines.back(), "exit=7");
}

TEST(DriveWindows, ListsControlsDepthFirstInScreenPixels) {
  TDriveResult R = RunLooking("controls\n");
  std::vector<TFields> C = R.All("control");
  ASSERT_EQ(C.size(), 5u) << R.Text();
  TFields Marker = R.Find("control", "control", "Marker");
  EXPECT_EQ(Marker["class"], "TShape");
  EXPECT_EQ(Marker["form"], "MainForm");
  // The graphic control sits at (10, 50) of the client area: everything
  // else is placed from the client origin that gives.
  int Ox = RectField(Marker, "rect", 0) - 10, Oy = RectField(Marker, "rect", 1) - 50;
  auto Rect = [&](int L, int T, int W, int H) {
    return std::to_string(Ox + L) + "," + std::to_string(Oy + T) + "," +
           std::to_string(Ox + L + W) + "," + std::to_string(Oy + T + H);
  };
  EXPECT_EQ(Marker["rect"], Rect(10, 50, 40, 40));
  EXPECT_EQ(R.Find("control", "control", "Bar")["rect"], Rect(10, 10, 200, 17));
  EXPECT_EQ(R.Find("control", "control", "Panel1")["rect"], Rect(10, 100, 150, 60));
  EXPECT_EQ(R.Find("control", "control", "OpenButton")["rect"], Rect(15, 105, 75, 25));
  // The button follows its panel directly; the dialog's button comes with
  // its own form, which is not showing.
  for (std::size_t I = 0; I + 1 < C.size(); ++I) {
    if (C[I]["control"] == "Panel1") {
      EXPECT_EQ(C[I + 1]["control"], "OpenButton");
    }
  }
  TFields Ok = R.Find("control", "control", "OkButton");
  EXPECT_EQ(Ok["form"], "Dialog");
  EXPECT_EQ(Ok["visible"], "0");
  EXPECT_EQ(R.Find("control", "control", "Bar")["visible"], "1");
}

TEST(DriveWindows, PixelReadsTheComposedScreen) {
  TDriveResult R = RunLooking("pixel 480 380\npixel 5 5\npixel 1280 0\n");
  EXPECT_EQ(R.Find("pixel", "pixel", "480,380")["rgb"], "FF0000") << R.Text();
  EXPECT_EQ(R.Find("pixel", "pixel", "5,5").size(), 2u);
  TFields Off = R.Find("error", "line", "4");
  EXPECT_EQ(Off["error"], "point 1280,0 lies off the screen");
  EXPECT_EQ(R.Status, 1);
}

TEST(DriveWindows, ShotWritesThePngOfTheScreen) {
  std::string Path = testing::TempDir() + "drive_shot.png";
  std::remove(Path.c_str());
  TDriveResult R = RunDrive(
      "screen 640 480\nstart\nshot " + Path + "\nshot /nonexistent-dir/x.png\nquit\n", RunSample);
  EXPECT_EQ(R.All("shot").size(), 1u) << R.Text();
  EXPECT_EQ(R.All("shot")[0]["shot"], Path);
  EXPECT_EQ(R.Find("error", "line", "4")["error"], "cannot write \"/nonexistent-dir/x.png\"");
  std::ifstream F(Path, std::ios::binary);
  std::string Png((std::istreambuf_iterator<char>(F)), std::istreambuf_iterator<char>());
  ASSERT_GT(Png.size(), 24u);
  EXPECT_EQ(Png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(Png.substr(12, 4), "IHDR");
  auto Be32 = [&](std::size_t At) {
    return (unsigned char)Png[At] << 24 | (unsigned char)Png[At + 1] << 16 |
           (unsigned char)Png[At + 2] << 8 | (unsigned char)Png[At + 3];
  };
  EXPECT_EQ(Be32(16), 640);
  EXPECT_EQ(Be32(20), 480);
  std::remove(Path.c_str());
}

TEST(DriveWindows, ScreenSizesTheDesktopBeforeStart) {
  TDriveResult R = RunDrive("screen 800 600 570\nstart\npixel 799 599\npixel 800 10\n"
                            "click 900 10\nquit\n",
                            RunSample);
  EXPECT_EQ(R.All("pixel").size(), 1u) << R.Text();
  EXPECT_EQ(R.Find("error", "line", "4")["error"], "point 800,10 lies off the screen");
  EXPECT_EQ(R.Find("error", "line", "5")["error"], "point 900,10 lies off the screen");
}
