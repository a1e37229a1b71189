#include <gtest/gtest.h>

#include "platform/framework/ControlMessages.h"
#include "platform/gfx/Bitmap.h"
#include "platform/os/VirtualKeys.h"
#include "resources/Resources.h"
#include "skin/ZELButton.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

class PushButtons : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(300, 200);
  }
  void TearDown() override {
    SetSkinFlavour(zelCurrentBuild);
    HeadlessFormsTest::TearDown();
  }
  template <class T>
  T* Place(int left, int top, int width = 80, int height = 27) {
    auto* button = new T(form);
    button->SetBounds(left, top, width, height);
    button->SetParent(form);
    button->OnClick = [this](TObject* sender) { clicked.push_back(sender); };
    button->OnMouseContinuouslyDown = [this](TObject*) { ++repeats; };
    return button;
  }
  static TColor Pixel(TWinControl* control, int x, int y) {
    control->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(control->Handle())->Pixels(x, y);
  }
  // The look's button face for a state, stretched as the button shows it.
  static TColor FacePixel(TzelUIStyle look, int part, int width, int height, int x, int y) {
    TBitmap piece, face(width, height);
    GetBuiltInThemeBitmap(look, 1, &piece, 3, part);
    face.Canvas()->Brush()->SetColor(GetBuiltInThemeColor(look, 15));
    face.Canvas()->FillRect({0, 0, width, height});
    DrawSkinBitmap(piece, *face.Canvas(), {0, 0, width, height}, false);
    return face.Canvas()->Pixels(x, y);
  }
  void Press(TControl* control) {
    HeadlessMouseMove(ScreenPointOf(control, 5, 5));
    HeadlessMouseDown();
  }

  TForm* form = nullptr;
  std::vector<TObject*> clicked;
  int repeats = 0;
};

}  // namespace

TEST_F(PushButtons, ButtonTakesSizeAndTransparencyFromTheLook) {
  auto* button = new TzelButton(form);
  EXPECT_FALSE(button->Transparent());  // DeepBlue

  button->SetUIStyle(MacOS);
  EXPECT_TRUE(button->Transparent());
  button->SetTransparent(false);
  button->SetUIStyle(BlueGlass);  // a new look overrides the hand-set value
  EXPECT_TRUE(button->Transparent());
  button->SetUIStyle(Protein);
  EXPECT_FALSE(button->Transparent());

  button->SetAutoSize(true);  // one third of the look's strip
  EXPECT_EQ(button->Width(), 222 / 3);
  EXPECT_EQ(button->Height(), 21);
  button->SetUIStyle(FromThemeFile);
  button->SetAutoSize(false);
  button->SetAutoSize(true);  // no strip for that look: 74 x 21 by three
  EXPECT_EQ(button->Width(), 24);
  EXPECT_EQ(button->Height(), 21);
}

TEST_F(PushButtons, FaceShowsTheStateInEveryLook) {
  for (TzelUIStyle look : {WinXP, DeepBlue, BlueGlass}) {
    auto* button = Place<TzelButton>(20, 20);
    button->SetUIStyle(look);
    button->SetTransparent(false);
    button->SetColor(GetBuiltInThemeColor(look, 15));
    const int x = 40, y = 13;
    EXPECT_EQ(Pixel(button, x, y), FacePixel(look, 1, 80, 27, x, y)) << int(look);

    HeadlessMouseMove(ScreenPointOf(button, x, y));
    EXPECT_TRUE(button->MouseOver());
    EXPECT_EQ(Pixel(button, x, y), FacePixel(look, 2, 80, 27, x, y)) << int(look);

    HeadlessMouseDown();
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(Pixel(button, x, y), FacePixel(look, 3, 80, 27, x, y)) << int(look);
    HeadlessMouseUp();
    EXPECT_FALSE(button->Down());

    button->SetEnabled(false);
    EXPECT_EQ(Pixel(button, x, y), FacePixel(look, 1, 80, 27, x, y)) << int(look);
    HeadlessMouseMove({0, 0});
    button->Free();
  }
}

