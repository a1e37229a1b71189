#pragma once
// Memory for the samples of chunks, handed out uninitialised: whoever
// asks writes every sample before reading one.
//
// An hour of stereo audio is over a gigabyte of floats, and the system
// hands memory out a small page at a time, each page a fault on its first
// write. Whole chunks therefore come in groups from large blocks the
// system backs with huge pages and fills in one request, a few blocks
// ahead of need on a thread of its own (so up to 16 MB wait filled for
// the next document). A block whose
// last chunk is released stays mapped for the next chunks, its pages
// given up to the system whenever the system wants them.

#include <cstdint>
#include <memory>

namespace detail {

// Frames per chunk made when samples are gathered (a second and a half at
// 44.1 kHz): small enough that a change copies little, large enough that a
// long document is a short list.
constexpr std::int64_t kChunkFrames = 65536;

struct ReleaseSamples {
  bool pooled = false;
  void operator()(float* samples) const;
};

using SampleStorage = std::unique_ptr<float[], ReleaseSamples>;

// Room for count samples. Throws std::bad_alloc when there is no memory.
SampleStorage AllocateSamples(std::int64_t count);

}  // namespace detail
