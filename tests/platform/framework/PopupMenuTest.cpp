#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Menus.h"
#include "platform/os/MainThread.h"

namespace {

struct TDrawCall {
  std::string caption;
  TRect rect;
  TOwnerDrawState state;
};

class PopupMenuTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm();
    menu = new TPopupMenu(form);
  }

  TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(form);
    item->SetCaption(caption);
    item->OnClick = [this, item](TObject*) { clicked.push_back(item->Caption()); };
    parent->Add(item);
    return item;
  }

  // Every item measures 100 x 30, so places on the screen are known.
  void MakeOwnerDrawn(TMenuItem* parent) {
    menu->SetOwnerDraw(true);
    for (int i = 0; i < parent->Count(); ++i) {
      TMenuItem* item = parent->Items(i);
      item->OnMeasureItem = [this, item](TObject*, TCanvas*, int& w, int& h) {
        measured.push_back(item->Caption());
        w = 100;
        h = 30;
      };
      item->OnAdvancedDrawItem = [this, item](TObject*, TCanvas*, const TRect& r, TOwnerDrawState s) {
        drawn.push_back({item->Caption(), r, s});
      };
      MakeOwnerDrawn(item);
    }
  }

  // Runs the steps while the menu is tracked at (200, 200).
  void PopupWhile(std::function<void()> steps) {
    PostToMainThread(std::move(steps));
    menu->Popup(200, 200);
  }

  static TPoint ItemCenter(int index) { return {250, 203 + 30 * index + 15}; }

  TOwnerDrawState LastStateOf(const std::string& caption) const {
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it)
      if (it->caption == caption) return it->state;
    ADD_FAILURE() << caption << " was never drawn";
    return 0;
  }

  TForm* form = nullptr;
  TPopupMenu* menu = nullptr;
  std::vector<std::string> clicked;
  std::vector<std::string> measured;
  std::vector<TDrawCall> drawn;
};

TEST_F(PopupMenuTest, OwnerDrawnItemsAreMeasuredAndDrawnWithTheirStates) {
  AddItem(menu->Items(), "Open");
  AddItem(menu->Items(), "-");
  AddItem(menu->Items(), "Gone")->SetVisible(false);
  AddItem(menu->Items(), "Locked")->SetEnabled(false);
  TMenuItem* checked = AddItem(menu->Items(), "Loop");
  checked->SetChecked(true);
  checked->SetDefault(true);
  MakeOwnerDrawn(menu->Items());
  PopupWhile([] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_ESCAPE);
  });
  EXPECT_EQ(measured, (std::vector<std::string>{"Open", "-", "Locked", "Loop"}));
  EXPECT_TRUE(LastStateOf("Open") & odSelected);
  EXPECT_EQ(LastStateOf("Locked"), odDisabled | odGrayed);
  EXPECT_EQ(LastStateOf("Loop"), odChecked | odDefault);
  for (const TDrawCall& call : drawn) {
    EXPECT_EQ(call.rect.Width(), 100);
    EXPECT_EQ(call.rect.Height(), 30);
    EXPECT_NE(call.caption, "Gone");
  }
  EXPECT_TRUE(clicked.empty());
}

TEST_F(PopupMenuTest, ArrowsSkipSeparatorsAndEnterClicksTheSelectedItem) {
  AddItem(menu->Items(), "One");
  AddItem(menu->Items(), "-");
  AddItem(menu->Items(), "Two");
  AddItem(menu->Items(), "Three");
  PopupWhile([] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_RETURN);
  });
  EXPECT_EQ(clicked, (std::vector<std::string>{"Two"}));
  // Up from nothing wraps to the last item.
  clicked.clear();
  PopupWhile([] {
    HeadlessKeyPress(VK_UP);
    HeadlessKeyPress(VK_RETURN);
  });
  EXPECT_EQ(clicked, (std::vector<std::string>{"Three"}));
}

TEST_F(PopupMenuTest, DisabledItemsAreSelectableButNeverClicked) {
  AddItem(menu->Items(), "Off")->SetEnabled(false);
  PopupWhile([] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_RETURN);
    HeadlessKeyPress(VK_ESCAPE);
  });
  EXPECT_TRUE(clicked.empty());
}

