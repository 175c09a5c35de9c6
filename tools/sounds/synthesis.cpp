#include "synthesis.hpp"

#include <algorithm>

namespace sounds {

std::uint32_t Noise::Next() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Noise::Uniform() {
  return static_cast<double>(Next()) / 4294967296.0;
}

double Oscillator::Sine(double hz) {
  const double value = std::sin(2 * Pi * phase_);
  phase_ += hz / Rate;
  phase_ -= std::floor(phase_);
  return value;
}

Filter::Out Filter::Run(double in, double cutoffHz, double q) {
  const double g = std::tan(Pi * std::clamp(cutoffHz, 10.0, 0.45 * Rate) / Rate);
  const double k = 1 / q;
  const double a1 = 1 / (1 + g * (g + k));
  const double a2 = g * a1;
  const double a3 = g * a2;
  const double v3 = in - ic2_;
  const double v1 = a1 * ic1_ + a2 * v3;
  const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
  ic1_ = 2 * v1 - ic1_;
  ic2_ = 2 * v2 - ic2_;
  return {v2, v1, in - k * v1 - v2};
}

double Decay(double t, double tau) {
  return t < 0 ? 0 : std::exp(-t / tau);
}

double Strike(double t, double attack, double tau) {
  if (t < 0) return 0;
  return Ramp(t, 0, attack) * std::exp(-t / tau);
}

double Glide(double t, double from, double to, double length) {
  const double x = std::clamp(t / length, 0.0, 1.0);
  return from * std::pow(to / from, x);
}

double Ramp(double t, double start, double end) {
  if (t <= start) return 0;
  if (t >= end) return 1;
  return 0.5 - 0.5 * std::cos(Pi * (t - start) / (end - start));
}

void AddStrike(Signal& out, double atSeconds, double hz, double gain,
               const std::vector<Partial>& partials, double attack) {
  const auto first = static_cast<std::size_t>(atSeconds * Rate);
  for (const Partial& p : partials) {
    const double f = hz * p.ratio;
    if (f >= 0.95 * Rate / 2) continue;
    for (std::size_t i = first; i < out.size(); ++i) {
      const double t = Seconds(i - first);
      const double env = Strike(t, attack, p.tau);
      if (t > attack && env < 1e-5) break;
      out[i] += gain * p.amp * env * std::sin(2 * Pi * f * t);
    }
  }
}

void AddBubble(Signal& out, double atSeconds, double hz, double rise, double tau, double gain) {
  const auto first = static_cast<std::size_t>(atSeconds * Rate);
  double phase = 0;
  for (std::size_t i = first; i < out.size(); ++i) {
    const double t = Seconds(i - first);
    const double env = Strike(t, 0.0015, tau);
    if (t > 0.0015 && env < 1e-5) break;
    out[i] += gain * env * std::sin(2 * Pi * phase);
    phase += hz * (1 + rise * t) / Rate;
  }
}

}  // namespace sounds
