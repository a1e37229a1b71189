// The window caption and the two-line information ticker: length and
// format first, for four seconds, then it rolls up to the selection.

#include "editor/Main.h"
#include "platform/framework/SysUtils.h"
#include "platform/os/Clock.h"

namespace {

constexpr int kLineDistance = 30;
constexpr std::uint64_t kFirstLineMs = 4000;

}  // namespace

void TfrmMain::UpdateFileInfo() {
  const bool named = !Trim(DocumentName).empty();
  zelForm1->SetCaption(named ? std::string(kEditorTitle) + " -- " + DocumentName : std::string(kEditorTitle));
  IAudioEditor2Position* position = AE->Position();
  const std::string format = AE->FileInfo()->FormatText();
  const std::int64_t length = position->Length();
  if (!Trim(format).empty()) {
    const std::int64_t shown = ShowMilliseconds ? position->SamplesToMs(length) : length;
    lbInfo1->SetCaption("Total: " + std::to_string(shown) + (ShowMilliseconds ? " ms     " : " samples     ") +
                        "Format: " + format);
  }
  StatusBar->Panels()->Items(0)->SetText(DocumentName);
  StatusBar->Panels()->Items(1)->SetText(format);
  StatusBar->Panels()->Items(2)->SetText(std::to_string(length));
  ProgressBarL->SetPosition(0);
  ProgressBarR->SetPosition(0);
  UpdateSelectionInfo();
  StartTicker();
}

void TfrmMain::UpdateSelectionInfo() {
  IAudioEditor2Position* position = AE->Position();
  const std::int64_t s = position->SelectionStart();
  const std::int64_t e = position->SelectionEnd();
  if (ShowMilliseconds) {
    lbInfo2->SetCaption("Start select: " + std::to_string(position->SamplesToMs(s)) + " ms       " +
                        "End select: " + std::to_string(position->SamplesToMs(e)) + " ms       " +
                        "Selected: " + std::to_string(position->SamplesToMs(e - s)) + " ms");
  } else {
    lbInfo2->SetCaption("Start select: " + std::to_string(s) + " samples       " + "End select: " +
                        std::to_string(e) + " samples       " + "Selected: " + std::to_string(e - s) + " samples");
  }
  pbInfo->Invalidate();
}

int TfrmMain::TickerCentre() const { return (pbInfo->Height() - lbInfo1->Height()) / 2; }

void TfrmMain::StartTicker() {
  tickerStart_ = GetTickCount64();
  tickerY_ = TickerCentre() - kLineDistance;
  tmShowInfo->SetEnabled(true);
  pbInfo->Invalidate();
}

void TfrmMain::TickerTick() {
  const int centre = TickerCentre();
  if (GetTickCount64() - tickerStart_ <= kFirstLineMs)
    tickerY_ = centre;
  else
    --tickerY_;
  if (centre >= tickerY_ + kLineDistance) tmShowInfo->SetEnabled(false);
  pbInfo->Invalidate();
}

void TfrmMain::pbInfoPaint(TObject*) {
  TCanvas* canvas = pbInfo->Canvas();
  canvas->Font()->Assign(*pbInfo->Font());
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(0, tickerY_, lbInfo1->Caption());
  canvas->TextOut(0, tickerY_ + kLineDistance, lbInfo2->Caption());
}
