#pragma once
// Dressing a form's skinned controls in the look of its frame.

#include <string>

class TForm;
class TzelFileTheme;
class TzelForm;

// Puts the frame zelForm1 on the dialog, in the theme file's look and
// showing the caption.
TzelForm* PutDialogFrame(TForm* dialog, TzelFileTheme* theme, const std::string& caption);

// Gives every skinned control the form owns the frame's theme and look;
// called once the controls are built. Theme components are left alone.
void ThemeDialogControls(TForm* dialog, TzelForm* frame);
