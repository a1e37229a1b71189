// The skinned message dialog: its buttons, their order, results and
// keys, the box's size for text, icon and buttons, the copied text and
// the title colour each look and theme gives.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/os/MainThread.h"
#include "platform/os/VirtualKeys.h"
#include "platform/win/WinApi.h"
#include "resources/Resources.h"
#include "skin/ZELButton.h"
#include "skin/ZELDlg.h"
#include "skin/ZELFlavour.h"
#include "skin/frmMessage.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"
#include "tests/skin/ZelThemeFiles.h"

namespace {

// A button as the box showed it.
struct TShownButton {
  std::string caption;
  int modalResult = 0;
  bool cancel = false;
  bool isDefault = false;
  TRect bounds;
  TCursor cursor = 0;
  TzelUIStyle style = DeepBlue;
  TzelFileTheme* theme = nullptr;
  bool active = false;
};

// What the box showed, taken while it was up.
struct TShown {
  int clientWidth = 0;
  int clientHeight = 0;
  int textLeft = 0;
  int textBottom = 0;
  int textWidth = 0;
  bool iconVisible = false;
  int iconWidth = 0;
  std::string caption;
  TColor color = 0;

  std::vector<TShownButton> buttons;  // in creation order, the rightmost first
  std::vector<TzelButton*> live;      // the same, while the box is up
};

class MessageDialog : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    main = ShownForm(400, 300);
    dialog = new TzelMessageDialog(main);
  }

  // Shows the dialog; `act` runs while the box is up, after its state is
  // read into `shown`.
  int Show(const std::function<void(TfrmMsg&)>& act) {
    PostToMainThread([this, act] {
      TfrmMsg& box = *dialog->Box();
      shown = {};
      shown.clientWidth = box.ClientWidth();
      shown.clientHeight = box.ClientHeight();
      shown.textLeft = box.lbl->Left();
      shown.textBottom = box.lbl->Top() + box.lbl->Height();
      shown.textWidth = box.lbl->Width();
      shown.iconVisible = box.Image1->Visible();
      shown.iconWidth = box.Image1->Width();
      shown.caption = box.Caption();
      shown.color = box.ButtonParent()->Color();  // the frame's
      for (int i = 0; i < box.ComponentCount(); ++i)
        if (auto* button = dynamic_cast<TzelButton*>(box.Components(i))) {
          shown.live.push_back(button);
          shown.buttons.push_back({button->Caption(), button->ModalResult(), button->Cancel(), button->Default(),
                                   button->BoundsRect(), button->Cursor(), button->UIStyle(), button->FileTheme(),
                                   box.ActiveControl() == button});
        }
      act(box);
    });
    const int result = dialog->ShowModal();
    EXPECT_EQ(dialog->Box(), nullptr);
    return result;
  }

  // Clicks the button-th button made (0: the rightmost).
  void Click(int button) { shown.live.at(button)->Click(); }

  TForm* main = nullptr;
  TzelMessageDialog* dialog = nullptr;
  TShown shown;
};

}  // namespace

TEST_F(MessageDialog, StartsAsOneOkButtonSayingHello) {
  EXPECT_EQ(dialog->Caption(), "zelDialog");
  EXPECT_EQ(dialog->Position(), poScreenCenter);
  EXPECT_EQ(dialog->ButtonCursor(), crHandPoint);
  EXPECT_EQ(dialog->UIStyle(), DeepBlue);
  EXPECT_EQ(dialog->ButtonCount(), 1);
  EXPECT_EQ(dialog->Button1Caption(), "OK");
  EXPECT_EQ(dialog->Button2Caption(), "Cancel");
  EXPECT_EQ(dialog->Button3Caption(), "Cancel");
  EXPECT_EQ(dialog->Button1ModalResult(), mrOk);
  EXPECT_EQ(dialog->Button2ModalResult(), mrCancel);
  EXPECT_EQ(dialog->Button3ModalResult(), mrCancel);
  EXPECT_EQ(dialog->Text(), "Hello world!");
  EXPECT_EQ(dialog->IconType(), TzelIconType::zelNone);
  EXPECT_EQ(dialog->CaptionFont()->Name(), "Tahoma");
  EXPECT_TRUE(dialog->CaptionFont()->Style() & TFontStyles(fsBold));
  EXPECT_EQ(dialog->CaptionFont()->Color(), clWhite);
  dialog->SetButtonCount(0);
  EXPECT_EQ(dialog->ButtonCount(), 1);
  dialog->SetButtonCount(7);
  EXPECT_EQ(dialog->ButtonCount(), 3);
}

