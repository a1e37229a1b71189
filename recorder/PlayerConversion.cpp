// Converting the selected file into another format: the output is named,
// both files are prepared, a TConvertor copies in the background and the
// row shows its progress; at the end the finished file joins the list.

#include <cstdio>

#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"
#include "recorder/ConversionNaming.h"
#include "recorder/GlobeVar.h"
#include "recorder/Player.h"
#include "recorder/PlayerRows.h"
#include "recorder/WriterSetup.h"

namespace {

constexpr TOutputFormat kFormats[] = {TOutputFormat::Wav, TOutputFormat::Mp3, TOutputFormat::Ogg,
                                      TOutputFormat::Wma};

bool FormatOfName(const std::string& name, TOutputFormat& format) {
  for (TOutputFormat candidate : kFormats)
    if (FormatName(candidate) == name) {
      format = candidate;
      return true;
    }
  return false;
}

// Puts the finished file in place of the output, replacing an old one of
// that name in one step.
bool MoveIntoPlace(const std::string& partial, const std::string& output) {
  return std::rename(partial.c_str(), output.c_str()) == 0;
}

}  // namespace

void TfrmPlayer::AfterConstruction() {
  CreateEqualizer();
  CreateConversionCommands();
  TForm::AfterConstruction();
}

void TfrmPlayer::BeforeDestruction() {
  // A running copy ends first, its partial output removed.
  if (convertor_) {
    CancelConversion();
    convertor_->WaitFor();
    convertor_.reset();
  }
  TForm::BeforeDestruction();
}

void TfrmPlayer::WndProc(TMessage& message) {
  if (message.Msg == WM_CONVERT_PROGRESS) {
    ConversionProgress(static_cast<int>(message.LParam));
    return;
  }
  TForm::WndProc(message);
}

void TfrmPlayer::CreateConversionCommands() {
  const std::pair<TMenuItem*, const char*> converts[] = {
      {mnuConvertWav, "WAV"}, {mnuConvertMp3, "MP3"}, {mnuConvertOgg, "OGG"}, {mnuConvertWma, "WMA"}};
  for (const auto& [item, format] : converts) {
    item->OnClick = [this, target = std::string(format)](TObject*) {
      TListItem* selected = lvPlayList->Selected();
      if (!selected || ConversionRunning()) return;
      convertingRowIndex_ = selected->Index();
      StartConversion(target);
    };
  }
}

bool TfrmPlayer::ConversionRunning() const { return convertor_ && !convertor_->Finished(); }

void TfrmPlayer::StartConversion(const std::string& format) {
  if (ConversionRunning()) return;
  if (convertor_) convertor_->WaitFor();  // ended, its end handler ran
  convertor_.reset();

  const std::string source = selectedFilePath_;
  TOutputFormat target;
  if (!FormatOfName(format, target) || FormatNameOfFile(source) == format) {
    convertingRowIndex_ = -1;
    ShowMessage("\"" + ExtractFileName(source) + "\" is a " + format + " file already.");
    return;
  }
  AF_In.SetWMAEnabled(true);
  AF_Out.SetWMAEnabled(true);
  AF_In.Close();
  AF_Out.Close();

  outputPath_ = ::ConversionOutputPath(source, target);
  ChooseWriterOutput(AF_Out, AudioFile2LameEnc1, target);
  AF_Out.SetWMAEnabled(true);

  AF_In.OpenRead(source, 0, 1);
  if (AF_In.LastError() != 0) {
    const std::string why = AF_In.LastErrorText();
    AF_In.Close();
    convertingRowIndex_ = -1;
    ShowMessage("Cannot convert \"" + ExtractFileName(source) + "\": " + why);
    return;
  }
  AF_Out.CreateWrite(ConversionPartialPath(outputPath_), 0);
  if (AF_Out.LastError() != 0) {
    const std::string why = AF_Out.LastErrorText();
    AF_In.Close();
    convertingRowIndex_ = -1;
    ShowMessage("Cannot create \"" + outputPath_ + "\": " + why);
    return;
  }
  AF_Out.SetInputFormat(AF_In.SampleRate(), AF_In.Channels());

  conversionCancelled_ = false;
  convertor_ = std::make_unique<TConvertor>(AF_In, Handle(), AF_Out);
  convertor_->OnTerminate = [this](TObject*) { ConversionEnded(); };
  convertor_->Start();
}

void TfrmPlayer::CancelConversion() {
  conversionCancelled_ = true;
  if (convertor_) convertor_->Terminate();
}

void TfrmPlayer::ConversionProgress(int percent) {
  if (convertingRowIndex_ < 0 || convertingRowIndex_ >= lvPlayList->Items()->Count()) return;
  TListItem* item = lvPlayList->Items()->Item(convertingRowIndex_);
  SetMarker(item, kMarkerConverting);
  item->SubItems()->SetStrings(kColumnStatus - 1, "Converting " + std::to_string(percent) + "% done");
  lvPlayList->Invalidate();
}

void TfrmPlayer::ConversionEnded() {
  // Every row still marked: a window shown again meanwhile forgot the index.
  TListItems* items = lvPlayList->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (MarkerOf(items->Item(i)) == kMarkerConverting) LeavePlayingRow(items->Item(i));
  convertingRowIndex_ = -1;
  lvPlayList->Invalidate();

  const std::string partial = ConversionPartialPath(outputPath_);
  std::string failure = convertor_ ? convertor_->ErrorText() : std::string();
  if (conversionCancelled_ || !failure.empty()) {
    DeleteFile(partial);
  } else if (!MoveIntoPlace(partial, outputPath_)) {
    DeleteFile(partial);
    failure = "the file could not be saved under that name";
  } else if (ExtractFilePath(outputPath_) == CurrentFolder()) {
    AddFileToList(outputPath_, false);
    SortByColumn(sortColumn_);
  }
  conversionCancelled_ = false;
  AF_In.Close();
  AF_Out.Close();
  // The thread is still inside this call: it is freed, and any message
  // shown, once it has gone.
  PostWhileAlive([this, failure, output = outputPath_] {
    if (convertor_ && convertor_->Finished()) {
      convertor_->WaitFor();
      convertor_.reset();
    }
    if (!failure.empty()) ShowMessage("Cannot convert to \"" + output + "\": " + failure);
  });
}