TEST_F(PopupMenuTest, AcceleratorsChooseTheirItem) {
  AddItem(menu->Items(), "&Open");
  AddItem(menu->Items(), "&Save");
  PopupWhile([] { HeadlessKeyPress('S', "s"); });
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Save"}));
}

TEST_F(PopupMenuTest, ItemsWithoutAnAmpersandGetAHotkeyUnlessTheMenuIsManual) {
  AddItem(menu->Items(), "Save");
  AddItem(menu->Items(), "Stop");
  PopupWhile([] { HeadlessKeyPress('T', "t"); });
  EXPECT_EQ(clicked, (std::vector<std::string>{"Stop"}));
  EXPECT_EQ(menu->Items()->Items(1)->DisplayCaption(), "S&top");

  clicked.clear();
  menu->SetAutoHotkeys(maManual);
  PopupWhile([] {
    HeadlessKeyPress('T', "t");
    HeadlessKeyPress(VK_ESCAPE);
  });
  EXPECT_TRUE(clicked.empty());
  EXPECT_EQ(HeadlessRequests().beeps, 1);
}

TEST_F(PopupMenuTest, SubMenusCascadeByKeysAndCloseWithLeft) {
  TMenuItem* convert = AddItem(menu->Items(), "Convert");
  AddItem(convert, "To MP3");
  AddItem(convert, "To WAV");
  AddItem(menu->Items(), "Close");
  std::vector<WPARAM> opened;
  form->SetMessageHandler(WM_INITMENUPOPUP, [&](TMessage& m) { opened.push_back(m.WParam); });
  PopupWhile([] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_RIGHT);
    HeadlessKeyPress(VK_LEFT);  // back to the first level
    HeadlessKeyPress(VK_RIGHT);
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_RETURN);
  });
  EXPECT_EQ(clicked, (std::vector<std::string>{"Convert", "Convert", "To WAV"}));
  EXPECT_EQ(opened, (std::vector<WPARAM>{menu->Items()->Handle(), convert->Handle(), convert->Handle()}));
}

TEST_F(PopupMenuTest, ThePointerHoversOpensSubMenusAndClicks) {
  TMenuItem* convert = AddItem(menu->Items(), "Convert");
  AddItem(convert, "To MP3");
  AddItem(convert, "To WAV");
  AddItem(menu->Items(), "Close");
  MakeOwnerDrawn(menu->Items());
  PopupWhile([] {
    HeadlessMouseMove(ItemCenter(0));  // opens the sub-menu to the right
    // The sub-menu's first item lies beside "Convert": x from 303 on.
    HeadlessClick({350, 203 + 30 + 15});
  });
  EXPECT_EQ(clicked, (std::vector<std::string>{"Convert", "To WAV"}));
  EXPECT_TRUE(LastStateOf("Convert") & odSelected);
}

TEST_F(PopupMenuTest, AClickOutsideDismissesTheMenu) {
  AddItem(menu->Items(), "One");
  MakeOwnerDrawn(menu->Items());
  std::vector<UINT> loop;
  for (UINT msg : {WM_ENTERMENULOOP, WM_EXITMENULOOP})
    form->SetMessageHandler(msg, [&loop](TMessage& m) { loop.push_back(m.Msg); });
  int popups = 0;
  menu->OnPopup = [&](TObject*) { ++popups; };
  PopupWhile([] { HeadlessClick({20, 20}); });
  EXPECT_TRUE(clicked.empty());
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(loop, (std::vector<UINT>{WM_ENTERMENULOOP, WM_EXITMENULOOP}));
  // No menu window is left over the form.
  for (HWND top : GetTopLevelWindows()) EXPECT_EQ(GetClassName(top).find("TMenuWindow"), std::string::npos);
}

TEST_F(PopupMenuTest, SelectionIsReportedThroughMenuSelect) {
  TMenuItem* one = AddItem(menu->Items(), "One");
  AddItem(menu->Items(), "Two")->SetEnabled(false);
  std::vector<std::pair<UINT, UINT>> selects;
  form->SetMessageHandler(WM_MENUSELECT, [&](TMessage& m) { selects.push_back({LOWORD(m.WParam), HIWORD(m.WParam)}); });
  PopupWhile([] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_ESCAPE);
  });
  ASSERT_EQ(selects.size(), 3u);
  EXPECT_EQ(selects[0], std::make_pair(one->Command(), MF_HILITE));
  EXPECT_EQ(selects[1].second, MF_HILITE | MF_GRAYED | MF_DISABLED);
  EXPECT_EQ(selects[2], std::make_pair(0u, 0xFFFFu));  // the menu closed
}

