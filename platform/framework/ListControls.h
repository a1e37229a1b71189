#pragma once
// The list box and the combo box. Both keep their items in their native
// part, which answers the LB_ / CB_ messages; the properties send those
// messages through WindowProc, so a procedure hooked on the control sees
// every change of the list.
//
// Strings are UTF-8. LB_ADDSTRING, LB_INSERTSTRING, LB_FINDSTRING(EXACT),
// LB_SELECTSTRING and their CB_ twins take a const char* in lParam;
// LB_GETTEXT and CB_GETLBTEXT take a std::string* to fill (a buffer of
// unknown size is never written).

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/NativeControls.h"
#include "platform/framework/RowView.h"
#include "platform/framework/StringList.h"

constexpr LRESULT LB_OKAY = 0;
constexpr LRESULT LB_ERR = -1;
constexpr LRESULT LB_ERRSPACE = -2;

constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_INSERTSTRING = 0x0181;
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETSEL = 0x0185;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETSEL = 0x0187;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_SELECTSTRING = 0x018C;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_FINDSTRING = 0x018F;
constexpr UINT LB_GETSELCOUNT = 0x0190;
constexpr UINT LB_GETSELITEMS = 0x0191;  // lParam: std::vector<int>*
constexpr UINT LB_SETTABSTOPS = 0x0192;  // wParam: one tab stop in dialog units
constexpr UINT LB_SETCOLUMNWIDTH = 0x0195;
constexpr UINT LB_SETTOPINDEX = 0x0197;
constexpr UINT LB_GETITEMRECT = 0x0198;  // lParam: TRect*
constexpr UINT LB_GETITEMDATA = 0x0199;
constexpr UINT LB_SETITEMDATA = 0x019A;
constexpr UINT LB_SELITEMRANGE = 0x019B;
constexpr UINT LB_SETANCHORINDEX = 0x019C;
constexpr UINT LB_GETANCHORINDEX = 0x019D;
constexpr UINT LB_SETCARETINDEX = 0x019E;
constexpr UINT LB_GETCARETINDEX = 0x019F;
constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
constexpr UINT LB_SETCOUNT = 0x01A7;
constexpr UINT LB_ITEMFROMPOINT = 0x01A9;

constexpr WORD LBN_SELCHANGE = 1;
constexpr WORD LBN_DBLCLK = 2;
constexpr WORD LBN_SELCANCEL = 3;
constexpr WORD LBN_SETFOCUS = 4;
constexpr WORD LBN_KILLFOCUS = 5;

constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_MULTIPLESEL = 0x0008;
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_OWNERDRAWVARIABLE = 0x0020;
constexpr DWORD LBS_HASSTRINGS = 0x0040;
constexpr DWORD LBS_USETABSTOPS = 0x0080;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD LBS_MULTICOLUMN = 0x0200;
constexpr DWORD LBS_WANTKEYBOARDINPUT = 0x0400;
constexpr DWORD LBS_EXTENDEDSEL = 0x0800;
constexpr DWORD LBS_DISABLENOSCROLL = 0x1000;
constexpr DWORD LBS_NODATA = 0x2000;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };

using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;
using TLBGetDataEvent = std::function<void(TWinControl* Control, int Index, std::string& Data)>;

class TCustomListBox;

// The items of a list box: every change goes to the list box as a message.
class TListBoxStrings {
 public:
  explicit TListBoxStrings(TCustomListBox* owner) : owner_(owner) {}
  int Count() const;
  std::string Strings(int index) const;
  std::string operator[](int index) const { return Strings(index); }
  void SetStrings(int index, const std::string& s);
  TObject* Objects(int index) const;
  void SetObjects(int index, TObject* object);
  int Add(const std::string& s);
  int AddObject(const std::string& s, TObject* object);
  void Insert(int index, const std::string& s);
  void Delete(int index);
  void Clear();
  int IndexOf(const std::string& s) const;
  void Assign(const TStringList& list);
  void AddStrings(const TStringList& list);
  TStringList ToStringList() const;
  std::string Text() const { return ToStringList().Text(); }
  void SetText(const std::string& text);

 private:
  void CheckIndex(int index) const;
  TCustomListBox* owner_;
};

// The native list box: items, selection, scrolling, painting, keys and mouse.
class TCustomListBox : public TRowView {
 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;
  std::string ClassName() const override { return "TListBox"; }

