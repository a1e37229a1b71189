// The native part of the combo box: the CB_ messages, the drop-down list
// shown and hidden, choosing by keys and mouse, and auto-completion.

#include <algorithm>

#include "platform/framework/Edits.h"
#include "platform/framework/ListControls.h"
#include "platform/gfx/TextUtf8.h"

namespace {
constexpr DWORD kSearchPauseMs = 1000;  // typing after this pause starts a new search
// Completion runs once the edit has finished taking the typed character.
constexpr UINT kCompleteTypedText = WM_USER + 0x5C0;
}

bool GetComboBoxInfo(HWND combo, COMBOBOXINFO* info) {
  if (!info || !IsWindow(combo)) return false;
  return SendMessage(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(info)) != 0;
}

// ---- The drop-down list's pointer ------------------------------------------------

namespace detail {

void TComboListBox::Dispatch(TMessage& m) {
  if (Parent() || !PopupMouse(m)) TCustomListBox::Dispatch(m);
  // Without a window of its own the list measures nothing: the combo box does it.
  if ((m.Msg == LB_ADDSTRING || m.Msg == LB_INSERTSTRING) && m.Result >= 0 && !HandleAllocated())
    combo_->MeasureListItem(static_cast<int>(m.Result));
  // The pop-up keeps the pointer while it is down.
  if (!Parent() && combo_->dropped_ && HandleAllocated() && !TrackingBar() && GetCapture() != Handle())
    SetCapture(Handle());
}

// While down, the list holds the pointer: it follows the pointer, a
// release over an item chooses it and a press outside closes the list.
bool TComboListBox::PopupMouse(TMessage& m) {
  if (TrackingBar() || !HandleAllocated()) return false;
  TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  bool inClient = ClientRect().Contains(p);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (inClient && Count() > 0) Perform(LB_SETCURSEL, ItemAtPos(p, false) < Count() ? ItemAtPos(p, false) : Count() - 1, 0);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (inClient) return true;
      TPoint screen = ClientToScreen(p);
      LRESULT hit = SendMessage(Handle(), WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y));
      if (hit == HTVSCROLL || hit == HTHSCROLL) {
        SendMessage(Handle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(screen.X, screen.Y));
      } else {
        combo_->ShowList(false, false);
      }
      return true;
    }
    case WM_LBUTTONUP:
      if (inClient) {
        int index = ItemAtPos(p, true);
        if (index >= 0) {
          Perform(LB_SETCURSEL, index, 0);
          combo_->SelectFromUser(index);
        }
        combo_->ShowList(false, true);
      }
      return true;
    case WM_CAPTURECHANGED:
      return true;
    default: return false;
  }
}

}  // namespace detail

// ---- Showing the list ------------------------------------------------------------

void TComboBox::Notify(WORD code) {
  if (HandleAllocated())
    NotifyOwnControl(Handle(), WM_COMMAND, static_cast<WPARAM>(MAKELPARAM(0, code)), reinterpret_cast<LPARAM>(Handle()));
}

void TComboBox::ShowList(bool show, bool accept) {
  if (style_ == csSimple || show == dropped_ || !HandleAllocated()) return;
  if (show) {
    Notify(CBN_DROPDOWN);  // the program may fill the list now
    if (edit_) {
      int match = static_cast<int>(list_->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>(edit_->Text().c_str())));
      list_->Perform(LB_SETCURSEL, match, 0);
    }
    selectionWhenDropped_ = list_->ItemIndex();
    int rows = std::clamp(list_->Count(), 1, dropDownCount_);
    int height = 0;
    for (int i = 0; i < rows; ++i) height += list_->Count() > 0 ? list_->RowHeight(i) : list_->ItemHeight();
    height += 2;  // the frame
    TRect window;
    GetWindowRect(Handle(), &window);
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    int top = window.Bottom;
    if (top + height > work.Bottom && window.Top - height >= work.Top) top = window.Top - height;
    dropped_ = true;
    HWND listWindow = list_->Handle();
    SetWindowPos(listWindow, nullptr, window.Left, top, window.Width(), height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOZORDER);
    if (list_->ItemIndex() >= 0) list_->Perform(LB_SETCARETINDEX, list_->ItemIndex(), 0);
    SetCapture(listWindow);
    Invalidate();
    return;
  }
  dropped_ = false;
  if (list_->HandleAllocated()) {
    if (GetCapture() == list_->Handle()) ReleaseCapture();
    ShowWindow(list_->Handle(), SW_HIDE);
  }
  // Pointing at items without choosing one leaves the choice as it was.
  if (!accept && list_->ItemIndex() != selectionWhenDropped_) list_->Perform(LB_SETCURSEL, selectionWhenDropped_, 0);
  Notify(accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
  Notify(CBN_CLOSEUP);
  Invalidate();
}

