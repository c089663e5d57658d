#include "framework/graphics/Graphic.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/FileStream.h"
#include "framework/classes/Filer.h"
#include "framework/classes/MemoryStream.h"

#include <cstring>

const TClass& TGraphic::StaticClass() {
  static const TClass Class = TClassBuilder<TGraphic>("TGraphic").Build();
  return Class;
}

void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed();
}

void TGraphic::SetModified(bool Value) {
  if (Value)
    Changed();
  else
    FModified = false;
}

void TGraphic::Changed() {
  FModified = true;
  OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& FileName) {
  TFileStream Stream(FileName, fmOpenRead);
  LoadFromStream(Stream);
}

void TGraphic::SaveToFile(const std::string& FileName) {
  TFileStream Stream(FileName, fmCreate);
  SaveToStream(Stream);
}

bool TGraphic::Equals(TGraphic* Graphic) {
  if (!Graphic || &Graphic->ClassType() != &ClassType()) return false;
  if (Graphic == this) return true;
  if (Empty() || Graphic->Empty()) return Empty() && Graphic->Empty();
  TMemoryStream Mine, Theirs;
  WriteData(Mine);
  Graphic->WriteData(Theirs);
  return Mine.GetSize() == Theirs.GetSize() &&
         std::memcmp(Mine.Memory(), Theirs.Memory(), std::size_t(Mine.GetSize())) == 0;
}

void TGraphic::DeclareExtraProperties(TFiler& Filer) {
  Filer.ExtraBinaryProperty("Data", [this](TStream& Stream) { ReadData(Stream); });
}

void TGraphic::ReadData(TStream& Stream) { LoadFromStream(Stream); }

void TGraphic::WriteData(TStream& Stream) { SaveToStream(Stream); }
