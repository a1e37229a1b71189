#include "skin/ZELListView.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "platform/gfx/DrawText.h"
#include "skin/ZELListBoxCompanion.h"
#include "skin/ZELPublic.h"

namespace {
constexpr int kThemeFormColor = 2;
constexpr int kThemeBorderColor = 22;
constexpr int kThemeFontColor = 23;
constexpr int kElementFormBackground = 15;
constexpr int kElementBorderColor = 25;
constexpr int kElementFontColor = 27;
constexpr int kCompanionSmallChange = 5;

// Which list view painted each subclassed header.
std::map<HWND, TzelListView*>& HookedHeaders() {
  static std::map<HWND, TzelListView*> headers;
  return headers;
}
}  // namespace

TzelListView::TzelListView(TComponent* owner) : TListView(owner) {
  SetBorderStyle(bsNone);
  SetBorderWidth(2);
  Publish("UIStyle", &TzelListView::UIStyle, &TzelListView::SetUIStyle);
  Publish("FileTheme", &TzelListView::FileTheme, &TzelListView::SetFileTheme);
  Publish("BorderColor", &TzelListView::BorderColor, &TzelListView::SetBorderColor);
  Publish("VScrollBar", &TzelListView::VScrollBar, &TzelListView::SetVScrollBar);
  Publish("HScrollBar", &TzelListView::HScrollBar, &TzelListView::SetHScrollBar);
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelListView::~TzelListView() {
  UnhookHeader();
  for (TzelScrollBar* companion : {vScrollBar_, hScrollBar_}) {
    if (!companion) continue;
    companion->OnChange = nullptr;
    companion->RemoveFreeNotification(this);
  }
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
}

void TzelListView::SetBorderColor(TColor value) {
  borderColor_ = value;
  Invalidate();
}

void TzelListView::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  TzelUIStyle look = value;
  if (UsingFileTheme(fileTheme_, value, look)) {
    borderColor_ = fileTheme_->GetColor(kThemeBorderColor);
    headerFontColor_ = fileTheme_->GetColor(kThemeFontColor);
    headerColor_ = fileTheme_->GetColor(kThemeFormColor);
  } else {
    borderColor_ = GetBuiltInThemeColor(look, kElementBorderColor);
    headerFontColor_ = GetBuiltInThemeColor(look, kElementFontColor);
    headerColor_ = GetBuiltInThemeColor(look, kElementFormBackground);
  }
  if (vScrollBar_) vScrollBar_->SetUIStyle(look);
  if (hScrollBar_) hScrollBar_->SetUIStyle(look);
  Invalidate();
  if (header_) InvalidateRect(header_, nullptr, true);
}

void TzelListView::SetFileTheme(TzelFileTheme* value) {
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_) fileTheme_->FreeNotification(this);
  SetUIStyle(uiStyle_);
}

void TzelListView::SetVScrollBar(TzelScrollBar* value) { SetCompanion(vScrollBar_, value, zelVertical); }
void TzelListView::SetHScrollBar(TzelScrollBar* value) { SetCompanion(hScrollBar_, value, zelHorizontal); }

void TzelListView::SetCompanion(TzelScrollBar*& slot, TzelScrollBar* value, TzelProgressBarOrientation orientation) {
  if (value == slot) return;
  if (slot) {
    slot->RemoveFreeNotification(this);
    ReleaseCompanion(*slot);
  }
  slot = value;
  if (!slot) return;
  slot->FreeNotification(this);
  slot->SetSmallChange(kCompanionSmallChange);
  slot->SetOrientation(orientation);
  TzelScrollBar* companion = slot;
  slot->OnChange = [this, companion](TObject*) { CompanionChanged(companion); };
  slot->BringToFront();
  PlaceCompanions();
}

void TzelListView::Notification(TComponent* component, TOperation operation) {
  TListView::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == vScrollBar_) vScrollBar_ = nullptr;
  if (component == hScrollBar_) hScrollBar_ = nullptr;
  if (component == fileTheme_) {
    fileTheme_ = nullptr;
    SetUIStyle(DeepBlue);
  }
}

void TzelListView::Loaded() {
  TListView::Loaded();
  HookHeader();
  PlaceCompanions();
}

// ---- The header ---------------------------------------------------------------------

