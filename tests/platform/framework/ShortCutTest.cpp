#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "platform/framework/Menus.h"

namespace {

TEST(ShortCutTest, TextOfShortCutsAndBack) {
  struct {
    TShortCut shortCut;
    const char* text;
  } cases[] = {
      {ShortCut('S', ssCtrl), "Ctrl+S"},
      {ShortCut(VK_F5, 0), "F5"},
      {ShortCut(VK_DELETE, ssShift | ssCtrl), "Shift+Ctrl+Del"},
      {ShortCut('1', ssAlt), "Alt+1"},
      {ShortCut(VK_F12, ssCtrl | ssAlt), "Ctrl+Alt+F12"},
      {ShortCut(VK_NUMPAD3, 0), "Num 3"},
  };
  for (auto& c : cases) {
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
    EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
  }
  EXPECT_EQ(TextToShortCut("ctrl+shift+s"), ShortCut('S', ssCtrl | ssShift));
}

TEST(ShortCutTest, UnreadableTextAndKeysGiveNone) {
  for (const char* text : {"", "Ctrl+", "Hyper+X", "Ctrl+SS", "F25", "+"}) EXPECT_EQ(TextToShortCut(text), scNone) << text;
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCut(0x1FF, ssCtrl), scNone);
  WORD key = 0;
  TShiftState shift = 0;
  ShortCutToKey(ShortCut('Q', ssCtrl | ssAlt), key, shift);
  EXPECT_EQ(key, 'Q');
  EXPECT_EQ(shift, ssCtrl | ssAlt);
}

class ShortCutFormTest : public HeadlessFormsTest {
 protected:
  // A key as the application's loop takes it (with Ctrl held).
  void CtrlKey(HWND target, WORD key) {
    HeadlessKeyDown(VK_CONTROL);
    PostMessage(target, WM_KEYDOWN, key, 1);
    Application->ProcessMessages();
    HeadlessKeyUp(VK_CONTROL);
  }
};

TEST_F(ShortCutFormTest, ShortcutsOfTheFormMenuAndPopupMenusFireFromTheFocusedControl) {
  TForm* form = ShownForm();
  auto* edit = new TSolidControl(form);
  edit->SetParent(form);
  edit->SetBounds(0, 0, 50, 20);
  edit->SetFocus();
  std::vector<WORD> keysSeen;
  edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    if (key != VK_CONTROL) keysSeen.push_back(key);
  };

  auto* mainMenu = new TMainMenu(form);
  auto* file = new TMenuItem(form);
  file->SetCaption("&File");
  mainMenu->Items()->Add(file);
  auto* save = new TMenuItem(form);
  save->SetShortCut(ShortCut('S', ssCtrl));
  file->Add(save);
  int saves = 0;
  save->OnClick = [&](TObject*) { ++saves; };
  form->SetMenu(mainMenu);

  auto* popup = new TPopupMenu(form);
  auto* copy = new TMenuItem(form);
  copy->SetShortCut(ShortCut('C', ssCtrl));
  popup->Items()->Add(copy);
  int copies = 0;
  copy->OnClick = [&](TObject*) { ++copies; };
  edit->SetPopupMenu(popup);

  CtrlKey(edit->Handle(), 'S');
  CtrlKey(edit->Handle(), 'C');
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(copies, 1);
  EXPECT_TRUE(keysSeen.empty());  // taken by the menus

  // A disabled item leaves the key to the control.
  file->SetEnabled(false);
  CtrlKey(edit->Handle(), 'S');
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(keysSeen, (std::vector<WORD>{'S'}));
}

}  // namespace
