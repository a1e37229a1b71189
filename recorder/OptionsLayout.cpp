// Builds the controls of the options window. Each page is a tab of the
// page control; Format, Automation and Save hold page controls of their
// own whose tabs are the sub-pages.

#include "platform/framework/SysUtils.h"
#include "recorder/DialogControls.h"
#include "recorder/Options.h"
#include "recorder/OptionsLists.h"
#include "skin/ZELGroupBox.h"
#include "skin/ZELScrollBar.h"

namespace {

TzelComboBox* AddList(TWinControl* parent, const std::string& name, const TChoiceList& lines, int left, int top,
                      int width = 150) {
  auto* list = Place<TzelComboBox>(parent, name, left, top, width, 22);
  list->SetStyle(csDropDownList);
  for (const auto& line : lines) list->Items()->Add(line);
  return list;
}

// Radio buttons of one parent choose among those of the same group.
TzelRadioButton* AddRadio(TWinControl* parent, const std::string& name, const std::string& caption, int group,
                          int left, int top, int width) {
  auto* button = AddCaptioned<TzelRadioButton>(parent, name, caption, left, top, width);
  button->SetGroupIndex(group);
  button->SetTransparent(true);
  return button;
}

TSpinBox AddSpin(TWinControl* parent, const std::string& name, int left, int top, int min, int max,
                 bool readOnly) {
  return MakeSpinBox(FormOf(parent), parent, name, left, top, 64, min, max, readOnly);
}

// A page control filling a page, for its sub-pages.
TzelPageControl* AddSubPages(TWinControl* page, const std::string& name) {
  auto* pages = Place<TzelPageControl>(page, name, 0, 0, 100, 100);
  pages->SetAlign(alClient);
  return pages;
}

// Label and list rows of a format sub-page, one under the other.
class TFormatRows {
 public:
  explicit TFormatRows(TWinControl* page) : page_(page) {}
  TzelComboBox* Add(const std::string& caption, const std::string& name, const TChoiceList& lines,
                    TLabel** label = nullptr) {
    TLabel* made = AddLabel(page_, caption, 16, top_ + 3, 120);
    if (label) *label = made;
    TzelComboBox* list = AddList(page_, name, lines, 140, top_, 180);
    top_ += kRowPitch;
    return list;
  }
  TzelCheckBox* Check(const std::string& caption, const std::string& name) {
    auto* check = AddCheck(page_, name, caption, 16, top_ + 1, 240);
    top_ += kRowPitch;
    return check;
  }

 private:
  static constexpr int kRowPitch = 30;
  TWinControl* page_;
  int top_ = 16;
};

}  // namespace

TzelTabSheet* TfrmOptions::AddPage(TzelPageControl* pages, const std::string& caption) {
  auto* page = new TzelTabSheet(this);
  page->SetCaption(caption);
  page->SetParent(pages);
  return page;
}

