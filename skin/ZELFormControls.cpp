#include "skin/ZELFormControls.h"

#include "platform/framework/Forms.h"
#include "skin/ZELForm.h"
#include "skin/ZELMgr.h"
#include "skin/ZELPublic.h"

void ThemeFormControls(TForm* form, TzelForm* frame) {
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* component = form->Components(i);
    if (component == frame || !HasProperty(component, "FileTheme") || !HasProperty(component, "UIStyle")) continue;
    if (dynamic_cast<TzelFileTheme*>(component)) continue;
    component->SetProp("FileTheme", static_cast<TComponent*>(frame->FileTheme()));
    component->SetProp("UIStyle", frame->UIStyle());
  }
}
