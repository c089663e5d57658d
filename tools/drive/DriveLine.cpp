// Formatting of output lines; see DriveLine.h.
#include "tools/drive/DriveLine.h"

TDriveLine& TDriveLine::Add(const std::string& Key, const std::string& Value) {
  this->Key(Key);
  FText += NeedsQuotes(Value) ? Quote(Value) : Value;
  return *this;
}

TDriveLine& TDriveLine::Add(const std::string& Key, long long Value) {
  this->Key(Key);
  FText += std::to_string(Value);
  return *this;
}

TDriveLine& TDriveLine::Rect(const std::string& Key, const TRect& R) {
  this->Key(Key);
  FText += RectText(R);
  return *this;
}

TDriveLine& TDriveLine::Text(const std::string& Key, const std::string& Value) {
  this->Key(Key);
  FText += Quote(Value);
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

std::string TDriveLine::Quote(const std::string& Value) {
  std::string Out = "\"";
  for (char C : Value) {
    if (C == '"' || C == '\\')
      Out += '\\', Out += C;
    else if (C == '\n')
      Out += "\\n";
    else if (C == '\r')
      Out += "\\r";
    else
      Out += C;
  }
  return Out + '"';
}

std::string TDriveLine::RectText(const TRect& R) {
  return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) +
         "," + std::to_string(R.Bottom);
}
