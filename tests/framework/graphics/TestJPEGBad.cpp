// Damaged and hostile JPEG files: each fails where it should (at load,
// when only the header is read, or at decoding) with EJPEG, or decodes
// with the library's repair of a short file; none crashes or allocates
// beyond the size cap.
#include "JPEGTestSupport.h"

namespace {

enum class TBadOutcome { FailsAtLoad, FailsAtDecode, Decodes };

struct TBadCase {
  const char* File;
  TBadOutcome Outcome;
  const char* Message; // null: "JPEG error #n"
};

const TBadCase BadCases[] = {
    {"bad/garbage.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/no_soi.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/soi_only.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/header_cut.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/tables_only.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/sof_as_app.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/zero_height.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/zero_width.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/zero_components.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/bad_sampling.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/bad_precision.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/segment_length_lies.jpg", TBadOutcome::FailsAtLoad, nullptr},
    {"bad/huge_dimensions.jpg", TBadOutcome::FailsAtDecode,
     "JPEG image is too large (60000 x 60000)"},
    {"bad/wide_strip.jpg", TBadOutcome::Decodes, nullptr},
    {"bad/truncated_scan.jpg", TBadOutcome::Decodes, nullptr},
    {"bad/no_eoi.jpg", TBadOutcome::Decodes, nullptr},
    // The library cannot turn CMYK into the colour rows of a bitmap.
    {"cmyk.jpg", TBadOutcome::FailsAtDecode, nullptr},
};

void ExpectJPEGError(const EJPEG& E, const TBadCase& C) {
  if (C.Message)
    EXPECT_EQ(E.Message(), C.Message) << C.File;
  else
    EXPECT_TRUE(IsJPEGErrorMessage(E.Message())) << C.File << ": " << E.Message();
}

TEST(JPEGBadFiles, FailCleanlyWhereTheDamageIsFound) {
  for (const TBadCase& C : BadCases) {
    std::vector<std::uint8_t> Bytes = ReadFixture("jpeg/" + std::string(C.File));
    auto Image = MakeOwned<TJPEGImage>();
    TMemoryStream S;
    FillStream(S, Bytes);
    try {
      Image->LoadFromStream(S);
      EXPECT_NE(C.Outcome, TBadOutcome::FailsAtLoad) << C.File << " loaded";
    } catch (const EJPEG& E) {
      EXPECT_EQ(C.Outcome, TBadOutcome::FailsAtLoad) << C.File << ": " << E.Message();
      ExpectJPEGError(E, C);
      EXPECT_TRUE(Image->Empty()) << C.File;
      continue;
    }
    try {
      TBitmap* B = Image->GetBitmap();
      EXPECT_EQ(C.Outcome, TBadOutcome::Decodes) << C.File << " decoded";
      EXPECT_EQ(B->GetWidth(), Image->GetData().GetWidth()) << C.File;
      EXPECT_EQ(B->GetHeight(), Image->GetData().GetHeight()) << C.File;
    } catch (const EJPEG& E) {
      EXPECT_EQ(C.Outcome, TBadOutcome::FailsAtDecode) << C.File << ": " << E.Message();
      ExpectJPEGError(E, C);
    }
  }
}

// A short file is completed by the library: the rows it holds keep their
// colours.
TEST(JPEGBadFiles, TruncatedScanKeepsTheRowsItHolds) {
  auto Whole = JPEGFixture("blocks.jpg");
  std::vector<std::uint8_t> Bytes = ReadFixture("jpeg/blocks.jpg");
  Bytes.resize(Bytes.size() - 2);
  auto Cut = JPEGFromBytes(Bytes);
  for (const TBlockProbe& P : BlockProbes)
    EXPECT_TRUE(Near(PixelOf(*Cut->GetBitmap(), P.X, P.Y), P.Color, 12)) << P.X << "," << P.Y;
}

// Every prefix of a valid file either loads and decodes, or fails with
// EJPEG; nothing else escapes.
TEST(JPEGBadFiles, EveryPrefixOfAValidFileFailsCleanly) {
  std::vector<std::uint8_t> Bytes = ReadFixture("jpeg/progressive.jpg");
  for (std::size_t N = 1; N < Bytes.size(); N += 7) {
    std::vector<std::uint8_t> Prefix(Bytes.begin(), Bytes.begin() + N);
    try {
      auto Image = JPEGFromBytes(Prefix);
      Image->SetShowProgressive(N % 2 == 0);
      Image->DIBNeeded();
      EXPECT_EQ(Image->GetBitmap()->GetWidth(), 64) << N;
    } catch (const EJPEG& E) {
      EXPECT_TRUE(IsJPEGErrorMessage(E.Message())) << N << ": " << E.Message();
    }
  }
}

} // namespace
