#include <map>
#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ToolBar.h"
#include "platform/os/MainThread.h"

namespace {

class ToolBarTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(300, 200);
    bar = new TToolBar(form);
    bar->SetParent(form);
    bar->SetEdgeBorders(0);
  }
  TToolButton* AddButton(const std::string& caption) {
    auto* b = new TToolButton(form);
    b->SetCaption(caption);
    b->SetParent(bar);
    return b;
  }
  TPoint Center(TToolButton* b) { return bar->ClientToScreen({b->Left() + b->Width() / 2, b->Top() + b->Height() / 2}); }

  TForm* form = nullptr;
  TToolBar* bar = nullptr;
};

TEST_F(ToolBarTest, ButtonsLineUpAndWrapIntoRowsThatAutoSizeFits) {
  std::vector<TToolButton*> buttons;
  for (int i = 0; i < 15; ++i) buttons.push_back(AddButton("b"));
  buttons[3]->SetStyle(tbsSeparator);
  bar->SetAutoSize(true);
  EXPECT_EQ(buttons[0]->Left(), 0);
  EXPECT_EQ(buttons[1]->Left(), 23);
  EXPECT_EQ(buttons[4]->Left(), 3 * 23 + 8);
  // 300 pixels hold 12 of them and the separator in the first row.
  EXPECT_EQ(buttons[12]->Top(), 0);
  EXPECT_EQ(buttons[13]->Top(), 22);
  EXPECT_EQ(buttons[13]->Left(), 0);
  EXPECT_EQ(bar->Height(), 44);

  bar->SetWrapable(false);
  EXPECT_EQ(buttons[14]->Top(), 0);
  EXPECT_EQ(bar->Height(), 22);
  buttons[1]->SetWrap(true);
  EXPECT_EQ(buttons[2]->Top(), 22);
}

TEST_F(ToolBarTest, CustomDrawingSeesEveryButtonWithItsStateAndMayTakeOver) {
  TToolButton* plain = AddButton("a");
  TToolButton* off = AddButton("b");
  off->SetEnabled(false);
  TToolButton* check = AddButton("c");
  check->SetStyle(tbsCheck);
  check->SetDown(true);
  int backgrounds = 0;
  std::map<TToolButton*, TCustomDrawState> states;
  bar->OnCustomDraw = [&](TToolBar*, const TRect& r, bool& defaultDraw) {
    ++backgrounds;
    EXPECT_EQ(r, bar->ClientRect());
    defaultDraw = false;
  };
  bar->OnCustomDrawButton = [&](TToolBar*, TToolButton* b, TCustomDrawState s, bool& defaultDraw) {
    states[b] = s;
    defaultDraw = false;
  };
  HeadlessMouseMove(Center(plain));
  bar->Repaint();
  EXPECT_GT(backgrounds, 0);
  EXPECT_EQ(states[plain], cdsHot);
  EXPECT_EQ(states[off], cdsDisabled | cdsGrayed);
  EXPECT_EQ(states[check], cdsChecked);
  HeadlessMouseDown();
  bar->Repaint();
  EXPECT_EQ(states[plain], cdsHot | cdsSelected);
  HeadlessMouseUp();
}

TEST_F(ToolBarTest, ClicksRunTheButtonAndItsMenuItemAndGroupedChecksStayExclusive) {
  TToolButton* a = AddButton("a");
  TToolButton* b = AddButton("b");
  for (TToolButton* t : {a, b}) {
    t->SetStyle(tbsCheck);
    t->SetGrouped(true);
  }
  TMenuItem item(nullptr);
  int itemClicks = 0, buttonClicks = 0;
  item.OnClick = [&](TObject*) { ++itemClicks; };
  a->SetMenuItem(&item);
  a->OnClick = [&](TObject*) { ++buttonClicks; };
  HeadlessClick(Center(a));
  EXPECT_EQ(buttonClicks, 1);
  EXPECT_EQ(itemClicks, 1);
  EXPECT_TRUE(a->Down());
  HeadlessClick(Center(b));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  b->SetDown(false);  // one of a group without AllowAllUp stays down
  EXPECT_TRUE(b->Down());

  // A press released outside the button is no click.
  HeadlessMouseMove(Center(a));
  HeadlessMouseDown();
  HeadlessMouseMove({5, 5});
  HeadlessMouseUp();
  EXPECT_EQ(buttonClicks, 1);
}

TEST_F(ToolBarTest, ButtonsBoundToMenuItemsDropTheirSubMenus) {
  TMainMenu menu(nullptr);
  auto* view = new TMenuItem(&menu);
  view->SetCaption("&View");
  menu.Items()->Add(view);
  auto* zoom = new TMenuItem(&menu);
  zoom->SetCaption("&Zoom");
  view->Add(zoom);
  int zooms = 0;
  zoom->OnClick = [&](TObject*) { ++zooms; };
  bar->SetShowCaptions(true);
  bar->SetMenu(&menu);
  ASSERT_EQ(bar->ButtonCount(), 1);
  TToolButton* button = bar->Buttons(0);
  EXPECT_EQ(button->MenuItem(), view);
  TCustomDrawState dropped = 0;
  bar->OnCustomDrawButton = [&](TToolBar*, TToolButton*, TCustomDrawState s, bool&) { dropped |= s; };
  form->SetMessageHandler(WM_ENTERMENULOOP, [&](TMessage&) {
    PostToMainThread([&] {
      bar->Repaint();
      HeadlessKeyPress(VK_DOWN);
      HeadlessKeyPress(VK_RETURN);
    });
  });
  if (false) PostToMainThread([&] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_RETURN);
  });
  HeadlessClick(Center(button));
  EXPECT_EQ(zooms, 1);
  EXPECT_TRUE(dropped & cdsSelected);
  // Freeing the menu frees the buttons made for it.
  delete view;
  EXPECT_EQ(button->MenuItem(), nullptr);
}

// A bar that gives the menu it drops down an OnPopup as soon as it owns it.
class TWatchingBar : public TToolBar {
 public:
  using TToolBar::TToolBar;
  int popups = 0;
  void Notification(TComponent* component, TOperation operation) override {
    TToolBar::Notification(component, operation);
    if (operation != opInsert) return;
    if (auto* dropped = dynamic_cast<TPopupMenu*>(component)) dropped->OnPopup = [this](TObject*) { ++popups; };
  }
};

TEST_F(ToolBarTest, WatchersOfTheBarSeeTheMenuItDropsDownAsAPopupMenu) {
  auto* watching = new TWatchingBar(form);
  watching->SetParent(form);
  watching->SetShowCaptions(true);
  TMainMenu menu(nullptr);
  auto* file = new TMenuItem(&menu);
  file->SetCaption("&File");
  menu.Items()->Add(file);
  auto* open = new TMenuItem(&menu);
  open->SetCaption("&Open");
  file->Add(open);
  watching->SetMenu(&menu);
  PostToMainThread([] { HeadlessKeyPress(VK_ESCAPE); });
  watching->TrackMenu(watching->Buttons(0));
  EXPECT_EQ(watching->popups, 1);
}

}  // namespace
