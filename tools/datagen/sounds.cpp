// One recipe per sound effect. Each fills a buffer of the effect's length and leaves the clean-up
// (DC, end fades, peak level) to synth::Finish.
#include "sounds.h"

#include <cmath>

#include "synth.h"

namespace {

using synth::Attack;
using synth::Decay;
using synth::Exponential;
using synth::Time;

// Equal-tempered note frequency; 69 is the A at 440 Hz.
float Note(int midi) {
  return 440.0f * std::exp2(static_cast<float>(midi - 69) / 12.0f);
}

// A short arpeggio of pulse-and-triangle notes, for the jingles.
void Arpeggio(std::vector<float>& out, const std::vector<int>& notes, float step, float ring) {
  for (std::size_t k = 0; k < notes.size(); ++k) {
    synth::Oscillator lead;
    synth::Oscillator sub;
    const float start = step * static_cast<float>(k);
    const bool last = k + 1 == notes.size();
    const float halfLife = last ? ring : step * 0.6f;
    for (std::size_t i = 0; i < out.size(); ++i) {
      const float t = Time(i) - start;
      if (t < 0) continue;
      const float env = Attack(t, 0.004f) * Decay(t, halfLife);
      const float vibrato = last ? 1.0f + 0.004f * std::sin(30.0f * t) : 1.0f;
      const float f = Note(notes[k]) * vibrato;
      out[i] += env * (0.55f * lead.Pulse(f, 0.25f) + 0.45f * sub.Triangle(f * 0.5f));
    }
  }
}

// Sound 2: a bright two-note bell, the second a fifth above, with inharmonic partials.
void Chime(std::vector<float>& out) {
  const float partials[] = {1.0f, 2.76f, 5.4f};
  const float levels[] = {1.0f, 0.45f, 0.2f};
  const float starts[] = {0.0f, 0.07f};
  const float roots[] = {Note(88), Note(95)};
  for (int k = 0; k < 2; ++k) {
    synth::Oscillator oscillators[3];
    for (std::size_t i = 0; i < out.size(); ++i) {
      const float t = Time(i) - starts[k];
      if (t < 0) continue;
      float value = 0;
      for (int p = 0; p < 3; ++p) {
        if (roots[k] * partials[p] > 15000.0f) continue;  // nothing useful near the top
        value += levels[p] * Decay(t, 0.09f / partials[p] + 0.02f) *
                 oscillators[p].Sine(roots[k] * partials[p]);
      }
      out[i] += Attack(t, 0.002f) * value;
    }
  }
}

// Sound 3: a low thud, a sine falling from 150 to 42 Hz with a puff of dull noise on top.
void Thud(std::vector<float>& out) {
  synth::Oscillator body;
  synth::Noise noise(303);
  synth::Filter dull;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const float t = Time(i);
    const float f = Exponential(150.0f, 42.0f, t, 0.18f);
    const float puff = dull.Run(noise.Next(), 400.0f, 0.2f).low * Decay(t, 0.025f);
    out[i] = Attack(t, 0.003f) * Decay(t, 0.07f) * body.Sine(f) + 0.8f * puff;
  }
}

// Sound 4: a falling sawtooth zap, bright and quick.
void ZapFalling(std::vector<float>& out) {
  synth::Oscillator saw;
  synth::Filter tone;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const float t = Time(i);
    const float f = Exponential(2400.0f, 180.0f, t, 0.15f);
    const float v = saw.Saw(f);
    out[i] = Attack(t, 0.002f) * Decay(t, 0.05f) * tone.Run(v, f * 3.0f, 0.5f).low;
  }
}

// Sound 5: a warbling pulse zap that dips and comes back up, lower and rounder than sound 4.
void ZapWarble(std::vector<float>& out) {
  synth::Oscillator pulse;
  synth::Oscillator wobble;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const float t = Time(i);
    const float sweep = Exponential(1300.0f, 260.0f, t, 0.12f);
    const float f = sweep * (1.0f + 0.25f * wobble.Sine(38.0f));
    out[i] = Attack(t, 0.002f) * Decay(t, 0.06f) * pulse.Pulse(f, 0.3f);
  }
}

// Sound 6: a heavy crunch, noise through a closing filter, crushed, over a falling thump.
void Crunch(std::vector<float>& out) {
  synth::Noise noise(606);
  synth::Filter grit;
  synth::Oscillator thump;
  float held = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const float t = Time(i);
    // Sample-and-hold every few samples gives the noise a gritty, broken texture.
    if (i % 6 == 0) held = noise.Next();
    const float cutoff = Exponential(5000.0f, 300.0f, t, 0.35f);
    const float crackle = grit.Run(held, cutoff, 0.35f).low * Decay(t, 0.09f);
    const float body = thump.Sine(Exponential(110.0f, 38.0f, t, 0.3f)) * Decay(t, 0.11f);
    out[i] = Attack(t, 0.002f) * std::tanh(2.5f * (1.1f * crackle + 0.9f * body));
  }
}

// Sound 7: a short alarm, two high-low beep pairs of a soft square.
void Alarm(std::vector<float>& out) {
  synth::Oscillator tone;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const float t = Time(i);
    const int beep = static_cast<int>(t / 0.095f);
    if (beep >= 4) break;
    const float start = 0.095f * static_cast<float>(beep);
    const float f = beep % 2 == 0 ? 988.0f : 740.0f;
    const float gate = synth::Window(t, start + 0.004f, start + 0.085f);
    const float v = tone.Pulse(f, 0.5f) * 0.7f + 0.3f * std::sin(6.2831853f * f * t);
    out[i] = gate * v;
  }
}

// Sound 98: a soft click, a tiny decaying blip with a breath of noise.
void Click(std::vector<float>& out) {
  synth::Oscillator blip;
  synth::Noise noise(98);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const float t = Time(i);
    const float f = Exponential(1900.0f, 1100.0f, t, 0.02f);
    out[i] = Attack(t, 0.0015f) * Decay(t, 0.006f) * (blip.Sine(f) + 0.15f * noise.Next());
  }
}

// Sound 99: a whoosh, noise through a band-pass that sweeps up and back down as it swells.
void Whoosh(std::vector<float>& out) {
  synth::Noise noise(99);
  synth::Filter band;
  const float length = Time(out.size());
  for (std::size_t i = 0; i < out.size(); ++i) {
    const float t = Time(i);
    const float u = t / length;
    const float swell = std::sin(3.14159265f * u);
    const float cutoff = 300.0f + 2600.0f * swell * swell;
    out[i] = swell * swell * band.Run(noise.Next(), cutoff, 0.6f).band;
  }
}

}  // namespace

std::vector<float> SynthesiseSound(const assets::SoundAsset& sound) {
  std::vector<float> out = synth::Silence(static_cast<float>(sound.lengthMs) / 1000.0f);
  float peakDb = -3.0f;
  switch (sound.id) {
    case 1:
      Arpeggio(out, {72, 76, 79, 84}, 0.11f, 0.09f);
      break;
    case 2:
      Chime(out);
      break;
    case 3:
      Thud(out);
      break;
    case 4:
      ZapFalling(out);
      break;
    case 5:
      ZapWarble(out);
      break;
    case 6:
      Crunch(out);
      break;
    case 7:
      Alarm(out), peakDb = -4.0f;
      break;
    case 95:
      Arpeggio(out, {79, 76, 79, 84, 88}, 0.1f, 0.1f);
      break;
    case 98:
      Click(out), peakDb = -12.0f;
      break;
    case 99:
      Whoosh(out), peakDb = -5.0f;
      break;
    default:
      return {};
  }
  synth::Finish(out, peakDb);
  return out;
}
