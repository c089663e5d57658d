#include "ControlHost.h"

#include "framework/classes/MemoryStream.h"
#include "framework/controls/Image.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/Exceptions.h"

#include <cstdint>
#include <vector>

namespace {

// A 32 x 32 icon of 24-bit colour: red, with the top-left 16 x 16
// quarter masked out (transparent).
TIcon* MakeMaskedIcon() {
  std::vector<std::uint8_t> F;
  auto Put = [&](std::uint32_t V, int Bytes) {
    for (int I = 0; I < Bytes; ++I) F.push_back(std::uint8_t(V >> (8 * I)));
  };
  const std::uint32_t Xor = 32 * 32 * 3, And = 32 * 4, Size = 40 + Xor + And;
  Put(0, 2), Put(1, 2), Put(1, 2); // directory: one icon
  Put(32, 1), Put(32, 1), Put(0, 1), Put(0, 1), Put(1, 2), Put(24, 2), Put(Size, 4), Put(22, 4);
  Put(40, 4), Put(32, 4), Put(64, 4), Put(1, 2), Put(24, 2); // BITMAPINFOHEADER
  Put(0, 4), Put(Xor + And, 4), Put(0, 4), Put(0, 4), Put(0, 4), Put(0, 4);
  for (int Row = 31; Row >= 0; --Row) // bottom-up colour rows
    for (int X = 0; X < 32; ++X) {
      const bool Masked = Row < 16 && X < 16;
      Put(Masked ? 0 : 0xFF0000, 3); // blue, green, red bytes: red
    }
  for (int Row = 31; Row >= 0; --Row) // bottom-up mask rows, 1 = transparent
    Put(Row < 16 ? 0x000000FFu | 0x0000FF00u : 0u, 4);
  auto* Icon = Create<TIcon>();
  auto* Stream = Create<TMemoryStream>();
  Stream->Write(F.data(), std::int64_t(F.size()));
  Stream->Seek(0, soBeginning);
  Icon->LoadFromStream(*Stream);
  Stream->Free();
  return Icon;
}

class ImageTest : public TControlTest {
protected:
  void SetUp() override {
    TControlTest::SetUp();
    Host->SetColor(clYellow);
    Image = Create<TImage>(Host);
    Image->SetBounds(10, 10, 100, 100);
    Image->SetParent(Host);
  }
  // A bitmap of W x H in Color.
  static TBitmap* Solid(int W, int H, TColor Color) {
    auto* B = Create<TBitmap>();
    B->SetSize(W, H);
    B->GetCanvas()->GetBrush()->SetColor(Color);
    B->GetCanvas()->FillRect({0, 0, W, H});
    return B;
  }
  void Show(TGraphic* Graphic) {
    Image->GetPicture()->SetGraphic(Graphic);
    Graphic->Free();
    Desk->PumpUntilIdle();
  }

