#include "effects.hpp"

#include <algorithm>
#include <cmath>

namespace sounds {

namespace {

// Equal-tempered note frequencies, A4 = 440 Hz.
double Note(int semitonesFromA4) {
  return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}
constexpr int C4 = -9, Eb4 = -6, G4 = -2, C5 = 3, E5 = 7, G5 = 10, C6 = 15, E6 = 19;

// A small bell: slightly stretched partials, the upper ones dying first.
const std::vector<Partial> BellPartials = {
    {1.0, 1.0, 1.0}, {2.01, 0.45, 0.55}, {3.02, 0.22, 0.35}, {4.17, 0.12, 0.2}};

// A glockenspiel-like bar: strong fundamental, inharmonic overtones.
const std::vector<Partial> BarPartials = {{1.0, 1.0, 1.0}, {2.76, 0.28, 0.35}, {5.4, 0.1, 0.15}};

// Scales each partial's decay by `tau`.
std::vector<Partial> Scaled(const std::vector<Partial>& partials, double tau) {
  std::vector<Partial> out = partials;
  for (Partial& p : out) p.tau *= tau;
  return out;
}

// A brassy note: harmonics whose brightness follows the loudness, a small
// scoop up to pitch at the start and a little vibrato once it has settled.
void AddBrass(Signal& out, double start, double end, double hz, double gain) {
  Oscillator osc;
  const auto first = static_cast<std::size_t>(start * Rate);
  const auto last = std::min(out.size(), static_cast<std::size_t>(end * Rate));
  const double length = end - start;
  for (std::size_t i = first; i < last; ++i) {
    const double t = Seconds(i - first);
    const double env =
        Ramp(t, 0, 0.012) * (1 - 0.25 * Ramp(t, 0.02, 0.08)) * (1 - Ramp(t, length - 0.03, length));
    const double scoop = 1 - 0.03 * (1 - Ramp(t, 0, 0.025));
    const double vibrato = 1 + 0.004 * Ramp(t, 0.1, 0.2) * std::sin(2 * Pi * 5.5 * t);
    const double bright = 0.25 + 0.6 * env;
    out[i] += gain * env * osc.Harmonics(hz * scoop * vibrato, 12, [bright](int k) {
      return std::pow(bright, k - 1) / k;
    });
  }
}

}  // namespace

Signal Landing(std::size_t frames) {
  Signal s(frames, 0.0);
  // A wooden block: a few inharmonic modes that die within a tenth of a second,
  // over a low body thump that makes it soft rather than sharp.
  AddStrike(s, 0, 430, 1.0, {{1.0, 1.0, 0.045}, {2.51, 0.45, 0.022}, {4.0, 0.22, 0.012}}, 0.0015);
  AddStrike(s, 0, 150, 0.6, {{1.0, 1.0, 0.03}}, 0.003);
  Noise noise(750);
  Filter click;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = Seconds(i);
    s[i] += 0.35 * Strike(t, 0.0005, 0.004) * click.BandPass(noise.Bipolar(), 2200, 1.2);
  }
  return s;
}

Signal Drop(std::size_t frames) {
  Signal s(frames, 0.0);
  // The whistle falls with the ball...
  Oscillator whistle;
  const double fall = 0.17;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = Seconds(i);
    if (t > fall + 0.02) break;
    const double env = Ramp(t, 0, 0.015) * (1 - Ramp(t, fall - 0.04, fall + 0.02));
    const double hz = Glide(t, 1900, 650, fall);
    s[i] += 0.45 * env * whistle.Harmonics(hz, 2, [](int k) { return k == 1 ? 1.0 : 0.15; });
  }
  // ...and lands in its slot with a plop.
  AddBubble(s, fall + 0.005, 420, 22, 0.018, 1.0);
  return s;
}

