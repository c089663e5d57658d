// Formatting of output lines; see DriveLine.h.
#include "tools/drive/DriveLine.h"

#include "platform/headless/WindowDump.h"

TDriveLine& TDriveLine::Add(const std::string& Key, const std::string& Value) {
  this->Key(Key);
  FText += NeedsQuotes(Value) ? WindowDumpQuote(Value) : Value;
  return *this;
}

TDriveLine& TDriveLine::Add(const std::string& Key, long long Value) {
  this->Key(Key);
  FText += std::to_string(Value);
  return *this;
}

TDriveLine& TDriveLine::Rect(const std::string& Key, const TRect& R) {
  this->Key(Key);
  FText += WindowDumpRect(R);
  return *this;
}

TDriveLine& TDriveLine::Text(const std::string& Key, const std::string& Value) {
  this->Key(Key);
  FText += WindowDumpQuote(Value);
  return *this;
}

void TDriveLine::Key(const std::string& Key) {
  if (!FText.empty()) FText += ' ';
  FText += Key;
  FText += '=';
}

bool TDriveLine::NeedsQuotes(const std::string& Value) {
  for (char C : Value)
    if (C == ' ' || C == '\t' || C == '"' || C == '\\' || C == '\n' || C == '\r') return true;
  return false;
}
