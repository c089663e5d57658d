#include "BitmapTestSupport.h"
#include "platform/Png.h"

#include <png.h>

#include <dirent.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace bmptest;

namespace {

// A decoded PNG as 8-bit RGB triples.
struct TDecoded {
  int Width = 0, Height = 0;
  std::vector<BYTE> Rgb;
  COLORREF At(int X, int Y) const {
    const BYTE* P = &Rgb[(std::size_t(Y) * std::size_t(Width) + std::size_t(X)) * 3];
    return RGB(P[0], P[1], P[2]);
  }
};

bool Decode(const std::vector<unsigned char>& Png, TDecoded& Out) {
  png_image Image{};
  Image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&Image, Png.data(), Png.size())) return false;
  Image.format = PNG_FORMAT_RGB;
  Out.Width = int(Image.width);
  Out.Height = int(Image.height);
  Out.Rgb.resize(PNG_IMAGE_SIZE(Image));
  return png_image_finish_read(&Image, nullptr, Out.Rgb.data(), 0, nullptr) != 0;
}

// A fresh directory, removed with whatever is left in it.
class TTempDir {
public:
  TTempDir() {
    std::string Pattern = ::testing::TempDir() + "g2pngXXXXXX";
    Path = ::mkdtemp(Pattern.data()) ? Pattern : std::string();
  }
  ~TTempDir() {
    for (const std::string& Name : Entries()) ::unlink((Path + "/" + Name).c_str());
    ::rmdir(Path.c_str());
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> Names;
    if (DIR* D = ::opendir(Path.c_str())) {
      while (dirent* E = ::readdir(D))
        if (std::string(E->d_name) != "." && std::string(E->d_name) != "..")
          Names.push_back(E->d_name);
      ::closedir(D);
    }
    return Names;
  }
  std::string Path;
};

std::vector<unsigned char> ReadFile(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(In), {});
}

class PngTest : public TGdiTest {};

TEST_F(PngTest, SurfacesDecodeBackToTheSamePixels) {
  TTestSurface S(5, 3, kBlue);
  S.Set(0, 0, kRed);
  S.Set(4, 2, RGB(1, 2, 3));
  S.Set(2, 1, kWhite);
  TDecoded D;
  ASSERT_TRUE(Decode(EncodeDCPng(S.DC), D));
  ASSERT_EQ(D.Width, 5);
  ASSERT_EQ(D.Height, 3);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 5; ++X) EXPECT_EQ(D.At(X, Y), S.At(X, Y)) << X << "," << Y;
}

TEST_F(PngTest, IndexedAndMonochromeBitmapsEncodeTheirColours) {
  HBITMAP Mono = MonoBitmap({"#.", ".#"});
  TDecoded D;
  ASSERT_TRUE(Decode(EncodeBitmapPng(Mono), D));
  EXPECT_EQ(D.At(0, 0), kBlack);
  EXPECT_EQ(D.At(1, 0), kWhite);
  EXPECT_EQ(D.At(1, 1), kBlack);
  DeleteObject(Mono);

  TDibInfo Info(2, 2, 4);
  Info.SetColor(1, kYellow);
  TDibSurface S(Info);
  WriteIndex(S.Store(), 1, 1, 1);
  ASSERT_TRUE(Decode(EncodeBitmapPng(S.Bitmap), D));
  EXPECT_EQ(D.At(1, 1), kYellow);
  EXPECT_EQ(D.At(0, 1), kBlack);
}

TEST_F(PngTest, FilesHoldTheEncodedImage) {
  TTempDir Dir;
  ASSERT_FALSE(Dir.Path.empty());
  TTestSurface S(3, 2, kGreen);
  std::string Path = Dir.Path + "/shot.png";
  ASSERT_TRUE(WriteDCPng(S.DC, Path.c_str()));
  EXPECT_EQ(ReadFile(Path), EncodeDCPng(S.DC));
  S.Clear(kRed);
  ASSERT_TRUE(WriteBitmapPng(S.Bitmap(), Path.c_str())) << "replaces the old file";
  TDecoded D;
  ASSERT_TRUE(Decode(ReadFile(Path), D));
  EXPECT_EQ(D.At(2, 1), kRed);
  EXPECT_EQ(Dir.Entries(), std::vector<std::string>{"shot.png"});
}

TEST_F(PngTest, FailuresLeaveNoFileBehind) {
  TTempDir Dir;
  ASSERT_FALSE(Dir.Path.empty());
  TTestSurface S(2, 2);
  std::string Inside = Dir.Path + "/a.png";
  EXPECT_FALSE(WriteBitmapPng(nullptr, Inside.c_str()));
  EXPECT_FALSE(WriteDCPng(nullptr, Inside.c_str()));
  EXPECT_FALSE(WriteDCPng(S.DC, nullptr));
  EXPECT_FALSE(WriteDCPng(S.DC, ""));
  EXPECT_FALSE(WriteDCPng(S.DC, (Dir.Path + "/missing/a.png").c_str()));
  EXPECT_TRUE(Dir.Entries().empty());

  // The target is a directory: everything is written, the final rename
  // fails, and the temporary file goes away again.
  std::string Sub = Dir.Path + "/sub";
  ASSERT_EQ(::mkdir(Sub.c_str(), 0755), 0);
  EXPECT_FALSE(WriteDCPng(S.DC, Sub.c_str()));
  EXPECT_EQ(Dir.Entries(), std::vector<std::string>{"sub"});
  ::rmdir(Sub.c_str());

  TGdiBitmap Window(4, 4, 32);
  HDC Detached = GdiCreateSurfaceDC(&Window, TPoint{0, 0}, nullptr, nullptr);
  EXPECT_FALSE(EncodeDCPng(Detached).empty());
  GdiDetachSurface(&Window);
  EXPECT_TRUE(EncodeDCPng(Detached).empty());
  EXPECT_FALSE(WriteDCPng(Detached, Inside.c_str()));
  DeleteDC(Detached);
  EXPECT_TRUE(Dir.Entries().empty());
}

} // namespace