void TComboBox::ShowSelectionInField() {
  int index = list_->ItemIndex();
  std::string text = index >= 0 ? list_->Items()->Strings(index) : std::string();
  settingText_ = true;
  if (edit_) {
    edit_->SetText(text);
    if (edit_->Focused()) edit_->SelectAll();
  }
  TWinControl::SetText(text);
  settingText_ = false;
  Invalidate();
}

void TComboBox::SelectFromUser(int index) {
  if (index < 0) return;
  if (list_->ItemIndex() != index) list_->Perform(LB_SETCURSEL, index, 0);
  selectionWhenDropped_ = index;
  ShowSelectionInField();
  Notify(CBN_SELCHANGE);
}

void TComboBox::SetText(const std::string& value) {
  if (settingText_) {
    TWinControl::SetText(value);
    return;
  }
  settingText_ = true;
  if (edit_) {
    edit_->SetText(value);
  } else {
    int match = static_cast<int>(list_->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(value.c_str())));
    list_->Perform(LB_SETCURSEL, match, 0);
  }
  TWinControl::SetText(edit_ || list_->ItemIndex() >= 0 ? value : std::string());
  settingText_ = false;
  Invalidate();
}

std::string TComboBox::FieldText() {
  if (edit_) return edit_->Text();
  int index = list_->ItemIndex();
  return index >= 0 ? list_->Items()->Strings(index) : std::string();
}

// ---- Typing ---------------------------------------------------------------------

void TComboBox::EditChanged() {
  if (settingText_) return;
  if (typed_ && autoComplete_ && style_ == csDropDown && HandleAllocated()) {
    typed_ = false;
    PostMessage(Handle(), kCompleteTypedText, 0, 0);
    return;
  }
  typed_ = false;
  settingText_ = true;
  TWinControl::SetText(edit_->Text());
  settingText_ = false;
  Notify(CBN_EDITCHANGE);
}

// The typed text is completed to the first item it begins, the added part
// selected so that typing on replaces it.
void TComboBox::AutoCompleteEdit() {
  std::string typed = edit_->Text();
  if (typed.empty() || edit_->SelStart() != static_cast<int>(DecodeUtf8(typed).size())) return;
  int index = static_cast<int>(list_->Perform(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(typed.c_str())));
  if (index < 0) return;
  std::string item = list_->Items()->Strings(index);
  int typedLength = static_cast<int>(DecodeUtf8(typed).size());
  settingText_ = true;
  edit_->SetText(item);
  edit_->SetSelStart(typedLength);
  edit_->SetSelLength(static_cast<int>(DecodeUtf8(item).size()) - typedLength);
  settingText_ = false;
  list_->Perform(LB_SETCURSEL, index, 0);
}

void TComboBox::SearchByChar(char32_t ch) {
  if (ch < 0x20 || list_->Count() == 0) return;
  DWORD now = GetMessageTime();
  std::string typed = EncodeUtf8(std::u32string(1, ch));
  bool continues = autoComplete_ && !search_.empty() && now - lastSearchTime_ < kSearchPauseMs;
  search_ = continues ? search_ + typed : typed;
  lastSearchTime_ = now;
  // A new single letter moves on to the next item with it; a longer text
  // searches from the top.
  WPARAM from = continues ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(list_->ItemIndex());
  int index = static_cast<int>(list_->Perform(LB_FINDSTRING, from, reinterpret_cast<LPARAM>(search_.c_str())));
  if (index >= 0 && index != list_->ItemIndex()) SelectFromUser(index);
}

