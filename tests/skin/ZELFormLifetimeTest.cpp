// The frame hooks its form's window procedure and the application's
// messages; whichever of frame, form and application goes first, nothing
// is left half-hooked.

#include <gtest/gtest.h>

#include <utility>

#include "platform/framework/WindowProcHooks.h"
#include "platform/os/MainThread.h"
#include "platform/os/VirtualKeys.h"
#include "skin/ZELMainMenu.h"
#include "tests/skin/FormFrameTestSupport.h"

namespace {

constexpr UINT kProbe = WM_USER + 77;

void PressCtrl(int key) {
  HeadlessKeyDown(VK_CONTROL);
  HeadlessKeyPress(key);
  HeadlessKeyUp(VK_CONTROL);
}

class FormFrameLifetimeTest : public FormFrameTest {
 protected:
  // Messages the form itself still handles.
  int FormProbes() {
    PostMessage(form->Handle(), kProbe, 0, 0);
    HeadlessPumpUntilIdle();
    return probes;
  }
  void SetUp() override {
    FormFrameTest::SetUp();
    form->SetMessageHandler(kProbe, [this](TMessage&) { ++probes; });
  }
  int probes = 0;
};

}  // namespace

TEST_F(FormFrameLifetimeTest, AFrameFreedFirstGivesTheFormItsOwnFrameBack) {
  // A hook set on the form after the frame keeps working.
  int later = 0;
  TWindowProcHook hook(*form, [&](TMessage& m, const TWindowProcHook::TChain& chain) {
    if (m.Msg == kProbe) ++later;
    chain.CallPrevious(m);
  });
  frame->SetUIStyle(WinXP);  // round corners
  const TRect bounds = form->BoundsRect();
  delete frame;
  HeadlessPumpUntilIdle();
  EXPECT_NE(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION, 0u);
  TRgn region;
  EXPECT_EQ(GetWindowRgn(form->Handle(), &region), ERROR);
  EXPECT_EQ(form->BoundsRect(), bounds);
  // The native frame measures the client area again: caption and all.
  const TPoint origin = form->ClientToScreen({0, 0});
  EXPECT_GT(origin.Y - form->Top(), 10);
  EXPECT_EQ(FormProbes(), 1);
  EXPECT_EQ(later, 1);
  // Alt+Space reaches no frame any more.
  PostMessage(form->Handle(), WM_SYSCHAR, ' ', 0x20000000);
  Application->ProcessMessages();
  form->SetBounds(90, 90, 420, 280);
  HeadlessPumpUntilIdle();

  // A new frame dresses the form again.
  frame = new TzelForm(form);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION, 0u);
  EXPECT_EQ(FormProbes(), 2);
  EXPECT_EQ(later, 2);
}

TEST_F(FormFrameLifetimeTest, AFormFreedWithItsFrameLeavesNoHookBehind) {
  auto* menu = new TzelMainMenu(form);
  auto* item = new TMenuItem(form);
  item->SetCaption("&Close");
  item->SetShortCut(ShortCut('W', ssCtrl));
  menu->Items()->Add(item);
  frame->SetMenu(menu);
  delete form;
  form = nullptr;
  HeadlessPumpUntilIdle();
  // The application's messages pass no frame that has gone.
  TForm* next = nullptr;
  Application->CreateForm(next);
  next->Show();
  HeadlessPumpUntilIdle();
  PressCtrl('W');
  HeadlessKeyDown(VK_CONTROL);
  PostMessage(next->Handle(), WM_KEYDOWN, 'W', 0);
  PostMessage(next->Handle(), WM_SYSCHAR, ' ', 0x20000000);
  Application->ProcessMessages();
  HeadlessKeyUp(VK_CONTROL);
}

TEST_F(FormFrameLifetimeTest, AShortcutThatFreesItsFormEndsThere) {
  auto* menu = new TzelMainMenu(form);
  auto* item = new TMenuItem(form);
  item->SetCaption("&Close");
  item->SetShortCut(ShortCut('W', ssCtrl));
  int closes = 0;
  item->OnClick = [&](TObject*) {
    ++closes;
    // The frame and its hooks go while they handle the key (and this
    // handler with its item: nothing of it is touched after).
    delete std::exchange(form, nullptr);
  };
  menu->Items()->Add(item);
  frame->SetMenu(menu);
  HeadlessPumpUntilIdle();
  // Taken from the application's loop: the frame's filter frees itself.
  const HWND window = form->Handle();
  HeadlessKeyDown(VK_CONTROL);
  PostMessage(window, WM_KEYDOWN, 'W', 0);
  PostMessage(window, WM_KEYDOWN, 'W', 0);
  Application->ProcessMessages();
  HeadlessKeyUp(VK_CONTROL);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(form, nullptr);
}

TEST_F(FormFrameLifetimeTest, AFrameFreedWhileItsFormHandlesAMessage) {
  form->SetMessageHandler(kProbe + 1, [this](TMessage&) {
    delete frame;
    frame = nullptr;
  });
  form->SetBounds(110, 110, 380, 250);
  PostMessage(form->Handle(), kProbe + 1, 0, 0);
  HeadlessPumpUntilIdle();
  EXPECT_NE(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION, 0u);
  EXPECT_EQ(FormProbes(), 1);
}

TEST_F(FormFrameLifetimeTest, TheApplicationEndingFreesFramedFormsInAnyOrder) {
  // A second framed form owned by the first, and one the application does not own.
  TForm* owned = new TForm(form);
  new TzelForm(owned);
  owned->Show();
  TForm* loose = new TForm(nullptr);
  auto* looseFrame = new TzelForm(loose);
  loose->Show();
  HeadlessPumpUntilIdle();
  Application->DestroyForms();
  form = nullptr;
  HeadlessPumpUntilIdle();
  // The frame outliving the application's forms still works and goes cleanly.
  looseFrame->SetUIStyle(BlueGlass);
  HeadlessPumpUntilIdle();
  int popups = 0;
  looseFrame->TitleBar()->SystemMenu()->OnPopup = [&](TObject*) {
    ++popups;
    PostToMainThread([] { HeadlessKeyPress(VK_ESCAPE); });
  };
  PostMessage(loose->Handle(), WM_SYSCHAR, ' ', 0x20000000);
  Application->ProcessMessages();
  EXPECT_EQ(popups, 1);
  delete loose;
  HeadlessPumpUntilIdle();
}
