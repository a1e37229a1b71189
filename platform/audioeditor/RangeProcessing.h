#pragma once
// Runs a block process over a range of every channel of a document and
// splices the result in place of the range.

#include "platform/audioeditor/DocumentEffects.h"

#include <functional>

namespace detail {

// Frames handed to a process at once.
constexpr std::int64_t kProcessBlock = 65536;

// process(channel, samples, count, offset): changes count samples in
// place; offset is the position of the first within the range.
using BlockProcess = std::function<void(int channel, float* samples, std::int64_t count, std::int64_t offset)>;

AudioDocument ProcessRange(const AudioDocument& document, EffectRange range, const BlockProcess& process,
                           const ProgressFn& progress);

// The range clamped to the document.
EffectRange Clamped(const AudioDocument& document, EffectRange range);

// Clips a sample to full scale.
inline float ClipSample(double value) {
  return static_cast<float>(value > 1.0 ? 1.0 : value < -1.0 ? -1.0 : value);
}

}  // namespace detail
