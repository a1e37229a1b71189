#pragma once
// The standard buttons and boxes: push button, check box, radio button,
// group box and label. Each has the plain look of a classic desktop and
// the behaviour of the window system's own button: what the native
// control does lives in DefaultHandler and the Win* handlers, so a hook
// of WindowProc sees (and may swallow) every message first, and
// PaintOverNative may draw over the finished picture.

#include <string>

#include "platform/framework/Controls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/Labels.h"

// Button messages and states, with their documented values.
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_GETSTATE = 0x00F2;
constexpr UINT BM_SETSTATE = 0x00F3;
constexpr UINT BM_SETSTYLE = 0x00F4;
constexpr UINT BM_CLICK = 0x00F5;
constexpr LRESULT BST_UNCHECKED = 0x0000;
constexpr LRESULT BST_CHECKED = 0x0001;
constexpr LRESULT BST_INDETERMINATE = 0x0002;
constexpr LRESULT BST_PUSHED = 0x0004;
constexpr LRESULT BST_FOCUS = 0x0008;
constexpr DWORD BS_PUSHBUTTON = 0x0000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_CHECKBOX = 0x0002;
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr DWORD BS_RADIOBUTTON = 0x0004;
constexpr DWORD BS_3STATE = 0x0005;
constexpr DWORD BS_AUTO3STATE = 0x0006;
constexpr DWORD BS_GROUPBOX = 0x0007;
constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
constexpr DWORD BS_LEFTTEXT = 0x0020;

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// What the push button, check box and radio button share: the pressed
// state under the mouse and the space bar, focus, and the accelerator.
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner);
  std::string ClassName() const override { return "TButtonControl"; }
  // Whether the button is held down (mouse inside while pressed, or space).
  bool Pressed() const { return pressed_; }

 protected:
  // The native click: mouse released over the button, space bar, BM_CLICK
  // or the accelerator.
  virtual void ButtonClicked() = 0;
  virtual void PaintButton(TCanvas* canvas) = 0;
  void PaintWindow(HDC dc) override;
  void DefaultHandler(TMessage& message) override;
  void WMButtonDown(TMessage& message, TMouseButton button, bool doubleClick) override;
  void WMLButtonDblClk(TMessage& message) override;
  void WMButtonUp(TMessage& message, TMouseButton button) override;
  void WMMouseMove(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void SetPressed(bool value);
  // The focus frame is drawn only while the window has the keyboard.
  bool ShowsFocus() const { return Focused(); }

 private:
  bool pressed_ = false;
  bool mouseTracking_ = false;
  bool spaceDown_ = false;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);
  std::string ClassName() const override { return "TButton"; }

  // Enter anywhere on the form presses the default button (unless another
  // button has the focus); Escape presses the cancel button.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  // Set on the form when the button is clicked (mrNone: nothing).
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  void Click() override;

 protected:
  void ButtonClicked() override { Click(); }
  void PaintButton(TCanvas* canvas) override;
  void CreateParams(TCreateParams& params) override;
  void WMGetDlgCode(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  void CMFocusChanged(TMessage& message) override;

 private:
  // Whether Enter presses this button now.
  bool Active() const;
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
  bool active_ = false;
};

// A box with a caption beside it; the box is on the left unless
// Alignment is taLeftJustify (caption first).
class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* owner);
  std::string ClassName() const override { return "TCustomCheckBox"; }

  TCheckBoxState State() const { return state_; }
  // A change fires OnClick, whoever makes it.
  void SetState(TCheckBoxState value);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  // Whether clicking passes through the grey state.
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 protected:
  // The next state of a click: unchecked, checked, grey (if allowed).
  virtual void Toggle();
  void ButtonClicked() override { Toggle(); }
  void PaintButton(TCanvas* canvas) override;
  // Draws the 13-pixel box (or circle) with its mark at the given place.
  virtual void PaintMark(TCanvas* canvas, const TRect& box);
  // After the state changed (before OnClick).
  virtual void StateChanged() {}
  // Sets the state; notify fires OnClick.
  void ApplyState(TCheckBoxState value, bool notify);
  void DefaultHandler(TMessage& message) override;
  void WMGetDlgCode(TMessage& message) override { message.Result = DLGC_BUTTON; }
  // Where the caption goes (the rest beside the box).
  TRect CaptionRect();
  TRect BoxRect();

  TCheckBoxState state_ = cbUnchecked;

 private:
  bool allowGrayed_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
 public:
  explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
  std::string ClassName() const override { return "TCheckBox"; }
};

// A radio button: checking it unchecks the radio buttons of the same
// parent with the same GroupIndex. Only the checked one is a tab stop;
// the arrow keys move the focus, and the check with it, through the group.
class TRadioButton : public TCustomCheckBox {
 public:
  explicit TRadioButton(TComponent* owner);
  std::string ClassName() const override { return "TRadioButton"; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }

 protected:
  void Toggle() override;
  void StateChanged() override;
  void PaintMark(TCanvas* canvas, const TRect& box) override;
  void WMGetDlgCode(TMessage& message) override { message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON; }
  void Dispatch(TMessage& message) override;

 private:
  void UncheckSiblings();
  int groupIndex_ = 0;
};

// A frame with a caption in its top edge, holding other controls.
class TCustomGroupBox : public TCustomControl {
 public:
  explicit TCustomGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TCustomGroupBox"; }
  void AdjustClientRect(TRect& rect) override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& message) override;
};

class TGroupBox : public TCustomGroupBox {
 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
  std::string ClassName() const override { return "TGroupBox"; }
};

class TLabel : public TCustomLabel {
 public:
  explicit TLabel(TComponent* owner);
  std::string ClassName() const override { return "TLabel"; }
};
