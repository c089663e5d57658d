// Resource lookup over resources registered by the tests themselves:
// names and types by number or by case-insensitive string, shadowing and
// unregistering, stale handles, LoadString truncation, LoadBitmap.
#include "platform/WinBase.h"
#include "platform/WinGdi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Keeps a registration for the length of a test.
class TRegistration {
public:
  TRegistration(LPCSTR Type, LPCSTR Name, const void* Data, DWORD Size)
      : FHandle(RegisterResource(Type, Name, Data, Size)) {}
  ~TRegistration() { UnregisterResource(FHandle); }
  TRegistration(const TRegistration&) = delete;
  TRegistration& operator=(const TRegistration&) = delete;
  HANDLE Get() const { return FHandle; }

private:
  HANDLE FHandle;
};

std::string Text(HMODULE Module, LPCSTR Name, LPCSTR Type) {
  HRSRC Res = FindResource(Module, Name, Type);
  const void* Data = LockResource(LoadResource(Module, Res));
  if (!Data) return "<missing>";
  return std::string(static_cast<const char*>(Data), SizeofResource(Module, Res));
}

const char Alpha[] = "alpha";
const char Beta[] = "beta";

TEST(Resources, NamesIgnoreCase) {
  TRegistration R(RT_RCDATA, "MixedCase", Alpha, 5);
  ASSERT_NE(R.Get(), nullptr);
  EXPECT_EQ(Text(HInstance, "MIXEDCASE", RT_RCDATA), "alpha");
  EXPECT_EQ(Text(HInstance, "mixedcase", RT_RCDATA), "alpha");
  EXPECT_EQ(Text(nullptr, "MixedCase", RT_RCDATA), "alpha");
  EXPECT_EQ(FindResource(HInstance, "MixedCase", RT_BITMAP), nullptr);
  EXPECT_EQ(FindResource(HInstance, "MixedCas", RT_RCDATA), nullptr);
}

TEST(Resources, NumericNamesAndTypes) {
  TRegistration R(RT_RCDATA, MAKEINTRESOURCE(301), Alpha, 5);
  TRegistration Custom("MyType", MAKEINTRESOURCE(302), Beta, 4);
  EXPECT_EQ(Text(HInstance, MAKEINTRESOURCE(301), RT_RCDATA), "alpha");
  EXPECT_EQ(Text(HInstance, "#301", RT_RCDATA), "alpha");
  EXPECT_EQ(Text(HInstance, "#301", "#10"), "alpha");
  EXPECT_EQ(Text(HInstance, MAKEINTRESOURCE(302), "MYTYPE"), "beta");
  EXPECT_EQ(FindResource(HInstance, "301", RT_RCDATA), nullptr);
  EXPECT_EQ(FindResource(HInstance, MAKEINTRESOURCE(303), RT_RCDATA), nullptr);
}

TEST(Resources, BadArgumentsFindNothing) {
  TRegistration R(RT_RCDATA, "X", Alpha, 5);
  const HMODULE Foreign = reinterpret_cast<HMODULE>(&R);
  EXPECT_EQ(FindResource(Foreign, "X", RT_RCDATA), nullptr);
  EXPECT_EQ(FindResource(HInstance, nullptr, RT_RCDATA), nullptr);
  EXPECT_EQ(FindResource(HInstance, "X", nullptr), nullptr);
  EXPECT_EQ(FindResource(HInstance, "", RT_RCDATA), nullptr);
  for (const char* Malformed : {"#", "#0", "#70000", "#12a", "#99999999999999999999"})
    EXPECT_EQ(FindResource(HInstance, Malformed, RT_RCDATA), nullptr) << Malformed;
  EXPECT_EQ(LoadResource(HInstance, nullptr), nullptr);
  EXPECT_EQ(LockResource(nullptr), nullptr);
  EXPECT_EQ(SizeofResource(HInstance, nullptr), 0u);
  EXPECT_EQ(LoadResource(HInstance, reinterpret_cast<HRSRC>(std::uintptr_t(1))), nullptr);
  EXPECT_EQ(RegisterResource(nullptr, "X", Alpha, 5), nullptr);
  EXPECT_EQ(RegisterResource(RT_RCDATA, "", Alpha, 5), nullptr);
  EXPECT_EQ(RegisterResource(RT_RCDATA, "Y", nullptr, 5), nullptr);
  EXPECT_FALSE(UnregisterResource(nullptr));
}

