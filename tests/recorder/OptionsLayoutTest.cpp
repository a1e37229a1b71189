// The options window and the schedule dialog are built from skinned
// controls as their layout tables say: pages and sub-pages in order, each
// control's kind, page, caption and range.

#include <tuple>

#include "ControlTable.h"
#include "OptionsTestFixture.h"
#include "skin/ZELForm.h"
#include "skin/ZELGroupBox.h"

namespace {

using Row = TControlRow;

std::vector<std::string> TabsOf(TzelPageControl* pages) {
  std::vector<std::string> captions;
  for (int i = 0; i < pages->PageCount(); ++i)
    if (pages->Pages(i)->TabVisible()) captions.push_back(pages->Pages(i)->Caption());
  return captions;
}

class OptionsLayout : public OptionsWindowTest {};

TEST_F(OptionsLayout, PagesSubPagesAndButtonsStandAsTheTableSays) {
  TfrmOptions* options = CreateOptions();
  EXPECT_EQ(options->zelForm1->Caption(), "Velmora MP3 Recorder Pro: Options");
  EXPECT_EQ(options->zelForm1->FileTheme()->Name(), "themeMp10");
  EXPECT_EQ(options->BorderStyle(), bsDialog);
  EXPECT_EQ(options->Position(), poScreenCenter);
  EXPECT_EQ(TabsOf(options->pcOptions),
            (std::vector<std::string>{"Format", "Hotkeys", "Schedule", "Automation", "Save", "EMail", "Device"}));
  EXPECT_EQ(TabsOf(options->pcFormat), (std::vector<std::string>{"WAV", "MP3", "OGG", "WMA"}));
  EXPECT_EQ(TabsOf(options->pcAutomation),
            (std::vector<std::string>{"Voice Activation System", "Auto Split By Time"}));
  EXPECT_EQ(options->pcAutomation->PageCount(), 3) << "stop by volume: a page whose tab is hidden";
  EXPECT_EQ(TabsOf(options->pcSave), (std::vector<std::string>{"Recorder", "Converter", "Splitter", "Joinner"}));
  EXPECT_EQ(options->pcOptions->ActivePage()->Caption(), "Format");

  ExpectControls(options, {
      {"", "zelForm1", "TzelForm", 0, 0, options->ClientWidth(), options->ClientHeight()},
      {"zelForm1", "pcOptions", "TzelPageControl", 8, 30, 504, 392},
      {"zelForm1", "btnDefault", "TzelButton", 256, 430, 80, 26},
      {"zelForm1", "btnOk", "TzelButton", 344, 430, 80, 26},
      {"zelForm1", "btnCancel", "TzelButton", 432, 430, 80, 26},
      {"Format", "pcFormat", "TzelPageControl"},
      {"WAV", "Frequency:", "TLabel"}, {"WAV", "comboWavFreq", "TzelComboBox"},
      {"WAV", "Channels:", "TLabel"}, {"WAV", "comboWavChannels", "TzelComboBox"},
      {"WAV", "Sampling Rate:", "TLabel"}, {"WAV", "comboWavSampleRate", "TzelComboBox"},
      {"MP3", "Frequency:", "TLabel"}, {"MP3", "comboMp3Freq", "TzelComboBox"},
      {"MP3", "Channels:", "TLabel"}, {"MP3", "comboMp3Channels", "TzelComboBox"},
      {"MP3", "Bit Rate:", "TLabel"}, {"MP3", "comboMp3BitRate", "TzelComboBox"},
      {"MP3", "Encoder Quality:", "TLabel"}, {"MP3", "comboMp3EncoderQuality", "TzelComboBox"},
      {"MP3", "Max Bit Rate:", "TLabel"}, {"MP3", "comboMp3MaxBitRate", "TzelComboBox"},
      {"MP3", "VBR Quality:", "TLabel"}, {"MP3", "comboMp3VbrQuality", "TzelComboBox"},
      {"MP3", "VBR(Variable Bit Rate)", "TzelCheckBox"}, {"MP3", "Write VBR header", "TzelCheckBox"},
      {"OGG", "Frequency:", "TLabel"}, {"OGG", "comboOggFreq", "TzelComboBox"},
      {"OGG", "Channels:", "TLabel"}, {"OGG", "comboOggChannels", "TzelComboBox"},
      {"OGG", "Quality:", "TLabel"}, {"OGG", "comboOggQuality", "TzelComboBox"},
      {"WMA", "Format:", "TLabel"}, {"WMA", "comboWmaFormat", "TzelComboBox"},
      {"Hotkeys", " Start record hotkeys ", "TzelGroupBox"}, {"Hotkeys", " Stop record hotkeys ", "TzelGroupBox"},
      {" Start record hotkeys ", "Start hotkey1:", "TzelCheckBox"},
      {" Start record hotkeys ", "Start hotkey2:", "TzelCheckBox"},
      {" Start record hotkeys ", "comboPreStartHotkey1", "TzelComboBox"},
      {" Start record hotkeys ", "comboStartHotkey1", "TzelComboBox"}, {" Start record hotkeys ", "+", "TLabel"},
      {" Stop record hotkeys ", "Stop hotkey1:", "TzelCheckBox"},
      {" Stop record hotkeys ", "Stop hotkey2:", "TzelCheckBox"},
      {" Stop record hotkeys ", "comboPreStopHotkey2", "TzelComboBox"},
      {" Stop record hotkeys ", "comboStopHotkey2", "TzelComboBox"},
      {"Schedule", "listSchedule", "TzelListView"},
      {"Schedule", "Add", "TzelButton"}, {"Schedule", "Edit", "TzelButton"}, {"Schedule", "Tag", "TzelButton"},
      {"Schedule", "Delete", "TzelButton"}, {"Schedule", "Clear", "TzelButton"}, {"Schedule", "Save", "TzelButton"},
      {"Schedule", "Load", "TzelButton"},
      {"Automation", "pcAutomation", "TzelPageControl"},
      {"Voice Activation System", "Enabled VOX(Voice Activation System)", "TzelCheckBox"},
      {"Voice Activation System", "Silence Detection Threshold", "TLabel"},
      {"Voice Activation System", "editAttackLevel", "TzelSpinEdit"},
      {"Voice Activation System", "dB (-92 to 0)", "TLabel"},
      {"Voice Activation System", "After ", "TLabel"},
      {"Voice Activation System", "editReleaseTime", "TzelSpinEdit"},
      {"Voice Activation System", "milliseconds of silence:", "TLabel"},
      {"Voice Activation System", "Stop recording and start a new track when sound starts.", "TzelRadioButton"},
      {"Voice Activation System", "Pause recording and continue when sound starts.", "TzelRadioButton"},
      {"Auto Split By Time", "Activate Auto Splitter", "TzelCheckBox"},
      {"Auto Split By Time", "Time limit", "TzelGroupBox"},
      {"Time limit", "editTimeMinute", "TzelSpinEdit"}, {"Time limit", "minutes", "TLabel"},
      {"Time limit", "editTimeSecond", "TzelSpinEdit"}, {"Time limit", "seconds", "TLabel"},
      {"Auto Split By Time", "Stop recording when reach time limit", "TzelRadioButton"},
      {"Auto Split By Time", "Record to a new track when reach time limit", "TzelRadioButton"},
      {"Auto Stop By Volume", "cboxVolumeStop", "TzelCheckBox"},
      {"Auto Stop By Volume", "editVolumeLevel", "TzelSpinEdit"},
      {"Auto Stop By Volume", "editVolumeTime", "TzelSpinEdit"},
      {"Save", "pcSave", "TzelPageControl"},
      {"EMail", "Email subject:", "TLabel"}, {"EMail", "editSubject", "TzelEdit"},
      {"EMail", "Email Content:", "TLabel"}, {"EMail", "memoBody", "TzelMemo"},
      {"Device", "Select input device", "TLabel"}, {"Device", "comboDevice", "TzelComboBox"},
  });
  for (const char* page : {"Recorder", "Converter", "Splitter", "Joinner"}) {
    const std::string name = page;
    std::vector<Row> rows{{name, "Output path:", "TLabel"},
                          {name, "edit" + name + "Path", "TzelEdit"},
                          {name, "...", "TzelButton"},
                          {name, "Save file name:", "TLabel"},
                          {name, "If same as an existed file", "TLabel"},
                          {name, "Add \"New\" after filename", "TzelRadioButton"},
                          {name, "Overwrite the existed file", "TzelRadioButton"}};
    if (name == "Recorder" || name == "Joinner") {
      for (Row row : {Row{name, "edit" + name + "PreName", "TzelEdit"}, Row{name, "Date", "TzelCheckBox"},
                      Row{name, "Time", "TLabel"}, Row{name, "edit" + name + "PosName", "TzelEdit"}})
        rows.push_back(row);
    } else {
      rows.push_back({name, "Save to original file path", "TzelRadioButton"});
      rows.push_back({name, "Always save to ", "TzelRadioButton"});
    }
    ExpectControls(options, rows);
  }
  EXPECT_EQ(PlainControlsOf(options, {}), std::set<std::string>{});
}

TEST_F(OptionsLayout, ControlsCarryTheirRangesTextsAndHints) {
  TfrmOptions* options = CreateOptions();
  const auto range = [](const TSpinBox& box) { return std::make_pair(box.Edit->MinValue(), box.Edit->MaxValue()); };
  EXPECT_EQ(range(options->spinAttackLevel), std::make_pair(-92, 0));
  EXPECT_EQ(range(options->spinReleaseTime), std::make_pair(50, 9999));
  EXPECT_EQ(range(options->spinTimeMinute), std::make_pair(0, 1440));
  EXPECT_EQ(range(options->spinTimeSecond), std::make_pair(0, 59));
  EXPECT_EQ(range(options->spinVolumeLevel), std::make_pair(1, 99));
  EXPECT_EQ(range(options->spinVolumeTime), std::make_pair(0, 99));
  // Read-only boxes take no typing; the release time does.
  for (const TSpinBox* box : {&options->spinAttackLevel, &options->spinTimeMinute, &options->spinTimeSecond})
    EXPECT_FALSE(box->Edit->EditorEnabled()) << box->Edit->Name();
  EXPECT_TRUE(options->spinReleaseTime.Edit->EditorEnabled());
  for (const TOutputPage* page : {&options->recorderPage, &options->converterPage, &options->splitterPage,
                                  &options->joinerPage})
    EXPECT_TRUE(page->Folder->ReadOnly());
  EXPECT_EQ(options->listSchedule->Columns()->Count(), 4);
  EXPECT_TRUE(options->listSchedule->Checkboxes());
  EXPECT_EQ(options->memoBody->ScrollBars(), ssVertical);
  ASSERT_NE(options->memoBody->VScrollBar(), nullptr);
  EXPECT_EQ(std::make_pair(options->btnDefault->Caption(), options->btnDefault->Hint()),
            std::make_pair(std::string("&Default"), std::string("Set all setting to default")));
  EXPECT_EQ(options->btnOk->Hint(), "Ok");
  EXPECT_EQ(options->btnCancel->Hint(), "Cancel");
  EXPECT_TRUE(options->btnCancel->Cancel()) << "Escape closes the window";
  // Everything wears the frame's theme.
  for (TControl* control : ControlsOf(options))
    if (control->HasProperty("FileTheme") && control->Owner() == options) {
      EXPECT_EQ(control->GetProp<TComponent*>("FileTheme"), options->zelForm1->FileTheme()) << control->Name();
    }
}

TEST_F(OptionsLayout, TheScheduleDialogIsBuiltAsItsTableSays) {
  CreateOptions();
  TfrmSchedule* dialog = frmSchedule;
  EXPECT_EQ(dialog->zelForm1->Caption(), "Select time:");
  EXPECT_EQ(dialog->zelForm1->FileTheme()->Name(), "themeMp10");
  ExpectControls(dialog, {
      {"", "zelForm1", "TzelForm", 0, 0, dialog->ClientWidth(), dialog->ClientHeight()},
      {"zelForm1", "Start at:", "TLabel", 8, 36, -1, -1},
      {"zelForm1", "editStartHour", "TzelSpinEdit", 70, 34, 44, 17},
      {"zelForm1", "editStartMinute", "TzelSpinEdit", 160, 34, 44, 17},
      {"zelForm1", "editStartSecond", "TzelSpinEdit", 260, 34, 44, 17},
      {"zelForm1", "Stop at:", "TLabel", 8, 66, -1, -1},
      {"zelForm1", "editStopHour", "TzelSpinEdit", 70, 64, 44, 17},
      {"zelForm1", "editStopMinute", "TzelSpinEdit", 160, 64, 44, 17},
      {"zelForm1", "editStopSecond", "TzelSpinEdit", 260, 64, 44, 17},
      {"zelForm1", "rbDaily", "TzelRadioButton", 8, 96, 90, 20},
      {"zelForm1", "rbOnce", "TzelRadioButton", 8, 120, 90, 20},
      {"zelForm1", "rbWeekly", "TzelRadioButton", 8, 144, 90, 20},
      {"zelForm1", "rbMonthly", "TzelRadioButton", 8, 168, 90, 20},
      {"zelForm1", "rbAnnually", "TzelRadioButton", 8, 192, 90, 20},
      {"zelForm1", "dtpDate", "TDateTimePicker", 120, 119, 270, 22},
      {"zelForm1", "comboWeekDay", "TzelComboBox", 120, 143, 120, 22},
      {"zelForm1", "comboMonthDay", "TzelComboBox", 120, 167, 60, 22},
      {"zelForm1", "comboMonth", "TzelComboBox", 120, 191, 120, 22},
      {"zelForm1", "comboYearDay", "TzelComboBox", 250, 191, 60, 22},
      {"zelForm1", "btnConfirm", "TzelButton", 220, 226, 80, 26},
      {"zelForm1", "btnCancel", "TzelButton", 308, 226, 80, 26},
  });
  EXPECT_EQ(PlainControlsOf(dialog, {"TDateTimePicker"}), std::set<std::string>{});
  const auto spin = [](const TSpinBox& box) {
    return std::make_tuple(box.Edit->MinValue(), box.Edit->MaxValue(), box.Value(), box.Edit->EditorEnabled());
  };
  EXPECT_EQ(spin(dialog->spinStartHour), std::make_tuple(0, 23, 0, false));
  EXPECT_EQ(spin(dialog->spinStartMinute), std::make_tuple(0, 59, 0, false));
  EXPECT_EQ(spin(dialog->spinStartSecond), std::make_tuple(0, 59, 0, false));
  EXPECT_EQ(spin(dialog->spinStopHour), std::make_tuple(0, 23, 1, false));
  EXPECT_EQ(spin(dialog->spinStopMinute), std::make_tuple(0, 59, 0, false));
  EXPECT_EQ(spin(dialog->spinStopSecond), std::make_tuple(0, 59, 0, false));
  EXPECT_TRUE(dialog->rbDaily->Checked());
  for (TzelComboBox* list : {dialog->comboWeekDay, dialog->comboMonthDay, dialog->comboMonth, dialog->comboYearDay}) {
    EXPECT_FALSE(list->Enabled());
    EXPECT_EQ(list->ItemIndex(), 0);
  }
  EXPECT_EQ(dialog->comboWeekDay->Items()->Count(), 7);
  EXPECT_EQ(dialog->comboMonth->Items()->Count(), 12);
  EXPECT_EQ(dialog->comboYearDay->Items()->Count(), 31);
  EXPECT_FALSE(dialog->dtpDate->Enabled());
  EXPECT_EQ(dialog->btnConfirm->Caption(), "Add");
  EXPECT_TRUE(dialog->btnConfirm->Default());
  EXPECT_TRUE(dialog->btnCancel->Cancel());
  // The rows stay below the title bar and the buttons inside the window.
  EXPECT_GE(dialog->spinStartHour.Edit->Top(), dialog->zelForm1->TitleBar()->Height());
  EXPECT_LE(dialog->btnCancel->Top() + dialog->btnCancel->Height(), dialog->ClientHeight() - 4);
}

}  // namespace
