// The editor program: its component servers, every window created once
// in a fixed order, then the message loop.

#include <cstdio>
#include <exception>
#include <string>

#include "editor/About.h"
#include "editor/Convert.h"
#include "editor/CueList.h"
#include "editor/EffectDialogs.h"
#include "editor/Info.h"
#include "editor/Main.h"
#include "editor/Options.h"
#include "platform/framework/Forms.h"
#include "platform/os/ComServer.h"
#include "platform/os/Folders.h"
#include "platform/win/WinApi.h"

namespace {

// Registered in this order; one that is missing or fails stops nothing.
constexpr const char* kComServers[] = {
    "atl.dll",           "oleaut32.dll",           "NCTWMAFile2.dll",      "NCTAudioFile2.dll",
    "NCTAudioPlayer2.dll", "NCTAudioRecord2.dll",  "NCTAudioDisplay2.dll", "NCTAudioTransform2.dll",
    "NCTAudioInformation2.dll", "NCTAudioVisualization2.dll", "NCTAudioEditor2.dll"};

std::string SystemFolder;

void CreateWindows() {
  // The main window first: it becomes the main form, and the others take
  // its engine and its theme files.
  Application->CreateForm(frmMain);
  Application->CreateForm(frmAbout);
  TOptionsMainLink link;
  link.Editor = frmMain->AE;
  link.SetShowMilliseconds = [](bool showMilliseconds) {
    frmMain->ShowMilliseconds = showMilliseconds;
    frmMain->UpdateFileInfo();
  };
  Application->CreateForm(frmOptions, link);
  CreateEffectDialogs();
  Application->CreateForm(frmCueList, frmMain->DocumentLink());
  Application->CreateForm(frmInfo, frmMain->DocumentLink());
  Application->CreateForm(frmConvert, frmMain->DocumentLink());
}

}  // namespace

int main() {
  try {
    Application->Initialize();
    Application->SetTitle(kEditorTitle);
    SystemFolder = GetSystemDirectory();
    for (const char* server : kComServers) RegisterComServer(SystemFolder + server, 1);
    CreateWindows();
    Application->Run();
    Application->DestroyForms();
    ShutdownWindowSystem();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Olwick: %s\n", error.what());
    return 1;
  }
  return 0;
}
