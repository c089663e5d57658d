// The picture's state is the shared data (bytes and header values) plus
// an optional decoded bitmap. Every load or assignment installs new data
// and drops the bitmap; decoding and encoding live in TJPEGDecoder and
// TJPEGEncoder.
#include "framework/graphics/JPEGImage.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/JPEGDecoder.h"
#include "framework/graphics/JPEGEncoder.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/ResStrings.h"

#include "FrameworkConsts.h"

#include <algorithm>

TJPEGDefaults JPEGDefaultSettings;

const TClass& TJPEGImage::StaticClass() {
  static const TClass Class = TClassBuilder<TJPEGImage>("TJPEGImage").Build();
  return Class;
}

TJPEGImage::TJPEGImage()
    : FSaveQuality(std::uint8_t(std::clamp(JPEGDefaultSettings.SaveQuality, 1, 100))),
      FGrayOutput(JPEGDefaultSettings.GrayOutput), FDecodeSpeed(JPEGDefaultSettings.DecodeSpeed),
      FOutputDepth(JPEGDefaultSettings.OutputDepth),
      FShowProgressive(JPEGDefaultSettings.ShowProgressive),
      FIsProgressive(JPEGDefaultSettings.IsProgressive),
      FOutputScale(JPEGDefaultSettings.OutputScale),
      FBlockSmoothing(JPEGDefaultSettings.BlockSmoothing) {
  NewImage();
}

TJPEGImage::~TJPEGImage() {
  FreeBitmap();
  if (FTempPal) DeleteObject(FTempPal);
  FImage->Release();
}

void TJPEGImage::SetImage(TJPEGData* Data) {
  Data->Reference();
  if (FImage) FImage->Release();
  FImage = Data;
  FNeedRecalc = true;
}

void TJPEGImage::FreeBitmap() {
  if (FBitmap) FBitmap->Free();
  FBitmap = nullptr;
}

void TJPEGImage::Assign(const TPersistent* Source) {
  if (const auto* Other = dynamic_cast<const TJPEGImage*>(Source)) {
    if (Other == this) return;
    SetImage(Other->FImage);
    FreeBitmap();
    if (Other->FBitmap) {
      FBitmap = Create<TBitmap>();
      FBitmap->Assign(Other->FBitmap);
    }
    FIsProgressive = Other->FIsProgressive;
    FPaletteModified = true;
    return Changed();
  }
  if (const auto* Bitmap = dynamic_cast<const TBitmap*>(Source)) {
    TBitmap* Copy = Create<TBitmap>();
    try {
      Copy->Assign(Bitmap);
    } catch (...) {
      Copy->Free();
      throw;
    }
    NewImage();
    FreeBitmap();
    FBitmap = Copy;
    FPaletteModified = true;
    return Changed();
  }
  TGraphic::Assign(Source);
}

void TJPEGImage::AssignTo(TPersistent* Dest) const {
  if (auto* Bitmap = dynamic_cast<TBitmap*>(Dest))
    return Bitmap->Assign(const_cast<TJPEGImage*>(this)->GetBitmap());
  TGraphic::AssignTo(Dest);
}

bool TJPEGImage::Empty() const { return !FImage->HasData() && (!FBitmap || FBitmap->Empty()); }

void TJPEGImage::CalcScaledSize() const {
  if (!FNeedRecalc) return;
  FScaledWidth = FScaledHeight = 0;
  if (FImage->HasData() && FImage->GetData()->GetSize() > 0)
    JPEGScaledSize(*FImage->GetData(), 1 << int(FOutputScale), FScaledWidth, FScaledHeight);
  FNeedRecalc = false;
}

int TJPEGImage::GetWidth() const {
  if (FBitmap) return FBitmap->GetWidth();
  if (FOutputScale == jsFullSize) return FImage->GetWidth();
  CalcScaledSize();
  return FScaledWidth;
}

int TJPEGImage::GetHeight() const {
  if (FBitmap) return FBitmap->GetHeight();
  if (FOutputScale == jsFullSize) return FImage->GetHeight();
  CalcScaledSize();
  return FScaledHeight;
}

void TJPEGImage::SetWidth(int) { throw EInvalidGraphicOperation(SChangeJPGSize); }

void TJPEGImage::SetHeight(int) { throw EInvalidGraphicOperation(SChangeJPGSize); }

HPALETTE TJPEGImage::GetPalette() const {
  if (FBitmap) return FBitmap->GetPalette();
  if (FTempPal) return FTempPal;
  if (FOutputDepth == jf24Bit) {
    HDC DC = CreateCompatibleDC(nullptr);
    int Depth = GetDeviceCaps(DC, BITSPIXEL) * GetDeviceCaps(DC, PLANES);
    if (Depth > 0 && Depth <= 8) FTempPal = CreateHalftonePalette(DC);
    DeleteDC(DC);
  }
  return FTempPal;
}

void TJPEGImage::SetPalette(HPALETTE Value) {
  if (Value == FTempPal) return;
  bool Dropped = false;
  if (FBitmap && FBitmap->GetPalette() != Value) {
    FreeBitmap();
    Dropped = true;
  }
  if (FTempPal) DeleteObject(FTempPal);
  FTempPal = Value;
  if (Dropped) {
    FPaletteModified = true;
    Changed();
  }
}

