#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELResources.h"
#include "skin/ZELThemes.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

// Column x of every test bitmap has blue = x, so a piece shows where it came from.
std::unique_ptr<TBitmap> ColumnBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->ScanLine(y)[3 * x] = static_cast<std::uint8_t>(x);
  return bitmap;
}

int FirstColumn(TBitmap& piece) { return piece.ScanLine(0)[0]; }

// Resources of the sizes the tables' readers expect, for a few names.
class ThemeResources : public ::testing::Test {
 protected:
  void SetUp() override {
    SetBitmapResourceLookup([](const std::string& name) -> std::unique_ptr<TBitmap> {
      if (name == "DEEPBLUE_BUTTON") return ColumnBitmap(222, 21);
      if (name == "MACOS_BUTTON") return ColumnBitmap(252, 23);
      if (name == "WINXP_TITLEBTN") return ColumnBitmap(378, 21);
      if (name == "MORE_SCROLLBUTTON") return ColumnBitmap(72, 17);
      throw EResNotFound("Resource " + name + " not found");
    });
  }
  void TearDown() override {
    SetBitmapResourceLookup({});
    SetSkinFlavour(zelCurrentBuild);
  }
};

// A stand-in for the skinned form frame: a panel called TzelForm with a UIStyle.
class TFakeZelForm : public TCustomPanel {
 public:
  TFakeZelForm(TComponent* owner, TzelUIStyle style) : TCustomPanel(owner), style_(style) {
    Publish("UIStyle", &TFakeZelForm::UIStyle, &TFakeZelForm::SetUIStyle);
  }
  std::string ClassName() const override { return "TzelForm"; }
  TzelUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TzelUIStyle style) { style_ = style; }

 private:
  TzelUIStyle style_;
};

class OwnerLook : public HeadlessFormsTest {};

}  // namespace

TEST(BuiltInTables, ValuesReadByKind) {
  EXPECT_EQ(GetBuiltInThemeColor(FromThemeFile, 15), 0);
  EXPECT_EQ(GetBuiltInThemeInteger(FromThemeFile, 7), -1);
  EXPECT_EQ(GetBuiltInThemeInteger(DeepBlue, 15), -1);
  EXPECT_EQ(GetBuiltInThemeColor(WinXP, 16), 0xC82C00);
  EXPECT_EQ(GetBuiltInThemeInteger(MacOS, 8), -2);
  EXPECT_EQ(GetBuiltInThemeInteger(WinXP, 8), -2);
  EXPECT_EQ(GetBuiltInThemeInteger(BlueGlass, 8), -3);
  EXPECT_EQ(GetBuiltInThemeInteger(BlueGlass, 13), 270);
  EXPECT_EQ(GetBuiltInThemeBool(MacOS, 2), 1);
  EXPECT_EQ(GetBuiltInThemeBool(WinXP, 2), 0);
  EXPECT_EQ(GetBuiltInThemeBool(Protein, 6), 1);
  EXPECT_EQ(GetBuiltInThemeColor(MacOS, 2), 0);  // a flag is no colour
  EXPECT_EQ(GetBuiltInThemeColor(Protein, 48), 0xFBFBFB);
  EXPECT_EQ(GetBuiltInThemeColor(WinXP, 27), 0xCF4602);

  TzelThemeItemKind kind;
  EXPECT_EQ(GetBuiltInThemeItem(FromThemeFile, 15, kind), -1);
  EXPECT_EQ(kind, zelKindInteger);
  EXPECT_EQ(GetBuiltInThemeItem(static_cast<TzelUIStyle>(6), 15, kind), -1);
  EXPECT_EQ(GetBuiltInThemeItem(DeepBlue, 18, kind), 0xA04A44);
  EXPECT_EQ(kind, zelKindColor);
  EXPECT_EQ(GetBuiltInThemeItem(DeepBlue, 1, kind), 1);
  EXPECT_EQ(kind, zelKindBitmap);
  EXPECT_EQ(GetBuiltInThemeItem(DeepBlue, 43, kind), 0);  // a bitmap without a name
  EXPECT_EQ(kind, zelKindBitmap);
  // Numbers outside 1..48 stay inside the table.
  EXPECT_EQ(GetBuiltInThemeItem(DeepBlue, 0, kind), -1);
  EXPECT_EQ(GetBuiltInThemeItem(DeepBlue, 49, kind), -1);
}

