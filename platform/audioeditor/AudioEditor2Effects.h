#pragma once
// The effects of the editor component. Each works on the selection, or on
// the whole document when nothing is selected, as one undo step, and
// reports its progress through the editor's OnBlockOperation. Levels are
// percentages (100 = unchanged), frequencies Hz, steepness 1..100.

#include <cstdint>
#include <functional>
#include <vector>

class TAudioEditor2;
namespace detail {
struct AudioDocument;
struct EffectRange;
}  // namespace detail

class IAudioEditor2Effects {
 public:
  explicit IAudioEditor2Effects(TAudioEditor2& editor) : editor_(editor) {}

  void Amplify(float level);
  // Levels at the first and the last frame; between them the gain runs
  // in a straight line.
  void Fade(float startLevel, float endLevel);
  // The loudest peak of all channels together to level percent of full
  // scale. The channel argument is accepted as callers pass it.
  void Normalize(float level, int channel = -1);
  void Silence();
  void Invert();
  // Inserts ms milliseconds of silence at the cursor; needs no selection.
  void InsertSilence(int ms);

  // Percent values; the phase in radians (0..3.14) sets the right
  // channel's sweep against the left's. Sweep rate: 100 = 10 Hz.
  void Flanger(float delayRate, float mixDepth, float feedbackGain, float sweepDepth, float sweepRate,
               float sweepPhase);
  // Sweep frequency in Hz.
  void Vibrato(float sweepDepth, float sweepFrequency, float sweepPhase);
  // delayTime in ms; 0 changes nothing.
  void Delay(float delayTime, float mixDepth, float feedbackGain);

  void NotchFilter(float frequency, float steepness);
  void BandPassFilter(float frequency, float steepness);
  void HighPassFilter(float frequency, float steepness);
  void LowPassFilter(float frequency, float steepness);
  void HighShelfFilter(float frequency, float gainDb, float steepness);
  void LowShelfFilter(float frequency, float gainDb, float steepness);
  // 512 gains over 0 Hz .. half the sample rate.
  void FFTFilter(const std::vector<float>& curve);

  // The selection made lengthPercent as long (120 = longer), its pitch kept.
  void Stretch(float lengthPercent);

 private:
  using Transform = std::function<detail::AudioDocument(const detail::AudioDocument&, const detail::EffectRange&,
                                                        const std::function<void(int)>& progress)>;
  // Replaces the selected range (all without a selection) by what the
  // transform makes of it.
  void Apply(const Transform& transform);
  TAudioEditor2& editor_;
};
