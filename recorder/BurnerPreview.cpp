// Listening to a file of the folder or of the burn list before burning it.

#include "platform/base/Exceptions.h"
#include "platform/os/Files.h"
#include "recorder/Burner.h"

namespace {

constexpr int kBlockMs = 166;

}  // namespace

void TfrmBurner::btnPlayClick() {
  if (previewFile_.empty() || !FileExists(previewFile_)) return;
  StopPreview();
  AF.SetWMAEnabled(true);
  AF.OpenRead(previewFile_, 0, 1);
  AI.Open(previewFile_);
  if (AF.LengthSamples() == 0) {
    StopPreview();
    return;
  }
  try {
    AP.SetFormat(AF.SampleRate(), AF.Channels());
  } catch (const Exception& error) {
    // No sound output: say so instead of playing silence.
    AF.Close();
    ShowNotice(error.Message());
    return;
  }
  previewBlock_ = AP.MsToSamples(kBlockMs);
  AF.Seek(0, 3);
  AP.Play();
  if (AP.LastError() != 0) AF.Close();
}

void TfrmBurner::btnStopClick() { StopPreview(); }

void TfrmBurner::FeedPreview() {
  try {
    AP.PlayBlock(AF.ReadBlock(previewBlock_));
  } catch (const Exception&) {
    StopPreview();
  }
}

void TfrmBurner::StopPreview() {
  AP.Stop();
  AF.Close();
}
