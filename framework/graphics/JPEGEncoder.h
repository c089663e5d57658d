// TJPEGEncoder: compresses a TJPEGImage's bitmap into new JPEG bytes:
// 24-bit rows, RGB input, floating-point DCT, the picture's SaveQuality
// with baseline tables, grayscale when GrayOutput is set and a
// progressive file when IsProgressive is.
#pragma once

#include "framework/graphics/JPEGGlue.h"

class TJPEGData;
class TJPEGImage;

class TJPEGEncoder {
public:
  explicit TJPEGEncoder(TJPEGImage& Image);
  TJPEGEncoder(const TJPEGEncoder&) = delete;
  TJPEGEncoder& operator=(const TJPEGEncoder&) = delete;

  // New data (reference count 0) holding the encoded bitmap; without
  // bytes when a progress handler aborted. Raises EJPEG when the library
  // refuses (an empty bitmap, a side above 65500 pixels).
  TJPEGData* Run();

private:
  void Encode(TJPEGData& Data);

  TJPEGImage& FImage;
};
