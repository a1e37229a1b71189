// A form holding every standard control, for checks on a real display.
// It prints what the user does ("edit: hello", "combo: gamma",
// "menu: Delete") and where the controls a script drives sit on the screen
// ("where edit 120 80"), one line each, flushed at once.

#include <cstdio>
#include <string>

#include "platform/framework/Buttons.h"
#include "platform/framework/ComCtrls.h"
#include "platform/framework/Edits.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/ListControls.h"
#include "platform/framework/ListView.h"
#include "platform/framework/Memo.h"
#include "platform/framework/Menus.h"
#include "platform/framework/PageControls.h"
#include "platform/framework/ScrollBars.h"
#include "platform/framework/StdCtrls.h"
#include "platform/framework/ToolBar.h"
#include "platform/framework/TreeView.h"
#include "platform/win/WinApi.h"

namespace {

void Say(const std::string& text) {
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

// The caption as shown, without its "&" accelerator marks.
std::string Plain(const std::string& caption) {
  std::string text;
  for (char c : caption)
    if (c != '&') text += c;
  return text;
}

template <class T>
T* Place(TWinControl* parent, int left, int top, int width, int height) {
  auto* control = new T(parent->Owner() ? parent->Owner() : parent);
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  return control;
}

TMenuItem* AddMenuItem(TComponent* owner, TMenuItem* parent, const std::string& caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  item->OnClick = [item](TObject*) { Say("menu: " + Plain(item->Caption())); };
  parent->Add(item);
  return item;
}

class TControlsForm : public TForm {
 public:
  explicit TControlsForm(TComponent* owner) : TForm(owner) {
    SetCaption("Controls Demo");
    SetBounds(40, 40, 660, 480);
    BuildMenu();
    BuildToolBar();
    BuildStatusBar();
    pages_ = new TPageControl(this);
    pages_->SetParent(this);
    pages_->SetAlign(alClient);
    BuildInputPage(AddPage("Input"));
    BuildButtonsPage(AddPage("Buttons"));
    BuildViewsPage(AddPage("Views"));
    pages_->OnChange = [this](TObject*) { Say("page: " + pages_->ActivePage()->Caption()); };
    OnShow = [this](TObject*) { ReportPlaces(); };
  }

 private:
  TTabSheet* AddPage(const std::string& caption) {
    auto* sheet = new TTabSheet(this);
    sheet->SetCaption(caption);
    sheet->SetPageControl(pages_);
    return sheet;
  }

  void BuildMenu() {
    auto* menu = new TMainMenu(this);
    // Its click, as it drops down, tells the script the menu is open.
    TMenuItem* file = AddMenuItem(this, menu->Items(), "&File");
    AddMenuItem(this, file, "&Open");
    AddMenuItem(this, file, "-");
    TMenuItem* exit = AddMenuItem(this, file, "E&xit");
    exit->OnClick = [this](TObject*) {
      Say("menu: Exit");
      Close();
    };
    TMenuItem* help = AddMenuItem(this, menu->Items(), "&Help");
    help->OnClick = nullptr;
    AddMenuItem(this, help, "&About");
    SetMenu(menu);
    menu->UpdateMenuBar();
    menu_ = menu;
  }

  void BuildToolBar() {
    auto* bar = new TToolBar(this);
    bar->SetParent(this);
    bar->SetAlign(alTop);
    bar->SetShowCaptions(true);
    bar->SetFlat(true);
    for (const char* caption : {"New", "Save", "Print"}) {
      auto* button = new TToolButton(this);
      button->SetCaption(caption);
      button->SetParent(bar);
      std::string text = caption;
      button->OnClick = [text](TObject*) { Say("tool: " + text); };
    }
  }

  void BuildStatusBar() {
    auto* status = new TStatusBar(this);
    status->SetParent(this);
    status->SetAlign(alBottom);
    status->Panels()->Add()->SetText("Ready");
    status->Panels()->Add()->SetText("3 pages");
  }

  void BuildInputPage(TTabSheet* page) {
    auto* label = Place<TLabel>(page, 10, 12, 60, 16);
    label->SetCaption("&Name:");
    edit_ = Place<TEdit>(page, 80, 8, 180, 22);
    label->SetFocusControl(edit_);
    edit_->OnChange = [this](TObject*) { Say("edit: " + edit_->Text()); };
    edit_->OnEnter = [](TObject*) { Say("edit: focused"); };

    combo_ = Place<TComboBox>(page, 80, 40, 180, 22);
    combo_->SetStyle(csDropDownList);
    for (const char* item : {"alpha", "beta", "gamma", "delta"}) combo_->Items()->Add(item);
    combo_->SetItemIndex(0);
    combo_->OnChange = [this](TObject*) { Say("combo: " + combo_->Text()); };
    combo_->OnDropDown = [](TObject*) { Say("combo: open"); };

    list_ = Place<TListBox>(page, 10, 74, 250, 120);
    for (const char* item : {"first.mp3", "second.ogg", "third.wav", "fourth.wma"}) list_->Items()->Add(item);
    popup_ = new TPopupMenu(this);
    AddMenuItem(this, popup_->Items(), "&Open");
    AddMenuItem(this, popup_->Items(), "&Rename");
    AddMenuItem(this, popup_->Items(), "-");
    AddMenuItem(this, popup_->Items(), "&Delete");
    list_->SetPopupMenu(popup_);
    popup_->OnPopup = [](TObject*) { Say("popup: open"); };
    actions_ = Place<TButton>(page, 10, 200, 100, 25);
    actions_->SetCaption("Actions...");
    // Opens the list box's menu under the button.
    actions_->OnClick = [this](TObject*) {
      TPoint at = actions_->ClientToScreen({0, actions_->Height()});
      popup_->Popup(at.X, at.Y);
    };

    auto* memo = Place<TMemo>(page, 280, 8, 350, 217);
    memo->SetScrollBars(ssVertical);
    for (int i = 1; i <= 30; ++i) memo->Lines()->Add("Memo line " + std::to_string(i));
  }

  void BuildButtonsPage(TTabSheet* page) {
    auto* button = Place<TButton>(page, 10, 10, 90, 25);
    button->SetCaption("&Button");
    button->OnClick = [](TObject*) { Say("button: Button"); };
    auto* check = Place<TCheckBox>(page, 10, 44, 120, 20);
    check->SetCaption("&Check box");
    check->SetChecked(true);
    auto* group = Place<TGroupBox>(page, 10, 72, 150, 80);
    group->SetCaption("Group box");
    Place<TRadioButton>(group, 10, 20, 120, 20)->SetCaption("Radio one");
    auto* two = Place<TRadioButton>(group, 10, 46, 120, 20);
    two->SetCaption("Radio two");
    two->SetChecked(true);
    auto* radios = Place<TRadioGroup>(page, 180, 10, 150, 100);
    radios->SetCaption("Radio group");
    for (const char* item : {"Low", "Medium", "High"}) radios->Items()->Add(item);
    radios->SetItemIndex(1);
    auto* panel = Place<TPanel>(page, 180, 120, 150, 40);
    panel->SetCaption("Panel");
    auto* bevel = new TBevel(this);
    bevel->SetBounds(350, 10, 120, 60);
    bevel->SetParent(page);
    auto* image = new TImage(this);
    image->SetBounds(350, 90, 48, 48);
    image->SetParent(page);
    TBitmap* picture = image->Picture()->Bitmap();
    picture->SetSize(48, 48);
    picture->Canvas()->Brush()->SetColor(TColor(0x00C08040));
    picture->Canvas()->FillRect(TRect{0, 0, 48, 48});
    picture->Canvas()->Brush()->SetColor(TColor(0x0040C0F0));
    picture->Canvas()->Ellipse(8, 8, 40, 40);
    auto* speed = new TSpeedButton(this);
    speed->SetBounds(420, 90, 70, 25);
    speed->SetCaption("Speed");
    speed->SetParent(page);
    speed->OnClick = [](TObject*) { Say("speed: Speed"); };

    auto* track = Place<TTrackBar>(page, 10, 180, 200, 36);
    track->SetRange(0, 10);
    track->SetPosition(4);
    track->OnChange = [track](TObject*) { Say("track: " + std::to_string(track->Position())); };
    auto* progress = Place<TProgressBar>(page, 230, 185, 200, 18);
    progress->SetPosition(60);
    auto* scroll = Place<TScrollBar>(page, 10, 230, 420, 17);
    scroll->SetKind(sbHorizontal);
    scroll->OnChange = [scroll](TObject*) { Say("scroll: " + std::to_string(scroll->Position())); };
  }

  void BuildViewsPage(TTabSheet* page) {
    auto* view = Place<TListView>(page, 10, 10, 360, 220);
    view->SetRowSelect(true);
    view->SetGridLines(true);
    const char* heads[] = {"Name", "Size", "Length"};
    const int widths[] = {160, 80, 80};
    for (int i = 0; i < 3; ++i) {
      TListColumn* column = view->Columns()->Add();
      column->SetCaption(heads[i]);
      column->SetWidth(widths[i]);
    }
    const char* rows[][3] = {{"first.mp3", "3.2 MB", "3:21"}, {"second.ogg", "2.7 MB", "2:58"}, {"third.wav", "41 MB", "4:05"}};
    for (auto& row : rows) {
      TListItem* item = view->Items()->Add();
      item->SetCaption(row[0]);
      item->SubItems()->Add(row[1]);
      item->SubItems()->Add(row[2]);
    }
    auto* tree = Place<TTreeView>(page, 390, 10, 240, 220);
    TTreeNode* music = tree->Items()->AddChild(nullptr, "Music");
    tree->Items()->AddChild(music, "Albums");
    tree->Items()->AddChild(music, "Singles");
    TTreeNode* talks = tree->Items()->AddChild(nullptr, "Recordings");
    tree->Items()->AddChild(talks, "Monday");
    music->Expand(false);
  }

  // Screen points for the script: the middle of a control, or a point of it.
  void Where(const std::string& name, TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    Say("where " + name + " " + std::to_string(p.X) + " " + std::to_string(p.Y));
  }

  void ReportPlaces() {
    Where("edit", edit_, edit_->Width() / 2, edit_->Height() / 2);
    Where("combo", combo_, combo_->Width() - 8, combo_->Height() / 2);
    Where("list", list_, list_->Width() / 2, 8);
    Where("actions", actions_, actions_->Width() / 2, actions_->Height() / 2);
    Where("file", menu_->MenuBarControl(), 12, menu_->MenuBarControl()->Height() / 2);
    TRect tab = pages_->TabRect(1);
    Where("tab-buttons", pages_, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
    tab = pages_->TabRect(2);
    Where("tab-views", pages_, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
    Say("ready");
  }

  TMainMenu* menu_ = nullptr;
  TPageControl* pages_ = nullptr;
  TEdit* edit_ = nullptr;
  TComboBox* combo_ = nullptr;
  TListBox* list_ = nullptr;
  TPopupMenu* popup_ = nullptr;
  TButton* actions_ = nullptr;
};

TControlsForm* ControlsForm = nullptr;

}  // namespace

int main() {
  Application->Initialize();
  Application->CreateForm(ControlsForm);
  Application->Run();
  // The windows go while the display connection still stands.
  Application->DestroyForms();
  ShutdownWindowSystem();
  return 0;
}
