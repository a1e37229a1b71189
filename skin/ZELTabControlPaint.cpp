// Drawing the tab strip: the background behind the tab control, the line
// that closes the page, the tabs from the scroll offset on, and the two
// scroll buttons when the tabs do not fit.

#include <algorithm>

#include "platform/gfx/DrawText.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"
#include "skin/ZELTabControl.h"

namespace {
constexpr int kCaptionPadding = 20;
constexpr int kEmptyCaptionWidth = 80;
constexpr int kMinTabWidth = 15;
constexpr int kImageGap = 4;
constexpr int kImageIndent = 8;
constexpr int kLastTabRoom = 10;

bool IsMagenta(const TBitmap& bitmap, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y);
  return RGB(p[2], p[1], p[0]) == zelSkinTransparentColor;
}
}  // namespace

bool TzelTabControlTopPanel::ShowsFocus() const {
  return SkinFlavour() == zelCurrentBuild && Focused() && tabControl_->PageDrawFocused();
}

int TzelTabControlTopPanel::ShownBefore(int index) const {
  int count = 0;
  for (int i = 0; i < index && i < int(shown_.size()); ++i)
    if (shown_[std::size_t(i)]) ++count;
  return count;
}

int TzelTabControlTopPanel::LastShownTab() const {
  for (int i = tabs_.Count() - 1; i >= 0; --i)
    if (TabShown(i)) return i;
  return -1;
}

TRect TzelTabControlTopPanel::ForwardButtonRect() const {
  const int w = buttonSize_.cx, h = buttonSize_.cy, height = Height();
  int top;
  if (tabPosition_ == zelTop) top = h + 4 < height ? (height - h) / 2 - 2 : 0;
  else top = h + 4 < height ? (height - h) / 2 + 2 : height - h;
  const int left = Width() - w - 2;
  return {left, top, left + w, top + h};
}

TRect TzelTabControlTopPanel::BackwardButtonRect() const {
  TRect r = ForwardButtonRect();
  return {r.Left - buttonSize_.cx, r.Top, r.Left, r.Bottom};
}

void TzelTabControlTopPanel::DrawBackground(TCanvas& canvas) {
  // What the tab control's parent shows behind the strip.
  TBitmap behind(std::max(1, Width()), std::max(1, Top() + Height()));
  behind.Canvas()->Brush()->SetColor(tabControl_->Parent() ? tabControl_->Parent()->Color() : Color());
  behind.Canvas()->FillRect({0, 0, behind.Width(), behind.Height()});
  DrawParentBackground(*behind.Canvas(), *tabControl_);
  canvas.CopyRect({0, 0, Width(), Height()}, behind.Canvas(), {0, Top(), Width(), Top() + Height()});
}

void TzelTabControlTopPanel::DrawLine(TCanvas& canvas) {
  const int w = Width(), lineHeight = line_.Height(), inactiveHeight = inactiveTab_.Height();
  const int top = tabPosition_ == zelTop ? inactiveHeight : 0;
  if (!line_.Empty() && w > 2) canvas.StretchDraw({1, top, w - 1, top + lineHeight}, &line_);
  canvas.Pen()->SetColor(tabControl_->BorderColor());
  canvas.Pen()->SetWidth(1);
  canvas.MoveTo(0, top);
  canvas.LineTo(0, top + lineHeight);
  canvas.MoveTo(w - 1, top);
  canvas.LineTo(w - 1, top + lineHeight);
}

int TzelTabControlTopPanel::TabWidth(TCanvas& canvas, int index) const {
  const std::string& caption = tabs_.Strings(index);
  int width = caption.empty() ? kEmptyCaptionWidth : canvas.TextWidth(caption) + kCaptionPadding;
  TImageList* images = tabControl_->Images();
  const int image = tabControl_->GetTabImageIndex(index);
  if (SkinFlavour() == zelCurrentBuild && images && image >= 0 && image < images->Count())
    width += images->Width() + kImageGap;
  return std::max(width, kMinTabWidth);
}

void TzelTabControlTopPanel::DrawTab(TCanvas& canvas, int index, const TRect& rect, bool cut) {
  if (rect.Width() <= 0) return;  // cut away entirely by the scroll buttons
  const bool active = index == tabIndex_;
  const TBitmap& picture = active ? activeTab_ : inactiveTab_;
  if (!picture.Empty()) {
    const bool topLeftKey = IsMagenta(picture, 0);
    DrawThreePieceBar(picture, canvas, rect, topLeftKey, Color(), true);
  }
  TRect textRect = rect;
  TImageList* images = tabControl_->Images();
  const int image = tabControl_->GetTabImageIndex(index);
  if (SkinFlavour() == zelCurrentBuild && images && image >= 0 && image < images->Count()) {
    images->Draw(&canvas, rect.Left + kImageIndent,
                 std::max(rect.Top + 1, (tabHeight_ - images->Height()) / 2), image);
    textRect.Left += images->Width() + kImageGap;
  }
  canvas.Brush()->SetStyle(bsClear);
  canvas.Font()->SetColor(active ? activeFontColor_ : inactiveFontColor_);
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (cut) {
    textRect.Left += 10;
    textRect.Right -= 4;
  } else {
    flags |= DT_CENTER;
  }
  DrawText(canvas.Handle(), tabs_.Strings(index), textRect, flags);
  if (active && ShowsFocus()) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.DrawFocusRect({rect.Left + 8, rect.Top + 1, rect.Right - 8, rect.Bottom - 1});
  }
}

