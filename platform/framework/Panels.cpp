#include "platform/framework/Panels.h"

#include "platform/gfx/DrawText.h"

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  canvas->Pen()->SetWidth(1);
  --rect.Bottom;
  --rect.Right;
  for (int i = 0; i < width; ++i) {
    canvas->Pen()->SetColor(topColor);
    TPoint topLeft[] = {{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}};
    canvas->Polyline(topLeft);
    canvas->Pen()->SetColor(bottomColor);
    TPoint bottomRight[] = {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}};
    canvas->Polyline(bottomRight);
    InflateRect(rect, -1, -1);
  }
  ++rect.Bottom;
  ++rect.Right;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ |= csAcceptsControls | csOpaque;
  SetBounds(0, 0, 185, 41);
  Publish("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment);
  Publish("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner);
  Publish("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter);
  Publish("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth);
  Publish("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle);
  Publish("FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::SetFullRepaint);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.Style |= WS_BORDER;
}

void TCustomPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  bevelInner_ = value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  bevelOuter_ = value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int value) {
  bevelWidth_ = std::max(1, value);
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value == bsSingle ? bsSingle : bsNone;
  RecreateWnd();
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
  TCustomControl::AdjustClientRect(rect);
  int bevel = 0;
  if (bevelOuter_ != bvNone) bevel += bevelWidth_;
  if (bevelInner_ != bvNone) bevel += bevelWidth_;
  InflateRect(rect, -bevel, -bevel);
}

void TCustomPanel::Resize() {
  if (fullRepaint_) Invalidate();
  TCustomControl::Resize();
}

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    TColor top = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    TColor bottom = cut == bvLowered ? clBtnHighlight : clBtnShadow;
    if (cut == bvSpace) top = bottom = Color();
    Frame3D(canvas, r, top, bottom, bevelWidth_);
  };
  bevel(bevelOuter_);
  bevel(bevelInner_);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  if (Caption().empty()) return;
  canvas->SetFont(*Font());
  canvas->SetBkMode(TRANSPARENT);
  canvas->SetTextColor(Font()->Color());
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  TAlignment align = alignment_;
  if (UseRightToLeftAlignment() && align != taCenter) align = align == taLeftJustify ? taRightJustify : taLeftJustify;
  flags |= align == taCenter ? DT_CENTER : align == taRightJustify ? DT_RIGHT : DT_LEFT;
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  DrawText(canvas, Caption(), r, flags);
}