  TListBoxStrings* Items() { return &items_; }
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int value);
  int ItemHeight();
  void SetItemHeight(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

  int Count();  // the virtual count in virtual mode
  void SetCount(int value);
  int ItemIndex();
  void SetItemIndex(int value);
  int TopIndex();
  void SetTopIndex(int value);
  bool Selected(int index);
  void SetSelected(int index, bool value);
  int SelCount();
  TRect ItemRect(int index);
  int ItemAtPos(TPoint pos, bool existing);
  void Clear() { items_.Clear(); }
  void ClearSelection();
  void SelectAll();
  TCanvas* Canvas();

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;
  TLBGetDataEvent OnData;

  void DefaultHandler(TMessage& message) override;
  // With IntegralHeight the height shrinks to whole rows.
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  void WMGetDlgCode(TMessage& message) override { message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
  void CMFontChanged(TMessage& message) override;
  // The reflected requests: owner drawing, measuring and notifications.
  virtual void CNDrawItem(TMessage& message);
  virtual void CNMeasureItem(TMessage& message);
  virtual void CNCommand(TMessage& message);
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);
  virtual std::string ItemText(int index);
  DWORD ListStyle() const;
  bool focusOnClick_ = true;  // the list of a combo box leaves the focus where it is

  // The rows (ListBoxNative.cpp).
  int RowCount() override { return NativeCount(); }
  int RowHeight(int index) override;
  bool VariableRowHeights() override { return IsVariable(); }
  int RowColumns() override { return columns_; }
  TRowSelectMode RowSelectMode() override;
  bool RowSelected(int index) override;
  bool SetRowSelected(int index, bool selected) override;
  // A list of several selections shows its caret on the first item until it has one.
  int CaretRow() override;

 private:
  friend class TListBoxStrings;
  friend class TComboBox;
  struct Item {
    std::string text;
    LPARAM data = 0;
    bool selected = false;
    int height = 0;
  };
  // The native part (ListBoxNative.cpp).
  bool HandleListMessage(TMessage& m);
  bool HandleSelectionMessage(TMessage& m);
  LRESULT InsertItem(int index, const std::string& text);
  LRESULT DeleteItem(int index);
  void ResetContent();
  LRESULT SetCurSel(int index);
  LRESULT SetSel(bool select, int index);
  LRESULT GetItemRect(int index, TRect* rect);
  int NativeCount() const;
  bool ValidIndex(int index) const { return index >= 0 && index < NativeCount(); }
  bool IsMultiple() const;
  bool IsOwnerDraw() const;
  bool IsVariable() const { return style_ == lbOwnerDrawVariable; }
  void NotifySelChange();
  void NotifyIf(bool selectionChanged);
  void ClickAt(TPoint p, TShiftState shift, bool drag);
  void KeyNavigate(WORD key, TShiftState shift);
  void SearchByChar(char32_t ch);
  void PaintItem(TCanvas& canvas, int index, const TRect& rect, bool focused);

  TListBoxStrings items_;
  std::vector<Item> list_;
  int virtualCount_ = 0;
  TListBoxStyle style_ = lbStandard;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool sorted_ = false;
  int columns_ = 0;
  bool integralHeight_ = false;
  int tabWidth_ = 0;
  int itemHeight_ = 16;
  int textRowHeight_ = 0;  // a plain list's row height set by LB_SETITEMHEIGHT; 0 follows the font
  TBorderStyle borderStyle_ = bsSingle;
  int curSel_ = -1;
  bool tracking_ = false;
  std::unique_ptr<TBitmap> measureBitmap_;
  TCanvas* paintCanvas_ = nullptr;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
};

// ---- Combo box -------------------------------------------------------------------

constexpr LRESULT CB_OKAY = 0;
constexpr LRESULT CB_ERR = -1;

constexpr UINT CB_GETEDITSEL = 0x0140;
constexpr UINT CB_LIMITTEXT = 0x0141;
constexpr UINT CB_SETEDITSEL = 0x0142;
constexpr UINT CB_ADDSTRING = 0x0143;
constexpr UINT CB_DELETESTRING = 0x0144;
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_GETLBTEXT = 0x0148;  // lParam: std::string*
constexpr UINT CB_GETLBTEXTLEN = 0x0149;
constexpr UINT CB_INSERTSTRING = 0x014A;
constexpr UINT CB_RESETCONTENT = 0x014B;
constexpr UINT CB_FINDSTRING = 0x014C;
constexpr UINT CB_SELECTSTRING = 0x014D;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT CB_SHOWDROPDOWN = 0x014F;
constexpr UINT CB_GETITEMDATA = 0x0150;
constexpr UINT CB_SETITEMDATA = 0x0151;
constexpr UINT CB_GETDROPPEDCONTROLRECT = 0x0152;  // lParam: TRect* (screen)
constexpr UINT CB_SETITEMHEIGHT = 0x0153;
constexpr UINT CB_GETITEMHEIGHT = 0x0154;
constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
constexpr UINT CB_GETCOMBOBOXINFO = 0x0164;  // lParam: COMBOBOXINFO*

