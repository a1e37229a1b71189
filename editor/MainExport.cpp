// Save As and Save Select As: the document, or its selection, streamed
// a second at a time through the file writer in the format the chosen
// name's extension says, with the output settings of the options window.

#include "editor/Main.h"
#include "editor/Options.h"
#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"

namespace {

void SetBars(TfrmMain& form, int percent) {
  form.ProgressBarL->SetPosition(percent);
  form.ProgressBarR->SetPosition(percent);
}

}  // namespace

void TfrmMain::SetUpWriter(const std::string& extension) {
  if (extension == ".WAV") {
    AF.SetWMAEnabled(false);
    AF.SetWAVOutput(WavFreq, WavChannels, WavSampleRate);
  } else if (extension == ".MP3") {
    AF.SetWMAEnabled(false);
    if (MP3VBREnable) {
      AudioFile2LameEnc1.SetConstantBitRate(false);
      AudioFile2LameEnc1.SetMaxBitRate(MP3MaxBitRate);
      AudioFile2LameEnc1.SetVBRHeader(MP3VBRHeader);
      AudioFile2LameEnc1.SetVBRMode(0);
      AudioFile2LameEnc1.SetVBRQuality(MP3VBRQuality);
    } else {
      AudioFile2LameEnc1.SetConstantBitRate(true);
    }
    AudioFile2LameEnc1.SetQuality(MP3EncoderQuality);
    AF.SetMP3Output(MP3Freq, MP3BitRate, MP3Channels);
  } else if (extension == ".OGG") {
    AF.SetWMAEnabled(false);
    AF.SetOGGOutput(OggFreq, OggChannels, OggBitRate, 0, 0, 128);
  } else if (extension == ".WMA") {
    AF.SetWMAEnabled(true);
    AF.SetWMAOutput(WmaFormat);
  }
  // Any other extension keeps the writer's previous output format.
}

bool TfrmMain::Export(const std::string& fileName, std::int64_t start, std::int64_t total, bool wholeDocument) {
  IAudioEditor2Position* position = AE->Position();
  const std::int64_t selectionStart = position->SelectionStart();
  const std::int64_t selectionEnd = position->SelectionEnd();
  // One second of frames per block keeps memory bounded.
  const std::int64_t block = std::max(1, AE->FileInfo()->SampleRate());
  const std::int64_t fullBlocks = total / block;
  const std::int64_t rest = total % block;
  // A whole-document export freezes the view while the cursor runs.
  if (wholeDocument) position->SetDisplayUpdate(false);
  position->SetCurrentPosition(start);
  bool written = false;
  bool created = false;
  try {
    SetUpWriter(UpperCase(ExtractFileExt(fileName)));
    AF.CreateWrite(fileName, 0);
    if (AF.LastError() != 0) throw Exception(AF.LastErrorText());
    created = true;
    // The writer converts from the document's own format.
    AF.SetInputFormat(AE->FileInfo()->SampleRate(), AE->FileInfo()->Channels());
    if (AF.LastError() != 0) throw Exception(AF.LastErrorText());
    auto writeBlock = [&](std::int64_t count) {
      AF.WriteBlock(AE->ReadBlock(count));
      position->SetCurrentPosition(position->CurrentPosition() + count);
      const std::int64_t done = position->CurrentPosition() - start;
      SetBars(*this, total > 0 ? static_cast<int>(done * 100 / total) : 100);
    };
    for (std::int64_t i = 0; i < fullBlocks; ++i) writeBlock(block);
    if (rest > 0) writeBlock(rest);
    AF.Close();
    if (AF.LastError() != 0) throw Exception(AF.LastErrorText());
    written = true;
  } catch (const std::exception& error) {
    // A partial file is worth nothing and must not pass for the export;
    // a file the writer could not create is someone else's and stays.
    try {
      AF.Close();
    } catch (const std::exception&) {
    }
    if (created) DeleteFile(fileName);
    ShowError("Cannot save " + fileName + ": " + error.what());
  }
  position->SetDisplayUpdate(true);
  position->SetSelectionStart(selectionStart);
  position->SetSelectionEnd(selectionEnd);
  SetBars(*this, 0);
  return written;
}

bool TfrmMain::SaveFileAs() {
  if (busy_ || !ChooseFile(sd)) return false;
  const std::string chosen = sd->FileName();
  bool written = false;
  RunCommand([&] { written = Export(chosen, 0, AE->Position()->Length(), true); });
  if (!written) {
    UpdateFileInfo();
    return false;
  }
  // Paste From File and Mix From File start at the exported file; the
  // document keeps its own name for Save.
  OD->SetFileName(chosen);
  Modified = false;
  EditCount = 0;
  UpdateFileInfo();
  return true;
}

bool TfrmMain::SaveSelectionAs() {
  if (busy_ || !ChooseFile(sd)) return false;
  const std::string chosen = sd->FileName();
  IAudioEditor2Position* position = AE->Position();
  const std::int64_t start = position->SelectionStart();
  const std::int64_t total = std::max<std::int64_t>(0, position->SelectionEnd() - start);
  bool written = false;
  RunCommand([&] { written = Export(chosen, start, total, false); });
  UpdateFileInfo();
  return written;
}
