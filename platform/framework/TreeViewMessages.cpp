// The native part of the tree view: the TVM_ messages, with items known by
// their HTREEITEM handles. A handle of no node of this tree is refused.

#include <algorithm>
#include <cstring>

#include "platform/framework/TreeView.h"

namespace detail {

TRect ItemInRect(HTREEITEM item) {
  TRect rect;
  static_assert(sizeof(TRect) >= sizeof(HTREEITEM));
  std::memcpy(static_cast<void*>(&rect), &item, sizeof item);
  return rect;
}

HTREEITEM ItemOfRect(const TRect& rect) {
  HTREEITEM item;
  std::memcpy(&item, &rect, sizeof item);
  return item;
}

}  // namespace detail

bool TreeView_GetItemRect(HWND tree, HTREEITEM item, TRect* rect, bool textOnly) {
  if (!rect) return false;
  *rect = detail::ItemInRect(item);
  return SendMessage(tree, TVM_GETITEMRECT, textOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(rect)) != 0;
}

namespace {
LRESULT HandleResult(TTreeNode* node) { return node ? reinterpret_cast<LRESULT>(node->ItemId()) : 0; }
}  // namespace

LRESULT TTreeView::InsertItem(const TVINSERTSTRUCT* insert) {
  if (!insert) return 0;
  TTreeNode* parent = nullptr;
  if (insert->hParent && insert->hParent != TVI_ROOT) {
    parent = nodes_.GetNode(insert->hParent);
    if (!parent) return 0;
  }
  const TVITEM& item = insert->item;
  TTreeNode* node = nodes_.Insert(parent, insert->hInsertAfter, item.mask & TVIF_TEXT ? item.pszText : std::string());
  if (item.mask & TVIF_IMAGE) node->imageIndex_ = item.iImage;
  if (item.mask & TVIF_SELECTEDIMAGE) node->selectedIndex_ = item.iSelectedImage;
  if (item.mask & TVIF_CHILDREN) node->hasChildren_ = item.cChildren != 0;
  if (item.mask & TVIF_PARAM) node->data_ = reinterpret_cast<void*>(item.lParam);
  return HandleResult(node);
}

LRESULT TTreeView::DeleteItem(HTREEITEM item) {
  if (item == TVI_ROOT) {
    for (auto& node : nodes_.roots_) NodeRemoving(node.get());
    nodes_.roots_.clear();
    Changed();
    return TRUE;
  }
  TTreeNode* node = nodes_.GetNode(item);
  if (!node) return FALSE;
  NodeRemoving(node);
  auto& siblings = node->parent_ ? node->parent_->children_ : nodes_.roots_;
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(), [node](const auto& n) { return n.get() == node; }),
                 siblings.end());
  Changed();
  return TRUE;
}

LRESULT TTreeView::ExpandItem(WPARAM action, TTreeNode* node) {
  if (!node) return FALSE;
  bool expand;
  switch (action & 0x0003) {
    case TVE_EXPAND: expand = true; break;
    case TVE_COLLAPSE: expand = false; break;
    case TVE_TOGGLE: expand = !node->expanded_; break;
    default: return FALSE;
  }
  if (!SetExpandedState(node, expand)) return FALSE;
  // A collapse with reset drops the children; the node keeps its button.
  if (!expand && (action & TVE_COLLAPSERESET) && !node->children_.empty()) {
    node->hasChildren_ = true;
    node->DeleteChildren();
  }
  return TRUE;
}

LRESULT TTreeView::ItemRect(bool textOnly, TRect* rect) {
  if (!rect) return FALSE;
  TTreeNode* node = nodes_.GetNode(detail::ItemOfRect(*rect));
  int row = node ? RowOf(node) : -1;
  if (row < 0) return FALSE;
  TRect whole = RowRect(row);
  *rect = textOnly ? LabelRect(node, whole.Top) : whole;
  return TRUE;
}

