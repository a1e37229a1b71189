#include "editor/EffectDialogs.h"

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
#include "editor/Normalize.h"
#include "editor/NotchFilter.h"
#include "editor/Vibrato.h"
#include "platform/framework/Forms.h"

void CreateEffectDialogs() {
  Application->CreateForm(frmAmplify);
  Application->CreateForm(frmNormalize);
  Application->CreateForm(frmFadeInOut);
  Application->CreateForm(frmInsertSilence);
  Application->CreateForm(frmFlanger);
  Application->CreateForm(frmVibrato);
  Application->CreateForm(frmDelay);
  Application->CreateForm(frmNotchFilter);
  Application->CreateForm(frmBandPassFilter);
  Application->CreateForm(frmHighPassFilter);
  Application->CreateForm(frmLowPassFilter);
  Application->CreateForm(frmHighShelfFilter);
  Application->CreateForm(frmLowShelfFilter);
}
