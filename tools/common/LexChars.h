// Character classes of the tools' lexers: identifiers are ASCII letters,
// digits and underscores, as in resource scripts and form sources alike.
#pragma once

#include <cstdio>
#include <string>

inline bool LexIdentStart(char C) {
  return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
}
inline bool LexDigit(char C) { return C >= '0' && C <= '9'; }
inline bool LexIdentChar(char C) { return LexIdentStart(C) || LexDigit(C); }

// The value of a hex digit, or -1.
inline int LexHexValue(char C) {
  if (LexDigit(C)) return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}

// A character as an error message shows it: quoted when printable, else
// as its byte value.
inline std::string LexDescribe(char C) {
  unsigned char U = static_cast<unsigned char>(C);
  char Buf[32];
  if (U >= 0x21 && U < 0x7F)
    std::snprintf(Buf, sizeof Buf, "'%c'", C);
  else
    std::snprintf(Buf, sizeof Buf, "byte 0x%02X", U);
  return Buf;
}
