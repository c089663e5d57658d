#include "GraphicsTestSupport.h"

#include "framework/classes/Class.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Pen.h"
#include "framework/runtime/Exceptions.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  struct TCase {
    int N, Num, Den, Expected;
  } Cases[] = {{-11, 72, 96, -8},        {10, 96, 72, 13},   {5, 1, 2, 3},
               {-5, 1, 2, -3},           {5, -1, 2, -3},     {7, 3, 0, -1},
               {1 << 30, 4, 4, 1 << 30}, {1 << 30, 4, 2, -1}}; // overflow: -1
  for (const TCase& C : Cases)
    EXPECT_EQ(MulDiv(C.N, C.Num, C.Den), C.Expected) << C.N << "*" << C.Num << "/" << C.Den;
}

TEST(Font, SizeAndHeightConvertThroughPixelsPerInch) {
  struct TCase {
    int Ppi, Size, Height;
  } Cases[] = {{96, 8, -11}, {96, 10, -13}, {96, 12, -16},  {96, 14, -19},
               {96, 9, -12}, {120, 8, -13}, {120, 10, -17}, {72, 10, -10}};
  for (const TCase& C : Cases) {
    TFont F;
    F.SetPixelsPerInch(C.Ppi);
    F.SetSize(C.Size);
    EXPECT_EQ(F.GetHeight(), C.Height) << "ppi " << C.Ppi << " size " << C.Size;
    F.SetHeight(C.Height);
    EXPECT_EQ(F.GetSize(), C.Size) << "ppi " << C.Ppi << " height " << C.Height;
  }
  TFont F;
  F.SetHeight(-11);
  EXPECT_EQ(F.GetSize(), 8);
  F.SetHeight(16); // a cell height reads as a negative size
  EXPECT_EQ(F.GetSize(), -12);
}

TEST(Font, DefaultsMatchTheDeclaredOnes) {
  TFont F;
  EXPECT_EQ(F.GetName(), "MS Sans Serif");
  EXPECT_EQ(F.GetHeight(), -11);
  EXPECT_EQ(F.GetSize(), 8);
  EXPECT_EQ(F.GetColor(), clWindowText);
  EXPECT_EQ(F.GetCharset(), DEFAULT_CHARSET);
  EXPECT_EQ(F.GetPitch(), fpDefault);
  EXPECT_TRUE(F.GetStyle().Empty());
  EXPECT_EQ(F.GetPixelsPerInch(), 96);

  std::vector<std::string> Names;
  for (const TPropInfo* P : TFont::StaticClass().Properties()) {
    Names.push_back(P->Name());
    if (P->HasDefault()) {
      EXPECT_EQ(P->GetOrd(&F), P->Default()) << P->Name();
    }
  }
  EXPECT_EQ(Names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Size",
                                             "Style"}));
  const TClass& C = TFont::StaticClass();
  EXPECT_EQ(&C.FindProperty("Color")->Type(), &ColorTypeInfo());
  EXPECT_EQ(&C.FindProperty("Charset")->Type(), &FontCharsetTypeInfo());
  EXPECT_EQ(C.FindProperty("Style")->Type().Kind, TTypeKind::Set);
  EXPECT_FALSE(C.FindProperty("Height")->HasDefault());
  EXPECT_EQ(C.FindProperty("Pitch")->Type().EnumName(fpFixed), "fpFixed");
}

// A property change applied twice: the first must be heard once, the
// second (the same value) not at all.
struct TChange {
  const char* Name;
  std::function<void(TFont&)> Apply;
};

TEST(Font, EachRealChangeIsHeardOnceAndRepeatsAreSilent) {
  std::vector<TChange> Changes{
      {"Charset", [](TFont& F) { F.SetCharset(SYMBOL_CHARSET); }},
      {"Color", [](TFont& F) { F.SetColor(clRed); }},
      {"Height", [](TFont& F) { F.SetHeight(-20); }},
      {"Name", [](TFont& F) { F.SetName("DejaVu Sans"); }},
      {"Pitch", [](TFont& F) { F.SetPitch(fpFixed); }},
      {"Size", [](TFont& F) { F.SetSize(12); }},
      {"Style",
       [](TFont& F) {
         F.SetStyle({fsBold, fsItalic});
       }},
      {"PixelsPerInch", [](TFont& F) { F.SetPixelsPerInch(120); }},
  };
  for (const TChange& C : Changes) {
    TFont F;
    TListener L;
    F.OnChange = L.Event();
    C.Apply(F);
    EXPECT_EQ(L.Count, 1) << C.Name;
    EXPECT_EQ(L.Last, &F) << C.Name;
    C.Apply(F);
    EXPECT_EQ(L.Count, 1) << C.Name << " set again";
  }
  TFont F;
  TListener L;
  F.OnChange = L.Event();
  F.SetName("");              // ignored
  F.SetSize(8);               // Height -11 already
  F.SetName("MS Sans Serif"); // current
  F.SetStyle({});
  EXPECT_EQ(L.Count, 0);
}