  TImage* Image = nullptr;
};

TEST_F(ImageTest, DestinationRectangle) {
  struct {
    bool Stretch, Proportional, Center;
    int W, H, CW, CH;
    TRect Dest;
  } const Cases[] = {
      {false, true, false, 200, 100, 100, 100, {0, 0, 100, 50}},
      {false, true, true, 200, 100, 100, 100, {0, 25, 100, 75}},
      {false, true, false, 50, 200, 100, 100, {0, 0, 25, 100}},
      {false, true, false, 200, 100, 100, 30, {0, 0, 60, 30}},
      {false, true, false, 100, 200, 30, 100, {0, 0, 30, 60}},
      {false, true, false, 300, 300, 100, 50, {0, 0, 50, 50}},
      {false, true, false, 20, 10, 100, 100, {0, 0, 20, 10}},
      {true, true, false, 20, 10, 100, 100, {0, 0, 100, 50}},
      {true, false, false, 574, 294, 144, 74, {0, 0, 144, 74}},
      {false, false, true, 20, 10, 100, 100, {40, 45, 60, 55}},
      {false, false, false, 200, 100, 100, 100, {0, 0, 200, 100}},
      {false, false, true, 200, 100, 100, 100, {-50, 0, 150, 100}},
      {true, false, true, 0, 0, 100, 100, {0, 0, 100, 100}},
  };
  for (const auto& Case : Cases) {
    Image->SetStretch(Case.Stretch);
    Image->SetProportional(Case.Proportional);
    Image->SetCenter(Case.Center);
    Image->SetBounds(10, 10, Case.CW, Case.CH);
    Image->GetPicture()->GetBitmap()->SetSize(Case.W, Case.H);
    EXPECT_EQ(Image->DestRect(), Case.Dest)
        << Case.W << "x" << Case.H << " in " << Case.CW << "x" << Case.CH;
  }
}

TEST_F(ImageTest, ProportionalPictureIsDrawnIntoItsRectangle) {
  Image->SetProportional(true);
  Show(Solid(200, 100, clRed));
  EXPECT_EQ(Pixel(Image, 50, 10), Rgb(clRed));
  EXPECT_EQ(Pixel(Image, 99, 49), Rgb(clRed));
  EXPECT_EQ(Pixel(Image, 50, 50), Rgb(clYellow));
  Image->SetCenter(true);
  EXPECT_EQ(PaintedPixel(Image, 50, 10), Rgb(clYellow));
  EXPECT_EQ(Pixel(Image, 50, 25), Rgb(clRed));
  EXPECT_EQ(Pixel(Image, 50, 74), Rgb(clRed));
  EXPECT_EQ(Pixel(Image, 50, 75), Rgb(clYellow));
}

TEST_F(ImageTest, StretchFillsTheControlWithTheWholePicture) {
  TBitmap* Logo = Solid(574, 294, clRed);
  Logo->GetCanvas()->GetBrush()->SetColor(clBlue);
  Logo->GetCanvas()->FillRect({287, 0, 574, 294});
  Image->SetBounds(10, 10, 144, 74);
  Image->SetStretch(true);
  Show(Logo);
  for (int Y = 0; Y < 74; ++Y)
    for (int X = 0; X < 144; ++X) {
      const std::uint32_t Want = X < 72 ? Rgb(clRed) : Rgb(clBlue);
      ASSERT_EQ(Pixel(Image, X, Y), Want) << X << "," << Y;
    }
  EXPECT_EQ(Pixel(Image, 144, 30), Rgb(clYellow));
}

TEST_F(ImageTest, StretchedIconKeepsItsMask) {
  Image->SetBounds(10, 10, 41, 41);
  Image->SetStretch(true);
  Show(MakeMaskedIcon());
  EXPECT_EQ(Image->GetPicture()->GetWidth(), 32);
  EXPECT_EQ(Pixel(Image, 5, 5), Rgb(clYellow));
  EXPECT_EQ(Pixel(Image, 35, 5), Rgb(clRed));
  EXPECT_EQ(Pixel(Image, 5, 35), Rgb(clRed));
  EXPECT_EQ(Pixel(Image, 40, 40), Rgb(clRed));
  EXPECT_EQ(Pixel(Image, 41, 40), Rgb(clYellow));
  // The mask scales with the picture: about 20 of the 41 pixels.
  EXPECT_EQ(Pixel(Image, 19, 19), Rgb(clYellow));
  EXPECT_EQ(Pixel(Image, 22, 22), Rgb(clRed));
}

TEST_F(ImageTest, PictureWithoutStretchKeepsItsSize) {
  Show(Solid(30, 20, clRed));
  EXPECT_EQ(Pixel(Image, 29, 19), Rgb(clRed));
  EXPECT_EQ(Pixel(Image, 30, 19), Rgb(clYellow));
  EXPECT_EQ(Pixel(Image, 29, 20), Rgb(clYellow));
  // A new picture repaints.
  Show(Solid(10, 10, clBlue));
  EXPECT_EQ(Pixel(Image, 5, 5), Rgb(clBlue));
  EXPECT_EQ(Pixel(Image, 20, 15), Rgb(clYellow));
  Image->GetPicture()->SetGraphic(nullptr);
  EXPECT_EQ(PaintedPixel(Image, 5, 5), Rgb(clYellow));
}

TEST_F(ImageTest, AutoSizeTakesThePicturesSize) {
  Image->SetAutoSize(true);
  Show(Solid(30, 20, clRed));
  EXPECT_EQ(Image->GetWidth(), 30);
  EXPECT_EQ(Image->GetHeight(), 20);
  Image->GetPicture()->GetBitmap()->SetSize(50, 60);
  EXPECT_EQ(Image->GetWidth(), 50);
  EXPECT_EQ(Image->GetHeight(), 60);
  // An empty picture leaves the size alone.
  Image->GetPicture()->SetGraphic(nullptr);
  EXPECT_EQ(Image->GetWidth(), 50);
  Image->SetAutoSize(false);
  Show(Solid(5, 5, clRed));
  EXPECT_EQ(Image->GetWidth(), 50);
}

TEST_F(ImageTest, TransparentIsHandedToTheGraphic) {
  TBitmap* B = Solid(40, 40, clWhite);
  B->GetCanvas()->GetBrush()->SetColor(clRed);
  B->GetCanvas()->FillRect({10, 10, 30, 30});
  Show(B);
  EXPECT_EQ(Pixel(Image, 5, 5), Rgb(clWhite));
  Image->SetTransparent(true);
  EXPECT_TRUE(Image->GetPicture()->GetGraphic()->GetTransparent());
  // The bitmap's corner colour, white, now lets the host show.
  EXPECT_EQ(PaintedPixel(Image, 5, 5), Rgb(clYellow));
  EXPECT_EQ(Pixel(Image, 20, 20), Rgb(clRed));
  // A picture given later takes it too.
  Show(Solid(40, 40, clWhite));
  EXPECT_TRUE(Image->GetPicture()->GetGraphic()->GetTransparent());
  EXPECT_EQ(Pixel(Image, 20, 20), Rgb(clYellow));
}

TEST_F(ImageTest, CanvasDrawsIntoTheBitmap) {
  TCanvas* Canvas = Image->GetCanvas();
  TBitmap* Bitmap = Image->GetPicture()->GetBitmap();
  EXPECT_EQ(Bitmap->GetWidth(), 100);
  EXPECT_EQ(Bitmap->GetHeight(), 100);
  Canvas->GetBrush()->SetColor(clBlue);
  Canvas->FillRect({0, 0, 50, 50});
  EXPECT_EQ(PaintedPixel(Image, 10, 10), Rgb(clBlue));

  Image->GetPicture()->SetGraphic(nullptr);
  Show(MakeMaskedIcon());
  try {
    Image->GetCanvas();
    ADD_FAILURE();
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Can only modify an image if it contains a bitmap");
  }
}

TEST_F(ImageTest, NullPictureEmptiesTheImage) {
  Show(Solid(20, 20, clRed));
  Image->SetPicture(nullptr);
  EXPECT_TRUE(Image->GetPicture()->Empty());
  EXPECT_EQ(PaintedPixel(Image, 5, 5), Rgb(clYellow));
}

TEST_F(ImageTest, PictureSetterCopies) {
  auto* Source = Create<TPicture>();
  TBitmap* B = Solid(12, 8, clRed);
  Source->SetGraphic(B);
  B->Free();
  Image->SetPicture(Source);
  EXPECT_NE(Image->GetPicture(), Source);
  EXPECT_NE(Image->GetPicture()->GetGraphic(), Source->GetGraphic());
  EXPECT_EQ(Image->GetPicture()->GetWidth(), 12);
  Source->Free();
  EXPECT_EQ(PaintedPixel(Image, 5, 5), Rgb(clRed));
}

} // namespace
