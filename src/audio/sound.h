// The application's audio module: c_Sound and the free functions over g_audioDevice.
#pragma once

#include "audio/audio_engine.h"

class c_Sound : public Object {
 public:
  Ref<gxtkSample> sample;
};

// Loads a data-folder sound; null when it cannot be loaded.
Ref<c_Sound> LoadSoundFile(const String& path);
int PlaySoundOn(c_Sound* sound, int channel, int flags);
int StopSoundChannel(int channel);
int SetSoundVolume(int channel, float volume);
int SetSoundPan(int channel, float pan);
int SetSoundRate(int channel, float rate);
