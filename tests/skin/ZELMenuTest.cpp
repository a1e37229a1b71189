#include <gtest/gtest.h>

#include <memory>

#include "platform/gfx/ImageList.h"
#include "platform/os/MainThread.h"
#include "platform/os/VirtualKeys.h"
#include "resources/Resources.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELMainMenu.h"
#include "skin/ZELPopupMenu.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBar = 0xCED3D6;  // the bar of every look but MacOS
constexpr TColor kWhite = 0xFFFFFF;

bool HasPixel(TBitmap& bitmap, const TRect& area, TColor color) {
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (bitmap.Canvas()->Pixels(x, y) == color) return true;
  return false;
}

void AddRedImage(TImageList& images) {
  TBitmap red(16, 16);
  red.Canvas()->Brush()->SetColor(kRed);
  red.Canvas()->FillRect({0, 0, 16, 16});
  images.Add(&red);
}

class ThemedMenus : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(300, 200);
    menu = new TzelPopupMenu(form);
  }
  void TearDown() override {
    SetSkinFlavour(zelCurrentBuild);
    HeadlessFormsTest::TearDown();
  }
  TMenuItem* Add(const std::string& caption, TMenuItem* parent = nullptr) {
    auto* item = new TMenuItem(form);
    item->SetCaption(caption);
    (parent ? parent : menu->Items())->Add(item);
    return item;
  }
  // The item drawn alone on a bitmap through its own handler.
  static std::unique_ptr<TBitmap> Draw(TMenuItem* item, TOwnerDrawState state, int width = 200, int height = 21) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    item->OnAdvancedDrawItem(item, bitmap->Canvas(), {0, 0, width, height}, state);
    return bitmap;
  }
  static TSize Measure(TMenuItem* item, int fontHeight) {
    TBitmap bitmap(10, 10);
    bitmap.Canvas()->Font()->SetHeight(fontHeight);
    int w = 0, h = 0;
    item->OnMeasureItem(item, bitmap.Canvas(), w, h);
    return {w, h};
  }
  TForm* form = nullptr;
  TzelPopupMenu* menu = nullptr;
};

}  // namespace

TEST_F(ThemedMenus, HeightsTheMacLookKeepsAndTheMainMenuStillTakes) {
  menu->SetUIStyle(MacOS);
  menu->SetSeparatorHeight(30);
  menu->SetMenuItemHeight(30);
  EXPECT_EQ(menu->SeparatorHeight(), 12);
  EXPECT_EQ(menu->MenuItemHeight(), 20);
  auto* mainMenu = new TzelMainMenu(form);
  mainMenu->SetUIStyle(MacOS);
  mainMenu->SetSeparatorHeight(30);
  mainMenu->SetMenuItemHeight(30);
  EXPECT_EQ(mainMenu->SeparatorHeight(), 12);
  EXPECT_EQ(mainMenu->MenuItemHeight(), 30);
}

TEST_F(ThemedMenus, MeasuredSizesFollowTheLookTheFontAndTheShortcut) {
  TMenuItem* line = Add("-");
  TMenuItem* open = Add("Open");
  EXPECT_EQ(Measure(line, -40).cy, 5);
  EXPECT_EQ(Measure(open, -11).cy, 21);
  EXPECT_GT(Measure(open, -40).cy, 40);
  menu->SetSeparatorHeight(-5);
  EXPECT_EQ(Measure(line, -11).cy, 0);

  TBitmap bitmap(10, 10);
  bitmap.Canvas()->Font()->SetHeight(-11);
  const int plainWidth = Measure(open, -11).cx;
  EXPECT_EQ(plainWidth, bitmap.Canvas()->TextWidth("Open") + 26 + 40);
  open->SetShortCut(ShortCut('S', ssCtrl | ssShift | ssAlt));
  EXPECT_EQ(Measure(open, -11).cx, plainWidth + bitmap.Canvas()->TextWidth("Ctrl+Shift+Alt+S"));
}

TEST_F(ThemedMenus, ItemsShowBarBackgroundSelectionAndGreyText) {
  menu->SetUIStyle(WinXP);
  TMenuItem* item = Add("Open");
  auto plain = Draw(item, 0);
  EXPECT_EQ(plain->Canvas()->Pixels(2, 10), kBar);
  EXPECT_EQ(plain->Canvas()->Pixels(190, 10), kWhite);
  EXPECT_TRUE(HasPixel(*plain, {30, 0, 100, 21}, 0x000000));
  auto selected = Draw(item, odSelected);
  EXPECT_EQ(selected->Canvas()->Pixels(0, 0), TColor(0xC66931));
  EXPECT_EQ(selected->Canvas()->Pixels(199, 20), TColor(0xC66931));
  EXPECT_EQ(selected->Canvas()->Pixels(2, 10), TColor(0xEFD3C6));
  // A disabled item never shows the selection.
  auto disabled = Draw(item, odSelected | odDisabled | odGrayed);
  EXPECT_EQ(disabled->Canvas()->Pixels(2, 10), kBar);
  EXPECT_TRUE(HasPixel(*disabled, {30, 0, 100, 21}, 0x808080));
  EXPECT_FALSE(HasPixel(*disabled, {30, 0, 100, 21}, 0x000000));
}