bool TComboBox::NavigateKey(WORD key, TShiftState shift) {
  bool alt = (shift & ssAlt) != 0;
  if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
    if (style_ != csSimple) ShowList(!dropped_, dropped_);
    return true;
  }
  if (dropped_ && (key == VK_RETURN || key == VK_ESCAPE)) {
    ShowList(false, key == VK_RETURN);
    return true;
  }
  bool listKey = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
  if (!HasEdit()) listKey = listKey || key == VK_HOME || key == VK_END;
  if (!listKey || list_->Count() == 0) return false;
  int before = list_->ItemIndex();
  // The list moves its selection as it would for the key, quietly; a page
  // is what the drop-down list shows.
  int n = list_->Count();
  int target = RowNavigationTarget(key, before, n, std::max(1, std::min(dropDownCount_, n) - 1));
  if (target != before) {
    list_->Perform(LB_SETCURSEL, target, 0);
    SelectFromUser(target);
  }
  return true;
}

void TComboBox::WMButtonDown(TMessage& m, TMouseButton button, bool doubleClick) {
  if (button == mbLeft && Enabled()) {
    if (CanFocus() && !Focused() && !(edit_ && edit_->Focused())) SetFocus();
    TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (ButtonRect().Contains(p) || (!HasEdit() && FieldRect().Contains(p))) ShowList(!dropped_, false);
  }
  TWinControl::WMButtonDown(m, button, doubleClick);
}

// ---- Messages ----------------------------------------------------------------------

bool TComboBox::HandleComboMessage(TMessage& m) {
  switch (m.Msg) {
    case CB_ADDSTRING: m.Result = list_->Perform(LB_ADDSTRING, m.WParam, m.LParam); return true;
    case CB_INSERTSTRING: m.Result = list_->Perform(LB_INSERTSTRING, m.WParam, m.LParam); return true;
    case CB_DELETESTRING: {
      bool wasSelected = static_cast<int>(m.WParam) == list_->ItemIndex();
      m.Result = list_->Perform(LB_DELETESTRING, m.WParam, m.LParam);
      if (wasSelected && !edit_) ShowSelectionInField();
      return true;
    }
    case CB_GETCOUNT: m.Result = list_->Perform(LB_GETCOUNT, 0, 0); return true;
    case CB_GETLBTEXT: m.Result = list_->Perform(LB_GETTEXT, m.WParam, m.LParam); return true;
    case CB_GETLBTEXTLEN: m.Result = list_->Perform(LB_GETTEXTLEN, m.WParam, 0); return true;
    case CB_RESETCONTENT:
      list_->Perform(LB_RESETCONTENT, 0, 0);
      if (!edit_) ShowSelectionInField();
      return true;
    case CB_FINDSTRING: m.Result = list_->Perform(LB_FINDSTRING, m.WParam, m.LParam); return true;
    case CB_FINDSTRINGEXACT: m.Result = list_->Perform(LB_FINDSTRINGEXACT, m.WParam, m.LParam); return true;
    case CB_SELECTSTRING:
      m.Result = list_->Perform(LB_FINDSTRING, m.WParam, m.LParam);
      if (m.Result >= 0) {
        list_->Perform(LB_SETCURSEL, static_cast<WPARAM>(m.Result), 0);
        ShowSelectionInField();
      }
      return true;
    case CB_SETCURSEL: {
      int index = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
      if (index < -1 || index >= list_->Count()) index = -1;
      list_->Perform(LB_SETCURSEL, index, 0);
      selectionWhenDropped_ = index;
      ShowSelectionInField();
      m.Result = index < 0 ? CB_ERR : index;
      return true;
    }
    case CB_GETCURSEL: m.Result = list_->Perform(LB_GETCURSEL, 0, 0); return true;
    case CB_GETITEMDATA: m.Result = list_->Perform(LB_GETITEMDATA, m.WParam, 0); return true;
    case CB_SETITEMDATA: m.Result = list_->Perform(LB_SETITEMDATA, m.WParam, m.LParam); return true;
    // Item -1 is the field; with variable heights the others are the list's items.
    case CB_SETITEMHEIGHT:
      if (static_cast<int>(static_cast<std::intptr_t>(m.WParam)) == -1) {
        m.Result = SetFieldItemHeight(static_cast<int>(m.LParam));
        return true;
      }
      m.Result = list_->Perform(LB_SETITEMHEIGHT, m.WParam, m.LParam);
      LayoutParts();
      return true;
    case CB_GETITEMHEIGHT:
      if (static_cast<int>(static_cast<std::intptr_t>(m.WParam)) == -1) m.Result = FieldItemHeight();
      else m.Result = list_->Perform(LB_GETITEMHEIGHT, m.WParam, 0);
      return true;
    case CB_SHOWDROPDOWN:
      ShowList(m.WParam != 0, false);
      m.Result = TRUE;
      return true;
    case CB_GETDROPPEDSTATE: m.Result = dropped_ ? TRUE : FALSE; return true;
    case CB_GETDROPPEDCONTROLRECT: {
      auto* out = reinterpret_cast<TRect*>(m.LParam);
      if (!out) return true;
      if (list_->HandleAllocated() && dropped_) GetWindowRect(list_->Handle(), out);
      else if (HandleAllocated()) GetWindowRect(Handle(), out);
      m.Result = TRUE;
      return true;
    }
    case CB_LIMITTEXT:
      maxLength_ = static_cast<int>(m.WParam);
      if (edit_) edit_->SetMaxLength(maxLength_);
      m.Result = TRUE;
      return true;
    case CB_GETEDITSEL:
    case CB_SETEDITSEL:
      if (!edit_) {
        m.Result = CB_ERR;
        return true;
      }
      if (m.Msg == CB_SETEDITSEL) {
        edit_->Perform(EM_SETSEL, LOWORD(static_cast<std::uintptr_t>(m.LParam)), HIWORD(static_cast<std::uintptr_t>(m.LParam)));
        m.Result = TRUE;
      } else {
        m.Result = edit_->Perform(EM_GETSEL, m.WParam, m.LParam);
      }
      return true;
    case CB_GETCOMBOBOXINFO: {
      auto* info = reinterpret_cast<COMBOBOXINFO*>(m.LParam);
      if (!info || !HandleAllocated()) return true;
      info->hwndCombo = Handle();
      info->rcButton = ButtonRect();
      info->rcItem = FieldRect();
      InflateRect(info->rcItem, -2, -2);
      info->stateButton = !HasButton() ? STATE_SYSTEM_INVISIBLE : dropped_ ? STATE_SYSTEM_PRESSED : 0;
      info->hwndItem = edit_ ? edit_->Handle() : nullptr;
      info->hwndList = list_->Handle();
      m.Result = TRUE;
      return true;
    }
    default: return false;
  }
}

