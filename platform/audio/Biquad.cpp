#include "platform/audio/Biquad.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace detail {
namespace {

// Keeps a design frequency strictly inside (0, Nyquist).
double ClampFrequency(double sampleRate, double hz) {
  const double nyquist = sampleRate / 2;
  return std::clamp(hz, 1.0, nyquist * 0.99);
}

BiquadCoefficients Normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
  return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

}  // namespace

BiquadCoefficients BiquadCoefficients::Lowpass(double sampleRate, double cutoffHz, double q) {
  const double w = 2 * std::numbers::pi * ClampFrequency(sampleRate, cutoffHz) / sampleRate;
  const double alpha = std::sin(w) / (2 * q);
  const double c = std::cos(w);
  return Normalised((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

BiquadCoefficients BiquadCoefficients::Highpass(double sampleRate, double cutoffHz, double q) {
  const double w = 2 * std::numbers::pi * ClampFrequency(sampleRate, cutoffHz) / sampleRate;
  const double alpha = std::sin(w) / (2 * q);
  const double c = std::cos(w);
  return Normalised((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

BiquadCoefficients BiquadCoefficients::Peaking(double sampleRate, double centreHz, double q,
                                               double gainDb) {
  const double a = std::pow(10.0, gainDb / 40);
  const double w = 2 * std::numbers::pi * ClampFrequency(sampleRate, centreHz) / sampleRate;
  const double alpha = std::sin(w) / (2 * q);
  const double c = std::cos(w);
  return Normalised(1 + alpha * a, -2 * c, 1 - alpha * a, 1 + alpha / a, -2 * c, 1 - alpha / a);
}

BiquadCoefficients BiquadCoefficients::Notch(double sampleRate, double centreHz, double q) {
  const double w = 2 * std::numbers::pi * ClampFrequency(sampleRate, centreHz) / sampleRate;
  const double alpha = std::sin(w) / (2 * q);
  const double c = std::cos(w);
  return Normalised(1, -2 * c, 1, 1 + alpha, -2 * c, 1 - alpha);
}

BiquadCoefficients BiquadCoefficients::Bandpass(double sampleRate, double centreHz, double q) {
  const double w = 2 * std::numbers::pi * ClampFrequency(sampleRate, centreHz) / sampleRate;
  const double alpha = std::sin(w) / (2 * q);
  const double c = std::cos(w);
  return Normalised(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

namespace {

// The shared terms of the two shelves.
struct ShelfTerms {
  double a, c, root;  // amplitude, cos(w), 2 sqrt(A) alpha
};

ShelfTerms Shelf(double sampleRate, double cornerHz, double gainDb, double slope) {
  const double a = std::pow(10.0, gainDb / 40);
  const double w = 2 * std::numbers::pi * ClampFrequency(sampleRate, cornerHz) / sampleRate;
  const double s = std::clamp(slope, 0.01, 1.0);
  const double alpha = std::sin(w) / 2 * std::sqrt((a + 1 / a) * (1 / s - 1) + 2);
  return {a, std::cos(w), 2 * std::sqrt(a) * alpha};
}

}  // namespace

BiquadCoefficients BiquadCoefficients::LowShelf(double sampleRate, double cornerHz, double gainDb, double slope) {
  const auto [a, c, r] = Shelf(sampleRate, cornerHz, gainDb, slope);
  return Normalised(a * ((a + 1) - (a - 1) * c + r), 2 * a * ((a - 1) - (a + 1) * c), a * ((a + 1) - (a - 1) * c - r),
                    (a + 1) + (a - 1) * c + r, -2 * ((a - 1) + (a + 1) * c), (a + 1) + (a - 1) * c - r);
}

BiquadCoefficients BiquadCoefficients::HighShelf(double sampleRate, double cornerHz, double gainDb, double slope) {
  const auto [a, c, r] = Shelf(sampleRate, cornerHz, gainDb, slope);
  return Normalised(a * ((a + 1) + (a - 1) * c + r), -2 * a * ((a - 1) + (a + 1) * c), a * ((a + 1) + (a - 1) * c - r),
                    (a + 1) - (a - 1) * c + r, 2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - r);
}

double BiquadCoefficients::MagnitudeAt(double sampleRate, double hz) const {
  const std::complex<double> z1 = std::polar(1.0, -2 * std::numbers::pi * hz / sampleRate);
  const std::complex<double> z2 = z1 * z1;
  return std::abs((b0 + b1 * z1 + b2 * z2) / (1.0 + a1 * z1 + a2 * z2));
}

}  // namespace detail
