// The editor's options window over a real editor engine and a scratch
// settings folder: the settings file on first run, key by key both ways,
// odd values, the engine following the controls, Cancel and Default, and
// the window as it shows on each page.
//   VELMORA_UPDATE_SHOTS=1 build/tests/editor/test_editor --gtest_filter='*Shot*'

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "editor/GlobeVar.h"
#include "editor/Options.h"
#include "editor/OptionsColors.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "platform/framework/Dialogs.h"
#include "platform/framework/IniFiles.h"
#include "platform/os/MainThread.h"
#include "platform/win/Headless.h"
#include "platform/win/NativeDialogs.h"
#include "resources/Resources.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormControls.h"
#include "skin/ZELMgr.h"
#include "tests/shots/ReferenceShot.h"

namespace {

class EditorOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitWindowSystem(TBackendKind::Headless);
    HeadlessSetScreen(Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 740));
    HeadlessResetDialogs();
    char pattern[] = "/tmp/editor-options-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = std::string(pattern) + "/";
    oldSettingsFolder_ = SettingsFolder;
    oldTempFolder_ = TempFolder;
    SettingsFolder = root_ + "settings/";
    TempFolder = root_ + "temp/";
    std::filesystem::create_directories(SettingsFolder);
    std::filesystem::create_directories(TempFolder);
    Application->CreateForm(mainForm);
    mainForm->SetBounds(0, 0, 640, 360);
    editor = new TAudioEditor2(mainForm);
    editor->SetBounds(0, 0, 600, 300);
    editor->SetParent(mainForm);
    mainForm->Show();
  }
  void TearDown() override {
    Application->DestroyForms();
    ShutdownWindowSystem();
    frmOptions = nullptr;
    SettingsFolder = oldSettingsFolder_;
    TempFolder = oldTempFolder_;
    std::filesystem::remove_all(root_);
  }

  TfrmOptions* CreateOptions() {
    TOptionsMainLink link;
    link.Editor = editor;
    link.SetShowMilliseconds = [this](bool value) { showMilliseconds = value; };
    Application->CreateForm(frmOptions, link);
    return frmOptions;
  }

  std::string SettingsPath() const { return SettingsFolder + OptionsFileName; }
  std::string Stored(const std::string& section, const std::string& key) {
    return TIniFile(SettingsPath()).ReadString(section, key, "<missing>");
  }
  void Store(const std::map<std::string, std::map<std::string, std::string>>& sections) {
    std::ofstream out(SettingsPath());
    for (const auto& [section, keys] : sections) {
      out << "[" << section << "]\n";
      for (const auto& [key, value] : keys) out << key << "=" << value << "\n";
    }
  }

  // Shows the window modally, runs `act` inside, and closes it with the
  // button given (OK, Cancel).
  void WhileShown(TfrmOptions* options, const std::function<void()>& act, TzelButton* closeWith) {
    PostToMainThread([&] {
      act();
      closeWith->Click();
    });
    options->ShowModal();
  }

  TColor EngineColor(int line) { return (editor->Colors()->*ColorLines()[line].Get)(); }

  std::string root_, oldSettingsFolder_, oldTempFolder_;
  TForm* mainForm = nullptr;
  TAudioEditor2* editor = nullptr;
  bool showMilliseconds = true;
};

