// The reader's buffer and the tagged values of a definition. All numbers
// are little-endian and are assembled byte by byte, so the host's byte
// order and its long double never matter. Lengths read from the stream
// are trusted only as far as the bytes behind them go: long values are
// collected in chunks, and skipping goes in pieces of at most 256 bytes.
#include "framework/classes/Reader.h"

#include "framework/classes/Stream.h"
#include "framework/runtime/AnsiCodePage.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

// The chunk in which long strings and blocks grow.
constexpr std::size_t ReaderLongChunk = 65536;
constexpr std::size_t ReaderSkipPiece = 256;

template <class T> T ReaderLittleEndian(const std::uint8_t* Bytes) {
  std::uint64_t V = 0;
  for (std::size_t I = sizeof(T); I-- > 0;) V = (V << 8) | Bytes[I];
  return T(V);
}

// Text that claims to be UTF-8, with every broken sequence made U+FFFD.
std::string ReaderValidUtf8(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (std::size_t Pos = 0; Pos < Text.size();) AppendUtf8(Out, DecodeUtf8(Text, Pos));
  return Out;
}

bool ReaderIsIntegerTag(TValueType V) { return V == svInt8 || V == svInt16 || V == svInt32; }

} // namespace

double ExtendedToDouble(const std::uint8_t (&Bytes)[10]) {
  std::uint64_t Mantissa = ReaderLittleEndian<std::uint64_t>(Bytes);
  unsigned SignExp = ReaderLittleEndian<std::uint16_t>(Bytes + 8);
  bool Negative = (SignExp & 0x8000) != 0;
  int Exponent = int(SignExp & 0x7FFF);
  double Value;
  if (Exponent == 0x7FFF) {
    Value = (Mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  } else {
    // The integer bit is explicit, so a zero exponent (denormal) only
    // shifts the scale by one.
    int Scale = (Exponent == 0 ? 1 : Exponent) - 16383 - 63;
    Value = std::ldexp(double(Mantissa), Scale);
  }
  return Negative ? -Value : Value;
}

TReader::TReader(TStream& Stream) : FStream(Stream) {}

// Hands the unused buffered bytes back to the stream. A stream that
// cannot seek back is left where it is: a destructor must not throw.
TReader::~TReader() {
  if (FBufPos >= FBufEnd) return;
  try {
    FStream.Seek(std::int64_t(FBufPos) - std::int64_t(FBufEnd), soCurrent);
  } catch (const Exception&) {
  }
}

void TReader::FillBuffer() {
  std::int64_t Got = FStream.Read(FBuffer.data(), BufferSize);
  if (Got <= 0) throw EReadError(SReadError);
  FBufPos = 0;
  FBufEnd = std::size_t(Got);
}

// Large reads past an empty buffer go straight to the caller's memory.
void TReader::Read(void* Buffer, std::size_t Count) {
  auto* Out = static_cast<std::uint8_t*>(Buffer);
  while (Count > 0) {
    if (FBufPos == FBufEnd) {
      if (Count >= BufferSize) {
        if (FStream.Read(Out, std::int64_t(Count)) != std::int64_t(Count))
          throw EReadError(SReadError);
        return;
      }
      FillBuffer();
    }
    std::size_t N = std::min(Count, FBufEnd - FBufPos);
    std::memcpy(Out, FBuffer.data() + FBufPos, N);
    FBufPos += N;
    Out += N;
    Count -= N;
  }
}

void TReader::SkipBytes(std::uint64_t Count) {
  std::uint8_t Piece[ReaderSkipPiece];
  while (Count > 0) {
    std::size_t N = std::size_t(std::min<std::uint64_t>(Count, ReaderSkipPiece));
    Read(Piece, N);
    Count -= N;
  }
}

void TReader::ReadSignature() {
  char Signature[4];
  try {
    Read(Signature, 4);
  } catch (const EReadError&) {
    throw EReadError(SInvalidImage);
  }
  if (std::memcmp(Signature, "TPF0", 4) != 0) throw EReadError(SInvalidImage);
}

TValueType TReader::ReadValue() {
  std::uint8_t Tag;
  Read(&Tag, 1);
  return TValueType(Tag);
}

TValueType TReader::NextValue() {
  if (FBufPos == FBufEnd) FillBuffer();
  return TValueType(FBuffer[FBufPos]);
}

void TReader::CheckValue(TValueType Value) {
  TValueType Got = ReadValue();
  if (Got == Value) return;
  SkipAfterTag(Got);
  PropValueError();
}

void TReader::PropValueError() { throw EReadError(SInvalidPropertyValue); }

void TReader::EnterNesting() {
  if (FDepth >= ReaderMaxDepth) throw EReadError(SReadNestingTooDeep);
  ++FDepth;
}

std::string TReader::ReadStr() {
  std::uint8_t Length;
  Read(&Length, 1);
  char Text[256];
  Read(Text, Length);
  return AnsiToUtf8(std::string_view(Text, Length));
}

void TReader::ReadPrefix(std::uint8_t& Flags, int& ChildPos) {
  Flags = 0;
  ChildPos = 0;
  std::uint8_t First = std::uint8_t(NextValue());
  if ((First & 0xF0) != 0xF0) return;
  ReadValue();
  Flags = First & 0x0F;
  if (Flags & pfChildPos) ChildPos = ReadInteger();
}

std::uint32_t TReader::ReadCount() {
  std::uint8_t Bytes[4];
  Read(Bytes, 4);
  return ReaderLittleEndian<std::uint32_t>(Bytes);
}

std::string TReader::ReadLongBytes(std::uint64_t Count) {
  std::string Out;
  while (Count > 0) {
    std::size_t N = std::size_t(std::min<std::uint64_t>(Count, ReaderLongChunk));
    std::size_t Old = Out.size();
    Out.resize(Old + N);
    Read(Out.data() + Old, N);
    Count -= N;
  }
  return Out;
}

std::string TReader::ReadWideAsUtf8() {
  std::uint64_t Units = ReadCount();
  std::u16string Wide;
  std::uint8_t Bytes[2 * 1024];
  while (Units > 0) {
    std::size_t N = std::size_t(std::min<std::uint64_t>(Units, sizeof(Bytes) / 2));
    Read(Bytes, 2 * N);
    for (std::size_t I = 0; I < N; ++I) Wide.push_back(ReaderLittleEndian<char16_t>(Bytes + 2 * I));
    Units -= N;
  }
  return WideToUtf8(Wide);
}

int TReader::ReadInteger() {
  TValueType Tag = ReadValue();
  std::uint8_t Bytes[4];
  switch (Tag) {
  case svInt8: Read(Bytes, 1); return std::int8_t(Bytes[0]);
  case svInt16: Read(Bytes, 2); return ReaderLittleEndian<std::int16_t>(Bytes);
  case svInt32: Read(Bytes, 4); return ReaderLittleEndian<std::int32_t>(Bytes);
  default: PropValueError();
  }
}

std::int64_t TReader::ReadInt64() {
  if (NextValue() != svInt64) return ReadInteger();
  ReadValue();
  std::uint8_t Bytes[8];
  Read(Bytes, 8);
  return ReaderLittleEndian<std::int64_t>(Bytes);
}

bool TReader::ReadBoolean() {
  TValueType Tag = ReadValue();
  if (Tag != svTrue && Tag != svFalse) PropValueError();
  return Tag == svTrue;
}

std::string TReader::ReadString() {
  switch (ReadValue()) {
  case svString: return ReadStr();
  case svLString: return AnsiToUtf8(ReadLongBytes(ReadCount()));
  case svWString: return ReadWideAsUtf8();
  case svUTF8String: return ReaderValidUtf8(ReadLongBytes(ReadCount()));
  default: PropValueError();
  }
}

std::string TReader::ReadIdent() {
  switch (ReadValue()) {
  case svIdent: return ReadStr();
  case svFalse: return "False";
  case svTrue: return "True";
  case svNil: return "nil";
  case svNull: return "Null";
  default: PropValueError();
  }
}

char TReader::ReadChar() {
  std::string Text = ReadString();
  if (Utf8Length(Text) > 1) PropValueError();
  if (Text.empty()) return '\0';
  return Utf8ToAnsi(Text)[0];
}

double TReader::ReadFloat() {
  if (NextValue() != svExtended) return ReadInteger();
  ReadValue();
  std::uint8_t Bytes[10];
  Read(Bytes, 10);
  return ExtendedToDouble(Bytes);
}

float TReader::ReadSingle() {
  if (NextValue() != svSingle) return float(ReadInteger());
  ReadValue();
  std::uint8_t Bytes[4];
  Read(Bytes, 4);
  return std::bit_cast<float>(ReaderLittleEndian<std::uint32_t>(Bytes));
}

std::int64_t TReader::ReadCurrency() {
  if (NextValue() != svCurrency) return std::int64_t(ReadInteger()) * 10000;
  ReadValue();
  std::uint8_t Bytes[8];
  Read(Bytes, 8);
  return ReaderLittleEndian<std::int64_t>(Bytes);
}

double TReader::ReadDate() {
  if (NextValue() != svDate) return ReadInteger();
  ReadValue();
  std::uint8_t Bytes[8];
  Read(Bytes, 8);
  return std::bit_cast<double>(ReaderLittleEndian<std::uint64_t>(Bytes));
}

void TReader::SkipValue() { SkipAfterTag(ReadValue()); }

void TReader::SkipAfterTag(TValueType Value) {
  static constexpr std::uint8_t Fixed[] = {0, 0, 1, 2, 4, 10, 0, 0, 0, 0, 0,
                                           0, 0, 0, 0, 4, 8,  8, 0, 8, 0};
  switch (Value) {
  case svList: {
    TReaderNesting Level(*this);
    while (!EndOfList()) SkipValue();
    ReadListEnd();
    return;
  }
  case svString:
  case svIdent: {
    std::uint8_t Length;
    Read(&Length, 1);
    return SkipBytes(Length);
  }
  case svBinary:
  case svLString:
  case svUTF8String: return SkipBytes(ReadCount());
  case svWString: return SkipBytes(std::uint64_t(ReadCount()) * 2);
  case svSet: return SkipSetBody();
  case svCollection: return SkipCollection();
  default:
    if (Value > svUTF8String) throw EReadError(SReadInvalidValueTag, {int(Value)});
    return SkipBytes(Fixed[Value]);
  }
}

void TReader::SkipSetBody() {
  for (;;) {
    std::uint8_t Length;
    Read(&Length, 1);
    if (Length == 0) return;
    SkipBytes(Length);
  }
}

void TReader::SkipProperty() {
  std::uint8_t Length;
  Read(&Length, 1);
  SkipBytes(Length);
  SkipValue();
}

void TReader::SkipCollection() {
  TReaderNesting Level(*this);
  while (!EndOfList()) {
    if (ReaderIsIntegerTag(NextValue())) SkipValue();
    CheckValue(svList);
    while (!EndOfList()) SkipProperty();
    ReadListEnd();
  }
  ReadListEnd();
}
