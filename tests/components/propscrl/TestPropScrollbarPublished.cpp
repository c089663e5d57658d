// The published description (count, order, no defaults), the version, the
// class registration, and reading the bar from form definitions: one
// written here and the ruler's own control window.
#include "PropScrollbarTest.h"

#include "FormEncoder.h"
#include "FormParser.h"
#include "framework/classes/ClassBuilder.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/MemoryStream.h"
#include "framework/classes/PropFixup.h"
#include "framework/classes/Reader.h"
#include "framework/forms/DataModule.h"
#include "framework/forms/FormLoader.h"
#include "framework/forms/FormsTest.h"
#include "framework/menus/PopupMenu.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace propscrltest {

// The ruler's control window as far as its definition needs: the bar's
// field and the handlers the definition names.
class TPsForm1 : public TForm {
  TAVREL_CLASS(TPsForm1, TForm)
public:
  explicit TPsForm1(TComponent* AOwner) : TForm(AOwner, CreateNew) {}
  void FormShow(TObject*) {}
  void FormActivate(TObject*) {}
  void PropScrollbar1Change(TObject*) { ++Changes; }
  void PropScrollbar1Hint(TObject*, int, std::string& Text) { Text = "[" + Text + "]"; }
  TPropScrollbar* PropScrollbar1 = nullptr;
  int Changes = 0;
};

const TClass& TPsForm1::StaticClass() {
  static const TClass Class = TClassBuilder<TPsForm1>("TPsForm1")
                                  .Field("PropScrollbar1", &TPsForm1::PropScrollbar1)
                                  .Method<&TPsForm1::FormShow>("FormShow")
                                  .Method<&TPsForm1::FormActivate>("FormActivate")
                                  .Method<&TPsForm1::PropScrollbar1Change>("PropScrollbar1Change")
                                  .Method<&TPsForm1::PropScrollbar1Hint>("PropScrollbar1Hint")
                                  .Build();
  return Class;
}

// The data module that holds the menu the bar names.
class TPsDM1 : public TDataModule {
  TAVREL_CLASS(TPsDM1, TDataModule)
public:
  explicit TPsDM1(TComponent* AOwner) : TDataModule(AOwner, CreateNew) {}
  TPopupMenu* AdvPopupMenu1 = nullptr;
};

const TClass& TPsDM1::StaticClass() {
  static const TClass Class =
      TClassBuilder<TPsDM1>("TPsDM1").Field("AdvPopupMenu1", &TPsDM1::AdvPopupMenu1).Build();
  return Class;
}