TEST(BuiltInTables, BitmapNamesAndElementNames) {
  EXPECT_EQ(GetBuiltInThemeBitmapName(DeepBlue, 1), "DEEPBLUE_BUTTON");
  EXPECT_EQ(GetBuiltInThemeBitmapName(BlueGlass, 30), "BLUEGLASS_TRACKBAR_SLIDER_V");
  EXPECT_EQ(GetBuiltInThemeBitmapName(Protein, 41), "PROTEIN_SIDECHENNEL_HANDLE");
  EXPECT_EQ(GetBuiltInThemeBitmapName(MacOS, 38), "MACOS_SCROLLBUTTON");
  EXPECT_EQ(GetBuiltInThemeBitmapName(WinXP, 38), "WINXP_SCROLLBUTTON");
  for (TzelUIStyle style : {DeepBlue, Protein, BlueGlass})
    EXPECT_EQ(GetBuiltInThemeBitmapName(style, 38), "MORE_SCROLLBUTTON");
  for (int element : {43, 45, 46}) EXPECT_EQ(GetBuiltInThemeBitmapName(MacOS, element), "");
  EXPECT_EQ(GetBuiltInThemeBitmapName(MacOS, 15), "");
  EXPECT_EQ(GetBuiltInThemeBitmapName(FromThemeFile, 1), "");

  EXPECT_STREQ(BuiltInElementName(1), "ButtonImage");
  EXPECT_STREQ(BuiltInElementName(38), "ScrollButtonImage");
  EXPECT_STREQ(BuiltInElementName(48), "MenuMenuBarColor");
  EXPECT_STREQ(BuiltInElementName(49), "");
  // Kinds follow the names' endings.
  for (int element = zelFirstElement; element <= zelLastElement; ++element) {
    const std::string name = BuiltInElementName(element);
    TzelThemeItemKind kind;
    GetBuiltInThemeItem(MacOS, element, kind);
    if (name.ends_with("Image")) EXPECT_EQ(kind, zelKindBitmap) << name;
    else if (name.ends_with("Bool")) EXPECT_EQ(kind, zelKindBool) << name;
    else if (name.ends_with("Int")) EXPECT_EQ(kind, zelKindInteger) << name;
    else EXPECT_EQ(kind, zelKindColor) << name;
  }
}

TEST_F(ThemeResources, WholeBitmapsAndPieces) {
  TBitmap dest;
  GetBuiltInThemeBitmap(DeepBlue, 1, &dest, 0, 0);
  EXPECT_EQ(dest.Width(), 222);
  EXPECT_EQ(dest.Height(), 21);

  GetBuiltInThemeBitmap(DeepBlue, 1, &dest, 3, 2);
  EXPECT_EQ(dest.Width(), 74);
  EXPECT_EQ(FirstColumn(dest), 74);

  // 18 title-bar button frames of WinXP, 21 pixels each.
  GetBuiltInThemeBitmap(WinXP, 5, &dest, 18, 18);
  EXPECT_EQ(dest.Width(), 21);
  EXPECT_EQ(FirstColumn(dest), 357 % 256);  // columns are numbered in one byte

  GetBuiltInThemeBitmap(Protein, 38, &dest, 4, 1);
  EXPECT_EQ(dest.Width(), 18);
}

TEST_F(ThemeResources, NothingHappensWithoutABitmapOrDestination) {
  GetBuiltInThemeBitmap(DeepBlue, 1, nullptr, 0, 0);
  TBitmap dest(5, 5);
  GetBuiltInThemeBitmap(DeepBlue, 15, &dest, 0, 0);  // a colour
  GetBuiltInThemeBitmap(FromThemeFile, 1, &dest, 0, 0);
  EXPECT_EQ(dest.Width(), 5);
  EXPECT_THROW(GetBuiltInThemeBitmap(Protein, 3, &dest, 4, 1), EResNotFound);
  EXPECT_THROW(GetBuiltInThemeBitmap(DeepBlue, 43, &dest, 0, 0), EResNotFound);  // an empty name
  EXPECT_EQ(dest.Width(), 5);
  SetBitmapResourceLookup({});
  EXPECT_THROW(GetBuiltInThemeBitmap(DeepBlue, 1, &dest, 0, 0), EResNotFound);
}

TEST_F(ThemeResources, TheLastPieceDependsOnTheBuild) {
  const std::unique_ptr<TBitmap> source = ColumnBitmap(77, 4);
  TBitmap piece;
  CopyBitmapPiece(*source, piece, 3, 1);
  EXPECT_EQ(FirstColumn(piece), 0);
  EXPECT_EQ(piece.Width(), 25);
  CopyBitmapPiece(*source, piece, 3, 2);
  EXPECT_EQ(FirstColumn(piece), 25);
  CopyBitmapPiece(*source, piece, 3, 3);
  EXPECT_EQ(FirstColumn(piece), 52);  // flush with the right edge
  EXPECT_EQ(piece.ScanLine(3)[3 * 24], 76);

  SetSkinFlavour(zelOlderBuild);
  CopyBitmapPiece(*source, piece, 3, 3);
  EXPECT_EQ(FirstColumn(piece), 50);
  EXPECT_EQ(piece.Width(), 25);

  // Pieces that do not exist leave the destination alone.
  TBitmap untouched(2, 2);
  CopyBitmapPiece(*source, untouched, 3, 4);
  CopyBitmapPiece(*source, untouched, 0, 1);
  CopyBitmapPiece(*source, untouched, 3, 0);
  EXPECT_EQ(untouched.Width(), 2);
}

TEST_F(OwnerLook, TakenFromTheFirstFrameOfTheForm) {
  EXPECT_EQ(GetOwnerUIStyle(nullptr), DeepBlue);
  TForm* form = ShownForm();
  EXPECT_EQ(GetOwnerUIStyle(form), DeepBlue);

  auto* panel = new TPanel(form);
  panel->SetParent(form);
  EXPECT_EQ(GetOwnerUIStyle(panel), DeepBlue);  // not a form

  auto* frame = new TFakeZelForm(form, MacOS);
  frame->SetParent(form);
  auto* second = new TFakeZelForm(form, Protein);
  second->SetParent(form);
  EXPECT_EQ(GetOwnerUIStyle(form), MacOS);
  frame->SetUIStyle(FromThemeFile);
  EXPECT_EQ(GetOwnerUIStyle(form), FromThemeFile);
}
