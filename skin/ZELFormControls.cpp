#include "skin/ZELFormControls.h"

#include "platform/framework/Forms.h"
#include "skin/ZELForm.h"
#include "skin/ZELMgr.h"
#include "skin/ZELPublic.h"

TzelForm* PutDialogFrame(TForm* dialog, TzelFileTheme* theme, const std::string& caption) {
  auto* frame = new TzelForm(dialog);
  frame->SetName("zelForm1");
  frame->SetFileTheme(theme);
  frame->SetUIStyle(FromThemeFile);
  frame->SetCaption(caption);
  return frame;
}

void ThemeDialogControls(TForm* dialog, TzelForm* frame) {
  for (int i = 0; i < dialog->ComponentCount(); ++i) {
    TComponent* component = dialog->Components(i);
    if (component == frame || !HasProperty(component, "FileTheme") || !HasProperty(component, "UIStyle")) continue;
    if (dynamic_cast<TzelFileTheme*>(component)) continue;
    component->SetProp("FileTheme", static_cast<TComponent*>(frame->FileTheme()));
    component->SetProp("UIStyle", frame->UIStyle());
  }
}
