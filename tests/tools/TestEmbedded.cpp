// data/Embedded.rc is compiled into this test program through
// tavrel_add_resources, so these tests see the whole path: script, rescomp,
// generated registration, and lookup through the resource functions.
#include "EmbeddedStrings.h"
#include "framework/runtime/Format.h"
#include "platform/WinBase.h"
#include "platform/WinGdi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadData(const char* Name) {
  std::ifstream In(std::string(TAVREL_TEST_DATA) + "/" + Name, std::ios::binary);
  std::stringstream S;
  S << In.rdbuf();
  return S.str();
}

std::string Resource(LPCSTR Name, LPCSTR Type) {
  HRSRC Res = FindResource(HInstance, Name, Type);
  const void* Data = LockResource(LoadResource(HInstance, Res));
  if (!Data) return "<missing>";
  return std::string(static_cast<const char*>(Data), SizeofResource(HInstance, Res));
}

TEST(Embedded, RcDataIsTheFileVerbatim) {
  EXPECT_EQ(Resource("blob", RT_RCDATA), ReadData("blob.bin"));
  EXPECT_EQ(Resource("Empty", RT_RCDATA), "");
}

TEST(Embedded, IconIsTheWholeIcoFile) {
  EXPECT_EQ(Resource("APP", RT_ICONFILE), ReadData("app.ico"));
}

TEST(Embedded, BitmapLosesOnlyTheFileHeader) {
  std::string File = ReadData("pal8.bmp");
  EXPECT_EQ(Resource("PALETTE", RT_BITMAP), File.substr(14));
  // tiny24.bmp has a gap between header and pixels, which is dropped.
  std::string Tiny = Resource("TINY", RT_BITMAP);
  ASSERT_EQ(Tiny.size(), 40u + 16u);
  EXPECT_EQ(Tiny.substr(40), ReadData("tiny24.bmp").substr(56));
}

TEST(Embedded, V5HeaderIsCutToInfoHeaderWithMasks) {
  std::string Dib = Resource(MAKEINTRESOURCE(7), RT_BITMAP);
  ASSERT_EQ(Dib.size(), 60u);
  BITMAPINFOHEADER H;
  std::memcpy(&H, Dib.data(), sizeof H);
  EXPECT_EQ(H.biSize, 40u);
  EXPECT_EQ(H.biHeight, -2);
  EXPECT_EQ(H.biCompression, BI_BITFIELDS);
  DWORD Masks[3];
  std::memcpy(Masks, Dib.data() + 40, sizeof Masks);
  EXPECT_EQ(Masks[0], 0x00FF0000u);
  EXPECT_EQ(Masks[1], 0x0000FF00u);
  EXPECT_EQ(Masks[2], 0x000000FFu);
}

struct TPixelCase {
  LPCSTR Name;
  int Width, Height;
  TPoint At;
  COLORREF Color;
};

TEST(Embedded, LoadBitmapKeepsPixels) {
  const TPixelCase Cases[] = {
      {"TINY", 2, 2, {0, 0}, RGB(255, 0, 0)},      {"TINY", 2, 2, {1, 0}, RGB(0, 255, 0)},
      {"TINY", 2, 2, {0, 1}, RGB(0, 0, 255)},      {"TINY", 2, 2, {1, 1}, RGB(255, 255, 255)},
      {"palette", 3, 1, {0, 0}, RGB(0, 0, 0)},     {"palette", 3, 1, {1, 0}, RGB(255, 0, 0)},
      {"palette", 3, 1, {2, 0}, RGB(255, 255, 0)}, {"#7", 1, 2, {0, 0}, RGB(255, 0, 0)},
      {"#7", 1, 2, {0, 1}, RGB(0, 0, 255)},
  };
  for (const TPixelCase& C : Cases) {
    HBITMAP Bitmap = LoadBitmap(HInstance, C.Name);
    ASSERT_NE(Bitmap, nullptr) << C.Name;
    BITMAP Info{};
    ASSERT_NE(GetObject(Bitmap, sizeof Info, &Info), 0);
    EXPECT_EQ(Info.bmWidth, C.Width) << C.Name;
    EXPECT_EQ(Info.bmHeight, C.Height) << C.Name;
    HDC Dc = CreateCompatibleDC(nullptr);
    HGDIOBJ Old = SelectObject(Dc, Bitmap);
    EXPECT_EQ(GetPixel(Dc, C.At.X, C.At.Y), C.Color) << C.Name << " " << C.At.X << "," << C.At.Y;
    SelectObject(Dc, Old);
    DeleteDC(Dc);
    DeleteObject(Bitmap);
  }
}

TEST(Embedded, StringsCarryEscapesAndUtf8) {
  char Buf[128];
  EXPECT_EQ(LoadString(HInstance, SEmbeddedHello.Identifier, Buf, sizeof Buf), 5);
  EXPECT_STREQ(Buf, "Hello");
  LoadString(HInstance, SEmbeddedEscapes.Identifier, Buf, sizeof Buf);
  EXPECT_STREQ(Buf, "tab\there \"quoted\" back\\slash\nnext line AB");
  EXPECT_EQ(LoadResString(SEmbeddedNorsk), "Blåbærsyltetøy på Ærø");
  EXPECT_EQ(Format(LoadResString(SEmbeddedFormat), {"Ærø", 3}), "Ærø has 3 items");
}

TEST(Embedded, HeaderListsEveryString) {
  ASSERT_EQ(EmbeddedStringsTable.size(), 4u);
  EXPECT_EQ(EmbeddedStringsTable[0], SEmbeddedHello);
  EXPECT_EQ(EmbeddedStringsTable[3], SEmbeddedFormat);
}

} // namespace
