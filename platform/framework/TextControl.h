#pragma once
// What the edit and the memo share over their text engine: the text's
// properties, its selection, the clipboard calls, and OnChange, which
// fires when the parent hands the engine's EN_CHANGE back as CN_COMMAND.
// The selection and the clipboard go through their messages, so a hook of
// WindowProc sees them. Positions count code points, a line break as two.

#include <string>

#include "platform/framework/ControlMessages.h"
#include "platform/framework/TextEngine.h"

template <class TBase>
class TTextControl : public TBase, protected TTextView {
 public:
  bool ReadOnly() const { return engine_.ReadOnly(); }
  void SetReadOnly(bool value) { this->Perform(EM_SETREADONLY, value, 0); }
  // Most characters the text may hold (0: no limit).
  int MaxLength() const { return engine_.MaxLength(); }
  void SetMaxLength(int value) { this->Perform(EM_LIMITTEXT, static_cast<WPARAM>(std::max(0, value)), 0); }
  bool Modified() const { return engine_.Modified(); }
  void SetModified(bool value) { engine_.SetModified(value); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    if (this->HandleAllocated()) this->RecreateWnd();
  }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value) {
    value = value == bsNone ? bsNone : bsSingle;
    if (value == borderStyle_) return;
    borderStyle_ = value;
    if (this->HandleAllocated()) this->RecreateWnd();
  }

  int SelStart() { return static_cast<int>(Selection().first); }
  void SetSelStart(int value) { this->Perform(EM_SETSEL, value, value); }
  int SelLength() {
    auto [start, end] = Selection();
    return static_cast<int>(end - start);
  }
  void SetSelLength(int value) {
    int start = SelStart();
    this->Perform(EM_SETSEL, start, start + std::max(0, value));
  }
  std::string SelText() const { return engine_.SelText(); }
  void SetSelText(const std::string& value) { this->Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(value.c_str())); }
  void SelectAll() { this->Perform(EM_SETSEL, 0, static_cast<LPARAM>(-1)); }
  void ClearSelection() { this->Perform(WM_CLEAR, 0, 0); }
  void CopyToClipboard() { this->Perform(WM_COPY, 0, 0); }
  void CutToClipboard() { this->Perform(WM_CUT, 0, 0); }
  void PasteFromClipboard() { this->Perform(WM_PASTE, 0, 0); }
  bool CanUndo() { return this->Perform(EM_CANUNDO, 0, 0) != 0; }
  void Undo() { this->Perform(WM_UNDO, 0, 0); }
  void ClearUndo() { this->Perform(EM_EMPTYUNDOBUFFER, 0, 0); }
  void Clear() { this->SetText(""); }

  TNotifyEvent OnChange;

 protected:
  TTextControl(TComponent* owner, bool multiLine) : TBase(owner), engine_(*this, *this, multiLine) {}

  virtual void Change() {
    if (OnChange) OnChange(this);
  }
  // The engine's messages, and its EN_CHANGE handed back; false for others.
  bool HandleTextMessage(TMessage& m) {
    if (engine_.HandleMessage(m)) return true;
    if (m.Msg != CN_COMMAND) return false;
    if (HIWORD(static_cast<std::uintptr_t>(m.WParam)) == EN_CHANGE) Change();
    return true;
  }
  void StoreText(const std::string& text) override { this->TControl::SetText(text); }
  // The options follow the styles a subclass may have given the window.
  void CreateWnd() override {
    TBase::CreateWnd();
    engine_.TakeStyle();
  }
  // The engine stores the text WM_SETTEXT brings, and a handler of its
  // EN_CHANGE may have set other text since: nothing is stored after it.
  void WMSetText(TMessage& m) override { this->DefaultHandler(m); }
  // Text set while there is no window reaches the engine here. No EN_CHANGE
  // can tell of it, so a single line, which announces text set whole,
  // fires OnChange itself.
  void CMTextChanged(TMessage& m) override {
    TBase::CMTextChanged(m);
    engine_.TakeText(this->Text());
    this->Invalidate();
    if (!this->HandleAllocated() && !engine_.MultiLine()) Change();
  }
  // The window styles of the options and the border.
  void AddTextStyles(TCreateParams& params) const {
    params.Style |= alignment_ == taCenter ? ES_CENTER : alignment_ == taRightJustify ? ES_RIGHT : ES_LEFT;
    if (ReadOnly()) params.Style |= ES_READONLY;
    if (engine_.NumbersOnly()) params.Style |= ES_NUMBER;
    if (engine_.CharCase() == ecUpperCase) params.Style |= ES_UPPERCASE;
    if (engine_.CharCase() == ecLowerCase) params.Style |= ES_LOWERCASE;
    if (engine_.PasswordChar()) params.Style |= ES_PASSWORD;
    if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  }

  TTextEngine engine_;
  TAlignment alignment_ = taLeftJustify;
  TBorderStyle borderStyle_ = bsSingle;

 private:
  std::pair<DWORD, DWORD> Selection() {
    DWORD start = 0, end = 0;
    this->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
};
