#include "recorder/DialogFrame.h"

#include "platform/framework/Forms.h"
#include "recorder/WindowSkin.h"
#include "resources/Resources.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormControls.h"
#include "skin/ZELMgr.h"
#include "skin/ZELPublic.h"

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
  auto* frame = new TzelForm(dialog);
  frame->SetName("zelForm1");
  frame->SetFileTheme(DialogTheme(dialog));
  frame->SetUIStyle(FromThemeFile);
  frame->SetCaption(caption);
  return frame;
}

void ThemeDialogControls(TForm* dialog, TzelForm* frame) { ThemeFormControls(dialog, frame); }