void TfrmOptions::BuildFormatPage() {
  pcFormat = AddSubPages(AddPage(pcOptions, "Format"), "pcFormat");
  TFormatRows wav(AddPage(pcFormat, "WAV"));
  comboWavFreq = wav.Add("Frequency:", "comboWavFreq", WavFrequencyChoices());
  comboWavChannels = wav.Add("Channels:", "comboWavChannels", ChannelChoices());
  comboWavSampleRate = wav.Add("Sampling Rate:", "comboWavSampleRate", SampleSizeChoices());

  TFormatRows mp3(AddPage(pcFormat, "MP3"));
  comboMp3Freq = mp3.Add("Frequency:", "comboMp3Freq", Mp3FrequencyChoices());
  comboMp3Channels = mp3.Add("Channels:", "comboMp3Channels", ChannelChoices());
  comboMp3BitRate = mp3.Add("Bit Rate:", "comboMp3BitRate", BitRateChoices());
  comboMp3EncoderQuality = mp3.Add("Encoder Quality:", "comboMp3EncoderQuality", Mp3QualityChoices());
  cboxMp3Vbr = mp3.Check("VBR(Variable Bit Rate)", "cboxMp3Vbr");
  comboMp3MaxBitRate = mp3.Add("Max Bit Rate:", "comboMp3MaxBitRate", BitRateChoices(), &lblMp3MaxBitRate);
  comboMp3VbrQuality = mp3.Add("VBR Quality:", "comboMp3VbrQuality", Mp3QualityChoices(), &lblMp3VbrQuality);
  cboxMp3VbrHeader = mp3.Check("Write VBR header", "cboxMp3VbrHeader");
  cboxMp3Vbr->OnClick = [this](TObject* s) { cboxMp3VbrClick(s); };

  TFormatRows ogg(AddPage(pcFormat, "OGG"));
  comboOggFreq = ogg.Add("Frequency:", "comboOggFreq", Mp3FrequencyChoices());
  comboOggChannels = ogg.Add("Channels:", "comboOggChannels", ChannelChoices());
  comboOggQuality = ogg.Add("Quality:", "comboOggQuality", OggQualityChoices());

  TzelTabSheet* wma = AddPage(pcFormat, "WMA");
  AddLabel(wma, "Format:", 16, 19, 120);
  comboWmaFormat = AddList(wma, "comboWmaFormat", InitialWmaChoices(), 140, 16, 300);
}

void TfrmOptions::BuildHotkeyPage() {
  TzelTabSheet* page = AddPage(pcOptions, "Hotkeys");
  auto* start = AddCaptioned<TzelGroupBox>(page, "gbStartHotkeys", " Start record hotkeys ", 8, 8, 484, 96);
  auto* stop = AddCaptioned<TzelGroupBox>(page, "gbStopHotkeys", " Stop record hotkeys ", 8, 116, 484, 96);
  const char* captions[] = {"Start hotkey1:", "Start hotkey2:", "Stop hotkey1:", "Stop hotkey2:"};
  const char* names[] = {"StartHotkey1", "StartHotkey2", "StopHotkey1", "StopHotkey2"};
  for (int i = 0; i < 4; ++i) {
    TzelGroupBox* group = i < 2 ? start : stop;
    const int top = 28 + (i % 2) * 32;
    THotkeyRow& row = hotkeyRows[i];
    row.Use = AddCheck(group, std::string("cbox") + names[i], captions[i], 16, top + 1, 116);
    row.Modifier = AddList(group, std::string("comboPre") + names[i], ModifierChoices(), 140, top, 120);
    row.Plus = AddLabel(group, "+", 270, top + 3, 12);
    row.Key = AddList(group, std::string("combo") + names[i], KeyChoices(), 288, top, 120);
    row.Use->OnClick = [this](TObject* s) { HotkeyUseClick(s); };
  }
}

void TfrmOptions::BuildSchedulePage() {
  TzelTabSheet* page = AddPage(pcOptions, "Schedule");
  listSchedule = Place<TzelListView>(page, "listSchedule", 8, 8, 390, page->ClientHeight() - 16);
  listSchedule->SetCheckboxes(true);
  listSchedule->SetRowSelect(true);
  const char* headers[] = {"Use", "Start time", "Stop time", "Frequency"};
  const int widths[] = {32, 80, 80, 180};
  for (int column = 0; column < 4; ++column) {
    TListColumn* header = listSchedule->Columns()->Add();
    header->SetCaption(headers[column]);
    header->SetWidth(widths[column]);
    if (column > 0) header->SetAlignment(taCenter);
  }
  listSchedule->OnColumnClick = [this](TObject* s, TListColumn* column) { listScheduleColumnClick(s, column); };
  listSchedule->OnChange = [this](TObject* s, TListItem* item, TItemChange change) {
    listScheduleChange(s, item, change);
  };
  int top = 8;
  const auto button = [&](const std::string& name, const std::string& caption) {
    auto* made = AddCaptioned<TzelButton>(page, name, caption, 406, top, 86, 26);
    top += 34;
    return made;
  };
  btnAdd = button("btnAdd", "Add");
  btnEdit = button("btnEdit", "Edit");
  btnTag = button("btnTag", "Tag");
  btnDelete = button("btnDelete", "Delete");
  btnClear = button("btnClear", "Clear");
  btnSave = button("btnSave", "Save");
  btnLoad = button("btnLoad", "Load");
  btnAdd->OnClick = [this](TObject* s) { btnAddClick(s); };
  btnEdit->OnClick = [this](TObject* s) { btnEditClick(s); };
  btnTag->OnClick = [this](TObject* s) { btnEditClick(s); };
  btnDelete->OnClick = [this](TObject* s) { btnDeleteClick(s); };
  btnClear->OnClick = [this](TObject* s) { btnClearClick(s); };
  btnSave->OnClick = [this](TObject* s) { btnSaveClick(s); };
  btnLoad->OnClick = [this](TObject* s) { btnLoadClick(s); };
}

