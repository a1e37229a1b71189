// The combo box as the program sees it: properties, events, the reflected
// notifications, owner drawing, and its plain look (a sunken field with a
// drop button).

#include <algorithm>

#include "platform/framework/Edits.h"
#include "platform/framework/ListControls.h"
#include "platform/gfx/DrawText.h"

namespace detail {

TComboListBox::TComboListBox(TComponent* owner, TComboBox* combo) : TCustomListBox(owner), combo_(combo) {
  focusOnClick_ = false;
  SetTabStop(false);
}

void TComboListBox::CreateParams(TCreateParams& params) {
  TCustomListBox::CreateParams(params);
  if (Parent()) return;
  // The drop-down list: a pop-up above everything, with a thin frame.
  params.Style = (params.Style & ~(WS_CHILD | WS_VISIBLE)) | WS_POPUP | WS_BORDER;
  params.ExStyle = (params.ExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  params.WndParent = combo_->HandleAllocated() ? combo_->Handle() : nullptr;
}

void TComboListBox::CNCommand(TMessage& m) {
  if (HIWORD(m.WParam) == LBN_SELCHANGE) combo_->SelectFromUser(ItemIndex());
  else if (HIWORD(m.WParam) == LBN_DBLCLK) combo_->Notify(CBN_DBLCLK);
}

void TComboListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  combo_->paintCanvas_ = Canvas();
  combo_->DrawItem(index, rect, state);
  combo_->paintCanvas_ = nullptr;
}

void TComboListBox::CNMeasureItem(TMessage& m) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  if (!mis) return;
  mis->itemHeight = static_cast<UINT>(combo_->MeasureThroughCombo(static_cast<int>(mis->itemID), static_cast<int>(mis->itemHeight)));
  m.Result = 1;
}

}  // namespace detail

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = csSetCaption | csDoubleClicks | csFixedHeight;
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
  list_ = new detail::TComboListBox(nullptr, this);
  list_->SetItemHeight(16);
  SetStyle(csDropDown);
}

TComboBox::~TComboBox() {
  // Taken off this control first: a deleted child must leave its parent's lists.
  if (edit_) edit_->SetParent(nullptr);
  list_->SetParent(nullptr);
  delete list_;
  list_ = nullptr;
}

TListBoxStrings* TComboBox::Items() { return list_->Items(); }

DWORD TComboBox::ComboStyle() const {
  DWORD style = CBS_HASSTRINGS | CBS_AUTOHSCROLL;
  switch (style_) {
    case csSimple: style |= CBS_SIMPLE; break;
    case csDropDown: style |= CBS_DROPDOWN; break;
    default: style |= CBS_DROPDOWNLIST; break;
  }
  if (style_ == csOwnerDrawFixed) style |= CBS_OWNERDRAWFIXED;
  if (style_ == csOwnerDrawVariable) style |= CBS_OWNERDRAWVARIABLE;
  if (list_ && list_->Sorted()) style |= CBS_SORT;
  return style;
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (dropped_) ShowList(false, false);
  style_ = value;
  list_->SetStyle(value == csOwnerDrawFixed ? lbOwnerDrawFixed
                  : value == csOwnerDrawVariable ? lbOwnerDrawVariable : lbStandard);
  if (HasEdit() && !edit_) {
    edit_ = new TEdit(this);
    edit_->SetBorderStyle(bsNone);
    edit_->SetParent(this);
    edit_->SetTabStop(false);
    edit_->SetMaxLength(maxLength_);
    edit_->OnChange = [this](TObject*) { EditChanged(); };
    edit_->OnKeyPress = [this](TObject*, char32_t& key) { typed_ = key >= 0x20; };
    edit_->OnKeyDown = [this](TObject*, WORD& key, TShiftState shift) {
      if (NavigateKey(key, shift)) key = 0;
    };
    edit_->OnExit = [this](TObject*) { ShowList(false, false); };
  } else if (!HasEdit() && edit_) {
    edit_->SetParent(nullptr);
    delete edit_;
    edit_ = nullptr;
  }
  if (list_->HandleAllocated()) list_->DestroyHandle();
  list_->SetParent(style_ == csSimple ? this : nullptr);
  if (HandleAllocated()) MeasureAll();
  LayoutParts();
  Invalidate();
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= ComboStyle() | WS_VSCROLL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  MeasureAll();
  LayoutParts();
}

int TComboBox::ItemIndex() { return static_cast<int>(Perform(CB_GETCURSEL, 0, 0)); }

void TComboBox::SetItemIndex(int value) {
  if (ItemIndex() != value) Perform(CB_SETCURSEL, value, 0);
}

bool TComboBox::DroppedDown() { return Perform(CB_GETDROPPEDSTATE, 0, 0) != 0; }
void TComboBox::SetDroppedDown(bool value) { Perform(CB_SHOWDROPDOWN, value, 0); }

bool TComboBox::Sorted() const { return list_->Sorted(); }
void TComboBox::SetSorted(bool value) { list_->SetSorted(value); }

// With variable heights this is the height each item is offered when measured.
int TComboBox::ItemHeight() {
  if (style_ == csOwnerDrawVariable) return list_->ItemHeight();
  return static_cast<int>(Perform(CB_GETITEMHEIGHT, 0, 0));
}

