// The effect and filter commands: each asks for a document and a
// selection, shows its dialog, and runs the engine's effect with the
// dialog's values when the dialog ends with OK.

#include "editor/Amplify.h"
#include "editor/BandPassFilter.h"
#include "editor/Delay.h"
#include "editor/FadeInOut.h"
#include "editor/Flanger.h"
#include "editor/HighPassFilter.h"
#include "editor/HighShelfFilter.h"
#include "editor/InsertSilence.h"
#include "editor/LowPassFilter.h"
#include "editor/LowShelfFilter.h"
#include "editor/Main.h"
#include "editor/Normalize.h"
#include "editor/NotchFilter.h"
#include "editor/Vibrato.h"

namespace {

constexpr int kDialogOk = 1;

// Shows the dialog modally; true when it ended with OK.
bool Accepted(TForm* dialog) { return dialog && dialog->ShowModal() == kDialogOk; }

template <typename Filter>
void RunFrequencyFilter(IAudioEditor2Effects* effects, void (IAudioEditor2Effects::*apply)(float, float),
                        Filter* dialog) {
  (effects->*apply)(static_cast<float>(dialog->Frequency()), static_cast<float>(dialog->Steepness()));
}

template <typename Filter>
void RunShelfFilter(IAudioEditor2Effects* effects, void (IAudioEditor2Effects::*apply)(float, float, float),
                    Filter* dialog) {
  (effects->*apply)(static_cast<float>(dialog->Frequency()), static_cast<float>(dialog->Gain()),
                    static_cast<float>(dialog->Steepness()));
}

}  // namespace

std::vector<float> FftFilterCurve() {
  std::vector<float> curve(512);
  for (int i = 0; i <= 100; ++i) curve[i] = static_cast<float>(1.0 - 0.5 * (1.0 - i / 100.0));
  for (int i = 101; i < 512; ++i) curve[i] = static_cast<float>(1.0 + 0.5 * (i - 100) / 411.0);
  return curve;
}

bool TfrmMain::CanApplyEffect() {
  if (AE->Position()->Length() <= 0) {
    MessageBox("Please open an audio file first", MB_OK);
    return false;
  }
  if (!AE->Position()->HasSelection()) {
    MessageBox("Please select a part of the file", MB_OK);
    return false;
  }
  return true;
}

void TfrmMain::RunEffect(const std::function<bool()>& showDialog, const std::function<void()>& effect) {
  if (busy_ || !CanApplyEffect()) return;
  if (showDialog && !showDialog()) return;
  RunCommand([&] {
    effect();
    MarkModified();
  });
}

void TfrmMain::BindEffects() {
  auto fx = [this] { return AE->Effects(); };
  auto bind = [](TControl* control, std::function<void()> command) {
    control->OnClick = [command = std::move(command)](TObject*) { command(); };
  };
  auto amplify = [this, fx](bool plus) {
    RunEffect(
        [plus] {
          if (!frmAmplify) return false;
          frmAmplify->SetPlusMode(plus);
          return Accepted(frmAmplify);
        },
        [fx] { fx()->Amplify(static_cast<float>(frmAmplify->Level())); });
  };
  bind(btnAmplifyPlus, [amplify] { amplify(true); });
  bind(btnAmplifyMinus, [amplify] { amplify(false); });
  auto fade = [this, fx](bool fadeIn) {
    RunEffect(
        [fadeIn] {
          if (!frmFadeInOut) return false;
          frmFadeInOut->SetFadeInMode(fadeIn);
          return Accepted(frmFadeInOut);
        },
        [fx] {
          fx()->Fade(static_cast<float>(frmFadeInOut->StartingLevel()),
                     static_cast<float>(frmFadeInOut->EndingLevel()));
        });
  };
  bind(btnFadeIn, [fade] { fade(true); });
  bind(btnFadeOut, [fade] { fade(false); });
  bind(btnNormalize, [this, fx] {
    RunEffect([] { return Accepted(frmNormalize); },
              [fx] { fx()->Normalize(static_cast<float>(frmNormalize->Level()), -1); });
  });
  bind(btnSilence, [this, fx] { RunEffect({}, [fx] { fx()->Silence(); }); });
  bind(btnInvert, [this, fx] { RunEffect({}, [fx] { fx()->Invert(); }); });
  bind(btnFlanger, [this, fx] {
    RunEffect([] { return Accepted(frmFlanger); },
              [fx] {
                fx()->Flanger(static_cast<float>(frmFlanger->DelayRate()), static_cast<float>(frmFlanger->MixDepth()),
                              static_cast<float>(frmFlanger->FeedBackGain()),
                              static_cast<float>(frmFlanger->SweepDepth()),
                              static_cast<float>(frmFlanger->SweepRate()), frmFlanger->SweepPhase());
              });
  });
  bind(btnVibrato, [this, fx] {
    RunEffect([] { return Accepted(frmVibrato); },
              [fx] {
                fx()->Vibrato(static_cast<float>(frmVibrato->SweepDepth()),
                              static_cast<float>(frmVibrato->SweepFrequency()), frmVibrato->SweepPhase());
              });
  });
  bind(btnDelay, [this, fx] {
    RunEffect([] { return Accepted(frmDelay); },
              [fx] {
                fx()->Delay(static_cast<float>(frmDelay->DelayTime()), static_cast<float>(frmDelay->MixDepth()),
                            static_cast<float>(frmDelay->FeedBackGain()));
              });
  });
  bind(btnNF, [this, fx] {
    RunEffect([] { return Accepted(frmNotchFilter); },
              [fx] { RunFrequencyFilter(fx(), &IAudioEditor2Effects::NotchFilter, frmNotchFilter); });
  });
  bind(btnBPF, [this, fx] {
    RunEffect([] { return Accepted(frmBandPassFilter); },
              [fx] { RunFrequencyFilter(fx(), &IAudioEditor2Effects::BandPassFilter, frmBandPassFilter); });
  });
  bind(btnHPF, [this, fx] {
    RunEffect([] { return Accepted(frmHighPassFilter); },
              [fx] { RunFrequencyFilter(fx(), &IAudioEditor2Effects::HighPassFilter, frmHighPassFilter); });
  });
  bind(btnLPF, [this, fx] {
    RunEffect([] { return Accepted(frmLowPassFilter); },
              [fx] { RunFrequencyFilter(fx(), &IAudioEditor2Effects::LowPassFilter, frmLowPassFilter); });
  });
  bind(btnHSF, [this, fx] {
    RunEffect([] { return Accepted(frmHighShelfFilter); },
              [fx] { RunShelfFilter(fx(), &IAudioEditor2Effects::HighShelfFilter, frmHighShelfFilter); });
  });
  bind(btnLSF, [this, fx] {
    RunEffect([] { return Accepted(frmLowShelfFilter); },
              [fx] { RunShelfFilter(fx(), &IAudioEditor2Effects::LowShelfFilter, frmLowShelfFilter); });
  });
  bind(btnFFT, [this, fx] { RunEffect({}, [fx] { fx()->FFTFilter(FftFilterCurve()); }); });
  // Needs neither a document test nor a selection.
  bind(btnInserSilence, [this, fx] {
    if (busy_ || !Accepted(frmInsertSilence)) return;
    RunCommand([&] {
      fx()->InsertSilence(frmInsertSilence->Milliseconds());
      MarkModified();
    });
  });
}
