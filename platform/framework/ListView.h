#pragma once
// The list view in report view: columns shown by a header control (a child
// window of its own class, which another procedure can subclass), rows of
// items with sub-items and small images, selection, sorting and scrolling.
// Its native part answers the LVM_ messages and tells of changes through
// WM_NOTIFY records (LVN_), handed back to the control as CN_NOTIFY.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/NativeControls.h"
#include "platform/framework/RowView.h"
#include "platform/framework/StringList.h"
#include "platform/gfx/ImageList.h"

// ---- The header control ----------------------------------------------------------

constexpr UINT HDM_GETITEMCOUNT = 0x1200;
constexpr UINT HDM_INSERTITEM = 0x1201;  // wParam: index, lParam: const HDITEM*
constexpr UINT HDM_DELETEITEM = 0x1202;
constexpr UINT HDM_GETITEM = 0x1203;  // lParam: HDITEM* (mask says what to fill)
constexpr UINT HDM_SETITEM = 0x1204;  // lParam: const HDITEM*
constexpr UINT HDM_GETITEMRECT = 0x1207;  // lParam: TRect*
constexpr UINT HDM_SETIMAGELIST = 0x1208;  // lParam: TImageList*; answers the previous one
constexpr UINT HDM_GETIMAGELIST = 0x1209;

constexpr UINT HDI_WIDTH = 0x0001;
constexpr UINT HDI_TEXT = 0x0002;
constexpr UINT HDI_FORMAT = 0x0004;
constexpr UINT HDI_LPARAM = 0x0008;
constexpr UINT HDI_IMAGE = 0x0020;

constexpr int HDF_LEFT = 0x0000;
constexpr int HDF_RIGHT = 0x0001;
constexpr int HDF_CENTER = 0x0002;
constexpr int HDF_JUSTIFYMASK = 0x0003;
constexpr int HDF_IMAGE = 0x0800;

constexpr UINT HDN_ITEMCHANGED = static_cast<UINT>(-301);
constexpr UINT HDN_ITEMCLICK = static_cast<UINT>(-302);

struct HDITEM {
  UINT mask = 0;
  int cxy = 0;
  std::string pszText;
  int fmt = HDF_LEFT;
  LPARAM lParam = 0;
  int iImage = -1;
};

struct NMHEADER {
  NMHDR hdr;
  int iItem = -1;
  int iButton = 0;
  const HDITEM* pitem = nullptr;
};

// The window class of header controls; creates the class on first use.
const char* HeaderControlClass();

// ---- The list view ---------------------------------------------------------------

constexpr UINT LVM_GETITEMCOUNT = 0x1004;
constexpr UINT LVM_DELETEITEM = 0x1008;
constexpr UINT LVM_DELETEALLITEMS = 0x1009;
constexpr UINT LVM_GETNEXTITEM = 0x100C;  // wParam: start, lParam: LVNI_ flags
constexpr UINT LVM_GETITEMRECT = 0x100E;  // lParam: TRect*
constexpr UINT LVM_ENSUREVISIBLE = 0x1013;
constexpr UINT LVM_SCROLL = 0x1014;  // wParam: dx, lParam: dy (pixels)
constexpr UINT LVM_GETHEADER = 0x101F;
constexpr UINT LVM_GETTOPINDEX = 0x1027;
constexpr UINT LVM_GETCOUNTPERPAGE = 0x1028;
constexpr UINT LVM_SETITEMSTATE = 0x102B;  // wParam: index (-1 all), lParam: LVITEMSTATE*
constexpr UINT LVM_GETITEMSTATE = 0x102C;  // lParam: mask
constexpr UINT LVM_GETSELECTEDCOUNT = 0x1032;
constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = 0x1036;  // wParam: mask (0: every style), lParam: styles
constexpr UINT LVM_GETEXTENDEDLISTVIEWSTYLE = 0x1037;

constexpr DWORD LVS_EX_GRIDLINES = 0x0001;
constexpr DWORD LVS_EX_CHECKBOXES = 0x0004;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;

constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
// Bits 12-15 hold the state image: with check boxes 1 is unchecked, 2 checked.
constexpr UINT LVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT index) { return index << 12; }
constexpr LPARAM LVNI_ALL = 0x0000;
constexpr LPARAM LVNI_FOCUSED = 0x0001;
constexpr LPARAM LVNI_SELECTED = 0x0002;
constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_STATE = 0x0008;

constexpr UINT LVN_ITEMCHANGING = static_cast<UINT>(-100);
constexpr UINT LVN_ITEMCHANGED = static_cast<UINT>(-101);
constexpr UINT LVN_COLUMNCLICK = static_cast<UINT>(-108);

struct LVITEMSTATE {
  UINT state = 0;
  UINT stateMask = 0;
};

struct NMLISTVIEW {
  NMHDR hdr;
  int iItem = -1;
  int iSubItem = 0;
  UINT uNewState = 0;
  UINT uOldState = 0;
  UINT uChanged = 0;
  TPoint ptAction;
  LPARAM lParam = 0;
};

class TListView;
class TListItem;
class TListColumn;

enum TItemChange { ctText, ctImage, ctState };
enum TSortType { stNone, stData, stText, stBoth };

using TLVChangingEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange)>;
using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;
using TLVCompareEvent = std::function<void(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare)>;
// Answers < 0, 0 or > 0, as the first item goes before, with or after the second.
using TLVCompare = std::function<int(TListItem* Item1, TListItem* Item2, LPARAM Data)>;

class TListColumn : public TObject {
 public:
  TListColumn(TListView* owner, int index) : owner_(owner), index_(index) {}
  std::string ClassName() const override { return "TListColumn"; }
  int Index() const { return index_; }
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

 private:
  friend class TListView;
  void Update();
  TListView* owner_;
  int index_;
  std::string caption_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  int imageIndex_ = -1;
};

class TListColumns {
 public:
  explicit TListColumns(TListView* owner) : owner_(owner) {}
  TListColumn* Add();
  int Count() const { return static_cast<int>(columns_.size()); }
  TListColumn* Items(int index) const;
  TListColumn* operator[](int index) const { return Items(index); }
  void Clear();

 private:
  friend class TListView;
  TListView* owner_;
  std::vector<std::unique_ptr<TListColumn>> columns_;
};

class TListItem : public TObject {
 public:
  explicit TListItem(TListView* owner) : owner_(owner) {}
  std::string ClassName() const override { return "TListItem"; }
  TListView* Owner() const { return owner_; }
  int Index() const;
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  TStringList* SubItems() { return &subItems_; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  void* Data() const { return data_; }
  void SetData(void* value) { data_ = value; }
  bool Selected() const { return (state_ & LVIS_SELECTED) != 0; }
  void SetSelected(bool value);
  bool Focused() const { return (state_ & LVIS_FOCUSED) != 0; }
  void SetFocused(bool value);
  bool Checked() const { return (state_ & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2); }
  void SetChecked(bool value);
  void MakeVisible(bool partialOK);
  TRect DisplayRect();
  void Delete();

 private:
  friend class TListView;
  friend class TListItems;
  TListView* owner_;
  std::string caption_;
  TStringList subItems_;
  int imageIndex_ = -1;
  void* data_ = nullptr;
  UINT state_ = 0;
};

class TListItems {
 public:
  explicit TListItems(TListView* owner) : owner_(owner) {}
  TListItem* Add();
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int Count() const;
  TListItem* Item(int index) const;
  TListItem* operator[](int index) const { return Item(index); }
  void BeginUpdate();
  void EndUpdate();

 private:
  TListView* owner_;
};

class TListView : public TRowView {
 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;
  std::string ClassName() const override { return "TListView"; }