TEST_F(PushButtons, HoldingRepeatsEveryIntervalUntilRelease) {
  auto* button = Place<TzelButton>(20, 20);
  Press(button);
  HeadlessAdvanceClock(99);
  EXPECT_EQ(repeats, 0);  // nothing fires at the press itself
  HeadlessAdvanceClock(1);
  EXPECT_EQ(repeats, 1);
  HeadlessAdvanceClock(250);
  EXPECT_EQ(repeats, 3);
  HeadlessMouseUp();
  EXPECT_EQ(clicked.size(), 1u);
  HeadlessAdvanceClock(500);
  EXPECT_EQ(repeats, 3);

  // A press shorter than one interval clicks without repeating.
  Press(button);
  HeadlessAdvanceClock(60);
  HeadlessMouseUp();
  HeadlessAdvanceClock(500);
  EXPECT_EQ(repeats, 3);
  EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(PushButtons, RepeatEndsWhenTheReleaseBringsNoClick) {
  auto* button = Place<TzelButton>(20, 20);
  int exits = 0;
  button->OnMouseExit = [&](TObject*) { ++exits; };
  Press(button);
  HeadlessMouseMove(ScreenPointOf(button, 200, 100));  // dragged off
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->MouseOver());
  HeadlessMouseUp();
  EXPECT_EQ(exits, 1);

  Press(button);
  HeadlessAdvanceClock(100);
  button->SetEnabled(false);  // e.g. a line button at the end of its range
  HeadlessMouseUp();
  HeadlessAdvanceClock(1000);
  EXPECT_EQ(repeats, 1);
  EXPECT_TRUE(clicked.empty());
}

TEST_F(PushButtons, EnterPressesTheFocusedButtonAndEscapeTheCancelOne) {
  auto* first = Place<TzelButton>(20, 20);
  auto* second = Place<TzelButton>(20, 60);
  auto* cancel = Place<TzelButton>(20, 100);
  auto* other = new TSolidControl(form);
  other->SetBounds(150, 20, 40, 40);
  other->SetParent(form);
  first->SetDefault(true);
  second->SetDefault(true);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);

  second->SetModalResult(mrOk);
  second->SetFocus();
  HeadlessKeyDown(VK_SPACE, " ");  // Space clicks on its release
  EXPECT_TRUE(second->Down() && clicked.empty());
  HeadlessKeyUp(VK_SPACE);
  HeadlessKeyPress(VK_RETURN);
  EXPECT_EQ(form->ModalResult(), mrOk);
  ASSERT_EQ(clicked.size(), 2u);
  EXPECT_EQ(clicked[1], second);
  clicked.clear();
  EXPECT_FALSE(first->ActiveDefault());

  other->SetFocus();  // no button focused: the default ones take Enter again
  EXPECT_TRUE(first->ActiveDefault());
  EXPECT_TRUE(second->ActiveDefault());
  HeadlessKeyPress(VK_RETURN);
  ASSERT_EQ(clicked.size(), 1u);

  HeadlessKeyPress(VK_ESCAPE);
  ASSERT_EQ(clicked.size(), 2u);
  EXPECT_EQ(clicked[1], cancel);
  EXPECT_EQ(form->ModalResult(), mrCancel);
  HeadlessClick(ScreenPointOf(first, 10, 10));  // a result of 0 is written too
  EXPECT_EQ(form->ModalResult(), mrNone);
  EXPECT_TRUE(first->Focused());

  cancel->SetEnabled(false);  // a button that cannot take the focus takes no key
  HeadlessKeyPress(VK_ESCAPE);
  EXPECT_EQ(clicked.size(), 3u);
}

