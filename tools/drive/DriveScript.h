// The command script: one command a line, words separated by blanks, a
// word in double quotes may hold blanks ('\"' and '\\' inside), '#'
// outside quotes starts a comment to the end of the line, and blank or
// comment-only lines are skipped. Lines are counted from 1 over the whole
// input, so an error names the line the user sees in the file.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

struct TDriveCommand {
  int Line = 0;
  std::vector<std::string> Words;
  // Set when the line could not be split (an unclosed quote); Words is
  // then empty.
  std::string Error;
};

class TDriveScript {
public:
  explicit TDriveScript(std::istream& In) : FIn(In) {}

  // The next command, or nothing at the end of the input.
  std::optional<TDriveCommand> Next();

  // Splits one line; false with Error set for an unclosed quote.
  static bool Split(const std::string& Text, std::vector<std::string>& Words, std::string& Error);
  // A whole decimal number in [Min, Max]; no sign-less junk, no overflow.
  static bool ParseInt(const std::string& Text, long long Min, long long Max, long long& Out);

private:
  std::istream& FIn;
  int FRead = 0;
};