namespace {

using TNames = std::vector<std::string>;

TNames PublishedNames(const TClass& C) {
  TNames Out;
  for (const TPropInfo* P : C.Properties()) Out.push_back(P->Name());
  return Out;
}

TEST(PropScrollbarPublished, FiftySixInOrder) {
  const TNames Expected{
      "Name",
      "Tag",
      "Left",
      "Top",
      "Width",
      "Height",
      "Cursor",
      "Hint",
      "HelpType",
      "HelpKeyword",
      "HelpContext",
      "Align",
      "Anchors",
      "BiDiMode",
      "Constraints",
      "Ctl3D",
      "DragCursor",
      "DragKind",
      "DragMode",
      "Enabled",
      "Kind",
      "LargeChange",
      "Max",
      "Min",
      "PageSize",
      "ParentBiDiMode",
      "ParentCtl3D",
      "ParentShowHint",
      "PopupMenu",
      "Position",
      "ShowHint",
      "SmallChange",
      "TabOrder",
      "TabStop",
      "Visible",
      "OnChange",
      "OnContextPopup",
      "OnDragDrop",
      "OnDragOver",
      "OnEndDock",
      "OnEndDrag",
      "OnEnter",
      "OnExit",
      "OnKeyDown",
      "OnKeyPress",
      "OnKeyUp",
      "OnScroll",
      "OnStartDock",
      "OnStartDrag",
      "AutoArrowDisable",
      "ScrollHint",
      "ScrollHintPrefix",
      "ScrollHintMode",
      "ScrollHintColor",
      "OnScrollBarHint",
      "Version",
  };
  ASSERT_EQ(Expected.size(), 56u);
  EXPECT_EQ(PublishedNames(TPropScrollbar::StaticClass()), Expected);
}

TEST(PropScrollbarPublished, OwnPropertiesDeclareNoDefault) {
  const TClass& C = TPropScrollbar::StaticClass();
  for (const char* Name : {"AutoArrowDisable", "PageSize", "ScrollHint", "ScrollHintPrefix",
                           "ScrollHintMode", "ScrollHintColor", "OnScrollBarHint", "Version"}) {
    const TPropInfo* P = C.FindProperty(Name);
    ASSERT_NE(P, nullptr) << Name;
    EXPECT_FALSE(P->HasDefault()) << Name;
    EXPECT_EQ(P->Declarer(), &C) << Name;
    EXPECT_TRUE(P->HasSetter()) << Name;
  }
  // The base keeps its own PageSize, with its default.
  const TPropInfo* BasePage = TScrollBar::StaticClass().FindProperty("PageSize");
  ASSERT_NE(BasePage, nullptr);
  EXPECT_TRUE(BasePage->HasDefault());
  EXPECT_NE(C.FindProperty("PageSize"), BasePage);
  EXPECT_EQ(C.FindProperty("ScrollHintColor")->Type().Name, "TColor");
  EXPECT_EQ(C.FindProperty("ScrollHintMode")->Type().EnumNames,
            (TNames{"shTrack", "shFixedLeft", "shFixedRight", "shFixedBottom", "shFixedTop"}));
}

TEST(PropScrollbarPublished, RegisteredByName) {
  EXPECT_EQ(GetClass("TPropScrollbar"), &TPropScrollbar::StaticClass());
  EXPECT_EQ(GetClass("tpropscrollbar"), &TPropScrollbar::StaticClass());
  EXPECT_TRUE(TPropScrollbar::StaticClass().InheritsFrom(TScrollBar::StaticClass()));
}

// A later version overrides GetVersionNr; Version follows it.
class TPsLaterBar : public TPropScrollbar {
public:
  explicit TPsLaterBar(TComponent* AOwner) : TPropScrollbar(AOwner) {}
  int GetVersionNr() const override { return int(0xFE0A0B0Cu); }
};

using TVersionTest = TPropScrollbarTest;

TEST_F(TVersionTest, VersionIsTheCodesWhateverIsWritten) {
  EXPECT_EQ(Bar->GetVersionNr(), 0x01040000);
  EXPECT_EQ(Bar->GetVersion(), "1.4.0.0");
  const TPropInfo* P = TPropScrollbar::StaticClass().FindProperty("Version");
  for (const char* Written : {"2.0.0.0", "", "garbage", "1.4.0.0"}) {
    P->SetStr(Bar, Written);
    EXPECT_EQ(P->GetStr(Bar), "1.4.0.0") << Written;
  }
  auto* Later = Create<TPsLaterBar>(Form);
  EXPECT_EQ(Later->GetVersion(), "254.10.11.12");
}

// Reading definitions needs the framework's start and end code and a
// desktop, as the ruler has them.
class TPsReadTest : public formstest::TFormsTest {
protected:
  static void ReadText(TComponent* Root, const std::string& Text) {
    const std::string Bytes = EncodeFormStream(TFormParser(Text, ".").Parse());
    TMemoryStream Stream;
    Stream.WriteBuffer(Bytes.data(), std::int64_t(Bytes.size()));
    Stream.SetPosition(0);
    TReader Reader(Stream);
    ReadFormStream(Reader, Root);
  }
  static UINT ArrowsOf(TPropScrollbar* Bar) { return NativeArrowState(Bar->GetHandle()); }
};

TEST_F(TPsReadTest, EveryOwnPropertyIsRead) {
  auto* Form = Create<TPsForm1>(Application);
  ReadText(Form, R"(object Form1: TPsForm1
  object PropScrollbar1: TPropScrollbar
    AutoArrowDisable = True
    Left = 4
    Top = 6
    Width = 200
    Height = 17
    Max = 400
    Position = 400
    PageSize = 50
    TabOrder = 0
    ScrollHint = True
    ScrollHintPrefix = 'x ='
    ScrollHintMode = shFixedBottom
    ScrollHintColor = clAqua
    OnScrollBarHint = PropScrollbar1Hint
    Version = '9.9.9.9'
  end
end
)");
  TPropScrollbar* Bar = Form->PropScrollbar1;
  ASSERT_NE(Bar, nullptr);
  EXPECT_EQ(Bar->GetParent(), Form);
  EXPECT_EQ(Bar->GetMax(), 400);
  EXPECT_EQ(Bar->GetPosition(), 400);
  EXPECT_EQ(Bar->GetPageSize(), 50);
  EXPECT_EQ(Bar->TScrollBar::GetPageSize(), 0);
  EXPECT_TRUE(Bar->GetAutoArrowDisable());
  EXPECT_TRUE(Bar->GetScrollHint());
  EXPECT_EQ(Bar->GetScrollHintPrefix(), "x =");
  EXPECT_EQ(Bar->GetScrollHintMode(), shFixedBottom);
  EXPECT_EQ(Bar->GetScrollHintColor(), clAqua);
  EXPECT_EQ(Bar->GetVersion(), "1.4.0.0");
  ASSERT_TRUE(Bar->OnScrollBarHint);
  std::string Text = "t";
  Bar->OnScrollBarHint(Bar, 1, Text);
  EXPECT_EQ(Text, "[t]");
  EXPECT_FALSE(Bar->ComponentState().Contains(csLoading));
  // The range read after AutoArrowDisable enabled both arrows again;
  // Loaded applied the rule to the position read: the end after the page.
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 0, 0, 0};
  GetScrollInfo(Bar->GetHandle(), SB_CTL, &Info);
  EXPECT_EQ(Info.nPage, 50u);
  EXPECT_EQ(ArrowsOf(Bar), ESB_DISABLE_RTDN);
}

