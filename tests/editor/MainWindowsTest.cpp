// The windows around the document from the main window: markers and a
// title added through them mark the document, survive File > Save and
// show again once the file is reopened; the Help command opens the
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
#include "skin/ZELRadioGroup.h"

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
  static void AddMarker(const std::string& position, const std::string& label) {
    frmCueList->tPosition->SetText(position);
    frmCueList->tLength->SetText("0");
    frmCueList->tLabel->SetText(label);
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
    AddMarker("4410", "Verse");
    AddMarker("22050", "Chorus");
  });
  ClickMenu("mnuMarkerList");
  WhenShown(frmInfo, [] {
    frmInfo->infoTitle->SetText("Night Walk");
    frmInfo->btnApply->Click();
  });
  frmMain->ShowFileInfo();
  EXPECT_TRUE(frmMain->Modified);
  EXPECT_EQ(frmMain->EditCount, 3);

  ClickMenu("mnuSave");
  EXPECT_FALSE(frmMain->Modified);
  frmMain->AE->OpenFile(tone);

  std::vector<std::string> shown;
  WhenShown(frmCueList, [&] {
    for (int row = 0; row < frmCueList->lvIndex->Items()->Count(); ++row) {
      frmCueList->lvIndex->SetSelected(frmCueList->lvIndex->Items()->Item(row));
      shown.push_back(frmCueList->tPosition->Text() + " " + frmCueList->tLabel->Text());
    }
  });
  ClickMenu("mnuMarkerList");
  EXPECT_EQ(shown, (std::vector<std::string>{"4410 Verse", "22050 Chorus"}));
  std::string title;
  WhenShown(frmInfo, [&] { title = frmInfo->infoTitle->Text(); });
  frmMain->ShowFileInfo();
  EXPECT_EQ(title, "Night Walk");
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowsTest, AConversionMarksTheDocumentSoClosingAsks) {
  ShowMainWithWindows();
  chosenFiles.push_back(WriteTone("tone.wav", 4410));
  frmMain->OpenFile();
  WhenShown(frmConvert, [] {
    frmConvert->rgCnannels->SetItemIndex(0);
    frmConvert->OKBtn->Click();
  });
  ClickMenu("mnuConvertSampleType");
  EXPECT_EQ(frmMain->AE->FileInfo()->Channels(), 1);
  EXPECT_TRUE(frmMain->Modified);
  answers.push_back(IDCANCEL);
  bool canClose = true;
  frmMain->OnCloseQuery(frmMain, canClose);
  EXPECT_FALSE(canClose);
  ASSERT_EQ(messages.size(), 1u);
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

TEST_F(MainWindowsTest, TheHelpBindingLoadsOnceAndSaysWhatIsMissing) {
  int loads = 0, initialisations = 0, displays = 0;
  static int* initialised = nullptr;
  static int* displayed = nullptr;
  initialised = &initialisations;
  displayed = &displays;
  THtmlHelpEntry entry = [](std::intptr_t window, const char*, UINT command, DWORD_PTR data) -> std::intptr_t {
    if (command == HH_INITIALIZE && data != 0) ++*initialised;
    if (command == HH_DISPLAY_TOPIC) ++*displayed;
    return window;
  };
  const auto library = [&](bool loadable, bool withEntry) {
    return THtmlHelpLibrary{[&loads, loadable] {
                              ++loads;
                              return loadable;
                            },
                            [entry, withEntry](const std::string& name) {
                              return withEntry && name == "HtmlHelpA" ? entry : nullptr;
                            }};
  };
  const auto message = [](const std::function<void()>& call) {
    try {
      call();
    } catch (const Exception& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  const auto show = [] { HtmlHelpCall(nullptr, "/nowhere/Help.chm::/page.html", HH_DISPLAY_TOPIC, 0); };

  SetHtmlHelpLibrary(library(true, true));
  show();
  show();
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(initialisations, 1);
  EXPECT_EQ(displays, 2);

  loads = 0;
  SetHtmlHelpLibrary(library(false, true));
  EXPECT_EQ(message(show), "HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
  EXPECT_EQ(message(show), "HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
  EXPECT_EQ(loads, 2);

  loads = 0;
  SetHtmlHelpLibrary(library(true, false));
  EXPECT_EQ(message(show), "Function HTMLHELP cannot loaded!");
  EXPECT_EQ(message(show), "Function HTMLHELP cannot loaded!");
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(displays, 2);
  SetHtmlHelpLibrary({});
}

}  // namespace
