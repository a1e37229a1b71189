// Frequency responses of the capture filters and the equaliser, measured
// on synthetic signals.

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "SignalTools.h"
#include "platform/audio/CaptureFilters.h"
#include "platform/audio/Equalizer.h"

using detail::CaptureFilterChain;
using detail::CaptureFilterSettings;
using detail::PlaybackEqualizer;

namespace {

constexpr int kRate = 44100;

// Gain in dB of the settled response to a sine (the first half is discarded).
template <typename Processor>
double MeasuredGainDb(Processor& process, double hz, int channels = 2) {
  const double amplitude = 8000;
  TSampleBlock s = testsignal::Sine(hz, amplitude, kRate, channels, kRate);
  process(s.data(), static_cast<std::size_t>(kRate));
  TSampleBlock tail(s.begin() + s.size() / 2, s.end());
  return 20 * std::log10(testsignal::ToneAmplitude(tail, channels, 0, hz, kRate) / amplitude);
}

double ChainGainDb(const CaptureFilterSettings& settings, double hz) {
  CaptureFilterChain chain;
  chain.Configure(kRate, 2, settings);
  auto process = [&](std::int16_t* s, std::size_t n) { chain.Process(s, n); };
  return MeasuredGainDb(process, hz);
}

}  // namespace

TEST(CaptureFilters, LowCutRemovesRumbleAndKeepsSpeech) {
  CaptureFilterSettings s;
  s.lowCutEnabled = true;
  s.lowCutFrequency = 100;
  EXPECT_NEAR(ChainGainDb(s, 100), -3.0, 0.5);  // Butterworth corner
  EXPECT_LT(ChainGainDb(s, 25), -22.0);         // two octaves down: -24 dB
  EXPECT_NEAR(ChainGainDb(s, 1000), 0.0, 0.2);
}

TEST(CaptureFilters, HighCutRemovesHissAndKeepsSpeech) {
  CaptureFilterSettings s;
  s.highCutEnabled = true;
  s.highCutFrequency = 8000;
  EXPECT_NEAR(ChainGainDb(s, 8000), -3.0, 0.7);
  EXPECT_LT(ChainGainDb(s, 18000), -12.0);
  EXPECT_NEAR(ChainGainDb(s, 1000), 0.0, 0.2);
}

TEST(CaptureFilters, DisabledChainLeavesSamplesUntouched) {
  CaptureFilterChain chain;
  chain.Configure(kRate, 2, {});
  TSampleBlock s = testsignal::Sine(440, 30000, kRate, 2, 1000);
  const TSampleBlock original = s;
  chain.Process(s.data(), 1000);
  EXPECT_EQ(s, original);
}

TEST(CaptureFilters, NoiseGateSilencesQuietSignalAndPassesLoudOne) {
  CaptureFilterSettings s;
  s.noiseLevelEnabled = true;
  s.noiseLevel = 50;  // about 104 on the 16-bit scale
  CaptureFilterChain chain;
  chain.Configure(kRate, 1, s);

  TSampleBlock hiss = testsignal::Sine(3000, 40, kRate, 1, kRate / 2);
  chain.Process(hiss.data(), hiss.size());
  EXPECT_EQ(testsignal::Peak(TSampleBlock(hiss.end() - 4410, hiss.end())), 0);

  TSampleBlock voice = testsignal::Sine(500, 5000, kRate, 1, kRate / 2);
  chain.Process(voice.data(), voice.size());
  const TSampleBlock settled(voice.end() - 4410, voice.end());
  EXPECT_NEAR(testsignal::ToneAmplitude(settled, 1, 0, 500, kRate), 5000, 50);
}

TEST(CaptureFilters, FullScaleInputDoesNotWrapAround) {
  CaptureFilterSettings s;
  s.lowCutEnabled = s.highCutEnabled = true;
  CaptureFilterChain chain;
  chain.Configure(kRate, 1, s);
  // A full-scale square wave overshoots in the filters; it must clip, not wrap.
  TSampleBlock square(kRate / 10);
  for (std::size_t i = 0; i < square.size(); ++i) square[i] = (i / 50) % 2 ? 32767 : -32768;
  chain.Process(square.data(), square.size());
  for (std::size_t i = 1; i < square.size(); ++i)
    ASSERT_LT(std::abs(square[i] - square[i - 1]), 40000) << "sample " << i;
}

TEST(Equalizer, EachBandBoostsAndCutsAtItsCentre) {
  for (int band = 0; band < PlaybackEqualizer::kBandCount; ++band) {
    const double centre = PlaybackEqualizer::kBandCentresHz[band];
    for (float gain : {6.0f, -9.0f}) {
      PlaybackEqualizer eq;
      eq.Configure(kRate, 2);
      std::array<float, 12> gains{};
      gains[band] = gain;
      eq.SetGains(gains);
      auto process = [&](std::int16_t* s, std::size_t n) { eq.Process(s, n); };
      EXPECT_NEAR(MeasuredGainDb(process, centre), gain, 0.3) << "band " << band << " at " << centre << " Hz";
      EXPECT_NEAR(20 * std::log10(eq.MagnitudeAt(centre)), gain, 0.05);
      // Two octaves away the band has little effect.
      const double far = centre >= 1000 ? centre / 4 : centre * 4;
      EXPECT_LT(std::abs(20 * std::log10(eq.MagnitudeAt(far))), 1.5) << "band " << band;
    }
  }
}

TEST(Equalizer, FlatOrDisabledPassesSamplesUnchanged) {
  PlaybackEqualizer eq;
  eq.Configure(kRate, 2);
  TSampleBlock s = testsignal::Sine(1000, 20000, kRate, 2, 2000);
  const TSampleBlock original = s;
  eq.Process(s.data(), 2000);
  EXPECT_EQ(s, original);

  std::array<float, 12> gains{};
  gains.fill(12);
  eq.SetGains(gains);
  eq.SetEnabled(false);
  eq.Process(s.data(), 2000);
  EXPECT_EQ(s, original);
}

TEST(Equalizer, BandsAboveNyquistAreLeftOutAndBadGainsAreTamed) {
  PlaybackEqualizer eq;
  eq.Configure(22050, 1);
  std::array<float, 12> gains{};
  gains[11] = 12;  // 16 kHz cannot exist at 22050 Hz
  gains[0] = NAN;
  gains[5] = 1000;
  eq.SetGains(gains);
  EXPECT_NEAR(20 * std::log10(eq.MagnitudeAt(1000)), 24.0, 0.1);
  EXPECT_NEAR(20 * std::log10(eq.MagnitudeAt(31)), 0.0, 0.5);
  TSampleBlock s = testsignal::Sine(1000, 30000, 22050, 1, 5000);
  eq.Process(s.data(), s.size());
  EXPECT_EQ(testsignal::Peak(s), 32768);  // clipped, not wrapped
}