TEST_F(PopupMenuTest, ContextMenuComesFromTheControlOrItsParents) {
  auto* child = new TSolidControl(form);
  child->SetParent(form);
  child->SetBounds(0, 0, 50, 50);
  AddItem(menu->Items(), "Paste");
  EXPECT_FALSE(ShowContextMenu(child, {0, 0}));
  form->SetPopupMenu(menu);
  PostToMainThread([] { HeadlessKeyPress(VK_RETURN); HeadlessKeyPress(VK_ESCAPE); });
  EXPECT_TRUE(ShowContextMenu(child, {10, 10}));
  EXPECT_EQ(menu->PopupComponent(), form);
  menu->SetAutoPopup(false);
  EXPECT_FALSE(ShowContextMenu(child, {10, 10}));
}

TEST_F(PopupMenuTest, TheFocusedControlKeepsItsFocusAcrossTheMenu) {
  auto* control = new TSolidControl(form);
  control->SetParent(form);
  control->SetBounds(0, 0, 50, 50);
  control->SetFocus();
  int enters = 0, exits = 0;
  control->OnEnter = [&](TObject*) { ++enters; };
  control->OnExit = [&](TObject*) { ++exits; };
  AddItem(menu->Items(), "One");
  PopupWhile([] { HeadlessKeyPress(VK_ESCAPE); });
  EXPECT_EQ(GetFocus(), control->Handle());
  EXPECT_EQ(enters + exits, 0);
  EXPECT_TRUE(form->Active());
}

TEST_F(PopupMenuTest, MenusStayOnTheScreenAndEmptyOnesShowNothing) {
  AddItem(menu->Items(), "One");
  MakeOwnerDrawn(menu->Items());
  TRect shown;
  PostToMainThread([&] {
    for (HWND top : GetTopLevelWindows())
      if (GetClassName(top).find("TMenuWindow") != std::string::npos) GetWindowRect(top, &shown);
    HeadlessKeyPress(VK_ESCAPE);
  });
  menu->Popup(1000, 750);
  EXPECT_EQ(shown, Rect(1000 - 106, 768 - 36, 1000, 768));

  menu->Items()->Items(0)->SetVisible(false);
  int entered = 0;
  form->SetMessageHandler(WM_ENTERMENULOOP, [&](TMessage&) { ++entered; });
  menu->Popup(10, 10);  // returns at once: nothing to show
  EXPECT_EQ(entered, 1);
  EXPECT_TRUE(clicked.empty());
}

TEST_F(PopupMenuTest, ItemsRemovedWhileTheMenuIsOpenCloseIt) {
  AddItem(menu->Items(), "One");
  TMenuItem* two = AddItem(menu->Items(), "Two");
  PopupWhile([&] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_DOWN);
    delete two;
    HeadlessKeyPress(VK_RETURN);
  });
  EXPECT_TRUE(clicked.empty());
  // Sub-items rebuilt by the parent's OnClick as its sub-menu opens are fine.
  TMenuItem* recent = AddItem(menu->Items(), "Recent");
  AddItem(recent, "old.mp3");
  recent->OnClick = [&](TObject*) {
    recent->Clear();
    AddItem(recent, "new.mp3");
  };
  PopupWhile([] {
    HeadlessKeyPress(VK_UP);
    HeadlessKeyPress(VK_RIGHT);
    HeadlessKeyPress(VK_RETURN);
  });
  EXPECT_EQ(clicked, (std::vector<std::string>{"new.mp3"}));
}

}  // namespace

TEST_F(PopupMenuTest, AContextRequestOpensTheMenuOfTheControlOrItsParent) {
  AddItem(menu->Items(), "&Open");
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 100, 50);
  form->SetPopupMenu(menu);  // the panel has none: the form's menu answers
  PostToMainThread([] { HeadlessKeyPress('O', "o"); });
  SendMessage(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()), MAKELPARAM(150, 150));
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Open"}));

  // From the keyboard the menu opens at the control's corner.
  PostToMainThread([] { HeadlessKeyPress('O', "o"); });
  SendMessage(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()), -1);
  EXPECT_EQ(clicked.size(), 2u);
}