void TzelListView::HookHeader() {
  if (header_) return;
  HWND header = HeaderHandle();
  if (!header || !IsWindow(header)) return;
  header_ = header;
  HookedHeaders()[header_] = this;
  previousHeaderProc_ =
      reinterpret_cast<WNDPROC>(SetWindowLong(header_, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&HeaderProc)));
  InvalidateRect(header_, nullptr, true);
}

void TzelListView::UnhookHeader() {
  if (!header_) return;
  if (IsWindow(header_) && previousHeaderProc_)
    SetWindowLong(header_, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(previousHeaderProc_));
  HookedHeaders().erase(header_);
  header_ = nullptr;
  previousHeaderProc_ = nullptr;
}

LRESULT TzelListView::HeaderProc(HWND header, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto found = HookedHeaders().find(header);
  if (found == HookedHeaders().end()) return DefWindowProc(header, msg, wParam, lParam);
  return found->second->HeaderMessage(header, msg, wParam, lParam);
}

LRESULT TzelListView::HeaderMessage(HWND header, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT paint;
    BeginPaint(header, &paint);
    EndPaint(header, &paint);
    HDC dc = GetWindowDC(header);
    if (dc) {
      PaintHeader(*dc);
      ReleaseDC(header, dc);
    }
    return 0;
  }
  WNDPROC previous = previousHeaderProc_;
  if (msg == WM_NCDESTROY) UnhookHeader();
  const LRESULT result = CallWindowProc(previous, header, msg, wParam, lParam);
  if (msg == HDM_SETITEM && header_) InvalidateRect(header_, nullptr, true);
  if (msg == WM_WINDOWPOSCHANGING && header_ && !ownScroll_) SyncCompanions();
  return result;
}

void TzelListView::PaintHeader(TCanvas& canvas) {
  TRect whole;
  GetClientRect(header_, &whole);
  canvas.SetFont(*Font());
  canvas.Font()->SetColor(headerFontColor_);
  const int count = static_cast<int>(CallWindowProc(previousHeaderProc_, header_, HDM_GETITEMCOUNT, 0, 0));
  int previousRight = whole.Left;
  int lastRight = whole.Left;
  for (int i = 0; i < count; ++i) {
    TRect rect;
    CallWindowProc(previousHeaderProc_, header_, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect));
    PaintHeaderColumn(canvas, i, rect);
    canvas.Pen()->SetColor(borderColor_);
    canvas.MoveTo(rect.Right - 1, rect.Top);
    canvas.LineTo(rect.Right - 1, rect.Bottom);
    if (i > 0 && previousRight == rect.Right) {
      canvas.MoveTo(rect.Right - 2, rect.Top);
      canvas.LineTo(rect.Right - 2, rect.Bottom);
    }
    previousRight = rect.Right;
    lastRight = rect.Right;
  }
  // With no columns the whole header is the filler and has no bottom line.
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(headerColor_);
  canvas.FillRect({lastRight, whole.Top, whole.Right, whole.Bottom});
  if (count > 0) {
    canvas.Pen()->SetColor(borderColor_);
    canvas.MoveTo(whole.Left, whole.Bottom - 1);
    canvas.LineTo(lastRight, whole.Bottom - 1);
  }
}

