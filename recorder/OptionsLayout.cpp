// Builds the controls of the options window. Each page is a tab sheet;
// its sub-pages are group boxes on it.

#include "platform/framework/SysUtils.h"
#include "recorder/Options.h"
#include "recorder/OptionsLists.h"

namespace {

// Every control belongs to the form, whatever panel it stands on.
TComponent* FormOf(TWinControl* parent) {
  for (TWinControl* p = parent; p; p = p->Parent())
    if (auto* form = dynamic_cast<TCustomForm*>(p)) return form;
  return parent;
}

template <class T>
T* Place(TWinControl* parent, const std::string& name, int left, int top, int width, int height) {
  auto* control = new T(FormOf(parent));
  if (!name.empty()) control->SetName(name);
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  return control;
}

TLabel* AddLabel(TWinControl* parent, const std::string& caption, int left, int top, int width = 100) {
  auto* label = Place<TLabel>(parent, "", left, top, width, 16);
  label->SetCaption(caption);
  return label;
}

// A plain holder that makes a pair of radio buttons one group.
TPanel* AddRadioGroup(TWinControl* parent, int left, int top, int width, int height) {
  auto* holder = Place<TPanel>(parent, "", left, top, width, height);
  holder->SetBevelOuter(bvNone);
  holder->SetCaption("");
  return holder;
}

TComboBox* AddList(TWinControl* parent, const std::string& name, const TChoiceList& lines, int left, int top,
                   int width = 150) {
  auto* list = Place<TComboBox>(parent, name, left, top, width, 22);
  list->SetStyle(csDropDownList);
  for (const auto& line : lines) list->Items()->Add(line);
  return list;
}

template <class T>
T* AddCaptioned(TWinControl* parent, const std::string& name, const std::string& caption, int left, int top,
                int width = 160, int height = 20) {
  auto* control = Place<T>(parent, name, left, top, width, height);
  control->SetCaption(caption);
  return control;
}

TEdit* AddEdit(TWinControl* parent, const std::string& name, int left, int top, int width) {
  return Place<TEdit>(parent, name, left, top, width, 22);
}

TSpinBox AddSpin(TWinControl* parent, const std::string& name, int left, int top, int min, int max,
                 bool readOnly) {
  return MakeSpinBox(FormOf(parent), parent, name, left, top, 60, min, max, readOnly);
}

}  // namespace

TTabSheet* TfrmOptions::AddPage(const std::string& caption) {
  auto* page = new TTabSheet(this);
  page->SetCaption(caption);
  page->SetPageControl(pcOptions);
  return page;
}