// Lays out and draws the tabs; answers the last tab drawn whole (-1: none).
int TzelTabControlTopPanel::DrawTabs(TCanvas& canvas) {
  const int w = Width(), h = Height();
  const int inactiveHeight = inactiveTab_.Height();
  tabHeight_ = activeTab_.Height();
  DrawLine(canvas);
  canvas.Font()->Assign(*tabControl_->Font());
  const int scrollRoom = w - 2 * buttonSize_.cx - 2;
  const int lastShown = LastShownTab();
  int x = leftMargin_, shownCount = 0, lastFull = -1, limit = scrollRoom;
  bool cut = false;
  firstShown_ = tabs_.Count();
  scrollButtonsNeeded_ = false;
  for (int i = 0; i < tabs_.Count(); ++i) {
    int& stored = drawnWidths_[std::size_t(i)];
    if (!shown_[std::size_t(i)]) {
      stored = 0;
      continue;
    }
    if (cut) break;
    if (++shownCount <= scrollOffset_) continue;
    firstShown_ = std::min(firstShown_, i);
    const bool active = i == tabIndex_;
    limit = i == lastShown && scrollOffset_ == 0 ? w - kLastTabRoom : scrollRoom;
    const int width = TabWidth(canvas, i);
    TRect rect;
    if (tabPosition_ == zelTop)
      rect = active ? TRect{x, 1, x + width, inactiveHeight + 1} : TRect{x, 0, x + width, inactiveHeight};
    else
      rect = active ? TRect{x, h - inactiveHeight - 1, x + width, h - 1} : TRect{x, h - inactiveHeight, x + width, h};
    stored = width;
    if (rect.Right > limit) {
      rect.Right = scrollRoom;
      cut = true;
      if (!active) stored = std::max(0, rect.Right - rect.Left);
    } else {
      lastFull = i;
    }
    DrawTab(canvas, i, rect, cut);
    x += width;
  }
  if (firstShown_ == tabs_.Count()) firstShown_ = 0;
  scrollButtonsNeeded_ = tabs_.Count() > 0 && (x > limit || cut);
  return lastFull;
}

void TzelTabControlTopPanel::DrawScrollButtons(TCanvas& canvas) {
  if (!ButtonsShown() || scrollButtons_.Empty() || buttonSize_.cx <= 0) return;
  TPoint cursor{-1, -1};
  if (GetCursorPos(&cursor)) cursor = ScreenToClient(cursor);
  hovered_ = HoveredButton(cursor);
  const TRect forward = ForwardButtonRect(), backward = BackwardButtonRect();
  const int w = buttonSize_.cx, h = buttonSize_.cy;
  const int forwardPiece = hovered_ == 1 ? 1 : 0, backwardPiece = hovered_ == -1 ? 3 : 2;
  canvas.CopyRect(forward, scrollButtons_.Canvas(), {forwardPiece * w, 0, forwardPiece * w + w, h});
  canvas.CopyRect(backward, scrollButtons_.Canvas(), {backwardPiece * w, 0, backwardPiece * w + w, h});
}

void TzelTabControlTopPanel::DrawStrip(TCanvas& canvas) {
  DrawBackground(canvas);
  hovered_ = 0;
  scrollOffset_ = std::clamp(scrollOffset_, 0, std::max(0, tabs_.Count() - 1));
  // A selected tab scrolled away to the left comes back as the first one.
  if (ensureVisible_ && TabShown(tabIndex_)) scrollOffset_ = std::min(scrollOffset_, ShownBefore(tabIndex_));
  int lastFull = DrawTabs(canvas);
  while (ensureVisible_ && lastFull < tabIndex_ && scrollOffset_ < tabs_.Count() - 1) {
    ++scrollOffset_;
    DrawBackground(canvas);
    lastFull = DrawTabs(canvas);
  }
  ensureVisible_ = false;
  DrawScrollButtons(canvas);
}

void TzelTabControlTopPanel::Paint() {
  TBitmap buffer(std::max(1, Width()), std::max(1, Height()));
  DrawStrip(*buffer.Canvas());
  Canvas()->Draw(0, 0, &buffer);
}
