// The picture's graphic is always replaced whole: a new instance is made
// and filled first, so a failed load or copy leaves the old one in place.
#include "framework/graphics/Picture.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Filer.h"
#include "framework/classes/Stream.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"
#include "framework/runtime/SysUtils.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <vector>

namespace {

struct TFileFormat {
  std::string Extension; // lower case, no dot
  std::string Description;
  const TClass* GraphicClass;
};

// The extension of a file name without its dot; empty when there is
// none in the last path component.
std::string_view ExtensionOf(std::string_view FileName) {
  std::size_t Dot = FileName.find_last_of("./");
  if (Dot == std::string_view::npos || FileName[Dot] != '.') return {};
  return FileName.substr(Dot + 1);
}

// Newest first; the framework's own formats are there from the start.
std::vector<TFileFormat>& Formats() {
  static std::vector<TFileFormat> List{
      {"ico", LoadResString(SIconsDescription), &TIcon::StaticClass()},
      {"bmp", LoadResString(SBitmapsDescription), &TBitmap::StaticClass()},
  };
  return List;
}

} // namespace

const TClass& TPicture::StaticClass() {
  static const TClass Class = TClassBuilder<TPicture>("TPicture").Build();
  return Class;
}

TPicture::~TPicture() { FreeAndNil(FGraphic); }

void TPicture::RegisterFileFormat(std::string_view Extension, std::string_view Description,
                                  const TClass& GraphicClass) {
  if (!Extension.empty() && Extension.front() == '.') Extension.remove_prefix(1);
  Formats().insert(Formats().begin(),
                   {LowerCase(Extension), std::string(Description), &GraphicClass});
}

void TPicture::UnregisterGraphicClass(const TClass& GraphicClass) {
  std::erase_if(Formats(), [&](const TFileFormat& F) { return F.GraphicClass == &GraphicClass; });
}

const TClass* TPicture::FindGraphicClass(std::string_view ClassName) {
  for (const TFileFormat& F : Formats())
    if (F.GraphicClass->Name() == ClassName) return F.GraphicClass;
  return nullptr;
}

const TClass& TPicture::GraphicClassForExtension(std::string_view Extension) {
  if (!Extension.empty() && Extension.front() == '.') Extension.remove_prefix(1);
  std::string Key = LowerCase(Extension);
  for (const TFileFormat& F : Formats())
    if (F.Extension == Key) return *F.GraphicClass;
  throw EInvalidGraphic(SUnknownExtension, {std::string(Extension)});
}

std::string TPicture::GraphicFilter(const TClass& GraphicClass) {
  std::string Patterns, Entries;
  for (const TFileFormat& F : Formats()) {
    if (!F.GraphicClass->InheritsFrom(GraphicClass)) continue;
    std::string Pattern = "*." + F.Extension;
    Patterns += (Patterns.empty() ? "" : ";") + Pattern;
    Entries += "|" + F.Description + " (" + Pattern + ")|" + Pattern;
  }
  if (Patterns.empty()) return {};
  return "All (" + Patterns + ")|" + Patterns + Entries;
}

TGraphic* TPicture::NewGraphic(const TClass& Class) {
  TObject* Obj = Class.Create(nullptr);
  auto* Graphic = dynamic_cast<TGraphic*>(Obj);
  if (!Graphic) {
    Obj->Free();
    throw EInvalidGraphic(SInvalidGraphic);
  }
  return Graphic;
}

void TPicture::Adopt(TGraphic* Graphic) {
  TGraphic* Old = FGraphic;
  FGraphic = Graphic;
  if (FGraphic) FGraphic->OnChange = MakeEvent<&TPicture::GraphicChanged>(this);
  if (Old) Old->Free();
  Changed(this);
}

void TPicture::SetGraphic(const TGraphic* Value) {
  if (!Value) return Adopt(nullptr);
  TGraphic* Copy = NewGraphic(Value->ClassType());
  try {
    Copy->Assign(Value);
  } catch (...) {
    Copy->Free();
    throw;
  }
  Adopt(Copy);
}

TGraphic* TPicture::ForceType(const TClass& Class) {
  if (!FGraphic || !FGraphic->InheritsFrom(Class)) Adopt(NewGraphic(Class));
  return FGraphic;
}

TBitmap* TPicture::GetBitmap() { return static_cast<TBitmap*>(ForceType(TBitmap::StaticClass())); }

void TPicture::SetBitmap(const TBitmap* Value) { SetGraphic(Value); }

TIcon* TPicture::GetIcon() { return static_cast<TIcon*>(ForceType(TIcon::StaticClass())); }

void TPicture::SetIcon(const TIcon* Value) { SetGraphic(Value); }

int TPicture::GetWidth() const { return FGraphic ? FGraphic->GetWidth() : 0; }

int TPicture::GetHeight() const { return FGraphic ? FGraphic->GetHeight() : 0; }

bool TPicture::Empty() const { return !FGraphic || FGraphic->Empty(); }

void TPicture::Assign(const TPersistent* Source) {
  if (!Source) return SetGraphic(nullptr);
  if (const auto* Other = dynamic_cast<const TPicture*>(Source)) return SetGraphic(Other->FGraphic);
  if (const auto* Graphic = dynamic_cast<const TGraphic*>(Source)) return SetGraphic(Graphic);
  TPersistent::Assign(Source);
}

void TPicture::AssignTo(TPersistent* Dest) const {
  if (FGraphic && Dest && FGraphic->InheritsFrom(Dest->ClassType())) return Dest->Assign(FGraphic);
  TPersistent::AssignTo(Dest);
}

void TPicture::LoadFromFile(const std::string& FileName) {
  TGraphic* Graphic = NewGraphic(GraphicClassForExtension(ExtensionOf(FileName)));
  try {
    Graphic->LoadFromFile(FileName);
  } catch (...) {
    Graphic->Free();
    throw;
  }
  Adopt(Graphic);
}

void TPicture::SaveToFile(const std::string& FileName) {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::DeclareExtraProperties(TFiler& Filer) {
  Filer.ExtraBinaryProperty("Data", [this](TStream& Stream) { ReadData(Stream); });
}

void TPicture::ReadData(TStream& Stream) {
  // A block too short for its class name names no class.
  std::uint8_t Length = 0;
  std::string Name;
  if (Stream.Read(&Length, 1) == 1) {
    Name.resize(Length);
    if (Stream.Read(Name.data(), Length) != Length) Name.clear();
  }
  const TClass* Class = FindGraphicClass(Name);
  if (!Class) return Adopt(nullptr);
  TGraphic* Graphic = NewGraphic(*Class);
  try {
    Graphic->ReadData(Stream);
  } catch (...) {
    Graphic->Free();
    throw;
  }
  Adopt(Graphic);
}

void TPicture::Changed(TObject*) { OnChange(this); }

void TPicture::GraphicChanged(TObject* Sender) { Changed(Sender); }
