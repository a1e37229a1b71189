#pragma once
// Built-in devices for machines without a sound server: one capture device
// whose lines deliver a known signal in real time, and one output that
// consumes blocks in real time and discards them.

#include <memory>

#include "platform/audio/AudioDevices.h"

namespace detail {

// The test tone of line 0: a 1 kHz sine of this amplitude at full line volume.
constexpr double kVirtualToneHz = 1000.0;
constexpr int kVirtualToneAmplitude = 16384;

std::shared_ptr<AudioBackend> CreateVirtualBackend();

}  // namespace detail