void TJPEGImage::LoadBytes(TStream& Stream, std::int64_t Count) {
  if (Count < 0 || Count > Stream.GetSize() - Stream.GetPosition()) throw EReadError(SReadError);
  auto Bytes = std::make_unique<TMemoryStream>();
  if (Count > 0) Bytes->CopyFrom(Stream, Count);
  TJPEGHeader Header;
  if (Count > 0) Header = ReadJPEGHeader(*Bytes);
  auto* Data = new TJPEGData;
  Data->SetData(std::move(Bytes));
  Data->SetHeader(Header.Width, Header.Height, Header.Grayscale);
  SetImage(Data);
  FreeBitmap();
  if (Count > 0) FIsProgressive = Header.Progressive;
  FPaletteModified = true;
  Changed();
}

void TJPEGImage::LoadFromStream(TStream& Stream) {
  LoadBytes(Stream, std::max<std::int64_t>(Stream.GetSize() - Stream.GetPosition(), 0));
}

void TJPEGImage::ReadData(TStream& Stream) {
  std::int32_t Count = 0;
  Stream.ReadBuffer(&Count, 4);
  LoadBytes(Stream, Count);
}

void TJPEGImage::JPEGNeeded() {
  if (FImage->HasData() || !FBitmap || FBitmap->Empty()) return;
  Compress();
}

void TJPEGImage::Compress() {
  if (!FBitmap || FBitmap->Empty()) return;
  SetImage(TJPEGEncoder(*this).Run());
}

void TJPEGImage::SaveToStream(TStream& Stream) {
  JPEGNeeded();
  if (!FImage->HasData()) return;
  TMemoryStream* Data = FImage->GetData();
  if (Data->GetSize() > 0) Stream.WriteBuffer(Data->Memory(), Data->GetSize());
}

void TJPEGImage::WriteData(TStream& Stream) {
  JPEGNeeded();
  TMemoryStream* Data = FImage->HasData() ? FImage->GetData() : nullptr;
  std::int32_t Count = Data ? std::int32_t(Data->GetSize()) : 0;
  Stream.WriteBuffer(&Count, 4);
  if (Count > 0) Stream.WriteBuffer(Data->Memory(), Count);
}

bool TJPEGImage::Equals(TGraphic* Graphic) {
  auto* Other = dynamic_cast<TJPEGImage*>(Graphic);
  if (!Other) return false;
  if (FImage->HasData() && Other->FImage->HasData()) return TGraphic::Equals(Graphic);
  return FImage == Other->FImage;
}

TBitmap* TJPEGImage::GetBitmap() {
  if (FBitmap) return FBitmap;
  FBitmap = Create<TBitmap>();
  if (!FImage->HasData()) return FBitmap;
  try {
    TJPEGDecoder(*this).Run(*FBitmap);
  } catch (...) {
    FreeBitmap();
    throw;
  }
  return FBitmap;
}

void TJPEGImage::Draw(TCanvas& ACanvas, const TRect& Rect) {
  ACanvas.StretchDraw(Rect, GetBitmap());
}

void TJPEGImage::Progress(TObject* Sender, TProgressStage Stage, std::uint8_t PercentDone,
                          bool RedrawNow, const TRect& R, const std::string& Msg) {
  OnProgress(Sender, Stage, PercentDone, RedrawNow, R, Msg);
}

void TJPEGImage::SettingChanged() {
  if (FImage->HasData()) FreeBitmap();
  FNeedRecalc = true;
}

void TJPEGImage::SetSaveQuality(int Value) {
  FSaveQuality = std::uint8_t(std::clamp(Value, 1, 100));
}

void TJPEGImage::SetGrayOutput(bool Value) {
  if (Value == FGrayOutput) return;
  FGrayOutput = Value;
  SettingChanged();
}

void TJPEGImage::SetDecodeSpeed(TJPEGPerformance Value) {
  if (Value == FDecodeSpeed) return;
  FDecodeSpeed = Value;
  SettingChanged();
}

void TJPEGImage::SetOutputDepth(TJPEGPixelFormat Value) {
  if (Value == FOutputDepth) return;
  FOutputDepth = Value;
  SettingChanged();
}

void TJPEGImage::SetShowProgressive(bool Value) {
  if (Value == FShowProgressive) return;
  FShowProgressive = Value;
  SettingChanged();
}

void TJPEGImage::SetOutputScale(TJPEGScale Value) {
  if (Value == FOutputScale) return;
  FOutputScale = Value;
  SettingChanged();
}

void TJPEGImage::SetBlockSmoothing(bool Value) {
  if (Value == FBlockSmoothing) return;
  FBlockSmoothing = Value;
  SettingChanged();
}

void StartJPEGUnit() {
  HDC DC = CreateCompatibleDC(nullptr);
  int Depth = GetDeviceCaps(DC, BITSPIXEL) * GetDeviceCaps(DC, PLANES);
  DeleteDC(DC);
  JPEGDefaultSettings.OutputDepth = Depth > 0 && Depth <= 8 ? jf8Bit : jf24Bit;
  std::string Description = LoadResString(sJPEGImageFile);
  TPicture::RegisterFileFormat("jpeg", Description, TJPEGImage::StaticClass());
  TPicture::RegisterFileFormat("jpg", Description, TJPEGImage::StaticClass());
}

void EndJPEGUnit() { TPicture::UnregisterGraphicClass(TJPEGImage::StaticClass()); }