TEST_F(ThemedMenus, SeparatorsDrawTheirLineOrTheMacBar) {
  TMenuItem* line = Add("-");
  auto deepBlue = Draw(line, 0, 200, 5);
  EXPECT_EQ(deepBlue->Canvas()->Pixels(2, 2), kBar);
  EXPECT_EQ(deepBlue->Canvas()->Pixels(29, 2), kWhite);
  EXPECT_EQ(deepBlue->Canvas()->Pixels(30, 2), TColor(0x848284));
  EXPECT_EQ(deepBlue->Canvas()->Pixels(197, 2), TColor(0x848284));
  EXPECT_EQ(deepBlue->Canvas()->Pixels(198, 2), kWhite);
  EXPECT_EQ(deepBlue->Canvas()->Pixels(100, 1), kWhite);

  menu->SetUIStyle(MacOS);
  auto mac = Draw(line, 0, 200, 12);
  auto bar = LoadResourceBitmap("MACOS_MENU_BAR");
  for (int y = 0; y < 12; ++y) EXPECT_EQ(mac->Canvas()->Pixels(100, y), bar->Canvas()->Pixels(0, y)) << y;
}

TEST_F(ThemedMenus, CheckedItemsShowTheMarkOrABoxBehindTheirImage) {
  TMenuItem* item = Add("Loop");
  const TRect glyph{4, 3, 20, 19};
  EXPECT_FALSE(HasPixel(*Draw(item, 0), glyph, 0x000000));
  item->SetChecked(true);
  EXPECT_TRUE(HasPixel(*Draw(item, odChecked), glyph, 0x000000));

  TImageList images;
  AddRedImage(images);
  menu->SetImages(&images);
  item->SetImageIndex(0);
  auto boxed = Draw(item, odChecked);
  EXPECT_EQ(boxed->Canvas()->Pixels(2, 1), TColor(0));
  EXPECT_EQ(boxed->Canvas()->Pixels(20, 19), TColor(0));
  EXPECT_EQ(boxed->Canvas()->Pixels(3, 2), menu->SelectedColor());
  EXPECT_EQ(boxed->Canvas()->Pixels(10, 10), kRed);
  // An index beyond the list draws neither image nor box.
  item->SetImageIndex(5);
  auto beyond = Draw(item, odChecked);
  EXPECT_FALSE(HasPixel(*beyond, glyph, kRed));
  EXPECT_NE(beyond->Canvas()->Pixels(3, 2), menu->SelectedColor());
}

TEST_F(ThemedMenus, ThemeFileColoursTheBarGradientAndLosingTheTheme) {
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  // The menu takes up a theme loaded after it was given the theme.
  menu->SetFileTheme(theme);
  menu->SetUIStyle(FromThemeFile);
  theme->SetThemeFile(temp.Write("menu.zsk", BuildThemeFile({IntegerItem("SKIN2_LEFTBARSTARTCOLOR", 0x0000FF),
                                                             IntegerItem("SKIN2_LEFTBARENDCOLOR", 0xFF0000),
                                                             IntegerItem("SKIN2_MENUITEMCOLOR", 0x00FF00),
                                                             IntegerItem("SKIN2_SELECTEDMENUCOLOR", 0x222222),
                                                             IntegerItem("SKIN2_SELECTEDMENUBORDERCOLOR", 0x333333)})));
  ASSERT_TRUE(theme->Ready());
  TMenuItem* item = Add("Open");
  auto plain = Draw(item, 0);
  EXPECT_EQ(plain->Canvas()->Pixels(0, 10), TColor(0x0000FF));
  EXPECT_EQ(plain->Canvas()->Pixels(25, 10), TColor(0xFF0000));
  EXPECT_EQ(plain->Canvas()->Pixels(190, 10), TColor(0x00FF00));
  auto selected = Draw(item, odSelected);
  EXPECT_EQ(selected->Canvas()->Pixels(0, 0), TColor(0x333333));
  EXPECT_EQ(selected->Canvas()->Pixels(190, 10), TColor(0x222222));
  // The recorder's build paints its bar in one colour.
  SetSkinFlavour(zelOlderBuild);
  EXPECT_EQ(Draw(item, 0)->Canvas()->Pixels(25, 10), TColor(0x0000FF));

  delete theme;
  EXPECT_EQ(menu->FileTheme(), nullptr);
  EXPECT_EQ(menu->UIStyle(), DeepBlue);
  EXPECT_EQ(Draw(item, odSelected)->Canvas()->Pixels(190, 10), TColor(0xA04A44));
}