LRESULT TTreeView::NextItem(WPARAM relation, HTREEITEM item) {
  TTreeNode* node = nodes_.GetNode(item);
  auto siblingAt = [this](TTreeNode* n, int offset) -> TTreeNode* {
    const auto& siblings = n->parent_ ? n->parent_->children_ : nodes_.roots_;
    int i = n->Index() + offset;
    return i >= 0 && i < static_cast<int>(siblings.size()) ? siblings[i].get() : nullptr;
  };
  std::vector<TTreeNode*> rows;
  auto visibleAt = [&](int offset) -> TTreeNode* {
    VisibleNodes(rows);
    auto it = std::find(rows.begin(), rows.end(), node);
    if (it == rows.end()) return nullptr;
    auto i = (it - rows.begin()) + offset;
    return i >= 0 && i < static_cast<std::ptrdiff_t>(rows.size()) ? rows[i] : nullptr;
  };
  switch (relation) {
    case TVGN_ROOT: return HandleResult(nodes_.GetFirstNode());
    case TVGN_NEXT: return node ? HandleResult(siblingAt(node, 1)) : 0;
    case TVGN_PREVIOUS: return node ? HandleResult(siblingAt(node, -1)) : 0;
    case TVGN_PARENT: return node ? HandleResult(node->parent_) : 0;
    case TVGN_CHILD:
      if (!item || item == TVI_ROOT) return HandleResult(nodes_.GetFirstNode());
      return node ? HandleResult(node->GetFirstChild()) : 0;
    case TVGN_FIRSTVISIBLE: return HandleResult(TopItem());
    case TVGN_NEXTVISIBLE: return node ? HandleResult(visibleAt(1)) : 0;
    case TVGN_PREVIOUSVISIBLE: return node ? HandleResult(visibleAt(-1)) : 0;
    case TVGN_LASTVISIBLE:
      VisibleNodes(rows);
      return rows.empty() ? 0 : HandleResult(rows.back());
    case TVGN_CARET: return HandleResult(selected_);
    default: return 0;  // no drop target is ever highlighted
  }
}

LRESULT TTreeView::SelectItem(WPARAM relation, HTREEITEM item) {
  TTreeNode* node = nodes_.GetNode(item);
  if (item && !node) return FALSE;
  switch (relation) {
    case TVGN_CARET:
      SelectNode(node);
      return selected_ == node ? TRUE : FALSE;
    case TVGN_FIRSTVISIBLE: {
      if (!node) return FALSE;
      for (TTreeNode* p = node->parent_; p; p = p->parent_)
        if (!p->expanded_ && !SetExpandedState(p, true)) return FALSE;
      ScrollToRow(RowOf(node));
      return TRUE;
    }
    default: return FALSE;
  }
}

LRESULT TTreeView::GetItem(TVITEM* item) {
  TTreeNode* node = item ? nodes_.GetNode(item->hItem) : nullptr;
  if (!node) return FALSE;
  if (item->mask & TVIF_TEXT) item->pszText = node->text_;
  if (item->mask & TVIF_IMAGE) item->iImage = node->imageIndex_;
  if (item->mask & TVIF_SELECTEDIMAGE) item->iSelectedImage = node->selectedIndex_;
  if (item->mask & TVIF_CHILDREN) item->cChildren = node->HasChildren() ? 1 : 0;
  if (item->mask & TVIF_PARAM) item->lParam = reinterpret_cast<LPARAM>(node->data_);
  if (item->mask & TVIF_STATE)
    item->state = ((node == selected_ ? TVIS_SELECTED : 0) | (node->expanded_ ? TVIS_EXPANDED : 0)) & item->stateMask;
  return TRUE;
}

// Setting the expanded state here only marks the item, without events (as
// the native control does); selecting goes through the usual asking.
LRESULT TTreeView::SetItem(const TVITEM* item) {
  TTreeNode* node = item ? nodes_.GetNode(item->hItem) : nullptr;
  if (!node) return FALSE;
  if (item->mask & TVIF_TEXT) node->text_ = item->pszText;
  if (item->mask & TVIF_IMAGE) node->imageIndex_ = item->iImage;
  if (item->mask & TVIF_SELECTEDIMAGE) node->selectedIndex_ = item->iSelectedImage;
  if (item->mask & TVIF_CHILDREN) node->hasChildren_ = item->cChildren != 0;
  if (item->mask & TVIF_PARAM) node->data_ = reinterpret_cast<void*>(item->lParam);
  if ((item->mask & TVIF_STATE) && (item->stateMask & TVIS_EXPANDED))
    node->expanded_ = (item->state & TVIS_EXPANDED) != 0;
  if ((item->mask & TVIF_STATE) && (item->stateMask & TVIS_SELECTED)) {
    if (item->state & TVIS_SELECTED) SelectNode(node);
    else if (node == selected_) SelectNode(nullptr);
  }
  Changed();
  return TRUE;
}

