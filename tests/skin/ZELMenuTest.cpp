#include <gtest/gtest.h>

#include <memory>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/os/MainThread.h"
#include "platform/os/VirtualKeys.h"
#include "resources/Resources.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELMainMenu.h"
#include "skin/ZELPopupMenu.h"
#include "skin/ZELResources.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

constexpr TColor kRed = 0x0000FF;

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

  // The item drawn alone on a bitmap of the given size.
  static std::unique_ptr<TBitmap> Draw(TMenuItem* item, TOwnerDrawState state, int width = 200, int height = 21) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Canvas()->Brush()->SetColor(0x123456);
    bitmap->Canvas()->FillRect({0, 0, width, height});
    item->OnAdvancedDrawItem(item, bitmap->Canvas(), {0, 0, width, height}, state);
    return bitmap;
  }
  static TSize Measure(TMenuItem* item, const TFont& font) {
    TBitmap bitmap(10, 10);
    bitmap.Canvas()->SetFont(font);
    int w = 0, h = 0;
    item->OnMeasureItem(item, bitmap.Canvas(), w, h);
    return {w, h};
  }
  static bool HasPixel(TBitmap& bitmap, const TRect& area, TColor color) {
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (bitmap.Canvas()->Pixels(x, y) == color) return true;
    return false;
  }

  TForm* form = nullptr;
  TzelPopupMenu* menu = nullptr;
};

std::unique_ptr<TBitmap> Resource(const std::string& name) { return LoadResourceBitmap(name); }

}  // namespace

// ---- Looks ------------------------------------------------------------------------------

TEST_F(ThemedMenus, BuiltInLooksSetSizesAndColours) {
  EXPECT_TRUE(menu->OwnerDraw());
  menu->SetOwnerDraw(false);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_EQ(menu->UIStyle(), DeepBlue);
  EXPECT_EQ(menu->BarWidth(), 26);
  EXPECT_EQ(menu->MenuItemHeight(), 21);
  EXPECT_EQ(menu->SeparatorHeight(), 5);
  EXPECT_EQ(menu->SeparatorColor(), TColor(0x848284));
  EXPECT_EQ(menu->BarColor(), TColor(0xCED3D6));
  EXPECT_EQ(menu->BarToColor(), TColor(0xCED3D6));
  EXPECT_EQ(menu->SelectedColor(), TColor(0xA04A44));
  EXPECT_EQ(menu->FontColor(), TColor(0));

  menu->SetUIStyle(WinXP);
  EXPECT_EQ(menu->SelectedBorderColor(), TColor(0xC66931));
  EXPECT_EQ(menu->SelectedColor(), TColor(0xEFD3C6));
  EXPECT_EQ(menu->SelectedFontColor(), TColor(0));

  menu->SetUIStyle(MacOS);
  EXPECT_EQ(menu->MenuItemHeight(), 20);
  EXPECT_EQ(menu->SeparatorHeight(), 12);
  EXPECT_EQ(menu->SeparatorColor(), TColor(0));

  // A theme look without a ready theme draws as DeepBlue.
  menu->SetUIStyle(FromThemeFile);
  EXPECT_EQ(menu->SelectedColor(), TColor(0xA04A44));
}

TEST_F(ThemedMenus, TheMacLookKeepsItsHeightsOnThePopupMenuOnly) {
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

  menu->SetUIStyle(DeepBlue);
  menu->SetSeparatorHeight(7);
  menu->SetMenuItemHeight(25);
  EXPECT_EQ(menu->SeparatorHeight(), 7);
  EXPECT_EQ(menu->MenuItemHeight(), 25);
}

TEST_F(ThemedMenus, ThemeFileColoursAndTheBarGradient) {
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("menu.zsk", BuildThemeFile({IntegerItem("SKIN2_LEFTBARSTARTCOLOR", 0x0000FF),
                                                             IntegerItem("SKIN2_LEFTBARENDCOLOR", 0xFF0000),
                                                             IntegerItem("SKIN2_MENUITEMCOLOR", 0x00FF00),
                                                             IntegerItem("SKIN2_MENUITEMFONTCOLOR", 0x111111),
                                                             IntegerItem("SKIN2_SELECTEDMENUCOLOR", 0x222222),
                                                             IntegerItem("SKIN2_SELECTEDMENUBORDERCOLOR", 0x333333),
                                                             IntegerItem("SKIN2_SELECTEDMENUFONTCOLOR", 0x444444)})));
  ASSERT_TRUE(theme->Ready());
  menu->SetFileTheme(theme);
  menu->SetUIStyle(FromThemeFile);
  EXPECT_EQ(menu->Color(), TColor(0x00FF00));
  EXPECT_EQ(menu->FontColor(), TColor(0x111111));
  EXPECT_EQ(menu->SelectedColor(), TColor(0x222222));
  EXPECT_EQ(menu->SelectedBorderColor(), TColor(0x333333));
  EXPECT_EQ(menu->SelectedFontColor(), TColor(0x444444));

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
  SetSkinFlavour(zelCurrentBuild);

  // Without its theme the menu goes back to DeepBlue.
  delete theme;
  EXPECT_EQ(menu->FileTheme(), nullptr);
  EXPECT_EQ(menu->UIStyle(), DeepBlue);
  EXPECT_EQ(menu->SelectedColor(), TColor(0xA04A44));
}

