#include <gtest/gtest.h>

#include "platform/framework/ControlMessages.h"
#include "platform/gfx/Bitmap.h"
#include "platform/os/VirtualKeys.h"
#include "resources/Resources.h"
#include "skin/ZELButton.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

class SkinButtons : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(300, 200);
  }
  template <class T>
  T* Place(TWinControl* parent, int top) {
    auto* button = new T(form);
    button->SetBounds(10, top, 93, 17);
    button->SetParent(parent);
    button->OnClick = [this](TObject*) { ++clicks; };
    return button;
  }
  static TColor Pixel(TControl* control, int x, int y) {
    control->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(static_cast<TWinControl*>(control)->Handle())->Pixels(x, y);
  }
  TForm* form = nullptr;
  int clicks = 0;
};

}  // namespace

TEST_F(SkinButtons, CheckBoxTogglesAndReportsChangesOnly) {
  auto* box = Place<TzelCheckBox>(form, 10);
  EXPECT_EQ(box->ClassName(), "TzelCheckBox");
  EXPECT_TRUE(box->TabStop());
  EXPECT_EQ(box->Color(), clWindow);
  box->Click();
  EXPECT_TRUE(box->Checked());
  box->Click();
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 2);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 2);

  box->SetState(cbChecked);
  EXPECT_EQ(box->State(), cbChecked);
  box->SetState(cbGrayed);
  EXPECT_EQ(box->State(), cbUnchecked);

  box->BeginLoading();
  box->SetProp("Checked", true);
  box->Loaded();
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 4);  // the two State writes; none while loading
}

TEST_F(SkinButtons, RadioButtonsUncheckTheirGroupOnTheSameParentOnly) {
  auto* a = Place<TzelRadioButton>(form, 10);
  auto* b = Place<TzelRadioButton>(form, 30);
  auto* other = Place<TzelRadioButton>(form, 50);
  other->SetGroupIndex(1);
  auto* holder = new TCustomControl(form);
  holder->SetParent(form);
  auto* elsewhere = Place<TzelRadioButton>(holder, 0);
  other->SetChecked(true);
  elsewhere->SetChecked(true);
  a->SetChecked(true);
  clicks = 0;

  b->Click();
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(other->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  EXPECT_EQ(clicks, 1);  // unchecking a fired nothing

  b->Click();  // a radio button never unchecks itself
  EXPECT_TRUE(b->Checked());
  b->SetChecked(false);
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkinButtons, SpaceTogglesACheckBoxButNotARadioButton) {
  auto* box = Place<TzelCheckBox>(form, 10);
  auto* radio = Place<TzelRadioButton>(form, 30);
  box->SetFocus();
  HeadlessKeyPress(VK_SPACE, " ");
  EXPECT_TRUE(box->Checked());
  radio->SetFocus();
  HeadlessKeyPress(VK_SPACE, " ");
  EXPECT_FALSE(radio->Checked());
}

TEST_F(SkinButtons, StatePictureComesFromTheLook) {
  for (TzelUIStyle look : {MacOS, DeepBlue, Protein}) {
    auto* box = Place<TzelCheckBox>(form, 10);
    box->SetUIStyle(look);
    box->SetCaption("Loop");
    for (int state = 0; state < 4; ++state) {
      const bool checked = state < 2, enabled = state % 2 == 0;
      box->SetChecked(checked);
      box->SetEnabled(enabled);
      const int part = checked ? (enabled ? 1 : 3) : (enabled ? 2 : 4);
      TBitmap expected;
      GetBuiltInThemeBitmap(look, 3, &expected, 4, part);
      const int w = expected.Width(), h = expected.Height();
      ASSERT_GT(w, 0);
      // Sized to picture and caption, the picture centred at the left.
      Pixel(box, 0, 0);
      EXPECT_EQ(box->Width(), w + box->Canvas()->TextWidth("Loop") + 8);
      const int py = (box->ClientHeight() - h) / 2;
      EXPECT_EQ(Pixel(box, 1 + w / 2, py + h / 2), expected.Canvas()->Pixels(w / 2, h / 2))
          << int(look) << " part " << part;
    }
    box->Free();
  }
}

TEST_F(SkinButtons, ThemeRemovalFallsBackToDeepBlue) {
  auto* box = Place<TzelCheckBox>(form, 10);
  auto* theme = new TzelFileTheme(form);
  box->SetUIStyle(FromThemeFile);
  box->SetFileTheme(theme);
  Pixel(box, 0, 0);  // no theme loaded: paints DeepBlue without failing
  delete theme;
  EXPECT_EQ(box->FileTheme(), nullptr);
  EXPECT_EQ(box->UIStyle(), DeepBlue);
}