LRESULT TTreeView::HitTest(TVHITTESTINFO* info) {
  if (!info) return 0;
  info->hItem = nullptr;
  TPoint p = info->pt;
  UINT outside = (p.Y < 0 ? TVHT_ABOVE : 0) | (p.Y >= ClientHeight() ? TVHT_BELOW : 0) |
                 (p.X < 0 ? TVHT_TOLEFT : 0) | (p.X >= ClientWidth() ? TVHT_TORIGHT : 0);
  if (outside) {
    info->flags = outside;
    return 0;
  }
  bool beyondRows = true;
  TTreeNode* node = NodeAtRow(RowAt(p, &beyondRows));
  if (!node || beyondRows) {
    info->flags = TVHT_NOWHERE;
    return 0;
  }
  int x = NodeX(node);
  TRect label = LabelRect(node, 0);
  if (p.X >= x - indent_ && p.X < x && ShowsButton(node)) info->flags = TVHT_ONITEMBUTTON;
  else if (p.X < x) info->flags = TVHT_ONITEMINDENT;
  else if (p.X < label.Left) info->flags = TVHT_ONITEMICON;
  else if (p.X < label.Right) info->flags = TVHT_ONITEMLABEL;
  else info->flags = TVHT_ONITEMRIGHT;
  info->hItem = node->ItemId();
  return reinterpret_cast<LRESULT>(info->hItem);
}

bool TTreeView::HandleTreeMessage(TMessage& m) {
  auto item = reinterpret_cast<HTREEITEM>(m.LParam);
  switch (m.Msg) {
    case TVM_INSERTITEM: m.Result = InsertItem(reinterpret_cast<const TVINSERTSTRUCT*>(m.LParam)); return true;
    case TVM_DELETEITEM: m.Result = DeleteItem(item); return true;
    case TVM_EXPAND: m.Result = ExpandItem(m.WParam, nodes_.GetNode(item)); return true;
    case TVM_GETITEMRECT: m.Result = ItemRect(m.WParam != 0, reinterpret_cast<TRect*>(m.LParam)); return true;
    case TVM_GETCOUNT: m.Result = nodes_.Count(); return true;
    case TVM_GETINDENT: m.Result = indent_; return true;
    case TVM_SETINDENT:
      // Never narrower than a button with room around it, nor absurdly wide.
      indent_ = static_cast<int>(std::clamp<WPARAM>(m.WParam, kMinIndent, kMaxIndent));
      Invalidate();
      m.Result = TRUE;
      return true;
    case TVM_GETIMAGELIST: m.Result = m.WParam == TVSIL_NORMAL ? reinterpret_cast<LRESULT>(images_) : 0; return true;
    case TVM_SETIMAGELIST:
      m.Result = 0;
      if (m.WParam != TVSIL_NORMAL) return true;  // no state images
      m.Result = reinterpret_cast<LRESULT>(images_);
      images_ = reinterpret_cast<TImageList*>(m.LParam);
      Changed();
      return true;
    case TVM_GETNEXTITEM: m.Result = NextItem(m.WParam, item); return true;
    case TVM_SELECTITEM: m.Result = SelectItem(m.WParam, item); return true;
    case TVM_GETITEM: m.Result = GetItem(reinterpret_cast<TVITEM*>(m.LParam)); return true;
    case TVM_SETITEM: m.Result = SetItem(reinterpret_cast<const TVITEM*>(m.LParam)); return true;
    case TVM_GETVISIBLECOUNT: m.Result = RowsPerPage(); return true;
    case TVM_HITTEST: m.Result = HitTest(reinterpret_cast<TVHITTESTINFO*>(m.LParam)); return true;
    case TVM_ENSUREVISIBLE: {
      TTreeNode* node = nodes_.GetNode(item);
      if (!node) {
        m.Result = FALSE;
        return true;
      }
      for (TTreeNode* p = node->parent_; p; p = p->parent_)
        if (!p->expanded_) SetExpandedState(p, true);
      EnsureRowVisible(RowOf(node));
      m.Result = TRUE;
      return true;
    }
    default: return false;
  }
}