// ---- Measuring ----------------------------------------------------------------------------

TEST_F(ThemedMenus, MeasuredHeightsFollowTheLookAndTheFont) {
  TMenuItem* line = Add("-");
  TMenuItem* open = Add("Open");
  TFont small;
  small.SetHeight(-11);
  TFont big;
  big.SetHeight(-40);
  EXPECT_EQ(Measure(line, small).cy, 5);
  EXPECT_EQ(Measure(line, big).cy, 5);
  EXPECT_EQ(Measure(open, small).cy, 21);
  EXPECT_GT(Measure(open, big).cy, 40);
}

TEST_F(ThemedMenus, ALongShortcutWidensItsItem) {
  TMenuItem* plain = Add("Open");
  TMenuItem* keyed = Add("Open");
  keyed->SetShortCut(ShortCut('S', ssCtrl | ssShift | ssAlt));
  TFont font;
  font.SetHeight(-11);
  TBitmap bitmap(10, 10);
  bitmap.Canvas()->SetFont(font);
  const int shortcutWidth = bitmap.Canvas()->TextWidth("Ctrl+Shift+Alt+S");
  const int captionWidth = bitmap.Canvas()->TextWidth("Open");
  EXPECT_EQ(Measure(plain, font).cx, captionWidth + 26 + 40);
  EXPECT_EQ(Measure(keyed, font).cx, captionWidth + shortcutWidth + 26 + 40);
}

// ---- Drawing --------------------------------------------------------------------------------

TEST_F(ThemedMenus, ItemsShowBarBackgroundAndSelection) {
  menu->SetUIStyle(WinXP);
  TMenuItem* item = Add("Open");
  auto plain = Draw(item, 0);
  EXPECT_EQ(plain->Canvas()->Pixels(2, 10), TColor(0xCED3D6));
  EXPECT_EQ(plain->Canvas()->Pixels(190, 10), TColor(0xFFFFFF));
  EXPECT_TRUE(HasPixel(*plain, {30, 0, 100, 21}, 0x000000));

  auto selected = Draw(item, odSelected);
  EXPECT_EQ(selected->Canvas()->Pixels(0, 0), TColor(0xC66931));
  EXPECT_EQ(selected->Canvas()->Pixels(199, 20), TColor(0xC66931));
  EXPECT_EQ(selected->Canvas()->Pixels(2, 10), TColor(0xEFD3C6));

  // A disabled item never shows the selection, and its text is grey.
  auto disabled = Draw(item, odSelected | odDisabled | odGrayed);
  EXPECT_EQ(disabled->Canvas()->Pixels(2, 10), TColor(0xCED3D6));
  EXPECT_EQ(disabled->Canvas()->Pixels(190, 10), TColor(0xFFFFFF));
  EXPECT_TRUE(HasPixel(*disabled, {30, 0, 100, 21}, 0x808080));
  EXPECT_FALSE(HasPixel(*disabled, {30, 0, 100, 21}, 0x000000));
}

TEST_F(ThemedMenus, SeparatorsDrawTheirLineOrTheMacBar) {
  TMenuItem* line = Add("-");
  auto deepBlue = Draw(line, 0, 200, 5);
  EXPECT_EQ(deepBlue->Canvas()->Pixels(2, 2), TColor(0xCED3D6));
  EXPECT_EQ(deepBlue->Canvas()->Pixels(30, 2), TColor(0x848284));
  EXPECT_EQ(deepBlue->Canvas()->Pixels(197, 2), TColor(0x848284));
  EXPECT_EQ(deepBlue->Canvas()->Pixels(198, 2), TColor(0xFFFFFF));
  EXPECT_EQ(deepBlue->Canvas()->Pixels(29, 2), TColor(0xFFFFFF));
  EXPECT_EQ(deepBlue->Canvas()->Pixels(100, 1), TColor(0xFFFFFF));

  menu->SetUIStyle(MacOS);
  auto mac = Draw(line, 0, 200, 12);
  auto bar = Resource("MACOS_MENU_BAR");
  for (int y = 0; y < 12; ++y) EXPECT_EQ(mac->Canvas()->Pixels(100, y), bar->Canvas()->Pixels(0, y)) << y;
}

