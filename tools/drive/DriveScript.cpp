// Reading and splitting the command script; see DriveScript.h.
#include "tools/drive/DriveScript.h"

#include <charconv>

namespace {

bool DriveScriptBlank(char C) {
  return C == ' ' || C == '\t' || C == '\r' || C == '\v' || C == '\f';
}

// Reads a quoted word starting after its opening quote; Pos ends after the
// closing one. False when the line ends first.
bool DriveScriptQuoted(const std::string& Text, std::size_t& Pos, std::string& Word) {
  while (Pos < Text.size()) {
    char C = Text[Pos++];
    if (C == '"') return true;
    if (C == '\\' && Pos < Text.size() && (Text[Pos] == '"' || Text[Pos] == '\\')) C = Text[Pos++];
    Word += C;
  }
  return false;
}

} // namespace

std::optional<TDriveCommand> TDriveScript::Next() {
  std::string Text;
  while (std::getline(FIn, Text)) {
    ++FRead;
    TDriveCommand Cmd;
    Cmd.Line = FRead;
    if (!Split(Text, Cmd.Words, Cmd.Error)) Cmd.Words.clear();
    if (Cmd.Words.empty() && Cmd.Error.empty()) continue;
    return Cmd;
  }
  return std::nullopt;
}

bool TDriveScript::Split(const std::string& Text, std::vector<std::string>& Words,
                         std::string& Error) {
  Words.clear();
  std::size_t Pos = 0;
  while (Pos < Text.size()) {
    char C = Text[Pos];
    if (DriveScriptBlank(C)) {
      ++Pos;
      continue;
    }
    if (C == '#') break;
    std::string Word;
    if (C == '"') {
      ++Pos;
      if (!DriveScriptQuoted(Text, Pos, Word)) {
        Error = "unclosed quote";
        return false;
      }
    } else {
      while (Pos < Text.size() && !DriveScriptBlank(Text[Pos]) && Text[Pos] != '#')
        Word += Text[Pos++];
    }
    Words.push_back(std::move(Word));
  }
  return true;
}

bool TDriveScript::ParseInt(const std::string& Text, long long Min, long long Max, long long& Out) {
  if (Text.empty() || Text.size() > 20) return false;
  const char* Begin = Text.data();
  const char* End = Begin + Text.size();
  long long Value = 0;
  auto [Ptr, Ec] = std::from_chars(Begin, End, Value);
  if (Ec != std::errc() || Ptr != End || Value < Min || Value > Max) return false;
  Out = Value;
  return true;
}
