#pragma once
// The tree view: nodes with text, images and children, expanded and
// collapsed by the buttons, keys or the program (a node may show a button
// before its children are made, for lazy filling in OnExpanding); one
// selected node; vertical scrolling with the window scroll bar.
// TShellTreeView fills itself with the folders of the file system.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/ScrollInfo.h"
#include "platform/gfx/ImageList.h"

class TTreeView;

class TTreeNode : public TObject {
 public:
  TTreeNode(TTreeView* owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}
  std::string ClassName() const override { return "TTreeNode"; }

  TTreeView* TreeView() const { return owner_; }
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
  int TopCount() const { return static_cast<int>(roots_.size()); }
  TTreeNode* TopItem(int index) const;
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TTreeView;
  friend class TTreeNode;
  TTreeView* owner_;
  std::vector<std::unique_ptr<TTreeNode>> roots_;
};

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

class TTreeView : public TScrollingControl {
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

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  void Changed();
  void NodeRemoving(TTreeNode* node);
  void VisibleNodes(std::vector<TTreeNode*>& out) const;
  int RowHeight();
  int RowsPerPage();
  int RowOf(TTreeNode* node);
  int NodeX(TTreeNode* node) const;
  void ScrollTo(int top);
  void EnsureVisible(TTreeNode* node);
  void UpdateScrollBars();
  bool SetExpandedState(TTreeNode* node, bool expand);
  void KeyNavigate(WORD key);

  TTreeNodes nodes_;
  TTreeNode* selected_ = nullptr;
  TImageList* images_ = nullptr;
  bool showLines_ = true;
  bool showButtons_ = true;
  bool showRoot_ = true;
  int indent_ = 19;
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  int top_ = 0;
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