void TzelListView::PaintHeaderColumn(TCanvas& canvas, int index, const TRect& rect) {
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(headerColor_);
  canvas.FillRect(rect);
  TImageList* images = SmallImages();
  const int imageTop = images ? (rect.Height() - images->Height()) / 2 : 0;
  canvas.Brush()->SetStyle(bsClear);

  TListColumn* column = Columns()->Items(index);
  const std::string caption = column->Caption();
  const bool hasImage = images && column->ImageIndex() >= 0;
  const int avail = rect.Width() - 6;
  const int tw = canvas.TextWidth(caption);
  const int iw = hasImage ? images->Width() : 0;
  int x = rect.Left + 4;
  int imageX = rect.Left + 4;
  if (column->Alignment() != taLeftJustify) {
    const int halve = column->Alignment() == taCenter ? 2 : 1;
    if (hasImage) {
      imageX = rect.Left + std::max((avail - tw - iw - 2) / halve, 4);
      x = imageX + iw + 2;
    } else {
      x = rect.Left + std::max((avail - tw - 2) / halve, 4);
    }
  } else if (hasImage) {
    x += iw + 2;
  }
  if (hasImage) images->Draw(&canvas, imageX, rect.Top + imageTop, column->ImageIndex());
  const std::string shown = TruncateText(canvas, caption, rect.Right - x - 2);
  TRect text{x, rect.Top, rect.Right - 2, rect.Bottom};
  DrawText(canvas.Handle(), shown, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// ---- Messages -----------------------------------------------------------------------


void TzelListView::WndProc(TMessage& m) {
  if (m.Msg == WM_LBUTTONDOWN) leftButtonHeld_ = true;
  if (m.Msg == WM_LBUTTONUP) leftButtonHeld_ = false;
  if (m.Msg == WM_SIZE) PlaceCompanions();
  if (m.Msg == CM_VISIBLECHANGED && !m.WParam) {
    if (vScrollBar_) vScrollBar_->SetVisible(false);
    if (hScrollBar_) hScrollBar_->SetVisible(false);
  }
  TListView::WndProc(m);
  switch (m.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
      DrawControlBorder(*this, borderColor_, Color(), true);
      break;
    case WM_MOVE:
    case WM_SIZE:
      PlaceCompanions();
      break;
    case CM_VISIBLECHANGED:
      if (m.WParam) PlaceCompanions();
      break;
    default:
      if (MayScrollList(m, leftButtonHeld_)) SyncCompanions();
      break;
  }
}

// ---- Companions ---------------------------------------------------------------------

void TzelListView::PlaceCompanions() {
  if (IsLoading()) return;
  const bool vWasShown = vScrollBar_ && vScrollBar_->Visible();
  const bool hWasShown = hScrollBar_ && hScrollBar_->Visible();
  LayOutCompanions();
  SyncCompanions();
  // Each bar's length depends on whether the other shows, which only the
  // synchronisation settles: lay them out again when that changed.
  if (vWasShown != (vScrollBar_ && vScrollBar_->Visible()) || hWasShown != (hScrollBar_ && hScrollBar_->Visible())) {
    LayOutCompanions();
    SyncCompanions();
  }
}

void TzelListView::LayOutCompanions() {
  const bool onLeft = ScrollBarsOnLeft(*this);
  const bool vShown = vScrollBar_ && vScrollBar_->Visible();
  const bool hShown = hScrollBar_ && hScrollBar_->Visible();
  if (hScrollBar_) {
    TzelScrollBar& bar = *hScrollBar_;
    if (Height() < bar.Height()) {
      bar.SetTop(Top());
    } else {
      const int width = Width() - (vShown ? vScrollBar_->Width() : 0) - 2;
      const int left = onLeft && vScrollBar_ ? Left() + vScrollBar_->Width() + 1 : Left() + 1;
      bar.SetBounds(left, Top() + Height() - bar.Height() - 2, width, bar.Height());
    }
  }
  if (vScrollBar_) {
    TzelScrollBar& bar = *vScrollBar_;
    if (Width() < bar.Width()) {
      bar.SetLeft(Left());
    } else {
      const int left = onLeft ? Left() + 2 : Left() + Width() - bar.Width() - 2;
      bar.SetBounds(left, Top() + 1, bar.Width(), Height() - (hShown ? hScrollBar_->Height() : 0) - 2);
    }
  }
}

void TzelListView::SyncCompanions() {
  if (IsLoading()) return;
  syncing_ = true;
  HWND window = HandleAllocated() ? Handle() : nullptr;
  if (vScrollBar_) SyncCompanionWithNativeBar(*vScrollBar_, window, OBJID_VSCROLL, SB_VERT, Enabled());
  if (hScrollBar_) SyncCompanionWithNativeBar(*hScrollBar_, window, OBJID_HSCROLL, SB_HORZ, Enabled());
  syncing_ = false;
}

void TzelListView::CompanionChanged(TzelScrollBar* companion) {
  if (syncing_ || !HandleAllocated()) return;
  const int d = companion->LastChange();
  if (companion == hScrollBar_) {
    ownScroll_ = true;
    Scroll(d, 0);
    ownScroll_ = false;
  } else if (companion == vScrollBar_) {
    // The list view only shows the report view, where it scrolls by rows.
    const WORD code = d > 0 ? SB_LINEDOWN : SB_LINEUP;
    for (int i = 0; i < std::abs(d); ++i) Perform(WM_VSCROLL, MAKELPARAM(code, 0), 0);
    Invalidate();
  }
}
