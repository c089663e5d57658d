#include "CoreTestSupport.h"

#include "framework/controls/SizeConstraints.h"
#include "framework/graphics/Font.h"
#include "framework/runtime/Exceptions.h"

namespace {

class TPlainChild : public TWinControl {
public:
  explicit TPlainChild(TComponent* AOwner) : TWinControl(AOwner) {}
};

TEST_F(TControlCoreTest, ShowingCreatesTheWindowAndTheChildrenFollow) {
  auto* Host = Create<TCoreHost>(Owner());
  auto* Child = Create<TPlainChild>(Owner());
  Child->SetParent(Host);
  Child->SetBounds(5, 6, 30, 20);
  EXPECT_FALSE(Host->HandleAllocated());
  EXPECT_FALSE(Child->HandleAllocated());

  Host->Place(100, 100, 200, 150);
  ASSERT_TRUE(Child->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(Host->GetHandle()));
  EXPECT_TRUE(IsWindowVisible(Child->GetHandle()));
  EXPECT_EQ(GetParent(Child->GetHandle()), Host->GetHandle());
  RECT R{};
  GetWindowRect(Child->GetHandle(), &R);
  EXPECT_EQ(R, (RECT{105, 106, 135, 126}));
  EXPECT_EQ(TWinControl::FindControl(Child->GetHandle()), Child);

  Child->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(Child->GetHandle()));
  Child->SetVisible(true);
  Host->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(Host->GetHandle()));
  EXPECT_FALSE(Child->Showing());
}

TEST_F(TControlCoreTest, AlignedChildrenFillTheirBandsAndFollowResizes) {
  auto* Host = Create<TCoreHost>(Owner());
  auto* Top = Create<TSwatch>(Owner());
  auto* Left = Create<TPlainChild>(Owner());
  auto* Client = Create<TPlainChild>(Owner());
  for (TControl* C : std::initializer_list<TControl*>{Top, Left, Client}) C->SetParent(Host);
  Top->SetHeight(10);
  Top->SetAlign(alTop);
  Left->SetWidth(30);
  Left->SetAlign(alLeft);
  Client->SetAlign(alClient);
  Host->Place(0, 0, 200, 100);

  EXPECT_EQ(Top->BoundsRect(), (TRect{0, 0, 200, 10}));
  EXPECT_EQ(Left->BoundsRect(), (TRect{0, 10, 30, 100}));
  EXPECT_EQ(Client->BoundsRect(), (TRect{30, 10, 200, 100}));

  Host->SetBounds(0, 0, 120, 60);
  EXPECT_EQ(Top->BoundsRect(), (TRect{0, 0, 120, 10}));
  EXPECT_EQ(Client->BoundsRect(), (TRect{30, 10, 120, 60}));
  RECT R{};
  GetClientRect(Client->GetHandle(), &R);
  EXPECT_EQ(R, (RECT{0, 0, 90, 50}));

  Top->SetVisible(false);
  EXPECT_EQ(Client->BoundsRect(), (TRect{30, 0, 120, 60}));
}

TEST_F(TControlCoreTest, ConstraintsLimitTheSize) {
  auto* Host = Create<TCoreHost>(Owner());
  Host->GetConstraints()->SetMaxWidth(50);
  Host->GetConstraints()->SetMinHeight(40);
  Host->SetBounds(0, 0, 80, 10);
  EXPECT_EQ(Host->GetWidth(), 50);
  EXPECT_EQ(Host->GetHeight(), 40);
}

