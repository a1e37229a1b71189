// The frame on MDI children: maximize and restore reported to the MDI frame
// with the title bar handed over, activation, the last child going, and
// fixed-size children.

#include <gtest/gtest.h>

#include <vector>

#include "platform/framework/ExtCtrls.h"
#include "platform/framework/WindowProcHooks.h"
#include "skin/ZELMainMenu.h"
#include "tests/skin/FormFrameTestSupport.h"

namespace {

class FormFrameMDITest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    Application->CreateForm(mdiFrame);
    mdiFrame->SetFormStyle(fsMDIForm);
    mdiFrame->SetBounds(0, 0, 800, 600);
    hook = std::make_unique<TWindowProcHook>(*mdiFrame, [this](TMessage& message, const TWindowProcHook::TChain& chain) {
      if (message.Msg >= WM_MDICREATE && message.Msg <= WM_MDIREFRESHMENU)
        received.push_back({message.Msg, reinterpret_cast<HWND>(message.WParam)});
      chain.CallPrevious(message);
    });
    mdiFrame->Show();
  }
  void TearDown() override {
    hook.reset();
    HeadlessFormsTest::TearDown();
  }

  TForm* Child(TFormBorderStyle style, TzelForm*& frame) {
    TForm* child = nullptr;
    Application->CreateForm(child);
    child->SetFormStyle(fsMDIChild);
    child->SetBorderStyle(style);
    child->SetBounds(40, 30, 300, 200);
    frame = new TzelForm(child);
    child->Show();
    HeadlessPumpUntilIdle();
    return child;
  }

  bool Received(UINT msg, HWND child = nullptr) const {
    for (const auto& [got, wParam] : received)
      if (got == msg && wParam == child) return true;
    return false;
  }

  TForm* mdiFrame = nullptr;
  std::unique_ptr<TWindowProcHook> hook;
  std::vector<std::pair<UINT, HWND>> received;
};

}  // namespace

TEST_F(FormFrameMDITest, MaximizingHandsTheTitleToTheMDIFrameAndRestoringTakesItBack) {
  TzelForm* frame = nullptr;
  TForm* child = Child(bsSizeable, frame);
  auto* panel = new TPanel(child);
  panel->SetParent(frame);
  panel->SetBounds(10, 50, 80, 30);
  const int titleHeight = frame->TitleBar()->Height();

  child->SetWindowState(wsMaximized);
  HeadlessPumpUntilIdle();
  EXPECT_FALSE(frame->TitleBarVisible());
  EXPECT_EQ(panel->Top(), 50 + 3 - titleHeight);
  EXPECT_TRUE(Received(WM_MDIMAXIMIZE, child->Handle()));
  // A child stays where the MDI frame maximizes it, off the work area's edges.
  EXPECT_NE(child->BoundsRect(), Rect(-2, -2, 1026, 739));

  child->SetWindowState(wsNormal);
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(frame->TitleBarVisible());
  EXPECT_EQ(panel->Top(), 50);
  EXPECT_TRUE(Received(WM_MDIRESTORE, child->Handle()));

  // A title bar the program hid stays hidden after a restore.
  frame->SetTitleBarVisible(false);
  child->SetWindowState(wsMaximized);
  HeadlessPumpUntilIdle();
  child->SetWindowState(wsNormal);
  HeadlessPumpUntilIdle();
  EXPECT_FALSE(frame->TitleBarVisible());
  EXPECT_EQ(panel->Top(), 50);
}

TEST_F(FormFrameMDITest, AChildStartedMaximizedMovesItsContentsOnlyAfterItsFirstRestore) {
  TForm* child = nullptr;
  Application->CreateForm(child);
  child->SetFormStyle(fsMDIChild);
  child->SetBounds(40, 30, 300, 200);
  child->SetWindowState(wsMaximized);
  auto* frame = new TzelForm(child);
  auto* panel = new TPanel(child);
  panel->SetParent(frame);
  panel->SetBounds(10, 50, 80, 30);
  child->Show();
  HeadlessPumpUntilIdle();
  const int titleHeight = frame->TitleBar()->Height();
  EXPECT_FALSE(frame->TitleBarVisible());
  EXPECT_EQ(panel->Top(), 50);

  child->SetWindowState(wsNormal);
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(frame->TitleBarVisible());
  EXPECT_EQ(panel->Top(), 50);
  child->SetWindowState(wsMaximized);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(panel->Top(), 50 + 3 - titleHeight);
  child->SetWindowState(wsNormal);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(panel->Top(), 50);
}

TEST_F(FormFrameMDITest, ActivationLastChildAndMenu) {
  TzelForm* firstFrame = nullptr;
  TzelForm* secondFrame = nullptr;
  TForm* first = Child(bsSizeable, firstFrame);
  TForm* second = Child(bsSizeable, secondFrame);

  // Only the child being activated draws its title bar active.
  SendMessage(first->Handle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->Handle()),
              reinterpret_cast<LPARAM>(second->Handle()));
  EXPECT_FALSE(firstFrame->TitleBar()->FormActive());
  received.clear();
  SendMessage(second->Handle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->Handle()),
              reinterpret_cast<LPARAM>(second->Handle()));
  EXPECT_TRUE(secondFrame->TitleBar()->FormActive());
  EXPECT_TRUE(Received(WM_MDIREFRESHMENU));

  // A child's menu shows in the MDI frame's bar, never in one of its own.
  auto* menu = new TzelMainMenu(second);
  menu->Items()->Add(new TMenuItem(menu));
  secondFrame->SetMenu(menu);
  EXPECT_EQ(secondFrame->MenuBar(), nullptr);
  EXPECT_EQ(secondFrame->MenuBarHeight(), 0);

  // The MDI menu is refreshed when the last child goes; a maximized child
  // going is restored first.
  received.clear();
  delete first;
  EXPECT_FALSE(Received(WM_MDIREFRESHMENU));
  second->SetWindowState(wsMaximized);
  HeadlessPumpUntilIdle();
  const HWND window = second->Handle();
  received.clear();
  delete second;
  EXPECT_TRUE(Received(WM_MDIREFRESHMENU));
  EXPECT_TRUE(Received(WM_MDIRESTORE, window));
}

TEST_F(FormFrameMDITest, AFixedSizeChildCannotBeSizedByItsEdges) {
  TzelForm* frame = nullptr;
  auto edgeHit = [](TForm* child) {
    const TPoint edge{child->Left() + child->Width() - 1, child->Top() + child->Height() / 2};
    return SendMessage(child->Handle(), WM_NCHITTEST, 0, MAKELPARAM(edge.X, edge.Y));
  };
  EXPECT_EQ(edgeHit(Child(bsSingle, frame)), HTBORDER);
  EXPECT_EQ(edgeHit(Child(bsSizeable, frame)), HTRIGHT);
}

TEST_F(FormFrameMDITest, AChildOutlivingItsMDIFrameGoesQuietly) {
  TzelForm* frame = nullptr;
  TForm* child = Child(bsSizeable, frame);
  child->SetWindowState(wsMaximized);
  HeadlessPumpUntilIdle();
  hook.reset();
  delete mdiFrame;
  child->SetWindowState(wsNormal);
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(frame->TitleBarVisible());
  delete child;
}
