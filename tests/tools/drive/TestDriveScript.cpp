// The script and output forms: splitting, numbers, quoting, and the error
// line every bad command or argument gets, with the run going on.
#include "DriveSample.h"
#include "DriveTest.h"

#include "tools/drive/DriveLine.h"
#include "tools/drive/DriveScript.h"

#include <stdexcept>

using namespace drivetest;

TEST(DriveScript, SplitsWordsQuotesAndComments) {
  struct TCase {
    const char* Line;
    std::vector<std::string> Words;
  } Cases[] = {
      {"click 10 20 right", {"click", "10", "20", "right"}},
      {"  \tclick\t10   20  \r", {"click", "10", "20"}},
      {"# only a comment", {}},
      {"windows # and a comment", {"windows"}},
      {"shot \"a b#c.png\" # x", {"shot", "a b#c.png"}},
      {"shot \"q\\\"uote\\\\.png\"", {"shot", "q\"uote\\.png"}},
      {"key a#b", {"key", "a"}},
      {"", {}},
  };
  for (const TCase& C : Cases) {
    std::vector<std::string> Words;
    std::string Error;
    EXPECT_TRUE(TDriveScript::Split(C.Line, Words, Error)) << C.Line;
    EXPECT_EQ(Words, C.Words) << C.Line;
  }
  std::vector<std::string> Words;
  std::string Error;
  EXPECT_FALSE(TDriveScript::Split("shot \"open", Words, Error));
  EXPECT_EQ(Error, "unclosed quote");
}

TEST(DriveScript, ParsesWholeNumbersInRangeOnly) {
  struct TCase {
    const char* Text;
    bool Ok;
    long long Value;
  } Cases[] = {{"0", true, 0},     {"42", true, 42},  {"-5", true, -5},
               {"100", true, 100}, {"101", false, 0}, {"-6", false, 0},
               {"", false, 0},     {"1x", false, 0},  {"x", false, 0},
               {" 1", false, 0},   {"+1", false, 0},  {"99999999999999999999999", false, 0}};
  for (const TCase& C : Cases) {
    long long V = -1;
    EXPECT_EQ(TDriveScript::ParseInt(C.Text, -5, 100, V), C.Ok) << C.Text;
    EXPECT_EQ(V, C.Ok ? C.Value : -1) << C.Text;
  }
}

TEST(DriveScript, QuotesTextFieldsAndValuesThatWouldSplit) {
  TDriveLine L;
  L.Add("a", "plain").Add("b", "two words").Add("c", "").Text("d", "").Text("e", "x\"y\\z\nw");
  L.Flag("f", true).Add("g", -3).Rect("h", TRect{1, 2, 3, 4});
  EXPECT_EQ(L.Str(), "a=plain b=\"two words\" c= d=\"\" e=\"x\\\"y\\\\z\\nw\" f=1 g=-3 h=1,2,3,4");
  TFields F = ParseFields(L.Str());
  EXPECT_EQ(F["b"], "two words");
  EXPECT_EQ(F["e"], "x\"y\\z\nw");
}

