// The recorder's four embedded theme files, loaded through the real
// reader as its main window loads them, and the controls they dress.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "resources/Resources.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELButton.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELMgr.h"
#include "skin/ZELProgressBar.h"
#include "skin/ZELThemeFile.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

struct RecorderTheme {
  const char* resource;
  const char* component;  // in the recorder's main window
};

const RecorderTheme kThemes[] = {{kRecorderThemeResource1, "themeMp10"},
                                 {kRecorderThemeResource2, "themeMp11"},
                                 {kRecorderThemeResource3, "themeMp12"},
                                 {kRecorderThemeResource4, "themeMp13"}};

// What the recorder's themes carry, by element: every picture but the
// minimized title and the two border pictures, these integers and
// colours, and two flags.
const std::set<int> kNoPicture = {43, 45, 46};
const std::set<int> kIntegers = {7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 26, 27, 31, 35, 36, 37};
const std::set<int> kFlags = {2, 6};

// Pieces side by side that the controls cut each picture into.
int PiecesOf(int element) {
  switch (element) {
    case 1: case 28: case 33: return 3;
    case 3: case 4: case 34: case 38: return 4;
    case 5: return 18;
    case 32: return 6;
    case 39: return 2;
    default: return 1;
  }
}

// Pictures that every control draws masked by the transparent colour;
// all others show every pixel they hold.
const std::set<int> kMaskedPictures = {4, 28, 29, 39};

bool HoldsColor(TBitmap& bitmap, TColor color) {
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Canvas()->Pixels(x, y) == color) return true;
  return false;
}

class RecorderThemes : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    SetSkinFlavour(zelOlderBuild);
    form = ShownForm(400, 200);
  }
  void TearDown() override {
    HeadlessFormsTest::TearDown();
    SetSkinFlavour(zelCurrentBuild);
  }

  // As the main window loads from its description: a design-time path
  // that does not exist here, then the embedded bytes.
  TzelBuiltInFileTheme* Loaded(const RecorderTheme& embedded) {
    TComponentLoader loader(form);
    auto* theme = loader.Create<TzelBuiltInFileTheme>(embedded.component);
    loader.Set(theme, "ThemeFile", temp.Path() + "design/" + embedded.component + ".zel");
    loader.SetStored(theme, "SkinData", LoadResourceData(embedded.resource));
    loader.End();
    return theme;
  }

  TPrivateTempFolder temp;
  TForm* form = nullptr;
};

}  // namespace

TEST_F(RecorderThemes, EachLoadsThroughTheReaderWithEveryItemTheWindowsUse) {
  for (const RecorderTheme& embedded : kThemes) {
    SCOPED_TRACE(embedded.resource);
    const std::string path = temp.Write("theme.zel", LoadResourceData(embedded.resource));
    ASSERT_TRUE(IsThemeFile(path));
    TzelThemeFileReader reader(path);
    EXPECT_EQ(reader.ImageCount(), 19);
    EXPECT_EQ(reader.IntegerCount(), 21);
    EXPECT_EQ(reader.FlagCount(), 2);
    EXPECT_EQ(reader.TextCount(), 0);

    TzelBuiltInFileTheme* theme = Loaded(embedded);
    ASSERT_TRUE(theme->IsReady());
    int titleHeight = -1;
    for (int element = zelFirstElement; element <= zelLastElement; ++element) {
      SCOPED_TRACE(BuiltInElementName(element));
      TzelThemeItemKind kind;
      GetBuiltInThemeItem(DeepBlue, element, kind);
      if (kind == zelKindBitmap) {
        TBitmap* picture = theme->GetBitmap(element);
        ASSERT_EQ(picture == nullptr, kNoPicture.count(element) > 0);
        if (!picture) continue;
        EXPECT_EQ(picture->Width() % PiecesOf(element), 0);
        if (!kMaskedPictures.count(element)) {
          EXPECT_FALSE(HoldsColor(*picture, 0xFF00FF)) << "key colour would show";
        }
        if (element >= 10 && element <= 12) {
          if (titleHeight < 0) titleHeight = picture->Height();
          EXPECT_EQ(picture->Height(), titleHeight) << "title pictures line up";
        }
      } else if (kind == zelKindBool) {
        EXPECT_EQ(kFlags.count(element), 1u) << "a flag the themes do not carry";
        EXPECT_FALSE(theme->GetBool(element)) << "buttons and title keys are drawn opaque";
      } else {
        EXPECT_EQ(theme->GetInteger(element) != -1, kIntegers.count(element) > 0);
        EXPECT_EQ(theme->GetColor(element), theme->GetInteger(element));
      }
    }
    // The title keys sit inside the title, and a caption fits on it.
    EXPECT_LE(theme->GetInteger(9) + theme->GetBitmap(5)->Height(), titleHeight - 2);
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->SetName("Tahoma");
    measure.Canvas()->Font()->SetHeight(-11);
    measure.Canvas()->Font()->SetStyle(TFontStyles(fsBold));
    EXPECT_LE(measure.Canvas()->TextHeight("Wg") + 4, titleHeight);
    EXPECT_LE(measure.Canvas()->TextHeight("Wg") + 4, theme->GetBitmap(1)->Height()) << "button captions fit";
  }
  EXPECT_TRUE(temp.Files().size() == 1) << "temporary theme files left behind";
}

TEST_F(RecorderThemes, ControlsDressInTheThemesPicturesAndColours) {
  for (const RecorderTheme& embedded : kThemes) {
    SCOPED_TRACE(embedded.resource);
    TzelBuiltInFileTheme* theme = Loaded(embedded);
    auto* bar = new TzelProgressBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 101, 12);
    bar->SetPosition(50);
    bar->SetShowCaption(false);
    bar->SetFileTheme(theme);
    bar->SetUIStyle(FromThemeFile);
    auto* button = new TzelButton(form);
    button->SetParent(form);
    button->SetBounds(10, 40, 73, 25);
    button->SetFileTheme(theme);
    button->SetUIStyle(FromThemeFile);
    HeadlessPumpUntilIdle();

    TCanvas& barDc = *GetWindowDC(bar->Handle());
    EXPECT_EQ(barDc.Pixels(0, 0), TColor(theme->GetColor(25)));
    EXPECT_EQ(barDc.Pixels(80, 7), TColor(theme->GetColor(26)));
    TBitmap& picture = *theme->GetBitmap(24);
    EXPECT_EQ(barDc.Pixels(20, 6), picture.Canvas()->Pixels(0, picture.Height() / 2));

    // The button's face is the middle of the strip's first piece.
    TBitmap normal;
    CopyBitmapPiece(*theme->GetBitmap(1), normal, 3, 1);
    EXPECT_EQ(GetWindowDC(button->Handle())->Pixels(36, 12), normal.Canvas()->Pixels(normal.Width() / 2, 12));
    delete bar;
    delete button;
  }
}