constexpr WORD CBN_SELCHANGE = 1;
constexpr WORD CBN_DBLCLK = 2;
constexpr WORD CBN_SETFOCUS = 3;
constexpr WORD CBN_KILLFOCUS = 4;
constexpr WORD CBN_EDITCHANGE = 5;
constexpr WORD CBN_EDITUPDATE = 6;
constexpr WORD CBN_DROPDOWN = 7;
constexpr WORD CBN_CLOSEUP = 8;
constexpr WORD CBN_SELENDOK = 9;
constexpr WORD CBN_SELENDCANCEL = 10;

constexpr DWORD CBS_SIMPLE = 0x0001;
constexpr DWORD CBS_DROPDOWN = 0x0002;
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr DWORD CBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD CBS_OWNERDRAWVARIABLE = 0x0020;
constexpr DWORD CBS_AUTOHSCROLL = 0x0040;
constexpr DWORD CBS_SORT = 0x0100;
constexpr DWORD CBS_HASSTRINGS = 0x0200;

// Client coordinates; stateButton is 0, STATE_SYSTEM_PRESSED while the
// list is down, or STATE_SYSTEM_INVISIBLE for a combo box without a button.
struct COMBOBOXINFO {
  DWORD cbSize = sizeof(COMBOBOXINFO);
  TRect rcItem;
  TRect rcButton;
  DWORD stateButton = 0;
  HWND hwndCombo = nullptr;
  HWND hwndItem = nullptr;  // the edit (nullptr for a drop-down list)
  HWND hwndList = nullptr;
};
bool GetComboBoxInfo(HWND combo, COMBOBOXINFO* info);

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox;
class TCustomEdit;

namespace detail {
// The list of a combo box: a pop-up window below it, or a child under the
// edit of a simple combo box.
class TComboListBox : public TCustomListBox {
 public:
  TComboListBox(TComponent* owner, TComboBox* combo);
  std::string ClassName() const override { return "TComboLBox"; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void CNCommand(TMessage& message) override;
  // Items are measured by the combo box, as its own items.
  void CNMeasureItem(TMessage& message) override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

 private:
  bool PopupMouse(TMessage& m);
  TComboBox* combo_;
};
}  // namespace detail

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;
  std::string ClassName() const override { return "TComboBox"; }

  TListBoxStrings* Items();
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  int ItemIndex();
  // Selects without OnChange or OnSelect (as the program sets it).
  void SetItemIndex(int value);
  bool DroppedDown();
  void SetDroppedDown(bool value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value) { dropDownCount_ = std::max(1, value); }
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool value) { autoComplete_ = value; }
  bool Sorted() const;
  void SetSorted(bool value);
  int ItemHeight();
  void SetItemHeight(int value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  void SetText(const std::string& value) override;
  // The text in the field (the edit's, or the selected item's).
  std::string FieldText();
  TCustomEdit* Edit() const { return edit_; }
  TCustomListBox* ListBox() const { return list_; }
  void Clear();
  TCanvas* Canvas();

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  void DefaultHandler(TMessage& message) override;

 protected:
  friend class detail::TComboListBox;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  void WMGetDlgCode(TMessage& message) override { message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
  void CMWantSpecialKey(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void WMButtonDown(TMessage& message, TMouseButton button, bool doubleClick) override;
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void CNCommand(TMessage& message);
  virtual void CNDrawItem(TMessage& message);
  virtual void CNMeasureItem(TMessage& message);
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);

 private:
  // The native part (ComboBoxNative.cpp).
  bool HandleComboMessage(TMessage& m);
  bool HasEdit() const { return style_ == csDropDown || style_ == csSimple; }
  bool HasButton() const { return style_ != csSimple; }
  // Variable heights (ComboBoxHeights.cpp): the field and each item are
  // measured through CN_MEASUREITEM (item -1 is the field).
  int MeasureThroughCombo(int itemID, int height);
  void MeasureListItem(int index);
  void MeasureAll();
  int FieldItemHeight();
  LRESULT SetFieldItemHeight(int height);
  TRect ButtonRect();
  TRect FieldRect();
  void LayoutParts();
  void ShowList(bool show, bool accept);
  void SelectFromUser(int index);
  void ShowSelectionInField();
  void EditChanged();
  void AutoCompleteEdit();
  void SearchByChar(char32_t ch);
  bool NavigateKey(WORD key, TShiftState shift);
  void Notify(WORD code);
  DWORD ComboStyle() const;

  TComboBoxStyle style_ = csDropDown;
  detail::TComboListBox* list_ = nullptr;
  TCustomEdit* edit_ = nullptr;
  int dropDownCount_ = 8;
  bool autoComplete_ = true;
  int maxLength_ = 0;
  int fieldHeight_ = 0;  // of the field's item; 0 while it follows the control's height
  bool dropped_ = false;
  int selectionWhenDropped_ = -1;
  bool settingText_ = false;
  bool typed_ = false;
  std::string search_;
  DWORD lastSearchTime_ = 0;
  std::unique_ptr<TBitmap> measureBitmap_;
  TCanvas* paintCanvas_ = nullptr;
};
