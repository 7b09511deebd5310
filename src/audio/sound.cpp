// The application's audio module: data-folder sounds wrapped in c_Sound and channel controls,
// all forwarded to the audio engine in g_audioDevice.
#include "audio/sound.h"

#include "graphics/image.h"

Ref<c_Sound> LoadSoundFile(const String& path) {
  if (!g_audioDevice) return nullptr;
  Ref<gxtkSample> sample = g_audioDevice->LoadSampleFile(ResolveDataPath(path));
  if (!sample) return nullptr;
  Ref<c_Sound> sound = New<c_Sound>();
  sound->sample = sample;
  return sound;
}

int PlaySoundOn(c_Sound* sound, int channel, int flags) {
  // A sound that holds no sample plays nothing.
  if (g_audioDevice && sound && sound->sample) {
    g_audioDevice->PlaySampleOn(sound->sample.Get(), channel, flags);
  }
  return 0;
}

int StopSoundChannel(int channel) {
  return g_audioDevice ? g_audioDevice->StopChannel(channel) : 0;
}

int SetSoundVolume(int channel, float volume) {
  return g_audioDevice ? g_audioDevice->SetChannelVolume(channel, volume) : 0;
}

int SetSoundPan(int channel, float pan) {
  return g_audioDevice ? g_audioDevice->SetChannelPan(channel, pan) : 0;
}

int SetSoundRate(int channel, float rate) {
  return g_audioDevice ? g_audioDevice->SetChannelRate(channel, rate) : 0;
}