TEST_F(EditorOptionsTest, FirstRunWritesTheFactoryValuesAndPublishesThem) {
  editor->PlaybackDevice()->SetBufferSize(2000);
  editor->Colors()->SetGrid(RGB(1, 2, 3));
  CreateOptions();

  EXPECT_EQ(Stored("System", "BufferSize"), "500");
  EXPECT_EQ(Stored("System", "BufferCount"), "4");
  EXPECT_EQ(Stored("System", "BufferTick"), "50");
  EXPECT_EQ(Stored("System", "TempPath"), TempFolder);
  EXPECT_EQ(Stored("System", "AudioInfo"), "1");
  EXPECT_EQ(Stored("OutputFormat", "MP3BitRate"), "6");
  EXPECT_EQ(Stored("OutputFormat", "MP3VBREnable"), "0");
  EXPECT_EQ(Stored("OutputFormat", "WmaFormat"), "14");
  EXPECT_EQ(Stored("OutputFormat", "Selected"), "<missing>");
  EXPECT_EQ(Stored("Scales", "HType"), "1");
  EXPECT_EQ(Stored("Scales", "VType"), "1");
  const int defaults[kColorLineCount] = {11268124, 5668352, 0,       2500260, 6309664, 11272192, 16777215, 2500260, 5188612,
                                         65535,    14474460, 10454895, 16442840, 0,     8224255,  16759844, 4276545};
  for (int i = 0; i < kColorLineCount; ++i) {
    EXPECT_EQ(Stored("Colors", ColorLines()[i].Key), std::to_string(defaults[i])) << ColorLines()[i].Key;
    EXPECT_EQ(EngineColor(i), static_cast<TColor>(defaults[i])) << ColorLines()[i].Key;
  }

  // The engine follows the factory values.
  for (IAudioEditor2Device* device : {editor->PlaybackDevice(), editor->RecordingDevice()}) {
    EXPECT_EQ(device->BufferSize(), 500);
    EXPECT_EQ(device->BufferCount(), 4);
    EXPECT_EQ(device->BufferTick(), 50);
  }
  EXPECT_EQ(editor->TempDirectory(), TempFolder);
  EXPECT_TRUE(editor->FileInfo()->AudioInfoEnabled());
  EXPECT_EQ(editor->ScaleX()->ScaleType(), kScaleMilliseconds);
  EXPECT_EQ(editor->ScaleY()->ScaleType(), kScaleNormalised);
  EXPECT_TRUE(showMilliseconds);

  // Decoded as the recorder decodes its own format page.
  EXPECT_EQ(WavFreq, 44100);
  EXPECT_EQ(WavChannels, 2);
  EXPECT_EQ(WavSampleRate, 16);
  EXPECT_EQ(MP3Freq, 44100);
  EXPECT_EQ(MP3Channels, 2);
  EXPECT_EQ(MP3BitRate, 112);
  EXPECT_EQ(MP3MaxBitRate, 112);
  EXPECT_EQ(MP3EncoderQuality, 0);
  EXPECT_FALSE(MP3VBREnable);
  EXPECT_EQ(OggFreq, 44100);
  EXPECT_EQ(OggBitRate, 699);
  EXPECT_EQ(WmaFormat, 15);
}

TEST_F(EditorOptionsTest, EveryKeyGoesThroughWindowAndEngineUnchanged) {
  const std::string otherTemp = root_ + "other temp/";
  std::filesystem::create_directories(otherTemp);
  std::map<std::string, std::map<std::string, std::string>> file{
      {"System",
       {{"BufferSize", "1230"}, {"BufferCount", "7"}, {"BufferTick", "20"}, {"TempPath", otherTemp},
        {"AudioInfo", "0"}}},
      {"OutputFormat",
       {{"WavFreq", "2"}, {"WavChannels", "0"}, {"WavSampleRate", "0"}, {"MP3Freq", "2"}, {"MP3Channels", "0"},
        {"MP3EncoderQuality", "3"}, {"MP3BitRate", "1"}, {"MP3MaxBitRate", "0"}, {"MP3VBRQuality", "4"},
        {"MP3VBRHeader", "1"}, {"MP3VBREnable", "1"}, {"OggFreq", "0"}, {"OggChannels", "0"}, {"OggBitRate", "9"},
        {"WmaFormat", "7"}}},
      {"Scales",
       {{"HVisible", "0"}, {"HGrid", "1"}, {"HType", "0"}, {"VVisible", "1"}, {"VGrid", "0"}, {"VType", "2"}}},
  };
  for (int i = 0; i < kColorLineCount; ++i) file["Colors"][ColorLines()[i].Key] = std::to_string(1000 * i + 7);
  Store(file);

  TfrmOptions* options = CreateOptions();
  EXPECT_EQ(editor->PlaybackDevice()->BufferSize(), 1230);
  EXPECT_EQ(editor->RecordingDevice()->BufferCount(), 7);
  EXPECT_EQ(editor->RecordingDevice()->BufferTick(), 20);
  EXPECT_EQ(editor->TempDirectory(), otherTemp);
  EXPECT_FALSE(editor->FileInfo()->AudioInfoEnabled());
  EXPECT_FALSE(editor->ScaleX()->Visible());
  EXPECT_TRUE(editor->ScaleX()->GridVisible());
  EXPECT_EQ(editor->ScaleX()->ScaleType(), kScaleSamples);
  EXPECT_FALSE(showMilliseconds);
  EXPECT_FALSE(editor->ScaleY()->GridVisible());
  EXPECT_EQ(editor->ScaleY()->ScaleType(), kScaleDecibels);
  for (int i = 0; i < kColorLineCount; ++i) EXPECT_EQ(EngineColor(i), static_cast<TColor>(1000 * i + 7));
  EXPECT_EQ(options->plColorSample->Color(), static_cast<TColor>(7));
  EXPECT_TRUE(options->comboMp3MaxBitRate->Enabled());
  EXPECT_EQ(WavFreq, 22050);
  EXPECT_EQ(MP3BitRate, 256);
  EXPECT_EQ(MP3EncoderQuality, 3);
  EXPECT_EQ(MP3VBRQuality, 4);
  EXPECT_TRUE(MP3VBRHeader);
  EXPECT_EQ(OggBitRate, 999);
  EXPECT_EQ(WmaFormat, 8);

  std::filesystem::remove(SettingsPath());
  options->SaveOptions();
  for (const auto& [section, keys] : file)
    for (const auto& [key, value] : keys) EXPECT_EQ(Stored(section, key), value) << section << "/" << key;
}