TEST_F(TPsReadTest, TheRulersControlWindowDefinition) {
  const std::filesystem::path Unit1 =
      std::filesystem::path(TAVREL_TEST_DATA).parent_path() / "../../../app/forms/Unit1.form";
  std::ifstream In(Unit1);
  ASSERT_TRUE(In) << Unit1;
  std::stringstream Text;
  Text << In.rdbuf();

  auto* Form = Create<TPsForm1>(Application);
  ReadText(Form, Text.str());
  TPropScrollbar* Bar = Form->PropScrollbar1;
  ASSERT_NE(Bar, nullptr);
  EXPECT_EQ(Bar->GetName(), "PropScrollbar1");
  EXPECT_EQ(Bar->GetAlign(), alClient);
  EXPECT_EQ(Bar->GetPageSize(), 0);
  EXPECT_EQ(Bar->GetTabOrder(), 0);
  EXPECT_TRUE(Bar->GetAutoArrowDisable());
  EXPECT_FALSE(Bar->GetScrollHint());
  EXPECT_EQ(Bar->GetScrollHintMode(), shTrack);
  EXPECT_EQ(Bar->GetScrollHintColor(), clYellow);
  EXPECT_EQ(Bar->GetVersion(), "1.4.0.0");
  ASSERT_TRUE(Bar->OnChange);
  // Loaded at 0: the decreasing arrow is disabled.
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_EQ(ArrowsOf(Bar), ESB_DISABLE_LTUP);
  // The menu lives in DM1, read later: the reference waits for it.
  EXPECT_EQ(Bar->GetPopupMenu(), nullptr);
  EXPECT_GE(PendingReferenceCount(), 1);
  auto* Dm = Create<TPsDM1>(Application);
  ReadText(Dm, "object DM1: TPsDM1\n  object AdvPopupMenu1: TPopupMenu\n  end\nend\n");
  ASSERT_NE(Dm->AdvPopupMenu1, nullptr);
  EXPECT_EQ(Bar->GetPopupMenu(), Dm->AdvPopupMenu1);

  // The layout's range change enables both arrows; its position change
  // raises the change handler and touches no arrow.
  Bar->SetMax(1920);
  EXPECT_EQ(ArrowsOf(Bar), ESB_ENABLE_BOTH);
  Bar->SetPosition(960);
  EXPECT_EQ(Form->Changes, 1);
  EXPECT_EQ(ArrowsOf(Bar), ESB_ENABLE_BOTH);
}

TEST_F(TPsReadTest, BadValuesAreRefusedClearly) {
  struct {
    const char* Property;
    const char* Value;
  } const Bad[] = {
      {"ScrollHintMode", "shSideways"},
      {"ScrollHintColor", "clNoSuchColour"},
      {"AutoArrowDisable", "'yes'"},
      {"OnScrollBarHint", "PropScrollbar1Change"},
      {"Max", "-1"},
  };
  for (const auto& B : Bad) {
    auto* Form = Create<TPsForm1>(Application);
    const std::string Text = std::string("object Form1: TPsForm1\n  object PropScrollbar1: "
                                         "TPropScrollbar\n    ") +
                             B.Property + " = " + B.Value + "\n  end\nend\n";
    EXPECT_THROW(ReadText(Form, Text), Exception) << B.Property;
    Form->Free();
  }
}

} // namespace
} // namespace propscrltest
