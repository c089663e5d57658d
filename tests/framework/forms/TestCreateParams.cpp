// How a form's window is made: styles by border style, border icons,
// window state and translucency; owner, class, position and the top-most
// band.
#include "FormsTest.h"

using namespace formstest;

namespace {

// Keeps the parameters the form's window was last made from.
class TStyleProbeForm : public TForm {
public:
  using TForm::TForm;
  TCreateParams Last;

protected:
  void CreateParams(TCreateParams& P) override {
    TForm::CreateParams(P);
    Last = P;
  }
};

constexpr DWORD kStyleMask = WS_POPUP | WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX |
                             WS_MAXIMIZEBOX | WS_SYSMENU | WS_MINIMIZE | WS_MAXIMIZE;
constexpr DWORD kExMask =
    WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP | WS_EX_LAYERED | WS_EX_WINDOWEDGE;

enum TTranslucency { Opaque, Alpha, ColorKey };

struct TStyleCase {
  const char* Name;
  TFormBorderStyle Border;
  TBorderIcons Icons;
  TWindowState State;
  TTranslucency Layer;
  DWORD Style;
  DWORD ExStyle;
  TWindowState StateAfter;
};

const TBorderIcons kDefault{biSystemMenu, biMinimize, biMaximize};
const TBorderIcons kAll{biSystemMenu, biMinimize, biMaximize, biHelp};
constexpr DWORD kBoxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU;

const TStyleCase kStyleCases[] = {
    {"NonePopup", bsNone, kDefault, wsNormal, Opaque, WS_POPUP, 0, wsNormal},
    {"NoneLayered", bsNone, kDefault, wsNormal, Alpha, WS_POPUP, WS_EX_LAYERED, wsNormal},
    {"NoneColorKeyLayered", bsNone, kAll, wsNormal, ColorKey, WS_POPUP, WS_EX_LAYERED, wsNormal},
    {"NoneMinimized", bsNone, kDefault, wsMinimized, Opaque, WS_POPUP | WS_MINIMIZE, 0,
     wsMinimized},
    {"Single", bsSingle, kDefault, wsNormal, Opaque, WS_CAPTION | kBoxes, 0, wsNormal},
    {"SingleHelp", bsSingle, kAll, wsNormal, Opaque, WS_CAPTION | kBoxes, WS_EX_CONTEXTHELP,
     wsNormal},
    {"SingleMaximized", bsSingle, kDefault, wsMaximized, Opaque, WS_CAPTION | kBoxes | WS_MAXIMIZE,
     0, wsMaximized},
    {"Sizeable", bsSizeable, kDefault, wsNormal, Opaque, WS_CAPTION | WS_THICKFRAME | kBoxes, 0,
     wsNormal},
    {"SizeableNoIcons", bsSizeable, {}, wsNormal, Opaque, WS_CAPTION | WS_THICKFRAME, 0, wsNormal},
    {"SizeableMinimizeOnly",
     bsSizeable,
     {biMinimize},
     wsNormal,
     Opaque,
     WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX,
     0,
     wsNormal},
    {"SizeableMinimized", bsSizeable, kDefault, wsMinimized, Opaque,
     WS_CAPTION | WS_THICKFRAME | kBoxes | WS_MINIMIZE, 0, wsMinimized},
    {"SizeableLayered", bsSizeable, kDefault, wsNormal, Alpha, WS_CAPTION | WS_THICKFRAME | kBoxes,
     WS_EX_LAYERED, wsNormal},
    {"Dialog", bsDialog, kAll, wsNormal, Opaque, WS_POPUP | WS_CAPTION | WS_SYSMENU,
     WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTEXTHELP, wsNormal},
    {"DialogKeepsNoMinimize", bsDialog, kDefault, wsMinimized, Opaque,
     WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, wsNormal},
    {"DialogCreatedOpaque", bsDialog, kDefault, wsNormal, Alpha, WS_POPUP | WS_CAPTION | WS_SYSMENU,
     WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, wsNormal},
    {"ToolWindow", bsToolWindow, kAll, wsMaximized, Opaque, WS_CAPTION | WS_SYSMENU,
     WS_EX_TOOLWINDOW, wsNormal},
    {"ToolWindowCreatedOpaque", bsToolWindow, kDefault, wsNormal, Alpha, WS_CAPTION | WS_SYSMENU,
     WS_EX_TOOLWINDOW, wsNormal},
    {"SizeToolWin", bsSizeToolWin, kAll, wsNormal, Opaque, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU,
     WS_EX_TOOLWINDOW, wsNormal},
    {"SizeToolWinNoSystemMenu",
     bsSizeToolWin,
     {biMinimize},
     wsNormal,
     ColorKey,
     WS_CAPTION | WS_THICKFRAME,
     WS_EX_TOOLWINDOW,
     wsNormal},
};

class TFormStyles : public TFormsTest, public ::testing::WithParamInterface<TStyleCase> {};

} // namespace

TEST_P(TFormStyles, WindowIsMadeWithTheStyleOfItsBorder) {
  const TStyleCase& C = GetParam();
  auto* F = Create<TStyleProbeForm>(Application);
  F->SetBorderStyle(C.Border);
  F->SetBorderIcons(C.Icons);
  F->SetWindowState(C.State);
  F->SetAlphaBlend(C.Layer == Alpha);
  F->SetTransparentColor(C.Layer == ColorKey);
  HWND Wnd = F->GetHandle();
  EXPECT_EQ(F->Last.Style & kStyleMask, C.Style);
  EXPECT_EQ(F->Last.ExStyle & kExMask, C.ExStyle);
  // The desktop keeps every bit but the maximised state, which a window
  // takes only when it is shown.
  EXPECT_EQ(Style(Wnd) & (kStyleMask & ~WS_MAXIMIZE), C.Style & ~WS_MAXIMIZE);
  EXPECT_EQ(ExStyle(Wnd) & (kExMask & ~WS_EX_WINDOWEDGE), C.ExStyle & ~WS_EX_WINDOWEDGE);
  EXPECT_EQ(F->GetWindowState(), C.StateAfter);
  EXPECT_EQ(IsIconic(Wnd) != 0, C.State == wsMinimized && C.StateAfter == wsMinimized);
}

