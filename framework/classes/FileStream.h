// TFileStream: a file opened for reading or created for writing; failures
// raise EFOpenError / EFCreateError with the file name and the system's
// reason.
#pragma once

#include "framework/classes/Stream.h"

#include <string>

enum TFileMode { fmOpenRead, fmOpenReadWrite, fmCreate };

class TFileStream : public TStream {
  TAVREL_CLASS(TFileStream, TStream)
public:
  TFileStream(const std::string& FileName, TFileMode Mode);
  ~TFileStream() override;
  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(std::int64_t NewSize) override;
  const std::string& FileName() const { return FFileName; }

private:
  std::string FFileName;
  int FHandle = -1;
};
