#include "recorder/DialogFrame.h"

#include "platform/framework/Forms.h"
#include "recorder/WindowSkin.h"
#include "resources/Resources.h"
#include "skin/ZELForm.h"
#include "skin/ZELMgr.h"

namespace {

constexpr char kThemeName[] = "themeMp10";

}  // namespace

TzelFileTheme* DialogTheme(TForm* dialog) {
  if (TzelFileTheme* theme = RecorderTheme()) return theme;
  auto* theme = new TzelBuiltInFileTheme(dialog);
  theme->SetName(kThemeName);
  theme->LoadSkinData(LoadResourceData(kRecorderThemeResource1));
  return theme;
}

TzelForm* DressDialog(TForm* dialog, const std::string& caption) {
  UseRecorderSkin();
  return PutDialogFrame(dialog, DialogTheme(dialog), caption);
}
