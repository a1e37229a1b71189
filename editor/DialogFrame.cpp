#include "editor/DialogFrame.h"

#include "platform/framework/Forms.h"
#include "resources/Resources.h"
#include "skin/ZELForm.h"
#include "skin/ZELMgr.h"

namespace {

constexpr char kThemeName[] = "zelBuiltInFileTheme1";

}  // namespace

TzelFileTheme* EditorDialogTheme(TForm* dialog) {
  if (TCustomForm* main = Application->MainForm(); main && main != dialog)
    if (auto* theme = dynamic_cast<TzelFileTheme*>(main->FindComponent(kThemeName))) return theme;
  auto* theme = new TzelBuiltInFileTheme(dialog);
  theme->SetName(kThemeName);
  theme->LoadSkinData(LoadResourceData(kEditorThemeResource1));
  return theme;
}

TzelForm* DressEditorDialog(TForm* dialog, const std::string& caption) {
  RegisterSkinResources();
  auto* frame = new TzelForm(dialog);
  frame->SetName("zelForm1");
  frame->SetFileTheme(EditorDialogTheme(dialog));
  frame->SetUIStyle(FromThemeFile);
  frame->SetCaption(caption);
  return frame;
}
