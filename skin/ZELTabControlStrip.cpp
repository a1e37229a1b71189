// The tab strip's state, look and input; its drawing is in
// ZELTabControlPaint.cpp.

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/os/VirtualKeys.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"
#include "skin/ZELTabControl.h"

namespace {
// Theme-file items and built-in elements of the tabs.
constexpr int kThemeTabs = 29;
constexpr int kThemeLine = 30;
constexpr int kThemeScrollButtons = 33;
constexpr int kThemeActiveFont = 28;
constexpr int kThemeInactiveFont = 29;
constexpr int kElementScrollButtons = 38;
constexpr int kElementTabs = 39;
constexpr int kElementLine = 40;

void LoadElement(const TzelLookSource& source, int element, TBitmap& dest, int count, int part) {
  dest.SetSize(0, 0);
  try {
    source.ElementBitmap(element, dest, count, part);
  } catch (const Exception&) {
    dest.SetSize(0, 0);  // missing art: the strip still works, unpainted
  }
}
}  // namespace

TzelTabControlTopPanel::TzelTabControlTopPanel(TzelTab* tabControl)
    : TCustomPanel(tabControl), tabControl_(tabControl) {
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  controlStyle_ &= ~csAcceptsControls;
  TControl::SetText(" ");
  // The older build's strip never takes the keyboard focus.
  SetTabStop(SkinFlavour() == zelCurrentBuild);
  tabs_.Add("Tab1");
  tabs_.OnChange = [this](TObject*) { TabsChanged(); };
  SyncTables();
}

void TzelTabControlTopPanel::TabsChanged() {
  SyncTables();
  if (tabs_.Count() == 0) tabIndex_ = -1;
  Invalidate();
}

// The per-tab tables follow the tab count, however many tabs there are.
void TzelTabControlTopPanel::SyncTables() {
  const std::size_t count = std::size_t(tabs_.Count());
  drawnWidths_.resize(count, -1);
  shown_.resize(count, true);
}

bool TzelTabControlTopPanel::TabShown(int index) const {
  return index >= 0 && index < int(shown_.size()) && shown_[std::size_t(index)];
}

void TzelTabControlTopPanel::SetTabShown(int index, bool value) {
  if (index < 0 || index >= int(shown_.size())) return;
  shown_[std::size_t(index)] = value;
  Invalidate();
}

int TzelTabControlTopPanel::DrawnWidth(int index) const {
  if (index < 0 || index >= int(drawnWidths_.size())) return -1;
  return drawnWidths_[std::size_t(index)];
}

void TzelTabControlTopPanel::SetTabIndex(int value) {
  const bool byUser = userChange_;
  userChange_ = false;
  if (value == tabIndex_) return;
  if (tabs_.Count() == 0) {
    tabIndex_ = -1;
    Repaint();
    return;
  }
  if (value < -1 || value >= tabs_.Count()) {
    Repaint();
    return;
  }
  if (byUser && tabControl_->OnChanging) {
    bool allow = true;
    tabControl_->OnChanging(tabControl_, allow);
    if (!allow) return;
  }
  tabIndex_ = value;
  ensureVisible_ = true;
  Repaint();
  tabControl_->TabChanged(tabIndex_);
  Repaint();
}

void TzelTabControlTopPanel::SelectTabByUser(int value) {
  userChange_ = true;
  SetTabIndex(value);
}

void TzelTabControlTopPanel::SetLeftMargin(int value) {
  leftMargin_ = value;
  Invalidate();
}

void TzelTabControlTopPanel::SetTabPosition(TzelTabPosition value) {
  if (value == tabPosition_) return;
  tabPosition_ = value;
  TurnPictures();
  Invalidate();
}

void TzelTabControlTopPanel::SetFileTheme(TzelFileTheme* value) {
  fileTheme_ = value;
  SetUIStyle(uiStyle_);
}

void TzelTabControlTopPanel::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  LoadPictures();
  if (tabPosition_ == zelBottom) TurnPictures();
  SetHeight(activeTab_.Height() + line_.Height());
  buttonSize_ = {scrollButtons_.Width() / 4, scrollButtons_.Height()};
  Invalidate();
}