TEST_F(MessageDialog, TwoDefaultButtonsAreOkOnTheLeftAndCancelOnTheRight) {
  dialog->SetButtonCount(2);
  EXPECT_EQ(Show([this](TfrmMsg&) { Click(1); }), mrOk);
  ASSERT_EQ(shown.buttons.size(), 2u);
  const TShownButton& right = shown.buttons[0];
  const TShownButton& left = shown.buttons[1];
  EXPECT_EQ(right.caption, "Cancel");
  EXPECT_EQ(right.modalResult, mrCancel);
  EXPECT_TRUE(right.cancel);
  EXPECT_FALSE(right.isDefault);
  EXPECT_EQ(left.caption, "OK");
  EXPECT_EQ(left.modalResult, mrOk);
  EXPECT_TRUE(left.isDefault);
  EXPECT_FALSE(left.cancel);
  EXPECT_TRUE(left.active) << "Button1 has the focus";
  EXPECT_GT(right.bounds.Left, left.bounds.Left);
  EXPECT_EQ(right.bounds.Width(), 73);
  EXPECT_EQ(right.bounds.Height(), 25);
  EXPECT_EQ(right.cursor, crHandPoint);

  EXPECT_EQ(Show([this](TfrmMsg&) { Click(0); }), mrCancel);
  // Enter presses the default button, Escape the cancel button.
  EXPECT_EQ(Show([](TfrmMsg&) { HeadlessKeyPress(VK_RETURN); }), mrOk);
  EXPECT_EQ(Show([](TfrmMsg&) { HeadlessKeyPress(VK_ESCAPE); }), mrCancel);
}

TEST_F(MessageDialog, FreeCaptionsAndResultsGoToTheirButtons) {
  dialog->SetButtonCount(3);
  dialog->SetButton1Caption("&Yes");
  dialog->SetButton1ModalResult(mrYes);
  dialog->SetButton2Caption("&No");
  dialog->SetButton2ModalResult(mrNo);
  dialog->SetButton3Caption("Stop");
  dialog->SetButton3ModalResult(mrCancel);
  EXPECT_EQ(Show([this](TfrmMsg&) { Click(1); }), mrNo);
  ASSERT_EQ(shown.buttons.size(), 3u);
  EXPECT_EQ(shown.buttons[0].caption, "Stop");
  EXPECT_EQ(shown.buttons[2].caption, "&Yes");
  EXPECT_FALSE(shown.buttons[2].isDefault) << "only a result of OK makes a default button";
  EXPECT_TRUE(shown.buttons[0].cancel);
  EXPECT_EQ(Show([this](TfrmMsg&) { Click(2); }), mrYes);
}

TEST_F(MessageDialog, WidthFollowsIconAndButtonCount) {
  const auto widthFor = [this](int buttons, TzelIconType icon) {
    dialog->SetButtonCount(buttons);
    dialog->SetIconType(icon);
    Show([this](TfrmMsg&) { Click(int(shown.live.size()) - 1); });
    return shown.clientWidth;
  };
  EXPECT_EQ(widthFor(3, TzelIconType::zelNone), 336);
  EXPECT_EQ(widthFor(2, TzelIconType::zelNone), 272);
  EXPECT_EQ(widthFor(1, TzelIconType::zelNone), 272);
  EXPECT_FALSE(shown.iconVisible);
  EXPECT_EQ(shown.textLeft, 24);
  // The rightmost button keeps 24 pixels to the edge, the next one 20 to it.
  EXPECT_EQ(shown.buttons[0].bounds.Left, 272 - 97);
  EXPECT_EQ(widthFor(1, TzelIconType::zelStop), 336);
  EXPECT_TRUE(shown.iconVisible);
  EXPECT_EQ(shown.iconWidth, 42) << "one cell of the four icons";
  EXPECT_EQ(shown.textLeft, 88);
  EXPECT_EQ(widthFor(2, TzelIconType::zelHelp), 336);
  EXPECT_EQ(shown.buttons[1].bounds.Left, 336 - 93 - 97);
}

TEST_F(MessageDialog, LongTextWrapsAt225AndMovesTheButtonsDown) {
  Show([this](TfrmMsg&) { Click(0); });
  const int shortBottom = shown.textBottom;
  EXPECT_EQ(shown.buttons[0].bounds.Top, 104 + 20) << "below the icon's place when the text is short";
  EXPECT_EQ(shown.clientHeight, 104 + 65);
  EXPECT_EQ(shown.caption, "zelDialog");

  dialog->SetText("The disc could not be finished: the writer stopped answering while the last track was "
                  "written, and the session was left open on the disc.");
  Show([this](TfrmMsg&) { Click(0); });
  EXPECT_EQ(shown.textWidth, 225);
  EXPECT_GT(shown.textBottom, shortBottom + 30) << "several lines";
  EXPECT_EQ(shown.buttons[0].bounds.Top, shown.textBottom + 20);
  EXPECT_EQ(shown.clientHeight, shown.textBottom + 65);
}

