// The group box: an engraved frame with the caption cut into its top edge.

#include "platform/framework/ControlLooks.h"
#include "platform/framework/StdCtrls.h"
#include "platform/gfx/DrawText.h"

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) {
  TCustomControl::AdjustClientRect(rect);
  rect.Top += Canvas()->TextHeight("0");
  InflateRect(rect, -2, -2);
}

void TCustomGroupBox::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  int textHeight = canvas->TextHeight("0");
  TRect frame = r;
  frame.Top += textHeight / 2;
  // Engraved: a shadow line with a highlight line one pixel inside it.
  canvas->Brush()->SetColor(clBtnHighlight);
  canvas->FrameRect(Rect(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom));
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(Rect(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1));
  if (Caption().empty()) return;
  TRect text = CaptionExtent(canvas, Caption(), DT_SINGLELINE);
  OffsetRect(text, 8, 0);
  text.Right = std::min(text.Right + 2, r.Right - 8);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(text.Left - 1, text.Top, text.Right, text.Bottom));
  DrawControlText(canvas, Caption(), text, DT_SINGLELINE | DT_LEFT, Enabled(), Font()->Color());
}

void TCustomGroupBox::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGCHAR:
      // The accelerator moves the focus to the first control inside.
      if (Enabled() && Showing() && IsAccel(static_cast<char32_t>(m.WParam), Caption())) {
        if (TWinControl* first = FindNextControl(nullptr, true, true, false)) {
          first->SetFocus();
          m.Result = 1;
          return;
        }
      }
      break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TCustomControl::Dispatch(m);
      Realign();
      Invalidate();
      return;
    default: break;
  }
  TCustomControl::Dispatch(m);
}
