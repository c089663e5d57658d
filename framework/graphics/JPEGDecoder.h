// TJPEGDecoder: one decoding of a TJPEGImage's bytes into its bitmap,
// with the picture's settings: output scale, block smoothing, grayscale
// output, 8-bit output quantised to at most 236 colours (with the
// library's colour map as the bitmap's palette, or the picture's own
// palette as the map), fast or best DCT, and for progressive files shown
// progressively the library's buffered-image mode, which decodes every
// scan as it arrives and then the final pass with the final settings.
#pragma once

#include "framework/graphics/JPEGGlue.h"

class TBitmap;
class TJPEGImage;

class TJPEGDecoder {
public:
  explicit TJPEGDecoder(TJPEGImage& Image);
  TJPEGDecoder(const TJPEGDecoder&) = delete;
  TJPEGDecoder& operator=(const TJPEGDecoder&) = delete;

  // Decodes into Bitmap (new and empty). Raises EJPEG for damaged data;
  // an EAbort from a progress handler ends quietly with what was decoded.
  void Run(TBitmap& Bitmap);

private:
  void Prepare();
  void ApplySettings();
  void Decode();
  void UseTemporaryPalette();
  void BuildPalette();
  void ReadRows();
  void ReadPasses();

  TJPEGImage& FImage;
  TJPEGDecompressor FD;
  TBitmap* FBitmap = nullptr;
  J_DCT_METHOD FFinalDct = JDCT_ISLOW;
  boolean FFinalTwoPass = FALSE;
  J_DITHER_MODE FFinalDither = JDITHER_FS;
  bool FEightBit = false;
  bool FBuildPalette = false;
};
