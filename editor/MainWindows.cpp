// The main window's way into the windows around the document: the cue
// list, the file information, the sample-type conversion and the help.

#include "editor/Convert.h"
#include "editor/CueList.h"
#include "editor/GlobeVar.h"
#include "editor/HTMLHelp_Decl.h"
#include "editor/Info.h"
#include "editor/Main.h"

namespace {

// The help shipped beside the program, opened at the editor's page.
constexpr char kHelpTopic[] = "KorvexHelp.chm::/Main AE.html";

}  // namespace

TDocumentLink TfrmMain::DocumentLink() {
  TDocumentLink link;
  link.Editor = AE;
  link.MarkModified = [this] { MarkModified(); };
  link.ShowMessage = [this](const std::string& text) { MessageBox(text, MB_OK); };
  return link;
}

void TfrmMain::ShowCueList() {
  if (frmCueList) frmCueList->ShowModal();
}

void TfrmMain::ShowFileInfo() {
  if (frmInfo) frmInfo->ShowModal();
}

void TfrmMain::ConvertSampleType() {
  // The conversion runs while the window is up and pumps messages.
  if (frmConvert) RunCommand([] { frmConvert->ShowModal(); });
}

void TfrmMain::ShowHelpTopics() {
  const std::string helpFile = AppFolder + kHelpTopic;
  try {
    if (HtmlHelpCall(Handle(), helpFile, HH_DISPLAY_TOPIC, 0) == 0)
      ShowError("The help could not be opened: \"" + AppFolder + "KorvexHelp\" is missing or has no such page.");
  } catch (const Exception& error) {
    ShowError(error.what());
  }
}
