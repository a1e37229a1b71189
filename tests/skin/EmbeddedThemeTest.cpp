#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SkinFixtures.h"
#include "platform/framework/Component.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "resources/Resources.h"
#include "skin/ZEL2Define.h"
#include "skin/ZEL2SkinReader.h"
#include "skin/ZELButton.h"
#include "skin/ZELMgr.h"
#include "skin/ZELPublic.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

struct EmbeddedTheme {
  const char* resource;
  const char* component;  // in the editor's main window
  TzelUIStyle look;
  int itemCount;
  std::vector<std::string> missing;
};

const EmbeddedTheme kThemes[] = {
    {kEditorThemeResource1, "zelBuiltInFileTheme1", DeepBlue, 80,
     {"SKIN2_TITLEBAR4", "SKIN2_TITLEBAR5", "SKIN2_FORMBOTTOMBORDER2", "SKIN2_FORMBOTTOMBORDER3", "SKIN2_MENUBAR",
      "SKIN2_TOOLBAR"}},
    {kEditorThemeResource2, "zelBuiltInFileTheme2", BlueGlass, 84, {"SKIN2_TITLEBAR4", "SKIN2_TITLEBAR5"}},
};

// Group indexes of the theme component.
constexpr int kTransColor = 0, kFormColor = 2, kSelectedMenuColor = 13, kControlBorderColor = 22;
constexpr int kTitleBar1 = 0, kTitleBar3 = 2, kTitleButtons = 11, kButton = 15, kCheckBox = 16, kScrollUp = 26, kScrollBar = 27,
              kScrollDown = 28, kScrollButton = 33;
constexpr int kButtonPosY = 4, kTitleRegionMaxY = 6;
constexpr int kTitleNeedsRegion = 2, kButtonTrans = 5;

std::vector<TColor> PixelsOf(TBitmap& bitmap) {
  std::vector<TColor> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas()->Pixels(x, y));
  return pixels;
}

void ExpectSamePicture(TBitmap& fromTheme, TBitmap& fromLook, const std::string& what) {
  ASSERT_EQ(fromTheme.Width(), fromLook.Width()) << what;
  ASSERT_EQ(fromTheme.Height(), fromLook.Height()) << what;
  EXPECT_TRUE(PixelsOf(fromTheme) == PixelsOf(fromLook)) << what;
}

TBitmap* Piece(TBitmap& source, int count, int part, TBitmap& dest) {
  CopyBitmapPiece(source, dest, count, part);
  return &dest;
}

class EditorThemes : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
  }

  // As the editor's main window loads from its description: a design-time
  // path that does not exist here, then the embedded bytes.
  TzelBuiltInFileTheme* LoadedAsTheMainWindowDoes(TComponent* form, const EmbeddedTheme& embedded) {
    TComponentLoader loader(form);
    auto* theme = loader.Create<TzelBuiltInFileTheme>(embedded.component);
    loader.Set(theme, "ThemeFile", temp.Path() + "design/" + embedded.component + ".zsk");
    loader.SetStored(theme, "SkinData", LoadResourceData(embedded.resource));
    loader.End();
    return theme;
  }

  TPrivateTempFolder temp;
};

}  // namespace

TEST_F(EditorThemes, HoldTheirItemsAndLackOnlyTheNamedPictures) {
  for (const EmbeddedTheme& embedded : kThemes) {
    SCOPED_TRACE(embedded.resource);
    Tsk2SkinFileReader reader(temp.Write("theme.zsk", LoadResourceData(embedded.resource)), "");
    ASSERT_TRUE(reader.Loaded());
    EXPECT_EQ(reader.BitmapCount() + reader.IntegerCount() + reader.FlagCount() + reader.TextCount(),
              embedded.itemCount);
    EXPECT_EQ(reader.IntegerCount(), 32 + 2 + 9) << "colours, the two system colours, integers";
    EXPECT_EQ(reader.FlagCount(), 9);
    for (int index = zelBitmapBase; index < zelIntegerBase; ++index) {
      const std::string name = SkinItemNames[index];
      const bool missing = std::count(embedded.missing.begin(), embedded.missing.end(), name) > 0;
      EXPECT_EQ(reader.GetBitmap(name) == nullptr, missing) << name;
    }
    EXPECT_FALSE(reader.GetBool("SKIN2_TITLEFIVESECT"));
    EXPECT_EQ(reader.GetBool("SKIN2_BOTTOMBORDERTHREESECT"), embedded.look == BlueGlass);
  }
  EXPECT_THROW(LoadResourceData("NO_SUCH_THEME"), EResNotFound);
}

TEST_F(EditorThemes, LoadFromTheMainWindowDescriptionWithTheColoursOfTheirLook) {
  TForm* form = ShownForm();
  for (const EmbeddedTheme& embedded : kThemes) {
    SCOPED_TRACE(embedded.resource);
    TzelBuiltInFileTheme* theme = LoadedAsTheMainWindowDoes(form, embedded);
    ASSERT_TRUE(theme->IsReady());
    EXPECT_EQ(theme->GetColor(kTransColor), 0xFF00FF);
    EXPECT_EQ(theme->GetColor(kFormColor), GetBuiltInThemeColor(embedded.look, 15));
    EXPECT_EQ(theme->GetColor(kSelectedMenuColor), GetBuiltInThemeColor(embedded.look, 19));
    EXPECT_EQ(theme->GetColor(kControlBorderColor), GetBuiltInThemeColor(embedded.look, 25));
    EXPECT_EQ(theme->GetInteger(kButtonPosY), GetBuiltInThemeInteger(embedded.look, 9));
    EXPECT_EQ(theme->GetBool(kButtonTrans), GetBuiltInThemeBool(embedded.look, 2) != 0);
  }
  EXPECT_TRUE(temp.Files().empty()) << "temporary theme files left behind";
}

