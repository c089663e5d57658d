// The scroll bar as the screen shows it: arrows enabled, disabled and held,
// the trough's halftone or the parent's brush, the held trough.
#include "ControlsTest.h"

#include "platform/gdi/Gdi.h"

namespace {

class TScrollBarPaintTest : public TControlsTest {
protected:
  void SetUp() override {
    TControlsTest::SetUp();
    Bar = CreateBar(SBS_HORZ, TRect{10, 20, 210, 36}, 0, 100, 0, 0);
  }
  // Inside the arrows' 2-pixel edges.
  std::vector<std::uint32_t> UpGlyph() { return Area(Bar, TRect{2, 2, 14, 14}); }
  std::vector<std::uint32_t> DownGlyph() { return Area(Bar, TRect{186, 2, 198, 14}); }
  // The bounding box of the black glyph pixels in an arrow, inside the
  // dark outer edge of its raised look.
  TRect GlyphBox(int Left) {
    TRect Box{1000, 1000, -1, -1};
    for (int Y = 2; Y < 15; ++Y)
      for (int X = Left + 2; X < Left + 15; ++X)
        if (Pixel(Bar, X, Y) == 0)
          Box = TRect{std::min<LONG>(Box.Left, X), std::min<LONG>(Box.Top, Y),
                      std::max<LONG>(Box.Right, X + 1), std::max<LONG>(Box.Bottom, Y + 1)};
    return Box;
  }

  HWND Bar = nullptr;
};

TEST_F(TScrollBarPaintTest, DisabledArrowsAreEmbossedGrey) {
  auto Up = UpGlyph(), Down = DownGlyph();
  EXPECT_TRUE(Has(Up, Sys(COLOR_BTNTEXT)));
  EXPECT_TRUE(Has(Down, Sys(COLOR_BTNTEXT)));
  struct TCase {
    UINT Arrows;
    bool UpOff, DownOff;
  };
  for (TCase C : {TCase{ESB_DISABLE_LTUP, true, false}, TCase{ESB_DISABLE_RTDN, false, true},
                  TCase{ESB_DISABLE_BOTH, true, true}, TCase{ESB_ENABLE_BOTH, false, false}}) {
    SCOPED_TRACE(C.Arrows);
    EnableScrollBar(Bar, SB_CTL, C.Arrows);
    Desk->PumpUntilIdle();
    for (auto [Off, Now, Before] :
         {std::tuple{C.UpOff, UpGlyph(), Up}, std::tuple{C.DownOff, DownGlyph(), Down}}) {
      if (!Off) {
        EXPECT_EQ(Now, Before);
        continue;
      }
      EXPECT_NE(Now, Before);
      EXPECT_FALSE(Has(Now, Sys(COLOR_BTNTEXT)));
      EXPECT_TRUE(Has(Now, Sys(COLOR_BTNSHADOW)));
      EXPECT_TRUE(Has(Now, Sys(COLOR_BTNHIGHLIGHT)));
    }
  }
}

TEST_F(TScrollBarPaintTest, DisabledControlGreysBothArrowsAndHidesTheThumb) {
  EXPECT_EQ(Pixel(Bar, 16, 0), Sys(COLOR_3DLIGHT));
  EnableWindow(Bar, FALSE);
  Desk->PumpUntilIdle();
  EXPECT_FALSE(Has(UpGlyph(), Sys(COLOR_BTNTEXT)));
  EXPECT_FALSE(Has(DownGlyph(), Sys(COLOR_BTNTEXT)));
  EXPECT_FALSE(Has(Area(Bar, TRect{16, 0, 184, 1}), Sys(COLOR_3DLIGHT)));
}

TEST_F(TScrollBarPaintTest, TroughIsAHalftoneOfHighlightAndFace) {
  auto Row = Area(Bar, TRect{100, 5, 104, 7});
  std::uint32_t Hi = Sys(COLOR_BTNHIGHLIGHT), Face = Sys(COLOR_BTNFACE);
  for (std::size_t I = 0; I < 4; ++I) {
    EXPECT_TRUE(Row[I] == Hi || Row[I] == Face);
    EXPECT_NE(Row[I], Row[I + 4]); // the next row starts the other way
    if (I > 0) {
      EXPECT_NE(Row[I], Row[I - 1]);
    }
  }
}

TEST_F(TScrollBarPaintTest, ParentBrushPaintsTheTrough) {
  TroughBrush = CreateSolidBrush(RGB(255, 0, 0));
  InvalidateRect(Bar, nullptr, TRUE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Pixel(Bar, 100, 5), 0xFF0000u);
  EXPECT_EQ(Pixel(Bar, 101, 5), 0xFF0000u);
  DestroyWindow(Bar);
  DeleteObject(TroughBrush);
  TroughBrush = nullptr;
}

TEST_F(TScrollBarPaintTest, HeldTroughTurnsDarkUnderThePointer) {
  Press(Bar, 150, 8);
  EXPECT_EQ(Pixel(Bar, 150, 8), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(Pixel(Bar, 33, 8), Sys(COLOR_3DDKSHADOW));
  MoveTo(Bar, 150, 200);
  EXPECT_NE(Pixel(Bar, 150, 8), Sys(COLOR_3DDKSHADOW));
  MoveTo(Bar, 150, 8);
  EXPECT_EQ(Pixel(Bar, 150, 8), Sys(COLOR_3DDKSHADOW));
  Release();
  EXPECT_NE(Pixel(Bar, 150, 8), Sys(COLOR_3DDKSHADOW));
}

TEST_F(TScrollBarPaintTest, HeldArrowLooksFlatWithItsGlyphPushedIn) {
  TRect Raised = GlyphBox(184);
  EXPECT_EQ(Pixel(Bar, 184, 0), Sys(COLOR_3DLIGHT));
  Press(Bar, 190, 8);
  EXPECT_EQ(Pixel(Bar, 184, 0), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(Bar, 199, 15), Sys(COLOR_BTNSHADOW));
  TRect Pushed = GlyphBox(184);
  OffsetRect(&Raised, 1, 1);
  EXPECT_EQ(Pushed, Raised);
  MoveTo(Bar, 100, 8);
  EXPECT_EQ(Pixel(Bar, 184, 0), Sys(COLOR_3DLIGHT));
  Release();
}

TEST_F(TScrollBarPaintTest, RepaintingLeavesNoDrawingObjectsBehind) {
  HWND Button = CreateButton("&Go", BS_DEFPUSHBUTTON, TRect{20, 60, 100, 90}, 3);
  SetFocus(Button);
  Press(Bar, 150, 8);
  Desk->PumpUntilIdle();
  std::size_t Before = GdiTable().Count();
  for (int I = 0; I < 5; ++I) {
    InvalidateRect(Bar, nullptr, TRUE);
    InvalidateRect(Button, nullptr, TRUE);
    Desk->PumpUntilIdle();
  }
  EXPECT_EQ(GdiTable().Count(), Before);
  Release();
}

} // namespace
