// The list box as the program sees it: properties that speak to the
// native part in LB_ messages, and the reflected owner-draw and
// notification messages turned into events.

#include <algorithm>

#include "platform/framework/ListControls.h"
#include "platform/framework/SysUtils.h"
#include "platform/gfx/DrawText.h"

// ---- Items ---------------------------------------------------------------------

int TListBoxStrings::Count() const { return static_cast<int>(owner_->Perform(LB_GETCOUNT, 0, 0)); }

void TListBoxStrings::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TListBoxStrings::Strings(int index) const {
  CheckIndex(index);
  std::string text;
  owner_->Perform(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text));
  return text;
}

void TListBoxStrings::SetStrings(int index, const std::string& s) {
  CheckIndex(index);
  LPARAM data = owner_->Perform(LB_GETITEMDATA, index, 0);
  bool selected = owner_->Perform(LB_GETSEL, index, 0) > 0;
  int itemIndex = owner_->ItemIndex();
  LRESULT anchor = owner_->Perform(LB_GETANCHORINDEX, 0, 0);
  owner_->Perform(LB_DELETESTRING, index, 0);
  int at = static_cast<int>(owner_->Perform(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(s.c_str())));
  owner_->Perform(LB_SETITEMDATA, at, data);
  if (owner_->IsMultiple()) {
    // The item keeps its selection; the caret and the anchor stay where they were.
    owner_->Perform(LB_SETSEL, selected, at);
    owner_->Perform(LB_SETANCHORINDEX, static_cast<WPARAM>(anchor), 0);
    owner_->Perform(LB_SETCARETINDEX, static_cast<WPARAM>(itemIndex), 0);
  } else if (itemIndex == index) {
    owner_->Perform(LB_SETCURSEL, at, 0);
  }
}

TObject* TListBoxStrings::Objects(int index) const {
  CheckIndex(index);
  return reinterpret_cast<TObject*>(owner_->Perform(LB_GETITEMDATA, index, 0));
}

void TListBoxStrings::SetObjects(int index, TObject* object) {
  CheckIndex(index);
  owner_->Perform(LB_SETITEMDATA, index, reinterpret_cast<LPARAM>(object));
}

int TListBoxStrings::Add(const std::string& s) {
  LRESULT index = owner_->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  if (index < 0) throw EOutOfResources("Cannot add the item to the list");
  return static_cast<int>(index);
}

int TListBoxStrings::AddObject(const std::string& s, TObject* object) {
  int index = Add(s);
  SetObjects(index, object);
  return index;
}

void TListBoxStrings::Insert(int index, const std::string& s) {
  if (index < 0 || index > Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  if (owner_->Perform(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(s.c_str())) < 0)
    throw EOutOfResources("Cannot add the item to the list");
}

void TListBoxStrings::Delete(int index) {
  CheckIndex(index);
  owner_->Perform(LB_DELETESTRING, index, 0);
}

void TListBoxStrings::Clear() { owner_->Perform(LB_RESETCONTENT, 0, 0); }

int TListBoxStrings::IndexOf(const std::string& s) const {
  return static_cast<int>(owner_->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(s.c_str())));
}

void TListBoxStrings::Assign(const TStringList& list) {
  Clear();
  AddStrings(list);
}

void TListBoxStrings::AddStrings(const TStringList& list) {
  for (int i = 0; i < list.Count(); ++i) AddObject(list[i], list.Objects(i));
}

TStringList TListBoxStrings::ToStringList() const {
  TStringList list;
  for (int i = 0, n = Count(); i < n; ++i) list.AddObject(Strings(i), Objects(i));
  return list;
}

void TListBoxStrings::SetText(const std::string& text) {
  TStringList list;
  list.SetText(text);
  Assign(list);
}

// ---- The list box --------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* owner) : TRowView(owner), items_(this) {
  controlStyle_ = csSetCaption | csDoubleClicks | csOpaque | csCaptureMouse;
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