void TfrmOptions::BuildFormatPage() {
  TTabSheet* page = AddPage("Format");
  auto* wav = AddCaptioned<TGroupBox>(page, "", "WAV", 4, 4, 240, 110);
  AddLabel(wav, "Frequency:", 8, 20);
  comboWavFreq = AddList(wav, "comboWavFreq", WavFrequencyChoices(), 110, 18, 120);
  AddLabel(wav, "Channels:", 8, 48);
  comboWavChannels = AddList(wav, "comboWavChannels", ChannelChoices(), 110, 46, 120);
  AddLabel(wav, "Sampling Rate:", 8, 76);
  comboWavSampleRate = AddList(wav, "comboWavSampleRate", SampleSizeChoices(), 110, 74, 120);

  auto* mp3 = AddCaptioned<TGroupBox>(page, "", "MP3", 250, 4, 250, 260);
  AddLabel(mp3, "Frequency:", 8, 20);
  comboMp3Freq = AddList(mp3, "comboMp3Freq", Mp3FrequencyChoices(), 115, 18, 125);
  AddLabel(mp3, "Channels:", 8, 48);
  comboMp3Channels = AddList(mp3, "comboMp3Channels", ChannelChoices(), 115, 46, 125);
  AddLabel(mp3, "Bit Rate:", 8, 76);
  comboMp3BitRate = AddList(mp3, "comboMp3BitRate", BitRateChoices(), 115, 74, 125);
  AddLabel(mp3, "Encoder Quality:", 8, 104);
  comboMp3EncoderQuality = AddList(mp3, "comboMp3EncoderQuality", Mp3QualityChoices(), 115, 102, 125);
  cboxMp3Vbr = AddCaptioned<TCheckBox>(mp3, "cboxMp3Vbr", "VBR(Variable Bit Rate)", 8, 132, 230);
  lblMp3MaxBitRate = AddLabel(mp3, "Max Bit Rate:", 8, 160);
  comboMp3MaxBitRate = AddList(mp3, "comboMp3MaxBitRate", BitRateChoices(), 115, 158, 125);
  lblMp3VbrQuality = AddLabel(mp3, "VBR Quality:", 8, 188);
  comboMp3VbrQuality = AddList(mp3, "comboMp3VbrQuality", Mp3QualityChoices(), 115, 186, 125);
  cboxMp3VbrHeader = AddCaptioned<TCheckBox>(mp3, "cboxMp3VbrHeader", "Write VBR header", 8, 216, 230);
  cboxMp3Vbr->OnClick = [this](TObject* s) { cboxMp3VbrClick(s); };

  auto* ogg = AddCaptioned<TGroupBox>(page, "", "OGG", 4, 120, 240, 110);
  AddLabel(ogg, "Frequency:", 8, 20);
  comboOggFreq = AddList(ogg, "comboOggFreq", Mp3FrequencyChoices(), 110, 18, 120);
  AddLabel(ogg, "Channels:", 8, 48);
  comboOggChannels = AddList(ogg, "comboOggChannels", ChannelChoices(), 110, 46, 120);
  AddLabel(ogg, "Quality:", 8, 76);
  comboOggQuality = AddList(ogg, "comboOggQuality", OggQualityChoices(), 110, 74, 120);

  auto* wma = AddCaptioned<TGroupBox>(page, "", "WMA", 4, 270, 496, 56);
  AddLabel(wma, "Format:", 8, 22, 60);
  comboWmaFormat = AddList(wma, "comboWmaFormat", InitialWmaChoices(), 70, 20, 250);
}

void TfrmOptions::BuildHotkeyPage() {
  TTabSheet* page = AddPage("Hotkeys");
  auto* start = AddCaptioned<TGroupBox>(page, "", " Start record hotkeys ", 4, 4, 496, 90);
  auto* stop = AddCaptioned<TGroupBox>(page, "", " Stop record hotkeys ", 4, 100, 496, 90);
  const char* captions[] = {"Start hotkey1:", "Start hotkey2:", "Stop hotkey1:", "Stop hotkey2:"};
  const char* names[] = {"StartHotkey1", "StartHotkey2", "StopHotkey1", "StopHotkey2"};
  for (int i = 0; i < 4; ++i) {
    TGroupBox* group = i < 2 ? start : stop;
    const int top = 22 + (i % 2) * 30;
    THotkeyRow& row = hotkeyRows[i];
    row.Use = AddCaptioned<TCheckBox>(group, std::string("cbox") + names[i], captions[i], 8, top, 110);
    row.Modifier = AddList(group, std::string("comboPre") + names[i], ModifierChoices(), 125, top, 110);
    row.Plus = AddLabel(group, "+", 245, top + 2, 12);
    row.Key = AddList(group, std::string("combo") + names[i], KeyChoices(), 262, top, 110);
    row.Use->OnClick = [this](TObject* s) { HotkeyUseClick(s); };
  }
}

void TfrmOptions::BuildSchedulePage() {
  TTabSheet* page = AddPage("Schedule");
  listSchedule = Place<TListView>(page, "listSchedule", 4, 4, 400, 320);
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
  btnAdd = AddCaptioned<TButton>(page, "btnAdd", "Add", 412, 24, 84, 24);
  btnEdit = AddCaptioned<TButton>(page, "btnEdit", "Edit", 412, 54, 84, 24);
  btnTag = AddCaptioned<TButton>(page, "btnTag", "Tag", 412, 84, 84, 24);
  btnDelete = AddCaptioned<TButton>(page, "btnDelete", "Delete", 412, 114, 84, 24);
  btnClear = AddCaptioned<TButton>(page, "btnClear", "Clear", 412, 144, 84, 24);
  btnSave = AddCaptioned<TButton>(page, "btnSave", "Save", 412, 174, 84, 24);
  btnLoad = AddCaptioned<TButton>(page, "btnLoad", "Load", 412, 204, 84, 24);
  btnAdd->OnClick = [this](TObject* s) { btnAddClick(s); };
  btnEdit->OnClick = [this](TObject* s) { btnEditClick(s); };
  btnTag->OnClick = [this](TObject* s) { btnEditClick(s); };
  btnDelete->OnClick = [this](TObject* s) { btnDeleteClick(s); };
  btnClear->OnClick = [this](TObject* s) { btnClearClick(s); };
  btnSave->OnClick = [this](TObject* s) { btnSaveClick(s); };
  btnLoad->OnClick = [this](TObject* s) { btnLoadClick(s); };
}

