// The tree view control: expanding and collapsing with their events,
// selection, scrolling, keys and mouse, and its plain look (dotted lines,
// boxed +/- buttons, images and text).

#include "platform/framework/TreeView.h"

#include <algorithm>

#include "platform/gfx/DrawText.h"

TTreeView::TTreeView(TComponent* owner) : TRowView(owner), nodes_(this) {
  controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csSetCaption | csOpaque;
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TTreeView::~TTreeView() {
  selected_ = nullptr;
  updateCount_ = 1;  // nothing to lay out while the nodes go
  nodes_.roots_.clear();
}

void TTreeView::CreateParams(TCreateParams& params) {
  TRowView::CreateParams(params);
  params.Style |= WS_VSCROLL;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::CreateWnd() {
  TRowView::CreateWnd();
  Changed();
}

void TTreeView::SetImages(TImageList* value) {
  Perform(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(value));
}

void TTreeView::SetShowLines(bool value) {
  showLines_ = value;
  Invalidate();
}

void TTreeView::SetShowButtons(bool value) {
  showButtons_ = value;
  Invalidate();
}

void TTreeView::SetShowRoot(bool value) {
  showRoot_ = value;
  Invalidate();
}

void TTreeView::SetIndent(int value) { Perform(TVM_SETINDENT, static_cast<WPARAM>(std::max(0, value)), 0); }

void TTreeView::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TTreeView::Changed() {
  if (updateCount_ == 0) TRowView::Changed();
}

void TTreeView::NodeRemoving(TTreeNode* node) {
  for (TTreeNode* n = selected_; n; n = n->Parent())
    if (n == node) {
      // The selection moves to what stays: the parent of the removed node.
      selected_ = nullptr;
      if (node->Parent() && updateCount_ == 0) SetSelected(node->Parent());
      break;
    }
}

void TTreeView::VisibleNodes(std::vector<TTreeNode*>& out) const {
  std::vector<TTreeNode*> stack;
  for (auto it = nodes_.roots_.rbegin(); it != nodes_.roots_.rend(); ++it) stack.push_back(it->get());
  while (!stack.empty()) {
    TTreeNode* n = stack.back();
    stack.pop_back();
    out.push_back(n);
    if (n->Expanded())
      for (int i = n->Count() - 1; i >= 0; --i) stack.push_back(n->Item(i));
  }
}

TTreeNode* TTreeView::NodeAtRow(int row) const {
  std::vector<TTreeNode*> rows;
  VisibleNodes(rows);
  return row >= 0 && row < static_cast<int>(rows.size()) ? rows[row] : nullptr;
}

int TTreeView::RowCount() {
  std::vector<TTreeNode*> rows;
  VisibleNodes(rows);
  return static_cast<int>(rows.size());
}

int TTreeView::RowHeight(int) {
  TCanvas* c = MeasuringCanvas(measureBitmap_, *Font());
  return std::max({c->TextHeight("Wg") + 2, ImageWidth() > 0 ? 17 : 0, kButtonSize + 4});
}

bool TTreeView::RowSelected(int row) { return selected_ && NodeAtRow(row) == selected_; }

bool TTreeView::SetRowSelected(int row, bool selected) {
  TTreeNode* node = NodeAtRow(row);
  if (!node) return false;
  if (selected) SetSelected(node);
  else if (node == selected_) SetSelected(nullptr);
  return (selected_ == node) == selected;
}

int TTreeView::RowOf(TTreeNode* node) {
  std::vector<TTreeNode*> rows;
  VisibleNodes(rows);
  auto it = std::find(rows.begin(), rows.end(), node);
  return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

int TTreeView::NodeX(TTreeNode* node) const { return (node->Level() + (showRoot_ ? 1 : 0)) * indent_ + 2; }

int TTreeView::ImageWidth() const { return images_ ? images_->Width() : 0; }

TTreeNode* TTreeView::TopItem() { return NodeAtRow(TopRow()); }

TTreeNode* TTreeView::GetNodeAt(int x, int y) {
  TVHITTESTINFO hit;
  hit.pt = {x, y};
  return nodes_.GetNode(reinterpret_cast<HTREEITEM>(Perform(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
}

bool TTreeView::ShowsButton(TTreeNode* node) const {
  return showButtons_ && node->HasChildren() && (node->Level() > 0 || showRoot_);
}

// Where the node's text goes, with its highlight, in the row at y.
TRect TTreeView::LabelRect(TTreeNode* node, int y) {
  int x = NodeX(node);
  if (ImageWidth() > 0) x += ImageWidth() + 2;
  TCanvas* c = MeasuringCanvas(measureBitmap_, *Font());
  return {x, y, x + c->TextWidth(node->Text()) + 4, y + RowHeight(0)};
}

void TTreeView::FullExpand() {
  for (auto& n : nodes_.roots_) n->Expand(true);
}

void TTreeView::FullCollapse() {
  for (auto& n : nodes_.roots_) n->Collapse(true);
}

bool TTreeView::CanExpand(TTreeNode* node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(this, node, allow);
  return allow;
}

void TTreeView::Expanded(TTreeNode* node) {
  if (OnExpanded) OnExpanded(this, node);
}

bool TTreeView::CanCollapse(TTreeNode* node) {
  bool allow = true;
  if (OnCollapsing) OnCollapsing(this, node, allow);
  return allow;
}

void TTreeView::Collapsed(TTreeNode* node) {
  if (OnCollapsed) OnCollapsed(this, node);
}

bool TTreeView::CanChange(TTreeNode* node) {
  bool allow = true;
  if (OnChanging) OnChanging(this, node, allow);
  return allow;
}

void TTreeView::Change(TTreeNode* node) {
  if (OnChange) OnChange(this, node);
}

bool TTreeView::SetExpandedState(TTreeNode* node, bool expand) {
  if (!node || node->expanded_ == expand) return true;
  if (expand) {
    if (!CanExpand(node)) return false;
    // The event may have filled the node, or found it has nothing to show.
    if (node->children_.empty()) {
      node->hasChildren_ = false;
      Changed();
      return false;
    }
    node->expanded_ = true;
    Changed();
    Expanded(node);
    return true;
  }
  if (!CanCollapse(node)) return false;
  node->expanded_ = false;
  // A selection inside the collapsed part moves up to the node.
  for (TTreeNode* n = selected_ ? selected_->Parent() : nullptr; n; n = n->Parent())
    if (n == node) {
      SetSelected(node);
      break;
    }
  Changed();
  Collapsed(node);
  return true;
}

void TTreeView::SetSelected(TTreeNode* node) {
  Perform(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->ItemId() : nullptr));
}

void TTreeView::SelectNode(TTreeNode* node) {
  if (node == selected_) return;
  if (!CanChange(node)) return;
  selected_ = node;
  if (node) node->MakeVisible();
  Invalidate();
  Change(node);
}

void TTreeView::KeyNavigate(WORD key) {
  switch (key) {
    case VK_LEFT:
      if (selected_ && selected_->Expanded()) selected_->SetExpanded(false);
      else if (selected_ && selected_->Parent()) SetSelected(selected_->Parent());
      return;
    case VK_RIGHT:
      if (selected_ && !selected_->Expanded() && selected_->HasChildren()) selected_->SetExpanded(true);
      else if (selected_ && selected_->Expanded() && selected_->Count() > 0) SetSelected(selected_->Item(0));
      return;
    case VK_ADD:
      if (selected_) selected_->SetExpanded(true);
      return;
    case VK_SUBTRACT:
      if (selected_) selected_->SetExpanded(false);
      return;
    default: NavigateRows(key, 0); return;
  }
}

void TTreeView::DefaultHandler(TMessage& m) {
  if (HandleTreeMessage(m)) return;
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (CanFocus() && !Focused()) SetFocus();
      TVHITTESTINFO hit;
      hit.pt = {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      TTreeNode* node = nodes_.GetNode(reinterpret_cast<HTREEITEM>(Perform(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
      if (!node) return;
      bool onButton = hit.flags == TVHT_ONITEMBUTTON;
      if (onButton || m.Msg == WM_LBUTTONDBLCLK) node->SetExpanded(!node->Expanded());
      if (!onButton) ClickRow(RowOf(node), 0);
      return;
    }
    case WM_KEYDOWN: KeyNavigate(static_cast<WORD>(m.WParam)); return;
    default: break;
  }
  TRowView::DefaultHandler(m);
}

void TTreeView::DrawNodeImage(TCanvas& canvas, TTreeNode* node, int x, int y) {
  if (!images_) return;
  int index = node == selected_ && node->SelectedIndex() >= 0 ? node->SelectedIndex() : node->ImageIndex();
  if (index >= 0 && index < images_->Count()) images_->Draw(&canvas, x, y, index, Enabled());
}

void TTreeView::PaintWindow(HDC dc) {
  if (!dc) return;
  TCanvas& c = *dc;
  std::vector<TTreeNode*> rows;
  VisibleNodes(rows);
  int h = RowHeight(0);
  int top = TopRow();
  int saved = c.SaveDC();
  // Nothing erases an opaque control: rows that moved must not leave their old pixels.
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
  c.SetFont(*Font());
  c.SetBkMode(TRANSPARENT);
  for (int row = top; row < static_cast<int>(rows.size()); ++row) {
    int y = (row - top) * h;
    if (y >= ClientHeight()) break;
    TTreeNode* node = rows[row];
    int x = NodeX(node);
    int mid = y + h / 2;
    int lineX = x - indent_ / 2 - 1;
    if (showLines_ && (node->Level() > 0 || showRoot_)) {
      // Dotted lines: across to the node, and up to the sibling or parent above.
      c.Brush()->SetColor(clGray);
      for (int dx = lineX; dx < x - 2; dx += 2) c.FillRect({dx, mid, dx + 1, mid + 1});
      for (int dy = y; dy < mid; dy += 2) c.FillRect({lineX, dy, lineX + 1, dy + 1});
      bool moreBelow = node->Index() < (node->Parent() ? node->Parent()->Count() : nodes_.TopCount()) - 1;
      if (moreBelow)
        for (int dy = mid; dy < y + h; dy += 2) c.FillRect({lineX, dy, lineX + 1, dy + 1});
      // The lines of the ancestors that have siblings further down.
      for (TTreeNode* p = node->Parent(); p; p = p->Parent()) {
        bool more = p->Index() < (p->Parent() ? p->Parent()->Count() : nodes_.TopCount()) - 1;
        int px = NodeX(p) - indent_ / 2 - 1;
        if (more && (p->Level() > 0 || showRoot_))
          for (int dy = y; dy < y + h; dy += 2) c.FillRect({px, dy, px + 1, dy + 1});
      }
    }
    if (ShowsButton(node)) {
      TRect box{lineX - kButtonSize / 2, mid - kButtonSize / 2, lineX - kButtonSize / 2 + kButtonSize,
                mid - kButtonSize / 2 + kButtonSize};
      c.Brush()->SetColor(clWindow);
      c.FillRect(box);
      c.Brush()->SetColor(clGray);
      c.FrameRect(box);
      c.Brush()->SetColor(clWindowText);
      c.FillRect({box.Left + 2, mid, box.Right - 2, mid + 1});
      if (!node->Expanded()) c.FillRect({lineX, box.Top + 2, lineX + 1, box.Bottom - 2});
    }
    if (ImageWidth() > 0) DrawNodeImage(c, node, x, y + (h - 16) / 2);
    TRect text = LabelRect(node, y);
    bool selected = node == selected_;
    if (selected) {
      c.Brush()->SetColor(Focused() ? clHighlight : clBtnFace);
      c.FillRect(text);
    }
    c.Font()->SetColor(selected && Focused() ? clHighlightText : (Enabled() ? Font()->Color() : clGrayText));
    TRect textArea = text;
    textArea.Left += 2;
    c.Brush()->SetStyle(bsClear);  // the text keeps the background just painted
    DrawText(&c, node->Text(), textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (selected && Focused()) c.DrawFocusRect(text);
  }
  c.RestoreDC(saved);
}
