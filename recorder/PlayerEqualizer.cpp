// The player's 12-band equalizer: sliders the user drags, presets chosen
// from a list, the last dragged setting kept as "Custom", and a switch.
// Nothing reaches the player until the user acts.

#include <string>

#include "platform/base/Exceptions.h"
#include "platform/os/KeyState.h"
#include "recorder/Player.h"
#include "recorder/WindowSkin.h"

namespace {
constexpr int kEqLeft = 506;
constexpr int kEqTop = 70;
constexpr int kSliderWidth = 17;
}  // namespace

void TfrmPlayer::CreateEqualizer() {
  // The spectrum shares its row with the equalizer.
  plADBG->SetWidth(kEqLeft - 4 - plADBG->Left());

  comboxEQMode = new TzelComboBox(this);
  comboxEQMode->SetName("comboxEQMode");
  comboxEQMode->SetParent(this);
  DressInRecorderTheme(comboxEQMode);
  comboxEQMode->SetStyle(csDropDownList);
  comboxEQMode->SetBounds(kEqLeft, kEqTop, 110, 21);
  for (const char* name : kEqModeNames) comboxEQMode->Items()->Add(name);
  comboxEQMode->SetItemIndex(kEqModeFlat);
  comboxEQMode->OnChange = [this](TObject*) { comboxEQModeChange(); };

  btnEQMode = PictureButton(this, "btnEQMode", kEqLeft + 92, kEqTop + 1, 17, 17, "PLAYER_EQ_MODE", "Select EQ mode");
  btnEQMode->OnClick = [this](TObject*) {
    if (comboxEQMode->CanFocus()) comboxEQMode->SetFocus();
    comboxEQMode->SetDroppedDown(true);
  };
  btnUseEQ = PictureButton(this, "btnUseEQ", kEqLeft + 178, kEqTop - 1, 25, 21, "PLAYER_USE_EQ", "Use EQ");
  imgUseEQ = AlternatePictures(this, "imgUseEQ", "PLAYER_EQ_OFF");
  btnUseEQ->OnClick = [this](TObject*) { btnUseEQClick(); };

  for (int band = 0; band < kEqBandCount; ++band) {
    auto* slider = SkinnedSlider(this, "tbEQ" + std::to_string(band + 1), kEqLeft + band * kSliderWidth, kEqTop + 25,
                                 kSliderWidth, 84, -kEqPositionLimit, kEqPositionLimit, zelVertical);
    slider->SetPosition(0);
    slider->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int, int) {
      if (button == mbLeft) eqSliderHeld_ = true;
    };
    slider->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int, int) {
      if (button == mbLeft) eqSliderHeld_ = false;
      KeyboardToButton1();
    };
    // The sliders follow the mouse only.
    slider->OnEnter = [this](TObject*) {
      if (GetAsyncKeyState(VK_LBUTTON) >= 0) KeyboardToButton1();  // not under a drag
    };
    slider->OnChange = [this](TObject*) { EqSliderChange(); };
    tbEQ[band] = slider;
  }
}

void TfrmPlayer::KeyboardToButton1() {
  PostWhileAlive([this] {
    if (Button1->CanFocus()) SetActiveControl(Button1);
  });
}

TEqPositions TfrmPlayer::EqPositions() const {
  TEqPositions positions{};
  for (int band = 0; band < kEqBandCount; ++band) positions[band] = tbEQ[band]->Position();
  return positions;
}

void TfrmPlayer::EqSliderChange() {
  // Only the user's drag counts; presets move the sliders too.
  if (!eqSliderHeld_) return;
  customEq_ = EqPositions();
  SendEqGains();
  comboxEQMode->SetItemIndex(kEqModeCustom);
}

void TfrmPlayer::comboxEQModeChange() {
  if (eqSliderHeld_) return;
  const int mode = comboxEQMode->ItemIndex();
  if (mode < 0) return;
  const TEqPositions positions = mode == kEqModeCustom ? customEq_ : EqPresetPositions(mode);
  for (int band = 0; band < kEqBandCount; ++band) tbEQ[band]->SetPosition(positions[band]);
  SendEqGains();
}

void TfrmPlayer::SendEqGains() {
  try {
    AP.SetEQ(EqGainsOf(EqPositions()));
  } catch (const Exception& error) {
    ShowMessage(error.Message());
  }
}

void TfrmPlayer::btnUseEQClick() {
  useEq_ = !useEq_;
  SwapButtonPictures(btnUseEQ, imgUseEQ);
  try {
    AP.SetEQEnabled(useEq_);
  } catch (const Exception& error) {
    ShowMessage(error.Message());
  }
}