Signal Refusal(std::size_t frames) {
  Signal s(frames, 0.0);
  Oscillator a, b;
  Filter dull;
  const double length = Seconds(frames);
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = Seconds(i);
    // Two saws a little apart beat against each other: a rough "nuh-uh".
    const double hz = Glide(t, 112, 98, length);
    const auto saw = [](int k) { return 1.0 / k; };
    const double raw = a.Harmonics(hz, 30, saw) + 0.8 * b.Harmonics(hz * 1.06, 30, saw);
    const double env =
        Ramp(t, 0, 0.006) * (1 - 0.3 * Ramp(t, 0.01, 0.1)) * (1 - Ramp(t, length - 0.05, length));
    s[i] = env * dull.LowPass(raw, 650, 0.9);
  }
  return s;
}

Signal Splash(std::size_t frames) {
  Signal s(frames, 0.0);
  Noise noise(753);
  Filter wet, body;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = Seconds(i);
    // A burst of spray whose colour drops from hiss to slosh.
    const double spray = wet.BandPass(noise.Bipolar(), Glide(t, 2800, 500, 0.1), 1.3);
    const double thud = body.LowPass(noise.Bipolar(), 260, 0.8);
    s[i] = Strike(t, 0.003, 0.035) * (1.3 * spray + 1.2 * thud);
  }
  AddStrike(s, 0, 175, 0.5, {{1.0, 1.0, 0.02}}, 0.002);
  // A few droplets come back down.
  AddBubble(s, 0.038, 1250, 25, 0.008, 0.22);
  AddBubble(s, 0.062, 1550, 25, 0.007, 0.18);
  AddBubble(s, 0.088, 1050, 25, 0.008, 0.15);
  return s;
}

Signal LevelUp(std::size_t frames) {
  Signal s(frames, 0.0);
  const int notes[3] = {C5, E5, G5};
  for (int n = 0; n < 3; ++n) {
    const double tau = n == 2 ? 0.32 : 0.2;
    AddStrike(s, 0.12 * n, Note(notes[n]), 1.0, Scaled(BellPartials, tau), 0.004);
  }
  // The top note gets its octave too, so the phrase opens up at the end.
  AddStrike(s, 0.24, Note(G5 + 12), 0.3, Scaled(BellPartials, 0.22), 0.004);
  return s;
}

Signal GameOver(std::size_t frames) {
  Signal s(frames, 0.0);
  const int notes[3] = {G4, Eb4, C4};
  const double length = Seconds(frames);
  for (int n = 0; n < 3; ++n) {
    Oscillator osc;
    const double start = 0.28 * n;
    const double end = n == 2 ? length : start + 0.34;
    const auto first = static_cast<std::size_t>(start * Rate);
    const auto last = std::min(frames, static_cast<std::size_t>(end * Rate));
    for (std::size_t i = first; i < last; ++i) {
      const double t = Seconds(i - first);
      const double held = end - start;
      // The last note sags and wavers as it dies away.
      const double sag = n == 2 ? 1 - 0.035 * Ramp(t, 0.15, held) : 1;
      const double waver = n == 2 ? 1 + 0.006 * Ramp(t, 0.1, 0.3) * std::sin(2 * Pi * 4.5 * t) : 1;
      const double env = Ramp(t, 0, 0.015) * (n == 2 ? Decay(t, 0.28) : Decay(t, 0.22)) *
                         (1 - Ramp(t, held - 0.06, held));
      const double bright = 0.2 + 0.45 * env;
      s[i] += env * osc.Harmonics(Note(notes[n]) * sag * waver, 10,
                                  [bright](int k) { return std::pow(bright, k - 1) / k; });
    }
  }
  return s;
}

