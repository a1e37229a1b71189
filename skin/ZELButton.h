#pragma once
// Themed check box and radio button: a state picture from the look and a
// one-line caption, drawn off-screen. A radio button only ever checks
// itself and unchecks its siblings of the same GroupIndex. The push
// buttons of the unit are declared in ZELButtonPush.h.

#include <string>

#include "platform/framework/StdCtrls.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemed.h"

class TBitmap;

class TzelCheckBox : public TzelThemed<TCustomControl> {
 public:
  explicit TzelCheckBox(TComponent* owner);
  std::string ClassName() const override { return "TzelCheckBox"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  // Never grayed; writing any other state than checked unchecks.
  TCheckBoxState State() const { return checked_ ? cbChecked : cbUnchecked; }
  void SetState(TCheckBoxState value) { SetChecked(value == cbChecked); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  void SetAutoSize(bool value) override;
  void SetEnabled(bool value) override;

  void Click() override;

  // Fired when Checked changes (not by the ordinary click handling).
  TNotifyEvent OnClick;

 protected:
  virtual bool ShowsFocus();
  virtual bool PictureTransparent() const { return false; }
  virtual int ThemeElement() const { return 3; }
  virtual int ThemeFileBitmapIndex() const { return 16; }
  virtual void CheckedChanged();
  virtual void BeforeToggle() {}
  virtual void Toggle();
  virtual bool KeyToggles() const { return true; }

  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;
  void FireOnClick();

 private:
  void LoadStatePicture(TBitmap& picture);
  void TakeFocusQuietly();

  bool checked_ = false;
  bool transparent_ = false;
};

class TzelRadioButton : public TzelCheckBox {
 public:
  explicit TzelRadioButton(TComponent* owner);
  std::string ClassName() const override { return "TzelRadioButton"; }

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }

 protected:
  bool PictureTransparent() const override { return true; }
  int ThemeElement() const override { return 4; }
  int ThemeFileBitmapIndex() const override { return 18; }
  void CheckedChanged() override;
  void Toggle() override;
  bool KeyToggles() const override { return false; }
  void Dispatch(TMessage& message) override;

 private:
  int groupIndex_ = 0;
};