DWORD TCustomListBox::ListStyle() const {
  DWORD style = LBS_NOTIFY | LBS_HASSTRINGS;
  if (sorted_ && style_ != lbVirtual && style_ != lbVirtualOwnerDraw) style |= LBS_SORT;
  if (multiSelect_) style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (style_ == lbOwnerDrawFixed || style_ == lbVirtualOwnerDraw || style_ == lbVirtual) style |= LBS_OWNERDRAWFIXED;
  if (style_ == lbOwnerDrawVariable) style |= LBS_OWNERDRAWVARIABLE;
  if (style_ == lbVirtual || style_ == lbVirtualOwnerDraw) style |= LBS_NODATA;
  if (columns_ > 0) style |= LBS_MULTICOLUMN;
  if (!integralHeight_) style |= LBS_NOINTEGRALHEIGHT;
  if (tabWidth_ != 0) style |= LBS_USETABSTOPS;
  return style;
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TRowView::CreateParams(params);
  params.Style |= ListStyle() | WS_VSCROLL;
  if (columns_ > 0) params.Style |= WS_HSCROLL;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
  TRowView::CreateWnd();
  UpdateScrollBars();
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
  if (style_ == value) return;
  style_ = value;
  Changed();
}

void TCustomListBox::SetMultiSelect(bool value) {
  if (multiSelect_ == value) return;
  multiSelect_ = value;
  for (Item& item : list_) item.selected = false;
  curSel_ = -1;
  Changed();
}

void TCustomListBox::SetExtendedSelect(bool value) {
  extendedSelect_ = value;
  Changed();
}

void TCustomListBox::SetSorted(bool value) {
  if (sorted_ == value) return;
  sorted_ = value;
  if (sorted_ && !(ListStyle() & LBS_NODATA)) {
    // Already present items take their sorted places; the selection goes.
    std::stable_sort(list_.begin(), list_.end(), [](const Item& a, const Item& b) {
      return CompareText(a.text, b.text) < 0;
    });
    curSel_ = -1;
  }
  Changed();
}

void TCustomListBox::SetColumns(int value) {
  value = std::max(0, value);
  if (columns_ == value) return;
  columns_ = value;
  if (HandleAllocated()) {
    DWORD style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
    SetWindowLong(Handle(), GWL_STYLE, columns_ > 0 ? (style | WS_HSCROLL) : (style & ~WS_HSCROLL));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  }
  Changed();
}

void TCustomListBox::SetIntegralHeight(bool value) {
  integralHeight_ = value;
  if (value) SetHeight(Height());
  Changed();
}

void TCustomListBox::SetBounds(int left, int top, int width, int height) {
  if (integralHeight_ && !IsVariable() && columns_ == 0) {
    // The frame and a horizontal bar stay; the rows take whole steps.
    int frame = borderStyle_ == bsSingle ? 4 : 0;
    if (HandleAllocated()) frame = Height() - ClientHeight();
    int row = std::max(1, RowHeight(0));
    int rows = std::max(1, (height - frame) / row);
    height = rows * row + frame;
  }
  TRowView::SetBounds(left, top, width, height);
}

// New text metrics give a plain list rows of the font's height again.
void TCustomListBox::CMFontChanged(TMessage& m) {
  TRowView::CMFontChanged(m);
  textRowHeight_ = 0;
  Changed();
}

void TCustomListBox::SetTabWidth(int value) {
  tabWidth_ = std::max(0, value);
  Changed();
}

int TCustomListBox::ItemHeight() {
  if (IsOwnerDraw()) return itemHeight_;
  return static_cast<int>(Perform(LB_GETITEMHEIGHT, 0, 0));
}

