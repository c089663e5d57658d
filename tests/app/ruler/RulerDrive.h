// Runs the ruler through tavrel-drive, as a user would, and reads back
// what the tool printed: one fact per line, `key=value` pairs. Scripts mark
// the places they want to look at with `echo NAME`; a section is the facts
// printed after one mark up to the next.
#pragma once

#include "support/ToolRun.h"
#include "tools/drive/DriveTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace ruler {

using TFact = drivetest::TFields;

using drivetest::ParseFields;

struct TDriveRun {
  int Status = -1;
  std::string Output;
  std::vector<TFact> Facts;

  // The facts after `echo Name`, up to the next echo.
  std::vector<TFact> Section(const std::string& Name) const {
    std::vector<TFact> Out;
    bool In = false;
    for (const TFact& F : Facts) {
      if (F.count("echo")) {
        In = F.at("echo") == Name;
        continue;
      }
      if (In) Out.push_back(F);
    }
    return Out;
  }
  // The first fact of a section whose Key has Value (empty when none).
  TFact Find(const std::string& SectionName, const std::string& Key,
             const std::string& Value) const {
    for (const TFact& F : Section(SectionName))
      if (F.count(Key) && F.at(Key) == Value) return F;
    return {};
  }
  // The form window named Name in a `windows` section.
  TFact Window(const std::string& SectionName, const std::string& Name) const {
    return Find(SectionName, "name", Name);
  }
  // The items of the open menus in a `menus` section, by their text
  // without the accelerator marks.
  TFact Item(const std::string& SectionName, const std::string& Text) const {
    for (const TFact& F : Section(SectionName)) {
      if (!F.count("item") || !F.count("text")) continue;
      std::string Plain;
      for (char C : F.at("text"))
        if (C != '&') Plain += C;
      if (Plain == Text) return F;
    }
    return {};
  }
  std::vector<TFact> Errors() const {
    std::vector<TFact> Out;
    for (const TFact& F : Facts)
      if (F.count("error")) Out.push_back(F);
    return Out;
  }
};

inline TDriveRun Drive(const std::string& Script) {
  char Path[] = "/tmp/tavrel-ruler-XXXXXX";
  int Fd = mkstemp(Path);
  TDriveRun Run;
  if (Fd < 0) return Run;
  close(Fd);
  std::ofstream(Path) << Script;
  TToolRun Tool = RunTool(TAVREL_DRIVE, ToolQuote(Path));
  std::remove(Path);
  Run.Status = Tool.Status;
  Run.Output = Tool.Output;
  std::size_t Start = 0;
  while (Start < Run.Output.size()) {
    std::size_t End = Run.Output.find('\n', Start);
    if (End == std::string::npos) End = Run.Output.size();
    if (End > Start) Run.Facts.push_back(ParseFields(Run.Output.substr(Start, End - Start)));
    Start = End + 1;
  }
  return Run;
}

struct TBox {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int CenterX() const { return (Left + Right) / 2; }
  int CenterY() const { return (Top + Bottom) / 2; }
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TBox&) const = default;
};

inline TBox ParseBox(const std::string& Text) {
  TBox B;
  if (std::sscanf(Text.c_str(), "%d,%d,%d,%d", &B.Left, &B.Top, &B.Right, &B.Bottom) != 4)
    return TBox{-1, -1, -1, -1};
  return B;
}

inline TBox RectOf(const TFact& F) { return F.count("rect") ? ParseBox(F.at("rect")) : TBox{}; }

inline std::ostream& operator<<(std::ostream& Os, const TBox& B) {
  return Os << B.Left << "," << B.Top << "," << B.Right << "," << B.Bottom;
}

inline unsigned RgbOf(const TFact& F) {
  return F.count("rgb") ? unsigned(std::stoul(F.at("rgb"), nullptr, 16)) : 0xFFFFFFFFu;
}

} // namespace ruler