  TListColumns* Columns() { return &columns_; }
  TListItems* Items() { return &itemsApi_; }
  HWND HeaderHandle();
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool value);
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool value);
  bool Checkboxes() const { return checkboxes_; }
  void SetCheckboxes(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool value);
  bool ColumnClick() const { return columnClick_; }
  void SetColumnClick(bool value) { columnClick_ = value; }
  TImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(TImageList* value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TSortType SortType() const { return sortType_; }
  void SetSortType(TSortType value);

  int SelCount();
  TListItem* Selected();  // the first selected item
  void SetSelected(TListItem* item);
  TListItem* ItemFocused();
  void SetItemFocused(TListItem* item);
  TListItem* TopItem();
  int VisibleRowCount();
  TListItem* GetItemAt(int x, int y);
  void Scroll(int dx, int dy);
  void ClearSelection();
  void SelectAll();
  // Sorts by OnCompare when assigned, else by caption.
  bool AlphaSort();
  bool CustomSort(const TLVCompare& compare, LPARAM data);

  TLVChangingEvent OnChanging;
  TLVChangeEvent OnChange;
  TLVSelectItemEvent OnSelectItem;
  TLVColumnClickEvent OnColumnClick;
  TLVCompareEvent OnCompare;

  void DefaultHandler(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  void WMGetDlgCode(TMessage& message) override { message.Result = DLGC_WANTARROWS; }
  virtual void CNNotify(TMessage& message);

  // The rows (ListViewNative.cpp): the items under the header; the focused
  // item is the caret.
  int RowCount() override { return static_cast<int>(items_.size()); }
  int RowHeight(int row) override;
  int RowsTop() override { return HeaderHeight(); }
  TRowSelectMode RowSelectMode() override { return multiSelect_ ? rsExtended : rsSingle; }
  bool RowSelected(int row) override;
  bool SetRowSelected(int row, bool selected) override;
  int CaretRow() override;
  void SetCaretRow(int row) override;
  void UpdateScrollBars() override;
  // Also lays the header out over the columns.
  void Changed() override;

 private:
  friend class TListItem;
  friend class TListItems;
  friend class TListColumn;
  friend class TListColumns;
  // Native part (ListViewNative.cpp).
  bool HandleListViewMessage(TMessage& m);
  bool ChangeState(int index, UINT state, UINT mask);
  LRESULT Notify(UINT code, int item, int subItem, UINT newState, UINT oldState, UINT changed);
  bool AllowTextChange(TListItem* item);
  void TextChanged(TListItem* item);
  int IndexOf(const TListItem* item) const;
  int HeaderHeight();
  int TotalColumnWidth() const;
  // The row across every column, scrolled sideways with them.
  TRect ItemRowRect(int index);
  void ScrollPixels(int x);
  void LayoutHeader();
  void SyncHeaderColumn(int index);
  void ClickItem(int index, TShiftState shift);
  void KeyNavigate(WORD key, TShiftState shift);
  void SortIfWanted();
  void PaintRow(TCanvas& canvas, int index, const TRect& rect, bool focused);
  // Check boxes (ListViewCheckBoxes.cpp).
  LRESULT ExtendedStyle() const;
  void SetExtendedStyle(DWORD mask, DWORD styles);
  bool OnCheckBox(int index, int x);
  void ToggleCheck(int index);
  void PaintCheckBox(TCanvas& canvas, TListItem* item, const TRect& row);
  // The room the check boxes take at the left of the first column.
  int StateImageWidth() const { return checkboxes_ ? 16 : 0; }

  TListColumns columns_;
  TListItems itemsApi_;
  std::vector<std::unique_ptr<TListItem>> items_;
  HWND header_ = nullptr;
  bool rowSelect_ = false;
  bool gridLines_ = false;
  bool checkboxes_ = false;
  bool readOnly_ = false;
  bool multiSelect_ = false;
  bool showColumnHeaders_ = true;
  bool columnClick_ = true;
  TImageList* smallImages_ = nullptr;
  TBorderStyle borderStyle_ = bsSingle;
  TSortType sortType_ = stNone;
  int scrollX_ = 0;
  int updateCount_ = 0;
  std::unique_ptr<TBitmap> measureBitmap_;
};
