// Data modules: creation and destruction events, the screen's list and
// the designer's extra values.
#include "FormsTest.h"
#include "support/TableFiler.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/DataModule.h"

using namespace formstest;

namespace {

std::vector<std::string> GEvents;

class TLoggedModule : public TDataModule {
  TAVREL_CLASS(TLoggedModule, TDataModule)
public:
  explicit TLoggedModule(TComponent* AOwner) : TDataModule(AOwner, CreateNew) {
    OnCreate = MakeEvent<&TLoggedModule::ModuleCreate>(this);
    OnDestroy = MakeEvent<&TLoggedModule::ModuleDestroy>(this);
    GEvents.push_back("constructed");
  }
  ~TLoggedModule() override { GEvents.push_back("destructor"); }
  void ModuleCreate(TObject*) {
    GEvents.push_back(Screen && Screen->DataModuleCount() == 1 ? "create listed"
                                                               : "create unlisted");
    if (Fail) throw Exception("create failed");
  }
  void ModuleDestroy(TObject*) {
    GEvents.push_back(ComponentState().Contains(csDestroying) ? "destroy destroying"
                                                              : "destroy alive");
  }
  static inline bool Fail = false;
};

const TClass& TLoggedModule::StaticClass() {
  static const TClass Class = TClassBuilder<TLoggedModule>("TLoggedModule").Build();
  return Class;
}

} // namespace

TEST(DataModule, DesignerValuesAreExtraProperties) {
  TDataModule M(nullptr);
  TTableFiler Filer;
  Filer.Values = {
      {"Left", 10},         {"Top", 20}, {"Height", 150}, {"Width", 215}, {"HorizontalOffset", 7},
      {"VerticalOffset", 9}};
  M.DeclareExtraProperties(Filer);
  EXPECT_EQ(Filer.Declared, (std::vector<std::string>{"Left", "Top", "Height", "HorizontalOffset",
                                                      "VerticalOffset", "Width"}));
  EXPECT_EQ(M.DesignWidth(), 215);
  EXPECT_EQ(M.DesignHeight(), 150);
  EXPECT_EQ(M.DesignHorizontalOffset(), 7);
  EXPECT_EQ(M.DesignVerticalOffset(), 9);
  EXPECT_EQ(M.GetDesignInfo(), (20 << 16) | 10);
}

TEST_F(TFormsTest, DataModuleEventsComeAfterConstructionAndBeforeDestruction) {
  GEvents.clear();
  TLoggedModule::Fail = false;
  TLoggedModule* M = nullptr;
  Application->CreateForm(M);
  ASSERT_NE(M, nullptr);
  M->Free();
  EXPECT_EQ(GEvents, (std::vector<std::string>{"constructed", "create listed", "destroy destroying",
                                               "destructor"}));
  EXPECT_EQ(Screen->DataModuleCount(), 0);
}

TEST_F(TFormsTest, ExceptionInOnCreateIsShownAndTheModuleLives) {
  GEvents.clear();
  TLoggedModule::Fail = true;
  struct TSink : TObject {
    std::string Message;
    void Caught(TObject*, const Exception& E) { Message = E.Message(); }
  } Sink;
  Application->OnException = MakeEvent<&TSink::Caught>(&Sink);
  TLoggedModule* M = nullptr;
  Application->CreateForm(M);
  TLoggedModule::Fail = false;
  Application->OnException = nullptr;
  EXPECT_EQ(Sink.Message, "create failed");
  ASSERT_NE(M, nullptr);
  EXPECT_EQ(Screen->DataModules(0), M);
}

TEST(DataModule, WithoutAnApplicationOnCreateFailuresPropagate) {
  TLoggedModule::Fail = true;
  EXPECT_THROW(Create<TLoggedModule>(nullptr), Exception);
  TLoggedModule::Fail = false;
}

TEST(DataModule, PublishedMembers) {
  const TClass& C = TDataModule::StaticClass();
  ASSERT_NE(C.FindProperty("OldCreateOrder"), nullptr);
  ASSERT_NE(C.FindProperty("OnCreate"), nullptr);
  ASSERT_NE(C.FindProperty("OnDestroy"), nullptr);
  TDataModule M(nullptr);
  C.FindProperty("OldCreateOrder")->SetOrd(&M, 1);
  EXPECT_TRUE(M.GetOldCreateOrder());
}
