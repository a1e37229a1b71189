#include "platform/audioeditor/DocumentEffects.h"
#include "platform/audioeditor/RangeProcessing.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <memory>
#include <mutex>
#include <numbers>

namespace detail {

namespace {

// The filter: kTaps linear-phase taps designed from the curve; applied by
// overlap-add in transforms of kFftSize.
constexpr int kTaps = 1023;
constexpr int kDesignSize = 2 * kFilterCurvePoints;  // one point per design bin, 0 .. Nyquist
constexpr int kFftSize = 4096;
constexpr int kHop = kFftSize - kTaps + 1;
constexpr int kLatency = (kTaps - 1) / 2;

// Plans are made under a lock: the library's planner is not thread-safe.
std::mutex& PlannerLock() {
  static std::mutex lock;
  return lock;
}

struct FloatBuffer {
  explicit FloatBuffer(std::size_t n) : data(static_cast<float*>(fftwf_malloc(n * sizeof(float)))) {}
  ~FloatBuffer() { fftwf_free(data); }
  float* data;
};
struct ComplexBuffer {
  explicit ComplexBuffer(std::size_t n)
      : data(static_cast<fftwf_complex*>(fftwf_malloc(n * sizeof(fftwf_complex)))) {}
  ~ComplexBuffer() { fftwf_free(data); }
  fftwf_complex* data;
};

class Convolver {
 public:
  explicit Convolver(const std::vector<float>& curve)
      : time_(kFftSize), spectrum_(kFftSize / 2 + 1), response_(kFftSize / 2 + 1) {
    std::lock_guard lock(PlannerLock());
    forward_ = fftwf_plan_dft_r2c_1d(kFftSize, time_.data, spectrum_.data, FFTW_ESTIMATE);
    backward_ = fftwf_plan_dft_c2r_1d(kFftSize, spectrum_.data, time_.data, FFTW_ESTIMATE);
    Design(curve);
  }
  ~Convolver() {
    std::lock_guard lock(PlannerLock());
    fftwf_destroy_plan(forward_);
    fftwf_destroy_plan(backward_);
  }

  // Filters `count` input samples: out[i] = sum taps[k] * in[i + kTaps - 1 - k],
  // so `in` holds kTaps - 1 samples of context before the first output.
  void Run(const float* in, std::int64_t count, float* out) {
    for (std::int64_t done = 0; done < count; done += kHop) {
      const std::int64_t n = std::min<std::int64_t>(kHop, count - done);
      std::fill(time_.data, time_.data + kFftSize, 0.0f);
      std::copy(in + done, in + done + n + kTaps - 1, time_.data);
      fftwf_execute(forward_);
      for (int k = 0; k <= kFftSize / 2; ++k) {
        const std::complex<float> a(spectrum_.data[k][0], spectrum_.data[k][1]);
        const std::complex<float> b(response_.data[k][0], response_.data[k][1]);
        const std::complex<float> c = a * b;
        spectrum_.data[k][0] = c.real();
        spectrum_.data[k][1] = c.imag();
      }
      fftwf_execute(backward_);
      // Circular convolution: the first kTaps - 1 results wrap round; the
      // rest are the linear ones.
      for (std::int64_t i = 0; i < n; ++i)
        out[done + i] = ClipSample(time_.data[kTaps - 1 + i] / kFftSize);
    }
  }

 private:
  // Frequency sampling: the curve's gains as a zero-phase response, its
  // impulse response centred and windowed, then transformed once.
  void Design(const std::vector<float>& curve) {
    std::vector<double> taps(kTaps, 0.0);
    for (int t = 0; t < kTaps; ++t) {
      const double n = t - kLatency;
      double sum = GainAt(curve, 0);
      for (int k = 1; k < kDesignSize / 2; ++k)
        sum += 2 * GainAt(curve, k) * std::cos(2 * std::numbers::pi * k * n / kDesignSize);
      sum += GainAt(curve, kDesignSize / 2) * std::cos(std::numbers::pi * n);
      const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * (t + 1) / (kTaps + 1));
      taps[static_cast<std::size_t>(t)] = sum / kDesignSize * window;
    }
    std::fill(time_.data, time_.data + kFftSize, 0.0f);
    for (int t = 0; t < kTaps; ++t) time_.data[t] = static_cast<float>(taps[static_cast<std::size_t>(t)]);
    fftwf_execute(forward_);
    std::memcpy(response_.data, spectrum_.data, sizeof(fftwf_complex) * (kFftSize / 2 + 1));
  }

  // The curve at design bin k of 0 .. kDesignSize / 2 (the Nyquist bin).
  static double GainAt(const std::vector<float>& curve, int k) {
    const double position = static_cast<double>(k) * (kFilterCurvePoints - 1) / (kDesignSize / 2);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min<std::size_t>(below + 1, kFilterCurvePoints - 1);
    const double part = position - static_cast<double>(below);
    const double gain = curve[below] * (1 - part) + curve[above] * part;
    return std::isfinite(gain) ? std::clamp(gain, 0.0, 100.0) : 1.0;
  }

  FloatBuffer time_;
  ComplexBuffer spectrum_, response_;
  fftwf_plan forward_ = nullptr, backward_ = nullptr;
};

}  // namespace

AudioDocument ApplyFilterCurve(const AudioDocument& document, EffectRange range, const std::vector<float>& curve,
                               const ProgressFn& progress) {
  if (curve.size() != kFilterCurvePoints)
    throw Exception("The filter curve needs " + std::to_string(kFilterCurvePoints) + " points, not " +
                    std::to_string(curve.size()));
  range = Clamped(document, range);
  Convolver convolver(curve);
  // The filter's delay is taken out by reading kLatency frames ahead; the
  // audio around the range feeds its first and last outputs.
  std::vector<float> input(static_cast<std::size_t>(kProcessBlock + kTaps - 1));
  return ProcessRange(
      document, range,
      [&](int channel, float* samples, std::int64_t count, std::int64_t offset) {
        const std::int64_t first = range.from + offset - kLatency;
        // Outside the document reads as silence.
        document.tracks[static_cast<std::size_t>(channel)].Read(first, count + kTaps - 1, input.data());
        convolver.Run(input.data(), count, samples);
      },
      progress);
}

}  // namespace detail