TEST_F(PushButtons, AcceleratorWithoutAltOnlyFromASkinnedButtonInTheCurrentBuild) {
  auto* yes = Place<TzelButton>(20, 20);
  yes->SetCaption("&Yes");
  auto* focus = Place<TzelButton>(20, 60);
  focus->SetFocus();
  EXPECT_EQ(focus->Perform(zelMsgIsSkinButton, 0, 0), 1);
  form->Perform(CM_DIALOGCHAR, 'y', 0);
  ASSERT_EQ(clicked.size(), 1u);
  EXPECT_EQ(clicked[0], yes);

  SetSkinFlavour(zelOlderBuild);  // no answer, so Alt is needed
  EXPECT_EQ(focus->Perform(zelMsgIsSkinButton, 0, 0), 0);
  form->Perform(CM_DIALOGCHAR, 'y', 0);
  EXPECT_EQ(clicked.size(), 1u);
  form->Perform(CM_DIALOGCHAR, 'y', 0x20000000);  // with Alt
  EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(PushButtons, CancelModeEndsThePressInTheCurrentBuildOnly) {
  auto* button = Place<TzelButton>(20, 20);
  Press(button);
  button->Perform(CM_CANCELMODE, 0, 0);
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->Repeating());
  HeadlessMouseUp();

  SetSkinFlavour(zelOlderBuild);
  Press(button);
  button->Perform(CM_CANCELMODE, 0, 0);
  EXPECT_TRUE(button->Down());
  EXPECT_TRUE(button->Repeating());
  HeadlessMouseUp();
}

TEST_F(PushButtons, TwoImageGlyphShowsItsRightHalfWhenDisabled) {
  auto* button = Place<TzelButton>(20, 20, 80, 40);
  TBitmap glyph(32, 16);
  glyph.Canvas()->Brush()->SetColor(0x00FF00);  // the mask colour
  glyph.Canvas()->FillRect({0, 0, 32, 16});
  glyph.Canvas()->Brush()->SetColor(0x0000C0);
  glyph.Canvas()->FillRect({2, 2, 14, 14});
  glyph.Canvas()->Brush()->SetColor(0xC00000);
  glyph.Canvas()->FillRect({18, 2, 30, 14});
  button->SetGlyph(&glyph);
  // No caption: the glyph sits at ((80 - 16 - 0 - 4) div 2, (40 - 16) div 2).
  const int x = 30 + 8, y = 12 + 8;
  EXPECT_EQ(Pixel(button, x, y), TColor(0x0000C0));
  EXPECT_EQ(Pixel(button, 30, 12), FacePixel(DeepBlue, 1, 80, 40, 30, 12));  // masked corner
  button->SetEnabled(false);
  EXPECT_EQ(Pixel(button, x, y), TColor(0xC00000));
  button->SetEnabled(true);
  Press(button);
  EXPECT_NE(Pixel(button, 32, 14), TColor(0x0000C0));  // moved by one while down
  EXPECT_EQ(Pixel(button, 33, 15), TColor(0x0000C0));
  HeadlessMouseUp();
}

TEST_F(PushButtons, FocusedButtonIsFramedOrBoldByLook) {
  auto* button = Place<TzelButton>(20, 20);
  button->SetCaption("OK");
  auto* other = Place<TzelButton>(20, 60);
  other->SetCaption("OK");
  button->SetFocus();
  // DeepBlue draws a focus frame two pixels in; the unfocused twin does not.
  auto frameDiffers = [&] {
    return Pixel(button, 2, 13) != Pixel(other, 2, 13) || Pixel(button, 40, 2) != Pixel(other, 40, 2);
  };
  EXPECT_TRUE(frameDiffers());
  // MacOS shows focus by a bold caption (more ink) instead of a frame.
  button->SetUIStyle(MacOS);
  other->SetUIStyle(MacOS);
  EXPECT_FALSE(frameDiffers());
  auto ink = [](TWinControl* control) {
    Pixel(control, 0, 0);
    int count = 0;
    for (int x = 0; x < control->Width(); ++x) count += GetWindowDC(control->Handle())->Pixels(x, 13) == clBlack;
    return count;
  };
  EXPECT_GT(ink(button), ink(other));
}

