// The published descriptions: names in the order form definitions list
// them, and every declared default equal to what the constructor sets
// (a form writer leaves such values out).
#include "ControlHost.h"

#include "framework/controls/Button.h"
#include "framework/controls/HintWindow.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/ScrollBar.h"
#include "framework/controls/Shape.h"

#include <string>
#include <vector>

namespace {

using TNames = std::vector<std::string>;

TNames Names(const TClass& C) {
  TNames Out;
  for (const TPropInfo* P : C.Properties()) Out.push_back(P->Name());
  return Out;
}

TNames Inherited(TNames Own) {
  TNames All{"Name",   "Tag",  "Left",     "Top",         "Width",      "Height",
             "Cursor", "Hint", "HelpType", "HelpKeyword", "HelpContext"};
  All.insert(All.end(), Own.begin(), Own.end());
  return All;
}

TEST(PublishedControls, ScrollBarHasExactlyItsFortyNine) {
  const TNames Expected = Inherited({
      "Align",       "Anchors",        "BiDiMode",
      "Constraints", "Ctl3D",          "DragCursor",
      "DragKind",    "DragMode",       "Enabled",
      "Kind",        "LargeChange",    "Max",
      "Min",         "PageSize",       "ParentBiDiMode",
      "ParentCtl3D", "ParentShowHint", "PopupMenu",
      "Position",    "ShowHint",       "SmallChange",
      "TabOrder",    "TabStop",        "Visible",
      "OnChange",    "OnContextPopup", "OnDragDrop",
      "OnDragOver",  "OnEndDock",      "OnEndDrag",
      "OnEnter",     "OnExit",         "OnKeyDown",
      "OnKeyPress",  "OnKeyUp",        "OnScroll",
      "OnStartDock", "OnStartDrag",
  });
  EXPECT_EQ(Expected.size(), 49u);
  EXPECT_EQ(Names(TScrollBar::StaticClass()), Expected);
}

TEST(PublishedControls, OrderOfTheOtherControls) {
  struct {
    const TClass& Class;
    TNames Own;
  } const Cases[] = {
      {TShape::StaticClass(),
       {"Align",       "Anchors",        "Brush",          "Constraints", "DragCursor", "DragKind",
        "DragMode",    "Enabled",        "ParentShowHint", "Pen",         "Shape",      "ShowHint",
        "Visible",     "OnContextPopup", "OnDragDrop",     "OnDragOver",  "OnEndDock",  "OnEndDrag",
        "OnMouseDown", "OnMouseMove",    "OnMouseUp",      "OnStartDock", "OnStartDrag"}},
      {TImage::StaticClass(),
       {"Align",          "Anchors",     "AutoSize",   "Center",       "Constraints",
        "DragCursor",     "DragKind",    "DragMode",   "Enabled",      "IncrementalDisplay",
        "ParentShowHint", "Picture",     "PopupMenu",  "Proportional", "ShowHint",
        "Stretch",        "Transparent", "Visible",    "OnClick",      "OnContextPopup",
        "OnDblClick",     "OnDragDrop",  "OnDragOver", "OnEndDock",    "OnEndDrag",
        "OnMouseDown",    "OnMouseMove", "OnMouseUp",  "OnStartDock",  "OnStartDrag"}},
      {TLabel::StaticClass(),
       {"Align",       "Alignment",      "Anchors",        "AutoSize",    "BiDiMode",
        "Caption",     "Color",          "Constraints",    "DragCursor",  "DragKind",
        "DragMode",    "Enabled",        "FocusControl",   "Font",        "ParentBiDiMode",
        "ParentColor", "ParentFont",     "ParentShowHint", "PopupMenu",   "ShowAccelChar",
        "ShowHint",    "Transparent",    "Layout",         "Visible",     "WordWrap",
        "OnClick",     "OnContextPopup", "OnDblClick",     "OnDragDrop",  "OnDragOver",
        "OnEndDock",   "OnEndDrag",      "OnMouseDown",    "OnMouseMove", "OnMouseUp",
        "OnStartDock", "OnStartDrag"}},
      {TPanel::StaticClass(),
       {"Align",          "Alignment",      "Anchors",     "BevelInner",  "BevelOuter",
        "BevelWidth",     "BiDiMode",       "BorderWidth", "BorderStyle", "Caption",
        "Color",          "Constraints",    "Ctl3D",       "DragCursor",  "DragKind",
        "DragMode",       "Enabled",        "FullRepaint", "Font",        "Locked",
        "ParentBiDiMode", "ParentColor",    "ParentCtl3D", "ParentFont",  "ParentShowHint",
        "PopupMenu",      "ShowHint",       "TabOrder",    "TabStop",     "Visible",
        "OnClick",        "OnContextPopup", "OnDblClick",  "OnDragDrop",  "OnDragOver",
        "OnEndDock",      "OnEndDrag",      "OnEnter",     "OnExit",      "OnMouseDown",
        "OnMouseMove",    "OnMouseUp",      "OnResize",    "OnStartDock", "OnStartDrag"}},
      {TButton::StaticClass(),
       {"Anchors",    "BiDiMode",       "Cancel",         "Caption",    "Constraints",
        "Default",    "DragCursor",     "DragKind",       "DragMode",   "Enabled",
        "Font",       "ModalResult",    "ParentBiDiMode", "ParentFont", "ParentShowHint",
        "PopupMenu",  "ShowHint",       "TabOrder",       "TabStop",    "Visible",
        "OnClick",    "OnContextPopup", "OnDragDrop",     "OnDragOver", "OnEndDock",
        "OnEndDrag",  "OnEnter",        "OnExit",         "OnKeyDown",  "OnKeyPress",
        "OnKeyUp",    "OnMouseDown",    "OnMouseMove",    "OnMouseUp",  "OnStartDock",
        "OnStartDrag"}},
      {THintWindow::StaticClass(), {"Color"}},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Names(Case.Class), Inherited(Case.Own)) << Case.Class.Name();
}

class PublishedDefaultsTest : public TControlTest {};

TEST_F(PublishedDefaultsTest, ConstructorsSetEveryDeclaredDefault) {
  for (const TClass* Class :
       {&TShape::StaticClass(), &TImage::StaticClass(), &TLabel::StaticClass(),
        &TPanel::StaticClass(), &TButton::StaticClass(), &TScrollBar::StaticClass(),
        &THintWindow::StaticClass()}) {
    TObject* Obj = Class->Create(Host);
    int Checked = 0;
    for (const TPropInfo* P : Class->Properties()) {
      if (!P->HasDefault()) continue;
      EXPECT_EQ(P->GetOrd(Obj), P->Default()) << Class->Name() << "." << P->Name();
      ++Checked;
    }
    EXPECT_GT(Checked, 0) << Class->Name();
    // Parented, the inherited look must not break a declared default either.
    if (auto* C = dynamic_cast<TControl*>(Obj); C && !Obj->Is<THintWindow>()) {
      C->SetParent(Host);
      for (const TPropInfo* P : Class->Properties()) {
        if (!P->HasDefault() || P->Name() == "TabOrder") continue;
        EXPECT_EQ(P->GetOrd(Obj), P->Default()) << Class->Name() << "." << P->Name();
      }
    }
  }
}

TEST(PublishedControls, ColourAndCursorPropertiesTakeIdentifiers) {
  EXPECT_EQ(&TPanel::StaticClass().FindProperty("Color")->Type(), &ColorTypeInfo());
  EXPECT_EQ(&TLabel::StaticClass().FindProperty("Color")->Type(), &ColorTypeInfo());
  EXPECT_EQ(&THintWindow::StaticClass().FindProperty("Color")->Type(), &ColorTypeInfo());
  for (const TClass* Class : {&TShape::StaticClass(), &TScrollBar::StaticClass()})
    EXPECT_EQ(&Class->FindProperty("DragCursor")->Type(), &CursorTypeInfo());
  EXPECT_EQ(TScrollBar::StaticClass().FindProperty("Kind")->Type().Name, "TScrollBarKind");
  EXPECT_EQ(TShape::StaticClass().FindProperty("Shape")->Type().EnumName(stCircle), "stCircle");
}

} // namespace
