#include "make_sound/chime.h"

#include <algorithm>
#include <cmath>

namespace vlrna {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLength = 1.2;  // seconds
constexpr double kPeak = 0.5;    // of full scale

struct Note {
  double start;      // seconds
  double frequency;  // Hz
  double loudness;
};

constexpr Note kNotes[] = {{0.0, 783.99, 0.8}, {0.13, 1046.50, 0.75}, {0.26, 1318.51, 0.7}};

// A bell-like tone: a few partials, the upper ones fading sooner, after a
// short rounded attack.
double Bell(double t, double frequency) {
  if (t < 0) return 0;
  constexpr double kAttack = 0.008;
  const double attack = t < kAttack ? std::sin(0.5 * kPi * t / kAttack) : 1.0;
  struct Partial {
    double ratio, level, decay;
  };
  constexpr Partial kPartials[] = {
      {1.0, 1.0, 0.45}, {2.0, 0.28, 0.25}, {3.0, 0.1, 0.15}, {4.2, 0.05, 0.08}};
  double sum = 0;
  for (const Partial& p : kPartials) {
    sum += p.level * std::exp(-t / p.decay) * std::sin(2 * kPi * frequency * p.ratio * t);
  }
  return attack * sum;
}

}  // namespace

std::vector<std::int16_t> SynthesizeChime() {
  const auto count = static_cast<std::size_t>(kLength * kChimeSampleRate);
  std::vector<double> wave(count);
  double loudest = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kChimeSampleRate;
    double value = 0;
    for (const Note& note : kNotes) value += note.loudness * Bell(t - note.start, note.frequency);
    // The last 0.2 seconds fade to silence on a half cosine.
    const double left = kLength - t;
    if (left < 0.2) value *= 0.5 - 0.5 * std::cos(kPi * left / 0.2);
    wave[i] = value;
    loudest = std::max(loudest, std::abs(value));
  }
  std::vector<std::int16_t> samples(count);
  const double gain = loudest > 0 ? kPeak * 32767 / loudest : 0;
  for (std::size_t i = 0; i < count; ++i) {
    samples[i] = static_cast<std::int16_t>(std::lround(wave[i] * gain));
  }
  return samples;
}

}  // namespace vlrna