// The editor's theme files name the tab captions' colours; the looks and
// the recorder's theme files give the pictures by element and black
// captions.
void TzelTabControlTopPanel::LoadPictures() {
  const TzelLookSource source(fileTheme_, uiStyle_);
  if (source.ByItem()) {
    const TzelFileTheme& theme = source.File();
    theme.GetBitmapFrame(kThemeTabs, &activeTab_, 2, 1);
    theme.GetBitmapFrame(kThemeTabs, &inactiveTab_, 2, 2);
    theme.GetBitmapFrame(kThemeLine, &line_, 0, 0);
    theme.GetBitmapFrame(kThemeScrollButtons, &scrollButtons_, 0, 0);
    if (scrollButtons_.Empty()) LoadElement(TzelLookSource(nullptr, DeepBlue), kElementScrollButtons, scrollButtons_, 0, 0);
    activeFontColor_ = TColor(theme.GetColor(kThemeActiveFont));
    inactiveFontColor_ = TColor(theme.GetColor(kThemeInactiveFont));
  } else {
    LoadElement(source, kElementTabs, activeTab_, 2, 1);
    LoadElement(source, kElementTabs, inactiveTab_, 2, 2);
    LoadElement(source, kElementLine, line_, 0, 0);
    LoadElement(source, kElementScrollButtons, scrollButtons_, 0, 0);
    activeFontColor_ = clBlack;
    inactiveFontColor_ = clBlack;
  }
  activeTab_.SetPixelFormat(pf24bit);
  inactiveTab_.SetPixelFormat(pf24bit);
}

// Tabs along the bottom edge are the top ones turned upside down.
void TzelTabControlTopPanel::TurnPictures() {
  RotateBitmap180(activeTab_);
  RotateBitmap180(inactiveTab_);
  RotateBitmap180(line_);
}

void TzelTabControlTopPanel::PlaceOnTabControl() {
  const int top = tabPosition_ == zelTop ? 0 : tabControl_->Height() - Height();
  SetBounds(0, top, tabControl_->Width(), Height());
}

// ---- Input ---------------------------------------------------------------------------------

int TzelTabControlTopPanel::HoveredButton(TPoint point) const {
  if (!ButtonsShown() || buttonSize_.cx <= 0) return 0;
  if (ForwardButtonRect().Contains(point)) return 1;
  if (BackwardButtonRect().Contains(point)) return -1;
  return 0;
}

void TzelTabControlTopPanel::MouseMove(TShiftState shift, int x, int y) {
  if (scrollButtonsNeeded_) Invalidate();
  TCustomPanel::MouseMove(shift, x, y);
}

void TzelTabControlTopPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    hovered_ = HoveredButton({x, y});
    if (hovered_ == -1 || (hovered_ == 1 && scrollButtonsNeeded_)) {
      scrollOffset_ = std::clamp(scrollOffset_ + hovered_, 0, tabs_.Count());
      Repaint();
    } else {
      PressTab(x, y);
    }
  }
  TCustomPanel::MouseDown(button, shift, x, y);
}

// Walks the tabs as the last paint laid them out. Bottom tabs answer in
// the band they are drawn in.
void TzelTabControlTopPanel::PressTab(int x, int y) {
  const int bandTop = tabPosition_ == zelTop ? 0 : Height() - tabHeight_;
  if (y <= bandTop || y >= bandTop + tabHeight_) return;
  int left = leftMargin_;
  for (int i = firstShown_; i < tabs_.Count(); ++i) {
    const int width = drawnWidths_[std::size_t(i)];
    if (width < 0) return;
    if (width > 0 && left < x && x < left + width) {
      SelectTabByUser(i);
      return;
    }
    left += width;
  }
}

void TzelTabControlTopPanel::KeyDown(WORD& key, TShiftState shift) {
  TCustomPanel::KeyDown(key, shift);
  if (key != VK_TAB || SkinFlavour() == zelOlderBuild || tabs_.Count() == 0) return;
  SetTabIndex(tabIndex_ + 1 < tabs_.Count() ? tabIndex_ + 1 : 0);
}

// Tab steps through the tabs; Shift+Tab still leaves the strip.
void TzelTabControlTopPanel::WMGetDlgCode(TMessage& message) {
  TCustomPanel::WMGetDlgCode(message);
  if (SkinFlavour() == zelCurrentBuild && !(KeyboardShiftState() & ssShift)) message.Result |= DLGC_WANTTAB;
}

void TzelTabControlTopPanel::DblClick() {
  TCustomPanel::DblClick();
  if (TabStop() && CanFocus()) SetFocus();
}

void TzelTabControlTopPanel::WMEraseBkgnd(TMessage& message) { message.Result = 1; }

void TzelTabControlTopPanel::Dispatch(TMessage& message) {
  TCustomPanel::Dispatch(message);
  // Focus changes the focus frame; leaving drops the scroll buttons' hover look.
  if (message.Msg == WM_SETFOCUS || message.Msg == WM_KILLFOCUS || message.Msg == CM_MOUSELEAVE) Invalidate();
}
