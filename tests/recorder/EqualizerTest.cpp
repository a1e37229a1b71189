// The player's equalizer: presets set the sliders, a dragged slider makes
// the "Custom" setting, which comes back later, and the gains and the
// switch reach what the player plays.

#include <algorithm>
#include <cmath>

#include "PlayerWindowFixture.h"
#include "platform/audio/Equalizer.h"

namespace {

class EqualizerTest : public PlayerWindowFixture {
 protected:
  static void ChooseMode(int mode) {
    frmPlayer->comboxEQMode->SetItemIndex(mode);
    frmPlayer->comboxEQMode->OnChange(frmPlayer->comboxEQMode);
  }
  // The user presses a slider, drags it and lets go.
  static void Drag(int band, int position) {
    TzelTrackBar* slider = frmPlayer->tbEQ[band];
    slider->OnMouseDown(slider, mbLeft, {}, 0, 0);
    slider->SetPosition(position);
    slider->OnMouseUp(slider, mbLeft, {}, 0, 0);
  }

  // The peak of what the player has just played, after a moment of it.
  static int PlayedPeak() {
    PumpFor(600);
    const TSampleBlock last = frmPlayer->AP.GetLastSamples(8820);
    int peak = 0;
    for (std::int16_t sample : last) peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak;
  }
};

TEST_F(EqualizerTest, PresetsSetTheSlidersAndADraggedSettingIsCustom) {
  ShowPlayer();
  EXPECT_EQ(frmPlayer->comboxEQMode->Text(), "Flat");
  EXPECT_TRUE(frmPlayer->UseEQ());

  ChooseMode(0);  // Pop
  EXPECT_EQ(frmPlayer->tbEQ[0]->Position(), -273);
  EXPECT_EQ(frmPlayer->tbEQ[11]->Position(), -3000);
  EXPECT_EQ(frmPlayer->comboxEQMode->ItemIndex(), 0) << "a preset moving the sliders is no custom setting";
  ChooseMode(1);  // Disco
  EXPECT_EQ(frmPlayer->tbEQ[0]->Position(), 13364);
  EXPECT_EQ(frmPlayer->tbEQ[2]->Position(), -9545);

  Drag(4, -7000);
  EXPECT_EQ(frmPlayer->comboxEQMode->ItemIndex(), kEqModeCustom);
  const TEqPositions custom = frmPlayer->EqPositions();
  EXPECT_EQ(custom[0], 13364);
  EXPECT_EQ(custom[4], -7000);

  ChooseMode(kEqModeFlat);
  EXPECT_EQ(frmPlayer->EqPositions(), TEqPositions{});
  ChooseMode(kEqModeCustom);
  EXPECT_EQ(frmPlayer->EqPositions(), custom);

  // A choice while a slider is held is ignored.
  frmPlayer->tbEQ[0]->OnMouseDown(frmPlayer->tbEQ[0], mbLeft, {}, 0, 0);
  ChooseMode(kEqModeFlat);
  EXPECT_EQ(frmPlayer->EqPositions(), custom);
  frmPlayer->tbEQ[0]->OnMouseUp(frmPlayer->tbEQ[0], mbLeft, {}, 0, 0);
  EXPECT_TRUE(messages.empty());
}

TEST_F(EqualizerTest, GainsAndTheSwitchReachThePlayback) {
  const int band = 5;  // the 1 kHz band
  ASSERT_EQ(detail::PlaybackEqualizer::kBandCentresHz[band], 1000);
  ShowPlayer([&] {
    TAudioFile2 file;
    file.SetWAVOutput(44100, 2, 16);
    file.CreateWrite(Folder() + "band.wav", 0);
    TSampleBlock block;
    for (int i = 0; i < 44100 * 30; ++i)
      block.insert(block.end(), 2, static_cast<std::int16_t>(2000 * std::sin(2 * M_PI * 1000 * i / 44100)));
    file.WriteBlock(block);
    file.Close();
  });
  Play("band.wav");
  const int flat = PlayedPeak();
  ASSERT_GT(flat, 1500);

  Drag(band, -12000);  // 12 dB up
  EXPECT_NEAR(20 * std::log10(static_cast<double>(PlayedPeak()) / flat), 12, 1.5);

  ChooseMode(4);  // News: this band +6.273 dB
  EXPECT_NEAR(20 * std::log10(static_cast<double>(PlayedPeak()) / flat), 6.273, 1.5);

  // Use EQ starts on: the first press switches it off.
  frmPlayer->btnUseEQ->Click();
  EXPECT_FALSE(frmPlayer->UseEQ());
  EXPECT_FALSE(frmPlayer->AP.EQEnabled());
  EXPECT_NEAR(20 * std::log10(static_cast<double>(PlayedPeak()) / flat), 0, 1.0);
  frmPlayer->btnUseEQ->Click();
  EXPECT_TRUE(frmPlayer->AP.EQEnabled());
  frmPlayer->btnStop->Click();
}

}  // namespace
