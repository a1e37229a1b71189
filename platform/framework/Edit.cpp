// The single-line edit: properties, the window it creates, focus and the
// mouse.

#include <algorithm>

#include "platform/framework/Edits.h"
#include "platform/gfx/TextUtf8.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TTextControl(owner, false) {
  controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
  SetCursor(crIBeam);
  Publish("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly);
  Publish("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength);
  Publish("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase);
  Publish("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect);
  Publish("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection);
  Publish("Alignment", &TCustomEdit::Alignment, &TCustomEdit::SetAlignment);
  Publish("NumbersOnly", &TCustomEdit::NumbersOnly, &TCustomEdit::SetNumbersOnly);
  Publish("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle);
  Publish("OEMConvert", &TCustomEdit::OEMConvert, &TCustomEdit::SetOEMConvert);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  AddTextStyles(params);
  params.Style |= ES_AUTOHSCROLL;
  if (!hideSelection_) params.Style |= ES_NOHIDESEL;
  if (oemConvert_) params.Style |= ES_OEMCONVERT;
}

void TCustomEdit::CreateWnd() {
  TTextControl::CreateWnd();
  SyncFromStyle();
}

void TCustomEdit::SyncFromStyle() {
  if (!HandleAllocated()) return;
  auto style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
  alignment_ = (style & ES_RIGHT) ? taRightJustify : (style & ES_CENTER) ? taCenter : taLeftJustify;
  hideSelection_ = (style & ES_NOHIDESEL) == 0;
  Invalidate();
}

void TCustomEdit::SetPasswordChar(char32_t value) { Perform(EM_SETPASSWORDCHAR, value, 0); }

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (value == CharCase()) return;
  engine_.SetCharCase(value);
  // The text already there takes the new case too.
  std::u32string converted = engine_.Cased(engine_.Text());
  if (converted != engine_.Text()) {
    int anchor = engine_.Anchor(), caret = engine_.Caret();
    SetText(EncodeUtf8(converted));
    Perform(EM_SETSEL, anchor, caret);
  }
}

void TCustomEdit::SetHideSelection(bool value) {
  hideSelection_ = value;
  engine_.SetStyleBits(ES_NOHIDESEL, value ? 0 : ES_NOHIDESEL);
  Invalidate();
}

void TCustomEdit::SetOEMConvert(bool value) {
  oemConvert_ = value;
  engine_.SetStyleBits(ES_OEMCONVERT, value ? ES_OEMCONVERT : 0);
}

// ---- Text and focus ------------------------------------------------------------------

void TCustomEdit::CMFontChanged(TMessage& m) {
  TWinControl::CMFontChanged(m);
  AdjustSize();
  Invalidate();
}

bool TCustomEdit::CanAutoSize(int&, int& newHeight) {
  std::unique_ptr<TBitmap> holder;
  int frame = borderStyle_ == bsSingle ? 4 : 0;
  newHeight = MeasuringCanvas(holder, *Font())->TextHeight("Wg") + 4 + frame;
  return true;
}

// Entered by the keyboard (not a mouse press): all of the text is selected.
void TCustomEdit::CMEnter(TMessage& m) {
  if (autoSelect_ && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
  TWinControl::CMEnter(m);
}

void TCustomEdit::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL; }

// ---- Mouse --------------------------------------------------------------------------

void TCustomEdit::WMButtonDown(TMessage& m, TMouseButton button, bool doubleClick) {
  if (button == mbLeft && !doubleClick) {
    if (!Focused() && CanFocus()) SetFocus();
    engine_.PressAt(PositionAt(GET_X_LPARAM(m.LParam)), (m.WParam & MK_SHIFT) != 0);
  }
  TWinControl::WMButtonDown(m, button, doubleClick);
}

void TCustomEdit::WMLButtonDblClk(TMessage& m) {
  engine_.SelectWordAt(PositionAt(GET_X_LPARAM(m.LParam)));
  TWinControl::WMLButtonDblClk(m);
}

void TCustomEdit::WMMouseMove(TMessage& m) {
  if (engine_.Dragging()) engine_.DragTo(PositionAt(GET_X_LPARAM(m.LParam)));
  TWinControl::WMMouseMove(m);
}

void TCustomEdit::WMButtonUp(TMessage& m, TMouseButton button) {
  if (button == mbLeft) engine_.Release();
  TWinControl::WMButtonUp(m, button);
}
