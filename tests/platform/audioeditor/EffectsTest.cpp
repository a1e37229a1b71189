// The effects: levels, ramps, filter responses measured with Goertzel,
// the filter curve, delays, stretching and format conversion.

#include "EditorTestSupport.h"

#include <algorithm>

namespace {

constexpr int kRate = 44100;

// A tone of one second at amplitude 0.25 in both channels.
TSampleBlock Quiet(double hz) { return Tone(kRate, 2, kRate, hz, 0.25); }

TEST_F(EditorTest, AmplifyClipsWithoutWrappingAndNormalizeFindsThePeakOfAllChannels) {
  Load(Tone(kRate, 2, kRate, 100, 0.75));
  editor->Effects()->Amplify(200);
  const TSampleBlock loud = All();
  EXPECT_EQ(*std::max_element(loud.begin(), loud.end()), 32767);
  EXPECT_EQ(*std::min_element(loud.begin(), loud.end()), -32768);
  // A wrapped sample would sit at the other end right after a peak.
  for (std::size_t i = 2; i < loud.size(); i += 2) EXPECT_LT(std::abs(loud[i] - loud[i - 2]), 4000) << i;

  // Left at a quarter, right at a half: normalising to 80 % lifts both by the right's peak.
  TSampleBlock uneven = Tone(kRate, 2, kRate, 100, 0.25);
  for (std::size_t i = 1; i < uneven.size(); i += 2) uneven[i] = static_cast<std::int16_t>(uneven[i] * 2);
  Load(uneven);
  editor->Effects()->Normalize(80, -1);
  const TSampleBlock normal = All();
  const auto right = ChannelOf(normal, 2, 1), left = ChannelOf(normal, 2, 0);
  EXPECT_NEAR(*std::max_element(right.begin(), right.end()), 0.8 * 32768, 2);
  EXPECT_NEAR(*std::max_element(left.begin(), left.end()), 0.4 * 32768, 3);
  // Silence stays silence.
  Load(TSampleBlock(2000, 0));
  editor->Effects()->Normalize(80, -1);
  EXPECT_EQ(All(), TSampleBlock(2000, 0));
}

TEST_F(EditorTest, FadeRampsOverTheSelectionOnly) {
  Load(TSampleBlock(2 * 10000, 16000));
  Select(1000, 3001);
  editor->Effects()->Fade(0, 100);
  const TSampleBlock faded = All();
  EXPECT_EQ(faded[2 * 999], 16000);
  EXPECT_EQ(faded[2 * 1000], 0);
  EXPECT_EQ(faded[2 * 2000], 8000);
  EXPECT_EQ(faded[2 * 3000], 16000);
  EXPECT_EQ(faded[2 * 3001], 16000);
  editor->Effects()->Silence();
  EXPECT_EQ(All()[2 * 2000 + 1], 0);
  editor->Effects()->Invert();
  Select(0, 10);
  editor->Effects()->Invert();
  EXPECT_EQ(All()[0], -16000);
}

struct FilterCase {
  const char* name;
  std::function<void(IAudioEditor2Effects*)> apply;
  double passHz;
  double stopHz;
};

TEST_F(EditorTest, FiltersPassWithin1DbAndStopBy20Db) {
  const std::vector<FilterCase> cases{
      {"low pass", [](auto* e) { e->LowPassFilter(1000, 100); }, 200, 5000},
      {"high pass", [](auto* e) { e->HighPassFilter(2000, 100); }, 10000, 400},
      {"notch", [](auto* e) { e->NotchFilter(1000, 100); }, 200, 1000},
      {"band pass", [](auto* e) { e->BandPassFilter(1000, 100); }, 1000, 100},
      {"low shelf", [](auto* e) { e->LowShelfFilter(200, -30, 100); }, 8000, 40},
      {"high shelf", [](auto* e) { e->HighShelfFilter(4000, -30, 100); }, 200, 16000},
  };
  for (const FilterCase& c : cases) {
    for (double hz : {c.passHz, c.stopHz}) {
      Load(Quiet(hz));
      const TSampleBlock before = All();
      c.apply(editor->Effects());
      const double gain = GainDb(before, All(), 2, kRate, hz, 4410);
      if (hz == c.passHz)
        EXPECT_NEAR(gain, 0, 1) << c.name << " at " << hz;
      else
        EXPECT_LT(gain, -20) << c.name << " at " << hz;
    }
  }
  // A frequency past Nyquist is held below it: the output stays bounded.
  Load(Quiet(1000));
  editor->Effects()->LowPassFilter(60000, 100);
  editor->Effects()->NotchFilter(1e9f, 1);
  const TSampleBlock out = All();
  EXPECT_NEAR(GainDb(Quiet(1000), out, 2, kRate, 1000, 4410), 0, 1);
}

TEST_F(EditorTest, FilterCurveGivesItsGainAtEachFrequency) {
  // The editor's fixed curve: 0.5 at 0 Hz rising to 1 at point 100, then to 1.5 at Nyquist.
  std::vector<float> curve(512);
  for (int i = 0; i <= 100; ++i) curve[i] = static_cast<float>(1 - 0.5 * (1 - i / 100.0));
  for (int i = 101; i < 512; ++i) curve[i] = static_cast<float>(1 + 0.5 * (i - 100) / 411.0);
  for (double hz : {300.0, 2000.0, 8000.0, 15000.0}) {
    const double point = hz / (kRate / 2.0) * 511;
    const double expected = point <= 100 ? 1 - 0.5 * (1 - point / 100) : 1 + 0.5 * (point - 100) / 411;
    Load(Quiet(hz));
    const TSampleBlock before = All();
    editor->Effects()->FFTFilter(curve);
    EXPECT_NEAR(GainDb(before, All(), 2, kRate, hz, 2000), 20 * std::log10(expected), 0.3) << hz;
  }
  EXPECT_THROW(editor->Effects()->FFTFilter(std::vector<float>(10, 1.0f)), Exception);
}

TEST_F(EditorTest, DelayEchoesAndZeroDelayChangesNothing) {
  TSampleBlock click(2 * 20000, 0);
  click[2 * 100] = click[2 * 100 + 1] = 20000;
  Load(click);
  editor->Effects()->Delay(0, 50, 50);
  EXPECT_FALSE(editor->CanUndo());
  editor->Effects()->Delay(100, 50, 50);
  const TSampleBlock echoed = All();
  EXPECT_EQ(echoed[2 * 100], 20000);
  EXPECT_EQ(echoed[2 * 4510], 10000);   // 100 ms later at half
  EXPECT_EQ(echoed[2 * 8920], 5000);    // fed back at half again
  EXPECT_EQ(echoed[2 * 4509], 0);
  // The sweeps keep the length and stay bounded.
  Load(Quiet(500));
  editor->Effects()->Flanger(50, 30, 10, 50, 5, 1.57f);
  editor->Effects()->Vibrato(25, 3, 0);
  EXPECT_EQ(editor->Position()->Length(), kRate);
  EXPECT_GT(ToneAmplitude(ChannelOf(All(), 2, 0, 4410), kRate, 500), 0.1 * 8192);
}

TEST_F(EditorTest, ConversionAndStretchKeepThePitch) {
  Load(Quiet(1000));
  editor->Markers()->AddMarker(22050, 4410, "half", "", "", -1, -1, -1, -1);
  editor->ConvertFormat(22050, 1);
  EXPECT_EQ(editor->Position()->Length(), 22050);
  EXPECT_EQ(editor->FileInfo()->SampleRate(), 22050);
  EXPECT_EQ(editor->FileInfo()->Channels(), 1);
  EXPECT_NEAR(ZeroCrossings(All(), 1), 2000, 3);
  editor->Markers()->SetCurrent(1);
  EXPECT_EQ(editor->Markers()->Position(), 11025);
  EXPECT_EQ(editor->Markers()->Length(), 2205);
  EXPECT_NE(editor->FileInfo()->FormatText().find("22050"), std::string::npos);
  editor->ConvertFormat(48000, 2);
  EXPECT_EQ(editor->Position()->Length(), 48000);
  const TSampleBlock stereo = All();
  EXPECT_EQ(ChannelOf(stereo, 2, 0), ChannelOf(stereo, 2, 1));
  editor->Undo();
  editor->Undo();
  EXPECT_EQ(editor->FileInfo()->SampleRate(), kRate);
  EXPECT_NE(editor->FileInfo()->FormatText().find("44100"), std::string::npos);

  Select(0, kRate);
  editor->Effects()->Stretch(120);
  EXPECT_EQ(editor->Position()->Length(), 52920);
  EXPECT_EQ(editor->Position()->SelectionEnd(), 52920);
  // Same pitch: about 2000 crossings per second, now over 1.2 seconds.
  EXPECT_NEAR(ZeroCrossings(All(), 2), 2400, 60);
}

}  // namespace
