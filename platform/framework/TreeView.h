#pragma once
// The tree view: nodes with text, images and children, expanded and
// collapsed by the buttons, keys or the program (a node may show a button
// before its children are made, for lazy filling in OnExpanding); one
// selected node; vertical scrolling with the window scroll bar.
// TShellTreeView fills itself with the folders of the file system.
//
// The native part answers the TVM_ messages; items are known there by
// HTREEITEM handles, each standing for one TTreeNode (TTreeNode::ItemId,
// TTreeNodes::GetNode). The properties and node operations send those
// messages through WindowProc, so a procedure hooked on the control sees
// them. An item's lParam is the node's Data.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/framework/RowView.h"
#include "platform/gfx/ImageList.h"

class TTreeView;

struct TTreeItemHandle;  // never defined: a handle only names a node
using HTREEITEM = TTreeItemHandle*;

inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(-static_cast<std::intptr_t>(0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(-static_cast<std::intptr_t>(0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(-static_cast<std::intptr_t>(0x0FFFE));
inline const HTREEITEM TVI_SORT = reinterpret_cast<HTREEITEM>(-static_cast<std::intptr_t>(0x0FFFD));

constexpr UINT TVM_INSERTITEM = 0x1100;  // lParam: const TVINSERTSTRUCT*; answers the new HTREEITEM
constexpr UINT TVM_DELETEITEM = 0x1101;  // lParam: HTREEITEM (TVI_ROOT: every item)
constexpr UINT TVM_EXPAND = 0x1102;      // wParam: TVE_ action, lParam: HTREEITEM
// wParam: TRUE for the text only; lParam: TRect* holding the HTREEITEM on
// the way in (TreeView_GetItemRect puts it there).
constexpr UINT TVM_GETITEMRECT = 0x1104;
constexpr UINT TVM_GETCOUNT = 0x1105;
constexpr UINT TVM_GETINDENT = 0x1106;
constexpr UINT TVM_SETINDENT = 0x1107;
constexpr UINT TVM_GETIMAGELIST = 0x1108;  // wParam: TVSIL_
constexpr UINT TVM_SETIMAGELIST = 0x1109;  // wParam: TVSIL_, lParam: TImageList*; answers the previous
constexpr UINT TVM_GETNEXTITEM = 0x110A;   // wParam: TVGN_, lParam: HTREEITEM
constexpr UINT TVM_SELECTITEM = 0x110B;    // wParam: TVGN_CARET or TVGN_FIRSTVISIBLE, lParam: HTREEITEM
constexpr UINT TVM_GETITEM = 0x110C;       // lParam: TVITEM* (hItem and mask filled in)
constexpr UINT TVM_SETITEM = 0x110D;       // lParam: const TVITEM*
constexpr UINT TVM_GETVISIBLECOUNT = 0x1110;
constexpr UINT TVM_HITTEST = 0x1111;  // lParam: TVHITTESTINFO*; answers the HTREEITEM hit
constexpr UINT TVM_ENSUREVISIBLE = 0x1114;

constexpr WPARAM TVE_COLLAPSE = 0x0001;
constexpr WPARAM TVE_EXPAND = 0x0002;
constexpr WPARAM TVE_TOGGLE = 0x0003;
constexpr WPARAM TVE_COLLAPSERESET = 0x8000;

constexpr WPARAM TVSIL_NORMAL = 0;
constexpr WPARAM TVSIL_STATE = 2;

constexpr WPARAM TVGN_ROOT = 0x0000;
constexpr WPARAM TVGN_NEXT = 0x0001;
constexpr WPARAM TVGN_PREVIOUS = 0x0002;
constexpr WPARAM TVGN_PARENT = 0x0003;
constexpr WPARAM TVGN_CHILD = 0x0004;
constexpr WPARAM TVGN_FIRSTVISIBLE = 0x0005;
constexpr WPARAM TVGN_NEXTVISIBLE = 0x0006;
constexpr WPARAM TVGN_PREVIOUSVISIBLE = 0x0007;
constexpr WPARAM TVGN_DROPHILITE = 0x0008;
constexpr WPARAM TVGN_CARET = 0x0009;
constexpr WPARAM TVGN_LASTVISIBLE = 0x000A;

constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;
constexpr UINT TVIF_CHILDREN = 0x0040;

constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_EXPANDED = 0x0020;

constexpr int I_CHILDRENCALLBACK = -1;

constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;
constexpr UINT TVHT_ONITEMSTATEICON = 0x0040;
constexpr UINT TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
constexpr UINT TVHT_ABOVE = 0x0100;
constexpr UINT TVHT_BELOW = 0x0200;
constexpr UINT TVHT_TORIGHT = 0x0400;
constexpr UINT TVHT_TOLEFT = 0x0800;

struct TVITEM {
  UINT mask = 0;
  HTREEITEM hItem = nullptr;
  UINT state = 0;
  UINT stateMask = 0;
  std::string pszText;
  int iImage = -1;
  int iSelectedImage = -1;
  int cChildren = 0;
  LPARAM lParam = 0;
};

struct TVINSERTSTRUCT {
  HTREEITEM hParent = nullptr;  // nullptr or TVI_ROOT: a top-level item
  HTREEITEM hInsertAfter = TVI_LAST;  // TVI_FIRST, TVI_LAST, TVI_SORT or a sibling
  TVITEM item;
};

struct TVHITTESTINFO {
  TPoint pt;  // client coordinates
  UINT flags = 0;
  HTREEITEM hItem = nullptr;
};

// Puts item into the rectangle and asks for its place; false when the
// item is not shown (a collapsed parent) or not this tree's.
bool TreeView_GetItemRect(HWND tree, HTREEITEM item, TRect* rect, bool textOnly);

namespace detail {
// A rectangle carrying item, as TVM_GETITEMRECT takes it.
TRect ItemInRect(HTREEITEM item);
HTREEITEM ItemOfRect(const TRect& rect);
}  // namespace detail

class TTreeNode : public TObject {
 public:
  TTreeNode(TTreeView* owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}
  std::string ClassName() const override { return "TTreeNode"; }

  ~TTreeNode() override;
  TTreeView* TreeView() const { return owner_; }
  HTREEITEM ItemId() const { return reinterpret_cast<HTREEITEM>(const_cast<TTreeNode*>(this)); }
  TTreeNode* Parent() const { return parent_; }
  std::string Text() const { return text_; }
  void SetText(const std::string& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  int SelectedIndex() const { return selectedIndex_; }
  void SetSelectedIndex(int value);
  void* Data() const { return data_; }
  void SetData(void* value) { data_ = value; }
  int Count() const { return static_cast<int>(children_.size()); }
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
  int Index() const;
  int Level() const;
  // A button even without children (the children come when it expands).
  bool HasChildren() const { return hasChildren_ || !children_.empty(); }
  void SetHasChildren(bool value);
  bool Expanded() const { return expanded_; }
  void SetExpanded(bool value);
  void Expand(bool recurse);
  void Collapse(bool recurse);
  bool Selected() const;
  void SetSelected(bool value);
  void MakeVisible();
  void DeleteChildren();
  void Delete();
  TRect DisplayRect();

 private:
  friend class TTreeView;
  friend class TTreeNodes;
  TTreeView* owner_;
  TTreeNode* parent_;
  std::vector<std::unique_ptr<TTreeNode>> children_;
  std::string text_;
  int imageIndex_ = -1;
  int selectedIndex_ = -1;
  void* data_ = nullptr;
  bool hasChildren_ = false;
  bool expanded_ = false;
};

class TTreeNodes {
 public:
  explicit TTreeNodes(TTreeView* owner) : owner_(owner) {}
  // A new last child of parent (nullptr: a new top-level node).
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  // A new last sibling of sibling (nullptr: a new top-level node).
  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  void Delete(TTreeNode* node);
  void Clear();
  int Count() const;  // every node
  TTreeNode* GetFirstNode() const;
  // The node of a handle; nullptr for a handle of no node of this tree.
  TTreeNode* GetNode(HTREEITEM item) const;
  int TopCount() const { return static_cast<int>(roots_.size()); }
  TTreeNode* TopItem(int index) const;
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TTreeView;
  friend class TTreeNode;
  TTreeNode* Insert(TTreeNode* parent, HTREEITEM after, const std::string& text);
  TTreeView* owner_;
  std::unordered_set<const TTreeNode*> live_;  // every node, for checking handles (outlives them)
  std::vector<std::unique_ptr<TTreeNode>> roots_;
};

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

class TTreeView : public TRowView {
 public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;
  std::string ClassName() const override { return "TTreeView"; }

  TTreeNodes* Items() { return &nodes_; }
  TTreeNode* Selected() const { return selected_; }
  void SetSelected(TTreeNode* node);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool value);
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value);
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool value);
  int Indent() const { return indent_; }
  void SetIndent(int value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TTreeNode* TopItem();
  TTreeNode* GetNodeAt(int x, int y);
  void FullExpand();
  void FullCollapse();

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVCollapsingEvent OnCollapsing;
  TTVExpandedEvent OnCollapsed;

  void DefaultHandler(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void PaintWindow(HDC dc) override;
  void WMGetDlgCode(TMessage& message) override { message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
  virtual bool CanExpand(TTreeNode* node);
  virtual void Expanded(TTreeNode* node);
  virtual bool CanCollapse(TTreeNode* node);
  virtual void Collapsed(TTreeNode* node);
  virtual bool CanChange(TTreeNode* node);
  virtual void Change(TTreeNode* node);
  // Drawing of a node's image (the shell tree draws its own icons).
  virtual void DrawNodeImage(TCanvas& canvas, TTreeNode* node, int x, int y);
  virtual int ImageWidth() const;

  // The rows are the nodes shown (every ancestor expanded); the selected
  // node is the caret.
  int RowCount() override;
  int RowHeight(int row) override;
  TRowSelectMode RowSelectMode() override { return rsSingle; }
  bool RowSelected(int row) override;
  bool SetRowSelected(int row, bool selected) override;
  int CaretRow() override { return selected_ ? RowOf(selected_) : -1; }
  void SetCaretRow(int) override { Invalidate(); }
  // Not while the nodes are being changed in an update.
  void Changed() override;

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  static constexpr int kButtonSize = 9;
  static constexpr int kMinIndent = kButtonSize + 4;
  static constexpr int kMaxIndent = 1000;
  void NodeRemoving(TTreeNode* node);
  void VisibleNodes(std::vector<TTreeNode*>& out) const;
  TTreeNode* NodeAtRow(int row) const;
  int RowOf(TTreeNode* node);
  int NodeX(TTreeNode* node) const;
  bool SetExpandedState(TTreeNode* node, bool expand);
  void KeyNavigate(WORD key);
  TRect LabelRect(TTreeNode* node, int y);
  bool ShowsButton(TTreeNode* node) const;
  // Native part (TreeViewMessages.cpp).
  bool HandleTreeMessage(TMessage& m);
  LRESULT InsertItem(const TVINSERTSTRUCT* insert);
  LRESULT DeleteItem(HTREEITEM item);
  LRESULT ExpandItem(WPARAM action, TTreeNode* node);
  LRESULT ItemRect(bool textOnly, TRect* rect);
  LRESULT NextItem(WPARAM relation, HTREEITEM item);
  LRESULT SelectItem(WPARAM relation, HTREEITEM item);
  LRESULT GetItem(TVITEM* item);
  LRESULT SetItem(const TVITEM* item);
  LRESULT HitTest(TVHITTESTINFO* info);
  void SelectNode(TTreeNode* node);

  TTreeNodes nodes_;
  TTreeNode* selected_ = nullptr;
  TImageList* images_ = nullptr;
  bool showLines_ = true;
  bool showButtons_ = true;
  bool showRoot_ = true;
  int indent_ = 19;
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  int updateCount_ = 0;
  std::unique_ptr<TBitmap> measureBitmap_;
};

// A tree of folders: a virtual desktop holding the home folder and "/",
// each folder's sub-folders read when it is first expanded (hidden ones
// left out), with folder icons of its own.
class TShellTreeView : public TTreeView {
 public:
  explicit TShellTreeView(TComponent* owner);
  ~TShellTreeView() override;
  std::string ClassName() const override { return "TShellTreeView"; }

  // The path of the selected folder ("" for the desktop or nothing).
  std::string SelectedFolder();
  // Selects the folder, expanding the tree down to it; false when the path
  // is not a folder under the home folder or "/".
  bool SetSelectedFolder(const std::string& path);
  // Reads the folders again (keeps what is expanded where it still exists).
  void Refresh();
  std::string FolderOf(TTreeNode* node) const;

 protected:
  bool CanExpand(TTreeNode* node) override;
  void DrawNodeImage(TCanvas& canvas, TTreeNode* node, int x, int y) override;
  int ImageWidth() const override { return 16; }

 private:
  void Fill(TTreeNode* node);
  TTreeNode* AddFolder(TTreeNode* parent, const std::string& name, const std::string& path);
  std::vector<std::unique_ptr<std::string>> paths_;
  TTreeNode* desktop_ = nullptr;
};
