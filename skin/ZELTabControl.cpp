#include "skin/ZELTabControl.h"

#include <algorithm>

#include "skin/ZELPublic.h"

namespace {
// The page and strip colour: theme-file colour item and built-in element.
constexpr int kThemeFormColor = 2;
constexpr int kElementBackgroundColor = 26;
constexpr int kChildMargin = 3;
}  // namespace

TzelTab::TzelTab(TComponent* owner, TStripFactory createTabStrip) : TzelThemed<TCustomPanel>(owner) {
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  TControl::SetText(" ");
  SetTabStop(false);
  SetHeight(80);
  strip_ = createTabStrip(this);
  strip_->SetParent(this);
  strip_->OnClick = [this](TObject*) {
    if (OnClick) OnClick(this);
  };
  strip_->OnDblClick = [this](TObject*) {
    if (OnDblClick) OnDblClick(this);
  };
  Publish("TabPosition", &TzelTab::TabPosition, &TzelTab::SetTabPosition);
  Publish("BorderColor", &TzelTab::BorderColor, &TzelTab::SetBorderColor);
  Publish("PageDrawFocused", &TzelTab::PageDrawFocused, &TzelTab::SetPageDrawFocused);
  Publish("LeftMargin", &TzelTab::LeftMargin, &TzelTab::SetLeftMargin);
  Link().OnApply = [this](const TzelLookSource& source) { ApplyLook(source); };
  SetUIStyle(GetOwnerUIStyle(owner));
  strip_->PlaceOnTabControl();
}

TzelTab::~TzelTab() = default;

void TzelTab::ApplyLook(const TzelLookSource& source) {
  strip_->SetFileTheme(FileTheme());
  strip_->SetUIStyle(UIStyle());
  ApplyThemeToPages(UIStyle(), FileTheme());
  const TColor background = source.Color(kElementBackgroundColor, kThemeFormColor);
  strip_->SetColor(background);
  SetColor(source.Look() == WinXP ? clWhite : background);
  strip_->PlaceOnTabControl();
  Realign();
  Invalidate();
  strip_->Invalidate();
}

void TzelTab::ApplyThemeToPages(TzelUIStyle style, TzelFileTheme* fileTheme) {
  ApplyThemeToChildren(*this, style, fileTheme);
}

void TzelTab::SetTabPosition(TzelTabPosition value) {
  if (value == tabPosition_) return;
  tabPosition_ = value;
  strip_->SetTabPosition(value);
  strip_->PlaceOnTabControl();
  Realign();
  Invalidate();
}

void TzelTab::SetBorderColor(TColor value) {
  Link().SetBorderColor(value);
  BorderColorChanged();
  strip_->Invalidate();
}

void TzelTab::SetImages(TImageList* value) {
  images_ = value;
  strip_->Invalidate();
}

void TzelTab::SetPageDrawFocused(bool value) {
  pageDrawFocused_ = value;
  strip_->Invalidate();
}

void TzelTab::SelectTab(int tabIndex) { strip_->SetTabIndex(tabIndex); }

void TzelTab::TabChanged(int tabIndex) {
  if (IsLoading()) return;
  if (OnTabActive) OnTabActive(this, tabIndex);
  if (OnChange) OnChange(this);
}

void TzelTab::CMFontChanged(TMessage& message) {
  TCustomPanel::CMFontChanged(message);
  strip_->Invalidate();
}

void TzelTab::CMCursorChanged(TMessage& message) {
  TCustomPanel::CMCursorChanged(message);
  strip_->SetCursor(Cursor());
}

// Children sit inside the frame, clear of the strip.
void TzelTab::AdjustClientRect(TRect& rect) {
  rect = ClientRect();
  rect.Left += kChildMargin;
  rect.Right -= kChildMargin;
  rect.Top += kChildMargin;
  rect.Bottom -= kChildMargin;
  if (!strip_) return;
  if (tabPosition_ == zelTop) rect.Top += strip_->Height();
  else rect.Bottom -= strip_->Height();
}

void TzelTab::AlignControls(TControl* control, TRect& rect) {
  if (strip_) strip_->PlaceOnTabControl();
  TCustomPanel::AlignControls(control, rect);
}

void TzelTab::Resize() {
  if (strip_) strip_->PlaceOnTabControl();
  TCustomPanel::Resize();
}

void TzelTab::WMEraseBkgnd(TMessage& message) { message.Result = 1; }

// The client area below (or above) the strip in Color, framed on the
// three sides the strip's line does not close.
void TzelTab::Paint() {
  const int w = Width(), h = Height(), stripHeight = strip_->Height();
  const TRect area = tabPosition_ == zelTop ? TRect{0, stripHeight, w, h} : TRect{0, 0, w, h - stripHeight};
  if (area.Width() <= 0 || area.Height() <= 0) return;
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(area);
  canvas.Pen()->SetColor(BorderColor());
  canvas.Pen()->SetWidth(1);
  if (tabPosition_ == zelTop) {
    const TPoint frame[] = {{0, area.Top}, {0, h - 1}, {w - 1, h - 1}, {w - 1, area.Top - 1}};
    canvas.Polyline(frame);
  } else {
    const TPoint frame[] = {{w - 1, area.Bottom - 1}, {w - 1, 0}, {0, 0}, {0, area.Bottom}};
    canvas.Polyline(frame);
  }
}