void TComboBox::SetItemHeight(int value) {
  if (style_ == csOwnerDrawVariable) list_->SetItemHeight(value);
  else Perform(CB_SETITEMHEIGHT, 0, value);
}

void TComboBox::SetMaxLength(int value) {
  maxLength_ = std::max(0, value);
  Perform(CB_LIMITTEXT, maxLength_, 0);
}

void TComboBox::Clear() {
  Perform(CB_RESETCONTENT, 0, 0);
  SetText("");
}

TCanvas* TComboBox::Canvas() {
  if (paintCanvas_) return paintCanvas_;
  return MeasuringCanvas(measureBitmap_, *Font());
}

void TComboBox::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND: CNCommand(m); return;
    case CN_DRAWITEM: CNDrawItem(m); return;
    case CN_MEASUREITEM: CNMeasureItem(m); return;
    default: TWinControl::Dispatch(m); return;
  }
}

void TComboBox::CNCommand(TMessage& m) {
  switch (HIWORD(m.WParam)) {
    case CBN_SELCHANGE:
      Click();
      Select();
      break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    case CBN_DBLCLK: DblClick(); break;
    default: break;
  }
}

void TComboBox::Change() {
  if (OnChange) OnChange(this);
}

// A choice from the list: OnSelect when the program listens for it,
// otherwise it counts as a change.
void TComboBox::Select() {
  if (OnSelect) OnSelect(this);
  else Change();
}

void TComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TComboBox::CMWantSpecialKey(TMessage& m) {
  WORD key = static_cast<WORD>(m.WParam);
  m.Result = dropped_ && (key == VK_RETURN || key == VK_ESCAPE) ? 1 : 0;
}

void TComboBox::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key && NavigateKey(key, shift)) key = 0;
}

void TComboBox::CNDrawItem(TMessage& m) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
  if (!dis || !dis->hDC) return;
  AnswerDrawItem(*dis, *Font(), Color(), paintCanvas_,
                 [this](int index, const TRect& rect, TOwnerDrawState state) { DrawItem(index, rect, state); });
  m.Result = 1;
}

void TComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem && (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable)) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  TCanvas* canvas = Canvas();
  canvas->FillRect(rect);
  if (index >= 0 && index < list_->Count()) {
    TRect r = rect;
    r.Left += 2;
    canvas->SetBkMode(TRANSPARENT);
    DrawText(canvas, list_->Items()->Strings(index), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
}

void TComboBox::CNMeasureItem(TMessage& m) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  if (!mis) return;
  AnswerMeasureItem(*mis, [this](int index, int& height) { MeasureItem(index, height); });
  m.Result = 1;
}

void TComboBox::MeasureItem(int index, int& height) {
  if (OnMeasureItem) OnMeasureItem(this, index, height);
}

// ---- Look ------------------------------------------------------------------------

TRect TComboBox::ButtonRect() {
  if (!HasButton()) return {};
  TRect client = ClientRect();
  int width = GetSystemMetrics(SM_CXVSCROLL);
  return {std::max(client.Left, client.Right - width), client.Top, client.Right, client.Bottom};
}

TRect TComboBox::FieldRect() {
  TRect client = ClientRect();
  if (style_ == csSimple)
    client.Bottom = std::min(client.Bottom, client.Top + (fieldHeight_ > 0 ? fieldHeight_ : list_->ItemHeight()) + 4);
  TRect button = ButtonRect();
  if (!button.IsEmpty()) client.Right = button.Left;
  return client;
}

void TComboBox::LayoutParts() {
  TRect field = FieldRect();
  if (edit_) {
    TRect r = field;
    InflateRect(r, -1, -1);
    edit_->SetBounds(r.Left + 1, r.Top, std::max(0, r.Width() - 1), std::max(0, r.Height()));
  }
  if (style_ == csSimple) {
    TRect client = ClientRect();
    list_->SetBounds(0, field.Bottom, client.Width(), std::max(0, client.Bottom - field.Bottom));
  }
}

void TComboBox::PaintWindow(HDC dc) {
  if (!dc) return;
  TCanvas& c = *dc;
  TRect field = FieldRect();
  c.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  c.FillRect(field);
  if (!HasEdit()) {
    TRect item = field;
    InflateRect(item, -2, -2);
    bool focused = Focused() && !dropped_;
    UINT state = ODS_COMBOBOXEDIT | (focused ? ODS_SELECTED | ODS_FOCUS : 0) | (Enabled() ? 0 : ODS_DISABLED);
    int index = list_->ItemIndex();
    if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) {
      RequestDrawItem(Handle(), ODT_COMBOBOX, index, ODA_DRAWENTIRE, state, dc, item);
    } else {
      int saved = c.SaveDC();
      c.SetFont(*Font());
      c.Brush()->SetColor(focused ? clHighlight : (Enabled() ? Color() : clBtnFace));
      c.FillRect(item);
      c.Font()->SetColor(!Enabled() ? clGrayText : focused ? clHighlightText : Font()->Color());
      c.SetBkMode(TRANSPARENT);
      TRect text = item;
      text.Left += 1;
      if (index >= 0) DrawText(&c, list_->Items()->Strings(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      if (focused) c.DrawFocusRect(item);
      c.RestoreDC(saved);
    }
  }
  TRect button = ButtonRect();
  if (button.IsEmpty()) return;
  DrawArrowButton(c, button, adDown, Enabled(), dropped_);
}
