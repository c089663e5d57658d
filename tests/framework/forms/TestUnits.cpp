// Start and end code: the framework's units first, the program's in the
// order it lists them, the ends in reverse, each once.
#include "FormsTest.h"

#include "framework/forms/Mouse.h"

#include <stdexcept>

namespace {

std::vector<std::string> GOrder;

void StartA() { GOrder.push_back(Application && Screen ? "A+ (framework ready)" : "A+"); }
void EndA() { GOrder.push_back(Application && Screen ? "A- (framework ready)" : "A-"); }
void StartB() { GOrder.push_back("B+"); }
void EndB() { GOrder.push_back("B-"); }
void StartFailing() { throw std::runtime_error("start failed"); }
void EndFailing() { GOrder.push_back("failing-"); }
void StartC() { GOrder.push_back("C+"); }
void EndC() { GOrder.push_back("C-"); }

class TUnitsTest : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    GOrder.clear();
  }
  void TearDown() override {
    if (FrameworkRunning()) DoneFramework();
    TDesktopTest::TearDown();
  }
};

} // namespace

TEST_F(TUnitsTest, ProgramUnitsStartAfterTheFrameworkAndEndBeforeIt) {
  RegisterUnit("A", StartA, EndA);
  RegisterUnit("B", StartB, EndB);
  EXPECT_EQ(Application, nullptr);
  InitFramework();
  EXPECT_TRUE(FrameworkRunning());
  EXPECT_NE(Application, nullptr);
  EXPECT_NE(Screen, nullptr);
  EXPECT_NE(Mouse, nullptr);
  DoneFramework();
  EXPECT_EQ(GOrder,
            (std::vector<std::string>{"A+ (framework ready)", "B+", "B-", "A- (framework ready)"}));
  EXPECT_EQ(Application, nullptr);
  EXPECT_EQ(Screen, nullptr);
  EXPECT_EQ(Mouse, nullptr);
  EXPECT_FALSE(FrameworkRunning());
}

TEST_F(TUnitsTest, FailedStartEndsOnlyTheUnitsThatStarted) {
  RegisterUnit("A", StartA, EndA);
  RegisterUnit("Failing", StartFailing, EndFailing);
  RegisterUnit("C", StartC, EndC);
  EXPECT_THROW(InitFramework(), std::runtime_error);
  // The framework stays up, so the failure can still be shown.
  EXPECT_NE(Application, nullptr);
  DoneFramework();
  DoneFramework();
  EXPECT_EQ(GOrder, (std::vector<std::string>{"A+ (framework ready)", "A- (framework ready)"}));
  EXPECT_EQ(Application, nullptr);
}

TEST_F(TUnitsTest, UnitRegisteredWhileRunningStartsAtOnce) {
  InitFramework();
  RegisterUnit("B", StartB, EndB);
  RegisterUnit("Nothing", nullptr, nullptr);
  EXPECT_EQ(GOrder, (std::vector<std::string>{"B+"}));
  DoneFramework();
  EXPECT_EQ(GOrder, (std::vector<std::string>{"B+", "B-"}));
}

TEST_F(TUnitsTest, DoneForgetsTheProgramsUnits) {
  RegisterUnit("B", StartB, EndB);
  InitFramework();
  DoneFramework();
  InitFramework();
  DoneFramework();
  EXPECT_EQ(GOrder, (std::vector<std::string>{"B+", "B-"}));
}

TEST_F(TUnitsTest, ApplicationFreesItsFormsBeforeTheScreenGoes) {
  InitFramework();
  bool ScreenAtDestroy = false;
  struct TWatch : TObject {
    bool* Out = nullptr;
    void Destroyed(TObject*) { *Out = Screen != nullptr && Screen->FormCount() == 1; }
  } Watch;
  Watch.Out = &ScreenAtDestroy;
  TForm* F = nullptr;
  Application->CreateForm(F);
  F->OnDestroy = MakeEvent<&TWatch::Destroyed>(&Watch);
  F->Show();
  HWND Wnd = F->GetHandle();
  DoneFramework();
  EXPECT_TRUE(ScreenAtDestroy);
  EXPECT_FALSE(IsWindow(Wnd));
}
