#include <memory>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/WindowProcHooks.h"

namespace {

constexpr UINT kProbe = WM_USER + 40;

class WindowProcHookTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm();
    form->SetMessageHandler(kProbe, [this](TMessage& m) {
      seen.push_back("form");
      m.Result = 7;
    });
  }

  // A hook that notes what it sees and passes everything on.
  std::unique_ptr<TWindowProcHook> Hook(const std::string& name) {
    return std::make_unique<TWindowProcHook>(*form, [this, name](TMessage& m, const TWindowProcHook::TChain& chain) {
      if (m.Msg == kProbe) seen.push_back(name);
      chain.CallPrevious(m);
    });
  }

  std::vector<std::string> Probe() {
    seen.clear();
    EXPECT_EQ(form->Perform(kProbe, 0, 0), 7);
    return seen;
  }

  TForm* form = nullptr;
  std::vector<std::string> seen;
};

TEST_F(WindowProcHookTest, ReleasingAnyLinkKeepsTheRestOfTheChain) {
  auto first = Hook("first");
  auto second = Hook("second");
  EXPECT_EQ(Probe(), (std::vector<std::string>{"second", "first", "form"}));

  // Under a later hook the released one only passes messages on.
  first->Release();
  EXPECT_EQ(Probe(), (std::vector<std::string>{"second", "form"}));
  // The outermost one gives the control its previous procedure back.
  second->Release();
  EXPECT_EQ(Probe(), (std::vector<std::string>{"form"}));

  // Released twice, or freed after its control went, nothing happens.
  second->Release();
  first.reset();
  delete form;
  second.reset();
}

TEST_F(WindowProcHookTest, AHandlerLearnsWhenItsOwnerWentDuringThePreviousProcedure) {
  struct TOwner {
    std::unique_ptr<TWindowProcHook> hook;
  };
  auto* owner = new TOwner;
  bool touchedAfter = false;
  owner->hook = std::make_unique<TWindowProcHook>(*form, [&](TMessage& m, const TWindowProcHook::TChain& chain) {
    chain.CallPrevious(m);
    if (chain.Hooked()) touchedAfter = true;
  });
  form->SetMessageHandler(kProbe + 1, [&](TMessage&) { delete owner; });
  form->Perform(kProbe + 1, 0, 0);
  EXPECT_FALSE(touchedAfter);
  EXPECT_EQ(Probe(), (std::vector<std::string>{"form"}));
}

TEST_F(WindowProcHookTest, AFormFreedWhileItsHookRunsLeavesTheHookHarmless) {
  auto hook = std::make_unique<TWindowProcHook>(*form, [&](TMessage& m, const TWindowProcHook::TChain& chain) {
    chain.CallPrevious(m);
    if (m.Msg == kProbe + 2) {
      EXPECT_TRUE(chain.Hooked());
    }
  });
  form->SetMessageHandler(kProbe + 2, [&](TMessage&) { delete form; });
  PostMessage(form->Handle(), kProbe + 2, 0, 0);
  HeadlessPumpUntilIdle();
  hook.reset();  // its control is gone; releasing touches nothing
}

}  // namespace
