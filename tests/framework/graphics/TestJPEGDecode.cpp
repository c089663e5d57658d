// Decoding and encoding through libjpeg: colours against known blocks for
// every output setting, 8-bit output with its palette, grayscale and
// progressive files, encoding round trips, progress reports and drawing
// stretched.
#include "JPEGTestSupport.h"

#include "platform/gdi/Gdi.h"

namespace {

struct TDecodeCase {
  const char* Name;
  TJPEGPixelFormat Depth;
  TJPEGPerformance Speed;
  bool Gray;
  bool ShowProgressive;
  const char* File;
};

// 8-bit output dithers, so its tolerance is wider.
int ToleranceOf(const TDecodeCase& C) { return C.Depth == jf8Bit || C.Gray ? 40 : 12; }

COLORREF Luminance(COLORREF C) {
  int Y = (299 * GetRValue(C) + 587 * GetGValue(C) + 114 * GetBValue(C)) / 1000;
  return RGB(Y, Y, Y);
}

TEST(JPEGDecode, BlockColoursForEverySetting) {
  const TDecodeCase Cases[] = {
      {"24-bit best", jf24Bit, jpBestQuality, false, false, "blocks.jpg"},
      {"24-bit fast", jf24Bit, jpBestSpeed, false, false, "blocks.jpg"},
      {"8-bit best", jf8Bit, jpBestQuality, false, false, "blocks.jpg"},
      {"8-bit fast", jf8Bit, jpBestSpeed, false, false, "blocks.jpg"},
      {"gray output", jf24Bit, jpBestQuality, true, false, "blocks.jpg"},
      {"progressive", jf24Bit, jpBestQuality, false, false, "progressive.jpg"},
      {"progressive shown", jf24Bit, jpBestQuality, false, true, "progressive.jpg"},
      {"progressive shown 8-bit", jf8Bit, jpBestQuality, false, true, "progressive.jpg"},
      {"progressive shown 8-bit fast", jf8Bit, jpBestSpeed, false, true, "progressive.jpg"},
      {"progressive shown gray", jf24Bit, jpBestSpeed, true, true, "progressive.jpg"},
  };
  for (const TDecodeCase& C : Cases) {
    auto Image = JPEGFixture(C.File);
    Image->SetOutputDepth(C.Depth);
    Image->SetDecodeSpeed(C.Speed);
    Image->SetGrayOutput(C.Gray);
    Image->SetShowProgressive(C.ShowProgressive);
    TBitmap* B = Image->GetBitmap();
    ASSERT_EQ(B->GetWidth(), 64) << C.Name;
    ASSERT_EQ(B->GetHeight(), 32) << C.Name;
    bool EightBit = C.Depth == jf8Bit || C.Gray;
    EXPECT_EQ(B->GetPixelFormat(), EightBit ? pf8bit : pf24bit) << C.Name;
    for (const TBlockProbe& P : BlockProbes) {
      COLORREF Want = C.Gray ? Luminance(P.Color) : P.Color, Got = PixelOf(*B, P.X, P.Y);
      EXPECT_TRUE(Near(Got, Want, ToleranceOf(C))) << C.Name << " at " << P.X << "," << P.Y << ": "
                                                   << ColorText(Got) << " for " << ColorText(Want);
    }
  }
}

// Every pixel of an 8-bit decoding indexes the library's colour map,
// which has at most 236 entries, and the palette holds its colours.
TEST(JPEGDecode, EightBitOutputUsesAtMost236Colours) {
  for (const char* File : {"Logo", "gray.jpg", "progressive.jpg"}) {
    auto Image = MakeOwned<TJPEGImage>();
    Image->SetOutputDepth(jf8Bit);
    Image->SetShowProgressive(true);
    if (std::string(File) == "Logo")
      Image->LoadFromFile(LogoPath());
    else
      Image->LoadFromFile(FixturePath(std::string("jpeg/") + File));
    TBitmap* B = Image->GetBitmap();
    ASSERT_EQ(B->GetPixelFormat(), pf8bit) << File;
    int Highest = 0;
    for (int Y = 0; Y < B->GetHeight(); ++Y) {
      auto* Row = static_cast<const std::uint8_t*>(B->ScanLine(Y));
      for (int X = 0; X < B->GetWidth(); ++X) Highest = std::max<int>(Highest, Row[X]);
    }
    EXPECT_LT(Highest, 236) << File;
    HPALETTE Pal = B->GetPalette();
    ASSERT_NE(Pal, nullptr) << File;
    EXPECT_EQ(Image->GetPalette(), Pal) << File;
  }
}

TEST(JPEGDecode, GrayscaleFileDecodesToAGrayPalette) {
  auto Image = JPEGFixture("gray.jpg");
  EXPECT_TRUE(Image->GetData().GetGrayscale());
  TBitmap* B = Image->GetBitmap();
  ASSERT_EQ(B->GetPixelFormat(), pf8bit);
  for (int X : {0, 20, 40, 63}) {
    COLORREF P = PixelOf(*B, X, 10);
    EXPECT_EQ(GetRValue(P), GetGValue(P)) << X;
    EXPECT_EQ(GetGValue(P), GetBValue(P)) << X;
    EXPECT_NEAR(GetRValue(P), X * 4, 8) << X;
  }
}

TEST(JPEGDecode, ProgressiveFlagComesFromTheFile) {
  EXPECT_TRUE(JPEGFixture("progressive.jpg")->GetIsProgressive());
  auto Image = JPEGFixture("progressive.jpg");
  Image->LoadFromFile(FixturePath("jpeg/blocks.jpg"));
  EXPECT_FALSE(Image->GetIsProgressive());
}

struct TEncodeCase {
  const char* Name;
  bool Gray;
  bool Progressive;
  int Quality;
};

TEST(JPEGDecode, EncodedBitmapDecodesToItsColours) {
  const TEncodeCase Cases[] = {{"baseline", false, false, 90},
                               {"progressive", false, true, 90},
                               {"grayscale", true, false, 90},
                               {"best quality", false, false, 100}};
  for (const TEncodeCase& C : Cases) {
    auto Source = BlockBitmap();
    auto Image = MakeOwned<TJPEGImage>();
    Image->Assign(Source.get());
    Image->SetGrayOutput(C.Gray);
    Image->SetIsProgressive(C.Progressive);
    Image->SetSaveQuality(C.Quality);
    TMemoryStream Saved;
    Image->SaveToStream(Saved);
    EXPECT_EQ(Image->GetData().GetGrayscale(), C.Gray) << C.Name;
    std::vector<std::uint8_t> Bytes(Saved.Memory(), Saved.Memory() + Saved.GetSize());
    auto Loaded = JPEGFromBytes(Bytes);
    EXPECT_EQ(Loaded->GetIsProgressive(), C.Progressive) << C.Name;
    EXPECT_EQ(Loaded->GetData().GetGrayscale(), C.Gray) << C.Name;
    TBitmap* B = Loaded->GetBitmap();
    for (const TBlockProbe& P : BlockProbes) {
      COLORREF Want = C.Gray ? Luminance(P.Color) : P.Color, Got = PixelOf(*B, P.X, P.Y);
      EXPECT_TRUE(Near(Got, Want, C.Gray ? 40 : 12))
          << C.Name << " at " << P.X << "," << P.Y << ": " << ColorText(Got);
    }
  }
}

TEST(JPEGDecode, HigherQualityWritesMoreBytes) {
  auto Source = BlockBitmap();
  std::int64_t Sizes[2] = {};
  const int Qualities[2] = {10, 100};
  for (int I = 0; I < 2; ++I) {
    auto Image = MakeOwned<TJPEGImage>();
    Image->Assign(Source.get());
    Image->SetSaveQuality(Qualities[I]);
    TMemoryStream Saved;
    Image->SaveToStream(Saved);
    Sizes[I] = Saved.GetSize();
  }
  EXPECT_LT(Sizes[0], Sizes[1]);
}

TEST(JPEGDecode, DrawStretchesIntoTheRectangle) {
  auto Image = JPEGFixture("blocks.jpg");
  TSurface Surface(144, 74);
  Surface.Canvas->StretchDraw(TRect{0, 0, 144, 74}, Image.get());
  // Each block is 36 x 37 pixels at this size; probe well inside.
  const TBlockProbe Probes[] = {{18, 18, RGB(255, 0, 0)}, {54, 18, RGB(0, 255, 0)},
                                {90, 18, RGB(0, 0, 255)}, {126, 18, RGB(255, 255, 255)},
                                {18, 55, RGB(0, 0, 0)},   {126, 70, RGB(0, 0, 0)}};
  for (const TBlockProbe& P : Probes)
    EXPECT_TRUE(Near(Surface.Pixel(P.X, P.Y), P.Color, 12))
        << P.X << "," << P.Y << ": " << ColorText(Surface.Pixel(P.X, P.Y));
  EXPECT_EQ(Image->GetBitmap()->GetWidth(), 64);
}

TEST(JPEGDecode, TransparentFlagDoesNotChangeDrawing) {
  auto Image = JPEGFixture("blocks.jpg");
  Image->SetTransparent(true);
  TSurface Surface(64, 32);
  Surface.Fill(RGB(255, 0, 255));
  Surface.Canvas->StretchDraw(TRect{0, 0, 64, 32}, Image.get());
  EXPECT_TRUE(Near(Surface.Pixel(8, 24), RGB(0, 0, 0), 12));
  EXPECT_EQ(Surface.Count(TRect{0, 0, 64, 32}, RGB(255, 0, 255)), 0);
}

TEST(JPEGDecode, LogoFirstDrawDecodes24BitOnADeepDisplay) {
  auto Image = MakeOwned<TJPEGImage>();
  Image->LoadFromFile(LogoPath());
  TSurface Surface(144, 74);
  Surface.Canvas->StretchDraw(TRect{0, 0, 144, 74}, Image.get());
  TBitmap* B = Image->GetBitmap();
  EXPECT_EQ(B->GetPixelFormat(), pf24bit);
  EXPECT_EQ(B->GetWidth(), 574);
  EXPECT_EQ(B->GetHeight(), 294);
  // The ruler is yellow along the top, the guide line red at the left.
  EXPECT_TRUE(Near(Surface.Pixel(100, 13), RGB(250, 214, 60), 30))
      << ColorText(Surface.Pixel(100, 13));
  EXPECT_TRUE(Near(Surface.Pixel(8, 50), RGB(214, 32, 32), 40)) << ColorText(Surface.Pixel(8, 50));
}

// A display of 8 bits per pixel makes 8-bit output the default and gives
// 24-bit pictures a halftone palette before they are decoded.
TEST(JPEGDecode, PaletteDisplayDefaultsToEightBitOutput) {
  TDisplayInfo& Display = GdiDisplay();
  const int OldBits = Display.BitsPerPixel;
  const TJPEGDefaults OldDefaults = JPEGDefaultSettings;
  Display.BitsPerPixel = 8;
  StartJPEGUnit();
  EndJPEGUnit();
  EXPECT_EQ(JPEGDefaultSettings.OutputDepth, jf8Bit);
  auto Image = MakeOwned<TJPEGImage>();
  Image->LoadFromFile(LogoPath());
  EXPECT_EQ(Image->GetBitmap()->GetPixelFormat(), pf8bit);
  auto Deep = MakeOwned<TJPEGImage>();
  Deep->SetOutputDepth(jf24Bit);
  Deep->LoadFromFile(LogoPath());
  HPALETTE Halftone = Deep->GetPalette();
  EXPECT_NE(Halftone, nullptr);
  EXPECT_EQ(Deep->GetPalette(), Halftone);
  Display.BitsPerPixel = OldBits;
  JPEGDefaultSettings = OldDefaults;
  auto Plain = JPEGFixture("blocks.jpg");
  Plain->SetOutputDepth(jf24Bit);
  EXPECT_EQ(Plain->GetPalette(), nullptr);
}

// A palette given to an 8-bit picture is the colour map it quantises to.
TEST(JPEGDecode, GivenPaletteIsTheColourMap) {
  const PALETTEENTRY Colors[5] = {
      {255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0}, {255, 255, 255, 0}, {0, 0, 0, 0}};
  std::vector<std::uint8_t> Block(sizeof(LOGPALETTE) + 5 * sizeof(PALETTEENTRY));
  auto* Log = reinterpret_cast<LOGPALETTE*>(Block.data());
  Log->palVersion = 0x300;
  Log->palNumEntries = 5;
  std::copy(Colors, Colors + 5, Log->palPalEntry);
  auto Image = JPEGFixture("blocks.jpg");
  Image->SetOutputDepth(jf8Bit);
  Image->SetPalette(CreatePalette(Log));
  TBitmap* B = Image->GetBitmap();
  for (const TBlockProbe& P : BlockProbes)
    EXPECT_EQ(PixelOf(*B, P.X, P.Y), P.Color) << P.X << "," << P.Y;
}

TEST(JPEGDecode, NewPaletteDropsTheDecodedBitmap) {
  auto Image = JPEGFixture("blocks.jpg");
  Image->DIBNeeded();
  TListener Heard;
  Image->OnChange = Heard.Event();
  HDC DC = CreateCompatibleDC(nullptr);
  Image->SetPalette(CreateHalftonePalette(DC));
  DeleteDC(DC);
  EXPECT_EQ(Heard.Count, 1);
  EXPECT_EQ(Image->GetBitmap()->GetWidth(), 64);
}

struct TProgressLog : TObject {
  void Heard(TObject*, TProgressStage Stage, std::uint8_t Percent, bool, const TRect&,
             const std::string&) {
    Stages.push_back(Stage);
    Percents.push_back(Percent);
    if (AbortAt >= 0 && Stage == TProgressStage(AbortAt)) throw EAbort("stop");
  }
  std::vector<TProgressStage> Stages;
  std::vector<int> Percents;
  int AbortAt = -1;
};

TEST(JPEGDecode, ProgressFramesDecodingAndEncoding) {
  TProgressLog Log;
  auto Image = JPEGFixture("blocks.jpg");
  Image->OnProgress = MakeEvent<&TProgressLog::Heard>(&Log);
  Image->DIBNeeded();
  ASSERT_GE(Log.Stages.size(), 2u);
  EXPECT_EQ(Log.Stages.front(), psStarting);
  EXPECT_EQ(Log.Percents.front(), 0);
  EXPECT_EQ(Log.Stages.back(), psEnding);
  EXPECT_EQ(Log.Percents.back(), 100);

  TProgressLog Save;
  auto Source = BlockBitmap();
  auto Encoded = MakeOwned<TJPEGImage>();
  Encoded->Assign(Source.get());
  Encoded->OnProgress = MakeEvent<&TProgressLog::Heard>(&Save);
  TMemoryStream Out;
  Encoded->SaveToStream(Out);
  ASSERT_GE(Save.Stages.size(), 2u);
  EXPECT_EQ(Save.Stages.front(), psStarting);
  EXPECT_EQ(Save.Percents.back(), 100);
}

TEST(JPEGDecode, AbortFromAProgressHandlerEndsQuietly) {
  TProgressLog Log;
  Log.AbortAt = psStarting;
  auto Image = JPEGFixture("blocks.jpg");
  Image->OnProgress = MakeEvent<&TProgressLog::Heard>(&Log);
  TBitmap* B = nullptr;
  EXPECT_NO_THROW(B = Image->GetBitmap());
  ASSERT_NE(B, nullptr);
  EXPECT_EQ(Log.Stages.back(), psEnding);
  EXPECT_EQ(Log.Percents.back(), 0);

  TProgressLog Save;
  Save.AbortAt = psStarting;
  auto Source = BlockBitmap();
  auto Encoded = MakeOwned<TJPEGImage>();
  Encoded->Assign(Source.get());
  Encoded->OnProgress = MakeEvent<&TProgressLog::Heard>(&Save);
  TMemoryStream Out;
  EXPECT_NO_THROW(Encoded->Compress());
  EXPECT_FALSE(Encoded->GetData().HasData());
}

} // namespace
