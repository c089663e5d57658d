// The bitmap is copied into a 24-bit working bitmap first, so pictures of
// any pixel format feed the library the same blue, green, red rows.
#include "framework/graphics/JPEGEncoder.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JPEGImage.h"
#include "framework/runtime/Exceptions.h"

#include <memory>

TJPEGEncoder::TJPEGEncoder(TJPEGImage& Image) : FImage(Image) {}

TJPEGData* TJPEGEncoder::Run() {
  auto Data = std::make_unique<TJPEGData>();
  TJPEGSession Reporter(&FImage);
  try {
    Reporter.Report(psStarting, 0);
    Encode(*Data);
  } catch (const EAbort&) {
    Reporter.Report(psEnding, 0);
    return new TJPEGData;
  } catch (...) {
    Reporter.Report(psEnding, 0);
    throw;
  }
  Reporter.Report(psEnding, 100);
  return Data.release();
}

void TJPEGEncoder::Encode(TJPEGData& Data) {
  std::unique_ptr<TBitmap, void (*)(TBitmap*)> Work(Create<TBitmap>(),
                                                    [](TBitmap* B) { B->Free(); });
  Work->Assign(FImage.FBitmap);
  Work->SetPixelFormat(pf24bit);
  auto Bytes = std::make_unique<TMemoryStream>();
  TJPEGCompressor C(&FImage);
  jpeg_compress_struct& I = C.Info;
  C.Session.SetDestination(&I, *Bytes);
  I.image_width = JDIMENSION(Work->GetWidth());
  I.image_height = JDIMENSION(Work->GetHeight());
  I.input_components = 3;
  I.in_color_space = JCS_EXT_BGR;
  const bool Gray = FImage.FGrayOutput, Progressive = FImage.FIsProgressive;
  const int Quality = FImage.FSaveQuality;
  JPEGCall(C.Session, [&] {
    jpeg_set_defaults(&I);
    I.dct_method = JDCT_FLOAT;
    jpeg_set_quality(&I, Quality, TRUE);
    if (Gray) jpeg_set_colorspace(&I, JCS_GRAYSCALE);
    if (Progressive) jpeg_simple_progression(&I);
    jpeg_start_compress(&I, TRUE);
  });
  const int Height = Work->GetHeight();
  for (int Y = 0; Y < Height; ++Y) {
    JSAMPROW Row = static_cast<JSAMPROW>(Work->ScanLine(Y));
    JPEGCall(C.Session, [&] { jpeg_write_scanlines(&I, &Row, 1); });
  }
  JPEGCall(C.Session, [&] { jpeg_finish_compress(&I); });
  Data.SetHeader(Work->GetWidth(), Height, Gray);
  Data.SetData(std::move(Bytes));
}
