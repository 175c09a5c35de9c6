#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

// The few building blocks every effect is made of. Everything is computed in
// double precision at the clips' rate and is fully deterministic: the same
// source always writes the same bytes.
namespace sounds {

constexpr double Rate = 22050.0;
constexpr double Pi = 3.14159265358979323846;

using Signal = std::vector<double>;

inline double Seconds(std::size_t frame) {
  return static_cast<double>(frame) / Rate;
}

// A small fixed-seed generator, so "random" textures are the same on every build.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  std::uint32_t Next();
  double Uniform();                               // 0..1
  double Bipolar() { return 2 * Uniform() - 1; }  // -1..1
  double Between(double low, double high) { return low + (high - low) * Uniform(); }

 private:
  std::uint32_t state_;
};

// A sine oscillator whose frequency may change every sample without a jump.
class Oscillator {
 public:
  double Sine(double hz);
  // A band-limited tone: harmonics k = 1.. with amplitude amp(k), none at or
  // above the Nyquist frequency.
  template <typename Amp>
  double Harmonics(double hz, int count, Amp amp);

 private:
  double phase_ = 0;  // in cycles
};

// A state-variable filter (trapezoidal form, stable at any cutoff below Nyquist).
class Filter {
 public:
  struct Out {
    double low, band, high;
  };
  Out Run(double in, double cutoffHz, double q);
  double LowPass(double in, double hz, double q = 0.707) { return Run(in, hz, q).low; }
  double BandPass(double in, double hz, double q) { return Run(in, hz, q).band; }
  double HighPass(double in, double hz, double q = 0.707) { return Run(in, hz, q).high; }

 private:
  double ic1_ = 0, ic2_ = 0;
};

// exp(-t / tau) for t >= 0, 0 before.
double Decay(double t, double tau);
// A smooth rise over `attack` seconds then an exponential decay.
double Strike(double t, double attack, double tau);
// Exponential glide from `from` to `to` over `length` seconds, held after.
double Glide(double t, double from, double to, double length);
// Raised-cosine ramp from 0 at t <= start to 1 at t >= end.
double Ramp(double t, double start, double end);

// A struck bar or bell: partials (ratio to the fundamental, amplitude, decay)
// added into `out` from frame `at`.
struct Partial {
  double ratio, amp, tau;
};
void AddStrike(Signal& out, double atSeconds, double hz, double gain,
               const std::vector<Partial>& partials, double attack = 0.002);

// A bubble: a damped sine whose pitch rises as it closes, the sound of a plop.
void AddBubble(Signal& out, double atSeconds, double hz, double rise, double tau, double gain);

template <typename Amp>
double Oscillator::Harmonics(double hz, int count, Amp amp) {
  double sum = 0;
  for (int k = 1; k <= count && k * hz < 0.95 * Rate / 2; ++k) {
    sum += amp(k) * std::sin(2 * Pi * k * phase_);
  }
  phase_ += hz / Rate;
  phase_ -= std::floor(phase_);
  return sum;
}

}  // namespace sounds
