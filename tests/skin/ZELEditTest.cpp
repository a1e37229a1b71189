#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "resources/Resources.h"
#include "skin/ZELEdit.h"
#include "skin/ZELFlavour.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

class Edits : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(400, 300);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 250, 100, 21);
  }
  void TearDown() override {
    SetSkinFlavour(zelCurrentBuild);
    HeadlessFormsTest::TearDown();
  }
  template <class T>
  T* Place(int width = 120, int height = 25) {
    auto* edit = new T(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, width, height);
    HeadlessPumpUntilIdle();
    return edit;
  }
  void Type(TWinControl* edit, const std::string& text) {
    edit->SetFocus();
    HeadlessText(text);
    HeadlessPumpUntilIdle();
  }
  void Leave() {
    other->SetFocus();
    HeadlessPumpUntilIdle();
  }
  static int Beeps() { return HeadlessRequests().beeps; }
  static TColor WindowPixel(TWinControl* control, int x, int y) {
    control->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(control->Handle())->Pixels(x, y);
  }

  TForm* form = nullptr;
  TEdit* other = nullptr;
};

}  // namespace

TEST_F(Edits, FrameIsTheLooksBorderColourAroundTheEditColour) {
  for (TzelUIStyle look : {MacOS, WinXP, DeepBlue}) {
    auto* edit = Place<TzelEdit>();
    edit->SetUIStyle(look);
    edit->SetColor(0x00F0E0D0);
    const TColor border = GetBuiltInThemeColor(look, 25);
    EXPECT_EQ(edit->BorderColor(), border);
    EXPECT_EQ(WindowPixel(edit, 0, 0), border);
    EXPECT_EQ(WindowPixel(edit, edit->Width() - 1, edit->Height() / 2), border);
    EXPECT_EQ(WindowPixel(edit, 1, 1), TColor(0x00F0E0D0));
    EXPECT_EQ(WindowPixel(edit, edit->Width() / 2, edit->Height() - 2), TColor(0x00F0E0D0));
    delete edit;
  }
}

TEST_F(Edits, BorderColourComesFromATheThemeFileAndFallsBackWhenItGoes) {
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("look.zsk", BuildThemeFile({IntegerItem("SKIN2_CONTROLBORDERCOLOR", 0x123456)})));
  ASSERT_TRUE(theme->Ready());
  auto* edit = Place<TzelSpinEdit>();
  edit->SetFileTheme(theme);
  edit->SetUIStyle(FromThemeFile);
  EXPECT_EQ(edit->BorderColor(), TColor(0x123456));
  EXPECT_EQ(WindowPixel(edit, 0, 3), TColor(0x123456));
  EXPECT_EQ(edit->Button()->FileTheme(), theme);
  EXPECT_EQ(edit->Button()->UIStyle(), FromThemeFile);
  delete theme;
  EXPECT_EQ(edit->FileTheme(), nullptr);
  EXPECT_EQ(edit->UIStyle(), DeepBlue);
  EXPECT_EQ(edit->BorderColor(), TColor(GetBuiltInThemeColor(DeepBlue, 25)));
  EXPECT_EQ(edit->Button()->UIStyle(), DeepBlue);
}