TEST_F(EditorOptionsTest, OddValuesFallBackToDefaultsOrIntoRange) {
  Store({{"System", {{"BufferSize", "99999"}, {"BufferCount", "lots"}, {"BufferTick", "-3"},
                     {"TempPath", root_ + "gone/"}, {"AudioInfo", "2"}}},
         {"OutputFormat", {{"WavFreq", "7"}, {"MP3BitRate", "-1"}, {"WmaFormat", "15"}, {"MP3VBREnable", "x"}}},
         {"Scales", {{"HType", "2"}, {"VType", "-1"}}},
         {"Colors", {{"Grid", "16777216"}, {"Cursor", "-1"}, {"Font", "green"}, {"Background", "16777215"}}}});
  TfrmOptions* options = CreateOptions();

  // Spins bring numbers into their ranges; no number is the default.
  EXPECT_EQ(editor->PlaybackDevice()->BufferSize(), 10000);
  EXPECT_EQ(editor->PlaybackDevice()->BufferCount(), 4);
  EXPECT_EQ(editor->RecordingDevice()->BufferTick(), 10);
  // A folder that is gone: the settings folder, in the box and the engine.
  EXPECT_EQ(options->editTempDir->Text(), SettingsFolder);
  EXPECT_EQ(editor->TempDirectory(), SettingsFolder);
  EXPECT_TRUE(options->cboxAudioInfo->Checked());
  // List indexes outside their lists: the key's default.
  EXPECT_EQ(options->comboWavFreq->ItemIndex(), 5);
  EXPECT_EQ(options->comboMp3BitRate->ItemIndex(), 6);
  EXPECT_EQ(options->comboWmaFormat->ItemIndex(), 0);
  EXPECT_FALSE(options->cboxMp3Vbr->Checked());
  EXPECT_EQ(options->comboHType->ItemIndex(), 1);
  EXPECT_EQ(options->comboVType->ItemIndex(), 1);
  EXPECT_EQ(editor->ScaleY()->ScaleType(), kScaleNormalised);
  // Colours outside 24 bits or not numbers: the default.
  EXPECT_EQ(editor->Colors()->Grid(), RGB(4, 44, 79));
  EXPECT_EQ(editor->Colors()->Cursor(), RGB(255, 255, 0));
  EXPECT_EQ(editor->Colors()->Font(), RGB(0, 0, 0));
  EXPECT_EQ(editor->Colors()->Background(), RGB(255, 255, 255));

  options->SaveOptions();
  EXPECT_EQ(Stored("System", "BufferSize"), "10000");
  EXPECT_EQ(Stored("System", "BufferTick"), "10");
  EXPECT_EQ(Stored("OutputFormat", "WavFreq"), "5");
  EXPECT_EQ(Stored("Scales", "HType"), "1");
}

TEST_F(EditorOptionsTest, AFolderThatCannotBeWrittenStartsWithTheFactoryValuesSilently) {
  // A file where the settings folder should be: nothing can be written there.
  std::ofstream(root_ + "blocked") << "x";
  SettingsFolder = root_ + "blocked/";
  editor->PlaybackDevice()->SetBufferSize(3000);
  TfrmOptions* options = CreateOptions();
  EXPECT_EQ(editor->PlaybackDevice()->BufferSize(), 500);
  EXPECT_EQ(WmaFormat, 15);
  EXPECT_NO_THROW(options->SaveOptions());
  EXPECT_NO_THROW(Application->DestroyForms());
}

