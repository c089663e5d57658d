// Run-time lookup of the layered-window entry: present, and working, only
// when the desktop offers a constant per-window alpha.
#include "NcTestSupport.h"
#include "platform/WinBase.h"

using namespace nctest;

namespace {

TEST_F(TFrameTest, OnlyTheWindowLibraryLoads) {
  HMODULE User = LoadLibrary("user32.dll");
  ASSERT_NE(User, nullptr);
  for (LPCSTR Name : {"USER32.DLL", "User32.Dll", "user32", "USER32"})
    EXPECT_EQ(LoadLibraryA(Name), User) << Name;
  for (LPCSTR Name : {"kernel32.dll", "", "user32.dl", "user32.dllx", "user", "user32.dll "})
    EXPECT_EQ(LoadLibrary(Name), nullptr) << '"' << Name << '"';
  EXPECT_EQ(LoadLibrary(nullptr), nullptr);
}

TEST_F(TFrameTest, LayeredEntryWhenAlphaIsSupported) {
  HMODULE User = LoadLibrary("user32.dll");
  auto Proc = reinterpret_cast<TSetLayeredWindowAttributesProc>(
      GetProcAddress(User, "SetLayeredWindowAttributes"));
  ASSERT_NE(Proc, nullptr);
  EXPECT_TRUE(FreeLibrary(User));
  // The entry stays usable after the library reference is dropped.
  HWND Wnd = Make(WS_POPUP, WS_EX_LAYERED);
  ASSERT_TRUE(Proc(Wnd, 0, 64, LWA_ALPHA));
  BYTE Alpha = 0;
  DWORD Flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Wnd, nullptr, &Alpha, &Flags));
  EXPECT_EQ(Alpha, 64);
  EXPECT_EQ(Flags, LWA_ALPHA);
}

TEST_F(TFrameTest, NoLayeredEntryWithoutAlpha) {
  Desk->SetConstantAlphaSupported(false);
  HMODULE User = LoadLibrary("user32.dll");
  ASSERT_NE(User, nullptr);
  EXPECT_EQ(GetProcAddress(User, "SetLayeredWindowAttributes"), nullptr);
  Desk->SetConstantAlphaSupported(true);
  EXPECT_NE(GetProcAddress(User, "SetLayeredWindowAttributes"), nullptr);
}

TEST_F(TFrameTest, OtherNamesAndModulesGiveNothing) {
  HMODULE User = LoadLibrary("user32.dll");
  for (LPCSTR Name : {"UpdateLayeredWindow", "setlayeredwindowattributes", "SetLayeredWindow",
                      "GetLayeredWindowAttributes", ""})
    EXPECT_EQ(GetProcAddress(User, Name), nullptr) << Name;
  EXPECT_EQ(GetProcAddress(User, nullptr), nullptr);
  EXPECT_EQ(GetProcAddress(User, MAKEINTRESOURCE(1)), nullptr);
  EXPECT_EQ(GetProcAddress(nullptr, "SetLayeredWindowAttributes"), nullptr);
  HMODULE Forged = reinterpret_cast<HMODULE>(std::intptr_t(0x1234));
  EXPECT_EQ(GetProcAddress(Forged, "SetLayeredWindowAttributes"), nullptr);
  EXPECT_FALSE(FreeLibrary(Forged));
  EXPECT_FALSE(FreeLibrary(nullptr));
}

} // namespace
