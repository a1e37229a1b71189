#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "HeadlessWindows.h"
#include "platform/os/Files.h"
#include "platform/os/Folders.h"
#include "platform/os/MainThread.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/Options.h"
#include "recorder/RecorderFolders.h"

namespace {

// Points the per-user folders into the scratch folder for one test.
class StartUpTest : public HeadlessWindowsTest {
 protected:
  std::string home;
  void SetUp() override {
    HeadlessWindowsTest::SetUp();
    home = Scratch();
    Keep("HOME");
    Keep("XDG_CONFIG_HOME");
    Keep("XDG_DOCUMENTS_DIR");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "config").c_str(), 1);
    unsetenv("XDG_DOCUMENTS_DIR");
  }
  void TearDown() override {
    HeadlessWindowsTest::TearDown();
    for (auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }

 private:
  void Keep(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(StartUpTest, FoldersAreNamedAndCreated) {
  const std::string documents = SHGetSpecialFolderPath(CSIDL_PERSONAL);
  ASSERT_TRUE(SetUpRecorderFolders());
  EXPECT_EQ(AppFolder, GetProgramFolder());
  EXPECT_EQ(SettingsFolder, home + "config/Velmora Mp3 Recorder/");
  EXPECT_EQ(RecordedFolder, documents + "Velmora Mp3 Recorder/Recorded files/");
  EXPECT_EQ(ConvertedFolder, documents + "Velmora Mp3 Recorder/Converted files/");
  EXPECT_EQ(SplittedFolder, documents + "Velmora Mp3 Recorder/Splitted files/");
  EXPECT_EQ(MergedFolder, documents + "Velmora Mp3 Recorder/Merged files/");
  for (const std::string& folder : {SettingsFolder, RecordedFolder, ConvertedFolder, SplittedFolder, MergedFolder})
    EXPECT_TRUE(DirectoryExists(folder)) << folder;
  // A second start finds them there and keeps what they hold.
  std::filesystem::create_directories(RecordedFolder + "kept");
  EXPECT_TRUE(SetUpRecorderFolders());
  EXPECT_TRUE(DirectoryExists(RecordedFolder + "kept"));
}

TEST_F(StartUpTest, AFolderThatCannotBeMadeIsReported) {
  // A file where the settings folder should go.
  std::filesystem::create_directories(home + "config");
  std::ofstream(home + "config/Velmora Mp3 Recorder") << "x";
  EXPECT_FALSE(SetUpRecorderFolders());
  EXPECT_TRUE(DirectoryExists(RecordedFolder));
}

TEST_F(StartUpTest, MainWindowSetsUpFoldersMetersAndHotkeyThread) {
  Application->CreateForm(frmMain);
  EXPECT_EQ(Application->MainForm(), frmMain);
  EXPECT_TRUE(DirectoryExists(SettingsFolder));
  EXPECT_TRUE(frmMain->HotkeyThreadRunning());
  for (TMyAmpBar* meter : {frmMain->LeftMeter(), frmMain->RightMeter()}) {
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(meter->Parent(), frmMain->plVisualizationBG);
    EXPECT_EQ(meter->Width(), 10);
    EXPECT_EQ(meter->Height(), 93);
    EXPECT_TRUE(meter->Vertical());
    EXPECT_EQ(meter->MaxValue(), 100);
    EXPECT_EQ(meter->BackgroundColor(), kMeterBackground);
    EXPECT_EQ(meter->LowColor(), kMeterIdleLow);
  }
  EXPECT_EQ(frmMain->LeftMeter()->Align(), alLeft);
  EXPECT_EQ(frmMain->RightMeter()->Align(), alRight);
  EXPECT_EQ(frmMain->RightMeter()->Left(), 237 - 10);
  Application->DestroyForms();
  frmMain = nullptr;
}

TEST_F(StartUpTest, OptionsButtonShowsTheOptionsWindowModally) {
  Application->CreateForm(frmMain);
  Application->CreateForm(frmOptions);
  frmMain->Show();
  bool wasModal = false;
  PostToMainThread([&] {
    wasModal = frmOptions->IsModal();
    frmOptions->SetModalResult(mrCancel);
  });
  frmMain->btnOptions->Click();
  EXPECT_TRUE(wasModal);
  EXPECT_FALSE(frmOptions->Visible());
  Application->DestroyForms();
  frmMain = nullptr;
  frmOptions = nullptr;
}

}  // namespace
