#pragma once
// The skinned message dialog: a non-visual component that shows a text,
// an optional icon and one to three buttons with free captions and modal
// results in a box dressed in the dialog's look or theme file.

#include <string>

#include "platform/framework/Component.h"
#include "platform/framework/Controls.h"
#include "platform/framework/Forms.h"
#include "skin/ZELMgr.h"

class TfrmMsg;

// Holds the look of a dialog box and the fonts of its text and title.
class TzelDialog : public TComponent {
 public:
  explicit TzelDialog(TComponent* owner);
  ~TzelDialog() override;
  std::string ClassName() const override { return "TzelDialog"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TCursor ButtonCursor() const { return buttonCursor_; }
  void SetButtonCursor(TCursor value) { buttonCursor_ = value; }
  // Also sets the title font's colour: the theme's title colour, or where
  // the theme names none, black or white by its control font colour;
  // without a theme black for MacOS and white for the other looks.
  TzelUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TzelUIStyle value);
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TzelFileTheme* value);
  // The message text's font, and the title's (white Tahoma bold).
  TFont* Font() { return &font_; }
  void SetFont(const TFont& value) { font_.Assign(value); }
  TFont* CaptionFont() { return &captionFont_; }
  void SetCaptionFont(const TFont& value) { captionFont_.Assign(value); }

  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::string caption_ = "zelDialog";
  TPosition position_ = poScreenCenter;
  TCursor buttonCursor_ = crHandPoint;
  TzelUIStyle uiStyle_ = DeepBlue;
  TzelFileTheme* fileTheme_ = nullptr;
  TFont font_;
  TFont captionFont_;
};

// Scoped: the title bar's button kinds name a `zelHelp` of their own.
enum class TzelIconType { zelNone, zelWarning, zelStop, zelInformation, zelHelp };

class TzelMessageDialog : public TzelDialog {
 public:
  explicit TzelMessageDialog(TComponent* owner);
  std::string ClassName() const override { return "TzelMessageDialog"; }

  // 1..3; other values are taken as the nearest.
  int ButtonCount() const { return buttonCount_; }
  void SetButtonCount(int value);
  // Button1 is the leftmost.
  const std::string& Button1Caption() const { return buttons_[0].caption; }
  void SetButton1Caption(const std::string& value) { buttons_[0].caption = value; }
  const std::string& Button2Caption() const { return buttons_[1].caption; }
  void SetButton2Caption(const std::string& value) { buttons_[1].caption = value; }
  const std::string& Button3Caption() const { return buttons_[2].caption; }
  void SetButton3Caption(const std::string& value) { buttons_[2].caption = value; }
  TModalResult Button1ModalResult() const { return buttons_[0].modalResult; }
  void SetButton1ModalResult(TModalResult value) { buttons_[0].modalResult = value; }
  TModalResult Button2ModalResult() const { return buttons_[1].modalResult; }
  void SetButton2ModalResult(TModalResult value) { buttons_[1].modalResult = value; }
  TModalResult Button3ModalResult() const { return buttons_[2].modalResult; }
  void SetButton3ModalResult(TModalResult value) { buttons_[2].modalResult = value; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value) { text_ = value; }
  TzelIconType IconType() const { return iconType_; }
  void SetIconType(TzelIconType value) { iconType_ = value; }

  // Shows the box modally and answers the modal result of the button
  // that closed it (Cancel when it was closed otherwise).
  int ShowModal();
  // The box while it shows; null otherwise.
  TfrmMsg* Box() const { return box_; }

 private:
  struct TButtonSetting {
    std::string caption;
    TModalResult modalResult;
  };
  void LayOut(TfrmMsg& box);

  int buttonCount_ = 1;
  TButtonSetting buttons_[3] = {{"OK", mrOk}, {"Cancel", mrCancel}, {"Cancel", mrCancel}};
  std::string text_ = "Hello world!";
  TzelIconType iconType_ = TzelIconType::zelNone;
  TfrmMsg* box_ = nullptr;
};