TEST(Resources, LaterRegistrationShadowsUntilRemoved) {
  TRegistration First(RT_RCDATA, "SHADOW", Alpha, 5);
  {
    TRegistration Second(RT_RCDATA, "shadow", Beta, 4);
    EXPECT_EQ(Text(HInstance, "SHADOW", RT_RCDATA), "beta");
  }
  EXPECT_EQ(Text(HInstance, "SHADOW", RT_RCDATA), "alpha");
}

TEST(Resources, HandlesGoStaleWhenUnregistered) {
  HANDLE Reg = RegisterResource(RT_RCDATA, "GONE", Alpha, 5);
  HRSRC Res = FindResource(HInstance, "GONE", RT_RCDATA);
  HGLOBAL Loaded = LoadResource(HInstance, Res);
  ASSERT_NE(Loaded, nullptr);
  EXPECT_EQ(FreeResource(Loaded), FALSE);
  EXPECT_EQ(LockResource(Loaded), Alpha);
  EXPECT_TRUE(UnregisterResource(Reg));
  EXPECT_FALSE(UnregisterResource(Reg));
  EXPECT_EQ(FindResource(HInstance, "GONE", RT_RCDATA), nullptr);
  EXPECT_EQ(LoadResource(HInstance, Res), nullptr);
  EXPECT_EQ(LockResource(Loaded), nullptr);
  EXPECT_EQ(SizeofResource(HInstance, Res), 0u);
}

TEST(Resources, EmptyResourceIsFound) {
  TRegistration R(RT_RCDATA, "NOTHING", "", 0);
  HRSRC Res = FindResource(HInstance, "NOTHING", RT_RCDATA);
  ASSERT_NE(Res, nullptr);
  EXPECT_EQ(SizeofResource(HInstance, Res), 0u);
}

struct TLoadStringCase {
  int BufferMax;
  int Expected;
  const char* Text;
};

TEST(Resources, LoadStringCopiesAndTruncates) {
  const char Hello[] = "Hello, world";
  const char Norsk[] = "blåbær";
  TRegistration A(RT_STRING, MAKEINTRESOURCE(401), Hello, 12);
  TRegistration B(RT_STRING, MAKEINTRESOURCE(402), Norsk, 8);
  const TLoadStringCase HelloCases[] = {
      {64, 12, "Hello, world"},
      {13, 12, "Hello, world"},
      {12, 11, "Hello, worl"},
      {6, 5, "Hello"},
      {1, 0, ""},
  };
  for (const TLoadStringCase& C : HelloCases) {
    char Buf[64];
    std::memset(Buf, 'x', sizeof Buf);
    EXPECT_EQ(LoadString(HInstance, 401, Buf, C.BufferMax), C.Expected) << C.BufferMax;
    EXPECT_STREQ(Buf, C.Text) << C.BufferMax;
  }
  // Truncation never splits a UTF-8 sequence: "bl" + half of "å" -> "bl".
  const TLoadStringCase NorskCases[] = {{4, 2, "bl"},
                                        {5, 4, "bl\xC3\xA5"},
                                        {9, 8,
                                         "bl\xC3\xA5"
                                         "b\xC3\xA6r"}};
  for (const TLoadStringCase& C : NorskCases) {
    char Buf[16];
    EXPECT_EQ(LoadString(HInstance, 402, Buf, C.BufferMax), C.Expected) << C.BufferMax;
    EXPECT_STREQ(Buf, C.Text) << C.BufferMax;
  }
}

