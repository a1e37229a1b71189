// Builds the controls of the editor's options window: the pages System,
// Format (with a sub-page per file type), Scales and Colors.

#include "common/FormatChoices.h"
#include "editor/Options.h"
#include "editor/OptionsColors.h"
#include "platform/framework/Dialogs.h"

namespace {

// Controls are placed on a page but owned by the form.
struct TPlace {
  int Left, Top, Width, Height;
};

TPlace At(int left, int top, int width, int height) { return {left, top, width, height}; }

template <class T>
T* Put(TForm* form, TWinControl* parent, const std::string& name, TPlace bounds) {
  auto* control = new T(form);
  if (!name.empty()) control->SetName(name);
  control->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
  control->SetParent(parent);
  return control;
}

TLabel* AddCaption(TForm* form, TWinControl* parent, const std::string& text, TPlace bounds) {
  auto* label = Put<TLabel>(form, parent, "", bounds);
  label->SetCaption(text);
  label->SetTransparent(true);
  return label;
}

TzelComboBox* ChoiceList(TForm* form, TWinControl* parent, const std::string& name, const TChoiceList& lines,
                         TPlace bounds) {
  auto* list = Put<TzelComboBox>(form, parent, name, bounds);
  list->SetStyle(csDropDownList);
  for (const std::string& line : lines) list->Items()->Add(line);
  return list;
}

TzelCheckBox* Check(TForm* form, TWinControl* parent, const std::string& name, const std::string& text,
                    TPlace bounds) {
  auto* check = Put<TzelCheckBox>(form, parent, name, bounds);
  check->SetCaption(text);
  check->SetTransparent(true);
  return check;
}

TzelGroupBox* Group(TForm* form, TWinControl* parent, const std::string& name, const std::string& text,
                    TPlace bounds) {
  auto* group = Put<TzelGroupBox>(form, parent, name, bounds);
  group->SetCaption(text);
  return group;
}

TzelSpinEdit* Spin(TForm* form, TWinControl* parent, const std::string& name, TPlace bounds, int min, int max,
                   int step, int value) {
  auto* spin = Put<TzelSpinEdit>(form, parent, name, bounds);
  spin->SetMinValue(min);
  spin->SetMaxValue(max);
  spin->SetIncrement(step);
  spin->SetValue(value);
  return spin;
}

// The rows of a format sub-page: a caption and its list, one under the other.
struct TFormatRow {
  const char* Caption;
  const char* Name;
  const TChoiceList& (*Lines)();
  TzelComboBox** List;
  TLabel** Label = nullptr;
};

constexpr int kFormatRowPitch = 28;

}  // namespace

TzelTabSheet* TfrmOptions::AddPage(TzelPageControl* pages, const std::string& caption) {
  auto* page = new TzelTabSheet(this);
  page->SetCaption(caption);
  page->SetParent(pages);
  return page;
}

void TfrmOptions::BuildSystemPage() {
  TzelTabSheet* page = AddPage(pcOptions, "System");
  gbPlayBuffer = Group(this, page, "gbPlayBuffer", "Play Buffer", At(8, 8, 400, 92));
  AddCaption(this, gbPlayBuffer, "Total Buffer Size", At(12, 28, 104, 16));
  spinBufferSize = Spin(this, gbPlayBuffer, "spinBufferSize", At(120, 24, 72, 22), 100, 10000, 10, 500);
  AddCaption(this, gbPlayBuffer, "ms, using", At(200, 28, 64, 16));
  spinBufferCount = Spin(this, gbPlayBuffer, "spinBufferCount", At(268, 24, 60, 22), 1, 100, 10, 4);
  AddCaption(this, gbPlayBuffer, "buffers, with tick", At(12, 60, 104, 16));
  spinBufferTick = Spin(this, gbPlayBuffer, "spinBufferTick", At(120, 56, 72, 22), 10, 1000, 1, 50);
  AddCaption(this, gbPlayBuffer, "ms", At(200, 60, 40, 16));
  for (TzelSpinEdit* spin : {spinBufferSize, spinBufferCount, spinBufferTick})
    spin->OnChange = [this](TObject* s) { BufferSpinChange(s); };

  gbTempDir = Group(this, page, "gbTempDir", "Tempory Directory", At(8, 110, 400, 60));
  editTempDir = Put<TzelEdit>(this, gbTempDir, "editTempDir", At(12, 26, 332, 22));
  editTempDir->SetReadOnly(true);
  btnTempDir = Put<TzelButton>(this, gbTempDir, "btnTempDir", At(352, 26, 36, 22));
  btnTempDir->SetCaption("...");
  btnTempDir->OnClick = [this](TObject* s) { btnTempDirClick(s); };

  cboxAudioInfo = Check(this, page, "cboxAudioInfo", "Save Extra Non-Audio Inforamtion", At(12, 182, 300, 20));
  cboxAudioInfo->SetChecked(true);
  cboxAudioInfo->OnClick = [this](TObject* s) { cboxAudioInfoClick(s); };
}

