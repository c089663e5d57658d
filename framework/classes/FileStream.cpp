#include "framework/classes/FileStream.h"

#include "framework/classes/ClassBuilder.h"

#include "FrameworkConsts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

const TClass& TFileStream::StaticClass() {
  static const TClass Class = TClassBuilder<TFileStream>("TFileStream").Build();
  return Class;
}

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode) : FFileName(FileName) {
  int Flags = Mode == fmCreate          ? O_RDWR | O_CREAT | O_TRUNC
              : Mode == fmOpenReadWrite ? O_RDWR
                                        : O_RDONLY;
  FHandle = ::open(FileName.c_str(), Flags | O_CLOEXEC, 0644);
  if (FHandle < 0) {
    std::string Reason = std::strerror(errno);
    if (Mode == fmCreate) throw EFCreateError(SFCreateError, {FileName, Reason});
    throw EFOpenError(SFOpenError, {FileName, Reason});
  }
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(FHandle);
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count) {
  std::int64_t Done = 0;
  while (Done < Count) {
    ssize_t N = ::read(FHandle, static_cast<char*>(Buffer) + Done, std::size_t(Count - Done));
    if (N < 0 && errno == EINTR) continue;
    if (N <= 0) break;
    Done += N;
  }
  return Done;
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count) {
  std::int64_t Done = 0;
  while (Done < Count) {
    ssize_t N =
        ::write(FHandle, static_cast<const char*>(Buffer) + Done, std::size_t(Count - Done));
    if (N < 0 && errno == EINTR) continue;
    if (N <= 0) break;
    Done += N;
  }
  return Done;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  int Whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
  off_t Pos = ::lseek(FHandle, off_t(Offset), Whence);
  if (Pos < 0) throw EStreamError(SSeekNotImplemented);
  return Pos;
}

void TFileStream::SetSize(std::int64_t NewSize) {
  if (NewSize < 0 || ::ftruncate(FHandle, off_t(NewSize)) != 0) throw EWriteError(SWriteError);
  if (GetPosition() > NewSize) SetPosition(NewSize);
}
