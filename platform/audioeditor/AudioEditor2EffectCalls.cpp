// The editor component's effects: each turns the current document into a
// new one over the selected range, as one undo step.

#include "platform/audioeditor/AudioEditor2.h"

#include <cmath>

using detail::AudioDocument;
using detail::EffectRange;
using detail::ProgressFn;

void IAudioEditor2Effects::Apply(const Transform& transform) {
  if (!editor_.HasDocument()) return;
  const EffectRange range = editor_.SelectedRange();
  editor_.RunOperation([&](const ProgressFn& progress) {
    const std::int64_t before = editor_.state_.document.Length();
    detail::EditState next = editor_.state_;
    next.document = transform(editor_.state_.document, range, progress);
    // Effects that change the range's length move what follows it.
    const std::int64_t changed = next.document.Length() - before;
    if (changed != 0) {
      detail::MarkersReplaced(next.markers, range.from, range.to, range.to - range.from + changed);
      if (editor_.HasSelection()) next.selectionEnd += changed;
    }
    editor_.Commit(std::move(next));
  });
}

void IAudioEditor2Effects::Amplify(float level) {
  Apply([&](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::ApplyGainRamp(d, r, level, level, p);
  });
}

void IAudioEditor2Effects::Fade(float startLevel, float endLevel) {
  Apply([&](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::ApplyGainRamp(d, r, startLevel, endLevel, p);
  });
}

void IAudioEditor2Effects::Normalize(float level, int) {
  Apply([&](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::Normalize(d, r, level, p);
  });
}

void IAudioEditor2Effects::Silence() {
  Apply([](const AudioDocument& d, const EffectRange& r, const ProgressFn&) {
    const AudioDocument silence = AudioDocument::Silence(d.sampleRate, d.channels, r.to - r.from);
    return d.Spliced(r.from, r.to, silence);
  });
}

void IAudioEditor2Effects::Invert() {
  Apply([](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::ApplyGainRamp(d, r, -100, -100, p);
  });
}

void IAudioEditor2Effects::InsertSilence(int ms) {
  if (ms <= 0 || editor_.state_.document.tracks.empty()) return;
  editor_.RunOperation([&](const ProgressFn&) {
    const AudioDocument& d = editor_.state_.document;
    const std::int64_t frames = static_cast<std::int64_t>(ms) * d.sampleRate / 1000;
    const std::int64_t at = editor_.state_.cursor;
    detail::EditState next = editor_.state_;
    next.document = d.Spliced(at, at, AudioDocument::Silence(d.sampleRate, d.channels, frames));
    detail::MarkersInserted(next.markers, at, frames);
    auto shift = [&](std::int64_t& frame) {
      if (frame > at) frame += frames;
    };
    shift(next.selectionStart);
    shift(next.selectionEnd);
    editor_.Commit(std::move(next));
  });
}

void IAudioEditor2Effects::Flanger(float delayRate, float mixDepth, float feedbackGain, float sweepDepth,
                                   float sweepRate, float sweepPhase) {
  const detail::FlangerSettings settings{delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase};
  Apply([&](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::ApplyFlanger(d, r, settings, p);
  });
}

void IAudioEditor2Effects::Vibrato(float sweepDepth, float sweepFrequency, float sweepPhase) {
  Apply([&](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::ApplyVibrato(d, r, sweepDepth, sweepFrequency, sweepPhase, p);
  });
}

void IAudioEditor2Effects::Delay(float delayTime, float mixDepth, float feedbackGain) {
  if (!(delayTime > 0)) return;
  Apply([&](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::ApplyDelay(d, r, delayTime, mixDepth, feedbackGain, p);
  });
}

namespace {

auto Filtering(detail::FilterKind kind, float frequency, float gainDb, float steepness) {
  const detail::FilterSettings settings{kind, frequency, gainDb, steepness};
  return [settings](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::ApplyFilter(d, r, settings, p);
  };
}

}  // namespace

void IAudioEditor2Effects::NotchFilter(float frequency, float steepness) {
  Apply(Filtering(detail::FilterKind::Notch, frequency, 0, steepness));
}

void IAudioEditor2Effects::BandPassFilter(float frequency, float steepness) {
  Apply(Filtering(detail::FilterKind::BandPass, frequency, 0, steepness));
}

void IAudioEditor2Effects::HighPassFilter(float frequency, float steepness) {
  Apply(Filtering(detail::FilterKind::HighPass, frequency, 0, steepness));
}

void IAudioEditor2Effects::LowPassFilter(float frequency, float steepness) {
  Apply(Filtering(detail::FilterKind::LowPass, frequency, 0, steepness));
}

void IAudioEditor2Effects::HighShelfFilter(float frequency, float gainDb, float steepness) {
  Apply(Filtering(detail::FilterKind::HighShelf, frequency, gainDb, steepness));
}

void IAudioEditor2Effects::LowShelfFilter(float frequency, float gainDb, float steepness) {
  Apply(Filtering(detail::FilterKind::LowShelf, frequency, gainDb, steepness));
}

void IAudioEditor2Effects::FFTFilter(const std::vector<float>& curve) {
  Apply([&](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::ApplyFilterCurve(d, r, curve, p);
  });
}

void IAudioEditor2Effects::Stretch(float lengthPercent) {
  if (!(lengthPercent > 0) || lengthPercent == 100) return;
  Apply([&](const AudioDocument& d, const EffectRange& r, const ProgressFn& p) {
    return detail::Stretch(d, r, lengthPercent, p);
  });
}
