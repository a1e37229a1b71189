// The classic look of a scroll bar: two arrow buttons, the track in the
// scroll-bar colour and a raised thumb.

#include <algorithm>

#include "platform/framework/ScrollInfo.h"

namespace {

void Fill(TCanvas& c, const TRect& r, TColor color) {
  c.Brush()->SetColor(color);
  c.FillRect(r);
}

// A raised button face, or a flat one with a shadow frame while pressed.
void DrawButton(TCanvas& c, TRect r, bool pressed) {
  if (r.IsEmpty()) return;
  if (pressed) {
    Fill(c, r, clBtnShadow);
    InflateRect(r, -1, -1);
    Fill(c, r, clBtnFace);
    return;
  }
  Fill(c, r, cl3DDkShadow);
  Fill(c, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, clBtnHighlight);
  Fill(c, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, clBtnShadow);
  Fill(c, {r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2}, clBtnFace);
}

// A small filled triangle pointing up, down, left or right.
void DrawArrow(TCanvas& c, const TRect& r, int direction, bool enabled, bool pressed) {
  int size = std::max(2, std::min(r.Width(), r.Height()) / 4);
  int cx = (r.Left + r.Right) / 2 + (pressed ? 1 : 0);
  int cy = (r.Top + r.Bottom) / 2 + (pressed ? 1 : 0);
  auto draw = [&](int dx, int dy, TColor color) {
    c.Brush()->SetColor(color);
    for (int i = 0; i < size; ++i) {
      // Row i of the triangle, from its tip outwards.
      switch (direction) {
        case 0: c.FillRect({cx - i + dx, cy - size / 2 + i + dy, cx + i + 1 + dx, cy - size / 2 + i + 1 + dy}); break;
        case 1: c.FillRect({cx - i + dx, cy + size / 2 - i + dy, cx + i + 1 + dx, cy + size / 2 - i + 1 + dy}); break;
        case 2: c.FillRect({cx - size / 2 + i + dx, cy - i + dy, cx - size / 2 + i + 1 + dx, cy + i + 1 + dy}); break;
        default: c.FillRect({cx + size / 2 - i + dx, cy - i + dy, cx + size / 2 - i + 1 + dx, cy + i + 1 + dy}); break;
      }
    }
  };
  if (enabled) {
    draw(0, 0, clBtnText);
  } else {
    draw(1, 1, clBtnHighlight);
    draw(0, 0, clGrayText);
  }
}

}  // namespace

void DrawArrowButton(TCanvas& canvas, const TRect& rect, TArrowDirection direction, bool enabled, bool pressed) {
  DrawButton(canvas, rect, pressed);
  DrawArrow(canvas, rect, static_cast<int>(direction), enabled, pressed);
}

void DrawScrollBar(TCanvas& canvas, const TRect& rect, bool vertical, const SCROLLINFO& info, bool enabled,
                   TScrollBarPart pressed) {
  if (rect.IsEmpty()) return;
  int length = vertical ? rect.Height() : rect.Width();
  int thickness = vertical ? rect.Width() : rect.Height();
  TScrollBarLayout layout = LayoutScrollBar(info, length, thickness, enabled);
  auto span = [&](int from, int to) {
    return vertical ? TRect{rect.Left, rect.Top + from, rect.Right, rect.Top + to}
                    : TRect{rect.Left + from, rect.Top, rect.Left + to, rect.Bottom};
  };
  TRect first = span(0, layout.arrow), last = span(length - layout.arrow, length);
  Fill(canvas, span(layout.arrow, length - layout.arrow), clScrollBar);
  if (layout.thumbBottom > 0) {
    if (pressed == sbpPageUp) Fill(canvas, span(layout.arrow, layout.thumbTop), cl3DDkShadow);
    if (pressed == sbpPageDown) Fill(canvas, span(layout.thumbBottom, length - layout.arrow), cl3DDkShadow);
    DrawButton(canvas, span(layout.thumbTop, layout.thumbBottom), false);
  }
  DrawArrowButton(canvas, first, vertical ? adUp : adLeft, enabled, pressed == sbpLineUp);
  DrawArrowButton(canvas, last, vertical ? adDown : adRight, enabled, pressed == sbpLineDown);
}
