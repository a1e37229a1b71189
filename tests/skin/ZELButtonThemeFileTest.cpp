#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/gfx/Bitmap.h"
#include "skin/ZELButton.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELGroupBox.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"
#include "tests/skin/ZelThemeFiles.h"

namespace {

// A strip of six 10 x 10 pieces, each in its own colour.
const TColor kPieceColors[6] = {0x000011, 0x000022, 0x000033, 0x000044, 0x000055, 0x000066};

TItem SixPieceStrip(const TPrivateTempFolder& temp, const std::string& name) {
  TBitmap strip(60, 10);
  for (int i = 0; i < 6; ++i) {
    strip.Canvas()->Brush()->SetColor(kPieceColors[i]);
    strip.Canvas()->FillRect({i * 10, 0, i * 10 + 10, 10});
  }
  const std::string path = temp.Path() + "strip.bmp";
  strip.SaveToFile(path);
  std::ifstream in(path, std::ios::binary);
  return {name, 0, TBytesVec(std::istreambuf_iterator<char>(in), {})};
}

class ThemeFileLook : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(300, 200);
    theme = new TzelFileTheme(form);
    theme->SetThemeFile(temp.Write(
        "look.zsk", BuildThemeFile({IntegerItem("SKIN2_CONTROLBORDERCOLOR", 0x123456),
                                    IntegerItem("SKIN2_CONTROLFONTCOLOR", 0x654321),
                                    SixPieceStrip(temp, "SKIN2_CHECKBOX")})));
    ASSERT_TRUE(theme->Ready());
  }
  TPrivateTempFolder temp;
  TForm* form = nullptr;
  TzelFileTheme* theme = nullptr;
};

}  // namespace

TEST_F(ThemeFileLook, GroupBoxTakesFrameAndCaptionColoursFromTheFile) {
  auto* box = new TzelGroupBox(form);
  box->SetParent(form);
  box->SetFileTheme(theme);
  box->SetUIStyle(FromThemeFile);
  EXPECT_EQ(box->BorderColor(), TColor(0x123456));
  EXPECT_EQ(box->Font()->Color(), TColor(0x654321));
}

TEST_F(ThemeFileLook, CheckBoxTakesTheSixPieceStrip) {
  auto* box = new TzelCheckBox(form);
  box->SetBounds(10, 10, 93, 17);
  box->SetParent(form);
  box->SetFileTheme(theme);
  box->SetUIStyle(FromThemeFile);
  auto pictureColor = [box]() {
    box->Repaint();
    HeadlessPumpUntilIdle();
    box->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(box->Handle())->Pixels(5, box->ClientHeight() / 2);
  };
  box->SetChecked(true);
  EXPECT_EQ(pictureColor(), kPieceColors[0]);
  box->SetEnabled(false);
  EXPECT_EQ(pictureColor(), kPieceColors[3]);
  box->SetChecked(false);
  EXPECT_EQ(pictureColor(), kPieceColors[5]);
  box->SetEnabled(true);
  EXPECT_EQ(pictureColor(), kPieceColors[2]);
}

TEST_F(ThemeFileLook, PushButtonOfTheRecorderReadsItsThemeByElementNumber) {
  SetSkinFlavour(zelOlderBuild);
  auto* older = new TzelFileTheme(form);
  older->SetThemeFile(temp.Write("look.zel", SampleZelTheme()));  // red, lime, blue pieces; transparent
  ASSERT_TRUE(older->Ready());
  auto* button = new TzelButton(form);
  button->SetParent(form);
  button->SetFileTheme(older);
  button->SetUIStyle(FromThemeFile);
  button->Repaint();
  HeadlessPumpUntilIdle();
  const TColor face = GetWindowDC(button->Handle())->Pixels(button->Width() / 2, 3);
  const bool transparent = button->Transparent();
  const TColor caption = button->Font()->Color();
  SetSkinFlavour(zelCurrentBuild);
  EXPECT_EQ(face, clRed);
  EXPECT_TRUE(transparent);
  EXPECT_EQ(caption, clBlack);
}
