// Shared helpers of the graphics tests: an in-memory 32-bit surface with
// its DC, fixture files, an event listener that counts what it hears, and
// a filer that hands a stream to the binary properties declared to it.
#pragma once

#include "framework/classes/Filer.h"
#include "framework/classes/MemoryStream.h"
#include "framework/classes/Object.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/DibSection.h"
#include "platform/WinGdi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A white W x H 32-bit surface selected into a memory DC, with a canvas
// over that DC.
// The colours the tests draw with and expect.
inline constexpr COLORREF White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Red = RGB(255, 0, 0),
                          Blue = RGB(0, 0, 255), Lime = RGB(0, 255, 0);

class TSurface {
public:
  TSurface(int W, int H) : Image(TDibSection::Create(W, H, 32)), DC(CreateCompatibleDC(nullptr)) {
    Image.Fill(RGB(255, 255, 255));
    Old = SelectObject(DC, Image.Handle());
    Canvas = Create<TCanvas>();
    Canvas->SetHandle(DC);
  }
  ~TSurface() {
    Canvas->Free();
    SelectObject(DC, Old);
    DeleteDC(DC);
  }
  TSurface(const TSurface&) = delete;
  TSurface& operator=(const TSurface&) = delete;

  COLORREF Pixel(int X, int Y) const { return Image.Pixel(X, Y); }
  void Fill(COLORREF Color) const {
    HBRUSH Brush = CreateSolidBrush(Color);
    TRect All{0, 0, Image.Width(), Image.Height()};
    ::FillRect(DC, &All, Brush);
    DeleteObject(Brush);
  }
  // How many pixels of the rectangle have the colour.
  int Count(const TRect& R, COLORREF Color) const {
    int N = 0;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X) N += Pixel(X, Y) == Color;
    return N;
  }

  TDibSection Image;
  HDC DC;
  HGDIOBJ Old;
  TCanvas* Canvas;
};

// A bitmap's pixel, read through its canvas.
inline COLORREF PixelOf(TBitmap& B, int X, int Y) {
  return COLORREF(B.GetCanvas()->GetPixels(X, Y));
}

inline std::string FixturePath(const std::string& Name) {
  return std::string(TAVREL_TEST_DATA) + "/" + Name;
}

inline std::vector<std::uint8_t> ReadFixture(const std::string& Name) {
  std::ifstream In(FixturePath(Name), std::ios::binary);
  EXPECT_TRUE(In.good()) << Name;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(In), {});
}

inline void FillStream(TMemoryStream& Stream, const std::vector<std::uint8_t>& Bytes) {
  Stream.Clear();
  if (!Bytes.empty()) Stream.WriteBuffer(Bytes.data(), std::int64_t(Bytes.size()));
  Stream.SetPosition(0);
}

// Counts the notifications it is given, remembering the last sender.
class TListener : public TObject {
public:
  void Heard(TObject* Sender) {
    ++Count;
    Last = Sender;
  }
  TNotifyEvent Event() { return MakeEvent<&TListener::Heard>(this); }
  int Count = 0;
  TObject* Last = nullptr;
};

// Hands the stream to the binary property it is asked for.
class TDataFiler : public TFiler {
public:
  explicit TDataFiler(TStream& S) : Stream(S) {}
  void ExtraProperty(std::string_view, const TReadProc&) override {}
  void ExtraBinaryProperty(std::string_view Name, const TStreamProc& Read) override {
    Names.emplace_back(Name);
    Read(Stream);
  }
  int ReadInteger() override { return 0; }
  bool ReadBoolean() override { return false; }
  std::string ReadString() override { return {}; }
  std::string ReadIdent() override { return {}; }
  TStream& Stream;
  std::vector<std::string> Names;
};
