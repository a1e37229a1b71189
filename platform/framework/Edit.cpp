// The single-line edit: properties, the window it creates, focus and the
// mouse.

#include <algorithm>

#include "platform/framework/Edits.h"
#include "platform/gfx/TextUtf8.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
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
  params.Style |= ES_AUTOHSCROLL;
  params.Style |= alignment_ == taCenter ? ES_CENTER : alignment_ == taRightJustify ? ES_RIGHT : ES_LEFT;
  if (readOnly_) params.Style |= ES_READONLY;
  if (numbersOnly_) params.Style |= ES_NUMBER;
  if (!hideSelection_) params.Style |= ES_NOHIDESEL;
  if (charCase_ == ecUpperCase) params.Style |= ES_UPPERCASE;
  if (charCase_ == ecLowerCase) params.Style |= ES_LOWERCASE;
  if (passwordChar_) params.Style |= ES_PASSWORD;
  if (oemConvert_) params.Style |= ES_OEMCONVERT;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SyncFromStyle();
}

void TCustomEdit::SetStyleBits(DWORD mask, DWORD bits) {
  if (!HandleAllocated()) return;
  auto style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
  SetWindowLong(Handle(), GWL_STYLE, static_cast<LONG_PTR>((style & ~mask) | (bits & mask)));
}

void TCustomEdit::SyncFromStyle() {
  if (!HandleAllocated()) return;
  auto style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
  alignment_ = (style & ES_RIGHT) ? taRightJustify : (style & ES_CENTER) ? taCenter : taLeftJustify;
  numbersOnly_ = (style & ES_NUMBER) != 0;
  readOnly_ = (style & ES_READONLY) != 0;
  hideSelection_ = (style & ES_NOHIDESEL) == 0;
  charCase_ = (style & ES_UPPERCASE) ? ecUpperCase : (style & ES_LOWERCASE) ? ecLowerCase : ecNormal;
  if ((style & ES_PASSWORD) && !passwordChar_) passwordChar_ = U'*';
  if (!(style & ES_PASSWORD)) passwordChar_ = 0;
  Invalidate();
}

void TCustomEdit::SetReadOnly(bool value) {
  if (HandleAllocated()) Perform(EM_SETREADONLY, value, 0);
  else readOnly_ = value;
}

void TCustomEdit::SetMaxLength(int value) {
  value = std::max(0, value);
  if (HandleAllocated()) Perform(EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
  else maxLength_ = value;
}

void TCustomEdit::SetPasswordChar(char32_t value) {
  if (HandleAllocated()) Perform(EM_SETPASSWORDCHAR, value, 0);
  else passwordChar_ = value;
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (value == charCase_) return;
  charCase_ = value;
  SetStyleBits(ES_UPPERCASE | ES_LOWERCASE,
               value == ecUpperCase ? ES_UPPERCASE : value == ecLowerCase ? ES_LOWERCASE : 0);
  // The text already there takes the new case too.
  std::u32string converted = ApplyCharCase(text_);
  if (converted != text_) {
    int anchor = anchor_, caret = caret_;
    SetText(EncodeUtf8(converted));
    SetSelection(anchor, caret);
  }
}

void TCustomEdit::SetHideSelection(bool value) {
  hideSelection_ = value;
  SetStyleBits(ES_NOHIDESEL, value ? 0 : ES_NOHIDESEL);
  Invalidate();
}

void TCustomEdit::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomEdit::SetNumbersOnly(bool value) {
  numbersOnly_ = value;
  SetStyleBits(ES_NUMBER, value ? ES_NUMBER : 0);
}

void TCustomEdit::SetOEMConvert(bool value) {
  oemConvert_ = value;
  SetStyleBits(ES_OEMCONVERT, value ? ES_OEMCONVERT : 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  value = value == bsNone ? bsNone : bsSingle;
  if (value == borderStyle_) return;
  borderStyle_ = value;
  if (HandleAllocated()) RecreateWnd();
}

// ---- Selection -------------------------------------------------------------------

int TCustomEdit::SelStart() {
  DWORD start = 0;
  Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value) { Perform(EM_SETSEL, value, value); }

int TCustomEdit::SelLength() {
  DWORD start = 0, end = 0;
  Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value) {
  int start = SelStart();
  Perform(EM_SETSEL, start, start + std::max(0, value));
}

std::string TCustomEdit::SelText() {
  int start = std::min(anchor_, caret_), end = std::max(anchor_, caret_);
  return EncodeUtf8(std::u32string_view(text_).substr(start, end - start));
}

void TCustomEdit::SetSelText(const std::string& value) {
  Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomEdit::SelectAll() { Perform(EM_SETSEL, 0, static_cast<LPARAM>(-1)); }

// ---- Text and focus ------------------------------------------------------------------

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::CMTextChanged(TMessage& m) {
  TWinControl::CMTextChanged(m);
  // Text set from outside (also from an OnChange handler while typing):
  // the caret goes to the start, the undo is gone.
  std::u32string text = DecodeUtf8(Text());
  if (text != text_) {
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    scrollX_ = 0;
    canUndo_ = false;
    modified_ = false;
  }
  Invalidate();
  Change();
}

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
    int pos = PositionAt(GET_X_LPARAM(m.LParam));
    bool extend = (m.WParam & MK_SHIFT) != 0;
    SetSelection(extend ? anchor_ : pos, pos);
    mouseSelecting_ = true;
  }
  TWinControl::WMButtonDown(m, button, doubleClick);
}

// A double click selects the word under the pointer.
void TCustomEdit::WMLButtonDblClk(TMessage& m) {
  int pos = PositionAt(GET_X_LPARAM(m.LParam));
  SetSelection(WordStart(pos), WordEnd(pos));
  TWinControl::WMLButtonDblClk(m);
}

void TCustomEdit::WMMouseMove(TMessage& m) {
  if (mouseSelecting_) SetSelection(anchor_, PositionAt(GET_X_LPARAM(m.LParam)));
  TWinControl::WMMouseMove(m);
}

void TCustomEdit::WMButtonUp(TMessage& m, TMouseButton button) {
  if (button == mbLeft) mouseSelecting_ = false;
  TWinControl::WMButtonUp(m, button);
}
