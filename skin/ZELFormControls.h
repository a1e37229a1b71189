#pragma once
// Dressing a form's own skinned controls in its frame's look.

class TForm;
class TzelForm;

// Gives every skinned control the form owns the frame's UIStyle and
// FileTheme (theme components themselves are left alone); called once the
// controls are built.
void ThemeFormControls(TForm* form, TzelForm* frame);
