// Text encodings. Strings are UTF-8 throughout the program. Text stored in
// the system's ANSI code page (ShortStrings of form definitions, single
// characters) is Windows-1252 and converted here; UTF-16 appears where
// data from the original desktop's wide interfaces is read. Invalid input
// never fails: broken UTF-8 or UTF-16 becomes U+FFFD, and characters that
// Windows-1252 lacks become '?'.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

std::string AnsiToUtf8(std::string_view Ansi);
std::string Utf8ToAnsi(std::string_view Utf8);
std::string WideToUtf8(std::u16string_view Wide);
std::u16string Utf8ToWide(std::string_view Utf8);

// The code point at Pos, advancing Pos past it. An invalid sequence yields
// U+FFFD and is skipped by its longest valid-looking prefix (at least one
// byte), so every byte is consumed exactly once. At the end of Text it
// returns U+FFFD and leaves Pos alone.
char32_t DecodeUtf8(std::string_view Text, std::size_t& Pos);
// Appends Code as UTF-8; surrogates and values above U+10FFFF become U+FFFD.
void AppendUtf8(std::string& Out, char32_t Code);
// The number of code points DecodeUtf8 would return for Text.
std::size_t Utf8Length(std::string_view Text);