TEST_F(TControlCoreTest, NonWindowedChildrenPaintInsideTheirBoundsInOrder) {
  auto* Host = Create<TCoreHost>(Owner());
  Host->SetColor(clWhite);
  auto* Back = Create<TSwatch>(Owner());
  auto* Front = Create<TSwatch>(Owner());
  Back->SetParent(Host);
  Front->SetParent(Host);
  Back->SetBounds(10, 10, 20, 20);
  Front->SetBounds(20, 20, 20, 20);
  Front->Fill = clBlue;
  Host->Place(100, 100, 100, 100);
  Desk->PumpUntilIdle();

  EXPECT_EQ(Desk->ScreenPixel(100 + 9, 100 + 9), 0xFFFFFFu);
  EXPECT_EQ(Desk->ScreenPixel(100 + 10, 100 + 10), 0xFF0000u);
  EXPECT_EQ(Desk->ScreenPixel(100 + 25, 100 + 25), 0x0000FFu);
  EXPECT_EQ(Desk->ScreenPixel(100 + 40, 100 + 40), 0xFFFFFFu);

  Back->BringToFront();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(100 + 25, 100 + 25), 0xFF0000u);

  Back->Fill = clLime;
  Back->Invalidate();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(100 + 15, 100 + 15), 0x00FF00u);
  Back->SetVisible(false);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(100 + 15, 100 + 15), 0xFFFFFFu);
}

TEST_F(TControlCoreTest, ColourAndFontFollowTheParentUntilSetOwn) {
  auto* Host = Create<TCoreHost>(Owner());
  auto* A = Create<TSwatch>(Owner());
  auto* B = Create<TSwatch>(Owner());
  A->SetParent(Host);
  B->SetParent(Host);
  Host->SetColor(clYellow);
  EXPECT_EQ(A->GetColor(), clYellow);
  B->SetColor(clRed);
  EXPECT_FALSE(B->GetParentColor());
  Host->SetColor(clAqua);
  EXPECT_EQ(A->GetColor(), clAqua);
  EXPECT_EQ(B->GetColor(), clRed);

  Host->GetFont()->SetHeight(-20);
  EXPECT_EQ(A->GetFont()->GetHeight(), -20);
  EXPECT_TRUE(A->GetParentFont());
  A->GetFont()->SetName("DejaVu Sans");
  EXPECT_FALSE(A->GetParentFont());
  Host->GetFont()->SetHeight(-9);
  EXPECT_EQ(A->GetFont()->GetHeight(), -20);
  EXPECT_EQ(B->GetFont()->GetHeight(), -9);
}

TEST_F(TControlCoreTest, FreeingParentsAndChildrenInAnyOrderLeavesNothingBehind) {
  auto* Host = Create<TCoreHost>(Owner());
  auto* Inner = Create<TCoreHost>(Owner());
  Inner->SetParent(Host);
  auto* Leaf = Create<TSwatch>(Owner());
  Leaf->SetParent(Inner);
  Host->Place(0, 0, 50, 50);
  HWND InnerWnd = Inner->GetHandle();
  Leaf->Free();
  EXPECT_EQ(Inner->ControlCount(), 0);
  Host->Free(); // frees the windowed child it parents, owned elsewhere
  EXPECT_FALSE(IsWindow(InnerWnd));
  EXPECT_EQ(Owner()->ComponentCount(), 0);
}

TEST_F(TControlCoreTest, ReparentingMovesTheWindow) {
  auto* A = Create<TCoreHost>(Owner());
  auto* B = Create<TCoreHost>(Owner());
  auto* Child = Create<TPlainChild>(Owner());
  A->Place(0, 0, 50, 50);
  B->Place(100, 0, 50, 50);
  Child->SetParent(A);
  HWND Wnd = Child->GetHandle();
  Child->SetParent(B);
  EXPECT_EQ(GetParent(Child->GetHandle()), B->GetHandle());
  EXPECT_EQ(A->ControlCount(), 0);
  EXPECT_EQ(B->Controls(0), Child);
  EXPECT_THROW(B->Controls(1), EListError);
  EXPECT_THROW(B->SetParent(B), EInvalidOperation);
  (void)Wnd;
}

TEST_F(TControlCoreTest, AWindowedChildNeedsAParentWindow) {
  auto* Orphan = Create<TPlainChild>(Owner());
  Orphan->SetName("Orphan");
  try {
    Orphan->HandleNeeded();
    ADD_FAILURE();
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Control 'Orphan' has no parent window");
  }
}

} // namespace
