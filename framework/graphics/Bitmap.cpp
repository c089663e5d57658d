// The bitmap's image is replaced whole (a new TDibSection) by every
// operation that changes its size, depth or colour table; the canvas
// lets go of the old section first, then the old one is deleted.
#include "framework/graphics/Bitmap.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/MemoryStream.h"
#include "framework/graphics/BitmapCanvas.h"
#include "framework/graphics/BmpCodec.h"
#include "platform/WinBase.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <vector>

namespace {

int DepthOf(TPixelFormat Format) {
  switch (Format) {
  case pf1bit: return 1;
  case pf4bit: return 4;
  case pf8bit: return 8;
  case pf15bit: return 16;
  case pf24bit: return 24;
  default: return 32;
  }
}

TPixelFormat FormatOf(int Bpp) {
  switch (Bpp) {
  case 1: return pf1bit;
  case 4: return pf4bit;
  case 8: return pf8bit;
  case 16: return pf15bit;
  case 24: return pf24bit;
  default: return pf32bit;
  }
}

[[noreturn]] void OutOfResources() { throw EOutOfResources(SOutOfResources); }

} // namespace

const TClass& TBitmap::StaticClass() {
  static const TClass Class = TClassBuilder<TBitmap>("TBitmap").Build();
  return Class;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  FreeAndNil(FCanvas);
  if (FPalette) DeleteObject(FPalette);
}

void TBitmap::ReplaceImage(TDibSection&& Image, TPixelFormat Format) {
  if (FCanvas) FCanvas->FreeContext();
  FImage = std::move(Image);
  if (FImage) {
    FWidth = FImage.Width();
    FHeight = FImage.Height();
  }
  FPixelFormat = Format;
  if (FPalette) DeleteObject(std::exchange(FPalette, nullptr));
  Changed();
}

void TBitmap::Assign(const TPersistent* Source) {
  if (!Source) {
    FWidth = FHeight = 0;
    return ReplaceImage(TDibSection(), FPixelFormat);
  }
  const auto* Other = dynamic_cast<const TBitmap*>(Source);
  if (!Other) return TGraphic::Assign(Source);
  if (Other == this) return;
  TDibSection Copy = Other->FImage.Recolored(Other->FImage.Colors());
  if (Other->FImage && !Copy) OutOfResources();
  FWidth = Other->FWidth;
  FHeight = Other->FHeight;
  FTransparent = Other->FTransparent;
  FTransparentMode = Other->FTransparentMode;
  FTransparentColor = Other->FTransparentColor;
  ReplaceImage(std::move(Copy), Other->FPixelFormat);
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == FWidth && AHeight == FHeight) return;
  TDibSection Image;
  if (AWidth > 0 && AHeight > 0) {
    COLORREF Fill = FCanvas ? ColorToRGB(FCanvas->GetBrush()->GetColor()) : RGB(255, 255, 255);
    if (FImage) {
      Image = FImage.Resized(AWidth, AHeight, Fill);
    } else {
      Image = TDibSection::Create(AWidth, AHeight, DepthOf(FPixelFormat));
      Image.Fill(Fill);
    }
    if (!Image) OutOfResources();
  }
  FWidth = AWidth;
  FHeight = AHeight;
  ReplaceImage(std::move(Image), FPixelFormat);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == pf16bit || Value == pfCustom || Value > pfCustom)
    throw EInvalidGraphic(SInvalidGraphic);
  if (Value == FPixelFormat) return;
  if (!FImage) {
    FPixelFormat = Value;
    return Changed();
  }
  TDibSection Image = DepthOf(Value) == FImage.Bpp() ? FImage.Recolored(FImage.Colors())
                                                     : FImage.Converted(DepthOf(Value));
  if (!Image) OutOfResources();
  ReplaceImage(std::move(Image), Value);
}

void TBitmap::SetMonochrome(bool Value) {
  if (Value)
    SetPixelFormat(pf1bit);
  else if (GetMonochrome())
    SetPixelFormat(pfDevice);
}

void* TBitmap::ScanLine(int Row) {
  if (!FImage || Row < 0 || Row >= FImage.Height()) throw EInvalidGraphic(SScanLine);
  return FImage.Row(Row);
}

int TBitmap::ScanLineBytes() const { return FImage ? FImage.Stride() : 0; }

TCanvas* TBitmap::GetCanvas() {
  if (!FCanvas) {
    FCanvas = Create<TBitmapCanvas>(this);
    FCanvas->OnChange = MakeEvent<&TBitmap::CanvasChanged>(this);
  }
  return FCanvas;
}

void TBitmap::CanvasChanged(TObject*) { Changed(); }

void TBitmap::SetHandle(HBITMAP Value) {
  if (Value == FImage.Handle()) return;
  if (!Value) {
    FWidth = FHeight = 0;
    return ReplaceImage(TDibSection(), FPixelFormat);
  }
  TDibSection Image = TDibSection::CopyOf(Value);
  if (!Image) throw EInvalidGraphic(SInvalidBitmap);
  DeleteObject(Value);
  TPixelFormat Format = FormatOf(Image.Bpp());
  ReplaceImage(std::move(Image), Format);
}

