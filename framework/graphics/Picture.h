// TPicture: a slot for one graphic of any registered kind, as image
// controls and styled menus hold their pictures. The picture owns its
// graphic: giving it one stores a copy (a new instance of the graphic's
// class, Assigned from it), and the picture's OnChange also reports
// changes of the graphic.
//
// The registry of picture formats maps file extensions and class names
// to graphic classes, most recently registered first; the framework
// registers "bmp" (TBitmap) and "ico" (TIcon).
#pragma once

#include "framework/classes/Class.h"
#include "framework/classes/Event.h"
#include "framework/classes/Persistent.h"

#include <string>
#include <string_view>

class TGraphic;
class TBitmap;
class TIcon;
class TStream;

class TPicture : public TPersistent {
  TAVREL_CLASS(TPicture, TPersistent)
public:
  TPicture() = default;
  ~TPicture() override;

  // From a TPicture or TGraphic: a copy of the graphic; from null:
  // empty.
  void Assign(const TPersistent* Source) override;

  TGraphic* GetGraphic() const { return FGraphic; }
  // Stores a copy of Value; null empties the picture.
  void SetGraphic(const TGraphic* Value);
  // The graphic as a bitmap or icon; when it is of another kind (or
  // there is none) it is first replaced by an empty one of that kind.
  TBitmap* GetBitmap();
  void SetBitmap(const TBitmap* Value);
  TIcon* GetIcon();
  void SetIcon(const TIcon* Value);

  // The graphic's size; 0 when there is none.
  int GetWidth() const;
  int GetHeight() const;
  // Whether there is nothing to draw: no graphic, or an empty one.
  bool Empty() const;

  // A file of a registered extension (any case); another raises
  // EInvalidGraphic "Unknown picture file extension (.%s)". The picture
  // is unchanged when the file cannot be read.
  void LoadFromFile(const std::string& FileName);
  // Writes the graphic in its own format; nothing for an empty picture.
  void SaveToFile(const std::string& FileName);

  // "Data": a ShortString naming the graphic's class, then that
  // graphic's own data (its ReadData) to the end of the block. A class
  // the registry does not know leaves the picture empty.
  void DeclareExtraProperties(TFiler& Filer) override;

  static void RegisterFileFormat(std::string_view Extension, std::string_view Description,
                                 const TClass& GraphicClass);
  // Removes every registration of the class.
  static void UnregisterGraphicClass(const TClass& GraphicClass);
  // The class registered under this exact class name; null if none.
  static const TClass* FindGraphicClass(std::string_view ClassName);
  // The class registered for an extension (with or without its dot,
  // any case); raises EInvalidGraphic for an unknown one.
  static const TClass& GraphicClassForExtension(std::string_view Extension);
  // A file dialog filter of the formats whose class is GraphicClass or
  // descends from it: "All (*.ico;*.bmp)|*.ico;*.bmp|Icons (*.ico)|*.ico|
  // Bitmaps (*.bmp)|*.bmp", newest registration first; empty when none.
  static std::string GraphicFilter(const TClass& GraphicClass);

  TNotifyEvent OnChange;

protected:
  // A graphic of a class the picture's graphic belongs to (a TBitmap for
  // a picture holding a bitmap) takes the picture's graphic.
  void AssignTo(TPersistent* Dest) const override;
  virtual void Changed(TObject* Sender);

private:
  void GraphicChanged(TObject* Sender);
  // Makes the picture hold Graphic (owned, may be null) and reports it.
  void Adopt(TGraphic* Graphic);
  TGraphic* NewGraphic(const TClass& Class);
  TGraphic* ForceType(const TClass& Class);
  void ReadData(TStream& Stream);

  TGraphic* FGraphic = nullptr;
};
