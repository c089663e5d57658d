// Streams over memory. TCustomMemoryStream reads a block it does not
// own (a resource, a buffer); TMemoryStream owns a growable one.
#pragma once

#include "framework/classes/Stream.h"

#include <string>
#include <vector>

class TCustomMemoryStream : public TStream {
  TAVREL_CLASS(TCustomMemoryStream, TStream)
public:
  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t GetSize() override { return FSize; }
  const std::uint8_t* Memory() const { return FMemory; }
  void SaveToStream(TStream& Dest);

protected:
  void SetPointer(const std::uint8_t* Memory, std::int64_t Size);
  std::int64_t FPosition = 0;

private:
  const std::uint8_t* FMemory = nullptr;
  std::int64_t FSize = 0;
};

class TMemoryStream : public TCustomMemoryStream {
  TAVREL_CLASS(TMemoryStream, TCustomMemoryStream)
public:
  TMemoryStream() = default;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  void SetSize(std::int64_t NewSize) override;
  void Clear() { SetSize(0); }
  // Replaces the contents with all of Source, from its start.
  void LoadFromStream(TStream& Source);
  // Raises EFOpenError when the file cannot be read.
  void LoadFromFile(const std::string& FileName);
  std::uint8_t* Memory() { return FData.data(); }

private:
  std::vector<std::uint8_t> FData;
};