TEST_F(EditorOptionsTest, ControlsActAtOnceAndCancelPutsEverythingBack) {
  TfrmOptions* options = CreateOptions();
  const TColor grid = editor->Colors()->Grid();
  WhileShown(options, [&] {
    options->spinBufferSize->SetText("1000");
    EXPECT_EQ(editor->PlaybackDevice()->BufferSize(), 1000);
    EXPECT_EQ(editor->RecordingDevice()->BufferSize(), 1000);
    options->cboxAudioInfo->SetChecked(false);
    EXPECT_FALSE(editor->FileInfo()->AudioInfoEnabled());
    options->cboxVGrid->SetChecked(false);
    EXPECT_FALSE(editor->ScaleY()->GridVisible());
    options->comboHType->SetItemIndex(0);
    options->comboHTypeChange(options->comboHType);
    EXPECT_EQ(editor->ScaleX()->ScaleType(), kScaleSamples);
    EXPECT_FALSE(showMilliseconds);
    options->lbColors->SetItemIndex(8);
    options->lbColorsClick(options->lbColors);
    EXPECT_EQ(options->plColorSample->Color(), grid);
    HeadlessQueueColorDialogAnswer({true, RGB(9, 8, 7)});
    options->btnChangeColor->Click();
    EXPECT_EQ(editor->Colors()->Grid(), RGB(9, 8, 7));
    options->comboMp3BitRate->SetItemIndex(0);
  }, options->btnCancel);

  EXPECT_EQ(editor->PlaybackDevice()->BufferSize(), 500);
  EXPECT_EQ(editor->RecordingDevice()->BufferSize(), 500);
  EXPECT_TRUE(editor->FileInfo()->AudioInfoEnabled());
  EXPECT_TRUE(editor->ScaleY()->GridVisible());
  EXPECT_EQ(editor->ScaleX()->ScaleType(), kScaleMilliseconds);
  EXPECT_TRUE(showMilliseconds);
  EXPECT_EQ(editor->Colors()->Grid(), grid);
  EXPECT_EQ(options->comboMp3BitRate->ItemIndex(), 6);
  EXPECT_EQ(MP3BitRate, 112);
  // Nothing cancelled reaches the file, now or at exit.
  Application->DestroyForms();
  EXPECT_EQ(Stored("System", "BufferSize"), "500");
  EXPECT_EQ(Stored("Colors", "Grid"), std::to_string(grid));
}

TEST_F(EditorOptionsTest, DefaultThenCancelGivesBackWhatWasInForce) {
  Store({{"System", {{"BufferSize", "3000"}}}, {"Colors", {{"Cursor", "255"}}}, {"Scales", {{"VType", "0"}}}});
  TfrmOptions* options = CreateOptions();
  WhileShown(options, [&] {
    options->btnDefault->Click();
    EXPECT_EQ(editor->PlaybackDevice()->BufferSize(), 500);
    EXPECT_EQ(editor->Colors()->Cursor(), RGB(255, 255, 0));
    EXPECT_EQ(editor->ScaleY()->ScaleType(), kScaleNormalised);
    EXPECT_EQ(options->comboWmaFormat->ItemIndex(), 14);
  }, options->btnCancel);
  EXPECT_EQ(editor->PlaybackDevice()->BufferSize(), 3000);
  EXPECT_EQ(editor->Colors()->Cursor(), static_cast<TColor>(255));
  EXPECT_EQ(editor->ScaleY()->ScaleType(), kScaleValues);
  EXPECT_EQ(Stored("System", "BufferSize"), "3000");

  // Default then OK publishes and writes the factory values.
  WhileShown(options, [&] { options->btnDefault->Click(); }, options->btnOk);
  EXPECT_EQ(Stored("System", "BufferSize"), "500");
  EXPECT_EQ(Stored("Colors", "Cursor"), "65535");
  EXPECT_EQ(Stored("OutputFormat", "WmaFormat"), "14");
  EXPECT_EQ(WmaFormat, 15);
}

TEST_F(EditorOptionsTest, OkPublishesAndWritesWhatTheEngineShows) {
  TfrmOptions* options = CreateOptions();
  WhileShown(options, [&] {
    options->comboOggQuality->SetItemIndex(2);
    options->cboxMp3Vbr->SetChecked(true);
    options->lbColors->SetItemIndex(2);
    HeadlessQueueColorDialogAnswer({true, RGB(10, 20, 30)});
    options->btnChangeColor->Click();
  }, options->btnOk);
  EXPECT_EQ(OggBitRate, 299);
  EXPECT_TRUE(MP3VBREnable);
  EXPECT_EQ(Stored("OutputFormat", "OggBitRate"), "2");
  EXPECT_EQ(Stored("Colors", "Background"), std::to_string(RGB(10, 20, 30)));

  // A colour set on the engine by anyone is what the file keeps at exit.
  editor->Colors()->SetFont(RGB(1, 1, 1));
  Application->DestroyForms();
  EXPECT_EQ(Stored("Colors", "Font"), std::to_string(RGB(1, 1, 1)));
}

