#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ToolBar.h"
#include "platform/os/MainThread.h"

namespace {

class MainMenuTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    Application->CreateForm(form);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 400, 300);
    menu = new TMainMenu(form);
    TMenuItem* file = Add(menu->Items(), "&File");
    Add(file, "&New");
    Add(file, "&Open");
    TMenuItem* edit = Add(menu->Items(), "&Edit");
    Add(edit, "&Copy");
    Add(edit, "&Paste");
    form->SetMenu(menu);
    form->Show();
    HeadlessPumpUntilIdle();
  }

  TMenuItem* Add(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(form);
    item->SetCaption(caption);
    item->OnClick = [this, item](TObject*) { clicked.push_back(item->Caption()); };
    parent->Add(item);
    return item;
  }

  TMenuBar* Bar() const { return menu->MenuBarControl(); }
  // Runs one batch of steps each time a menu comes up (a click drops it
  // while the click itself is being handled).
  void WhenMenusOpen(std::vector<std::function<void()>> batches) {
    pending = std::move(batches);
    form->SetMessageHandler(WM_ENTERMENULOOP, [this](TMessage&) {
      if (pending.empty()) return;
      PostToMainThread(pending.front());
      pending.erase(pending.begin());
    });
  }
  std::vector<std::function<void()>> pending;
  TPoint ButtonCenter(int index) {
    TToolButton* b = Bar()->Buttons(index);
    return Bar()->ClientToScreen({b->Left() + b->Width() / 2, b->Top() + b->Height() / 2});
  }

  TForm* form = nullptr;
  TMainMenu* menu = nullptr;
  std::vector<std::string> clicked;
};

TEST_F(MainMenuTest, TheFormShowsItsMenuAsABarOfTopItems) {
  ASSERT_NE(Bar(), nullptr);
  EXPECT_EQ(Bar()->Parent(), form);
  EXPECT_EQ(Bar()->Top(), 0);
  ASSERT_EQ(Bar()->ButtonCount(), 2);
  EXPECT_EQ(Bar()->Buttons(0)->Caption(), "&File");
  EXPECT_LT(Bar()->Buttons(0)->Left(), Bar()->Buttons(1)->Left());

  // Items changed later show on the bar.
  menu->Items()->Items(1)->SetEnabled(false);
  EXPECT_FALSE(Bar()->Buttons(1)->Enabled());
  Add(menu->Items(), "&Help");
  EXPECT_EQ(Bar()->ButtonCount(), 3);

  form->SetMenu(nullptr);
  menu->UpdateMenuBar();
  EXPECT_EQ(Bar(), nullptr);
  // A menu given to a form already shown appears once the form changes.
  form->SetMenu(menu);
  form->SetWidth(420);
  ASSERT_NE(Bar(), nullptr);
  EXPECT_EQ(Bar()->ButtonCount(), 3);
}

TEST_F(MainMenuTest, AClickDropsTheMenuAndArrowsMoveAcrossTheBar) {
  std::vector<WPARAM> opened;
  form->SetMessageHandler(WM_INITMENUPOPUP, [&](TMessage& m) { opened.push_back(m.WParam); });
  WhenMenusOpen({[] { HeadlessKeyPress(VK_RIGHT); },  // to Edit
                 [] {
                   HeadlessKeyPress(VK_DOWN);
                   HeadlessKeyPress(VK_DOWN);
                   HeadlessKeyPress(VK_RETURN);
                 }});
  HeadlessClick(ButtonCenter(0));
  EXPECT_EQ(clicked, (std::vector<std::string>{"&File", "&Edit", "&Paste"}));
  EXPECT_EQ(opened, (std::vector<WPARAM>{menu->Items()->Items(0)->Handle(), menu->Items()->Items(1)->Handle()}));
  EXPECT_EQ(Bar()->DroppedButton(), nullptr);
}

TEST_F(MainMenuTest, ThePointerMovingToAnotherButtonDropsItsMenu) {
  TPoint edit = ButtonCenter(1);
  WhenMenusOpen({[edit] { HeadlessMouseMove(edit); },
                 [] {
                   HeadlessKeyPress(VK_DOWN);
                   HeadlessKeyPress(VK_RETURN);
                 }});
  HeadlessClick(ButtonCenter(0));
  EXPECT_EQ(clicked, (std::vector<std::string>{"&File", "&Edit", "&Copy"}));
}

TEST_F(MainMenuTest, AltLetterAndF10OpenTheBarsMenus) {
  PostToMainThread([] { HeadlessKeyPress(VK_RETURN); });
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'e', 0x20000000), 1);
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Edit", "&Copy"}));
  // Without Alt the letter is not the menu's.
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'e', 0), 0);

  clicked.clear();
  WhenMenusOpen({[] { HeadlessKeyPress(VK_RETURN); }});
  PostMessage(form->Handle(), WM_SYSKEYDOWN, VK_F10, 0);
  Application->ProcessMessages();
  EXPECT_EQ(clicked, (std::vector<std::string>{"&File", "&New"}));

  // Alt pressed and released alone does the same; Alt with a key does not.
  clicked.clear();
  PostMessage(form->Handle(), WM_SYSKEYDOWN, VK_MENU, 0x20000000);
  PostMessage(form->Handle(), WM_SYSKEYDOWN, 'X', 0x20000000);
  PostMessage(form->Handle(), WM_SYSKEYUP, VK_MENU, 0);
  Application->ProcessMessages();
  EXPECT_TRUE(clicked.empty());
  WhenMenusOpen({[] { HeadlessKeyPress(VK_ESCAPE); }});
  PostMessage(form->Handle(), WM_SYSKEYDOWN, VK_MENU, 0x20000000);
  PostMessage(form->Handle(), WM_SYSKEYUP, VK_MENU, 0);
  Application->ProcessMessages();
  EXPECT_EQ(clicked, (std::vector<std::string>{"&File"}));
}

}  // namespace
