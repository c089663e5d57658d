// Error manager, progress monitor and stream managers of the JPEG glue.
// Callbacks run inside libjpeg's C frames: whatever they call that may
// throw is caught right there and leaves through TJPEGSession::Escape.
#include "framework/graphics/JPEGGlue.h"

#include "framework/classes/Stream.h"
#include "framework/graphics/JPEGImage.h"
#include "framework/runtime/Exceptions.h"
#include "platform/WinUser.h"

#include "FrameworkConsts.h"

#include <jerror.h>

namespace {

TJPEGSession& SessionOf(j_common_ptr Info) {
  return *static_cast<TJPEGSession*>(Info->client_data);
}
TJPEGSession& SessionOf(j_decompress_ptr Info) {
  return *static_cast<TJPEGSession*>(Info->client_data);
}
TJPEGSession& SessionOf(j_compress_ptr Info) {
  return *static_cast<TJPEGSession*>(Info->client_data);
}

void JPEGGlueErrorExit(j_common_ptr Info) {
  TJPEGSession& S = SessionOf(Info);
  S.Code = Info->err->msg_code;
  std::longjmp(S.Jump, 1);
}

// Warnings and trace messages are not reported.
void JPEGGlueEmitMessage(j_common_ptr, int) {}
void JPEGGlueOutputMessage(j_common_ptr) {}
void JPEGGlueFormatMessage(j_common_ptr, char* Buffer) { Buffer[0] = '\0'; }
void JPEGGlueResetError(j_common_ptr Info) {
  Info->err->num_warnings = 0;
  Info->err->msg_code = 0;
}

void JPEGGlueProgress(j_common_ptr Info) { SessionOf(Info).Monitor(Info); }

void JPEGGlueInitSource(j_decompress_ptr) {}

boolean JPEGGlueFillInput(j_decompress_ptr Info) {
  TJPEGSession& S = SessionOf(Info);
  std::int64_t Got = 0;
  bool Failed = false;
  try {
    Got = S.Stream->Read(S.Buffer, std::int64_t(TJPEGSession::BlockSize));
  } catch (...) {
    S.Pending = std::current_exception();
    Failed = true;
  }
  if (Failed) S.Escape();
  if (Got <= 0) {
    if (S.StartOfFile) ERREXIT(Info, JERR_INPUT_EMPTY);
    // A file that ends early is completed with an end-of-image marker.
    WARNMS(Info, JWRN_JPEG_EOF);
    S.Buffer[0] = 0xFF;
    S.Buffer[1] = JPEG_EOI;
    Got = 2;
  }
  S.Source.next_input_byte = S.Buffer;
  S.Source.bytes_in_buffer = std::size_t(Got);
  S.StartOfFile = false;
  return TRUE;
}

void JPEGGlueSkipInput(j_decompress_ptr Info, long Count) {
  TJPEGSession& S = SessionOf(Info);
  if (Count <= 0) return;
  while (std::size_t(Count) > S.Source.bytes_in_buffer) {
    Count -= long(S.Source.bytes_in_buffer);
    JPEGGlueFillInput(Info);
  }
  S.Source.next_input_byte += Count;
  S.Source.bytes_in_buffer -= std::size_t(Count);
}

void JPEGGlueTermSource(j_decompress_ptr) {}

void JPEGGlueWriteBlock(TJPEGSession& S, std::size_t Count) {
  bool Failed = false;
  try {
    S.Stream->WriteBuffer(S.Buffer, std::int64_t(Count));
  } catch (...) {
    S.Pending = std::current_exception();
    Failed = true;
  }
  if (Failed) S.Escape();
}

void JPEGGlueInitDestination(j_compress_ptr Info) {
  TJPEGSession& S = SessionOf(Info);
  S.Destination.next_output_byte = S.Buffer;
  S.Destination.free_in_buffer = TJPEGSession::BlockSize;
}

boolean JPEGGlueEmptyOutput(j_compress_ptr Info) {
  TJPEGSession& S = SessionOf(Info);
  JPEGGlueWriteBlock(S, TJPEGSession::BlockSize);
  S.Destination.next_output_byte = S.Buffer;
  S.Destination.free_in_buffer = TJPEGSession::BlockSize;
  return TRUE;
}

void JPEGGlueTermDestination(j_compress_ptr Info) {
  TJPEGSession& S = SessionOf(Info);
  std::size_t Count = TJPEGSession::BlockSize - S.Destination.free_in_buffer;
  if (Count > 0) JPEGGlueWriteBlock(S, Count);
}

} // namespace

void TJPEGSession::Prepare(j_common_ptr Info) {
  Info->err = jpeg_std_error(&Error);
  Error.error_exit = JPEGGlueErrorExit;
  Error.emit_message = JPEGGlueEmitMessage;
  Error.output_message = JPEGGlueOutputMessage;
  Error.format_message = JPEGGlueFormatMessage;
  Error.reset_error_mgr = JPEGGlueResetError;
  Info->client_data = this;
}

