#include "editor/DialogFrame.h"

#include "platform/framework/Forms.h"
#include "resources/Resources.h"
#include "skin/ZELForm.h"
#include "skin/ZELMgr.h"

namespace {

constexpr char kThemeName[] = "zelBuiltInFileTheme1";

}  // namespace

void UseEditorSkin() { RegisterSkinResources(); }

TzelFileTheme* DialogTheme(TForm* dialog) {
  if (TCustomForm* main = Application->MainForm())
    if (auto* theme = dynamic_cast<TzelFileTheme*>(main->FindComponent(kThemeName))) return theme;
  auto* theme = new TzelBuiltInFileTheme(dialog);
  theme->SetName(kThemeName);
  theme->LoadSkinData(LoadResourceData(kEditorThemeResource1));
  return theme;
}

TzelForm* DressDialog(TForm* dialog, const std::string& caption) {
  UseEditorSkin();
  return PutDialogFrame(dialog, DialogTheme(dialog), caption);
}
