// The player's 12-band equalizer: sliders the user drags, presets chosen
// from a list, the last dragged setting kept as "Custom", and a switch.
// Nothing reaches the player until the user acts.

#include <string>

#include "platform/base/Exceptions.h"
#include "platform/os/KeyState.h"
#include "recorder/Player.h"

namespace {
constexpr int kEqLeft = 506;
constexpr int kEqTop = 70;
constexpr int kSliderWidth = 17;
}  // namespace

void TfrmPlayer::CreateEqualizer() {
  // The spectrum shares its row with the equalizer.
  plADBG->SetWidth(kEqLeft - 4 - plADBG->Left());

  comboxEQMode = new TComboBox(this);
  comboxEQMode->SetParent(this);
  comboxEQMode->SetStyle(csDropDownList);
  comboxEQMode->SetBounds(kEqLeft, kEqTop, 110, 20);
  for (const char* name : kEqModeNames) comboxEQMode->Items()->Add(name);
  comboxEQMode->SetItemIndex(kEqModeFlat);
  comboxEQMode->OnChange = [this](TObject*) { comboxEQModeChange(); };

  auto button = [this](int left, int width, const char* caption, const char* hint) {
    auto* b = new TButton(this);
    b->SetParent(this);
    b->SetBounds(kEqLeft + left, kEqTop, width, 20);
    b->SetCaption(caption);
    b->SetHint(hint);
    b->SetShowHint(true);
    return b;
  };
  btnEQMode = button(112, 24, "v", "Select EQ mode");
  btnEQMode->OnClick = [this](TObject*) { comboxEQMode->SetDroppedDown(true); };
  btnUseEQ = button(140, 64, "Use EQ", "Use EQ");
  btnUseEQ->OnClick = [this](TObject*) { btnUseEQClick(); };

  for (int band = 0; band < kEqBandCount; ++band) {
    auto* slider = new TTrackBar(this);
    slider->SetName("tbEQ" + std::to_string(band + 1));
    slider->SetParent(this);
    slider->SetOrientation(trVertical);  // first: turning swaps width and height
    slider->SetBounds(kEqLeft + band * kSliderWidth, kEqTop + 24, kSliderWidth, 86);
    slider->SetRange(-kEqPositionLimit, kEqPositionLimit);
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
  btnUseEQ->SetCaption(useEq_ ? "Use EQ" : "EQ off");
  try {
    AP.SetEQEnabled(useEq_);
  } catch (const Exception& error) {
    ShowMessage(error.Message());
  }
}
