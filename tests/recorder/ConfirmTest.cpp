#include "ControlTable.h"
#include "HeadlessWindows.h"
#include "platform/os/MainThread.h"
#include "recorder/Confirm.h"
#include "skin/ZELForm.h"

namespace {

TEST(ConfirmLayout, MessageOfOneWordIsAtLeast220WideWithACentredOk) {
  TConfirmLayout l = LayOutConfirm(CONFIRM_MESSAGE, 50, 16, 80, 1024);
  EXPECT_EQ(l.caption, "Message");
  EXPECT_EQ(l.windowWidth, 220);
  EXPECT_EQ(l.windowHeight, 137);
  EXPECT_EQ(l.buttonTop, 91);
  EXPECT_EQ(l.labelLeft, 83);
  EXPECT_EQ(l.noLeft, 70);
  EXPECT_EQ(l.noCaption, "&Ok");
  EXPECT_FALSE(l.yesVisible);
  EXPECT_EQ(l.windowLeft, 402);
}

TEST(ConfirmLayout, LongTextsWidenTheWindowAndDivisionsTruncate) {
  TConfirmLayout q = LayOutConfirm(CONFIRM_QUESTION, 301, 13, 80, 1023);
  EXPECT_EQ(q.caption, "Confirm");
  EXPECT_EQ(q.windowWidth, 341);
  EXPECT_EQ(q.labelLeft, 20);
  EXPECT_EQ(q.yesLeft, 85);   // (341 - 170) / 2
  EXPECT_EQ(q.noLeft, 175);
  EXPECT_EQ(q.windowLeft, 341);  // (1023 - 341) / 2
  EXPECT_EQ(q.noCaption, "&No");
  EXPECT_TRUE(q.yesVisible);

  TConfirmLayout m = LayOutConfirm(CONFIRM_MESSAGE, 301, 13, 80, 1024);
  EXPECT_EQ(m.windowWidth, 331);
  EXPECT_EQ(m.labelLeft, 13);  // (331 - 301) / 2 - 2
  EXPECT_EQ(m.noLeft, 125);
}

TEST(ConfirmLayout, MinimumWidthHoldsJustBelowTheThreshold) {
  EXPECT_EQ(LayOutConfirm(CONFIRM_QUESTION, 179, 13, 80, 1024).windowWidth, 220);
  EXPECT_EQ(LayOutConfirm(CONFIRM_QUESTION, 181, 13, 80, 1024).windowWidth, 221);
  EXPECT_EQ(LayOutConfirm(CONFIRM_MESSAGE, 189, 13, 80, 1024).windowWidth, 220);
  EXPECT_EQ(LayOutConfirm(CONFIRM_MESSAGE, 191, 13, 80, 1024).windowWidth, 221);
}

TEST(ConfirmLayout, AnUnknownModeNeverOffersYes) {
  TConfirmLayout l = LayOutConfirm(7, 50, 16, 80, 1024);
  EXPECT_FALSE(l.yesVisible);
  EXPECT_EQ(l.noCaption, "&Ok");
}

class ConfirmDialog : public HeadlessWindowsTest {
 protected:
  TfrmConfirm* dialog = nullptr;
  void SetUp() override {
    HeadlessWindowsTest::SetUp();
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->Show();
    Application->CreateForm(dialog);
  }
  int Ask(BYTE mode, const std::string& text, std::function<void()> answer) {
    dialog->SetConfirmMode(mode);
    dialog->SetConfirmText(text);
    PostToMainThread(std::move(answer));
    return dialog->ShowModal();
  }
};

TEST_F(ConfirmDialog, ButtonsAnswerYesNoAndClosingAnswersCancel) {
  EXPECT_EQ(Ask(CONFIRM_QUESTION, "Delete it ?", [&] { dialog->zelButton1->Click(); }), 6);
  EXPECT_EQ(Ask(CONFIRM_QUESTION, "Delete it ?", [&] { dialog->zelButton2->Click(); }), 7);
  EXPECT_EQ(Ask(CONFIRM_QUESTION, "Delete it ?", [&] { HeadlessRequestClose(dialog->Handle()); }), 2);
  EXPECT_EQ(Ask(CONFIRM_MESSAGE, "Done", [&] { dialog->zelButton2->Click(); }), 7);
}

TEST_F(ConfirmDialog, EachShowAppliesItsModeAndText) {
  bool yesShown = true;
  Ask(CONFIRM_MESSAGE, "Done", [&] {
    yesShown = dialog->zelButton1->Visible();
    dialog->zelButton2->Click();
  });
  EXPECT_FALSE(yesShown);
  EXPECT_EQ(dialog->Caption(), "Message");
  EXPECT_EQ(dialog->zelButton2->Caption(), "&Ok");
  // The window draws its own frame: the layout's sizes are the window's.
  EXPECT_EQ(dialog->Width(), 220);
  EXPECT_EQ(dialog->zelButton2->Left(), 70);
  EXPECT_EQ(dialog->Label1->Caption(), "Done");

  Ask(CONFIRM_QUESTION, "Converting in progress, do you want to cancel ?", [&] {
    yesShown = dialog->zelButton1->Visible();
    dialog->zelButton2->Click();
  });
  EXPECT_TRUE(yesShown);
  EXPECT_EQ(dialog->Caption(), "Confirm");
  EXPECT_EQ(dialog->zelButton1->Caption(), "&Yes");
  EXPECT_EQ(dialog->zelButton2->Caption(), "&No");
  const int labelWidth = dialog->Label1->Width();
  EXPECT_GT(labelWidth, 180);
  EXPECT_EQ(dialog->Width(), labelWidth + 40);
  EXPECT_EQ(dialog->Height(), dialog->Label1->Height() + 121);
  EXPECT_EQ(dialog->zelButton1->Top(), dialog->Height() - 46);
  EXPECT_EQ(dialog->Left(), (1024 - dialog->Width()) / 2);
}

TEST_F(ConfirmDialog, TheButtonsShowWholeInsideTheWindow) {
  for (BYTE mode : {CONFIRM_QUESTION, CONFIRM_MESSAGE}) {
    TRect client;
    Ask(mode, "Delete it ?", [&] {
      client = dialog->ClientRect();
      dialog->zelButton2->Click();
    });
    EXPECT_LE(dialog->zelButton2->Top() + dialog->zelButton2->Height(), client.Bottom - 8);
    EXPECT_GE(dialog->zelButton2->Top(), dialog->Label1->Top() + dialog->Label1->Height());
  }
}

}  // namespace

namespace {

TEST_F(ConfirmDialog, IsBuiltAsItsLayoutTableSays) {
  ExpectControls(dialog, {
                             {"", "zelForm1", "TzelForm", 0, 0, dialog->ClientWidth(), dialog->ClientHeight()},
                             {"zelForm1", "Label1", "TLabel", 7, 56, -1, -1},
                             {"zelForm1", "zelButton1", "TzelButton", 104, 88, 80, 27},
                             {"zelForm1", "zelButton2", "TzelButton", 200, 88, 80, 27},
                         });
  EXPECT_EQ(PlainControlsOf(dialog, {}), std::set<std::string>{});
  EXPECT_EQ(dialog->zelForm1->Caption(), "Confirm");
  EXPECT_EQ(dialog->zelForm1->UIStyle(), FromThemeFile);
  ASSERT_NE(dialog->zelForm1->FileTheme(), nullptr);
  EXPECT_EQ(dialog->zelForm1->FileTheme()->Name(), "themeMp10");
  EXPECT_EQ(dialog->zelButton1->Caption(), "&Yes");
  EXPECT_EQ(dialog->zelButton1->FileTheme(), dialog->zelForm1->FileTheme()) << "the buttons wear the frame's theme";
}

}  // namespace
