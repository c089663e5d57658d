// TJPEGData: the compressed bytes of a JPEG picture and what its frame
// header says about them, shared (reference counted) by the TJPEGImage
// objects that were assigned from one another. A picture made from a
// bitmap has data without bytes until it is encoded.
#pragma once

#include "framework/classes/MemoryStream.h"
#include "framework/graphics/SharedImage.h"

#include <memory>

class TJPEGData : public TSharedImage {
public:
  // The JPEG file bytes; null while there are none (an empty block is
  // not null: a zero-length load stores one).
  TMemoryStream* GetData() const { return FData.get(); }
  void SetData(std::unique_ptr<TMemoryStream> Value) { FData = std::move(Value); }
  bool HasData() const { return FData != nullptr; }

  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  bool GetGrayscale() const { return FGrayscale; }
  void SetHeader(int Width, int Height, bool Grayscale) {
    FWidth = Width;
    FHeight = Height;
    FGrayscale = Grayscale;
  }

protected:
  // Compressed data owns no system handle.
  void FreeHandle() override {}

private:
  std::unique_ptr<TMemoryStream> FData;
  int FWidth = 0;
  int FHeight = 0;
  bool FGrayscale = false;
};
