// Rows go straight into the bitmap's pixel rows (top-down, so several rows
// per library call when the bitmap's row distance allows). The bitmap is
// sized only after the output size has been checked against
// MaxJPEGPixels, and the library's own memory is capped, so a header that
// lies about the size fails before anything big is allocated.
#include "framework/graphics/JPEGDecoder.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JPEGImage.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <vector>

TJPEGDecoder::TJPEGDecoder(TJPEGImage& Image) : FImage(Image), FD(&Image) {}

void TJPEGDecoder::Run(TBitmap& Bitmap) {
  FBitmap = &Bitmap;
  Prepare();
  FBitmap->SetPixelFormat(FEightBit ? pf8bit : pf24bit);
  try {
    FD.Session.Report(psStarting, 0);
    Decode();
  } catch (const EAbort&) {
    FD.Session.Report(psEnding, 0);
    return;
  } catch (...) {
    FD.Session.Report(psEnding, 0);
    throw;
  }
  FD.Session.Report(psEnding, 100);
  if (FImage.FPaletteModified) {
    FImage.FPaletteModified = false;
    FImage.Changed();
  }
}

void TJPEGDecoder::Prepare() {
  TMemoryStream* Data = FImage.FImage->GetData();
  Data->SetPosition(0);
  FD.Session.SetSource(&FD.Info, *Data);
  JPEGCall(FD.Session, [&] { jpeg_read_header(&FD.Info, TRUE); });
  ApplySettings();
  JPEGCall(FD.Session, [&] { jpeg_calc_output_dimensions(&FD.Info); });
  std::int64_t Pixels = std::int64_t(FD.Info.output_width) * FD.Info.output_height;
  if (Pixels > MaxJPEGPixels)
    throw EJPEG(SJPEGTooLarge, {int(FD.Info.output_width), int(FD.Info.output_height)});
}

void TJPEGDecoder::ApplySettings() {
  jpeg_decompress_struct& I = FD.Info;
  I.scale_num = 1;
  I.scale_denom = 1u << unsigned(FImage.FOutputScale);
  I.do_block_smoothing = FImage.FBlockSmoothing;
  // Colour rows come out in the byte order of a 24-bit DIB row; CMYK
  // files are asked for the same and fail if the library cannot convert.
  if (FImage.FGrayOutput)
    I.out_color_space = JCS_GRAYSCALE;
  else if (I.out_color_space != JCS_GRAYSCALE)
    I.out_color_space = JCS_EXT_BGR;
  FEightBit = FImage.FOutputDepth == jf8Bit || I.out_color_space == JCS_GRAYSCALE;
  FBuildPalette = FEightBit;
  if (FEightBit) {
    I.quantize_colors = TRUE;
    I.desired_number_of_colors = 236;
  }
  if (FImage.FDecodeSpeed == jpBestSpeed) {
    I.dct_method = JDCT_IFAST;
    I.two_pass_quantize = FALSE;
    I.dither_mode = JDITHER_ORDERED;
  } else {
    I.dct_method = JDCT_FLOAT;
  }
  FFinalDct = I.dct_method;
  FFinalTwoPass = I.two_pass_quantize;
  FFinalDither = I.dither_mode;
  if (FImage.FShowProgressive && jpeg_has_multiple_scans(&I)) {
    I.enable_2pass_quant = FFinalTwoPass && I.quantize_colors;
    I.dct_method = JDCT_IFAST;
    I.two_pass_quantize = FALSE;
    I.dither_mode = JDITHER_ORDERED;
    I.buffered_image = TRUE;
  }
}

// The picture's palette becomes the colour map to quantise to; colour
// output only (a grayscale map would need one row, not the palette's
// three).
void TJPEGDecoder::UseTemporaryPalette() {
  HPALETTE& Pal = FImage.FTempPal;
  if (!Pal) return;
  if (FImage.FOutputDepth != jf8Bit || FD.Info.out_color_space == JCS_GRAYSCALE) {
    DeleteObject(std::exchange(Pal, nullptr));
    return;
  }
  UINT Count = std::min<UINT>(GetPaletteEntries(Pal, 0, 0, nullptr), 256);
  if (Count == 0) return;
  std::vector<PALETTEENTRY> Entries(Count);
  GetPaletteEntries(Pal, 0, Count, Entries.data());
  JPEGCall(FD.Session, [&] {
    JSAMPARRAY Map = FD.Info.mem->alloc_sarray(FD.Common(), JPOOL_IMAGE, Count, 3);
    for (UINT I = 0; I < Count; ++I) {
      Map[0][I] = Entries[I].peBlue;
      Map[1][I] = Entries[I].peGreen;
      Map[2][I] = Entries[I].peRed;
    }
    FD.Info.colormap = Map;
    FD.Info.actual_number_of_colors = int(Count);
  });
  FBuildPalette = false;
}

