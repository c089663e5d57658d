// The run as a whole: the desktop setting around the program, resource
// overrides, the runaway guard, and the real tool on the ruler.
#include "DriveSample.h"
#include "DriveTest.h"

#include "platform/ResourceRegistry.h"
#include "platform/WinBase.h"
#include "support/ToolRun.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace drivetest;

namespace {

// The size of RCDATA resource DRIVETEST as the program finds it, or -1.
int DriveTestResourceSize() {
  HRSRC Res = FindResource(nullptr, "DRIVETEST", RT_RCDATA);
  return Res ? int(SizeofResource(nullptr, Res)) : -1;
}

[[noreturn]] int PostsForever() {
  MSG M;
  for (;;) {
    PostMessage(nullptr, WM_USER, 0, 0);
    GetMessage(&M, nullptr, 0, 0);
  }
}

[[noreturn]] int IgnoresQuit() {
  MSG M;
  for (;;) GetMessage(&M, nullptr, 0, 0);
}

std::string ReadAll(const std::string& Path) {
  std::ifstream F(Path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(F)), std::istreambuf_iterator<char>());
}

// Runs Script against Program in a child process that the runaway guard
// may end; the output it left behind.
std::string RunawayOutput(const std::string& Script, int (*Program)()) {
  std::string Path = testing::TempDir() + "drive_runaway.txt";
  auto Run = [&] {
    std::ofstream Out(Path);
    TDriveEngine Engine(Out);
    Engine.SetSettleLimit(5000);
    std::istringstream In(Script);
    Engine.Run(In, Program);
    std::exit(0);
  };
  EXPECT_EXIT(Run(), testing::ExitedWithCode(2), "");
  std::string Output = ReadAll(Path);
  std::remove(Path.c_str());
  return Output;
}

} // namespace

TEST(DriveRun, MenuAnimationSettingIsReadAndSetAroundTheRun) {
  TDriveResult R = RunDrive("setting menuanimation 1\nsetting menuanimation\nstart\n"
                            "setting menuanimation\nquit\nsetting menuanimation\n"
                            "setting menuanimation 0\nsetting menuanimation\n",
                            RunSample);
  EXPECT_EQ(R.Status, 0);
  EXPECT_EQ(R.Lines, (std::vector<std::string>{"menuanimation=1", "menuanimation=0", "exit=7",
                                               "menuanimation=1", "menuanimation=0"}));
  TDriveResult Off = RunDrive(
      "setting menuanimation 0\nstart\nsetting menuanimation 1\nquit\nsetting menuanimation\n",
      RunSample);
  // The program puts back what it found at its start.
  EXPECT_EQ(Off.Lines, (std::vector<std::string>{"exit=7", "menuanimation=0"}));
}

TEST(DriveRun, ResourceReplacesAnEmbeddedOneForTheRunOnly) {
  static const char Embedded[] = "embedded";
  std::uintptr_t Handle =
      TResourceRegistry::Instance().Add(RT_RCDATA, "DRIVETEST", Embedded, sizeof Embedded - 1);
  std::string Path = testing::TempDir() + "drive_resource.bin";
  std::ofstream(Path, std::ios::binary) << "abc";
  EXPECT_EQ(RunDrive("start\n", DriveTestResourceSize).Lines, std::vector<std::string>{"exit=8"});
  EXPECT_EQ(RunDrive("resource drivetest " + Path + "\nstart\n", DriveTestResourceSize).Lines,
            std::vector<std::string>{"exit=3"});
  EXPECT_EQ(DriveTestResourceSize(), 8);
  TDriveResult Bad =
      RunDrive("resource DRIVETEST /nonexistent/file\nresource \"#0\" " + Path + "\nstart\n",
               DriveTestResourceSize);
  EXPECT_EQ(Bad.Status, 1);
  EXPECT_EQ(Bad.Lines,
            (std::vector<std::string>{"error=\"cannot read \\\"/nonexistent/file\\\"\" line=1",
                                      "error=\"bad resource name \\\"#0\\\"\" line=2", "exit=8"}));
  std::remove(Path.c_str());
  TResourceRegistry::Instance().Remove(Handle);
}

TEST(DriveRunDeathTest, AProgramThatNeverSettlesEndsTheToolWithStatus2) {
  EXPECT_EQ(RunawayOutput("# posts to itself\nstart\nwindows\n", PostsForever),
            "error=\"program did not settle\" line=2\n");
}

TEST(DriveRunDeathTest, AProgramThatIgnoresTheEndEndsTheToolWithStatus2) {
  EXPECT_EQ(RunawayOutput("start\nidle\n", IgnoresQuit), "error=\"program did not end\" line=2\n");
}

TEST(DriveRun, TheToolRunsTheRuler) {
  std::string Script = testing::TempDir() + "drive_smoke.txt";
  std::ofstream(Script) << "start\nwindows\nquit\n";
  TToolRun R = RunTool(TAVREL_DRIVE, ToolQuote(Script));
  std::remove(Script.c_str());
  EXPECT_EQ(R.Status, 0) << R.Output;
  std::vector<std::string> Lines;
  std::istringstream In(R.Output);
  for (std::string L; std::getline(In, L);) Lines.push_back(L);
  ASSERT_FALSE(Lines.empty());
  EXPECT_EQ(Lines.back(), "exit=0");
  TDriveResult Parsed{0, Lines};
  TFields Form1 = Parsed.Find("window", "name", "Form1");
  EXPECT_EQ(Form1["visible"], "1") << R.Output;
  EXPECT_EQ(Form1["topmost"], "1");
  EXPECT_EQ(Parsed.Find("window", "name", "FormVL")["alpha"], "64");
  TToolRun Usage = RunTool(TAVREL_DRIVE, "a b");
  EXPECT_EQ(Usage.Status, 1);
  TToolRun Missing = RunTool(TAVREL_DRIVE, "/nonexistent/script");
  EXPECT_EQ(Missing.Status, 1);
}
