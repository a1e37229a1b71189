#pragma once
// What the recorder's bitmap-shaped windows share to wear their skin: the
// shape cut from four corner pictures, the background picture, image
// buttons cut from three-state strips, and the theme their skinned
// controls take.

#include <initializer_list>
#include <string>

#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "skin-recorder/ZELSkinForm.h"
#include "skin/ZELButton.h"
#include "skin/ZELListView.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELTitleBar.h"
#include "skin/ZELTrackBar.h"

// Makes the skin library read the recorder's older theme files and load
// its pictures from the program's resources. Runs once.
void UseRecorderSkin();

// The theme the recorder's skinned controls take: the main window's
// themeMp10; none before the main window exists.
TzelFileTheme* RecorderTheme();

// Gives the control the recorder's theme, when it is a skinned one.
void DressInRecorderTheme(TControl* control);

// Cuts the form to a width x height window with rounded corners: a black
// glyph with the four corner pictures, white around them cut away.
void ShapeWindow(TzelSkinForm* skin, int width, int height);

// The one-pixel strip down the window's right side, below the rounded
// corner, that closes the frame there (the window's client size given).
TPanel* SidePanel(TForm* form, int width, int height);

// The window's background picture at 0, 0, as named; a press on it drags
// the window, as on the shaped form itself.
TImage* BackgroundImage(TForm* form, const std::string& name, const std::string& picture);

// A caption strip across the window's top with no buttons of its own.
TzelTitleBar* WindowTitle(TForm* form, const std::string& name, const std::string& caption, int width);

// An image button taking its normal, hover and pressed pictures from the
// named three-state strip.
TzelImageButton* PictureButton(TWinControl* parent, const std::string& name, int left, int top, int width,
                               int height, const std::string& strip, const std::string& hint);

// A hidden image holding a button's other three-state strip.
TImage* AlternatePictures(TForm* form, const std::string& name, const std::string& strip);

// Exchanges the button's three pictures with the strip the image holds.
void SwapButtonPictures(TzelImageButton* button, TImage* image);

// One column of a report list: caption, width and alignment.
struct ColumnLook {
  const char* caption;
  int width;
  TAlignment alignment = taLeftJustify;
};
void AddColumns(TzelListView* list, std::initializer_list<ColumnLook> columns);

// Two skinned scroll bars beside the list, in step with it, named after
// it; the list takes over its header's painting.
void CompanionScrollBars(TzelListView* list, TzelScrollBar*& vertical, TzelScrollBar*& horizontal);

// A label drawn straight on the window's background.
TLabel* BackgroundLabel(TForm* form, const std::string& name, int left, int top, int width, TColor color);

// A skinned track bar over min..max.
TzelTrackBar* SkinnedSlider(TWinControl* parent, const std::string& name, int left, int top, int width, int height,
                            int min, int max, TzelProgressBarOrientation orientation = zelHorizontal);

// The owner of a control placed on parent: the form it belongs to.
inline TComponent* FormOwning(TWinControl* parent) {
  return dynamic_cast<TCustomForm*>(parent) ? parent : parent->Owner();
}

// A skinned check box or radio button, one line high, over the window's
// background.
template <typename Box>
Box* SkinnedBox(TWinControl* parent, const std::string& name, int left, int top, int width,
                const std::string& caption) {
  auto* box = new Box(FormOwning(parent));
  box->SetName(name);
  box->SetParent(parent);
  box->SetBounds(left, top, width, 17);
  box->SetCaption(caption);
  box->SetTransparent(true);
  return box;
}