TEST(Font, NamesAreCutToTheFaceNameLimit) {
  TFont F;
  F.SetName(std::string(40, 'a'));
  EXPECT_EQ(F.GetName(), std::string(31, 'a'));
  EXPECT_STREQ(F.LogFont().lfFaceName, std::string(31, 'a').c_str());
}

TEST(Font, DescriptionBecomesTheLogicalFont) {
  TFont F;
  F.SetName("DejaVu Sans");
  F.SetHeight(-15);
  F.SetStyle({fsBold, fsUnderline, fsStrikeOut});
  F.SetCharset(ANSI_CHARSET);
  F.SetPitch(fpVariable);
  LOGFONTA LF{};
  ASSERT_EQ(GetObject(F.GetHandle(), sizeof LF, &LF), int(sizeof LF));
  EXPECT_EQ(LF.lfHeight, -15);
  EXPECT_EQ(LF.lfWeight, FW_BOLD);
  EXPECT_EQ(LF.lfItalic, 0);
  EXPECT_EQ(LF.lfUnderline, 1);
  EXPECT_EQ(LF.lfStrikeOut, 1);
  EXPECT_EQ(LF.lfCharSet, ANSI_CHARSET);
  EXPECT_EQ(LF.lfPitchAndFamily & 3, VARIABLE_PITCH);
  EXPECT_STREQ(LF.lfFaceName, "DejaVu Sans");
}

TEST(Font, HandleIsCachedUntilTheDescriptionChanges) {
  TFont F;
  EXPECT_FALSE(F.HandleAllocated());
  HFONT A = F.GetHandle();
  ASSERT_NE(A, nullptr);
  EXPECT_EQ(F.GetHandle(), A);
  F.SetColor(clRed); // colour is not part of the font object
  EXPECT_EQ(F.GetHandle(), A);
  F.SetHeight(-30);
  EXPECT_FALSE(F.HandleAllocated());
  EXPECT_EQ(GetObjectType(A), 0u); // the old one is gone
  HFONT B = F.GetHandle();
  LOGFONTA LF{};
  GetObject(B, sizeof LF, &LF);
  EXPECT_EQ(LF.lfHeight, -30);
}

