#pragma once
// Themed push buttons. TzelCustomButton paints itself entirely from a
// three-state picture (normal, mouse over, pressed; disabled reuses
// normal), tracks the mouse for the hover look, keeps firing
// OnMouseContinuouslyDown while the left button is held on it, answers
// the form's Enter/Escape handling and sets the form's ModalResult when
// clicked. The descendants differ in what they draw over the picture.

#include <memory>
#include <string>

#include "platform/framework/StdCtrls.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemeLink.h"

class TTimer;

// Asked of the window that has the focus: 1 when it is a skinned push
// button, so its accelerators work without Alt.
constexpr UINT zelMsgIsSkinButton = 35768;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TzelArrowButtonType { zelUp, zelDown };

class TzelCustomButton : public TCustomControl {
 public:
  explicit TzelCustomButton(TComponent* owner);
  ~TzelCustomButton() override;
  std::string ClassName() const override { return "TzelCustomButton"; }

  // Published by the buttons that follow the look.
  TzelUIStyle UIStyle() const { return link_.UIStyle(); }
  void SetUIStyle(TzelUIStyle value) { link_.SetUIStyle(value); }
  TzelFileTheme* FileTheme() const { return link_.FileTheme(); }
  void SetFileTheme(TzelFileTheme* value) { link_.SetFileTheme(value); }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Default() const { return default_; }
  void SetDefault(bool value);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  int FocusedRectMargin() const { return focusedRectMargin_; }
  void SetFocusedRectMargin(int value);
  int MouseContinuouslyDownInterval() const { return repeatInterval_; }
  void SetMouseContinuouslyDownInterval(int value) { repeatInterval_ = value; }
  void SetAutoSize(bool value) override;
  void SetEnabled(bool value) override;

  // The state as the next paint shows it.
  bool MouseOver() const { return hover_; }
  bool Down() const { return down_; }
  // Whether Enter presses this button now.
  bool ActiveDefault() const { return activeDefault_; }
  // Whether OnMouseContinuouslyDown is due to fire.
  bool Repeating() const;

  void Click() override;

  TNotifyEvent OnMouseExit;
  TNotifyEvent OnMouseContinuouslyDown;

 protected:
  virtual void UpdateAutoSize();
  virtual void CaptionChanged() {}
  virtual void FontChanged();
  virtual void TransparentChanged();
  virtual void EnabledChanged() {}
  // After every look change.
  virtual void ApplyTheme(const TzelLookSource&) {}
  virtual void DrawPicture(TCanvas& canvas, TBitmap& picture);
  virtual void DrawCaption(TCanvas& canvas, const std::string& caption);
  virtual void DrawFocus(TCanvas& canvas);
  virtual void GetNormalPicture(TBitmap& dest);
  virtual void GetHoverPicture(TBitmap& dest);
  virtual void GetDownPicture(TBitmap& dest);
  virtual void GetDisabledPicture(TBitmap& dest);

  void Paint() override;
  void CreateWnd() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void CMCancelMode(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;
  void CMFocusChanged(TMessage& message) override;

  // Piece `part` of 3 of the look's button strip.
  void GetThemePicture(TBitmap& dest, int part);
  bool PictureTransparent() const { return pictureTransparent_; }
  // Set by a focus drawn as a bold caption; the next caption uses it up.
  void SetBoldCaption() { boldCaption_ = true; }
  // Publishes the properties TzelButton and TzelImageButton share.
  void PublishDialogProperties();

 private:
  void StopRepeat();
  void ReleaseState();
  bool TakeFocusQuietly();

  TzelThemeLink link_{*this};
  bool cancel_ = false;
  bool default_ = false;
  int modalResult_ = 0;
  bool transparent_ = false;
  int focusedRectMargin_ = 2;
  int repeatInterval_ = 100;

  bool hover_ = false;
  bool down_ = false;
  bool pictureTransparent_ = false;
  bool boldCaption_ = false;
  bool activeDefault_ = false;
  std::unique_ptr<TTimer> repeatTimer_;
};

// Caption with an optional glyph, over the look's nine-piece face.
class TzelButton : public TzelCustomButton {
 public:
  explicit TzelButton(TComponent* owner);
  std::string ClassName() const override { return "TzelButton"; }

  TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(const TBitmap* value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  unsigned ResHandle() const { return 0; }
  void SetResHandle(unsigned) {}

 protected:
  void ApplyTheme(const TzelLookSource& source) override;
  void DrawPicture(TCanvas& canvas, TBitmap& picture) override;
  void DrawCaption(TCanvas& canvas, const std::string& caption) override;
  void DrawFocus(TCanvas& canvas) override;

 private:
  void DrawGlyph(TCanvas& canvas);

  TBitmap glyph_;
  TButtonLayout layout_ = blGlyphLeft;
  int spacing_ = 4;
  TPoint captionPos_;
};

// Four pictures of its own in place of the look's; the scroll bar's line
// buttons. Missing hover, down or disabled pictures show the normal one.
class TzelImageButton : public TzelCustomButton {
 public:
  explicit TzelImageButton(TComponent* owner);
  std::string ClassName() const override { return "TzelImageButton"; }

  // Looks do not apply: the pictures are the look.
  TzelUIStyle UIStyle() const { return FromThemeFile; }
  TPicture* PicNormal() { return &picNormal_; }
  TPicture* PicMouseOn() { return &picMouseOn_; }
  TPicture* PicMouseDown() { return &picMouseDown_; }
  TPicture* PicDisabled() { return &picDisabled_; }
  void SetPicNormal(const TGraphic* value) { SetPicture(picNormal_, value); }
  void SetPicMouseOn(const TGraphic* value) { SetPicture(picMouseOn_, value); }
  void SetPicMouseDown(const TGraphic* value) { SetPicture(picMouseDown_, value); }
  void SetPicDisabled(const TGraphic* value) { SetPicture(picDisabled_, value); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool DrawFocused() const { return drawFocused_; }
  void SetDrawFocused(bool value);

 protected:
  void UpdateAutoSize() override;
  void DrawPicture(TCanvas& canvas, TBitmap& picture) override;
  void DrawFocus(TCanvas& canvas) override;
  void GetNormalPicture(TBitmap& dest) override;
  void GetHoverPicture(TBitmap& dest) override;
  void GetDownPicture(TBitmap& dest) override;
  void GetDisabledPicture(TBitmap& dest) override;

 private:
  void SetPicture(TPicture& picture, const TGraphic* value);
  void CopyPicture(const TPicture& picture, TBitmap& dest) const;

  TPicture picNormal_, picMouseOn_, picMouseDown_, picDisabled_;
  bool stretch_ = false;
  bool drawFocused_ = false;
};

// A small black triangle over the look's face; the spin buttons.
class TzelArrowButton : public TzelCustomButton {
 public:
  explicit TzelArrowButton(TComponent* owner);
  std::string ClassName() const override { return "TzelArrowButton"; }

  TzelArrowButtonType Arrow() const { return arrow_; }
  void SetArrow(TzelArrowButtonType value);

 protected:
  void ApplyTheme(const TzelLookSource& source) override;
  void DrawPicture(TCanvas& canvas, TBitmap& picture) override;
  void DrawCaption(TCanvas&, const std::string&) override {}
  void DrawFocus(TCanvas&) override {}

 private:
  TzelArrowButtonType arrow_ = zelUp;
};
