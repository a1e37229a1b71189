#include "skin/ZELListView.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "platform/gfx/DrawText.h"
#include "skin/ZELPublic.h"

namespace {
constexpr int kThemeFormColor = 2;
constexpr int kThemeFontColor = 23;
constexpr int kElementFormBackground = 15;
constexpr int kElementFontColor = 27;
constexpr int kCompanionSmallChange = 5;

// Which list view painted each subclassed header.
std::map<HWND, TzelListView*>& HookedHeaders() {
  static std::map<HWND, TzelListView*> headers;
  return headers;
}
}  // namespace

TzelListView::TzelListView(TComponent* owner) : TzelFramed<TListView>(owner) {
  SetBorderStyle(bsNone);
  SetBorderWidth(2);
  Publish("VScrollBar", &TzelListView::VScrollBar, &TzelListView::SetVScrollBar);
  Publish("HScrollBar", &TzelListView::HScrollBar, &TzelListView::SetHScrollBar);
  TzelCompanionRules rules;
  rules.shareTheme = false;
  rules.smallChange = kCompanionSmallChange;
  Link().SetCompanionRules(rules);
  Link().OnApply = [this](const TzelLookSource& source) {
    headerFontColor_ = source.Color(kElementFontColor, kThemeFontColor);
    headerColor_ = source.Color(kElementFormBackground, kThemeFormColor);
    if (header_) InvalidateRect(header_, nullptr, true);
  };
  Link().OnPlace = [this] { PlaceCompanions(); };
  Link().OnCompanionMoved = [this](TzelScrollBar& companion, int bar) { ScrollToCompanion(companion, bar); };
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelListView::~TzelListView() { UnhookHeader(); }

void TzelListView::Loaded() {
  TzelFramed<TListView>::Loaded();
  HookHeader();
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
  if (msg == WM_WINDOWPOSCHANGING && header_) Link().SyncCompanions();
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
    canvas.Pen()->SetColor(BorderColor());
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
    canvas.Pen()->SetColor(BorderColor());
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

// ---- Companions ---------------------------------------------------------------------

// Each bar's length depends on whether the other shows, which only the
// synchronisation settles: lay them out again when that changed.
void TzelListView::PlaceCompanions() {
  TzelScrollBar* vertical = VScrollBar();
  TzelScrollBar* horizontal = HScrollBar();
  const bool vWasShown = vertical && vertical->Visible();
  const bool hWasShown = horizontal && horizontal->Visible();
  LayOutCompanions();
  Link().SyncCompanions();
  if (vWasShown != (vertical && vertical->Visible()) || hWasShown != (horizontal && horizontal->Visible()))
    LayOutCompanions();
}

void TzelListView::LayOutCompanions() {
  TzelScrollBar* vertical = VScrollBar();
  TzelScrollBar* horizontal = HScrollBar();
  const bool onLeft = ScrollBarsOnLeft(*this);
  const bool vShown = vertical && vertical->Visible();
  const bool hShown = horizontal && horizontal->Visible();
  if (horizontal) {
    TzelScrollBar& bar = *horizontal;
    if (Height() < bar.Height()) {
      bar.SetTop(Top());
    } else {
      const int width = Width() - (vShown ? vertical->Width() : 0) - 2;
      const int left = onLeft && vertical ? Left() + vertical->Width() + 1 : Left() + 1;
      bar.SetBounds(left, Top() + Height() - bar.Height() - 2, width, bar.Height());
    }
  }
  if (vertical) {
    TzelScrollBar& bar = *vertical;
    if (Width() < bar.Width()) {
      bar.SetLeft(Left());
    } else {
      const int left = onLeft ? Left() + 2 : Left() + Width() - bar.Width() - 2;
      bar.SetBounds(left, Top() + 1, bar.Width(), Height() - (hShown ? horizontal->Height() : 0) - 2);
    }
  }
}

void TzelListView::ScrollToCompanion(TzelScrollBar& companion, int bar) {
  const int d = companion.LastChange();
  if (bar == SB_HORZ) {
    Scroll(d, 0);
    return;
  }
  // The list view only shows the report view, where it scrolls by rows.
  const WORD code = d > 0 ? SB_LINEDOWN : SB_LINEUP;
  for (int i = 0; i < std::abs(d); ++i) Perform(WM_VSCROLL, MAKELPARAM(code, 0), 0);
  Invalidate();
}