TEST(DriveScript, EveryBadCommandPrintsAnErrorWithItsLineAndTheRunGoesOn) {
  const std::string Script = "# errors before start\n"
                             "bogus\n"
                             "windows\n"
                             "click 1 1\n"
                             "quit\n"
                             "screen 0 10\n"
                             "screen 800 600 700\n"
                             "start now\n"
                             "resource TFORM1\n"
                             "setting speed\n"
                             "\n"
                             "start\n"
                             "screen 800 600\n"
                             "start\n"
                             "resource X /dev/null\n"
                             "click 10\n"
                             "click 10 20 middle\n"
                             "click 5000 5\n"
                             "move -1 5\n"
                             "drag 1 1 2 2 0\n"
                             "key F13\n"
                             "key\n"
                             "wait -1\n"
                             "wait soon\n"
                             "windows now\n"
                             "pixel 1 2 3\n"
                             "shot\n"
                             "\"unclosed\n"
                             "setting menuanimation 2\n"
                             "windows\n"
                             "quit\n"
                             "click 1 1\n"
                             "windows\n"
                             "quit\n"
                             "start\n";
  const std::map<int, std::string> Expected = {
      {2, "unknown command \"bogus\""},
      {3, "program is not running"},
      {4, "program is not running"},
      {5, "program is not running"},
      {6, "screen takes W H [WORKH] (1 to 16384 pixels)"},
      {7, "work-area height must lie between 0 and the screen height"},
      {8, "start takes no arguments"},
      {9, "resource takes NAME FILE"},
      {10, "setting takes menuanimation [0|1]"},
      {13, "screen must come before start"},
      {14, "program already started"},
      {15, "resource must come before start"},
      {16, "click takes X Y [left|right]"},
      {17, "unknown button \"middle\""},
      {18, "point 5000,5 lies off the screen"},
      {19, "point -1,5 lies off the screen"},
      {20, "bad step count \"0\""},
      {21, "unknown key \"F13\""},
      {22, "key takes one key name"},
      {23, "wait takes MS (0 to 3600000)"},
      {24, "wait takes MS (0 to 3600000)"},
      {25, "windows takes no arguments"},
      {26, "pixel takes X Y"},
      {27, "shot takes FILE"},
      {28, "unclosed quote"},
      {29, "menuanimation is 0 or 1"},
      {32, "program is not running"},
      {33, "program is not running"},
      {34, "program is not running"},
      {35, "program already started"},
  };
  TDriveResult R = RunDrive(Script, RunSample);
  EXPECT_EQ(R.Status, 1);
  std::map<int, std::string> Got;
  for (const TFields& F : R.All("error")) Got[std::stoi(F.at("line"))] = F.at("error");
  EXPECT_EQ(Got, Expected) << R.Text();
  // The good commands still ran: the windows of line 30 and the exit.
  EXPECT_FALSE(R.Find("window", "name", "MainForm").empty());
  EXPECT_EQ(R.All("exit").size(), 1u);
}

TEST(DriveScript, EndOfInputEndsTheProgramAsQuitDoes) {
  TDriveResult R = RunDrive("# just run it\n\nstart\n\n", RunSample);
  EXPECT_EQ(R.Status, 0);
  EXPECT_EQ(R.Lines, std::vector<std::string>{"exit=7"});
}

TEST(DriveScript, WithoutStartNothingRuns) {
  bool Ran = false;
  TDriveResult R = RunDrive("setting menuanimation\n", [&] {
    Ran = true;
    return 0;
  });
  EXPECT_FALSE(Ran);
  EXPECT_EQ(R.Lines, std::vector<std::string>{"menuanimation=1"});
}

TEST(DriveScript, AProgramThatEndsByItselfReportsItsExitAtOnce) {
  TDriveResult R = RunDrive("start\nwindows\n", [] { return 3; });
  EXPECT_EQ(R.Lines.at(0), "exit=3");
  EXPECT_EQ(R.Find("error", "line", "2")["error"], "program is not running");
}

TEST(DriveScript, AProgramThatThrowsIsReported) {
  TDriveResult R = RunDrive("start\n", []() -> int { throw std::runtime_error("broken"); });
  EXPECT_EQ(R.Status, 1);
  EXPECT_EQ(R.Lines, std::vector<std::string>{"error=\"program failed: broken\" line=1"});
}

// Marks may come before the start, while running and after the end, and
// keep their words as one quoted text.
TEST(DriveScript, EchoMarksThePlacesOfTheOutput) {
  TDriveResult R =
      RunDrive("echo before\nstart\necho running  now\nquit\necho \"after the end\"\n", RunSample);
  EXPECT_EQ(R.Status, 0) << R.Text();
  std::vector<TFields> Echoes = R.All("echo");
  ASSERT_EQ(Echoes.size(), 3u) << R.Text();
  EXPECT_EQ(Echoes[0]["echo"], "before");
  EXPECT_EQ(Echoes[1]["echo"], "running now");
  EXPECT_EQ(Echoes[2]["echo"], "after the end");
  EXPECT_EQ(R.Lines.back(), "echo=\"after the end\"");
}