void TJPEGDecoder::Decode() {
  UseTemporaryPalette();
  JPEGCall(FD.Session, [&] { jpeg_start_decompress(&FD.Info); });
  FBitmap->SetSize(int(FD.Info.output_width), int(FD.Info.output_height));
  if (FEightBit && FImage.FTempPal && !FBuildPalette) FBitmap->SetPalette(FImage.FTempPal);
  bool Restored2Pass = false;
  if (FD.Info.buffered_image) {
    ReadPasses();
    Restored2Pass = FFinalTwoPass && FD.Info.quantize_colors;
  }
  if ((!FD.Info.buffered_image || Restored2Pass) && FEightBit && FBuildPalette) BuildPalette();
  ReadRows();
  JPEGCall(FD.Session, [&] {
    if (FD.Info.buffered_image) jpeg_finish_output(&FD.Info);
    jpeg_finish_decompress(&FD.Info);
  });
}

// Every scan as it arrives, then the final pass is started with the
// final settings (its rows are read by the caller).
void TJPEGDecoder::ReadPasses() {
  jpeg_decompress_struct& I = FD.Info;
  bool First = true;
  while (!jpeg_input_complete(&I)) {
    JPEGCall(FD.Session, [&] { jpeg_start_output(&I, I.input_scan_number); });
    if (First && FEightBit && FBuildPalette) BuildPalette();
    First = false;
    ReadRows();
    JPEGCall(FD.Session, [&] { jpeg_finish_output(&I); });
  }
  I.dct_method = FFinalDct;
  I.dither_mode = FFinalDither;
  if (FFinalTwoPass && I.quantize_colors) {
    I.two_pass_quantize = TRUE;
    I.colormap = nullptr;
  }
  JPEGCall(FD.Session, [&] { jpeg_start_output(&I, I.input_scan_number); });
}

void TJPEGDecoder::BuildPalette() {
  const jpeg_decompress_struct& I = FD.Info;
  int Count = std::clamp(I.actual_number_of_colors, 0, 256);
  if (Count == 0 || !I.colormap) return;
  std::vector<std::uint8_t> Block(sizeof(LOGPALETTE) + std::size_t(Count) * sizeof(PALETTEENTRY));
  auto* Log = reinterpret_cast<LOGPALETTE*>(Block.data());
  Log->palVersion = 0x300;
  Log->palNumEntries = WORD(Count);
  bool Gray = I.out_color_components == 1;
  for (int C = 0; C < Count; ++C) {
    JSAMPLE B = I.colormap[0][C];
    Log->palPalEntry[C] =
        Gray ? PALETTEENTRY{B, B, B, 0} : PALETTEENTRY{I.colormap[2][C], I.colormap[1][C], B, 0};
  }
  HPALETTE Pal = CreatePalette(Log);
  if (!Pal) throw EOutOfResources(SOutOfResources);
  try {
    FBitmap->SetPalette(Pal);
  } catch (...) {
    DeleteObject(Pal);
    throw;
  }
  DeleteObject(Pal);
  FImage.FPaletteModified = true;
}

// The rows of the current pass, straight into the bitmap.
void TJPEGDecoder::ReadRows() {
  jpeg_decompress_struct& I = FD.Info;
  if (I.output_height == 0) return;
  auto* Row0 = static_cast<std::uint8_t*>(FBitmap->ScanLine(0));
  std::ptrdiff_t Step = FBitmap->ScanLineBytes();
  unsigned PerCall = Step > 0 && Step % 4 == 0 ? std::clamp(I.rec_outbuf_height, 1, 16) : 1;
  JSAMPROW Rows[16];
  while (I.output_scanline < I.output_height) {
    unsigned First = I.output_scanline, Count = std::min(PerCall, I.output_height - First);
    for (unsigned K = 0; K < Count; ++K) Rows[K] = Row0 + std::ptrdiff_t(First + K) * Step;
    JDIMENSION Got = 0;
    JPEGCall(FD.Session, [&] { Got = jpeg_read_scanlines(&I, Rows, Count); });
    if (Got == 0) break;
  }
}
