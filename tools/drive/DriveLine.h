// One line of the tool's output: key=value pairs separated by single
// spaces. A value is written bare while it holds nothing a reader splits
// on; text fields (captions, item texts, messages) are always quoted, so
// that an empty or space-only text still reads back as one value. Inside
// quotes '"' and '\' are escaped with '\', line breaks as \n and \r.
#pragma once

#include "platform/WinTypes.h"

#include <string>

class TDriveLine {
public:
  TDriveLine& Add(const std::string& Key, const std::string& Value);
  TDriveLine& Add(const std::string& Key, long long Value);
  TDriveLine& Flag(const std::string& Key, bool Value) { return Add(Key, Value ? 1 : 0); }
  // L,T,R,B.
  TDriveLine& Rect(const std::string& Key, const TRect& R);
  TDriveLine& Text(const std::string& Key, const std::string& Value);

  const std::string& Str() const { return FText; }

  static bool NeedsQuotes(const std::string& Value);

private:
  void Key(const std::string& Key);

  std::string FText;
};
