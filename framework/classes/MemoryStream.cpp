#include "framework/classes/MemoryStream.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/FileStream.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <cstring>

const TClass& TCustomMemoryStream::StaticClass() {
  static const TClass Class = TClassBuilder<TCustomMemoryStream>("TCustomMemoryStream").Build();
  return Class;
}

const TClass& TMemoryStream::StaticClass() {
  static const TClass Class = TClassBuilder<TMemoryStream>("TMemoryStream").Build();
  return Class;
}

void TCustomMemoryStream::SetPointer(const std::uint8_t* Memory, std::int64_t Size) {
  FMemory = Memory;
  FSize = Size;
}

std::int64_t TCustomMemoryStream::Read(void* Buffer, std::int64_t Count) {
  if (Count <= 0 || FPosition >= FSize) return 0;
  std::int64_t N = std::min(Count, FSize - FPosition);
  std::memcpy(Buffer, FMemory + FPosition, std::size_t(N));
  FPosition += N;
  return N;
}

std::int64_t TCustomMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  std::int64_t Base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : FSize;
  if ((Offset < 0 && Base + Offset < 0) || (Offset > 0 && Base > INT64_MAX - Offset))
    throw EStreamError(SSeekNotImplemented);
  FPosition = Base + Offset;
  return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream& Dest) { Dest.WriteBuffer(FMemory, FSize); }

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
  if (Count <= 0) return 0;
  std::int64_t End = FPosition + Count;
  if (End > GetSize()) SetSize(End);
  std::memcpy(FData.data() + FPosition, Buffer, std::size_t(Count));
  FPosition = End;
  return Count;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  if (NewSize < 0) throw EStreamError(SSeekNotImplemented);
  FData.resize(std::size_t(NewSize));
  SetPointer(FData.data(), NewSize);
  if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::LoadFromStream(TStream& Source) {
  Source.SetPosition(0);
  std::int64_t Size = Source.GetSize();
  SetSize(Size);
  if (Size) Source.ReadBuffer(FData.data(), Size);
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
  TFileStream File(FileName, fmOpenRead);
  LoadFromStream(File);
}
