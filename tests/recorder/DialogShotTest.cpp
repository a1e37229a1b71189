// The recorder's dialogs as the screen shows them, compared with the
// reference pictures in tests/recorder/shots/, in the dialogs' own theme
// and in the silver theme. After an intended change of look:
//   VELMORA_UPDATE_SHOTS=1 build/tests/recorder/test_recorder --gtest_filter='DialogShot*'
// then look at every picture before committing them.

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "OptionsTestFixture.h"
#include "platform/os/MainThread.h"
#include "recorder/Confirm.h"
#include "recorder/DialogFrame.h"
#include "recorder/PathSelect.h"
#include "resources/Resources.h"
#include "skin/ZELForm.h"
#include "skin/ZELMgr.h"
#include "tests/shots/ReferenceShot.h"

namespace {

struct TShotTheme {
  const char* name;      // in the pictures' names
  const char* resource;  // the embedded theme file
};
// The dialogs' own theme file, and the built-in look the frame starts in.
const TShotTheme kThemes[] = {{"mp10", kRecorderThemeResource1}, {"deepblue", nullptr}};

class DialogShot : public OptionsWindowTest, public ::testing::WithParamInterface<TShotTheme> {
 protected:
  // Dresses the dialog in the theme under test.
  void Wear(TForm* dialog, TzelForm* frame) {
    if (!GetParam().resource) {
      frame->SetFileTheme(nullptr);
      frame->SetUIStyle(DeepBlue);
      ThemeDialogControls(dialog, frame);
      return;
    }
    auto* theme = new TzelBuiltInFileTheme(dialog);
    theme->LoadSkinData(LoadResourceData(GetParam().resource));
    frame->SetFileTheme(theme);
    ThemeDialogControls(dialog, frame);
  }

  // Shows the dialog modally, compares what it shows once `act` ran with
  // the reference NAME-THEME.png, and closes it.
  void Expect(TForm* dialog, const std::string& name, const std::function<void()>& act,
              const std::function<int()>& show) {
    std::string difference = "the dialog did not show";
    int keyColoured = 0;
    PostToMainThread([&] {
      act();
      HeadlessPumpUntilIdle();
      const std::unique_ptr<TBitmap> shot = ShootWindow(dialog->Handle());
      difference = CompareWithReference(*shot, "recorder/shots/" + name + "-" + GetParam().name + ".png");
      keyColoured = KeyColourPixels(*shot);
      dialog->SetModalResult(mrCancel);
    });
    show();
    EXPECT_EQ(difference, "");
    EXPECT_EQ(keyColoured, 0) << name;
  }
};

TEST_P(DialogShot, Confirm) {
  TfrmConfirm* dialog = nullptr;
  Application->CreateForm(dialog);
  Wear(dialog, dialog->zelForm1);
  dialog->SetConfirmMode(CONFIRM_QUESTION);
  dialog->SetConfirmText("Recording in progress, do you want to stop it ?");
  Expect(dialog, "confirm-question", [] {}, [&] { return dialog->ShowModal(); });
  dialog->SetConfirmMode(CONFIRM_MESSAGE);
  dialog->SetConfirmText("Done");
  Expect(dialog, "confirm-message", [] {}, [&] { return dialog->ShowModal(); });
}

TEST_P(DialogShot, PathSelect) {
  // A home of known folders, so the tree shows the same on every machine.
  const std::string home = Scratch() + "home";
  for (const char* folder : {"Music", "Podcasts", "Recordings/2026"}) std::filesystem::create_directories(home + "/" + folder);
  const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("HOME", home.c_str(), 1);
  TfrmPathSelect* dialog = nullptr;
  Application->CreateForm(dialog);
  setenv("HOME", oldHome.c_str(), 1);
  Wear(dialog, dialog->zelForm1);
  dialog->ShellTreeView1->SetSelectedFolder(home + "/Recordings/2026");
  Expect(dialog, "path-select", [] {}, [&] { return dialog->ShowModal(); });
}

TEST_P(DialogShot, Schedule) {
  CreateOptions();
  TfrmSchedule* dialog = frmSchedule;
  Wear(dialog, dialog->zelForm1);
  dialog->SetScheduleButtonCaption("Edit");
  dialog->ShowScheduleEntry(7, 30, 0, 8, 15, 0, 5, 3, 2027, 0);
  Expect(dialog, "schedule", [] {}, [&] { return dialog->ShowModal(); });
}

TEST_P(DialogShot, OptionsOnEveryPage) {
  TfrmOptions* options = CreateOptions();
  Wear(options, options->zelForm1);
  // Texts of the same length everywhere, whatever folder the test runs in.
  for (TOutputPage* page : {&options->recorderPage, &options->converterPage, &options->splitterPage,
                            &options->joinerPage})
    page->Folder->SetText("/home/velmora/Music/" + page->Page->Caption() + "/");
  options->comboDevice->Items()->Add("Built-in Audio Analog Stereo");
  options->comboDevice->SetItemIndex(0);
  options->AddScheduleEntry("07:30:00", "08:15:00", true, 0, 0, 0, 1);
  options->AddScheduleEntry("22:00:00", "23:30:00", false, 0, 0, 0, 0);
  options->cboxMp3Vbr->SetChecked(true);
  // Every page with its first sub-page, and the busiest other sub-pages.
  struct TPageShot {
    int page;
    TzelTabSheet* subPage;
    const char* name;
  };
  const TPageShot shots[] = {{0, options->pcFormat->Pages(0), "format"},
                             {0, options->pcFormat->Pages(1), "format-mp3"},
                             {1, nullptr, "hotkeys"},
                             {2, nullptr, "schedule"},
                             {3, options->pcAutomation->Pages(0), "automation"},
                             {3, options->pcAutomation->Pages(1), "automation-split"},
                             {4, options->recorderPage.Page, "save"},
                             {4, options->converterPage.Page, "save-converter"},
                             {5, nullptr, "email"},
                             {6, nullptr, "device"}};
  for (const TPageShot& shot : shots)
    Expect(options, std::string("options-") + shot.name, [&] {
      options->ShowPage(shot.page);
      if (shot.subPage) shot.subPage->PageControl()->SetActivePage(shot.subPage);
    }, [&] { return options->ShowModal(); });
}

INSTANTIATE_TEST_SUITE_P(Themes, DialogShot, ::testing::ValuesIn(kThemes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