TEST(Font, SetHandleTakesTheDescriptionOfAnotherFont) {
  LOGFONTA LF{};
  LF.lfHeight = -20;
  LF.lfWeight = FW_BOLD;
  LF.lfItalic = 1;
  LF.lfCharSet = OEM_CHARSET;
  LF.lfPitchAndFamily = FIXED_PITCH;
  std::strcpy(LF.lfFaceName, "DejaVu Sans Mono");
  HFONT Foreign = CreateFontIndirect(&LF);
  TFont F;
  F.SetColor(clBlue);
  TListener L;
  F.OnChange = L.Event();
  F.SetHandle(Foreign);
  EXPECT_EQ(L.Count, 1);
  EXPECT_EQ(F.GetHeight(), -20);
  EXPECT_EQ(F.GetName(), "DejaVu Sans Mono");
  EXPECT_EQ(F.GetStyle(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(F.GetCharset(), OEM_CHARSET);
  EXPECT_EQ(F.GetPitch(), fpFixed);
  EXPECT_EQ(F.GetColor(), clBlue);
  EXPECT_NE(F.GetHandle(), Foreign); // the caller keeps its own
  EXPECT_EQ(GetObjectType(Foreign), OBJ_FONT);
  F.SetHandle(Foreign);
  EXPECT_EQ(L.Count, 1);
  DeleteObject(Foreign);

  HPEN NotAFont = CreatePen(PS_SOLID, 1, 0);
  EXPECT_THROW(F.SetHandle(reinterpret_cast<HFONT>(NotAFont)), EInvalidGraphic);
  EXPECT_THROW(F.SetHandle(nullptr), EInvalidGraphic);
  DeleteObject(NotAFont);
  EXPECT_EQ(F.GetHeight(), -20);
}

TEST(Font, AssignCopiesEverythingWithOneChange) {
  TFont A, B;
  A.SetName("DejaVu Serif");
  A.SetHeight(-15);
  A.SetColor(clGreen);
  A.SetStyle({fsItalic});
  A.SetCharset(SYMBOL_CHARSET);
  A.SetPitch(fpVariable);
  TListener L;
  B.OnChange = L.Event();
  B.Assign(&A);
  EXPECT_EQ(L.Count, 1);
  EXPECT_EQ(B.GetName(), "DejaVu Serif");
  EXPECT_EQ(B.GetHeight(), -15);
  EXPECT_EQ(B.GetColor(), clGreen);
  EXPECT_EQ(B.GetStyle(), TFontStyles{fsItalic});
  EXPECT_EQ(B.GetCharset(), SYMBOL_CHARSET);
  EXPECT_EQ(B.GetPitch(), fpVariable);
  B.Assign(&A);
  EXPECT_EQ(L.Count, 1);
  A.SetColor(clRed); // the colour alone differs
  B.Assign(&A);
  EXPECT_EQ(L.Count, 2);
  EXPECT_EQ(B.GetColor(), clRed);
}

TEST(Font, AssignAcrossResolutionsKeepsThePointSize) {
  TFont Large, Normal;
  Large.SetPixelsPerInch(120);
  Large.SetSize(14); // Height -23 at 120 pixels per inch
  EXPECT_EQ(Large.GetHeight(), -23);
  Normal.Assign(&Large);
  EXPECT_EQ(Normal.GetPixelsPerInch(), 96);
  EXPECT_EQ(Normal.GetSize(), 14);
  EXPECT_EQ(Normal.GetHeight(), -19);
}

TEST(GraphicsObjects, AssignRefusesUnrelatedClassesWithTheExactText) {
  TFont F;
  TPen P;
  TBrush B;
  struct TCase {
    TPersistent* Target;
    const TPersistent* Source;
    const char* Text;
  } Cases[] = {{&F, &P, "Cannot assign a TPen to a TFont"},
               {&P, &B, "Cannot assign a TBrush to a TPen"},
               {&B, &F, "Cannot assign a TFont to a TBrush"},
               {&F, nullptr, "Cannot assign a nil to a TFont"}};
  for (const TCase& C : Cases) {
    try {
      C.Target->Assign(C.Source);
      ADD_FAILURE() << C.Text;
    } catch (const EConvertError& E) {
      EXPECT_EQ(E.Message(), C.Text);
    }
  }
  EXPECT_EQ(F.GetName(), "MS Sans Serif");
}

TEST(Pen, DefaultsPublishedPropertiesAndModes) {
  TPen P;
  EXPECT_EQ(P.GetColor(), clBlack);
  EXPECT_EQ(P.GetMode(), pmCopy);
  EXPECT_EQ(P.GetStyle(), psSolid);
  EXPECT_EQ(P.GetWidth(), 1);
  std::vector<std::string> Names;
  for (const TPropInfo* P2 : TPen::StaticClass().Properties()) {
    Names.push_back(P2->Name());
    ASSERT_TRUE(P2->HasDefault());
    EXPECT_EQ(P2->GetOrd(&P), P2->Default()) << P2->Name();
  }
  EXPECT_EQ(Names, (std::vector<std::string>{"Color", "Mode", "Style", "Width"}));

  struct TCase {
    TPenMode Mode;
    int Rop2;
  } Cases[] = {{pmBlack, R2_BLACK},
               {pmWhite, R2_WHITE},
               {pmNop, R2_NOP},
               {pmNot, R2_NOT},
               {pmCopy, R2_COPYPEN},
               {pmNotCopy, R2_NOTCOPYPEN},
               {pmMergePenNot, R2_MERGEPENNOT},
               {pmMaskPenNot, R2_MASKPENNOT},
               {pmMergeNotPen, R2_MERGENOTPEN},
               {pmMaskNotPen, R2_MASKNOTPEN},
               {pmMerge, R2_MERGEPEN},
               {pmNotMerge, R2_NOTMERGEPEN},
               {pmMask, R2_MASKPEN},
               {pmNotMask, R2_NOTMASKPEN},
               {pmXor, R2_XORPEN},
               {pmNotXor, R2_NOTXORPEN}};
  for (const TCase& C : Cases) EXPECT_EQ(PenModeToROP2(C.Mode), C.Rop2) << int(C.Mode);
}

TEST(Pen, HandleFollowsTheDescriptionAndModeKeepsIt) {
  TPen P;
  TListener L;
  P.OnChange = L.Event();
  P.SetColor(clRed);
  P.SetWidth(3);
  P.SetStyle(psDash);
  EXPECT_EQ(L.Count, 3);
  HPEN H = P.GetHandle();
  LOGPEN LP{};
  ASSERT_EQ(GetObject(H, sizeof LP, &LP), int(sizeof LP));
  EXPECT_EQ(LP.lopnColor, RGB(255, 0, 0));
  EXPECT_EQ(LP.lopnWidth.X, 3);
  EXPECT_EQ(int(LP.lopnStyle), PS_DASH);
  P.SetMode(pmXor);
  EXPECT_EQ(L.Count, 4);
  EXPECT_EQ(P.GetHandle(), H);
  P.SetWidth(-2); // refused
  P.SetWidth(3);  // same
  P.SetMode(pmXor);
  EXPECT_EQ(L.Count, 4);
  EXPECT_EQ(P.GetWidth(), 3);
  P.SetStyle(psClear);
  GetObject(P.GetHandle(), sizeof LP, &LP);
  EXPECT_EQ(int(LP.lopnStyle), PS_NULL);

  TPen Q;
  TListener QL;
  Q.OnChange = QL.Event();
  Q.Assign(&P);
  EXPECT_EQ(QL.Count, 1);
  EXPECT_EQ(Q.GetColor(), clRed);
  EXPECT_EQ(Q.GetMode(), pmXor);
  EXPECT_EQ(Q.GetStyle(), psClear);
  EXPECT_EQ(Q.GetWidth(), 3);
}

TEST(Brush, DefaultsStylesAndTheClearToSolidRule) {
  TBrush B;
  EXPECT_EQ(B.GetColor(), clWhite);
  EXPECT_EQ(B.GetStyle(), bsSolid);
  EXPECT_EQ(B.GetBitmap(), nullptr);
  std::vector<std::string> Names;
  for (const TPropInfo* P : TBrush::StaticClass().Properties()) {
    Names.push_back(P->Name());
    EXPECT_EQ(P->GetOrd(&B), P->Default()) << P->Name();
  }
  EXPECT_EQ(Names, (std::vector<std::string>{"Color", "Style"}));

  struct TCase {
    TBrushStyle Style;
    UINT LbStyle;
    std::uintptr_t Hatch;
  } Cases[] = {{bsSolid, BS_SOLID, 0},
               {bsClear, BS_NULL, 0},
               {bsHorizontal, BS_HATCHED, HS_HORIZONTAL},
               {bsVertical, BS_HATCHED, HS_VERTICAL},
               {bsFDiagonal, BS_HATCHED, HS_FDIAGONAL},
               {bsBDiagonal, BS_HATCHED, HS_BDIAGONAL},
               {bsCross, BS_HATCHED, HS_CROSS},
               {bsDiagCross, BS_HATCHED, HS_DIAGCROSS}};
  for (const TCase& C : Cases) {
    TBrush Br;
    Br.SetColor(clNavy);
    Br.SetStyle(C.Style);
    LOGBRUSH LB{};
    ASSERT_EQ(GetObject(Br.GetHandle(), sizeof LB, &LB), int(sizeof LB)) << int(C.Style);
    EXPECT_EQ(LB.lbStyle, C.LbStyle) << int(C.Style);
    if (C.LbStyle == BS_HATCHED) {
      EXPECT_EQ(LB.lbHatch, C.Hatch) << int(C.Style);
      EXPECT_EQ(LB.lbColor, RGB(0, 0, 128));
    }
  }

  TListener L;
  B.OnChange = L.Event();
  B.SetStyle(bsClear);
  B.SetColor(clWhite); // the same colour still asks for a fill
  EXPECT_EQ(B.GetStyle(), bsSolid);
  EXPECT_EQ(L.Count, 2);
  B.SetColor(clWhite);
  EXPECT_EQ(L.Count, 2);
}

TEST(Brush, SystemColoursResolveWhenTheHandleIsMade) {
  TBrush B;
  B.SetColor(clBtnFace);
  LOGBRUSH LB{};
  GetObject(B.GetHandle(), sizeof LB, &LB);
  EXPECT_EQ(LB.lbColor, GetSysColor(COLOR_BTNFACE));
}

TEST(GraphicsObjects, OrdinalsBeyondTheirEnumerationsDrawSafely) {
  // A form definition may hold any number for an enumeration.
  TSurface S(8, 8);
  TCanvas& C = *S.Canvas;
  TFont::StaticClass().FindProperty("Pitch")->SetOrd(C.GetFont(), 77);
  TPen::StaticClass().FindProperty("Style")->SetOrd(C.GetPen(), 200);
  TPen::StaticClass().FindProperty("Mode")->SetOrd(C.GetPen(), 99);
  TBrush::StaticClass().FindProperty("Style")->SetOrd(C.GetBrush(), 250);
  C.GetBrush()->SetColor(clRed);
  C.TextOut(0, 0, "x");
  C.Rectangle(0, 0, 8, 8);
  EXPECT_EQ(S.Pixel(4, 6), RGB(255, 0, 0)); // solid fill
  EXPECT_EQ(S.Pixel(0, 7), RGB(0, 0, 0));   // solid outline
  EXPECT_EQ(GetROP2(S.DC), R2_COPYPEN);
}

} // namespace
