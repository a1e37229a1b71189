// The theme link the framed controls share: companions in step on every
// window a program opens, and the recorder's theme files read by element.

#include <gtest/gtest.h>

#include "platform/framework/ExtCtrls.h"
#include "resources/Resources.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELListBox.h"
#include "skin/ZELListView.h"
#include "skin/ZELMemo.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/ZelThemeFiles.h"

namespace {

class ThemeLink : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    SetSkinFlavour(zelOlderBuild);
    ShownForm(300, 200);  // the program's first window
  }
  void TearDown() override {
    HeadlessFormsTest::TearDown();
    SetSkinFlavour(zelCurrentBuild);
  }

  // A later window, filled before it is shown as a dialog is: the
  // control's window comes with the form's.
  TForm* LaterWindow() {
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetBounds(150, 150, 400, 300);
    // A page between the form and the control, as the dialogs have.
    page = new TPanel(form);
    page->SetParent(form);
    page->SetBounds(0, 0, 400, 300);
    return form;
  }
  TzelScrollBar* Bar(TForm* form) {
    auto* bar = new TzelScrollBar(form);
    bar->SetParent(page);
    return bar;
  }
  static void ExpectInStep(TWinControl& control, TzelScrollBar& companion) {
    SCROLLINFO native;
    native.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(control.Handle(), SB_VERT, &native));
    SCROLLBARINFO bar;
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(GetScrollBarInfo(control.Handle(), OBJID_VSCROLL, &bar));
    EXPECT_GT(native.nMax, static_cast<int>(native.nPage));
    EXPECT_EQ(companion.Max(), native.nMax - static_cast<int>(native.nPage) + 1);
    EXPECT_EQ(companion.Position(), native.nPos);
    EXPECT_EQ(companion.LineButton(), std::max(18, bar.xyThumbBottom - bar.xyThumbTop));
    EXPECT_TRUE(companion.Enabled());
  }

  TPanel* page = nullptr;
};

}  // namespace

TEST_F(ThemeLink, CompanionsFollowTheContentOnEveryWindow) {
  std::string lines;
  for (int i = 0; i < 60; ++i) lines += "line " + std::to_string(i) + "\r\n";
  for (int window = 0; window < 2; ++window) {
    SCOPED_TRACE(window);
    TForm* form = LaterWindow();
    auto* memo = new TzelMemo(form);
    memo->SetParent(page);
    memo->SetBounds(10, 10, 200, 120);
    TzelScrollBar* memoBar = Bar(form);
    memo->SetVScrollBar(memoBar);
    memo->Lines()->SetText(lines);

    auto* list = new TzelListBox(form);
    list->SetParent(page);
    list->SetBounds(220, 10, 150, 100);
    TzelScrollBar* listBar = Bar(form);
    list->SetVScrollBar(listBar);
    for (int i = 0; i < 40; ++i) list->Items()->Add("Item " + std::to_string(i));

    form->Show();
    HeadlessPumpUntilIdle();
    ExpectInStep(*memo, *memoBar);
    ExpectInStep(*list, *listBar);
    EXPECT_TRUE(listBar->Visible());

    // Emptied, the list has nothing left to scroll.
    list->Items()->Clear();
    EXPECT_FALSE(listBar->Visible());
  }
}

// The recorder's theme files are keyed by element: every framed control
// takes its colours by the element numbers of the built-in looks.
TEST_F(ThemeLink, RecorderThemeFilesGiveTheFramedControlsTheirElements) {
  TForm* form = LaterWindow();
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("look.zel", BuildZelFile({IntegerItem("FormBackgroundColor", 0x102030),
                                                           IntegerItem("MenuFontColor", 0x0000FF),
                                                           IntegerItem("MenuBarColor", 0x00FF00),
                                                           IntegerItem("ControlBorderColor", 0x345678),
                                                           IntegerItem("ControlFontColor", 0x405060)})));
  ASSERT_TRUE(theme->Ready());
  auto* list = new TzelListBox(form);
  auto* view = new TzelListView(form);
  auto* combo = new TzelComboBox(form);
  TzelScrollBar* bar = Bar(form);
  list->SetVScrollBar(bar);
  for (TWinControl* control : {static_cast<TWinControl*>(list), static_cast<TWinControl*>(view),
                               static_cast<TWinControl*>(combo)}) {
    control->SetParent(page);
    control->SetProp("FileTheme", static_cast<TComponent*>(theme));
    control->SetProp("UIStyle", FromThemeFile);
    EXPECT_EQ(control->GetProp<TColor>("BorderColor"), TColor(0x345678)) << control->ClassName();
  }
  EXPECT_EQ(view->HeaderFontColor(), TColor(0x405060));
  EXPECT_EQ(view->HeaderColor(), TColor(0x102030));
  EXPECT_EQ(combo->ButtonColor(), TColor(0x102030));
  // The list box shares its theme with its companion.
  EXPECT_EQ(bar->FileTheme(), theme);
  EXPECT_EQ(bar->UIStyle(), FromThemeFile);

  delete theme;
  EXPECT_EQ(list->UIStyle(), DeepBlue);
  EXPECT_EQ(list->BorderColor(), TColor(GetBuiltInThemeColor(DeepBlue, 25)));
}
