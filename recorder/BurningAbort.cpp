// The abort question of the burning-progress window.

#include "recorder/Burning.h"
#include "skin/ZELDlg.h"

void TfrmBurningProgress::MakeAbortDialog(TzelFileTheme* theme) {
  AbortDlg = new TzelMessageDialog(this);
  AbortDlg->SetName("AbortDlg");
  AbortDlg->SetButtonCount(2);
  AbortDlg->SetButton1Caption("Yes");
  AbortDlg->SetButton1ModalResult(mrYes);
  AbortDlg->SetButton2Caption("No");
  AbortDlg->SetButton2ModalResult(mrNo);
  AbortDlg->SetFileTheme(theme);
  AbortDlg->SetUIStyle(FromThemeFile);
}

bool TfrmBurningProgress::AskAbort() {
  AbortDlg->SetCaption("  DVD burning Abort ?");
  AbortDlg->SetText("Do you want to abort?");
  return AbortDlg->ShowModal() == mrYes;
}