void TfrmOptions::BuildAutomationPage() {
  pcAutomation = AddSubPages(AddPage(pcOptions, "Automation"), "pcAutomation");
  TzelTabSheet* vox = AddPage(pcAutomation, "Voice Activation System");
  cboxVox = AddCheck(vox, "cboxVox", "Enabled VOX(Voice Activation System)", 16, 16, 320);
  AddLabel(vox, "Silence Detection Threshold", 16, 55, 180);
  spinAttackLevel = AddSpin(vox, "editAttackLevel", 200, 52, -92, 0, true);
  AddLabel(vox, "dB (-92 to 0)", 272, 55, 120);
  AddLabel(vox, "After ", 16, 91, 40);
  spinReleaseTime = AddSpin(vox, "editReleaseTime", 60, 88, 50, 9999, false);
  AddLabel(vox, "milliseconds of silence:", 132, 91, 200);
  rbVoxNewTrack = AddRadio(vox, "rbVoxNewTrack", "Stop recording and start a new track when sound starts.", 0, 16,
                           128, 440);
  rbVoxPause = AddRadio(vox, "rbVoxPause", "Pause recording and continue when sound starts.", 0, 16, 156, 440);
  rbVoxPause->SetChecked(true);
  cboxVox->OnClick = [this](TObject* s) { cboxVoxClick(s); };
  spinReleaseTime.Edit->OnKeyPress = [this](TObject* s, char32_t& key) { ReleaseTimeKeyPress(s, key); };
  spinReleaseTime.Edit->OnChange = [this, remember = spinReleaseTime.Edit->OnChange](TObject* s) {
    remember(s);
    ReleaseTimeChange(s);
  };

  TzelTabSheet* split = AddPage(pcAutomation, "Auto Split By Time");
  cboxAutoSplit = AddCheck(split, "cboxAutoSplit", "Activate Auto Splitter", 16, 16, 320);
  auto* limit = AddCaptioned<TzelGroupBox>(split, "gbTimeLimit", "Time limit", 16, 48, 320, 64);
  spinTimeMinute = AddSpin(limit, "editTimeMinute", 16, 26, 0, 1440, true);
  AddLabel(limit, "minutes", 88, 29, 60);
  spinTimeSecond = AddSpin(limit, "editTimeSecond", 168, 26, 0, 59, true);
  AddLabel(limit, "seconds", 240, 29, 60);
  rbSplitStop = AddRadio(split, "rbSplitStop", "Stop recording when reach time limit", 0, 16, 128, 440);
  rbSplitNewRecord = AddRadio(split, "rbSplitNewRecord", "Record to a new track when reach time limit", 0, 16, 156,
                              440);
  rbSplitNewRecord->SetChecked(true);
  cboxAutoSplit->OnClick = [this](TObject* s) { cboxAutoSplitClick(s); };

  // Stop by volume: kept in the settings file only; its tab never shows.
  TzelTabSheet* volume = AddPage(pcAutomation, "Auto Stop By Volume");
  volume->SetTabVisible(false);
  cboxVolumeStop = AddCheck(volume, "cboxVolumeStop", "Stop by volume", 16, 16, 120);
  spinVolumeLevel = AddSpin(volume, "editVolumeLevel", 140, 14, 1, 99, true);
  spinVolumeTime = AddSpin(volume, "editVolumeTime", 212, 14, 0, 99, true);
  volumeControls = {spinVolumeLevel.Edit, spinVolumeTime.Edit};
  cboxVolumeStop->OnClick = [this](TObject* s) { cboxVolumeStopClick(s); };
}

