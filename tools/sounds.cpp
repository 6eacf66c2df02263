#include "tools/sounds.h"

#include <cmath>
#include <cstddef>

#include "tools/exact_math.h"
#include "tools/random.h"
#include "tools/wav_writer.h"

namespace vev::assets {
namespace {

constexpr double kRate = kSampleRate;

std::vector<double> silence(double seconds) {
  return std::vector<double>(static_cast<std::size_t>(seconds * kRate + 0.5), 0.0);
}

double timeOf(std::size_t i) {
  return static_cast<double>(i) / kRate;
}

void normalise(std::vector<double>& samples, double peak) {
  double largest = 0.0;
  for (const double s : samples) largest = std::fmax(largest, std::fabs(s));
  if (largest <= 0.0) return;
  for (double& s : samples) s *= peak / largest;
}

// Ends a one-shot sample at exactly zero, over its last `seconds`, so that it stops without a
// click.
void fadeOut(std::vector<double>& samples, double seconds) {
  const auto count = static_cast<std::size_t>(seconds * kRate);
  for (std::size_t i = 0; i < count && i < samples.size(); ++i) {
    samples[samples.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(count);
  }
}

// A one-pole low-pass run twice round the buffer, so that its end flows into its start.
void loopedLowPass(std::vector<double>& samples, double smoothing) {
  double state = 0.0;
  std::vector<double> out(samples.size());
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < samples.size(); ++i) {
      state += smoothing * (samples[i] - state);
      out[i] = state;
    }
  }
  samples = out;
}

// Noise that the loop repeats: white noise, low-passed round the buffer.
std::vector<double> loopedNoise(std::size_t count, std::uint64_t seed, double smoothing) {
  Random random(seed);
  std::vector<double> noise(count);
  for (double& s : noise) s = random.signedUnit();
  loopedLowPass(noise, smoothing);
  return noise;
}

// A hum of the given fundamental (Hz) with falling harmonics, amplitude-modulated at `throb` Hz.
std::vector<double> hum(double fundamental, double throb, double throbDepth, std::uint64_t seed) {
  std::vector<double> samples = silence(1.0);
  const std::vector<double> rumble = loopedNoise(samples.size(), seed, 0.02);
  const double harmonics[] = {1.0, 0.55, 0.30, 0.18, 0.10};
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = timeOf(i);
    double s = 0.0;
    for (int h = 0; h < 5; ++h) s += harmonics[h] * exactSin(2.0 * kPi * fundamental * (h + 1) * t);
    const double swell = 1.0 - throbDepth * (0.5 + 0.5 * exactSin(2.0 * kPi * throb * t));
    samples[i] = swell * s + 6.0 * rumble[i];
  }
  normalise(samples, 0.7);
  return samples;
}

}  // namespace

std::vector<double> makeEngineHum() {
  return hum(55.0, 5.0, 0.25, 101);
}

std::vector<double> makeCruiserHum() {
  return hum(36.0, 2.0, 0.45, 102);
}

std::vector<double> makeLaserZap() {
  std::vector<double> samples = silence(0.22);
  double phase = 0.0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = timeOf(i);
    // The pitch falls from 1800 Hz to about 300 Hz.
    const double frequency = 300.0 + 1500.0 * exactExp(-t / 0.05);
    phase += 2.0 * kPi * frequency / kRate;
    const double attack = std::fmin(1.0, t / 0.003);
    const double envelope = attack * exactExp(-t / 0.07);
    samples[i] = envelope * (exactSin(phase) + 0.3 * exactSin(3.0 * phase));
  }
  fadeOut(samples, 0.02);
  normalise(samples, 0.7);
  return samples;
}

std::vector<double> makeHitCrack() {
  std::vector<double> samples = silence(0.35);
  Random random(103);
  double crackle = 0.0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = timeOf(i);
    const double burst = random.signedUnit() * exactExp(-t / 0.035);
    const double thump = exactSin(2.0 * kPi * 90.0 * t) * exactExp(-t / 0.09);
    // Sparse sparks after the crack.
    if (random.unit() < 0.004) crackle = random.signedUnit();
    crackle *= 0.9;
    samples[i] = burst + 0.8 * thump + 0.5 * crackle * exactExp(-t / 0.15);
  }
  fadeOut(samples, 0.02);
  normalise(samples, 0.8);
  return samples;
}

std::vector<double> makeExplosion() {
  std::vector<double> samples = silence(2.0);
  Random random(104);
  double brown = 0.0;
  double low = 0.0;
  double phase = 0.0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = timeOf(i);
    const double white = random.signedUnit();
    // Brown noise, leaking so that it stays centred, then a further low pass: the rumble.
    brown = 0.995 * brown + 0.05 * white;
    low += 0.08 * (brown - low);
    const double frequency = 30.0 + 30.0 * exactExp(-t / 0.4);
    phase += 2.0 * kPi * frequency / kRate;
    const double attack = std::fmin(1.0, t / 0.01);
    const double rumble = attack * exactExp(-t / 0.6) * (2.5 * low + 0.35 * exactSin(phase));
    const double crack = white * exactExp(-t / 0.03);
    samples[i] = rumble + 0.6 * crack;
  }
  fadeOut(samples, 0.05);
  normalise(samples, 0.9);
  return samples;
}

}  // namespace vev::assets
