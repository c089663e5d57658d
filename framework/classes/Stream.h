// TStream: sequential and positioned access to bytes. Read and Write move
// as much as they can and say how much; ReadBuffer and WriteBuffer demand
// all of it and raise EReadError "Stream read error" / EWriteError
// otherwise.
#pragma once

#include "framework/classes/Object.h"
#include "framework/classes/TypeInfo.h"

#include <cstdint>

TAVREL_ENUM(TSeekOrigin, soBeginning, soCurrent, soEnd)

class TStream : public TObject {
  TAVREL_CLASS(TStream, TObject)
public:
  virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
  virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
  // The new position. Positions before the start are refused with
  // EStreamError; past the end is allowed (a write there extends).
  virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

  std::int64_t GetPosition() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t Value) { Seek(Value, soBeginning); }
  virtual std::int64_t GetSize();
  virtual void SetSize(std::int64_t NewSize);

  void ReadBuffer(void* Buffer, std::int64_t Count);
  void WriteBuffer(const void* Buffer, std::int64_t Count);
  // Copies Count bytes from Source's position; 0 copies all of Source
  // from its start. Returns the count copied.
  std::int64_t CopyFrom(TStream& Source, std::int64_t Count);
};