HBITMAP TBitmap::ReleaseHandle() {
  if (FCanvas) FCanvas->FreeContext();
  HBITMAP Handle = FImage.Release();
  FWidth = FHeight = 0;
  if (FPalette) DeleteObject(std::exchange(FPalette, nullptr));
  if (Handle) Changed();
  return Handle;
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const std::string& Name) {
  HBITMAP Handle = LoadBitmap(Instance, Name.c_str());
  if (!Handle) throw EResNotFound(SResNotFound, {Name});
  SetHandle(Handle);
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, int ResID) {
  HBITMAP Handle =
      ResID > 0 && ResID <= 0xFFFF ? LoadBitmap(Instance, MAKEINTRESOURCE(WORD(ResID))) : nullptr;
  if (!Handle) throw EResNotFound(SResNotFound, {std::to_string(ResID)});
  SetHandle(Handle);
}

void TBitmap::LoadFromStream(TStream& Stream) {
  TDibSection Image = ReadBmp(Stream);
  TPixelFormat Format = FormatOf(Image.Bpp());
  ReplaceImage(std::move(Image), Format);
}

void TBitmap::SaveToStream(TStream& Stream) { WriteBmp(Stream, FImage); }

void TBitmap::ReadData(TStream& Stream) {
  std::int32_t Size = 0;
  if (Stream.Read(&Size, 4) != 4 || Size < 0) throw EInvalidGraphic(SInvalidBitmap);
  if (Size == 0) return Assign(nullptr);
  if (Size > Stream.GetSize() - Stream.GetPosition()) throw EInvalidGraphic(SInvalidBitmap);
  TMemoryStream Data;
  Data.CopyFrom(Stream, Size);
  Data.SetPosition(0);
  LoadFromStream(Data);
}

void TBitmap::WriteData(TStream& Stream) {
  std::int32_t Size = std::int32_t(BmpFileSize(FImage));
  Stream.WriteBuffer(&Size, 4);
  SaveToStream(Stream);
}

HPALETTE TBitmap::GetPalette() const {
  if (!FImage || FImage.Bpp() > 8) return nullptr;
  if (!FPalette) {
    const std::vector<RGBQUAD>& Colors = FImage.Colors();
    std::vector<std::uint8_t> Block(sizeof(LOGPALETTE) + Colors.size() * sizeof(PALETTEENTRY));
    auto* Log = reinterpret_cast<LOGPALETTE*>(Block.data());
    Log->palVersion = 0x300;
    Log->palNumEntries = WORD(Colors.size());
    for (std::size_t I = 0; I < Colors.size(); ++I)
      Log->palPalEntry[I] =
          PALETTEENTRY{Colors[I].rgbRed, Colors[I].rgbGreen, Colors[I].rgbBlue, 0};
    FPalette = CreatePalette(Log);
  }
  return FPalette;
}

void TBitmap::SetPalette(HPALETTE Value) {
  if (!Value || !FImage || FImage.Bpp() > 8) return;
  UINT Count = GetPaletteEntries(Value, 0, 0, nullptr);
  if (GetObjectType(Value) != OBJ_PAL || Count == 0) throw EInvalidGraphic(SInvalidGraphic);
  std::vector<RGBQUAD> Colors = FImage.Colors();
  std::vector<PALETTEENTRY> Entries(std::min<std::size_t>(Count, Colors.size()));
  GetPaletteEntries(Value, 0, UINT(Entries.size()), Entries.data());
  for (std::size_t I = 0; I < Entries.size(); ++I)
    Colors[I] = RGBQUAD{Entries[I].peBlue, Entries[I].peGreen, Entries[I].peRed, 0};
  TDibSection Image = FImage.Recolored(Colors);
  if (!Image) OutOfResources();
  ReplaceImage(std::move(Image), FPixelFormat);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  SetTransparentColor(Value == tmAuto ? clDefault : GetTransparentColor());
}

TColor TBitmap::GetTransparentColor() const {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (!FImage) return clDefault;
  return TColor(FImage.Pixel(0, FImage.Height() - 1));
}

void TBitmap::SetTransparentColor(TColor Value) {
  TTransparentMode Mode = Value == clDefault ? tmAuto : tmFixed;
  if (Value == FTransparentColor && Mode == FTransparentMode) return;
  FTransparentColor = Value;
  FTransparentMode = Mode;
  Changed();
}

void TBitmap::Draw(TCanvas& ACanvas, const TRect& Rect) {
  if (!FImage) return;
  HDC Dst = ACanvas.GetHandle();
  HDC Src = GetCanvas()->GetHandle();
  // Monochrome pixels map 0 to the text colour and 1 to the background
  // colour of the destination: black and white, as the picture says.
  bool Mono = FImage.Bpp() == 1;
  COLORREF OldText = Mono ? SetTextColor(Dst, RGB(0, 0, 0)) : 0;
  COLORREF OldBack = Mono ? SetBkColor(Dst, RGB(255, 255, 255)) : 0;
  if (GetTransparent()) {
    TransparentBlt(Dst, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Src, 0, 0, FWidth,
                   FHeight, ColorToRGB(GetTransparentColor()));
  } else {
    int OldMode = SetStretchBltMode(Dst, COLORONCOLOR);
    StretchBlt(Dst, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Src, 0, 0, FWidth, FHeight,
               ACanvas.GetCopyMode());
    SetStretchBltMode(Dst, OldMode);
  }
  if (Mono) {
    SetTextColor(Dst, OldText);
    SetBkColor(Dst, OldBack);
  }
}