TEST_F(ThemedMenus, ItemsAddedLaterDrawThemselvesAndOutliveTheirMenuSafely) {
  auto* loose = new TMenuItem(nullptr);  // owned by nobody
  auto* child = new TMenuItem(nullptr);
  loose->Add(child);
  Add("File")->Add(loose);
  EXPECT_TRUE(loose->OnAdvancedDrawItem);
  EXPECT_TRUE(child->OnMeasureItem);

  TMenuItem* kept = Add("Kept");
  menu->Items()->Remove(kept);
  delete menu;
  TBitmap bitmap(10, 10);
  int w = 7, h = 9;
  kept->OnMeasureItem(kept, bitmap.Canvas(), w, h);
  kept->OnAdvancedDrawItem(kept, bitmap.Canvas(), {0, 0, 10, 10}, 0);
  EXPECT_EQ(w, 7);
  EXPECT_EQ(h, 9);
  delete kept;
}

TEST_F(ThemedMenus, APopupMenuIsShownAndPaintedInItsLook) {
  Add("Open");
  Add("-");
  Add("Old", Add("Recent"));
  menu->SetFlatMenu(true);
  auto shown = std::make_unique<TBitmap>();
  PostToMainThread([&] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessPumpUntilIdle();
    shown->Assign(HeadlessPresentedSurface(GetTopLevelWindows().front()));
    HeadlessKeyPress(VK_ESCAPE);
  });
  menu->Popup(200, 200);
  ASSERT_GT(shown->Width(), 0);
  const int border = 3, right = shown->Width() - border, recentTop = border + 21 + 5;
  TCanvas& c = *shown->Canvas();
  EXPECT_EQ(c.Pixels(border + 2, border + 10), TColor(0xA04A44));
  EXPECT_EQ(c.Pixels(border + 40, border + 21 + 2), TColor(0x848284));
  EXPECT_EQ(c.Pixels(border + 2, recentTop + 10), kBar);
  EXPECT_TRUE(HasPixel(*shown, {right - 12, recentTop + 6, right - 4, recentTop + 15}, 0x000000));
  // The flat border: black frame from the second row, white inside, the
  // form colour as shadow on the right.
  EXPECT_EQ(c.Pixels(0, 5), TColor(0));
  EXPECT_EQ(c.Pixels(1, 5), kWhite);
  EXPECT_EQ(c.Pixels(shown->Width() - 1, 5), TColor(0xE8E8E8));
}

namespace {

struct TFakeFrame : TzelMenuFrame {
  int rebuilt = 0, refreshed = 0, fonts = 0;
  void RebuildMenuBar() override { ++rebuilt; }
  void RefreshMenuBar() override { ++refreshed; }
  void RefreshMenuBarFont() override { ++fonts; }
};

}  // namespace

TEST_F(ThemedMenus, TheMainMenuLeavesTheBarToItsFrameAndKeepsItsCheckMark) {
  form->SetMenu(new TMainMenu(form));
  auto* mainMenu = new TzelMainMenu(form);
  EXPECT_EQ(form->Menu(), nullptr);
  TFakeFrame frame;
  mainMenu->SetFrame(&frame);
  mainMenu->Loaded();
  EXPECT_EQ(frame.rebuilt, 1);
  auto* item = new TMenuItem(form);
  mainMenu->Items()->Add(item);
  EXPECT_EQ(frame.refreshed, 1);
  mainMenu->SetUseSystemFont(false);
  EXPECT_EQ(frame.fonts, 1);
  mainMenu->SetFrame(nullptr);

  TImageList images;
  mainMenu->SetImages(&images);
  mainMenu->SetImages(nullptr);
  EXPECT_EQ(mainMenu->Images(), nullptr);
  item->SetChecked(true);
  EXPECT_TRUE(HasPixel(*Draw(item, odChecked), {4, 3, 20, 19}, 0x000000));
}

TEST(ThemedMenuItems, RightToLeftItemsMirrorBarAndGlyph) {
  TzelMenuLook look;
  ApplyMenuLook(look);
  TImageList images;
  AddRedImage(images);
  TMenuItem item(nullptr);
  item.SetImageIndex(0);
  TBitmap drawn(200, 21);
  DrawMenuItem(look, {&item, &images, nullptr, true}, *drawn.Canvas(), {0, 0, 200, 21}, 0);
  EXPECT_EQ(drawn.Canvas()->Pixels(180, 3), kRed);
  EXPECT_EQ(drawn.Canvas()->Pixels(179, 10), kBar);
  EXPECT_EQ(drawn.Canvas()->Pixels(5, 10), kWhite);
}
