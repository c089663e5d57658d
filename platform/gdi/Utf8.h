// UTF-8 decoding for the text operations. Strings inside the program are
// UTF-8, but text handed to TextOut or DrawText may come from anywhere, so
// decoding never fails: every malformed byte becomes one U+FFFD and the
// decoder moves on by one byte, which keeps byte offsets (the unit of the
// "A" operations' lengths and lpDx arrays) in step with what is drawn.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::uint32_t kReplacementChar = 0xFFFD;

// Decodes the character at Text[Pos] (Pos < Length), stores it in Code and
// returns the number of bytes it took (1..4).
inline int Utf8Decode(const char* Text, std::size_t Length, std::size_t Pos, std::uint32_t& Code) {
  const auto* S = reinterpret_cast<const unsigned char*>(Text) + Pos;
  std::size_t Left = Length - Pos;
  unsigned char B0 = S[0];
  Code = kReplacementChar;
  if (B0 < 0x80) {
    Code = B0;
    return 1;
  }
  int Need;
  std::uint32_t Min, C;
  if ((B0 & 0xE0) == 0xC0)
    Need = 1, Min = 0x80, C = B0 & 0x1F;
  else if ((B0 & 0xF0) == 0xE0)
    Need = 2, Min = 0x800, C = B0 & 0x0F;
  else if ((B0 & 0xF8) == 0xF0)
    Need = 3, Min = 0x10000, C = B0 & 0x07;
  else
    return 1;
  if (Left <= std::size_t(Need)) return 1;
  for (int i = 1; i <= Need; ++i) {
    if ((S[i] & 0xC0) != 0x80) return 1;
    C = (C << 6) | (S[i] & 0x3F);
  }
  // Overlong forms, surrogates and values past the last plane are refused
  // so that one character has exactly one encoding.
  if (C < Min || C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF)) return 1;
  Code = C;
  return Need + 1;
}

// The length of Text when the caller gave Length bytes: stops at a zero
// byte, so a length larger than the string never reads past its end.
inline std::size_t TextLengthWithin(const char* Text, std::size_t Length) {
  std::size_t N = 0;
  while (N < Length && Text[N] != '\0') ++N;
  return N;
}

// The longest prefix of Text[0, Length) of at most Max bytes that does not
// cut a character in two. Characters are what Utf8Decode reads: walking
// back over continuation bytes instead would take a run of stray ones,
// each a character of its own, for one long character and cut too much.
inline std::size_t Utf8Truncate(const char* Text, std::size_t Length, std::size_t Max) {
  if (Max >= Length) return Length;
  std::size_t N = 0;
  for (;;) {
    std::uint32_t Code;
    const std::size_t Next = N + std::size_t(Utf8Decode(Text, Length, N, Code));
    if (Next > Max) return N;
    N = Next;
  }
}