void TJPEGSession::Attach(j_common_ptr Info) {
  Info->client_data = this;
  if (Info->mem) Info->mem->max_memory_to_use = MaxLibraryMemory;
  if (!Owner) return;
  Progress.progress_monitor = JPEGGlueProgress;
  Info->progress = &Progress;
}

void TJPEGSession::SetSource(j_decompress_ptr Info, TStream& From) {
  Stream = &From;
  StartOfFile = true;
  Source.init_source = JPEGGlueInitSource;
  Source.fill_input_buffer = JPEGGlueFillInput;
  Source.skip_input_data = JPEGGlueSkipInput;
  Source.resync_to_restart = jpeg_resync_to_restart;
  Source.term_source = JPEGGlueTermSource;
  Source.bytes_in_buffer = 0;
  Source.next_input_byte = nullptr;
  Info->src = &Source;
}

void TJPEGSession::SetDestination(j_compress_ptr Info, TStream& To) {
  Stream = &To;
  Destination.init_destination = JPEGGlueInitDestination;
  Destination.empty_output_buffer = JPEGGlueEmptyOutput;
  Destination.term_destination = JPEGGlueTermDestination;
  Info->dest = &Destination;
}

void TJPEGSession::Raise() {
  if (Pending) std::rethrow_exception(std::exchange(Pending, nullptr));
  throw EJPEG(SJPEGError, {Code});
}

void TJPEGSession::Escape() { std::longjmp(Jump, 1); }

void TJPEGSession::Report(int Stage, int Percent) {
  if (!Owner) return;
  Owner->Progress(Owner, TProgressStage(Stage), std::uint8_t(Percent), false, TRect{}, {});
}

// At most one report every 500 ms, and none on the first call, which
// starts the clock; only a change of percentage is reported.
void TJPEGSession::Monitor(j_common_ptr Info) {
  if (!Owner) return;
  DWORD Now = GetTickCount();
  if (!ClockStarted) {
    ClockStarted = true;
    LastTick = Now;
    return;
  }
  if (Now - LastTick < 500) return;
  LastTick = Now;
  const jpeg_progress_mgr& P = Progress;
  if (P.pass_limit <= 0 || P.total_passes <= 0) return;
  int Percent = int((double(P.pass_counter) / double(P.pass_limit) + P.completed_passes) * 100.0 /
                    P.total_passes);
  if (Percent == LastPercent) return;
  LastPercent = Percent;
  TRect Band{};
  if (Info->is_decompressor) {
    auto* D = reinterpret_cast<j_decompress_ptr>(Info);
    unsigned Row = D->output_scanline;
    unsigned Bottom = P.completed_passes != LastPass ? D->output_height : Row;
    if (Bottom > LastRow) Band = TRect{0, LONG(LastRow), LONG(D->output_width), LONG(Bottom)};
    LastPass = P.completed_passes;
    LastRow = Row;
  }
  bool Failed = false;
  try {
    Owner->Progress(Owner, psRunning, std::uint8_t(Percent), Band.Height() > 3, Band, {});
  } catch (...) {
    Pending = std::current_exception();
    Failed = true;
  }
  if (Failed) Escape();
}

// A failed creation is cleaned up here: the destructor does not run for
// an object whose constructor threw.
TJPEGDecompressor::TJPEGDecompressor(TJPEGImage* Owner) : Session(Owner) {
  Session.Prepare(Common());
  auto Make = [&] { jpeg_create_decompress(&Info); };
  if (!JPEGTrampoline(Session, Make)) {
    jpeg_destroy_decompress(&Info);
    Session.Raise();
  }
  Session.Attach(Common());
}

TJPEGCompressor::TJPEGCompressor(TJPEGImage* Owner) : Session(Owner) {
  Session.Prepare(Common());
  auto Make = [&] { jpeg_create_compress(&Info); };
  if (!JPEGTrampoline(Session, Make)) {
    jpeg_destroy_compress(&Info);
    Session.Raise();
  }
  Session.Attach(Common());
}

TJPEGHeader ReadJPEGHeader(TStream& Data) {
  Data.SetPosition(0);
  TJPEGDecompressor D;
  D.Session.SetSource(&D.Info, Data);
  TJPEGHeader H;
  JPEGCall(D.Session, [&] {
    jpeg_read_header(&D.Info, TRUE);
    H.Progressive = jpeg_has_multiple_scans(&D.Info);
  });
  H.Width = int(D.Info.image_width);
  H.Height = int(D.Info.image_height);
  H.Grayscale = D.Info.jpeg_color_space == JCS_GRAYSCALE;
  return H;
}

void JPEGScaledSize(TStream& Data, int Denominator, int& Width, int& Height) {
  Data.SetPosition(0);
  TJPEGDecompressor D;
  D.Session.SetSource(&D.Info, Data);
  JPEGCall(D.Session, [&] {
    jpeg_read_header(&D.Info, TRUE);
    D.Info.scale_num = 1;
    D.Info.scale_denom = unsigned(Denominator);
    jpeg_calc_output_dimensions(&D.Info);
  });
  Width = int(D.Info.output_width);
  Height = int(D.Info.output_height);
}
