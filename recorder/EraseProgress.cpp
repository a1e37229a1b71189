#include "recorder/EraseProgress.h"

#include <algorithm>
#include <cmath>

#include "burner/FoxBurnerSDKMain.h"
#include "common/Formatters.h"
#include "platform/os/Clock.h"
#include "recorder/DialogControls.h"
#include "recorder/DialogFrame.h"
#include "skin/ZELForm.h"

TfrmEraseProgress* frmEraseProgress = nullptr;

namespace {

// A full erase is estimated at 20 minutes, a quick one at 2.
constexpr std::int64_t kFullEraseMs = 1200000;
constexpr std::int64_t kQuickEraseMs = 120000;
constexpr int kDoneStep = 2;

}  // namespace

TfrmEraseProgress::TfrmEraseProgress(TComponent* owner) : TForm(owner), random_(std::random_device{}()) {
  SetName("frmEraseProgress");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(263, 138);
  zelForm1 = DressDialog(this, "Erasing");

  lbActivity1 = AddLabel(zelForm1, "Activity: ", 14, 42, 100, "lbActivity1");
  lbActivity = AddLabel(zelForm1, "", 98, 42, 150, "lbActivity");
  lbTime1 = AddLabel(zelForm1, "Elapsed time:", 14, 64, 100, "lbTime1");
  lbTime = AddLabel(zelForm1, "", 98, 64, 100, "lbTime");
  pbarErase = new TzelProgressBar(this);
  pbarErase->SetName("pbarErase");
  pbarErase->SetParent(zelForm1);
  pbarErase->SetBounds(14, 94, 235, 18);
  pbarErase->SetMin(0);
  pbarErase->SetMax(100);
  pbarErase->SetPosition(0);
  pbarErase->SetShowCaption(false);
  tmErase = new TTimer(this);
  tmErase->SetName("tmErase");
  tmErase->SetEnabled(false);
  tmErase->SetInterval(100);
  tmErase->OnTimer = [this](TObject* sender) { tmEraseTimer(sender); };

  OnShow = [this](TObject* sender) { FormShow(sender); };
  OnCloseQuery = [this](TObject* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
  OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
  ThemeDialogControls(this, zelForm1);
}

void TfrmEraseProgress::SetEraseMode(bool full) {
  fullErase_ = full;
  lbActivity->SetCaption(full ? "Full-erase rewritable disc" : "Quick-erase rewritable disc");
  eraseDone_ = false;
  eraseError_.clear();
}

void TfrmEraseProgress::SetEraseDone(bool done, const std::string& error) {
  eraseDone_ = done;
  eraseError_ = error;
  // A failed erase has nothing to run up to: the window goes at once.
  if (!eraseError_.empty() && Visible()) {
    tmErase->SetEnabled(false);
    Close();
  }
}

void TfrmEraseProgress::FormShow(TObject*) {
  pbarErase->SetPosition(0);
  target_ = 70 + std::uniform_int_distribution<int>(0, 19)(random_);
  startTick_ = GetTickCount64();
  lbTime->SetCaption("");
  tmErase->SetEnabled(true);
}

void TfrmEraseProgress::tmEraseTimer(TObject*) {
  if (!eraseError_.empty()) {
    tmErase->SetEnabled(false);
    Close();
    return;
  }
  const std::uint64_t elapsed = GetTickCount64() - startTick_;
  int position = pbarErase->Position();
  if (eraseDone_) {
    position = std::min(position + kDoneStep, 100);
  } else if (position < target_) {
    const long double estimate = static_cast<long double>(elapsed) * 100 / (fullErase_ ? kFullEraseMs : kQuickEraseMs);
    // A late tick must not carry the estimate past where it waits.
    position = static_cast<int>(std::min<long double>(std::nearbyintl(estimate), target_));
  }
  pbarErase->SetPosition(position);
  lbTime->SetCaption(MsToMinSec(static_cast<std::int32_t>(std::min<std::uint64_t>(elapsed, INT32_MAX))));
  if (position >= 100) {
    eraseDone_ = true;
    tmErase->SetEnabled(false);
    Close();
  }
}

void TfrmEraseProgress::FormCloseQuery(TObject*, bool& canClose) { canClose = eraseDone_ || !eraseError_.empty(); }

void TfrmEraseProgress::FormClose(TObject*, TCloseAction&) {
  tmErase->SetEnabled(false);
  if (MFox && MFox->Active()) MFox->EjectDevice();
}
