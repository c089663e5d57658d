#include "GraphicsTestSupport.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Filer.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/Exceptions.h"

#include <cstdio>
#include <string>
#include <vector>

// Graphic classes of the tests' own, registered and unregistered by the
// cases that use them. Two share a class name on purpose.
class TTestGraphic : public TBitmap {
  TAVREL_CLASS(TTestGraphic, TBitmap)
};
class TTwinA : public TBitmap {
  TAVREL_CLASS(TTwinA, TBitmap)
};
class TTwinB : public TBitmap {
  TAVREL_CLASS(TTwinB, TBitmap)
};

const TClass& TTestGraphic::StaticClass() {
  static const TClass Class = TClassBuilder<TTestGraphic>("TTestGraphic").Build();
  return Class;
}
const TClass& TTwinA::StaticClass() {
  static const TClass Class = TClassBuilder<TTwinA>("TTwin").Build();
  return Class;
}
const TClass& TTwinB::StaticClass() {
  static const TClass Class = TClassBuilder<TTwinB>("TTwin").Build();
  return Class;
}

namespace {

std::vector<std::uint8_t> ShortString(const std::string& S) {
  std::vector<std::uint8_t> Out(S.size() + 1);
  Out[0] = std::uint8_t(S.size());
  std::copy(S.begin(), S.end(), Out.begin() + 1);
  return Out;
}

TEST(PictureFormats, ExtensionsAreFoundInAnyCase) {
  EXPECT_EQ(&TPicture::GraphicClassForExtension("bmp"), &TBitmap::StaticClass());
  EXPECT_EQ(&TPicture::GraphicClassForExtension(".BMP"), &TBitmap::StaticClass());
  EXPECT_EQ(&TPicture::GraphicClassForExtension("Ico"), &TIcon::StaticClass());
  for (const char* Unknown : {"xyz", ".Gif", ""}) {
    std::string Shown = Unknown[0] == '.' ? Unknown + 1 : Unknown;
    try {
      TPicture::GraphicClassForExtension(Unknown);
      ADD_FAILURE() << Unknown;
    } catch (const EInvalidGraphic& E) {
      EXPECT_EQ(E.Message(), "Unknown picture file extension (." + Shown + ")");
    }
  }
  EXPECT_EQ(TPicture::FindGraphicClass("TBitmap"), &TBitmap::StaticClass());
  EXPECT_EQ(TPicture::FindGraphicClass("TIcon"), &TIcon::StaticClass());
  EXPECT_EQ(TPicture::FindGraphicClass("tbitmap"), nullptr); // exact names only
  EXPECT_EQ(TPicture::FindGraphicClass("TGraphic"), nullptr);

  EXPECT_EQ(TPicture::GraphicFilter(TGraphic::StaticClass()),
            "All (*.ico;*.bmp)|*.ico;*.bmp|Icons (*.ico)|*.ico|Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(TPicture::GraphicFilter(TBitmap::StaticClass()),
            "All (*.bmp)|*.bmp|Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(TPicture::GraphicFilter(TTestGraphic::StaticClass()), "");
}

TEST(PictureFormats, TheMostRecentRegistrationWins) {
  TPicture::RegisterFileFormat("tst", "Test pictures", TTestGraphic::StaticClass());
  TPicture::RegisterFileFormat("BMP", "Bitmaps again", TTestGraphic::StaticClass());
  EXPECT_EQ(&TPicture::GraphicClassForExtension("tst"), &TTestGraphic::StaticClass());
  EXPECT_EQ(&TPicture::GraphicClassForExtension("bmp"), &TTestGraphic::StaticClass());
  EXPECT_EQ(TPicture::FindGraphicClass("TTestGraphic"), &TTestGraphic::StaticClass());

  TPicture::RegisterFileFormat("tw1", "", TTwinA::StaticClass());
  TPicture::RegisterFileFormat("tw2", "", TTwinB::StaticClass());
  EXPECT_EQ(TPicture::FindGraphicClass("TTwin"), &TTwinB::StaticClass());
  TPicture::UnregisterGraphicClass(TTwinB::StaticClass());
  EXPECT_EQ(TPicture::FindGraphicClass("TTwin"), &TTwinA::StaticClass());
  TPicture::UnregisterGraphicClass(TTwinA::StaticClass());
  EXPECT_EQ(TPicture::FindGraphicClass("TTwin"), nullptr);

  TPicture::UnregisterGraphicClass(TTestGraphic::StaticClass()); // both of its entries
  EXPECT_EQ(&TPicture::GraphicClassForExtension("bmp"), &TBitmap::StaticClass());
  EXPECT_THROW(TPicture::GraphicClassForExtension("tst"), EInvalidGraphic);
  EXPECT_EQ(TPicture::FindGraphicClass("TTestGraphic"), nullptr);
}

TEST(Picture, HoldsACopyOfTheGraphicItIsGiven) {
  TPicture P;
  EXPECT_TRUE(P.Empty());
  EXPECT_EQ(P.GetGraphic(), nullptr);
  EXPECT_EQ(P.GetWidth(), 0);
  EXPECT_EQ(P.GetHeight(), 0);
  EXPECT_TRUE(TPicture::StaticClass().Properties().empty());

  TTestGraphic Original;
  Original.SetSize(3, 2);
  Original.GetCanvas()->SetPixels(0, 0, clRed);
  TListener L;
  P.OnChange = L.Event();
  P.SetGraphic(&Original);
  EXPECT_EQ(L.Count, 1);
  ASSERT_NE(P.GetGraphic(), nullptr);
  EXPECT_NE(P.GetGraphic(), &Original);
  EXPECT_EQ(&P.GetGraphic()->ClassType(), &TTestGraphic::StaticClass()); // same class
  EXPECT_EQ(P.GetWidth(), 3);
  EXPECT_EQ(P.GetHeight(), 2);
  EXPECT_FALSE(P.Empty());
  Original.GetCanvas()->SetPixels(0, 0, clBlue);
  auto* Held = static_cast<TBitmap*>(P.GetGraphic());
  EXPECT_EQ(COLORREF(Held->GetCanvas()->GetPixels(0, 0)), Red);

  // Changes of the graphic are the picture's changes.
  int Before = L.Count;
  Held->SetWidth(5);
  EXPECT_EQ(L.Count, Before + 1);
  EXPECT_EQ(L.Last, &P);
  EXPECT_EQ(P.GetWidth(), 5);

  P.SetGraphic(nullptr);
  EXPECT_TRUE(P.Empty());
}

TEST(Picture, BitmapAndIconAccessorsReplaceAnotherKind) {
  TPicture P;
  TListener L;
  P.OnChange = L.Event();
  TBitmap* B = P.GetBitmap();
  ASSERT_NE(B, nullptr);
  EXPECT_EQ(L.Count, 1);
  EXPECT_TRUE(P.Empty()); // a graphic, but an empty one
  EXPECT_EQ(P.GetBitmap(), B);
  EXPECT_EQ(L.Count, 1);
  B->SetSize(4, 4);
  EXPECT_FALSE(P.Empty());

  TIcon* I = P.GetIcon();
  EXPECT_TRUE(P.GetGraphic()->Is<TIcon>());
  EXPECT_EQ(P.GetGraphic(), I);
  EXPECT_EQ(P.GetWidth(), 0);

  TTestGraphic Derived;
  P.SetGraphic(&Derived);
  EXPECT_EQ(P.GetBitmap(), P.GetGraphic()); // a descendant is a bitmap too

  TBitmap Source;
  Source.SetSize(7, 1);
  P.SetBitmap(&Source);
  EXPECT_EQ(P.GetWidth(), 7);
  TIcon Icon;
  TMemoryStream S;
  FillStream(S, ReadFixture("icon16.ico"));
  Icon.LoadFromStream(S);
  P.SetIcon(&Icon);
  EXPECT_EQ(P.GetWidth(), 32);
}

TEST(Picture, AssignAcceptsPicturesGraphicsAndNil) {
  TPicture A, B;
  A.GetBitmap()->SetSize(2, 3);
  B.Assign(&A);
  EXPECT_TRUE(B.GetGraphic()->Is<TBitmap>());
  EXPECT_NE(B.GetGraphic(), A.GetGraphic());
  EXPECT_EQ(B.GetHeight(), 3);

  TBitmap Bmp;
  Bmp.SetSize(6, 6);
  B.Assign(&Bmp);
  EXPECT_EQ(B.GetWidth(), 6);

  TBitmap Target; // a graphic takes the picture's graphic of its class
  Target.Assign(&B);
  EXPECT_EQ(Target.GetWidth(), 6);

  B.Assign(nullptr);
  EXPECT_EQ(B.GetGraphic(), nullptr);

  TFont F;
  try {
    B.Assign(&F);
    ADD_FAILURE();
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TFont to a TPicture");
  }
  TIcon Icon;
  try {
    Icon.Assign(&A);
    ADD_FAILURE();
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TPicture to a TIcon");
  }
}

TEST(Picture, FilesLoadByExtension) {
  std::string Dir = ::testing::TempDir();
  TBitmap Bmp;
  Bmp.SetSize(3, 3);
  Bmp.GetCanvas()->SetPixels(1, 1, clRed);
  Bmp.SaveToFile(Dir + "gfx_pic.BMP");

  TPicture P;
  P.LoadFromFile(Dir + "gfx_pic.BMP");
  ASSERT_TRUE(P.GetGraphic()->Is<TBitmap>());
  EXPECT_EQ(COLORREF(P.GetBitmap()->GetCanvas()->GetPixels(1, 1)), Red);
  P.SaveToFile(Dir + "gfx_pic2.bmp");

  TPicture Q;
  Q.LoadFromFile(FixturePath("icon16.ico"));
  EXPECT_TRUE(Q.GetGraphic()->Is<TIcon>());
  try {
    Q.LoadFromFile(Dir + "gfx_pic.jpeg");
    ADD_FAILURE();
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message(), "Unknown picture file extension (.jpeg)");
  }
  EXPECT_THROW(Q.LoadFromFile(Dir + "no.such.dir/none.bmp"), EFOpenError);
  // A file that is not what its name says leaves the picture as it was.
  EXPECT_THROW(Q.LoadFromFile(FixturePath("bad/magic.bmp")), EInvalidGraphic);
  EXPECT_THROW(Q.LoadFromFile(Dir + "gfx_pic2"), EInvalidGraphic); // no extension
  EXPECT_TRUE(Q.GetGraphic()->Is<TIcon>());

  TPicture R;
  R.LoadFromFile(Dir + "gfx_pic2.bmp");
  EXPECT_EQ(R.GetWidth(), 3);
  std::remove((Dir + "gfx_pic.BMP").c_str());
  std::remove((Dir + "gfx_pic2.bmp").c_str());
}

TEST(Picture, DataNamesTheClassThenCarriesItsData) {
  std::vector<std::uint8_t> Block = ShortString("TIcon");
  std::vector<std::uint8_t> Icon = ReadFixture("icon16.ico");
  Block.insert(Block.end(), Icon.begin(), Icon.end());
  EXPECT_EQ(Block.size(), 772u);
  TMemoryStream S;
  FillStream(S, Block);
  TDataFiler Filer(S);
  TPicture P;
  TListener L;
  P.OnChange = L.Event();
  P.DeclareExtraProperties(Filer);
  EXPECT_EQ(Filer.Names, std::vector<std::string>{"Data"});
  ASSERT_NE(P.GetGraphic(), nullptr);
  EXPECT_TRUE(P.GetGraphic()->Is<TIcon>());
  EXPECT_EQ(P.GetWidth(), 32);
  EXPECT_EQ(L.Count, 1);
  EXPECT_EQ(S.GetPosition(), 772);
}

TEST(Picture, BitmapDataCarriesItsLength) {
  TBitmap Bmp;
  Bmp.SetSize(2, 2);
  Bmp.GetCanvas()->SetPixels(1, 0, clRed);
  TMemoryStream File;
  Bmp.SaveToStream(File);
  std::vector<std::uint8_t> Block = ShortString("TBitmap");
  std::uint32_t Size = std::uint32_t(File.GetSize());
  for (int I = 0; I < 4; ++I) Block.push_back(std::uint8_t(Size >> (8 * I)));
  Block.insert(Block.end(), File.Memory(), File.Memory() + File.GetSize());
  TMemoryStream S;
  FillStream(S, Block);
  TDataFiler Filer(S);
  TPicture P;
  P.DeclareExtraProperties(Filer);
  ASSERT_TRUE(P.GetGraphic() && P.GetGraphic()->Is<TBitmap>());
  EXPECT_EQ(COLORREF(P.GetBitmap()->GetCanvas()->GetPixels(1, 0)), Red);

  // A length beyond the block is bad data.
  Block[8] = 0xFF;
  FillStream(S, Block);
  EXPECT_THROW(P.DeclareExtraProperties(Filer), EInvalidGraphic);
  EXPECT_EQ(P.GetWidth(), 2); // unchanged
}

TEST(Picture, DataOfAnUnknownClassLeavesThePictureEmpty) {
  std::vector<std::uint8_t> Block = ShortString("TMetafile");
  Block.insert(Block.end(), {1, 2, 3, 4, 5});
  TMemoryStream S;
  FillStream(S, Block);
  TDataFiler Filer(S);
  TPicture P;
  P.GetBitmap()->SetSize(3, 3);
  EXPECT_NO_THROW(P.DeclareExtraProperties(Filer));
  EXPECT_EQ(P.GetGraphic(), nullptr);
  EXPECT_TRUE(P.Empty());

  for (std::vector<std::uint8_t> Short : {std::vector<std::uint8_t>{}, ShortString("TIcon")}) {
    Short.resize(Short.size() ? 3 : 0); // the name cut short, or no block at all
    FillStream(S, Short);
    P.GetBitmap();
    EXPECT_NO_THROW(P.DeclareExtraProperties(Filer));
    EXPECT_EQ(P.GetGraphic(), nullptr);
  }
}

} // namespace
