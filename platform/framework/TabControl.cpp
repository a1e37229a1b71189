// The tab strip shared by tab and page controls: tab layout, the plain
// look, the user's choice of a tab and the tab messages.

#include <algorithm>

#include "platform/framework/PageControls.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/DrawText.h"

namespace {

constexpr int kTabPadding = 12;
constexpr int kMinTabWidth = 40;
constexpr int kFrame = 2;      // the raised edge round the page area
constexpr int kPageMargin = 4;  // pages sit this far inside the control

void Line(TCanvas* canvas, TColor color, int x1, int y1, int x2, int y2) {
  canvas->Pen()->SetColor(color);
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

}  // namespace

TCustomTabControl::TCustomTabControl(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ |= csAcceptsControls;
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
  Publish("TabPosition", &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition);
  Publish("TabHeight", &TCustomTabControl::TabHeight, &TCustomTabControl::SetTabHeight);
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
  if (value == tabPosition_) return;
  tabPosition_ = value;
  TabsChanged();
}

void TCustomTabControl::SetTabHeight(int value) {
  tabHeight_ = std::max(0, value);
  TabsChanged();
}

void TCustomTabControl::SetImages(TImageList* value) {
  images_ = value;
  TabsChanged();
}

void TCustomTabControl::TabsChanged() {
  tabRects_.clear();
  Realign();
  Invalidate();
}

int TCustomTabControl::StripHeight() {
  if (tabHeight_ > 0) return tabHeight_;
  TCanvas* canvas = Canvas();
  canvas->SetFont(*Font());
  int height = canvas->TextHeight("Wg") + 6;
  if (images_) height = std::max(height, images_->Height() + 4);
  return height;
}

void TCustomTabControl::LayoutTabs() {
  TCanvas* canvas = Canvas();
  canvas->SetFont(*Font());
  int height = StripHeight();
  int top = tabPosition_ == tpTop ? 2 : Height() - height - 2;
  int x = 2;
  tabRects_.assign(static_cast<std::size_t>(std::max(0, TabCount())), TRect{});
  for (int i = 0; i < TabCount(); ++i) {
    if (!TabShown(i)) continue;
    TRect text = Rect(0, 0, 0, 0);
    DrawText(canvas->Handle(), TabCaption(i), text, DT_CALCRECT | DT_SINGLELINE);
    int width = std::max(kMinTabWidth, text.Width() + kTabPadding);
    if (images_ && TabImageIndex(i) >= 0) width += images_->Width() + 4;
    tabRects_[static_cast<std::size_t>(i)] = Rect(x, top, x + width, top + height);
    x += width;
  }
}

TRect TCustomTabControl::TabRect(int index) {
  if (tabRects_.size() != static_cast<std::size_t>(std::max(0, TabCount()))) LayoutTabs();
  if (index < 0 || index >= static_cast<int>(tabRects_.size())) return {};
  return tabRects_[static_cast<std::size_t>(index)];
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
  for (int i = 0; i < TabCount(); ++i) {
    TRect r = TabRect(i);
    if (!r.IsEmpty() && PtInRect(r, {x, y})) return i;
  }
  return -1;
}

TRect TCustomTabControl::DisplayRect() {
  TRect r = Rect(0, 0, Width(), Height());
  int strip = StripHeight() + 2;
  if (tabPosition_ == tpTop) r.Top += strip;
  else r.Bottom -= strip;
  InflateRect(r, -kPageMargin, -kPageMargin);
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

void TCustomTabControl::AdjustClientRect(TRect& rect) { rect = DisplayRect(); }

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

bool TCustomTabControl::SelectTabByUser(int index) {
  if (index < 0 || index >= TabCount() || index == CurrentTab() || !TabShown(index)) return false;
  if (!CanChange()) return false;
  SetCurrentTab(index);
  Change();
  return true;
}

void TCustomTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  int index = IndexOfTabAt(x, y);
  if (index >= 0) {
    SelectTabByUser(index);
    if (CanFocus()) SetFocus();
  }
}

void TCustomTabControl::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key != VK_LEFT && key != VK_RIGHT) return;
  int step = key == VK_RIGHT ? 1 : -1;
  for (int i = CurrentTab() + step; i >= 0 && i < TabCount(); i += step) {
    if (!TabShown(i)) continue;
    SelectTabByUser(i);
    break;
  }
  key = 0;
}

void TCustomTabControl::CMDialogKey(TMessage& m) {
  // Ctrl+Tab and Ctrl+Shift+Tab step through the tabs from anywhere inside.
  if (m.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && TabCount() > 0 && Focused()) {
    int step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    int count = TabCount();
    for (int n = 1; n <= count; ++n) {
      int i = ((CurrentTab() + step * n) % count + count) % count;
      if (TabShown(i)) {
        SelectTabByUser(i);
        break;
      }
    }
    m.Result = 1;
    return;
  }
  TCustomControl::CMDialogKey(m);
}

void TCustomTabControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case TCM_GETITEMCOUNT: m.Result = TabCount(); return;
    case TCM_GETCURSEL: m.Result = CurrentTab(); return;
    case TCM_SETCURSEL: {
      int previous = CurrentTab();
      int index = static_cast<int>(m.WParam);
      if (index < 0 || index >= TabCount()) {
        m.Result = -1;
        return;
      }
      SetCurrentTab(index);
      m.Result = previous;
      return;
    }
    case TCM_GETITEMRECT: {
      auto* rect = reinterpret_cast<TRect*>(m.LParam);
      TRect r = TabRect(static_cast<int>(m.WParam));
      m.Result = rect && !r.IsEmpty() ? TRUE : FALSE;
      if (m.Result) *rect = r;
      return;
    }
    case TCM_HITTEST: {
      auto* info = reinterpret_cast<TCHITTESTINFO*>(m.LParam);
      if (!info) {
        m.Result = -1;
        return;
      }
      m.Result = IndexOfTabAt(info->pt.X, info->pt.Y);
      info->flags = m.Result >= 0 ? TCHT_ONITEM : TCHT_NOWHERE;
      return;
    }
    case TCM_ADJUSTRECT: {
      auto* rect = reinterpret_cast<TRect*>(m.LParam);
      if (!rect) return;
      // From a window rectangle to its display area, or back.
      TRect display = DisplayRect();
      int left = display.Left, top = display.Top, right = Width() - display.Right, bottom = Height() - display.Bottom;
      int sign = m.WParam ? -1 : 1;
      rect->Left += sign * left;
      rect->Top += sign * top;
      rect->Right -= sign * right;
      rect->Bottom -= sign * bottom;
      return;
    }
    case WM_SIZE:
    case CM_FONTCHANGED: tabRects_.clear(); break;
    default: break;
  }
  TCustomControl::WndProc(m);
}

void TCustomTabControl::Paint() {
  TCanvas* canvas = Canvas();
  TRect client = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  LayoutTabs();

  // The raised frame of the page area.
  TRect page = DisplayRect();
  InflateRect(page, kPageMargin - kFrame + 1, kPageMargin - kFrame + 1);
  int l = page.Left - 1, t = page.Top - 1, r = page.Right, b = page.Bottom;
  Line(canvas, clBtnHighlight, l, b, l, t);
  Line(canvas, clBtnHighlight, l, t, r, t);
  Line(canvas, cl3DDkShadow, r, t, r, b + 1);
  Line(canvas, cl3DDkShadow, l, b, r, b);
  Line(canvas, clBtnShadow, r - 1, t + 1, r - 1, b);
  Line(canvas, clBtnShadow, l + 1, b - 1, r - 1, b - 1);

  canvas->SetFont(*Font());
  canvas->SetBkMode(TRANSPARENT);
  for (int i = 0; i < TabCount(); ++i) {
    TRect tab = TabRect(i);
    if (tab.IsEmpty()) continue;
    bool current = i == CurrentTab();
    if (current) InflateRect(tab, 2, 0);
    // The current tab stands out and joins the page area.
    bool top = TabPosition() == tpTop;
    if (top) tab.Top -= current ? 2 : 0;
    else tab.Bottom += current ? 2 : 0;
    TRect face = tab;
    if (top) face.Bottom = t + (current ? 2 : 0);
    else face.Top = b - (current ? 1 : 0);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(face);
    int edgeY1 = top ? tab.Bottom : tab.Top;
    int edgeY2 = top ? tab.Top : tab.Bottom - 1;
    Line(canvas, clBtnHighlight, tab.Left, edgeY1, tab.Left, edgeY2);
    Line(canvas, top ? clBtnHighlight : cl3DDkShadow, tab.Left, edgeY2, tab.Right - 1, edgeY2);
    Line(canvas, cl3DDkShadow, tab.Right - 1, edgeY2, tab.Right - 1, edgeY1);
    TRect text = tab;
    if (images_ && TabImageIndex(i) >= 0 && TabImageIndex(i) < images_->Count()) {
      images_->Draw(canvas, text.Left + 4, text.Top + (text.Height() - images_->Height()) / 2, TabImageIndex(i), Enabled());
      text.Left += images_->Width() + 4;
    }
    canvas->SetTextColor(Enabled() ? Font()->Color() : clGrayText);
    DrawText(canvas->Handle(), TabCaption(i), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    if (current && Focused()) {
      TRect focus = tab;
      InflateRect(focus, -3, -3);
      canvas->DrawFocusRect(focus);
    }
  }
}

// ---- TTabControl -----------------------------------------------------------------

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {
  Publish("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex);
  tabs_.OnChange = [this](TObject*) {
    if (tabIndex_ >= tabs_.Count()) tabIndex_ = tabs_.Count() - 1;
    if (tabIndex_ < 0 && tabs_.Count() > 0) tabIndex_ = 0;
    TabsChanged();
  };
}

void TTabControl::SetTabIndex(int value) {
  if (value < -1 || value >= tabs_.Count() || value == tabIndex_) return;
  tabIndex_ = value;
  Invalidate();
}
