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

  TTextEngine engine_;

 private:
  std::pair<DWORD, DWORD> Selection() {
    DWORD start = 0, end = 0;
    this->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
};
