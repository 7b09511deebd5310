// gxtkAudio: the one audio device, on OpenAL 1.1. 33 numbered channels (32 doubles as the
// music channel), each one OpenAL source; sounds are decoded whole into OpenAL buffers
// (gxtkSample). Without a device the engine stays silent and every operation still works.
#pragma once

#include <cstdint>

#include "host/object.h"
#include "host/text.h"

class gxtkSample : public Object {
 public:
  ~gxtkSample() override;
  // Queues the buffer for deletion once no source plays it any more.
  virtual int Discard();

  std::uint32_t buffer = 0;
};

class gxtkAudio : public Object {
 public:
  static constexpr int kChannelCount = 33;
  static constexpr int kMusicChannel = 32;

  struct ChannelRecord {
    std::uint32_t source = 0;
    Ref<gxtkSample> sample;  // kept alive while the channel is not stopped
    int playFlags = 0;       // 1 loops
    int state = 0;           // 0 stopped, 1 playing, 2 paused
  };

  gxtkAudio();

  virtual int SuspendAll();
  virtual int ResumeAll();
  virtual Ref<gxtkSample> LoadSampleInto(const Ref<gxtkSample>& sample, const String& path);
  virtual Ref<gxtkSample> LoadSampleFile(const String& path);
  virtual int PlaySampleOn(gxtkSample* sample, int channel, int flags);
  virtual int StopChannel(int channel);
  virtual int PauseChannel(int channel);
  virtual int ResumeChannel(int channel);
  virtual int ChannelState(int channel);
  virtual int SetChannelVolume(int channel, float volume);
  virtual int SetChannelPan(int channel, float pan);
  virtual int SetChannelRate(int channel, float rate);
  virtual int PlayMusicFile(const String& path, int flags);
  virtual int StopMusic();
  virtual int PauseMusic();
  virtual int ResumeMusic();
  virtual int MusicState();
  virtual int SetMusicVolume(float volume);

  // Ends the OpenAL context and closes the device; every later call stays silent. For the end
  // of the process, where OpenAL Soft would otherwise report the device still open.
  void CloseDevice();

  void* alDevice = nullptr;   // ALCdevice*
  void* alContext = nullptr;  // ALCcontext*
  ChannelRecord channelRecords[kChannelCount];
};

extern gxtkAudio* g_audioDevice;
