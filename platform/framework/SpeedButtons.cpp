// The image button: pictures for each state, hot tracking and groups.

#include <algorithm>

#include "platform/framework/ControlLooks.h"
#include "platform/framework/Buttons.h"
#include "platform/framework/Panels.h"
#include "platform/gfx/DrawText.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  // Clicks come from the button's own release, so a group can update first.
  controlStyle_ = csCaptureMouse | csSetCaption | csDoubleClicks;
  SetBounds(0, 0, 23, 22);
  Publish("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs);
  Publish("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex);
  Publish("Down", &TSpeedButton::Down, &TSpeedButton::SetDown);
  Publish("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp);
  Publish("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* glyph) {
  if (glyph) glyph_->Assign(glyph);
  else glyph_ = std::make_unique<TBitmap>();
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value) {
  numGlyphs_ = std::clamp(value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
  groupIndex_ = value;
  if (groupIndex_ == 0) SetDown(false);
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  down_ = value;
  if (down_) ReleaseGroup();
  Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}

void TSpeedButton::ReleaseGroup() {
  TWinControl* parent = Parent();
  if (!parent) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(parent->Controls(i));
    if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      other->Invalidate();
    }
  }
}

TButtonState TSpeedButton::State() const {
  if (!Enabled()) return bsDisabled;
  if (down_ || pressed_) return bsDown;
  if (mouseInside_) return bsHot;
  return bsUp;
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  dragging_ = true;
  pressed_ = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!dragging_) return;
  bool inside = ClientRect().Contains({x, y});
  if (inside != pressed_) {
    pressed_ = inside;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !dragging_) return;
  dragging_ = false;
  bool clicked = pressed_;
  pressed_ = false;
  Invalidate();
  if (!clicked) return;
  if (groupIndex_ != 0) {
    if (!down_) SetDown(true);
    else if (allowAllUp_) SetDown(false);
  }
  Click();
}

void TSpeedButton::CMMouseEnter(TMessage& m) {
  TGraphicControl::CMMouseEnter(m);
  mouseInside_ = true;
  if (Enabled()) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& m) {
  TGraphicControl::CMMouseLeave(m);
  mouseInside_ = false;
  if (Enabled()) Invalidate();
}

void TSpeedButton::CMEnabledChanged(TMessage& m) {
  TGraphicControl::CMEnabledChanged(m);
  dragging_ = pressed_ = false;
  Invalidate();
}

void TSpeedButton::DrawGlyph(TCanvas* canvas, const TRect& area, TButtonState state) {
  if (glyph_->Width() <= 0 || glyph_->Height() <= 0) return;
  int cellWidth = glyph_->Width() / numGlyphs_;
  int cellHeight = glyph_->Height();
  int index = static_cast<int>(state) < numGlyphs_ ? static_cast<int>(state) : 0;
  int sx = index * cellWidth;
  int x = area.Left + (area.Width() - cellWidth) / 2;
  int y = area.Top + (area.Height() - cellHeight) / 2;
  const std::uint8_t* corner = glyph_->ScanLine(cellHeight - 1) + sx * glyph_->BytesPerPixel();
  TColor key = RGB(corner[2], corner[1], corner[0]);
  if (state == bsDisabled && index == 0) {
    // No disabled picture: the normal one's shape in the shadow colour.
    TBitmap grey(cellWidth, cellHeight);
    for (int row = 0; row < cellHeight; ++row)
      for (int col = 0; col < cellWidth; ++col) {
        const std::uint8_t* p = glyph_->ScanLine(row) + (sx + col) * glyph_->BytesPerPixel();
        TColor c = RGB(p[2], p[1], p[0]);
        grey.Canvas()->SetPixels(col, row, c == key ? key : ColorToRGB(clBtnShadow));
      }
    canvas->TransparentBltBitmap(x, y, cellWidth, cellHeight, grey, 0, 0, cellWidth, cellHeight, key);
    return;
  }
  canvas->TransparentBltBitmap(x, y, cellWidth, cellHeight, *glyph_, sx, 0, cellWidth, cellHeight, key);
}

void TSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  TButtonState state = State();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  TRect inner = r;
  if (state == bsDown) {
    Frame3D(canvas, inner, clBtnShadow, clBtnHighlight, 1);
  } else if (!flat_ || state == bsHot) {
    Frame3D(canvas, inner, clBtnHighlight, flat_ ? clBtnShadow : cl3DDkShadow, 1);
    if (!flat_) Frame3D(canvas, inner, cl3DLight, clBtnShadow, 1);
  }
  TRect content = r;
  if (state == bsDown) OffsetRect(content, 1, 1);
  if (Caption().empty()) {
    DrawGlyph(canvas, content, state);
    return;
  }
  // Glyph on the left, caption beside it.
  int glyphWidth = glyph_->Width() > 0 ? glyph_->Width() / numGlyphs_ : 0;
  TRect text = content;
  if (glyphWidth > 0) {
    DrawGlyph(canvas, Rect(content.Left + 4, content.Top, content.Left + 4 + glyphWidth, content.Bottom), state);
    text.Left += glyphWidth + 8;
  }
  DrawControlText(canvas, Caption(), text, DT_SINGLELINE | DT_VCENTER | (glyphWidth ? DT_LEFT : DT_CENTER),
                  Enabled(), Font()->Color());
}
