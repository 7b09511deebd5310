// Oscillators, filters, envelopes and the finishing step.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {
namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;

// Correction that rounds off a jump at phase 0 over one sample on either side (polyBLEP).
float Blep(float phase, float increment) {
  if (increment <= 0) return 0;
  if (phase < increment) {
    const float t = phase / increment;
    return t + t - t * t - 1.0f;
  }
  if (phase > 1.0f - increment) {
    const float t = (phase - 1.0f) / increment;
    return t * t + t + t + 1.0f;
  }
  return 0;
}

}  // namespace

float Noise::Next() {
  state_ = state_ * 1664525u + 1013904223u;
  return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
}

float Oscillator::Advance(float hertz) {
  const float phase = phase_;
  increment_ = std::clamp(hertz / kRate, 0.0f, 0.5f);
  phase_ += increment_;
  phase_ -= std::floor(phase_);
  return phase;
}

float Oscillator::Sine(float hertz) {
  return std::sin(kTwoPi * Advance(hertz));
}

float Oscillator::Triangle(float hertz) {
  const float phase = Advance(hertz);
  return 4.0f * std::fabs(phase - 0.5f) - 1.0f;
}

float Oscillator::Saw(float hertz) {
  const float phase = Advance(hertz);
  return 2.0f * phase - 1.0f - Blep(phase, increment_);
}

float Oscillator::Pulse(float hertz, float width) {
  const float phase = Advance(hertz);
  float value = phase < width ? 1.0f : -1.0f;
  value += Blep(phase, increment_);
  float shifted = phase - width;
  shifted -= std::floor(shifted);
  value -= Blep(shifted, increment_);
  return value;
}

Filter::Outputs Filter::Run(float input, float cutoffHertz, float resonance) {
  const float f = 2.0f * std::sin(std::numbers::pi_v<float> *
                                  std::clamp(cutoffHertz, 20.0f, kRate / 6.0f) / kRate);
  const float damping = std::clamp(2.0f - 2.0f * resonance, 0.05f, 2.0f);
  low_ += f * band_;
  const float high = input - low_ - damping * band_;
  band_ += f * high;
  return {low_, band_, high};
}

float Attack(float t, float time) {
  if (t >= time) return 1.0f;
  return std::sin(0.5f * std::numbers::pi_v<float> * std::max(0.0f, t) / time);
}

float Decay(float t, float halfLife) {
  return std::exp2(-std::max(0.0f, t) / halfLife);
}

float Exponential(float from, float to, float t, float duration) {
  const float u = std::clamp(t / duration, 0.0f, 1.0f);
  return from * std::pow(to / from, u);
}

float Window(float t, float start, float end) {
  constexpr float kEdge = 0.004f;
  if (t < start || t > end) return 0.0f;
  const float rise = std::min(1.0f, (t - start) / kEdge);
  const float fall = std::min(1.0f, (end - t) / kEdge);
  return std::min(rise, fall);
}

std::vector<float> Silence(float seconds) {
  return std::vector<float>(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0f);
}

void Finish(std::vector<float>& samples, float peakDb, float fadeInMs, float fadeOutMs) {
  const std::size_t n = samples.size();
  if (n == 0) return;
  // The fade is a raised cosine at both ends; the DC offset is taken out in proportion to it,
  // so the ends stay exactly silent and the faded signal has a zero mean.
  const auto fadeIn = static_cast<std::size_t>(fadeInMs * kRate / 1000.0f);
  const auto fadeOut = static_cast<std::size_t>(fadeOutMs * kRate / 1000.0f);
  std::vector<float> fade(n, 1.0f);
  for (std::size_t i = 0; i < n; ++i) {
    float w = 1.0f;
    if (i < fadeIn) w = 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * i / fadeIn);
    const std::size_t fromEnd = n - 1 - i;
    if (fromEnd < fadeOut) {
      w = std::min(w, 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * fromEnd / fadeOut));
    }
    fade[i] = w;
  }
  double sum = 0;
  double weight = 0;
  for (std::size_t i = 0; i < n; ++i) {
    samples[i] *= fade[i];
    sum += samples[i];
    weight += fade[i];
  }
  const auto offset = static_cast<float>(sum / weight);
  float peak = 0;
  for (std::size_t i = 0; i < n; ++i) {
    samples[i] -= offset * fade[i];
    peak = std::max(peak, std::fabs(samples[i]));
  }
  if (peak <= 0) return;
  const float gain = std::pow(10.0f, peakDb / 20.0f) / peak;
  for (float& sample : samples) sample *= gain;
}

}  // namespace synth
