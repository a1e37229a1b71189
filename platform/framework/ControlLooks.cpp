#include "platform/framework/ControlLooks.h"

#include "platform/framework/Panels.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/DrawText.h"

void DrawButtonFace(TCanvas* canvas, TRect& rect, bool pressed, bool isDefault, TColor face) {
  if (isDefault) {
    Frame3D(canvas, rect, cl3DDkShadow, cl3DDkShadow, 1);
  }
  if (pressed) {
    Frame3D(canvas, rect, clBtnShadow, clBtnShadow, 1);
  } else {
    Frame3D(canvas, rect, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(canvas, rect, cl3DLight, clBtnShadow, 1);
  }
  canvas->Brush()->SetColor(face);
  canvas->FillRect(rect);
}

void DrawSunkenEdge(TCanvas* canvas, TRect& rect) {
  Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
  Frame3D(canvas, rect, cl3DDkShadow, cl3DLight, 1);
}

void DrawControlText(TCanvas* canvas, const std::string& text, TRect rect, UINT flags, bool enabled,
                     TColor color) {
  canvas->SetBkMode(TRANSPARENT);
  if (enabled) {
    canvas->SetTextColor(color);
    DrawText(canvas, text, rect, flags);
    return;
  }
  // Crisp edges keep the two layers apart, as engraving needs.
  bool antialias = canvas->TextAntialias();
  canvas->SetTextAntialias(false);
  TRect shifted = rect;
  OffsetRect(shifted, 1, 1);
  canvas->SetTextColor(clBtnHighlight);
  DrawText(canvas, text, shifted, flags);
  canvas->SetTextColor(clBtnShadow);
  DrawText(canvas, text, rect, flags);
  canvas->SetTextAntialias(antialias);
}

TRect CaptionExtent(TCanvas* canvas, const std::string& text, UINT flags) {
  TRect r = Rect(0, 0, 0, 0);
  DrawText(canvas, text, r, (flags & ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
  return r;
}
