#pragma once
// Skinned single-line edits. TzelEdit replaces the native border by a
// two-pixel frame painted in the look's border colour; TzelSpinEdit is an
// integer edit with a pair of arrow buttons inside its right edge;
// TzelNumberEdit holds one decimal number shown through a format mask.

#include <string>

#include "platform/framework/Edits.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemed.h"

class TzelEdit : public TzelFramed<TCustomEdit> {
 public:
  explicit TzelEdit(TComponent* owner);
  std::string ClassName() const override { return "TzelEdit"; }

 protected:
  // Called after every look change.
  virtual void ThemeApplied() {}
};

// Two arrow buttons stacked, overlapping by one pixel; holding one steps
// again every 400 ms.
class TzelSpinButtons : public TWinControl {
 public:
  explicit TzelSpinButtons(TComponent* owner);
  std::string ClassName() const override { return "TzelSpinButtons"; }

  // Read from the up button.
  TzelUIStyle UIStyle() const;
  void SetUIStyle(TzelUIStyle value);
  TzelFileTheme* FileTheme() const;
  void SetFileTheme(TzelFileTheme* value);

  TzelArrowButton* UpButton() const { return up_; }
  TzelArrowButton* DownButton() const { return down_; }

  // Keeps at least 15 pixels of width and lays the two buttons out.
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

 protected:
  void WMSize(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;

 private:
  TzelArrowButton* MakeButton(TzelArrowButtonType arrow);
  void ButtonStep(TObject* sender);
  // Applies the size rule; true when it changed the size asked for.
  bool AdjustBounds(int& width, int height);

  TzelArrowButton* up_ = nullptr;
  TzelArrowButton* down_ = nullptr;
};

class TzelSpinEdit : public TzelEdit {
 public:
  explicit TzelSpinEdit(TComponent* owner);
  ~TzelSpinEdit() override;
  std::string ClassName() const override { return "TzelSpinEdit"; }

  TzelSpinButtons* Button() const { return buttons_; }
  int MinValue() const { return minValue_; }
  void SetMinValue(int value) { minValue_ = value; }
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value) { maxValue_ = value; }
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value) { editorEnabled_ = value; }
  // The text as an integer; MinValue when the text is no number.
  int Value() const;
  void SetValue(int value);

  void WndProc(TMessage& message) override;

 protected:
  void ThemeApplied() override;
  virtual bool IsValidChar(char32_t key);
  virtual void UpClick(TObject* sender);
  virtual void DownClick(TObject* sender);

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WMSize(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void CMExit(TMessage& message) override;

 private:
  // Equal bounds mean no bounds at all.
  long long Clamped(long long value) const;
  void PlaceButtons();
  void SetEditRect();
  void Step(long long delta);

  TzelSpinButtons* buttons_ = nullptr;
  int minValue_ = 0;
  int maxValue_ = 0;
  int increment_ = 1;
  bool editorEnabled_ = true;
};

// One decimal number, right-aligned and formatted by Mask. Typing lets
// through digits, one decimal point and a leading minus only; text that
// cannot be read puts the previous value back.
class TzelNumberEdit : public TzelEdit {
 public:
  explicit TzelNumberEdit(TComponent* owner);
  std::string ClassName() const override { return "TzelNumberEdit"; }

  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& value) { mask_ = value; }
  double Value() const { return value_; }
  void SetValue(double value);
  // How many characters at the end of the text entering selects.
  int AutoSelectSigns() const { return autoSelectSigns_; }
  void SetAutoSelectSigns(int value) { autoSelectSigns_ = value; }

  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void KeyPress(char32_t& key) override;
  void Change() override;
  void CMEnter(TMessage& message) override;
  void CMExit(TMessage& message) override;

 private:
  void SelectLastSigns();

  std::string mask_ = "0.00";
  double value_ = 0;
  int autoSelectSigns_ = 2;
};