Signal BonusCell(std::size_t frames) {
  Signal s(frames, 0.0);
  // Up a major arpeggio in quick glassy taps...
  const int steps[8] = {C6, E6, G5 + 12, C6 + 12, E6 + 12, G5 + 24, C6 + 24, E6 + 24};
  for (int n = 0; n < 8; ++n) {
    const double gain = 1.0 - 0.06 * n;
    AddStrike(s, 0.05 * n, Note(steps[n]), gain, Scaled(BarPartials, 0.16), 0.002);
  }
  // ...with a glitter of tiny high ticks around it.
  Noise noise(744);
  for (int n = 0; n < 18; ++n) {
    const double at = noise.Between(0.02, 0.55);
    AddStrike(s, at, noise.Between(5000, 8500), noise.Between(0.08, 0.18), {{1.0, 1.0, 0.012}},
              0.001);
  }
  return s;
}

Signal LetterChime(std::size_t frames) {
  Signal s(frames, 0.0);
  AddStrike(s, 0, Note(E6), 1.0, Scaled(BellPartials, 0.085), 0.002);
  AddStrike(s, 0, Note(E6 + 7), 0.18, Scaled(BellPartials, 0.05), 0.002);
  return s;
}

Signal WordFanfare(std::size_t frames) {
  Signal s(frames, 0.0);
  const double end = Seconds(frames);
  // Ta-ta-taaa: two quick pick-ups, then a major chord held to the end.
  AddBrass(s, 0.0, 0.075, Note(G4), 0.8);
  AddBrass(s, 0.085, 0.16, Note(G4), 0.8);
  AddBrass(s, 0.17, end, Note(C5), 0.75);
  AddBrass(s, 0.17, end, Note(E5), 0.55);
  AddBrass(s, 0.17, end, Note(G5), 0.45);
  return s;
}

Signal Blip(std::size_t frames, bool rising) {
  Signal s(frames, 0.0);
  Oscillator osc;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = Seconds(i);
    const double hz = rising ? Glide(t, 600, 900, 0.06) : Glide(t, 900, 600, 0.06);
    s[i] = Strike(t, 0.004, 0.05) * osc.Harmonics(hz, 3, [](int k) { return 1.0 / (k * k); });
  }
  return s;
}

Signal PipeSlurp(std::size_t frames, int heatClass) {
  const int c = std::clamp(heatClass, 1, 4) - 1;
  // Per class: where the sucking noise starts and ends, how fast it gurgles and
  // how much hiss the heat adds.
  const double fromHz[4] = {220, 330, 500, 750};
  const double toHz[4] = {700, 1000, 1500, 2300};
  const double gurgle[4] = {16, 20, 26, 34};
  const double sizzle[4] = {0.0, 0.08, 0.18, 0.32};

  Signal s(frames, 0.0);
  const double length = Seconds(frames);
  Noise noise(static_cast<std::uint32_t>(1000 + heatClass));
  Filter first, second, hiss;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = Seconds(i);
    const double f1 = Glide(t, fromHz[c], toHz[c], length * 0.9);
    const double n = noise.Bipolar();
    const double air = first.BandPass(n, f1, 5) + 0.5 * second.BandPass(n, f1 * 2.4, 6);
    const double warble =
        0.6 + 0.4 * std::abs(std::sin(Pi * gurgle[c] * t) * std::sin(Pi * gurgle[c] * 0.73 * t));
    const double env = Ramp(t, 0, length * 0.15) * (1 - 0.6 * Ramp(t, length * 0.7, length));
    s[i] = env * (warble * air + sizzle[c] * hiss.HighPass(n, 4000) * env);
  }
  // Wet bubbles ride up with the noise: they give the slurp its pitch.
  const double spacing = 1 / gurgle[c];
  for (double at = 0.01; at < length - 0.03; at += spacing * noise.Between(0.7, 1.3)) {
    const double f = Glide(at, fromHz[c], toHz[c], length * 0.9) * noise.Between(0.85, 1.15);
    AddBubble(s, at, f, 20, 0.012, noise.Between(0.25, 0.45));
  }
  // The ball is gone: one last pop as the pipe closes.
  AddBubble(s, length - 0.045, toHz[c] * 1.3, 15, 0.01, 0.5);
  return s;
}

}  // namespace sounds