TEST_F(PushButtons, ImageButtonShowsItsOwnPicturesWithNormalAsFallback) {
  auto* button = Place<TzelImageButton>(20, 20, 30, 30);
  button->SetUIStyle(MacOS);
  EXPECT_EQ(button->UIStyle(), FromThemeFile);
  TBitmap normal(12, 10), hover(12, 10);
  normal.Canvas()->Brush()->SetColor(0x112233);
  normal.Canvas()->FillRect({0, 0, 12, 10});
  hover.Canvas()->Brush()->SetColor(0x445566);
  hover.Canvas()->FillRect({0, 0, 12, 10});
  button->SetPicNormal(&normal);
  button->SetAutoSize(true);
  EXPECT_EQ(button->Width(), 12);
  EXPECT_EQ(button->Height(), 10);

  HeadlessMouseMove(ScreenPointOf(button, 6, 5));
  HeadlessMouseDown();
  EXPECT_EQ(Pixel(button, 6, 5), TColor(0x112233));  // no down picture
  HeadlessMouseUp();
  button->SetEnabled(false);
  EXPECT_EQ(Pixel(button, 6, 5), TColor(0x112233));
  button->SetEnabled(true);

  button->SetPicMouseOn(&hover);
  EXPECT_EQ(Pixel(button, 6, 5), TColor(0x445566));
  EXPECT_FALSE(button->HasProperty("FileTheme"));
}

TEST_F(PushButtons, ArrowButtonDrawsItsTriangle) {
  auto* up = Place<TzelArrowButton>(20, 20, 17, 11);
  auto* down = Place<TzelArrowButton>(20, 40, 17, 11);
  down->SetArrow(zelDown);
  // x = (17 - 6) div 2 = 5, y = (11 - 3) div 2 = 4.
  EXPECT_EQ(Pixel(up, 8, 5), clBlack);  // tip on top
  EXPECT_NE(Pixel(up, 8, 3), clBlack);
  EXPECT_EQ(Pixel(down, 8, 7), clBlack);  // tip at the bottom
  EXPECT_NE(Pixel(down, 8, 8), clBlack);
  up->SetUIStyle(BlueGlass);
  EXPECT_TRUE(up->Transparent());
  EXPECT_TRUE(up->HasProperty("FileTheme"));
}

TEST_F(PushButtons, ThemeFileGivesFaceTransparencyAndCaptionColour) {
  TPrivateTempFolder temp;
  const TColor faces[3] = {0x101010, 0x202020, 0x303030};
  TBitmap strip(3 * 20, 15);
  for (int i = 0; i < 3; ++i) {
    strip.Canvas()->Brush()->SetColor(faces[i]);
    strip.Canvas()->FillRect({i * 20, 0, i * 20 + 20, 15});
  }
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("buttons.zsk", BuildThemeFile({TItem{"SKIN2_BUTTON", 0, strip.SaveToBytes()},
                                                                FlagItem("SKIN2_BUTTONTRANS", true),
                                                                IntegerItem("SKIN2_BUTTONFONTCOLOR", 0x0000AA)})));
  ASSERT_TRUE(theme->Ready());

  auto* button = Place<TzelButton>(20, 20);
  auto* arrow = Place<TzelArrowButton>(20, 60, 17, 11);
  for (TzelCustomButton* b : {static_cast<TzelCustomButton*>(button), static_cast<TzelCustomButton*>(arrow)}) {
    b->SetFileTheme(theme);
    b->SetUIStyle(FromThemeFile);
    EXPECT_TRUE(b->Transparent());
  }
  EXPECT_EQ(button->Font()->Color(), TColor(0x0000AA));
  EXPECT_EQ(Pixel(button, 40, 13), faces[0]);
  HeadlessMouseMove(ScreenPointOf(button, 40, 13));
  EXPECT_EQ(Pixel(button, 40, 13), faces[1]);
  HeadlessMouseDown();
  EXPECT_EQ(Pixel(button, 40, 13), faces[2]);
  HeadlessMouseUp();

  delete theme;  // back to DeepBlue, whose buttons are opaque
  EXPECT_EQ(button->FileTheme(), nullptr);
  EXPECT_EQ(button->UIStyle(), DeepBlue);
  EXPECT_FALSE(button->Transparent());
  EXPECT_EQ(button->Font()->Color(), clBlack);
}