void TComboBox::DefaultHandler(TMessage& m) {
  if (HandleComboMessage(m)) return;
  switch (m.Msg) {
    case WM_SIZE:
      TWinControl::DefaultHandler(m);
      LayoutParts();
      return;
    case WM_SETFOCUS:
      if (edit_ && edit_->HandleAllocated()) {
        ::SetFocus(edit_->Handle());
        edit_->SelectAll();
      }
      Invalidate();
      Notify(CBN_SETFOCUS);
      return;
    case WM_KILLFOCUS: {
      HWND to = reinterpret_cast<HWND>(m.WParam);
      bool staysInside = to && ((edit_ && edit_->HandleAllocated() && to == edit_->Handle()) ||
                                (list_->HandleAllocated() && to == list_->Handle()));
      if (!staysInside) ShowList(false, false);
      Invalidate();
      return;
    }
    case kCompleteTypedText:
      if (!edit_) return;
      AutoCompleteEdit();
      settingText_ = true;
      TWinControl::SetText(edit_->Text());
      settingText_ = false;
      Notify(CBN_EDITCHANGE);
      return;
    case WM_CHAR:
      if (!edit_) SearchByChar(static_cast<char32_t>(m.WParam));
      return;
    case WM_DESTROY:
      // The pop-up list goes with its owner.
      dropped_ = false;
      if (!list_->Parent() && list_->HandleAllocated()) list_->DestroyHandle();
      break;
    default: break;
  }
  TWinControl::DefaultHandler(m);
}
