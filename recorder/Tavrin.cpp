// The recorder program: one running copy, its component servers, every
// window created once in a fixed order, then the message loop.

#include <cstdio>
#include <exception>
#include <string>

#include "platform/framework/Forms.h"
#include "platform/os/ComServer.h"
#include "platform/os/Folders.h"
#include "platform/os/SingleInstance.h"
#include "platform/win/WinApi.h"
#include "recorder/Burner.h"
#include "recorder/Burning.h"
#include "recorder/Confirm.h"
#include "recorder/Device.h"
#include "recorder/EraseProgress.h"
#include "recorder/GlobeVar.h"
#include "recorder/Joiner.h"
#include "recorder/Main.h"
#include "recorder/Options.h"
#include "recorder/PathSelect.h"
#include "recorder/Player.h"
#include "recorder/SetTime.h"
#include "recorder/Splitter.h"

namespace {

// Registered in this order; a missing or failing one does not stop the
// start: the window that needs it reports the failure when it uses it.
constexpr const char* kComServers[] = {
    "atl.dll",           "oleaut32.dll",           "NCTWMAFile2.dll",          "NCTAudioFile2.dll",
    "NCTAudioPlayer2.dll", "NCTAudioRecord2.dll",  "NCTAudioDisplay2.dll",     "NCTAudioTransform2.dll",
    "NCTAudioInformation2.dll", "NCTAudioVisualization2.dll"};

std::string ProgramFolder;
std::string SystemFolder;

void CreateWindows() {
  // The main window comes first so it becomes the main form; the options
  // window then loads the settings every later window reads.
  Application->CreateForm(frmMain);
  Application->CreateForm(frmOptions);
  Application->CreateForm(frmPathSelect);
  Application->CreateForm(frmPlayer);
  Application->CreateForm(frmConfirm);
  Application->CreateForm(frmSchedule);
  Application->CreateForm(frmSplitter);
  Application->CreateForm(frmBurner);
  Application->CreateForm(frmJoiner);
  Application->CreateForm(frmDevice);
  Application->CreateForm(frmBurningProgress);
  Application->CreateForm(frmEraseProgress);
  ConnectBurnerWindows();
}

}  // namespace

int main() {
  // A second copy of the same program file ends at once, silently.
  if (!AcquireSingleInstance()) return 0;
  try {
    Application->Initialize();
    Application->SetTitle("Velmora MP3 Recorder Pro 3.3");
    ProgramFolder = GetProgramFolder();
    SystemFolder = GetSystemDir() + "/";
    for (const char* server : kComServers) RegisterComServer(SystemFolder + server, 1);
    CreateWindows();
    Application->Run();
    // Windows and the window system go before the process's own clean-up,
    // which would otherwise tear them down in no particular order.
    Application->DestroyForms();
    ShutdownWindowSystem();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Tavrin: %s\n", error.what());
    return 1;
  }
  return 0;
}
