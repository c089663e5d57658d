// TGraphic: a picture that can draw itself on a canvas and travel as a
// file. Concrete graphics (bitmaps, icons, JPEG images) are made by
// class through TClass::Create, so a picture can hold any registered
// kind without knowing it.
//
// Picture data in a form definition is the graphic's ReadData form;
// by default that is the graphic's file format up to the end of the
// block, read with LoadFromStream.
#pragma once

#include "framework/classes/Event.h"
#include "framework/classes/Persistent.h"
#include "platform/WinTypes.h"

#include <string>

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
  TAVREL_CLASS(TGraphic, TPersistent)
public:
  virtual bool Empty() const = 0;
  virtual int GetWidth() const = 0;
  virtual void SetWidth(int Value) = 0;
  virtual int GetHeight() const = 0;
  virtual void SetHeight(int Value) = 0;
  virtual bool GetTransparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);
  // Set by every change; cleared only by whoever saved the graphic.
  bool GetModified() const { return FModified; }
  void SetModified(bool Value);
  // The colours of an indexed picture; null for those without.
  virtual HPALETTE GetPalette() const { return nullptr; }
  virtual void SetPalette(HPALETTE) {}

  // Replace the picture with a file's contents read from the stream's
  // position; bad data raises EInvalidGraphic and changes nothing.
  virtual void LoadFromStream(TStream& Stream) = 0;
  virtual void SaveToStream(TStream& Stream) = 0;
  virtual void LoadFromFile(const std::string& FileName);
  virtual void SaveToFile(const std::string& FileName);
  // Whether Graphic is of the same class and saves to the same bytes.
  virtual bool Equals(TGraphic* Graphic);

  // Declares "Data": the graphic's own data (ReadData).
  void DeclareExtraProperties(TFiler& Filer) override;

  TNotifyEvent OnChange;

protected:
  friend class TCanvas;
  friend class TPicture;

  // Paints the graphic scaled to Rect on ACanvas.
  virtual void Draw(TCanvas& ACanvas, const TRect& Rect) = 0;
  // Marks the graphic modified and raises OnChange.
  virtual void Changed();
  // The picture data of a form definition: the rest of the stream.
  virtual void ReadData(TStream& Stream);
  virtual void WriteData(TStream& Stream);

  // For descendants that copy it along with their picture.
  bool FTransparent = false;

private:
  bool FModified = false;
};
