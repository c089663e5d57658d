// The app library carries the five compiled form definitions, named after
// their classes, and the program icon.
#include "platform/WinBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string AppResource(LPCSTR Name, LPCSTR Type) {
  HRSRC Res = FindResource(HInstance, Name, Type);
  if (!Res) return {};
  const void* Data = LockResource(LoadResource(HInstance, Res));
  if (!Data) return {};
  return std::string(static_cast<const char*>(Data), SizeofResource(HInstance, Res));
}

std::string AppFormsFile(const char* Name) {
  std::ifstream In(std::string(TAVREL_APP_FORMS) + "/" + Name, std::ios::binary);
  std::stringstream S;
  S << In.rdbuf();
  return S.str();
}

TEST(AppResources, EveryDefinitionIsAStreamOfItsClass) {
  const struct {
    const char* Resource;
    const char* Class;
  } Cases[] = {{"TFORM1", "TForm1"},
               {"TFORMVL", "TFormVL"},
               {"TDM1", "TDM1"},
               {"TABOUTBOX", "TAboutBox"},
               {"TFORMLOGO", "TFormLogo"}};
  for (const auto& C : Cases) {
    std::string Stream = AppResource(C.Resource, RT_RCDATA);
    ASSERT_GT(Stream.size(), 8u) << C.Resource;
    EXPECT_EQ(Stream.substr(0, 4), "TPF0") << C.Resource;
    EXPECT_EQ(Stream.substr(4, 1 + std::strlen(C.Class)),
              char(std::strlen(C.Class)) + std::string(C.Class))
        << C.Resource;
  }
  EXPECT_EQ(FindResource(HInstance, "TFORM2", RT_RCDATA), nullptr);
}

TEST(AppResources, MainIconIsTheIconFile) {
  std::string Icon = AppResource("MAINICON", RT_ICONFILE);
  EXPECT_EQ(Icon.size(), 766u);
  EXPECT_EQ(Icon, AppFormsFile("Tavrel.ico"));
}

TEST(AppResources, LogoStreamHoldsTheJpegFile) {
  std::string Stream = AppResource("TFORMLOGO", RT_RCDATA);
  std::string Jpeg = AppFormsFile("Logo.jpg");
  ASSERT_FALSE(Jpeg.empty());
  std::size_t At = Stream.find("\x0ATJPEGImage");
  ASSERT_NE(At, std::string::npos);
  // The class name, then the 32-bit count of the file, then the file.
  std::uint32_t Count = 0;
  std::memcpy(&Count, Stream.data() + At + 11, 4);
  EXPECT_EQ(Count, Jpeg.size());
  EXPECT_EQ(Stream.substr(At + 15, Jpeg.size()), Jpeg);
}

} // namespace
