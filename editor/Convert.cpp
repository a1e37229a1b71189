#include "editor/Convert.h"

#include <iterator>

#include "editor/DialogFrame.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormControls.h"
#include "skin/ZELRadioGroup.h"

TfrmConvert* frmConvert = nullptr;

namespace {

constexpr int kFrequencies[] = {6000, 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

}  // namespace

TfrmConvert::TfrmConvert(TComponent* owner, TDocumentLink link) : TForm(owner), MainWindow(std::move(link)) {
  SetName("frmConvert");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  zelForm1 = DressDialog(this, "Convert Sample Type");
  SetClientSize(300, 236);

  const auto group = [this](const std::string& name, const std::string& caption, int top, int height) {
    auto* made = new TzelRadioGroup(this);
    made->SetName(name);
    made->SetBounds(10, top, 280, height);
    made->SetParent(zelForm1);
    made->SetCaption(caption);
    made->SetColumns(2);
    return made;
  };
  rgFrequency = group("rgFrequency", "Frequency (Hz)", 32, 112);
  for (int frequency : kFrequencies) rgFrequency->Items()->Add(std::to_string(frequency));
  rgCnannels = group("rgCnannels", "Channels", 150, 44);
  rgCnannels->Items()->Add("Mono");
  rgCnannels->Items()->Add("Stereo");

  const auto button = [this](const std::string& name, const std::string& caption, int result, int left) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetCaption(caption);
    made->SetModalResult(result);
    made->SetBounds(left, 202, 80, 26);
    made->SetParent(zelForm1);
    return made;
  };
  OKBtn = button("OKBtn", "OK", mrOk, 120);
  OKBtn->SetDefault(true);
  OKBtn->OnClick = [this](TObject* s) { OKBtnClick(s); };
  CancelBtn = button("CancelBtn", "Cancel", mrCancel, 210);
  CancelBtn->SetCancel(true);
  ThemeDialogControls(this, zelForm1);

  OnShow = [this](TObject* s) { FormShow(s); };
}

TfrmConvert::~TfrmConvert() {
  if (frmConvert == this) frmConvert = nullptr;
}

void TfrmConvert::FormShow(TObject*) {
  if (!MainWindow.Editor) return;
  const IAudioEditor2FileInfo& info = *MainWindow.Editor->FileInfo();
  rgCnannels->SetItemIndex(info.Channels() - 1);
  int match = -1;
  for (int index = 0; index < static_cast<int>(std::size(kFrequencies)); ++index)
    if (kFrequencies[index] == info.SampleRate()) match = index;
  rgFrequency->SetItemIndex(match);
}

void TfrmConvert::OKBtnClick(TObject*) {
  TAudioEditor2* editor = MainWindow.Editor;
  const int frequency = rgFrequency->ItemIndex();
  if (!editor || frequency < 0) return;
  const int channels = rgCnannels->ItemIndex() + 1;
  const int rateBefore = editor->FileInfo()->SampleRate(), channelsBefore = editor->FileInfo()->Channels();
  editor->ConvertFormat(kFrequencies[frequency], channels);
  if (editor->FileInfo()->SampleRate() != rateBefore || editor->FileInfo()->Channels() != channelsBefore)
    MainWindow.Modified();
}