TEST_F(ThemedMenus, TheMacSelectionComesFromItsBitmap) {
  menu->SetUIStyle(MacOS);
  TMenuItem* item = Add("Open");
  auto selected = Draw(item, odSelected, 200, 20);
  auto select = Resource("MACOS_MENU_SELECT");
  for (int y = 0; y < 20; y += 5) EXPECT_EQ(selected->Canvas()->Pixels(190, y), select->Canvas()->Pixels(0, y)) << y;
}

TEST_F(ThemedMenus, CheckedItemsShowTheMarkOrABoxBehindTheirImage) {
  TMenuItem* item = Add("Loop");
  const TRect glyph{4, 3, 20, 19};
  EXPECT_FALSE(HasPixel(*Draw(item, 0), glyph, 0x000000));
  item->SetChecked(true);
  EXPECT_TRUE(HasPixel(*Draw(item, odChecked), glyph, 0x000000));

  TImageList images;
  TBitmap red(16, 16);
  red.Canvas()->Brush()->SetColor(kRed);
  red.Canvas()->FillRect({0, 0, 16, 16});
  images.Add(&red);
  menu->SetImages(&images);
  item->SetImageIndex(0);
  auto boxed = Draw(item, odChecked);
  EXPECT_EQ(boxed->Canvas()->Pixels(2, 1), TColor(0));
  EXPECT_EQ(boxed->Canvas()->Pixels(20, 19), TColor(0));
  EXPECT_EQ(boxed->Canvas()->Pixels(3, 2), menu->SelectedColor());
  EXPECT_EQ(boxed->Canvas()->Pixels(10, 10), kRed);

  // An image index beyond the list draws neither image nor box.
  item->SetImageIndex(5);
  auto beyond = Draw(item, odChecked);
  EXPECT_FALSE(HasPixel(*beyond, glyph, kRed));
  EXPECT_NE(beyond->Canvas()->Pixels(3, 2), menu->SelectedColor());
}

TEST_F(ThemedMenus, TheDefaultItemIsBoldAndOwnFontsAreTaken) {
  TMenuItem* item = Add("Open");
  auto inkOf = [&]() {
    auto bitmap = Draw(item, 0);
    int ink = 0;
    for (int y = 0; y < 21; ++y)
      for (int x = 30; x < 150; ++x) ink += bitmap->Canvas()->Pixels(x, y) != TColor(0xFFFFFF);
    return ink;
  };
  const int normal = inkOf();
  item->SetDefault(true);
  EXPECT_GT(inkOf(), normal);
  item->SetDefault(false);
  menu->SetUseSystemFont(false);
  menu->SetFontSize(20);
  EXPECT_GT(inkOf(), normal * 2);
}

// ---- Items and menus ---------------------------------------------------------------------

TEST_F(ThemedMenus, ItemsAddedLaterAndTheirSubItemsDrawThemselves) {
  TMenuItem* file = Add("File");
  auto* loose = new TMenuItem(nullptr);  // owned by nobody
  loose->SetCaption("Loose");
  auto* child = new TMenuItem(nullptr);
  loose->Add(child);
  file->Add(loose);
  EXPECT_TRUE(loose->OnAdvancedDrawItem);
  EXPECT_TRUE(child->OnMeasureItem);

  // An item handed to another menu after its menu is gone draws nothing
  // and does not crash.
  TMenuItem* kept = Add("Kept");
  menu->Items()->Remove(kept);
  delete menu;
  menu = nullptr;
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
  TMenuItem* sub = Add("Recent");
  Add("Old", sub);
  menu->SetFlatMenu(true);
  std::unique_ptr<TBitmap> shown;
  PostToMainThread([&] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessPumpUntilIdle();
    HWND top = GetTopLevelWindows().front();
    if (const TBitmap* surface = HeadlessPresentedSurface(top)) {
      shown = std::make_unique<TBitmap>(surface->Width(), surface->Height());
      shown->Canvas()->Draw(0, 0, surface);
    }
    HeadlessKeyPress(VK_ESCAPE);
  });
  menu->Popup(200, 200);
  ASSERT_TRUE(shown);
  const int border = 3;
  const int right = shown->Width() - border;  // items end here
  TCanvas& c = *shown->Canvas();
  // The first item selected, the separator, then the item with a sub-menu.
  EXPECT_EQ(c.Pixels(border + 2, border + 10), TColor(0xA04A44));
  EXPECT_EQ(c.Pixels(border + 40, border + 21 + 2), TColor(0x848284));
  const int recentTop = border + 21 + 5;
  EXPECT_EQ(c.Pixels(border + 2, recentTop + 10), TColor(0xCED3D6));
  EXPECT_TRUE(HasPixel(*shown, {right - 12, recentTop + 6, right - 4, recentTop + 15}, 0x000000));
  // The flat border: black frame from the second row, white inside it.
  EXPECT_EQ(c.Pixels(0, 5), TColor(0));
  EXPECT_EQ(c.Pixels(1, 5), TColor(0xFFFFFF));
  EXPECT_EQ(c.Pixels(shown->Width() - 1, 5), TColor(0xE8E8E8));
}

