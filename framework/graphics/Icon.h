// TIcon: a picture read from an ICO file. The file is kept as it was
// read (SaveToStream writes it back byte for byte) and one of its
// images, chosen as IconCodec.h describes, is decoded for drawing.
//
// Drawing scales that image to the destination rectangle: masked pixels
// leave the destination as it was, alpha pixels blend into it. An icon
// has the size of its image; asking for another raises
// EInvalidGraphicOperation "Cannot change the size of an icon".
#pragma once

#include "framework/graphics/Graphic.h"
#include "framework/graphics/IconCodec.h"

#include <cstdint>
#include <vector>

class TIcon : public TGraphic {
  TAVREL_CLASS(TIcon, TGraphic)
public:
  TIcon();

  // From a TIcon: its file and image; from null: empty. One OnChange.
  void Assign(const TPersistent* Source) override;

  bool Empty() const override { return FFile.empty(); }
  int GetWidth() const override { return FImage.Width; }
  void SetWidth(int Value) override;
  int GetHeight() const override { return FImage.Height; }
  void SetHeight(int Value) override;

  // An ICO file from the stream's position; the position ends after its
  // last image. Bad data raises EInvalidGraphic "Icon image is not
  // valid" and changes nothing.
  void LoadFromStream(TStream& Stream) override;
  // The file as it was read; nothing for an empty icon.
  void SaveToStream(TStream& Stream) override;

  // The bits per pixel of the chosen image as its header gives them.
  int BitsPerPixel() const { return FImage.Bpp; }
  // A pixel of the chosen image as 0xAARRGGBB: alpha 0 where the icon
  // is transparent; 0 outside the image.
  std::uint32_t ArgbPixel(int X, int Y) const;

protected:
  void Draw(TCanvas& ACanvas, const TRect& Rect) override;

private:
  std::vector<std::uint8_t> FFile;
  TIconImage FImage;
};