TEST_F(MessageDialog, CtrlCCopiesCaptionTextAndButtonsBetweenRules) {
  dialog->SetButtonCount(2);
  dialog->SetCaption("Burning");
  dialog->SetText("Abort burning?");
  Show([this](TfrmMsg&) {
    HeadlessKeyDown(VK_CONTROL);
    HeadlessKeyPress('C');
    HeadlessKeyUp(VK_CONTROL);
    Click(0);
  });
  const std::string rule(27, '-');
  EXPECT_EQ(GetClipboardText(), rule + "\r\nBurning\r\n" + rule + "\r\nAbort burning?\r\n" + rule +
                                    "\r\nCancel   OK\r\n" + rule);
}

namespace {

class MessageDialogThemes : public MessageDialog {
 protected:
  void TearDown() override {
    MessageDialog::TearDown();
    SetSkinFlavour(zelCurrentBuild);
  }
  TzelFileTheme* OlderTheme(const std::vector<TItem>& items) {
    SetSkinFlavour(zelOlderBuild);
    auto* theme = new TzelFileTheme(main);
    theme->SetThemeFile(temp.Write("theme" + std::to_string(++files) + ".zel", BuildZelFile(items)));
    return theme;
  }
  TColor TitleColorWith(TzelFileTheme* theme) {
    dialog->SetFileTheme(theme);
    dialog->SetUIStyle(FromThemeFile);
    return dialog->CaptionFont()->Color();
  }
  TPrivateTempFolder temp;
  int files = 0;
};

}  // namespace

TEST_F(MessageDialogThemes, TitleColourComesFromTheLookOrTheTheme) {
  dialog->SetUIStyle(MacOS);
  EXPECT_EQ(dialog->CaptionFont()->Color(), clBlack);
  dialog->SetUIStyle(WinXP);
  EXPECT_EQ(dialog->CaptionFont()->Color(), clWhite);
  dialog->SetUIStyle(FromThemeFile);  // no theme: DeepBlue
  EXPECT_EQ(dialog->CaptionFont()->Color(), clWhite);

  EXPECT_EQ(TitleColorWith(OlderTheme({IntegerItem("TitleBarFontColor", 0x123456)})), TColor(0x123456));
  for (int dark : {65536, 196608, 262144, 327680})
    EXPECT_EQ(TitleColorWith(OlderTheme({IntegerItem("ControlFontColor", dark)})), clBlack) << dark;
  EXPECT_EQ(TitleColorWith(OlderTheme({IntegerItem("ControlFontColor", 131072)})), clWhite);
  EXPECT_EQ(TitleColorWith(OlderTheme({})), clWhite);

  // The recorder's own themes: white titles on the dark bars, black on silver.
  const char* resources[] = {kRecorderThemeResource1, kRecorderThemeResource2, kRecorderThemeResource3,
                             kRecorderThemeResource4};
  for (const char* resource : resources) {
    auto* theme = new TzelBuiltInFileTheme(main);
    theme->LoadSkinData(LoadResourceData(resource));
    EXPECT_EQ(TitleColorWith(theme), resource == resources[3] ? clBlack : clWhite) << resource;
  }

  // The theme going away brings DeepBlue back.
  TzelFileTheme* last = OlderTheme({IntegerItem("ControlFontColor", 65536)});
  EXPECT_EQ(TitleColorWith(last), clBlack);
  delete last;
  EXPECT_EQ(dialog->FileTheme(), nullptr);
  EXPECT_EQ(dialog->UIStyle(), DeepBlue);
  EXPECT_EQ(dialog->CaptionFont()->Color(), clWhite);
}

TEST_F(MessageDialogThemes, TheBoxAndItsButtonsWearTheDialogsTheme) {
  auto* theme = new TzelBuiltInFileTheme(main);
  SetSkinFlavour(zelOlderBuild);
  theme->LoadSkinData(LoadResourceData(kRecorderThemeResource2));
  dialog->SetFileTheme(theme);
  dialog->SetUIStyle(FromThemeFile);
  dialog->SetButtonCount(2);
  Show([this](TfrmMsg&) { Click(0); });
  EXPECT_EQ(shown.color, TColor(theme->GetColor(15)));
  for (const TShownButton& button : shown.buttons) {
    EXPECT_EQ(button.style, FromThemeFile);
    EXPECT_EQ(button.theme, theme);
  }
}

