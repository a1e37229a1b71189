#pragma once
// The skinned frame every editor dialog wears, in the look of the main
// window's theme component zelBuiltInFileTheme1.

#include <string>

class TForm;
class TzelFileTheme;
class TzelForm;

// The main window's zelBuiltInFileTheme1. Before a main window exists (a
// dialog alone, as in a test) the dialog gets a theme component of its
// own read from the same embedded theme file.
TzelFileTheme* EditorDialogTheme(TForm* dialog);

// Puts the frame zelForm1 on the dialog, showing the caption in the
// dialog theme.
TzelForm* DressEditorDialog(TForm* dialog, const std::string& caption);