TOutputPage TfrmOptions::BuildOutputPage(const std::string& name, bool withNameParts) {
  TOutputPage out;
  TzelTabSheet* page = AddPage(pcSave, name);
  AddLabel(page, "Output path:", 16, 21, 90);
  out.Folder = AddEdit(page, "edit" + name + "Path", 112, 18, 320);
  out.Folder->SetReadOnly(true);
  out.Browse = AddCaptioned<TzelButton>(page, "btn" + name + "Path", "...", 438, 18, 30, 22);
  out.Browse->OnClick = [this](TObject* s) { FolderButtonClick(s); };
  AddLabel(page, "Save file name:", 16, 57, 92);
  if (withNameParts) {
    out.Prefix = AddEdit(page, "edit" + name + "PreName", 112, 54, 80);
    AddLabel(page, "+", 198, 57, 10);
    out.UseDate = AddCheck(page, "cbox" + name + "UseDate", "Date", 212, 55, 56);
    AddLabel(page, "+", 272, 57, 10);
    AddLabel(page, "Time", 286, 57, 32);
    AddLabel(page, "+", 322, 57, 10);
    out.Suffix = AddEdit(page, "edit" + name + "PosName", 336, 54, 96);
    out.Prefix->OnKeyPress = [this](TObject* s, char32_t& key) { NameEditKeyPress(s, key); };
    out.Suffix->OnKeyPress = [this](TObject* s, char32_t& key) { NameEditKeyPress(s, key); };
  } else {
    out.ToSource = AddRadio(page, "rb" + name + "ToSource", "Save to original file path", 1, 112, 56, 196);
    out.ToAppointed = AddRadio(page, "rb" + name + "ToAppointed", "Always save to ", 1, 316, 56, 150);
    out.ToSource->SetChecked(true);
  }
  AddLabel(page, "If same as an existed file", 16, 93, 200);
  out.AddNew = AddRadio(page, "rb" + name + "AddNew", "Add \"New\" after filename", 2, 32, 120, 196);
  out.Overwrite = AddRadio(page, "rb" + name + "Overwrite", "Overwrite the existed file", 2, 236, 120, 196);
  out.AddNew->SetChecked(true);
  out.Page = page;
  return out;
}

void TfrmOptions::BuildSavePages() {
  pcSave = AddSubPages(AddPage(pcOptions, "Save"), "pcSave");
  recorderPage = BuildOutputPage("Recorder", true);
  converterPage = BuildOutputPage("Converter", false);
  splitterPage = BuildOutputPage("Splitter", false);
  joinerPage = BuildOutputPage("Joinner", true);
}

void TfrmOptions::BuildMailAndDevicePages() {
  TzelTabSheet* mail = AddPage(pcOptions, "EMail");
  AddLabel(mail, "Email subject:", 16, 19, 100);
  editSubject = AddEdit(mail, "editSubject", 120, 16, 364);
  editSubject->SetText("Share with you");
  AddLabel(mail, "Email Content:", 16, 52, 120);
  memoBody = Place<TzelMemo>(mail, "memoBody", 16, 72, 468, mail->ClientHeight() - 88);
  memoBody->SetScrollBars(ssVertical);
  memoBody->SetVScrollBar(Place<TzelScrollBar>(mail, "sbBody", 0, 0, 16, 16));
  memoBody->Lines()->SetText("Hi");

  TzelTabSheet* device = AddPage(pcOptions, "Device");
  AddLabel(device, "Select input device", 16, 19, 200);
  comboDevice = AddList(device, "comboDevice", {}, 16, 40, 400);
  comboDevice->OnChange = [this](TObject* s) { comboDeviceChange(s); };
}