TEST(Resources, LoadStringMissingOrUnusable) {
  char Buf[8] = "xxxxxxx";
  EXPECT_EQ(LoadString(HInstance, 409, Buf, sizeof Buf), 0);
  EXPECT_STREQ(Buf, "");
  EXPECT_EQ(LoadString(HInstance, 0, Buf, sizeof Buf), 0);
  EXPECT_EQ(LoadString(HInstance, 0x10000 + 401, Buf, sizeof Buf), 0);
  TRegistration A(RT_STRING, MAKEINTRESOURCE(403), "abc", 3);
  EXPECT_EQ(LoadString(HInstance, 403, nullptr, 8), 0);
  EXPECT_EQ(LoadString(HInstance, 403, Buf, 0), 0);
  EXPECT_EQ(LoadString(HInstance, 403, Buf, -5), 0);
  EXPECT_EQ(LoadString(reinterpret_cast<HINSTANCE>(&A), 403, Buf, sizeof Buf), 0);
}

// A packed DIB as rescomp stores it: 2x1 pixels, 8 bits, two colours.
std::vector<unsigned char> TwoPixelDib(LONG Height, DWORD Compression) {
  BITMAPINFOHEADER H{};
  H.biSize = sizeof H;
  H.biWidth = 2;
  H.biHeight = Height;
  H.biPlanes = 1;
  H.biBitCount = 8;
  H.biCompression = Compression;
  H.biClrUsed = 2;
  std::vector<unsigned char> Dib(sizeof H + 8 + 4);
  std::memcpy(Dib.data(), &H, sizeof H);
  const unsigned char Table[8] = {0, 0, 255, 0, 255, 0, 0, 0}; // red, blue
  std::memcpy(Dib.data() + sizeof H, Table, sizeof Table);
  Dib[sizeof H + 8] = 1;
  Dib[sizeof H + 9] = 0;
  return Dib;
}

TEST(Resources, LoadBitmapFromRegisteredDib) {
  std::vector<unsigned char> Dib = TwoPixelDib(1, BI_RGB);
  TRegistration R(RT_BITMAP, "TWOPIXELS", Dib.data(), DWORD(Dib.size()));
  HBITMAP Bitmap = LoadBitmap(HInstance, "TwoPixels");
  ASSERT_NE(Bitmap, nullptr);
  BITMAP Info{};
  ASSERT_NE(GetObject(Bitmap, sizeof Info, &Info), 0);
  EXPECT_EQ(Info.bmWidth, 2);
  EXPECT_EQ(Info.bmHeight, 1);
  HDC Dc = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(Dc, Bitmap);
  EXPECT_EQ(GetPixel(Dc, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(Dc, 1, 0), RGB(255, 0, 0));
  SelectObject(Dc, Old);
  DeleteDC(Dc);
  DeleteObject(Bitmap);
}

TEST(Resources, LoadBitmapRefusesMalformedData) {
  EXPECT_EQ(LoadBitmap(HInstance, "NO-SUCH-BITMAP"), nullptr);
  std::vector<unsigned char> Good = TwoPixelDib(1, BI_RGB);
  // Cut short, RLE, and a height that cannot be negated.
  TRegistration Short(RT_BITMAP, "SHORT", Good.data(), DWORD(Good.size() - 1));
  std::vector<unsigned char> Rle = TwoPixelDib(1, BI_RLE8);
  TRegistration RleReg(RT_BITMAP, "RLE", Rle.data(), DWORD(Rle.size()));
  std::vector<unsigned char> Huge = TwoPixelDib(INT32_MIN, BI_RGB);
  TRegistration HugeReg(RT_BITMAP, "HUGE", Huge.data(), DWORD(Huge.size()));
  TRegistration Tiny(RT_BITMAP, "TINY", Good.data(), 10);
  for (const char* Name : {"SHORT", "RLE", "HUGE", "TINY"})
    EXPECT_EQ(LoadBitmap(HInstance, Name), nullptr) << Name;
}

} // namespace
