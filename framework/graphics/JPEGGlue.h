// The glue between the JPEG picture classes and libjpeg, for their .cpp
// files only: one TJPEGSession per library object carries the error
// manager, the progress monitor and the stream source or destination.
//
// libjpeg reports fatal errors by calling the error manager's exit hook,
// which must not return. Ours longjmps back to JPEGTrampoline, a frame
// that holds nothing with a destructor; JPEGCall then throws EJPEG (or the
// exception a stream or progress handler raised inside a callback, which
// the callback parked in the session). No C++ exception ever crosses the
// library's C frames, and no longjmp skips a destructor.
#pragma once

#include "platform/WinTypes.h"

#include <csetjmp>
#include <cstdio>
#include <exception>

#include <jpeglib.h>

class TStream;
class TJPEGImage;

// What a frame header says.
struct TJPEGHeader {
  int Width = 0;
  int Height = 0;
  bool Grayscale = false;
  bool Progressive = false;
};

struct TJPEGSession {
  static constexpr std::size_t BlockSize = 4096;
  // The library's own working memory for one picture is capped here.
  static constexpr long MaxLibraryMemory = 512L << 20;

  explicit TJPEGSession(TJPEGImage* Owner = nullptr) : Owner(Owner) {}
  TJPEGSession(const TJPEGSession&) = delete;
  TJPEGSession& operator=(const TJPEGSession&) = delete;

  // Before jpeg_create_*: the error manager and the client data.
  void Prepare(j_common_ptr Info);
  // After jpeg_create_*: the memory cap and, with an owner, the monitor.
  void Attach(j_common_ptr Info);
  void SetSource(j_decompress_ptr Info, TStream& From);
  void SetDestination(j_compress_ptr Info, TStream& To);
  // The failure that ended the last library call, as an exception.
  [[noreturn]] void Raise();
  // Progress: Stage starting or ending, reported at once.
  void Report(int Stage, int Percent);
  // Called from library callbacks once Pending holds what they caught:
  // unwinds to the trampoline. The caller's frame must hold nothing with
  // a destructor.
  [[noreturn]] void Escape();
  void Monitor(j_common_ptr Info);

  jpeg_error_mgr Error{};
  std::jmp_buf Jump;
  int Code = 0;
  std::exception_ptr Pending;

  jpeg_progress_mgr Progress{};
  TJPEGImage* Owner;
  DWORD LastTick = 0;
  bool ClockStarted = false;
  int LastPercent = -1;
  int LastPass = 0;
  unsigned LastRow = 0;

  jpeg_source_mgr Source{};
  jpeg_destination_mgr Destination{};
  TStream* Stream = nullptr;
  bool StartOfFile = true;
  JOCTET Buffer[BlockSize];
};

// Runs Call (a lambda capturing by reference only); false when the
// library failed inside it.
template <class F> [[gnu::noinline]] bool JPEGTrampoline(TJPEGSession& Session, F& Call) {
  if (setjmp(Session.Jump)) return false;
  Call();
  return true;
}

template <class F> void JPEGCall(TJPEGSession& Session, F&& Call) {
  if (!JPEGTrampoline(Session, Call)) Session.Raise();
}

// Library objects that are destroyed however their scope ends.
struct TJPEGDecompressor {
  jpeg_decompress_struct Info{};
  TJPEGSession Session;
  explicit TJPEGDecompressor(TJPEGImage* Owner = nullptr);
  ~TJPEGDecompressor() { jpeg_destroy_decompress(&Info); }
  j_common_ptr Common() { return reinterpret_cast<j_common_ptr>(&Info); }
};

struct TJPEGCompressor {
  jpeg_compress_struct Info{};
  TJPEGSession Session;
  explicit TJPEGCompressor(TJPEGImage* Owner = nullptr);
  ~TJPEGCompressor() { jpeg_destroy_compress(&Info); }
  j_common_ptr Common() { return reinterpret_cast<j_common_ptr>(&Info); }
};

// Reads the header of the JPEG file in Data (from its start); raises
// EJPEG for a damaged one.
TJPEGHeader ReadJPEGHeader(TStream& Data);
// The output size of Data decoded at 1 / Denominator.
void JPEGScaledSize(TStream& Data, int Denominator, int& Width, int& Height);
