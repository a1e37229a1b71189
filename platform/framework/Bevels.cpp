// The bevel: one-pixel engraved or embossed lines.

#include "platform/framework/ExtCtrls.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  controlStyle_ &= ~csOpaque;
  SetBounds(0, 0, 50, 50);
  Publish("Shape", &TBevel::Shape, &TBevel::SetShape);
  Publish("Style", &TBevel::Style, &TBevel::SetStyle);
}

void TBevel::SetShape(TBevelShape value) {
  shape_ = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  style_ = value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* canvas = Canvas();
  TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  int w = Width(), h = Height();
  auto line = [&](TColor colour, int x, int y, int width, int height) {
    canvas->Brush()->SetColor(colour);
    canvas->FillRect(Bounds(x, y, width, height));
  };
  switch (shape_) {
    case bsBox: {
      TRect r = ClientRect();
      Frame3D(canvas, r, first, second, 1);
      break;
    }
    case bsFrame:
      // Engraved: two frames, the second one pixel in and down.
      canvas->Brush()->SetColor(second);
      canvas->FrameRect(Rect(1, 1, w, h));
      canvas->Brush()->SetColor(first);
      canvas->FrameRect(Rect(0, 0, w - 1, h - 1));
      break;
    case bsTopLine:
      line(first, 0, 0, w, 1);
      line(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(first, 0, h - 2, w, 1);
      line(second, 0, h - 1, w, 1);
      break;
    case bsLeftLine:
      line(first, 0, 0, 1, h);
      line(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(first, w - 2, 0, 1, h);
      line(second, w - 1, 0, 1, h);
      break;
    case bsSpacer: break;
  }
}
