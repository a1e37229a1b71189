#include <memory>

#include "FormTestSupport.h"
#include "platform/framework/Menus.h"
#include "platform/os/MainThread.h"

namespace {

constexpr TColor kInk = 0x0000C0;
constexpr TColor kPaper = 0xE0FFE0;

// Owner-drawn items that fill their rectangle and leave the canvas font in
// their own ink colour.
class MenuOwnerDrawTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm();
    menu = new TPopupMenu(form);
    menu->SetOwnerDraw(true);
  }

  TMenuItem* Add(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(form);
    item->SetCaption(caption);
    item->OnMeasureItem = [](TObject*, TCanvas*, int& w, int& h) {
      w = 120;
      h = 24;
    };
    item->OnAdvancedDrawItem = [this](TObject*, TCanvas* canvas, const TRect& r, TOwnerDrawState) {
      canvas->Brush()->SetColor(kPaper);
      canvas->FillRect(r);
      canvas->Font()->SetColor(kInk);
      windowSeen = MenuWindowFromCanvas(canvas);
    };
    parent->Add(item);
    return item;
  }

  TForm* form = nullptr;
  TPopupMenu* menu = nullptr;
  HWND windowSeen = nullptr;
};

}  // namespace

TEST_F(MenuOwnerDrawTest, ItemsWithSubMenusGetTheArrowInTheirInkAndFindTheirWindow) {
  Add(menu->Items(), "Plain");
  TMenuItem* sub = Add(menu->Items(), "More");
  Add(sub, "Inner");
  std::unique_ptr<TBitmap> shown;
  HWND menuWindow = nullptr;
  PostToMainThread([&] {
    HeadlessPumpUntilIdle();
    menuWindow = GetTopLevelWindows().front();
    const TBitmap* surface = HeadlessPresentedSurface(menuWindow);
    if (surface) {
      shown = std::make_unique<TBitmap>(surface->Width(), surface->Height());
      shown->Canvas()->Draw(0, 0, surface);
    }
    HeadlessKeyPress(VK_ESCAPE);
  });
  menu->Popup(200, 200);
  ASSERT_TRUE(shown);
  EXPECT_EQ(windowSeen, menuWindow);
  TBitmap other(4, 4);
  EXPECT_EQ(MenuWindowFromCanvas(other.Canvas()), nullptr);

  auto inkIn = [&](int top) {
    int ink = 0;
    for (int y = top; y < top + 24; ++y)
      for (int x = 3; x < 3 + 120; ++x) ink += shown->Canvas()->Pixels(x, y) == kInk;
    return ink;
  };
  EXPECT_EQ(inkIn(3), 0);
  EXPECT_GT(inkIn(3 + 24), 10);
  // Only at the end of the item, where the arrow goes.
  EXPECT_EQ(shown->Canvas()->Pixels(3 + 10, 3 + 24 + 12), kPaper);
}
