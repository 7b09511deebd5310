// Sound effects on a rotating set of 24 channels, and whole random numbers from the shared
// generator.
#include "audio/audio_engine.h"
#include "framework/app_globals.h"
#include "framework/game_math.h"
#include "game/game_ids.h"
#include "game/my_app.h"

namespace {

constexpr int kEffectChannels = 24;

}  // namespace

void c_MyApp::PlaySfx(int soundId, float rate, float volume, float pan) {
  if (settings[soundOn] != 1 && settings[soundOn] != 2) return;
  sfxChannelCursor = (sfxChannelCursor + 1) % kEffectChannels;
  const int channel = sfxChannels[sfxChannelCursor];
  gxtkAudio& audio = *g_audioDevice;
  audio.StopChannel(channel);
  const c_Sound* sound = soundId >= 0 && soundId < kBankSize ? sounds[soundId].Get() : nullptr;
  if (sound && sound->sample) audio.PlaySampleOn(sound->sample.Get(), channel, 0);
  audio.SetChannelRate(channel, rate);
  audio.SetChannelVolume(channel, volume);
  audio.SetChannelPan(channel, pan);
}

int c_MyApp::RandomInt(float low, float high) {
  // Single precision throughout: every intermediate is a float.
  const float u = RandomUnit();
  const float top = high + 0.99f;
  const float span = top - low;
  const float offset = span * u;
  return FloorToInt(low + offset);
}