// ---- Main menu ------------------------------------------------------------------------------

namespace {

struct TFakeFrame : TzelMenuFrame {
  int rebuilt = 0, refreshed = 0, fonts = 0;
  void RebuildMenuBar() override { ++rebuilt; }
  void RefreshMenuBar() override { ++refreshed; }
  void RefreshMenuBarFont() override { ++fonts; }
};

}  // namespace

TEST_F(ThemedMenus, TheMainMenuLeavesTheBarToItsFrame) {
  auto* plain = new TMainMenu(form);
  form->SetMenu(plain);
  auto* mainMenu = new TzelMainMenu(form);
  EXPECT_EQ(form->Menu(), nullptr);

  TFakeFrame frame;
  mainMenu->SetFrame(&frame);
  mainMenu->Loaded();
  EXPECT_EQ(frame.rebuilt, 1);
  auto* item = new TMenuItem(form);
  mainMenu->Items()->Add(item);
  item->SetCaption("Edit");
  EXPECT_GE(frame.refreshed, 2);
  EXPECT_EQ(frame.rebuilt, 1);
  mainMenu->SetUseSystemFont(false);
  EXPECT_EQ(frame.fonts, 1);
  mainMenu->SetFrame(nullptr);
}

TEST_F(ThemedMenus, TheMainMenuFallsBackToItsCheckMarkList) {
  auto* mainMenu = new TzelMainMenu(form);
  EXPECT_EQ(mainMenu->Images(), nullptr);
  ASSERT_NE(mainMenu->TMenu::Images(), nullptr);
  EXPECT_EQ(mainMenu->TMenu::Images()->Count(), 1);
  TImageList images;
  mainMenu->SetImages(&images);
  EXPECT_EQ(mainMenu->Images(), &images);
  EXPECT_EQ(mainMenu->TMenu::Images(), &images);
  mainMenu->SetImages(nullptr);
  EXPECT_EQ(mainMenu->Images(), nullptr);
  EXPECT_EQ(mainMenu->TMenu::Images()->Count(), 1);

  // The check mark draws without any image list of the program.
  auto* item = new TMenuItem(form);
  mainMenu->Items()->Add(item);
  item->SetChecked(true);
  EXPECT_TRUE(HasPixel(*Draw(item, odChecked), {4, 3, 20, 19}, 0x000000));
}

TEST(ThemedMenuItems, RightToLeftItemsMirrorBarGlyphAndSeparator) {
  TzelMenuLook look;
  ApplyMenuLook(look);
  TMenuItem line(nullptr);
  line.SetCaption("-");
  TBitmap separator(200, 5);
  DrawMenuItem(look, {&line, nullptr, nullptr, true}, *separator.Canvas(), {0, 0, 200, 5}, 0);
  EXPECT_EQ(separator.Canvas()->Pixels(199, 2), TColor(0xCED3D6));
  EXPECT_EQ(separator.Canvas()->Pixels(174, 2), TColor(0xCED3D6));
  EXPECT_EQ(separator.Canvas()->Pixels(170, 2), TColor(0xFFFFFF));
  EXPECT_EQ(separator.Canvas()->Pixels(169, 2), TColor(0x848284));
  EXPECT_EQ(separator.Canvas()->Pixels(2, 2), TColor(0x848284));
  EXPECT_EQ(separator.Canvas()->Pixels(1, 2), TColor(0xFFFFFF));

  TImageList images;
  TBitmap red(16, 16);
  red.Canvas()->Brush()->SetColor(kRed);
  red.Canvas()->FillRect({0, 0, 16, 16});
  images.Add(&red);
  TMenuItem item(nullptr);
  item.SetCaption("Open");
  item.SetImageIndex(0);
  TBitmap drawn(200, 21);
  DrawMenuItem(look, {&item, &images, nullptr, true}, *drawn.Canvas(), {0, 0, 200, 21}, 0);
  EXPECT_EQ(drawn.Canvas()->Pixels(180, 3), kRed);
  EXPECT_EQ(drawn.Canvas()->Pixels(195, 18), kRed);
  EXPECT_EQ(drawn.Canvas()->Pixels(179, 10), TColor(0xCED3D6));
  EXPECT_EQ(drawn.Canvas()->Pixels(5, 10), TColor(0xFFFFFF));
}
