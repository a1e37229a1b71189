// The message dialog's box wears the skinned frame: the text, icon and
// buttons sit on it, and the frame shows the caption, look, theme and
// title font it is given.

#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "resources/Resources.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELForm.h"
#include "skin/ZELThemes.h"
#include "skin/frmMessage.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

class MessageBoxFrame : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    Application->CreateForm(box);
  }
  void TearDown() override {
    HeadlessFormsTest::TearDown();
    SetSkinFlavour(zelCurrentBuild);
  }

  TfrmMsg* box = nullptr;
};

}  // namespace

TEST_F(MessageBoxFrame, FillsTheBoxAndCarriesItsContent) {
  ASSERT_NE(box->zelForm1, nullptr);
  EXPECT_EQ(box->zelForm1->Name(), "zelForm1");
  EXPECT_EQ(box->zelForm1->OwnerForm(), box);
  EXPECT_EQ(box->zelForm1->Align(), alClient);
  EXPECT_EQ(box->lbl->Parent(), box->zelForm1);
  EXPECT_EQ(box->Image1->Parent(), box->zelForm1);
  EXPECT_EQ(box->ButtonParent(), box->zelForm1);
  EXPECT_EQ(box->ClientWidth(), 336);
  EXPECT_EQ(box->lbl->BoundsRect(), Bounds(88, 64, 225, box->lbl->Height()));
}

TEST_F(MessageBoxFrame, ShowsTheCaptionLookThemeAndTitleFontItIsGiven) {
  TFont title;
  title.SetName("Tahoma");
  title.SetColor(clBlack);
  box->ApplyFrame("Burning", MacOS, nullptr, title);
  EXPECT_EQ(box->zelForm1->Caption(), "Burning");
  EXPECT_EQ(box->Caption(), "Burning") << "the window's own text follows the frame";
  EXPECT_EQ(box->zelForm1->UIStyle(), MacOS);
  EXPECT_EQ(box->zelForm1->Color(), TColor(GetBuiltInThemeColor(MacOS, 15)));
  EXPECT_EQ(box->zelForm1->Font()->Name(), "Tahoma");
  EXPECT_EQ(box->zelForm1->Font()->Color(), clBlack);

  SetSkinFlavour(zelOlderBuild);
  auto* theme = new TzelBuiltInFileTheme(box);
  theme->LoadSkinData(LoadResourceData(kRecorderThemeResource2));
  title.SetColor(clWhite);
  box->ApplyFrame("Abort?", FromThemeFile, theme, title);
  EXPECT_EQ(box->zelForm1->FileTheme(), theme);
  EXPECT_EQ(box->zelForm1->UIStyle(), FromThemeFile);
  EXPECT_EQ(box->zelForm1->Color(), TColor(theme->GetColor(15)));
  EXPECT_EQ(box->zelForm1->Font()->Color(), clWhite);

  // The frame paints the window's border: the shown window is no longer
  // the bare client colour at its edge.
  box->Show();
  HeadlessPumpUntilIdle();
  TBitmap surface;
  surface.Assign(HeadlessPresentedSurface(box->Handle()));
  EXPECT_NE(surface.Canvas()->Pixels(surface.Width() / 2, 1), TColor(theme->GetColor(15)));
}
