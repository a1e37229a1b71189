#include <memory>

#include "FormTestSupport.h"
#include "platform/framework/Menus.h"
#include "platform/os/MainThread.h"

// Owner-drawn items fill their place and leave their ink in the canvas
// font; the menu window adds the arrow of a sub-menu in that ink.
TEST_F(HeadlessFormsTest, OwnerDrawnSubMenusGetTheArrowInTheItemsInkAndItemsFindTheirWindow) {
  constexpr TColor kInk = 0x0000C0, kPaper = 0xE0FFE0;
  TForm* form = ShownForm();
  auto* menu = new TPopupMenu(form);
  menu->SetOwnerDraw(true);
  HWND windowSeen = nullptr;
  auto add = [&](TMenuItem* parent) {
    auto* item = new TMenuItem(form);
    item->SetCaption("Item");
    item->OnMeasureItem = [](TObject*, TCanvas*, int& w, int& h) { w = 120, h = 24; };
    item->OnAdvancedDrawItem = [&](TObject*, TCanvas* canvas, const TRect& r, TOwnerDrawState) {
      canvas->Brush()->SetColor(kPaper);
      canvas->FillRect(r);
      canvas->Font()->SetColor(kInk);
      windowSeen = MenuWindowFromCanvas(canvas);
    };
    parent->Add(item);
    return item;
  };
  add(menu->Items());
  add(add(menu->Items()));
  auto shown = std::make_unique<TBitmap>();
  HWND menuWindow = nullptr;
  PostToMainThread([&] {
    HeadlessPumpUntilIdle();
    menuWindow = GetTopLevelWindows().front();
    shown->Assign(HeadlessPresentedSurface(menuWindow));
    HeadlessKeyPress(VK_ESCAPE);
  });
  menu->Popup(200, 200);
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
}
