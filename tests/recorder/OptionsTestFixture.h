#pragma once
// The options window created as at program start, over a scratch settings
// folder, with a plain main window in front of it.

#include <fstream>
#include <sstream>
#include <string>

#include "HeadlessWindows.h"
#include "platform/framework/IniFiles.h"
#include "recorder/GlobeVar.h"
#include "recorder/Options.h"
#include "recorder/SetTime.h"

class OptionsWindowTest : public HeadlessWindowsTest {
 protected:
  void SetUp() override {
    HeadlessWindowsTest::SetUp();
    const std::string root = Scratch();
    SettingsFolder = root + "settings/";
    std::filesystem::create_directories(SettingsFolder);
    RecordedFolder = root + "Recorded files/";
    ConvertedFolder = root + "Converted files/";
    SplittedFolder = root + "Splitted files/";
    MergedFolder = root + "Merged files/";
    SettingsFileName = "QmtCfg.ini";
    ScheduleFileName = "Current.vsk";
    Application->CreateForm(mainForm);
    mainForm->Show();
  }
  void TearDown() override {
    HeadlessWindowsTest::TearDown();
    frmOptions = nullptr;
    frmSchedule = nullptr;
  }

  TfrmOptions* CreateOptions() {
    Application->CreateForm(frmOptions);
    Application->CreateForm(frmSchedule);
    return frmOptions;
  }

  std::string SettingsPath() const { return SettingsFolder + SettingsFileName; }
  std::string SchedulePath() const { return SettingsFolder + ScheduleFileName; }

  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string Stored(const std::string& section, const std::string& key) {
    return TIniFile(SettingsPath()).ReadString(section, key, "<missing>");
  }

  TForm* mainForm = nullptr;
};