void TfrmOptions::BuildAutomationPage() {
  TTabSheet* page = AddPage("Automation");
  auto* vox = AddCaptioned<TGroupBox>(page, "", "Voice Activation System", 4, 4, 496, 150);
  cboxVox = AddCaptioned<TCheckBox>(vox, "cboxVox", "Enabled VOX(Voice Activation System)", 8, 20, 300);
  AddLabel(vox, "Silence Detection Threshold", 8, 50, 180);
  spinAttackLevel = AddSpin(vox, "editAttackLevel", 195, 48, -92, 0, true);
  AddLabel(vox, "dB (-92 to 0)", 260, 50);
  AddLabel(vox, "After ", 8, 78, 40);
  spinReleaseTime = AddSpin(vox, "editReleaseTime", 50, 76, 50, 9999, false);
  AddLabel(vox, "milliseconds of silence:", 115, 78, 180);
  auto* voxMode = AddRadioGroup(vox, 8, 100, 480, 44);
  rbVoxNewTrack = AddCaptioned<TRadioButton>(voxMode, "rbVoxNewTrack",
                                             "Stop recording and start a new track when sound starts.", 0, 0, 470);
  rbVoxPause = AddCaptioned<TRadioButton>(voxMode, "rbVoxPause", "Pause recording and continue when sound starts.",
                                          0, 22, 470);
  rbVoxPause->SetChecked(true);
  cboxVox->OnClick = [this](TObject* s) { cboxVoxClick(s); };
  spinReleaseTime.Edit->OnKeyPress = [this](TObject* s, char32_t& key) { ReleaseTimeKeyPress(s, key); };
  spinReleaseTime.Edit->OnChange = [this](TObject* s) { ReleaseTimeChange(s); };

  auto* split = AddCaptioned<TGroupBox>(page, "", "Auto Split By Time", 4, 160, 496, 150);
  cboxAutoSplit = AddCaptioned<TCheckBox>(split, "cboxAutoSplit", "Activate Auto Splitter", 8, 20, 300);
  auto* limit = AddCaptioned<TGroupBox>(split, "", "Time limit", 8, 44, 300, 50);
  spinTimeMinute = AddSpin(limit, "editTimeMinute", 8, 20, 0, 1440, true);
  AddLabel(limit, "minutes", 72, 22, 60);
  spinTimeSecond = AddSpin(limit, "editTimeSecond", 140, 20, 0, 59, true);
  AddLabel(limit, "seconds", 204, 22, 60);
  auto* splitMode = AddRadioGroup(split, 8, 98, 480, 44);
  rbSplitStop = AddCaptioned<TRadioButton>(splitMode, "rbSplitStop", "Stop recording when reach time limit", 0, 0,
                                           470);
  rbSplitNewRecord = AddCaptioned<TRadioButton>(splitMode, "rbSplitNewRecord",
                                                "Record to a new track when reach time limit", 0, 22, 470);
  rbSplitNewRecord->SetChecked(true);
  cboxAutoSplit->OnClick = [this](TObject* s) { cboxAutoSplitClick(s); };

  // Stop by volume: kept in the settings file only, never shown.
  auto* volume = AddCaptioned<TGroupBox>(page, "", "Auto Stop By Volume", 4, 316, 496, 60);
  volume->SetVisible(false);
  cboxVolumeStop = AddCaptioned<TCheckBox>(volume, "cboxVolumeStop", "Stop by volume", 8, 20, 120);
  spinVolumeLevel = AddSpin(volume, "editVolumeLevel", 130, 20, 1, 99, true);
  spinVolumeTime = AddSpin(volume, "editVolumeTime", 200, 20, 0, 99, true);
  volumeControls = {spinVolumeLevel.Edit, spinVolumeLevel.Spin, spinVolumeTime.Edit, spinVolumeTime.Spin};
  cboxVolumeStop->OnClick = [this](TObject* s) { cboxVolumeStopClick(s); };
}

