#include <algorithm>

#include "platform/framework/Forms.h"

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
  TRect r;
  if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0)) r = Rect(0, 0, Width(), Height());
  return r;
}

void TScreen::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  ::SetCursor(LoadCursor(nullptr, CursorToIdc(cursor == crDefault ? crArrow : cursor)));
}

TCustomForm* TScreen::ActiveForm() const {
  return dynamic_cast<TCustomForm*>(TWinControl::FindControl(GetActiveWindow()));
}

TWinControl* TScreen::ActiveControl() const { return TWinControl::FindControl(GetFocus()); }

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}
