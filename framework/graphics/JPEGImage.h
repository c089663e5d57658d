// TJPEGImage: a JPEG picture. It keeps the compressed bytes as they were
// loaded (shared with the pictures assigned from it), reads only the
// frame header on load, and decodes into a TBitmap the first time the
// picture is drawn or its bitmap is asked for; the bitmap is then kept.
// A picture assigned from a bitmap holds just that bitmap until its bytes
// are needed (saving), when it is encoded.
//
// Picture data in a form definition ("Data"): a 32-bit little-endian byte
// count N, then N bytes of the JPEG file.
//
// Damaged or unsupported files raise EJPEG "JPEG error #%d" with the
// library's message code; pictures above MaxJPEGPixels decoded pixels
// raise EJPEG "JPEG image is too large (%d x %d)" before anything big is
// allocated. Library warnings (a file that ends early) are not reported.
#pragma once

#include "framework/classes/Event.h"
#include "framework/graphics/Graphic.h"
#include "framework/graphics/JPEGData.h"
#include "platform/WinGdi.h"

#include <cstdint>
#include <string>

class TBitmap;
class TJPEGDecoder;
class TJPEGEncoder;
struct TJPEGSession;

TAVREL_ENUM(TJPEGPerformance, jpBestQuality, jpBestSpeed)
TAVREL_ENUM(TJPEGPixelFormat, jf24Bit, jf8Bit)
TAVREL_ENUM(TJPEGScale, jsFullSize, jsHalf, jsQuarter, jsEighth)
TAVREL_ENUM(TProgressStage, psStarting, psRunning, psEnding)

// Sender, stage, percent done, whether the band R of the bitmap should be
// shown now, message (empty).
using TProgressEvent =
    TEvent<void(TObject*, TProgressStage, std::uint8_t, bool, const TRect&, const std::string&)>;

// The settings every new picture starts with.
struct TJPEGDefaults {
  int SaveQuality = 90; // 1..100
  bool GrayOutput = false;
  TJPEGPerformance DecodeSpeed = jpBestQuality;
  // Set by the unit's start code from the display's colour depth.
  TJPEGPixelFormat OutputDepth = jf24Bit;
  bool ShowProgressive = false;
  bool IsProgressive = false;
  TJPEGScale OutputScale = jsFullSize;
  bool BlockSmoothing = true;
};
extern TJPEGDefaults JPEGDefaultSettings;

// The decoded size above which a picture is refused (8192 x 4096).
inline constexpr std::int64_t MaxJPEGPixels = std::int64_t(1) << 25;

class TJPEGImage : public TGraphic {
  TAVREL_CLASS(TJPEGImage, TGraphic)
public:
  TJPEGImage();
  ~TJPEGImage() override;

  // From a TJPEGImage: its data (shared) and a copy of its decoded
  // bitmap; from a TBitmap: a copy of the bitmap, encoded when bytes are
  // needed; anything else as TGraphic does.
  void Assign(const TPersistent* Source) override;

  bool Empty() const override;
  int GetWidth() const override;
  int GetHeight() const override;
  // A JPEG picture cannot be resized: EInvalidGraphicOperation.
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;
  HPALETTE GetPalette() const override;
  void SetPalette(HPALETTE Value) override;

  // All bytes from the stream's position to its end.
  void LoadFromStream(TStream& Stream) override;
  // The JPEG bytes (encoding the bitmap first if there are none).
  void SaveToStream(TStream& Stream) override;
  bool Equals(TGraphic* Graphic) override;

  // The decoded picture (decoding on first use); owned by the picture.
  TBitmap* GetBitmap();
  // Makes sure the decoded bitmap exists.
  void DIBNeeded() { GetBitmap(); }
  // Makes sure JPEG bytes exist, encoding the bitmap if need be.
  void JPEGNeeded();
  // Encodes the bitmap into new data now (the bytes of a loaded picture
  // are replaced by the encoded bitmap).
  void Compress();
  // The bytes shared with other pictures; never null.
  const TJPEGData& GetData() const { return *FImage; }

  int GetSaveQuality() const { return FSaveQuality; }
  void SetSaveQuality(int Value);
  bool GetGrayOutput() const { return FGrayOutput; }
  void SetGrayOutput(bool Value);
  TJPEGPerformance GetDecodeSpeed() const { return FDecodeSpeed; }
  void SetDecodeSpeed(TJPEGPerformance Value);
  TJPEGPixelFormat GetOutputDepth() const { return FOutputDepth; }
  void SetOutputDepth(TJPEGPixelFormat Value);
  bool GetShowProgressive() const { return FShowProgressive; }
  void SetShowProgressive(bool Value);
  // Set from the file by every load; makes the encoder write a
  // progressive file.
  bool GetIsProgressive() const { return FIsProgressive; }
  void SetIsProgressive(bool Value) { FIsProgressive = Value; }
  TJPEGScale GetOutputScale() const { return FOutputScale; }
  void SetOutputScale(TJPEGScale Value);
  bool GetBlockSmoothing() const { return FBlockSmoothing; }
  void SetBlockSmoothing(bool Value);

  TProgressEvent OnProgress;

protected:
  // A TBitmap receives the decoded picture.
  void AssignTo(TPersistent* Dest) const override;
  void Draw(TCanvas& ACanvas, const TRect& Rect) override;
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) override;
  virtual void Progress(TObject* Sender, TProgressStage Stage, std::uint8_t PercentDone,
                        bool RedrawNow, const TRect& R, const std::string& Msg);

private:
  friend class TJPEGDecoder;
  friend class TJPEGEncoder;
  friend struct TJPEGSession;

  // Replaces the shared data by Data (taking a reference).
  void SetImage(TJPEGData* Data);
  void NewImage() { SetImage(new TJPEGData); }
  void FreeBitmap();
  // Reads N bytes of JPEG file from Stream and its header.
  void LoadBytes(TStream& Stream, std::int64_t Count);
  // A decoding setting changed: a bitmap decoded from bytes is dropped.
  void SettingChanged();
  void CalcScaledSize() const;

  TJPEGData* FImage = nullptr;
  TBitmap* FBitmap = nullptr;
  mutable HPALETTE FTempPal = nullptr;
  mutable int FScaledWidth = 0;
  mutable int FScaledHeight = 0;
  mutable bool FNeedRecalc = true;
  bool FPaletteModified = false;
  std::uint8_t FSaveQuality;
  bool FGrayOutput;
  TJPEGPerformance FDecodeSpeed;
  TJPEGPixelFormat FOutputDepth;
  bool FShowProgressive;
  bool FIsProgressive;
  TJPEGScale FOutputScale;
  bool FBlockSmoothing;
};

// The picture unit: computes OutputDepth's default and registers the
// class for "jpeg" and "jpg"; the end code unregisters it.
void StartJPEGUnit();
void EndJPEGUnit();