TOutputPage TfrmOptions::BuildOutputPage(TWinControl* parent, const std::string& name, bool withNameParts) {
  // The four sub-pages stand one under the other in this order.
  static const std::vector<std::string> order{"Recorder", "Converter", "Splitter", "Joinner"};
  int index = 0;
  while (order[index] != name) ++index;
  TOutputPage out;
  auto* group = AddCaptioned<TGroupBox>(parent, "", name, 4, 4 + index * 98, 496, 96);
  AddLabel(group, "Output path:", 8, 18, 90);
  out.Folder = AddEdit(group, "edit" + name + "Path", 100, 16, 330);
  out.Folder->SetReadOnly(true);
  out.Browse = AddCaptioned<TButton>(group, "btn" + name + "Path", "...", 436, 16, 30, 22);
  out.Browse->OnClick = [this](TObject* s) { FolderButtonClick(s); };
  AddLabel(group, "Save file name:", 8, 44, 90);
  if (withNameParts) {
    out.Prefix = AddEdit(group, "edit" + name + "PreName", 100, 42, 80);
    AddLabel(group, "+", 184, 44, 10);
    out.UseDate = AddCaptioned<TCheckBox>(group, "cbox" + name + "UseDate", "Date", 196, 42, 50);
    AddLabel(group, "+", 250, 44, 10);
    AddLabel(group, "Time", 262, 44, 30);
    AddLabel(group, "+", 296, 44, 10);
    out.Suffix = AddEdit(group, "edit" + name + "PosName", 308, 42, 90);
    out.Prefix->OnKeyPress = [this](TObject* s, char32_t& key) { NameEditKeyPress(s, key); };
    out.Suffix->OnKeyPress = [this](TObject* s, char32_t& key) { NameEditKeyPress(s, key); };
  } else {
    auto* where = AddRadioGroup(group, 100, 42, 390, 22);
    out.ToSource = AddCaptioned<TRadioButton>(where, "rb" + name + "ToSource", "Save to original file path", 0, 0,
                                              190);
    out.ToAppointed = AddCaptioned<TRadioButton>(where, "rb" + name + "ToAppointed", "Always save to ", 200, 0,
                                                 190);
    out.ToSource->SetChecked(true);
  }
  AddLabel(group, "If same as an existed file", 8, 70, 150);
  auto* exists = AddRadioGroup(group, 160, 68, 330, 22);
  out.AddNew = AddCaptioned<TRadioButton>(exists, "rb" + name + "AddNew", "Add \"New\" after filename", 0, 0, 160);
  out.Overwrite = AddCaptioned<TRadioButton>(exists, "rb" + name + "Overwrite", "Overwrite the existed file", 165,
                                             0, 160);
  out.AddNew->SetChecked(true);
  out.Page = parent;
  return out;
}

void TfrmOptions::BuildSavePages() {
  TTabSheet* page = AddPage("Save");
  recorderPage = BuildOutputPage(page, "Recorder", true);
  converterPage = BuildOutputPage(page, "Converter", false);
  splitterPage = BuildOutputPage(page, "Splitter", false);
  joinerPage = BuildOutputPage(page, "Joinner", true);
}

void TfrmOptions::BuildMailAndDevicePages() {
  TTabSheet* mail = AddPage("EMail");
  AddLabel(mail, "Email subject:", 8, 10);
  editSubject = AddEdit(mail, "editSubject", 110, 8, 380);
  editSubject->SetText("Share with you");
  AddLabel(mail, "Email Content:", 8, 40);
  memoBody = Place<TMemo>(mail, "memoBody", 8, 60, 480, 200);
  memoBody->SetScrollBars(ssVertical);
  memoBody->Lines()->SetText("Hi");

  TTabSheet* device = AddPage("Device");
  AddLabel(device, "Select input device", 8, 10, 200);
  comboDevice = AddList(device, "comboDevice", {}, 8, 30, 400);
  comboDevice->OnChange = [this](TObject* s) { comboDeviceChange(s); };
}