void TfrmOptions::BuildFormatPage() {
  auto* formats = AddPage(pcOptions, "Format");
  pcFormat = Put<TzelPageControl>(this, formats, "pcFormat", At(0, 0, 100, 100));
  pcFormat->SetAlign(alClient);
  // Rows from top down on a page; gives the top of the next row.
  const auto rows = [this](TzelTabSheet* page, int top, std::initializer_list<TFormatRow> list) {
    for (const TFormatRow& row : list) {
      TLabel* label = AddCaption(this, page, row.Caption, At(16, top + 3, 120, 16));
      if (row.Label) *row.Label = label;
      *row.List = ChoiceList(this, page, row.Name, row.Lines(), At(140, top, 180, 22));
      top += kFormatRowPitch;
    }
    return top;
  };
  const auto check = [this](TzelTabSheet* page, int top, const std::string& name, const std::string& text) {
    return Check(this, page, name, text, At(16, top + 1, 240, 20));
  };
  constexpr int kFirstRow = 14;
  rows(AddPage(pcFormat, "WAV"), kFirstRow,
       {{"Frequency:", "comboWavFreq", WavFrequencyChoices, &comboWavFreq},
        {"Channels:", "comboWavChannels", ChannelChoices, &comboWavChannels},
        {"Sampling Rate:", "comboWavSampleRate", SampleSizeChoices, &comboWavSampleRate}});

  TzelTabSheet* mp3 = AddPage(pcFormat, "MP3");
  int top = rows(mp3, kFirstRow,
                 {{"Frequency:", "comboMp3Freq", Mp3FrequencyChoices, &comboMp3Freq},
                  {"Channels:", "comboMp3Channels", ChannelChoices, &comboMp3Channels},
                  {"Bit Rate:", "comboMp3BitRate", BitRateChoices, &comboMp3BitRate},
                  {"Encoder Quality:", "comboMp3EncoderQuality", Mp3QualityChoices, &comboMp3EncoderQuality}});
  cboxMp3Vbr = check(mp3, top, "cboxMp3Vbr", "VBR(Variable Bit Rate)");
  top = rows(mp3, top + kFormatRowPitch,
             {{"Max Bit Rate:", "comboMp3MaxBitRate", BitRateChoices, &comboMp3MaxBitRate, &lblMp3MaxBitRate},
              {"VBR Quality:", "comboMp3VbrQuality", Mp3QualityChoices, &comboMp3VbrQuality, &lblMp3VbrQuality}});
  cboxMp3VbrHeader = check(mp3, top, "cboxMp3VbrHeader", "Write VBR header");
  cboxMp3Vbr->OnClick = [this](TObject* s) { cboxMp3VbrClick(s); };

  rows(AddPage(pcFormat, "OGG"), kFirstRow,
       {{"Frequency:", "comboOggFreq", Mp3FrequencyChoices, &comboOggFreq},
        {"Channels:", "comboOggChannels", ChannelChoices, &comboOggChannels},
        {"Quality:", "comboOggQuality", OggQualityChoices, &comboOggQuality}});
  rows(AddPage(pcFormat, "WMA"), kFirstRow, {{"Format:", "comboWmaFormat", WmaProfileChoices, &comboWmaFormat}});
  pcFormat->SetActivePage(pcFormat->Pages(0));
}

void TfrmOptions::BuildScalesPage() {
  TzelTabSheet* page = AddPage(pcOptions, "Scales");
  const auto scale = [this, page](const std::string& which, const std::string& text, int left,
                                  const TChoiceList& types, TzelCheckBox*& visible, TzelCheckBox*& grid,
                                  TzelComboBox*& type) {
    TzelGroupBox* group = Group(this, page, "gb" + which, text, At(left, 8, 196, 124));
    visible = Check(this, group, "cbox" + which.substr(0, 1) + "Visible", "Visible", At(12, 26, 150, 20));
    grid = Check(this, group, "cbox" + which.substr(0, 1) + "Grid", "Grid", At(12, 52, 150, 20));
    AddCaption(this, group, "Scale Type", At(12, 88, 64, 16));
    type = ChoiceList(this, group, "combo" + which.substr(0, 1) + "Type", types, At(80, 84, 104, 22));
    for (TzelCheckBox* check : {visible, grid}) {
      check->SetChecked(true);
      check->OnClick = [this](TObject* s) { ScaleCheckClick(s); };
    }
    type->SetItemIndex(1);
    return group;
  };
  static const TChoiceList kHorizontal{"Samples", "Millisecond"};
  static const TChoiceList kVertical{"Samples", "Normal Value", "dB Value"};
  gbHorizontal = scale("Horizontal", "Horizontal scale", 8, kHorizontal, cboxHVisible, cboxHGrid, comboHType);
  gbVertical = scale("Vertical", "Vertical scale", 212, kVertical, cboxVVisible, cboxVGrid, comboVType);
  comboHType->OnChange = [this](TObject* s) { comboHTypeChange(s); };
  comboVType->OnChange = [this](TObject* s) { comboVTypeChange(s); };
}

void TfrmOptions::BuildColorsPage() {
  TzelTabSheet* page = AddPage(pcOptions, "Colors");
  lbColors = Put<TzelListBox>(this, page, "lbColors", At(8, 8, 232, 280));
  for (const TColorLine& line : ColorLines()) lbColors->Items()->Add(line.Line);
  lbColors->OnClick = [this](TObject* s) { lbColorsClick(s); };
  plColorSample = Put<TPanel>(this, page, "plColorSample", At(256, 8, 152, 64));
  plColorSample->SetCaption("");
  btnChangeColor = Put<TzelButton>(this, page, "btnChangeColor", At(256, 84, 104, 26));
  btnChangeColor->SetCaption("Change Color");
  btnChangeColor->OnClick = [this](TObject* s) { btnChangeColorClick(s); };
  dlgColor = new TColorDialog(this);
  dlgColor->SetName("dlgColor");
  dlgColor->SetOptions(cdFullOpen);
}
