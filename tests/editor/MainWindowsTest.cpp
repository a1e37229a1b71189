// The windows around the document from the main window: markers and a
// title added through them mark the document (closing asks), survive
// File > Save of a WAV and show again once the file is reopened; the Help command opens the
// editor's page of the shipped help; the help binding loads and
// initialises its control once and says what is missing.

#include <filesystem>
#include <fstream>

#include "EditorMainFixture.h"
#include "editor/Convert.h"
#include "editor/CueList.h"
#include "editor/HTMLHelp_Decl.h"
#include "editor/Info.h"
#include "platform/framework/ListView.h"
#include "platform/os/ShellOpen.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELEdit.h"
#include "skin/ZELListView.h"

namespace {

class MainWindowsTest : public EditorMainTest {
 protected:
  void ShowMainWithWindows() {
    ShowMain();
    Application->CreateForm(frmCueList, frmMain->DocumentLink());
    Application->CreateForm(frmInfo, frmMain->DocumentLink());
    Application->CreateForm(frmConvert, frmMain->DocumentLink());
  }
  static void ClickMenu(const std::string& name) {
    auto* item = dynamic_cast<TMenuItem*>(frmMain->FindComponent(name));
    ASSERT_NE(item, nullptr) << name;
    item->Click();
  }
  // Runs `act` once the next modal window shows, then closes it.
  static void WhenShown(TForm* window, std::function<void()> act) {
    PostToMainThread([window, act = std::move(act)] {
      HeadlessPumpUntilIdle();
      act();
      window->SetModalResult(mrCancel);
    });
  }
  static void AddMarker(const std::string& position, const std::string& length, const std::string& label,
                        const std::string& note) {
    frmCueList->tPosition->SetText(position);
    frmCueList->tLength->SetText(length);
    frmCueList->tLabel->SetText(label);
    frmCueList->tNote->SetText(note);
    frmCueList->tText->SetText(label + " text");
    frmCueList->btnAdd->Click();
  }
};

class RecordedLauncher : public IShellOpener {
 public:
  std::vector<std::string> targets;
  bool Open(const std::string& target, TLaunchFailed) override {
    targets.push_back(target);
    return true;
  }
};

TEST_F(MainWindowsTest, MarkersAndTitleThroughTheWindowsSurviveSaveAndReopen) {
  ShowMainWithWindows();
  const std::string tone = WriteTone("tone.wav", 44100);
  chosenFiles.push_back(tone);
  frmMain->OpenFile();
  ASSERT_EQ(frmMain->DocumentName, tone);

  WhenShown(frmCueList, [] {
    AddMarker("4410", "100", "Verse", "calm");
    AddMarker("22050", "0", "Chorus", "");
  });
  ClickMenu("mnuMarkerList");
  WhenShown(frmInfo, [] {
    frmInfo->infoTitle->SetText("Night Walk");
    frmInfo->btnApply->Click();
  });
  frmMain->ShowFileInfo();
  EXPECT_EQ(frmMain->EditCount, 3);
  // Closing now asks before losing them.
  answers.push_back(IDCANCEL);
  bool canClose = true;
  frmMain->OnCloseQuery(frmMain, canClose);
  EXPECT_FALSE(canClose);
  EXPECT_EQ(messages.size(), 1u);

  ClickMenu("mnuSave");
  EXPECT_FALSE(frmMain->Modified);
  frmMain->AE->OpenFile(tone);

  std::vector<std::string> shown;
  WhenShown(frmCueList, [&] {
    for (int row = 0; row < frmCueList->lvIndex->Items()->Count(); ++row) {
      frmCueList->lvIndex->SetSelected(frmCueList->lvIndex->Items()->Item(row));
      shown.push_back(frmCueList->tPosition->Text() + " " + frmCueList->tLength->Text() + " " +
                      frmCueList->tLabel->Text() + "/" + frmCueList->tNote->Text() + "/" + frmCueList->tText->Text());
    }
  });
  ClickMenu("mnuMarkerList");
  EXPECT_EQ(shown, (std::vector<std::string>{"4410 100 Verse/calm/Verse text", "22050 0 Chorus//Chorus text"}));
  std::string title;
  WhenShown(frmInfo, [&] { title = frmInfo->infoTitle->Text(); });
  frmMain->ShowFileInfo();
  EXPECT_EQ(title, "Night Walk");
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(MainWindowsTest, HelpOpensTheEditorsPageOfTheShippedHelp) {
  ShowMainWithWindows();
  AppFolder = Path("program/");
  std::filesystem::create_directories(AppFolder + "KorvexHelp");
  std::ofstream(AppFolder + "KorvexHelp/Main AE.html") << "help";
  RecordedLauncher launcher;
  SetShellOpener(&launcher);
  ClickMenu("mnuHelpTopics");
  ClickMenu("mnuHelpTopics");
  std::filesystem::remove_all(AppFolder + "KorvexHelp");
  ClickMenu("mnuHelpTopics");
  SetShellOpener(nullptr);
  const std::string page = "file://" + AppFolder + "KorvexHelp/Main%20AE.html";
  EXPECT_EQ(launcher.targets, (std::vector<std::string>{page, page}));
  EXPECT_EQ(messages, (std::vector<std::string>{"The help could not be opened: \"" + AppFolder +
                                                "KorvexHelp\" is missing or has no such page."}));
}

// A stand-in help control: counts its loads and what its entry is asked.
int loads = 0, initialisations = 0, displays = 0;

std::intptr_t CountingEntry(std::intptr_t window, const char*, UINT command, DWORD_PTR data) {
  initialisations += command == HH_INITIALIZE && data != 0;
  displays += command == HH_DISPLAY_TOPIC;
  return window;
}

THtmlHelpLibrary CountingLibrary(bool loadable, bool withEntry) {
  return {[loadable] {
            ++loads;
            return loadable;
          },
          [withEntry](const std::string& name) -> THtmlHelpEntry {
            return withEntry && name == "HtmlHelpA" ? &CountingEntry : nullptr;
          }};
}

std::string ShowHelpMessage() {
  try {
    HtmlHelpCall(nullptr, "/nowhere/Help.chm::/page.html", HH_DISPLAY_TOPIC, 0);
  } catch (const Exception& error) {
    return error.what();
  }
  return "";
}

TEST(HtmlHelpBinding, LoadsAndInitialisesOnceAndSaysWhatIsMissing) {
  SetHtmlHelpLibrary(CountingLibrary(true, true));
  EXPECT_EQ(ShowHelpMessage() + ShowHelpMessage(), "");
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(initialisations, 1);
  EXPECT_EQ(displays, 2);

  // A missing control is looked for again on every call; a missing entry
  // fails every call alike.
  SetHtmlHelpLibrary(CountingLibrary(false, true));
  const std::string notInstalled = "HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!";
  EXPECT_EQ(ShowHelpMessage(), notInstalled);
  EXPECT_EQ(ShowHelpMessage(), notInstalled);
  EXPECT_EQ(loads, 3);
  SetHtmlHelpLibrary(CountingLibrary(true, false));
  EXPECT_EQ(ShowHelpMessage(), "Function HTMLHELP cannot loaded!");
  EXPECT_EQ(ShowHelpMessage(), "Function HTMLHELP cannot loaded!");
  EXPECT_EQ(loads, 4);
  EXPECT_EQ(displays, 2);
  SetHtmlHelpLibrary({});
}

}  // namespace
