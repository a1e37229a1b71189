#pragma once
// The skinned frame every editor dialog wears, in the look of the main
// window's theme component zelBuiltInFileTheme1.

#include <string>

#include "skin/ZELFormControls.h"

class TForm;
class TzelFileTheme;
class TzelForm;

// The skin library's pictures come from the program's resources; safe to
// call more than once.
void UseEditorSkin();

// The main window's zelBuiltInFileTheme1. Before a main window holds one
// (a dialog alone, as in a test) the dialog gets a theme component of its
// own read from the same embedded theme file.
TzelFileTheme* DialogTheme(TForm* dialog);

// Puts the frame zelForm1 on the dialog, showing the caption in the
// dialog theme.
TzelForm* DressDialog(TForm* dialog, const std::string& caption);
