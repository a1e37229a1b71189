// Notifications of the native controls, handed to their own control, and
// the owner-draw requests of the list controls.

#include "platform/framework/NativeControls.h"

#include <algorithm>

LRESULT NotifyOwnControl(HWND self, UINT parentMsg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(self)) return 0;
  return SendMessage(self, CN_BASE + parentMsg, wParam, lParam);
}

void RequestDrawItem(HWND self, UINT ctlType, int itemID, UINT action, UINT state, HDC dc, const TRect& rect,
                     LPARAM itemData) {
  DRAWITEMSTRUCT dis;
  dis.CtlType = ctlType;
  dis.itemID = static_cast<UINT>(itemID);
  dis.itemAction = action;
  dis.itemState = state;
  dis.hwndItem = self;
  dis.hDC = dc;
  dis.rcItem = rect;
  dis.itemData = itemData;
  NotifyOwnControl(self, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
}

void AnswerDrawItem(const DRAWITEMSTRUCT& request, const TFont& font, TColor color, TCanvas*& paintCanvas,
                    const TDrawItemMethod& draw) {
  TOwnerDrawState state = request.itemState & 0xFFFF;
  TCanvas* canvas = request.hDC;
  int saved = canvas->SaveDC();
  TCanvas* previous = paintCanvas;
  paintCanvas = canvas;
  canvas->SetFont(font);
  canvas->Brush()->SetColor(color);
  int index = static_cast<int>(request.itemID);
  if (index >= 0 && (state & odSelected)) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->Font()->SetColor(clHighlightText);
  }
  if (index >= 0) draw(index, request.rcItem, state);
  else canvas->FillRect(request.rcItem);
  if (state & odFocused) canvas->DrawFocusRect(request.rcItem);
  paintCanvas = previous;
  canvas->RestoreDC(saved);
}

void AnswerMeasureItem(MEASUREITEMSTRUCT& request, const std::function<void(int index, int& height)>& measure) {
  int height = static_cast<int>(request.itemHeight);
  measure(static_cast<int>(request.itemID), height);
  request.itemHeight = static_cast<UINT>(std::clamp(height, 1, 255));
}