INSTANTIATE_TEST_SUITE_P(Borders, TFormStyles, ::testing::ValuesIn(kStyleCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(TFormsTest, TopLevelWindowIsOwnedByTheApplicationWindow) {
  TForm* F = NewForm();
  HWND Wnd = F->GetHandle();
  EXPECT_EQ(GetWindow(Wnd, GW_OWNER), Application->GetHandle());
  EXPECT_EQ(Style(Wnd) & WS_CHILD, 0);
  EXPECT_FALSE(IsChild(Application->GetHandle(), Wnd));
  // The application window itself is a hidden popup of its own class.
  HWND App = Application->GetHandle();
  char Class[64] = {};
  GetClassName(App, Class, int(sizeof Class));
  EXPECT_STREQ(Class, "TApplication");
  EXPECT_TRUE(Style(App) & WS_POPUP);
  EXPECT_FALSE(IsWindowVisible(App));
}

TEST_F(TFormsTest, WindowClassTakesDoubleClicks) {
  TForm* F = NewForm();
  F->HandleNeeded();
  WNDCLASSA Wc{};
  ASSERT_TRUE(GetClassInfo(HInstance, "TForm", &Wc));
  EXPECT_TRUE(Wc.style & CS_DBLCLKS);
}

TEST_F(TFormsTest, DefaultPositionIsTheDesktopsChoice) {
  TForm* Designed = NewForm({500, 400, 700, 500});
  TForm* Default = NewForm({500, 400, 700, 500});
  Default->SetPosition(poDefault);
  TForm* PosOnly = NewForm({500, 400, 700, 500});
  PosOnly->SetPosition(poDefaultPosOnly);
  EXPECT_EQ(WindowRect(Designed->GetHandle()), (TRect{500, 400, 700, 500}));
  for (TForm* F : {Default, PosOnly}) {
    TRect R = WindowRect(F->GetHandle());
    EXPECT_NE(R.Left, 500);
    EXPECT_EQ(R.Width(), 200);
    EXPECT_EQ(R.Height(), 100);
  }
}

TEST_F(TFormsTest, StayOnTopFormIsInTheTopMostBand) {
  TForm* F = NewForm();
  F->SetFormStyle(fsStayOnTop);
  HWND Wnd = F->GetHandle();
  EXPECT_TRUE(ExStyle(Wnd) & WS_EX_TOPMOST);
  F->Show();
  TForm* Other = NewForm();
  Other->Show();
  // A later ordinary window stays below it.
  EXPECT_EQ(WindowFromPoint(POINT{200, 200}), Wnd);
}

TEST_F(TFormsTest, ChangingTheFormStyleMakesTheWindowAgain) {
  TForm* F = NewForm();
  F->Show();
  HWND Before = F->GetHandle();
  F->SetFormStyle(fsStayOnTop);
  HWND After = F->GetHandle();
  EXPECT_FALSE(IsWindow(Before));
  EXPECT_TRUE(ExStyle(After) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(After));
  F->SetFormStyle(fsNormal);
  EXPECT_FALSE(ExStyle(F->GetHandle()) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(F->GetHandle()));
}

TEST_F(TFormsTest, LayeredWindowTakesItsValuesWhenMade) {
  TForm* F = NewForm();
  F->SetBorderStyle(bsNone);
  F->SetAlphaBlend(true);
  F->SetAlphaBlendValue(100);
  F->SetTransparentColorValue(clRed);
  COLORREF Key = 1;
  BYTE Alpha = 0;
  DWORD Flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(F->GetHandle(), &Key, &Alpha, &Flags));
  EXPECT_EQ(Alpha, 100);
  EXPECT_EQ(Flags, LWA_ALPHA);
  EXPECT_EQ(Key, RGB(255, 0, 0));
}

TEST_F(TFormsTest, WithoutPerWindowAlphaTheValuesAreOnlyStored) {
  Desk->SetConstantAlphaSupported(false);
  TForm* F = NewForm();
  F->SetBorderStyle(bsNone);
  F->SetAlphaBlend(true);
  F->Show();
  EXPECT_FALSE(ExStyle(F->GetHandle()) & WS_EX_LAYERED);
  F->SetAlphaBlendValue(40);
  F->SetTransparentColor(true);
  EXPECT_EQ(F->GetAlphaBlendValue(), 40);
  EXPECT_TRUE(F->GetTransparentColor());
  EXPECT_FALSE(ExStyle(F->GetHandle()) & WS_EX_LAYERED);
}

TEST_F(TFormsTest, EmbeddedFormIsAChildWindow) {
  TForm* Host = NewForm();
  TForm* Inner = NewForm({0, 0, 50, 50});
  Inner->SetBorderStyle(bsNone);
  Inner->SetParent(Host);
  Inner->SetVisible(true);
  Host->Show();
  HWND Wnd = Inner->GetHandle();
  EXPECT_TRUE(Style(Wnd) & WS_CHILD);
  EXPECT_FALSE(Style(Wnd) & WS_POPUP);
  EXPECT_EQ(GetParent(Wnd), Host->GetHandle());
  EXPECT_EQ(GetParentForm(Inner), Host);
}