TEST_F(EditorOptionsTest, ChangeColorWithoutALineOnlyChangesTheSample) {
  TfrmOptions* options = CreateOptions();
  const std::array<TColor, kColorLineCount> before = [&] {
    std::array<TColor, kColorLineCount> colors{};
    for (int i = 0; i < kColorLineCount; ++i) colors[i] = EngineColor(i);
    return colors;
  }();
  options->lbColors->SetItemIndex(-1);
  HeadlessQueueColorDialogAnswer({true, RGB(200, 100, 50)});
  options->btnChangeColor->Click();
  EXPECT_EQ(options->plColorSample->Color(), RGB(200, 100, 50));
  for (int i = 0; i < kColorLineCount; ++i) EXPECT_EQ(EngineColor(i), before[i]);
  // The dialog opens fully, on the sample's colour; a cancelled one changes nothing.
  ASSERT_FALSE(HeadlessShownDialogs().empty());
  EXPECT_TRUE(HeadlessShownDialogs().back().FullOpen);
  options->btnChangeColor->Click();
  EXPECT_EQ(HeadlessShownDialogs().back().Color, RGB(200, 100, 50));
  EXPECT_EQ(options->plColorSample->Color(), RGB(200, 100, 50));
}

TEST_F(EditorOptionsTest, TempFolderButtonShowsWhatTheEngineTook) {
  TfrmOptions* options = CreateOptions();
  const std::string chosen = root_ + "chosen/";
  std::filesystem::create_directories(chosen);
  HeadlessQueueFolderDialogAnswer({true, chosen});
  options->btnTempDir->Click();
  ASSERT_FALSE(HeadlessShownDialogs().empty());
  EXPECT_EQ(HeadlessShownDialogs().back().Title, "Select Temp Directory");
  EXPECT_EQ(HeadlessShownDialogs().back().Folder, TempFolder);
  EXPECT_EQ(editor->TempDirectory(), chosen);
  EXPECT_EQ(options->editTempDir->Text(), chosen);
  // No folder chosen: the engine keeps its folder.
  options->btnTempDir->Click();
  EXPECT_EQ(editor->TempDirectory(), chosen);
  EXPECT_EQ(options->editTempDir->Text(), chosen);
}

// --- pictures ---------------------------------------------------------------

struct TShotTheme {
  const char* name;      // in the pictures' names
  const char* resource;  // the embedded theme file
};
// The editor's two theme files.
const TShotTheme kThemes[] = {{"theme1", kEditorThemeResource1}, {"theme2", kEditorThemeResource2}};

class EditorOptionsShot : public EditorOptionsTest, public ::testing::WithParamInterface<TShotTheme> {};

TEST_P(EditorOptionsShot, EveryPage) {
  TfrmOptions* options = CreateOptions();
  auto* theme = new TzelBuiltInFileTheme(options);
  theme->LoadSkinData(LoadResourceData(GetParam().resource));
  options->zelForm1->SetFileTheme(theme);
  ThemeDialogControls(options, options->zelForm1);
  // The same text wherever the test runs.
  options->editTempDir->SetText("/tmp/velmora/");
  options->lbColors->SetItemIndex(1);
  options->lbColorsClick(options->lbColors);
  struct TPageShot {
    int page;
    int subPage;  // of "Format"
    const char* name;
  };
  const TPageShot shots[] = {{0, -1, "system"}, {1, 0, "format-wav"}, {1, 1, "format-mp3"},
                             {1, 3, "format-wma"}, {2, -1, "scales"},    {3, -1, "colors"}};
  for (const TPageShot& shot : shots) {
    std::string difference = "the window did not show";
    PostToMainThread([&] {
      options->ShowPage(shot.page);
      if (shot.subPage >= 0) options->pcFormat->SetActivePage(options->pcFormat->Pages(shot.subPage));
      HeadlessPumpUntilIdle();
      difference = CompareWithReference(*ShootWindow(options->Handle()), std::string("editor/shots/options-") +
                                                                             shot.name + "-" + GetParam().name +
                                                                             ".png");
      options->btnCancel->Click();
    });
    options->ShowModal();
    EXPECT_EQ(difference, "") << shot.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Themes, EditorOptionsShot, ::testing::ValuesIn(kThemes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
