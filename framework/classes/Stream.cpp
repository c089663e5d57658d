#include "framework/classes/Stream.h"

#include "framework/classes/ClassBuilder.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <vector>

const TClass& TStream::StaticClass() {
  static const TClass Class = TClassBuilder<TStream>("TStream").Build();
  return Class;
}

std::int64_t TStream::GetSize() {
  std::int64_t Pos = Seek(0, soCurrent);
  std::int64_t Size = Seek(0, soEnd);
  Seek(Pos, soBeginning);
  return Size;
}

void TStream::SetSize(std::int64_t) { throw EStreamError(SWriteError); }

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
  if (Count < 0 || (Count != 0 && Read(Buffer, Count) != Count)) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
  if (Count < 0 || (Count != 0 && Write(Buffer, Count) != Count)) throw EWriteError(SWriteError);
}

std::int64_t TStream::CopyFrom(TStream& Source, std::int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.GetSize();
  }
  std::vector<std::uint8_t> Chunk(std::size_t(std::min<std::int64_t>(Count, 65536)));
  std::int64_t Left = Count;
  while (Left > 0) {
    std::int64_t N = std::min<std::int64_t>(Left, std::int64_t(Chunk.size()));
    Source.ReadBuffer(Chunk.data(), N);
    WriteBuffer(Chunk.data(), N);
    Left -= N;
  }
  return Count;
}
