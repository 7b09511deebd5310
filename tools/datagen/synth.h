// Building blocks for the sound effects: oscillators with band-limited edges, seeded noise,
// envelopes, sweeps, filters, and the finishing step that makes every effect clean (no DC, no
// click at either end, a fixed peak).
#pragma once

#include <cstdint>
#include <vector>

namespace synth {

inline constexpr float kRate = 44100.0f;

// White noise in -1..1 from a fixed seed, so every run makes the same sound.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  float Next();

 private:
  std::uint32_t state_;
};

// A phase-accumulating oscillator; call Step with the frequency of each sample.
class Oscillator {
 public:
  float Sine(float hertz);
  float Triangle(float hertz);
  float Saw(float hertz);                        // band-limited at the jump
  float Pulse(float hertz, float width = 0.5f);  // band-limited at both edges

 private:
  float Advance(float hertz);  // returns the phase before the step, 0..1
  float phase_ = 0;
  float increment_ = 0;
};

// A two-pole state-variable filter; Low / Band / High are its three outputs for one input.
class Filter {
 public:
  struct Outputs {
    float low, band, high;
  };
  Outputs Run(float input, float cutoffHertz, float resonance);

 private:
  float low_ = 0;
  float band_ = 0;
};

// Envelope values at time t seconds.
float Attack(float t, float time);     // rises 0 → 1 over `time` (a quarter sine)
float Decay(float t, float halfLife);  // 1 → halves every halfLife seconds
float Exponential(float from, float to, float t, float duration);  // glide over duration
float Window(float t, float start, float end);  // 1 inside start..end, soft edges of 4 ms

// A buffer of `seconds` of silence.
std::vector<float> Silence(float seconds);
// Time of sample i in seconds.
inline float Time(std::size_t i) {
  return static_cast<float>(i) / kRate;
}

// Removes the DC offset, fades both ends in and out over `fadeMs`, and scales the peak to
// `peakDb` dBFS (a negative number).
void Finish(std::vector<float>& samples, float peakDb, float fadeInMs = 2.0f,
            float fadeOutMs = 12.0f);

}  // namespace synth