void TCustomListBox::SetItemHeight(int value) {
  if (value <= 0) return;
  itemHeight_ = std::min(value, 255);
  Changed();
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

int TCustomListBox::Count() { return static_cast<int>(Perform(LB_GETCOUNT, 0, 0)); }

void TCustomListBox::SetCount(int value) {
  if (!(ListStyle() & LBS_NODATA)) throw EInvalidOperation("Count can be set only on a virtual list box");
  Perform(LB_SETCOUNT, std::max(0, value), 0);
}

int TCustomListBox::ItemIndex() {
  if (IsMultiple()) return static_cast<int>(Perform(LB_GETCARETINDEX, 0, 0));
  return static_cast<int>(Perform(LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int value) {
  if (ItemIndex() == value) return;
  if (IsMultiple()) Perform(LB_SETCARETINDEX, value, 0);
  else Perform(LB_SETCURSEL, value, 0);
}

int TCustomListBox::TopIndex() { return static_cast<int>(Perform(LB_GETTOPINDEX, 0, 0)); }
void TCustomListBox::SetTopIndex(int value) { Perform(LB_SETTOPINDEX, value, 0); }

bool TCustomListBox::Selected(int index) {
  LRESULT r = Perform(LB_GETSEL, index, 0);
  if (r < 0) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return r > 0;
}

void TCustomListBox::SetSelected(int index, bool value) {
  if (!ValidIndex(index)) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (IsMultiple()) Perform(LB_SETSEL, value, index);
  else if (value) SetItemIndex(index);
  else if (ItemIndex() == index) SetItemIndex(-1);
}

int TCustomListBox::SelCount() { return static_cast<int>(Perform(LB_GETSELCOUNT, 0, 0)); }

TRect TCustomListBox::ItemRect(int index) {
  TRect r;
  Perform(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  return r;
}

int TCustomListBox::ItemAtPos(TPoint pos, bool existing) {
  LRESULT r = Perform(LB_ITEMFROMPOINT, 0, MAKELPARAM(pos.X, pos.Y));
  bool outside = HIWORD(static_cast<std::uintptr_t>(r)) != 0;
  int index = LOWORD(static_cast<std::uintptr_t>(r));
  if (outside || index >= Count()) return existing ? -1 : Count();
  return index;
}

void TCustomListBox::ClearSelection() {
  if (IsMultiple()) Perform(LB_SETSEL, FALSE, static_cast<LPARAM>(-1));
  else SetItemIndex(-1);
}

void TCustomListBox::SelectAll() {
  if (IsMultiple()) Perform(LB_SETSEL, TRUE, static_cast<LPARAM>(-1));
}

TCanvas* TCustomListBox::Canvas() {
  if (paintCanvas_) return paintCanvas_;
  return MeasuringCanvas(measureBitmap_, *Font());
}

void TCustomListBox::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM: CNDrawItem(m); return;
    case CN_MEASUREITEM: CNMeasureItem(m); return;
    case CN_COMMAND: CNCommand(m); return;
    default: TRowView::Dispatch(m); return;
  }
}

void TCustomListBox::CNCommand(TMessage& m) {
  switch (HIWORD(m.WParam)) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
    default: break;
  }
}

void TCustomListBox::CNDrawItem(TMessage& m) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
  if (!dis || !dis->hDC) return;
  AnswerDrawItem(*dis, *Font(), Color(), paintCanvas_,
                 [this](int index, const TRect& rect, TOwnerDrawState state) { DrawItem(index, rect, state); });
  m.Result = 1;
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  TCanvas* canvas = Canvas();
  canvas->FillRect(rect);
  if (index < Count()) {
    TRect r = rect;
    r.Left += 2;
    canvas->SetBkMode(TRANSPARENT);
    DrawText(canvas, ItemText(index), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
}

void TCustomListBox::CNMeasureItem(TMessage& m) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  if (!mis) return;
  AnswerMeasureItem(*mis, [this](int index, int& height) { MeasureItem(index, height); });
  m.Result = 1;
}

void TCustomListBox::MeasureItem(int index, int& height) {
  if (OnMeasureItem) OnMeasureItem(this, index, height);
}

std::string TCustomListBox::ItemText(int index) {
  if (!(ListStyle() & LBS_NODATA)) return ValidIndex(index) ? list_[index].text : std::string();
  std::string data;
  if (OnData) OnData(this, index, data);
  return data;
}
