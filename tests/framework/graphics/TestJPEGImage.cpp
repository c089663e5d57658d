// TJPEGImage as a graphic: loading (header only), sizes, emptiness, shared
// data, assignment, picture data, equality and the format registration.
#include "JPEGTestSupport.h"

#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"

#include <cstdio>
#include <cstring>

namespace {

TEST(JPEGImage, LogoGivesItsSizeBeforeAnyDecoding) {
  auto Image = MakeOwned<TJPEGImage>();
  Image->LoadFromFile(LogoPath());
  EXPECT_EQ(Image->GetWidth(), 574);
  EXPECT_EQ(Image->GetHeight(), 294);
  EXPECT_FALSE(Image->Empty());
  EXPECT_FALSE(Image->GetIsProgressive());
  EXPECT_FALSE(Image->GetData().GetGrayscale());
  EXPECT_EQ(Image->GetData().GetData()->GetSize(),
            std::int64_t(ReadFixture("../../../../app/forms/Logo.jpg").size()));
}

TEST(JPEGImage, NewPictureIsEmptyWithoutSize) {
  auto Image = MakeOwned<TJPEGImage>();
  EXPECT_TRUE(Image->Empty());
  EXPECT_EQ(Image->GetWidth(), 0);
  EXPECT_EQ(Image->GetHeight(), 0);
  EXPECT_FALSE(Image->GetData().HasData());
  TMemoryStream Out;
  Image->SaveToStream(Out);
  EXPECT_EQ(Out.GetSize(), 0);
}

TEST(JPEGImage, ZeroCountIsNotEmptyButCannotDecode) {
  auto Image = MakeOwned<TJPEGImage>();
  TMemoryStream S;
  FillPictureData(S, {}, 0);
  TDataFiler Filer(S);
  Image->DeclareExtraProperties(Filer);
  EXPECT_FALSE(Image->Empty());
  EXPECT_EQ(Image->GetWidth(), 0);
  EXPECT_EQ(Image->GetHeight(), 0);
  try {
    Image->GetBitmap();
    FAIL() << "decoded an empty block";
  } catch (const EJPEG& E) {
    EXPECT_TRUE(IsJPEGErrorMessage(E.Message())) << E.Message();
  }
}

TEST(JPEGImage, DamagedHeaderFailsAtLoadAndKeepsThePicture) {
  auto Image = JPEGFixture("blocks.jpg");
  std::vector<std::uint8_t> Bad = ReadFixture("jpeg/bad/no_soi.jpg");
  TMemoryStream S;
  FillPictureData(S, Bad, std::int32_t(Bad.size()));
  TDataFiler Filer(S);
  try {
    Image->DeclareExtraProperties(Filer);
    FAIL() << "a damaged header loaded";
  } catch (const EJPEG& E) {
    EXPECT_TRUE(IsJPEGErrorMessage(E.Message())) << E.Message();
  }
  EXPECT_EQ(Image->GetWidth(), 64);
  EXPECT_EQ(Image->GetBitmap()->GetWidth(), 64);
}

struct TCountCase {
  const char* Name;
  std::int32_t Count;
  std::size_t Present;
};

TEST(JPEGImage, PictureDataCountBeyondTheStreamIsAReadError) {
  const TCountCase Cases[] = {
      {"one byte short", 684, 683}, {"huge", 0x7FFFFFFF, 683}, {"negative", -1, 683}};
  std::vector<std::uint8_t> Bytes = ReadFixture("jpeg/blocks.jpg");
  ASSERT_EQ(Bytes.size(), 683u);
  for (const TCountCase& C : Cases) {
    auto Image = MakeOwned<TJPEGImage>();
    TMemoryStream S;
    FillPictureData(S, std::vector<std::uint8_t>(Bytes.begin(), Bytes.begin() + C.Present),
                    C.Count);
    TDataFiler Filer(S);
    try {
      Image->DeclareExtraProperties(Filer);
      ADD_FAILURE() << C.Name << ": loaded";
    } catch (const EReadError& E) {
      EXPECT_EQ(E.Message(), "Stream read error") << C.Name;
    }
    EXPECT_TRUE(Image->Empty()) << C.Name;
  }
}

TEST(JPEGImage, PictureDataRoundTripsWithItsCount) {
  std::vector<std::uint8_t> Bytes = ReadFixture("jpeg/blocks.jpg");
  TMemoryStream In;
  FillPictureData(In, Bytes, std::int32_t(Bytes.size()));
  auto Image = MakeOwned<TJPEGImage>();
  TDataFiler Filer(In);
  Image->DeclareExtraProperties(Filer);
  ASSERT_EQ(Filer.Names, std::vector<std::string>{"Data"});
  TMemoryStream Out;
  struct TWriter : TJPEGImage {
    using TJPEGImage::WriteData;
  };
  (Image.get()->*&TWriter::WriteData)(Out);
  ASSERT_EQ(Out.GetSize(), In.GetSize());
  EXPECT_EQ(std::memcmp(Out.Memory(), In.Memory(), std::size_t(In.GetSize())), 0);
}

TEST(JPEGImage, SizeCannotBeChanged) {
  struct TCase {
    const char* Name;
    void (*Set)(TJPEGImage&);
  };
  const TCase Cases[] = {
      {"width", [](TJPEGImage& I) { I.SetWidth(100); }},
      {"height", [](TJPEGImage& I) { I.SetHeight(100); }},
      {"same width", [](TJPEGImage& I) { I.SetWidth(64); }},
      {"zero height", [](TJPEGImage& I) { I.SetHeight(0); }},
  };
  for (const TCase& C : Cases) {
    auto Image = JPEGFixture("blocks.jpg");
    TListener Heard;
    Image->OnChange = Heard.Event();
    try {
      C.Set(*Image);
      ADD_FAILURE() << C.Name << ": size changed";
    } catch (const EInvalidGraphicOperation& E) {
      EXPECT_EQ(E.Message(), "Cannot change the size of a JPEG image") << C.Name;
    }
    EXPECT_EQ(Image->GetWidth(), 64) << C.Name;
    EXPECT_EQ(Image->GetHeight(), 32) << C.Name;
    EXPECT_EQ(Heard.Count, 0) << C.Name;
  }
}

TEST(JPEGImage, WidthAfterDecodingIsTheBitmaps) {
  auto Image = JPEGFixture("blocks.jpg");
  Image->SetOutputScale(jsHalf);
  EXPECT_EQ(Image->GetWidth(), 32);
  TBitmap* Bitmap = Image->GetBitmap();
  EXPECT_EQ(Bitmap->GetWidth(), 32);
  EXPECT_EQ(Bitmap->GetHeight(), 16);
  EXPECT_EQ(Image->GetWidth(), Bitmap->GetWidth());
  EXPECT_EQ(Image->GetHeight(), Bitmap->GetHeight());
}

TEST(JPEGImage, OutputScaleGivesTheLibrarysSizes) {
  struct TCase {
    TJPEGScale Scale;
    int Width, Height;
  };
  const TCase Cases[] = {
      {jsFullSize, 574, 294}, {jsHalf, 287, 147}, {jsQuarter, 144, 74}, {jsEighth, 72, 37}};
  for (const TCase& C : Cases) {
    auto Image = MakeOwned<TJPEGImage>();
    Image->SetOutputScale(C.Scale);
    Image->LoadFromFile(LogoPath());
    EXPECT_EQ(Image->GetWidth(), C.Width) << int(C.Scale);
    EXPECT_EQ(Image->GetHeight(), C.Height) << int(C.Scale);
    Image->DIBNeeded();
    EXPECT_EQ(Image->GetBitmap()->GetWidth(), C.Width) << int(C.Scale);
    EXPECT_EQ(Image->GetBitmap()->GetHeight(), C.Height) << int(C.Scale);
  }
}

TEST(JPEGImage, AssignedPicturesShareDataUntilOneLoadsNew) {
  auto A = MakeOwned<TJPEGImage>();
  A->LoadFromFile(LogoPath());
  auto B = MakeOwned<TJPEGImage>();
  B->Assign(A.get());
  EXPECT_EQ(&A->GetData(), &B->GetData());
  EXPECT_EQ(A->GetData().RefCount(), 2);
  EXPECT_TRUE(A->Equals(B.get()));
  A->LoadFromFile(FixturePath("jpeg/blocks.jpg"));
  EXPECT_NE(&A->GetData(), &B->GetData());
  EXPECT_EQ(B->GetData().RefCount(), 1);
  EXPECT_EQ(B->GetWidth(), 574);
  EXPECT_EQ(A->GetWidth(), 64);
  EXPECT_FALSE(A->Equals(B.get()));
}

TEST(JPEGImage, AssignCopiesTheDecodedBitmap) {
  auto A = JPEGFixture("blocks.jpg");
  TBitmap* Decoded = A->GetBitmap();
  auto B = MakeOwned<TJPEGImage>();
  B->Assign(A.get());
  TBitmap* Copy = B->GetBitmap();
  EXPECT_NE(Copy, Decoded);
  for (const TBlockProbe& P : BlockProbes)
    EXPECT_EQ(PixelOf(*Copy, P.X, P.Y), PixelOf(*Decoded, P.X, P.Y));
}

TEST(JPEGImage, AssignFromBitmapEncodesOnlyWhenBytesAreNeeded) {
  auto Bitmap = BlockBitmap();
  auto Image = MakeOwned<TJPEGImage>();
  TListener Heard;
  Image->OnChange = Heard.Event();
  Image->Assign(Bitmap.get());
  EXPECT_EQ(Heard.Count, 1);
  EXPECT_FALSE(Image->Empty());
  EXPECT_FALSE(Image->GetData().HasData());
  EXPECT_EQ(Image->GetWidth(), 64);
  TMemoryStream Saved;
  Image->SaveToStream(Saved);
  ASSERT_GT(Saved.GetSize(), 4);
  EXPECT_EQ(Saved.Memory()[0], 0xFF);
  EXPECT_EQ(Saved.Memory()[1], 0xD8);
  EXPECT_TRUE(Image->GetData().HasData());
  EXPECT_EQ(Image->GetData().GetWidth(), 64);
}

TEST(JPEGImage, AssignFromAnotherGraphicFails) {
  auto Image = JPEGFixture("blocks.jpg");
  auto Icon = MakeOwned<TIcon>();
  try {
    Image->Assign(Icon.get());
    FAIL() << "assigned an icon";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TIcon to a TJPEGImage");
  }
  EXPECT_EQ(Image->GetWidth(), 64);
}

TEST(JPEGImage, BitmapTakesTheDecodedPicture) {
  auto Image = JPEGFixture("blocks.jpg");
  auto Bitmap = MakeOwned<TBitmap>();
  Bitmap->Assign(Image.get());
  EXPECT_EQ(Bitmap->GetWidth(), 64);
  EXPECT_EQ(Bitmap->GetHeight(), 32);
  EXPECT_TRUE(Near(PixelOf(*Bitmap, 8, 8), RGB(255, 0, 0), 12));
}

TEST(JPEGImage, Equality) {
  auto A = JPEGFixture("blocks.jpg");
  auto SameBytes = JPEGFixture("blocks.jpg");
  auto Other = JPEGFixture("gray.jpg");
  auto Bitmap = BlockBitmap();
  auto FromBitmap = MakeOwned<TJPEGImage>();
  FromBitmap->Assign(Bitmap.get());
  auto Shared = MakeOwned<TJPEGImage>();
  Shared->Assign(FromBitmap.get());
  auto Unrelated = MakeOwned<TJPEGImage>();
  Unrelated->Assign(Bitmap.get());
  EXPECT_TRUE(A->Equals(SameBytes.get()));
  EXPECT_FALSE(A->Equals(Other.get()));
  EXPECT_FALSE(A->Equals(Bitmap.get()));
  EXPECT_FALSE(A->Equals(nullptr));
  EXPECT_TRUE(FromBitmap->Equals(Shared.get()));
  EXPECT_FALSE(FromBitmap->Equals(Unrelated.get()));
  EXPECT_FALSE(A->Equals(FromBitmap.get()));
}

TEST(JPEGImage, RegisteredByExtensionAndClassName) {
  StartJPEGUnit();
  std::string Copy = ::testing::TempDir() + "tavrel-logo.jpeg";
  {
    std::vector<std::uint8_t> Bytes = ReadFixture("../../../../app/forms/Logo.jpg");
    std::FILE* F = std::fopen(Copy.c_str(), "wb");
    ASSERT_NE(F, nullptr);
    std::fwrite(Bytes.data(), 1, Bytes.size(), F);
    std::fclose(F);
  }
  for (const std::string& Path : {LogoPath(), Copy}) {
    auto Picture = MakeOwned<TPicture>();
    Picture->LoadFromFile(Path);
    ASSERT_NE(Picture->GetGraphic(), nullptr) << Path;
    EXPECT_EQ(Picture->GetGraphic()->ClassName(), "TJPEGImage") << Path;
    EXPECT_EQ(Picture->GetWidth(), 574) << Path;
  }
  EXPECT_EQ(TPicture::FindGraphicClass("TJPEGImage"), &TJPEGImage::StaticClass());
  EXPECT_NE(TPicture::GraphicFilter(TJPEGImage::StaticClass()).find("JPEG Image File (*.jpg)"),
            std::string::npos);

  std::vector<std::uint8_t> Bytes = ReadFixture("jpeg/blocks.jpg");
  TMemoryStream Data;
  const char Name[] = "\x0ATJPEGImage";
  Data.WriteBuffer(Name, 11);
  std::int32_t Count = std::int32_t(Bytes.size());
  Data.WriteBuffer(&Count, 4);
  Data.WriteBuffer(Bytes.data(), Count);
  Data.SetPosition(0);
  auto Picture = MakeOwned<TPicture>();
  TDataFiler Filer(Data);
  Picture->DeclareExtraProperties(Filer);
  ASSERT_NE(Picture->GetGraphic(), nullptr);
  EXPECT_EQ(Picture->GetGraphic()->ClassName(), "TJPEGImage");
  EXPECT_EQ(Picture->GetWidth(), 64);

  EndJPEGUnit();
  EXPECT_EQ(TPicture::FindGraphicClass("TJPEGImage"), nullptr);
  auto After = MakeOwned<TPicture>();
  EXPECT_THROW(After->LoadFromFile(Copy), EInvalidGraphic);
  std::remove(Copy.c_str());
}

} // namespace
