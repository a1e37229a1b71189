#pragma once
// The skinned frame every recorder dialog wears, in the look of the main
// window's theme component themeMp10.

#include <string>

#include "skin/ZELFormControls.h"

class TComponent;
class TForm;
class TzelFileTheme;
class TzelForm;

// The main window's themeMp10. Before a main window exists (a dialog
// alone, as in a test) the dialog gets a theme component of its own
// read from the same embedded theme file.
TzelFileTheme* DialogTheme(TForm* dialog);

// Puts the frame zelForm1 on the dialog, showing the caption in the
// dialog theme.
TzelForm* DressDialog(TForm* dialog, const std::string& caption);