TEST_F(EditorThemes, PicturesComeInTheLayoutTheControlsCutThemIn) {
  TForm* form = ShownForm();
  for (const EmbeddedTheme& embedded : kThemes) {
    SCOPED_TRACE(embedded.resource);
    TzelBuiltInFileTheme* theme = LoadedAsTheMainWindowDoes(form, embedded);
    ASSERT_TRUE(theme->IsReady());
    const auto look = [&embedded](int element, int count = 0, int part = 0) {
      auto bitmap = std::make_unique<TBitmap>();
      GetBuiltInThemeBitmap(embedded.look, element, bitmap.get(), count, part);
      return bitmap;
    };
    TBitmap a, b;
    ExpectSamePicture(*theme->GetBitmap(kButton), *look(1), "push button");
    ExpectSamePicture(*theme->GetBitmap(kTitleButtons), *look(5), "title buttons");
    ExpectSamePicture(*theme->GetBitmap(kScrollButton), *look(38), "tab scroll buttons");

    // Six check-box pieces; the controls show 1, 3, 4 and 6.
    const int lookPieces[] = {1, 0, 2, 3, 0, 4};
    for (int part = 1; part <= 6; ++part)
      if (lookPieces[part - 1] != 0)
        ExpectSamePicture(*Piece(*theme->GetBitmap(kCheckBox), 6, part, a), *look(3, 4, lookPieces[part - 1]),
                          "check box piece " + std::to_string(part));

    // The scroll bar's line buttons in two strips of three, its thumb
    // turned back by the control.
    for (int part = 1; part <= 3; ++part) {
      ExpectSamePicture(*Piece(*theme->GetBitmap(kScrollUp), 3, part, a), *look(32, 6, part), "first line button");
      ExpectSamePicture(*Piece(*theme->GetBitmap(kScrollDown), 3, part, b), *look(32, 6, part + 3),
                        "second line button");
    }
    a.Assign(theme->GetBitmap(kScrollBar));
    RotateBitmapLeft(a);
    ExpectSamePicture(a, *look(33), "scroll thumb");

    // Rounded corners are cut out of the window through the title's
    // region: both top corners in the transparent colour, one the other's
    // mirror.
    TBitmap& left = *theme->GetBitmap(kTitleBar1);
    TBitmap& right = *theme->GetBitmap(kTitleBar3);
    const bool rounded = right.Canvas()->Pixels(right.Width() - 1, 0) == 0xFF00FF;
    EXPECT_EQ(theme->GetBool(kTitleNeedsRegion), rounded);
    EXPECT_EQ(left.Canvas()->Pixels(0, 0) == 0xFF00FF, rounded);
    if (embedded.look == BlueGlass) {
      EXPECT_TRUE(rounded);
    }
    for (int y = 0; y < left.Height(); ++y) {
      int leftRun = 0, rightRun = 0;
      while (left.Canvas()->Pixels(leftRun, y) == 0xFF00FF) ++leftRun;
      while (right.Canvas()->Pixels(right.Width() - 1 - rightRun, y) == 0xFF00FF) ++rightRun;
      EXPECT_EQ(leftRun, rightRun) << "row " << y;
      if (leftRun > 0) {
        EXPECT_LE(y, theme->GetInteger(kTitleRegionMaxY)) << "row outside the title's region";
      }
    }
  }
}

TEST_F(EditorThemes, ACheckBoxDrawsTheSameFromTheThemeAsFromItsLook) {
  TForm* form = ShownForm();
  for (const EmbeddedTheme& embedded : kThemes) {
    SCOPED_TRACE(embedded.resource);
    TzelBuiltInFileTheme* theme = LoadedAsTheMainWindowDoes(form, embedded);
    const auto box = [form](int top) {
      auto* check = new TzelCheckBox(form);
      check->SetBounds(10, top, 40, 17);
      check->SetParent(form);
      return check;
    };
    TzelCheckBox* themed = box(10);
    themed->SetFileTheme(theme);
    themed->SetUIStyle(FromThemeFile);
    TzelCheckBox* builtIn = box(40);
    builtIn->SetUIStyle(embedded.look);
    const auto picture = [](TzelCheckBox* check) {
      check->Repaint();
      HeadlessPumpUntilIdle();
      std::vector<TColor> pixels;
      for (int y = 0; y < check->ClientHeight(); ++y)
        for (int x = 0; x < check->ClientWidth(); ++x) pixels.push_back(GetWindowDC(check->Handle())->Pixels(x, y));
      return pixels;
    };
    for (bool enabled : {true, false})
      for (bool checked : {true, false}) {
        for (TzelCheckBox* check : {themed, builtIn}) {
          check->SetEnabled(enabled);
          check->SetChecked(checked);
        }
        EXPECT_TRUE(picture(themed) == picture(builtIn)) << "checked " << checked << ", enabled " << enabled;
      }
    delete themed;
    delete builtIn;
  }
}
