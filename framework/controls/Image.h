// TImage: a picture shown in a control, at its own size or scaled into
// the control (Stretch; Proportional keeps the picture's proportions and also
// shrinks a picture larger than the control), optionally centred.
//
// The picture is the image's own (SetPicture copies); any change of it
// repaints and, with AutoSize, resizes the control to the picture.
// Canvas draws into the picture, which must then be a bitmap: an image
// without a picture gets a bitmap of the control's size.
#pragma once

#include "framework/controls/GraphicControl.h"

class TPicture;

class TImage : public TGraphicControl {
  TAVREL_CLASS(TImage, TGraphicControl)
public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPicture* Value);
  bool GetStretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool GetProportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool GetCenter() const { return FCenter; }
  void SetCenter(bool Value);
  // Handed to the picture's graphic, which decides what it means.
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // Stored for form definitions; pictures here are decoded in one go, so
  // there is no partial picture to show meanwhile.
  bool GetIncrementalDisplay() const { return FIncrementalDisplay; }
  void SetIncrementalDisplay(bool Value) { FIncrementalDisplay = Value; }

  // The picture's bitmap canvas. Raises EInvalidOperation "Can only
  // modify an image if it contains a bitmap" when the picture holds
  // another kind of graphic.
  TCanvas* GetCanvas();
  // Where the picture is drawn, in client coordinates.
  TRect DestRect() const;

  // The picture (or its graphic) changed: repaint, resize with AutoSize.
  void PictureChanged(TObject* Sender);

protected:
  void Paint() override;

private:
  TPicture* FPicture;
  bool FStretch = false;
  bool FProportional = false;
  bool FCenter = false;
  bool FTransparent = false;
  bool FAutoSize = false;
  bool FIncrementalDisplay = false;
  // Painting: a picture change meanwhile (a graphic that decodes on
  // first draw) needs no further repaint.
  bool FDrawing = false;
};
