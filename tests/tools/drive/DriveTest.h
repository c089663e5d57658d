// Helpers of the tavrel-drive tests: running the engine on a script
// against a program made in code, and reading its output lines back into
// fields.
#pragma once

#include "platform/Backend.h"
#include "tools/drive/DriveEngine.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace drivetest {

using TFields = std::map<std::string, std::string>;

// Splits an output line into its fields, undoing the quoting; a field
// that does not parse is stored under "!bad".
inline TFields ParseFields(const std::string& Line) {
  TFields F;
  std::size_t Pos = 0;
  while (Pos < Line.size()) {
    std::size_t Eq = Line.find('=', Pos);
    if (Eq == std::string::npos) {
      F["!bad"] = Line.substr(Pos);
      break;
    }
    std::string Key = Line.substr(Pos, Eq - Pos), Value;
    Pos = Eq + 1;
    if (Pos < Line.size() && Line[Pos] == '"') {
      for (++Pos; Pos < Line.size() && Line[Pos] != '"'; ++Pos) {
        char C = Line[Pos];
        if (C == '\\' && Pos + 1 < Line.size()) {
          C = Line[++Pos];
          if (C == 'n') C = '\n';
          if (C == 'r') C = '\r';
        }
        Value += C;
      }
      ++Pos;
    } else {
      std::size_t End = Line.find(' ', Pos);
      if (End == std::string::npos) End = Line.size();
      Value = Line.substr(Pos, End - Pos);
      Pos = End;
    }
    F[Key] = Value;
    if (Pos < Line.size() && Line[Pos] == ' ') ++Pos;
  }
  return F;
}

struct TDriveResult {
  int Status = -1;
  std::vector<std::string> Lines;

  // The fields of every line whose first key is Key.
  std::vector<TFields> All(const std::string& Key) const {
    std::vector<TFields> Out;
    for (const std::string& L : Lines)
      if (L.rfind(Key + "=", 0) == 0) Out.push_back(ParseFields(L));
    return Out;
  }
  // The line of Key whose field Field equals Value; empty when none.
  TFields Find(const std::string& Key, const std::string& Field, const std::string& Value) const {
    for (const TFields& F : All(Key))
      if (F.count(Field) && F.at(Field) == Value) return F;
    return {};
  }
  std::string Text() const {
    std::string S;
    for (const std::string& L : Lines) S += L + "\n";
    return S;
  }
};

inline TDriveResult RunDrive(const std::string& Script, std::function<int()> Program,
                             std::uint64_t SettleLimit = TDriveEngine::kDefaultSettleLimit) {
  std::ostringstream Out;
  std::istringstream In(Script);
  TDriveResult R;
  {
    TDriveEngine Engine(Out);
    Engine.SetSettleLimit(SettleLimit);
    R.Status = Engine.Run(In, std::move(Program));
  }
  SetBackend(nullptr);
  std::istringstream Lines(Out.str());
  for (std::string L; std::getline(Lines, L);) R.Lines.push_back(L);
  return R;
}

inline int RectField(const TFields& F, const std::string& Key, int Index) {
  std::string S = F.count(Key) ? F.at(Key) : std::string();
  for (int I = 0; I < Index; ++I) {
    std::size_t Comma = S.find(',');
    if (Comma == std::string::npos) return -99999;
    S = S.substr(Comma + 1);
  }
  return S.empty() ? -99999 : std::stoi(S);
}

} // namespace drivetest

namespace drivetest {

struct TPointI {
  int X, Y;
};

// The middle of a rect field.
inline TPointI Middle(const TFields& F, const std::string& Key = "rect") {
  return {(RectField(F, Key, 0) + RectField(F, Key, 2)) / 2,
          (RectField(F, Key, 1) + RectField(F, Key, 3)) / 2};
}

inline std::string At(TPointI P) { return std::to_string(P.X) + " " + std::to_string(P.Y); }

} // namespace drivetest
