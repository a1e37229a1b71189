#pragma once
// The signal work of the editor's effects. Each takes a document and the
// frames [from, to) to work on and returns the new document, which shares
// every chunk outside the range with the old one. Levels and gains are in
// percent as the effect dialogs give them; frequencies are held inside
// (0, Nyquist) so no filter becomes unstable.

#include "platform/audioeditor/AudioDocument.h"
#include "platform/audioeditor/OperationProgress.h"
#include "platform/base/Exceptions.h"

#include <cstdint>
#include <vector>

namespace detail {

struct EffectRange {
  std::int64_t from = 0;
  std::int64_t to = 0;
};

// Gain going linearly from startPercent at the first frame to endPercent at
// the last; results are clipped to full scale. Amplify, fade, silence and
// invert are all this.
AudioDocument ApplyGainRamp(const AudioDocument& document, EffectRange range, double startPercent,
                            double endPercent, const ProgressFn& progress);
// Scales the range so that its largest peak, over all channels together,
// is levelPercent of full scale. Silence stays silence.
AudioDocument Normalize(const AudioDocument& document, EffectRange range, double levelPercent,
                        const ProgressFn& progress);

// Filters; steepness 1..100. Notch and band pass: the narrowness (Q up to
// 10); high and low pass: the slope, 12 to 60 dB per octave; shelves: the
// shelf slope.
enum class FilterKind { Notch, BandPass, HighPass, LowPass, HighShelf, LowShelf };
struct FilterSettings {
  FilterKind kind = FilterKind::LowPass;
  double frequency = 1000;
  double gainDb = 0;  // shelves only
  double steepness = 100;
};
AudioDocument ApplyFilter(const AudioDocument& document, EffectRange range, const FilterSettings& settings,
                          const ProgressFn& progress);

// Effects built on a delay line. Percent values 0..100; the phase in
// radians (0..pi) is the offset of the right channel's sweep.
struct FlangerSettings {
  double delayRate = 50, mixDepth = 30, feedbackGain = 10, sweepDepth = 50, sweepRate = 5, sweepPhase = 0;
};
AudioDocument ApplyFlanger(const AudioDocument& document, EffectRange range, const FlangerSettings& settings,
                           const ProgressFn& progress);
// sweepFrequency in Hz.
AudioDocument ApplyVibrato(const AudioDocument& document, EffectRange range, double sweepDepth,
                           double sweepFrequency, double sweepPhase, const ProgressFn& progress);
// An echo delayMs later at mixDepth percent, repeated with feedbackGain percent.
AudioDocument ApplyDelay(const AudioDocument& document, EffectRange range, double delayMs, double mixDepth,
                         double feedbackGain, const ProgressFn& progress);

// Gains over the frequencies 0 .. Nyquist at kFilterCurvePoints evenly
// spaced points (1 = unchanged), applied by fast convolution with a
// linear-phase filter; the range keeps its length and its timing.
constexpr int kFilterCurvePoints = 512;
AudioDocument ApplyFilterCurve(const AudioDocument& document, EffectRange range, const std::vector<float>& curve,
                               const ProgressFn& progress);

// The range played lengthPercent as long (120 = longer), the pitch kept.
AudioDocument Stretch(const AudioDocument& document, EffectRange range, double lengthPercent,
                      const ProgressFn& progress);

// The whole document at another rate and channel count (mono to stereo
// copies the channel; stereo to mono takes the mean).
AudioDocument ConvertDocument(const AudioDocument& document, int sampleRate, int channels,
                              const ProgressFn& progress);

// The document with `insert` mixed in from frame `at` on: document at
// documentPercent plus insert at insertPercent, clipped; the document
// grows when the insert reaches past its end. Both have one format.
AudioDocument MixInto(const AudioDocument& document, std::int64_t at, const AudioDocument& insert,
                      double documentPercent, double insertPercent, const ProgressFn& progress);

}  // namespace detail
