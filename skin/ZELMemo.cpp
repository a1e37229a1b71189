#include "skin/ZELMemo.h"

#include "skin/ZELPublic.h"

TzelMemo::TzelMemo(TComponent* owner) : TzelFramed<TMemo>(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderStyle(bsNone);
  SetBorderWidth(2);
  Publish("VScrollBar", &TzelMemo::VScrollBar, &TzelMemo::SetVScrollBar);
  Publish("HScrollBar", &TzelMemo::HScrollBar, &TzelMemo::SetHScrollBar);
  TzelCompanionRules rules;
  rules.hideIdle = false;
  rules.horizontalStepsByPages = true;
  Link().SetCompanionRules(rules);
  Link().OnPlace = [this] { LayOutScrollBars(); };
  Link().OnCompanionsChanged = [this] { UpdateNativeScrollBars(); };
  SetUIStyle(GetOwnerUIStyle(owner));
}

void TzelMemo::UpdateNativeScrollBars() {
  if (HScrollBar() && VScrollBar()) SetScrollBars(ssBoth);
  else if (VScrollBar()) SetScrollBars(ssVertical);
  else if (HScrollBar()) SetScrollBars(ssHorizontal);
  else SetScrollBars(ssNone);
}

bool TzelMemo::RightToLeftBars() const {
  return (BiDiMode() == bdRightToLeft || BiDiMode() == bdRightToLeftNoAlign) && UseRightToLeftReading();
}

void TzelMemo::LayOutScrollBars() {
  TzelScrollBar* horizontal = HScrollBar();
  TzelScrollBar* vertical = VScrollBar();
  const bool rightToLeft = RightToLeftBars();
  const int vw = vertical ? vertical->Width() : 0;
  const int hh = horizontal ? horizontal->Height() : 0;
  if (horizontal) {
    horizontal->SetVisible(Height() >= hh);
    const int top = Top() + Height() - hh - 2;
    if (!rightToLeft)
      horizontal->SetBounds(Left() + 1, top, vertical ? Width() - vw - 1 : Width() - 1, hh);
    else if (vertical)
      horizontal->SetBounds(Left() + vw + 1, top, Width() - vw - 2, hh);
    else
      horizontal->SetBounds(Left() + 1, top, Width() - 2, hh);
  }
  if (vertical) {
    vertical->SetVisible(Width() >= vw);
    const int left = rightToLeft ? Left() + 2 : Left() + Width() - vw - 2;
    vertical->SetBounds(left, Top() + 1, vw, horizontal ? Height() - hh - 2 : Height() - 2);
  }
}
