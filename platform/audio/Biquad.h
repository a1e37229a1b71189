#pragma once
// Second-order IIR sections with the usual cookbook designs, used for the
// capture filters, the playback equaliser and the editor's filters. One section filters one
// channel; the caller keeps one per channel.

#include <cstdint>

namespace detail {

struct BiquadCoefficients {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;  // normalised so a0 = 1

  static BiquadCoefficients Lowpass(double sampleRate, double cutoffHz, double q);
  static BiquadCoefficients Highpass(double sampleRate, double cutoffHz, double q);
  static BiquadCoefficients Peaking(double sampleRate, double centreHz, double q, double gainDb);
  static BiquadCoefficients Notch(double sampleRate, double centreHz, double q);
  // Unity gain at the centre.
  static BiquadCoefficients Bandpass(double sampleRate, double centreHz, double q);
  // slope: the shelf slope S, 0 < S <= 1 (1 the steepest without overshoot).
  static BiquadCoefficients LowShelf(double sampleRate, double cornerHz, double gainDb, double slope);
  static BiquadCoefficients HighShelf(double sampleRate, double cornerHz, double gainDb, double slope);
  // Magnitude of the response at a frequency, for checks and tests.
  double MagnitudeAt(double sampleRate, double hz) const;
};

class BiquadFilter {
 public:
  void SetCoefficients(const BiquadCoefficients& c) { c_ = c; }
  void Reset() { z1_ = z2_ = 0; }
  double Process(double x) {
    // Transposed direct form II: good numeric behaviour at low cutoffs.
    double y = c_.b0 * x + z1_;
    z1_ = c_.b1 * x - c_.a1 * y + z2_;
    z2_ = c_.b2 * x - c_.a2 * y;
    return y;
  }
  // The same over a run of samples, in place, the state held in registers.
  void Process(double* samples, std::int64_t count) {
    const BiquadCoefficients c = c_;
    double z1 = z1_, z2 = z2_;
    for (std::int64_t i = 0; i < count; ++i) {
      const double x = samples[i];
      const double y = c.b0 * x + z1;
      z1 = c.b1 * x - c.a1 * y + z2;
      z2 = c.b2 * x - c.a2 * y;
      samples[i] = y;
    }
    z1_ = z1;
    z2_ = z2;
  }

 private:
  BiquadCoefficients c_;
  double z1_ = 0, z2_ = 0;
};

}  // namespace detail