TEST_F(Edits, SpinButtonsSitInsideTheRightEdgeAndOverlapByOnePixel) {
  auto* edit = Place<TzelSpinEdit>(100, 25);
  edit->SetAutoSize(false);
  edit->SetBounds(20, 20, 100, 25);
  TzelSpinButtons* buttons = edit->Button();
  EXPECT_EQ(buttons->BoundsRect(), Rect(100 - 15 - 4, 0, 100 - 4, 21));
  EXPECT_EQ(buttons->UpButton()->BoundsRect(), Rect(0, 0, 15, 11));
  EXPECT_EQ(buttons->DownButton()->BoundsRect(), Rect(0, 10, 15, 21));
  edit->SetHeight(30);  // odd heights: the down button takes the extra pixel
  EXPECT_EQ(buttons->UpButton()->BoundsRect(), Rect(0, 0, 15, 14));
  EXPECT_EQ(buttons->DownButton()->BoundsRect(), Rect(0, 13, 15, 26));
  TRect text;
  SendMessage(edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  EXPECT_EQ(text.Right, edit->ClientWidth() - 15 - 2);

  buttons->SetWidth(10);
  EXPECT_EQ(buttons->Width(), 15);

  // Bounds given before the window exists place the buttons as well.
  auto* early = new TzelSpinEdit(form);
  early->SetBounds(0, 0, 80, early->Height());
  early->SetParent(form);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(early->Button()->Left(), 80 - 15 - 4);
}

TEST_F(Edits, ArrowButtonsAndKeysStepAndClamp) {
  auto* edit = Place<TzelSpinEdit>();
  edit->SetMinValue(1);
  edit->SetMaxValue(10);
  edit->SetIncrement(4);
  edit->SetValue(5);
  HeadlessClick(ScreenPointOf(edit->Button()->UpButton(), 5, 3));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(edit->Text(), "9");
  HeadlessClick(ScreenPointOf(edit->Button()->UpButton(), 5, 3));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(edit->Text(), "10");
  edit->SetFocus();
  HeadlessKeyPress(VK_DOWN);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(edit->Value(), 6);
}

TEST_F(Edits, StepsNeverOverflowAndReadOnlyOnlyBeeps) {
  auto* edit = Place<TzelSpinEdit>();
  edit->SetIncrement(1000);
  edit->SetText("2147483000");
  edit->Button()->UpButton()->Click();
  EXPECT_EQ(edit->Text(), "2147483647");
  edit->SetText("-2147483000");
  edit->Button()->DownButton()->Click();
  EXPECT_EQ(edit->Text(), "-2147483648");

  edit->SetReadOnly(true);
  const int before = Beeps();
  edit->Button()->UpButton()->Click();
  EXPECT_EQ(edit->Text(), "-2147483648");
  EXPECT_EQ(Beeps(), before + 1);
}

TEST_F(Edits, SpinEditFiltersTypingAndClampsOnLeaving) {
  auto* edit = Place<TzelSpinEdit>();
  edit->SetText("");
  const int before = Beeps();
  Type(edit, "-5+.");
  EXPECT_EQ(edit->Text(), "-5");
  EXPECT_EQ(Beeps(), before + 2);
  Leave();
  EXPECT_EQ(edit->Value(), -5);  // equal bounds: no clamping

  edit->SetMinValue(1);
  edit->SetMaxValue(10);
  edit->SetText("");
  Type(edit, "50");
  Leave();
  EXPECT_EQ(edit->Text(), "10");

  edit->SetText("");
  EXPECT_EQ(edit->Value(), 1);
  edit->SetFocus();
  Leave();
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(Edits, SpinEditWithTheEditorOffStillSteps) {
  auto* edit = Place<TzelSpinEdit>();
  edit->SetEditorEnabled(false);
  const int before = Beeps();
  Type(edit, "7");
  EXPECT_EQ(edit->Text(), "0");
  EXPECT_EQ(Beeps(), before + 1);
  HeadlessKeyPress(VK_UP);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(edit->Text(), "1");
  SetClipboardText("42");
  edit->SelectAll();
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), "1");
  edit->SetEditorEnabled(true);
  edit->SelectAll();
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), "42");
}

TEST_F(Edits, NumberEditShowsTheMaskedValueRightAligned) {
  auto* edit = Place<TzelNumberEdit>();
  EXPECT_EQ(edit->Text(), "0.00");
  EXPECT_EQ(edit->Alignment(), taRightJustify);
  edit->SetValue(3.14159);
  EXPECT_EQ(edit->Text(), "3.14");
  EXPECT_DOUBLE_EQ(edit->Value(), 3.14);  // the text is read back

  // Entering selects the last two characters.
  edit->SetFocus();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 2);
  // So does every click; more signs than characters select them all.
  edit->SetAutoSelectSigns(9);
  HeadlessClick(ScreenPointOf(edit, 5, 5));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(edit->SelLength(), 4);
}

TEST_F(Edits, NumberEditKeyFilter) {
  auto* edit = Place<TzelNumberEdit>();
  edit->SetText("");
  const int before = Beeps();
  Type(edit, "1.5.");
  EXPECT_EQ(edit->Text(), "1.5");
  EXPECT_EQ(Beeps(), before + 1);
  Type(edit, "-");  // no "-" in the mask
  EXPECT_EQ(edit->Text(), "1.5");

  edit->SetMask("000");
  edit->SetText("");
  Type(edit, ".5");
  EXPECT_EQ(edit->Text(), "5");
  Leave();
  EXPECT_EQ(edit->Text(), "005");

  edit->SetMask("-0.0");
  edit->SetText("");
  Type(edit, "-2-");
  EXPECT_EQ(edit->Text(), "-2");
  edit->SetSelStart(2);
  HeadlessText("-");
  HeadlessPumpUntilIdle();
  EXPECT_EQ(edit->Text(), "-2");
}

TEST_F(Edits, NumberEditLeavingAndBadText) {
  auto* edit = Place<TzelNumberEdit>();
  int changes = 0;
  edit->OnChange = [&changes](TObject*) { ++changes; };
  edit->SetValue(2.5);
  edit->SetFocus();
  edit->SetText("");
  Leave();
  EXPECT_EQ(edit->Text(), "0.00");
  EXPECT_DOUBLE_EQ(edit->Value(), 0);

  edit->SetText("1,234.5");
  EXPECT_DOUBLE_EQ(edit->Value(), 1234.5);
  // Unreadable text puts the previous value back and says why.
  changes = 0;
  SetClipboardText("abc");
  edit->SelectAll();
  SendMessage(edit->Handle(), WM_PASTE, 0, 0);  // as the context menu does
  HeadlessPumpUntilIdle();
  EXPECT_EQ(edit->Text(), "1234.50");
  EXPECT_DOUBLE_EQ(edit->Value(), 1234.5);
  auto boxes = HeadlessShownMessageBoxes();
  ASSERT_FALSE(boxes.empty());
  EXPECT_NE(boxes.back().text.find("'abc' is not a valid floating point value"), std::string::npos);
}
