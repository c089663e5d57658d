// Helpers of the JPEG picture tests: pictures loaded from fixtures or from
// the program's logo, streams of picture data, bitmaps of flat colour
// blocks, and colour comparison with the tolerance lossy coding needs.
#pragma once

#include "GraphicsTestSupport.h"
#include "framework/graphics/JPEGImage.h"
#include "framework/runtime/Exceptions.h"

#include <cstdlib>
#include <memory>
#include <regex>

inline std::string LogoPath() { return FixturePath("../../../../app/forms/Logo.jpg"); }

// Frees through the framework's Free when the test scope ends.
template <class T> using TOwned = std::unique_ptr<T, void (*)(T*)>;
template <class T> TOwned<T> MakeOwned() {
  return TOwned<T>(Create<T>(), [](T* P) { P->Free(); });
}

inline TOwned<TJPEGImage> JPEGFromBytes(const std::vector<std::uint8_t>& Bytes) {
  auto Image = MakeOwned<TJPEGImage>();
  TMemoryStream S;
  FillStream(S, Bytes);
  Image->LoadFromStream(S);
  return Image;
}

inline TOwned<TJPEGImage> JPEGFixture(const std::string& Name) {
  return JPEGFromBytes(ReadFixture("jpeg/" + Name));
}

// Picture data as a form definition holds it: 32-bit count, bytes.
inline void FillPictureData(TMemoryStream& S, const std::vector<std::uint8_t>& Bytes,
                            std::int32_t Count) {
  S.Clear();
  S.WriteBuffer(&Count, 4);
  if (!Bytes.empty()) S.WriteBuffer(Bytes.data(), std::int64_t(Bytes.size()));
  S.SetPosition(0);
}

inline bool IsJPEGErrorMessage(const std::string& Message) {
  return std::regex_match(Message, std::regex("JPEG error #[0-9]+"));
}

inline bool Near(COLORREF A, COLORREF B, int Tolerance) {
  return std::abs(GetRValue(A) - GetRValue(B)) <= Tolerance &&
         std::abs(GetGValue(A) - GetGValue(B)) <= Tolerance &&
         std::abs(GetBValue(A) - GetBValue(B)) <= Tolerance;
}

inline std::string ColorText(COLORREF C) {
  char Buffer[32];
  std::snprintf(Buffer, sizeof Buffer, "(%d,%d,%d)", GetRValue(C), GetGValue(C), GetBValue(C));
  return Buffer;
}

// The colour blocks of blocks.jpg: 16-pixel columns in the top half
// (red, lime, blue, white), black below. Centres of each block.
struct TBlockProbe {
  int X, Y;
  COLORREF Color;
};
inline constexpr TBlockProbe BlockProbes[] = {
    {8, 8, RGB(255, 0, 0)},      {24, 8, RGB(0, 255, 0)}, {40, 8, RGB(0, 0, 255)},
    {56, 8, RGB(255, 255, 255)}, {8, 24, RGB(0, 0, 0)},   {56, 24, RGB(0, 0, 0)},
};

// A 24-bit bitmap with blocks.jpg's picture drawn by the canvas.
inline TOwned<TBitmap> BlockBitmap() {
  auto B = MakeOwned<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(64, 32);
  TCanvas* C = B->GetCanvas();
  const COLORREF Top[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
  C->GetBrush()->SetColor(TColor(RGB(0, 0, 0)));
  C->FillRect(TRect{0, 0, 64, 32});
  for (int I = 0; I < 4; ++I) {
    C->GetBrush()->SetColor(TColor(Top[I]));
    C->FillRect(TRect{I * 16, 0, I * 16 + 16, 16});
  }
  return B;
}
