#include "platform/audio/Biquad.h"
#include "platform/audioeditor/DocumentEffects.h"
#include "platform/audioeditor/RangeProcessing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace detail {

namespace {

// Butterworth sections for the pass filters: 1 to 5 sections (12 to 60 dB
// per octave) as the steepness grows, each with its pole pair's Q.
std::vector<BiquadCoefficients> PassSections(const FilterSettings& s, double rate) {
  const int sections = 1 + static_cast<int>(std::clamp(s.steepness, 1.0, 100.0) - 1) / 25;
  std::vector<BiquadCoefficients> result;
  for (int k = 1; k <= sections; ++k) {
    const double q = 1 / (2 * std::cos((2 * k - 1) * std::numbers::pi / (8 * sections)));
    result.push_back(s.kind == FilterKind::LowPass ? BiquadCoefficients::Lowpass(rate, s.frequency, q)
                                                   : BiquadCoefficients::Highpass(rate, s.frequency, q));
  }
  return result;
}

std::vector<BiquadCoefficients> Design(const FilterSettings& s, double rate) {
  const double steepness = std::clamp(s.steepness, 1.0, 100.0);
  const double q = steepness / 10;
  const double gain = std::clamp(s.gainDb, -120.0, 24.0);
  switch (s.kind) {
    case FilterKind::Notch: return {BiquadCoefficients::Notch(rate, s.frequency, q)};
    case FilterKind::BandPass: return {BiquadCoefficients::Bandpass(rate, s.frequency, q)};
    case FilterKind::HighShelf: return {BiquadCoefficients::HighShelf(rate, s.frequency, gain, steepness / 100)};
    case FilterKind::LowShelf: return {BiquadCoefficients::LowShelf(rate, s.frequency, gain, steepness / 100)};
    case FilterKind::HighPass:
    case FilterKind::LowPass: return PassSections(s, rate);
  }
  return {};
}

}  // namespace

AudioDocument ApplyFilter(const AudioDocument& document, EffectRange range, const FilterSettings& settings,
                          const ProgressFn& progress) {
  FilterSettings s = settings;
  // The design clamps too; a frequency that is no number must not reach it.
  if (!std::isfinite(s.frequency)) s.frequency = 1000;
  const std::vector<BiquadCoefficients> design = Design(s, document.sampleRate);
  // One chain per channel, carried from block to block.
  std::vector<std::vector<BiquadFilter>> chains(static_cast<std::size_t>(document.channels));
  for (auto& chain : chains) {
    chain.resize(design.size());
    for (std::size_t i = 0; i < design.size(); ++i) chain[i].SetCoefficients(design[i]);
  }
  // Section after section over a whole block, at double precision
  // throughout; only the result is clipped.
  std::vector<double> work;
  return ProcessRange(
      document, range,
      [&](int channel, float* samples, std::int64_t count, std::int64_t) {
        work.assign(samples, samples + count);
        for (BiquadFilter& section : chains[static_cast<std::size_t>(channel)]) section.Process(work.data(), count);
        for (std::int64_t i = 0; i < count; ++i) samples[i] = ClipSample(work[static_cast<std::size_t>(i)]);
      },
      progress);
}

}  // namespace detail
