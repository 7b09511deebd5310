// The audio engine on OpenAL: device start-up, channel sources and their states, whole-file
// samples, and the list of discarded buffers that waits until no source plays them.
// Without a current context every OpenAL call below does nothing, so the engine runs silent.
#include "audio/audio_engine.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "host/diagnostics.h"
#include "host/qor_game.h"

gxtkAudio* g_audioDevice = nullptr;

namespace {

using ChannelRecord = gxtkAudio::ChannelRecord;

// Channel record states.
enum { kStopped = 0, kPlaying = 1, kPaused = 2 };

// Buffer names whose deletion is pending. Never destroyed, so a sample reclaimed late in the
// process still finds it.
std::vector<ALuint>& DiscardedBuffers() {
  static auto* buffers = new std::vector<ALuint>();
  return *buffers;
}

// The source's OpenAL state. A query that cannot be answered (no context) reads as stopped:
// a silent engine has nothing playing.
ALint SourceState(ALuint source) {
  ALint state = AL_STOPPED;
  if (source != 0) alGetSourcei(source, AL_SOURCE_STATE, &state);
  return state;
}

ALenum OpenAlFormat(int format, int channels) {
  if (format == 1 && channels == 1) return AL_FORMAT_MONO8;
  if (format == 1 && channels == 2) return AL_FORMAT_STEREO8;
  if (format == 2 && channels == 1) return AL_FORMAT_MONO16;
  if (format == 2 && channels == 2) return AL_FORMAT_STEREO16;
  // No OpenAL format: the upload fails and the sample plays as silence.
  return 0;
}

// The record of a valid channel number, or null.
ChannelRecord* FindChannel(ChannelRecord* channels, int channel) {
  if (channel < 0 || channel >= gxtkAudio::kChannelCount) return nullptr;
  return &channels[channel];
}

// The record with its source, created on first use. Sources are never deleted.
ChannelRecord* ChannelWithSource(ChannelRecord* channels, int channel) {
  ChannelRecord* record = FindChannel(channels, channel);
  if (record && record->source == 0) {
    ALuint source = 0;
    alGenSources(1, &source);
    record->source = source;
  }
  return record;
}

// A stopped channel no longer keeps its sample alive.
void MarkStopped(ChannelRecord& record) {
  record.state = kStopped;
  record.sample = nullptr;
}

// Runs first in every operation that may bind or create buffers. A buffer still attached to a
// source cannot be deleted and waits for a later flush.
void FlushDiscardedBuffers(ChannelRecord* channels) {
  std::vector<ALuint>& discarded = DiscardedBuffers();
  if (discarded.empty()) return;
  for (int i = 0; i < gxtkAudio::kChannelCount; ++i) {
    ChannelRecord& channel = channels[i];
    if (channel.state != kStopped && SourceState(channel.source) == AL_STOPPED) {
      alSourcei(channel.source, AL_BUFFER, 0);
    }
  }
  std::erase_if(discarded, [](ALuint buffer) {
    // Clear an error left by an earlier call, so that it cannot keep a deleted name listed:
    // OpenAL hands freed names out again, and a later flush would delete the new buffer.
    alGetError();
    alDeleteBuffers(1, &buffer);
    return alGetError() == AL_NO_ERROR;
  });
}

}  // namespace

gxtkSample::~gxtkSample() {
  gxtkSample::Discard();
}

int gxtkSample::Discard() {
  if (buffer != 0) {
    DiscardedBuffers().push_back(buffer);
    buffer = 0;
  }
  return 0;
}

gxtkAudio::gxtkAudio() {
  ALCdevice* device = alcOpenDevice(nullptr);
  alDevice = device;
  if (!device) {
    PrintLine("OpenAl error: alcOpenDevice failed");
  } else {
    ALCcontext* context = alcCreateContext(device, nullptr);
    alContext = context;
    if (!context) {
      PrintLine("OpenAl error: alcCreateContext failed");
    } else if (!alcMakeContextCurrent(context)) {
      PrintLine("OpenAl error: alcMakeContextCurrent failed");
    }
  }
  // Positions only steer the panning; distance never attenuates.
  alDistanceModel(AL_NONE);
}

int gxtkAudio::SuspendAll() {
  for (ChannelRecord& channel : channelRecords) {
    // The state stays 1, so ResumeAll can tell these from channels the application paused.
    if (channel.state == kPlaying && SourceState(channel.source) == AL_PLAYING) {
      alSourcePause(channel.source);
    }
  }
  return 0;
}

int gxtkAudio::ResumeAll() {
  for (ChannelRecord& channel : channelRecords) {
    if (channel.state == kPlaying && SourceState(channel.source) == AL_PAUSED) {
      alSourcePlay(channel.source);
    }
  }
  return 0;
}

Ref<gxtkSample> gxtkAudio::LoadSampleInto(const Ref<gxtkSample>& sample, const String& path) {
  if (!sample || !g_hostGame) return nullptr;
  int length = 0, channels = 0, format = 0, hertz = 0;
  void* data = g_hostGame->LoadSoundSamples(path, &length, &channels, &format, &hertz);
  if (!data) return nullptr;

  ALuint buffer = 0;
  alGenBuffers(1, &buffer);
  const long long bytes = static_cast<long long>(length) * channels * format;
  // Sizes no OpenAL call can take leave the buffer empty, like a layout without a format.
  if (bytes >= 0 && bytes <= INT_MAX) {
    alBufferData(buffer, OpenAlFormat(format, channels), data, static_cast<ALsizei>(bytes), hertz);
  }
  std::free(data);
  sample->Discard();
  sample->buffer = buffer;
  return sample;
}

Ref<gxtkSample> gxtkAudio::LoadSampleFile(const String& path) {
  FlushDiscardedBuffers(channelRecords);
  return LoadSampleInto(New<gxtkSample>(), path);
}

int gxtkAudio::PlaySampleOn(gxtkSample* sample, int channel, int flags) {
  if (!sample) return 0;
  FlushDiscardedBuffers(channelRecords);
  ChannelRecord* record = ChannelWithSource(channelRecords, channel);
  if (!record) return 0;
  // Gain, pitch and position stay as they were set on the channel.
  alSourceStop(record->source);
  alSourcei(record->source, AL_BUFFER, static_cast<ALint>(sample->buffer));
  alSourcei(record->source, AL_LOOPING, flags != 0 ? AL_TRUE : AL_FALSE);
  alSourcePlay(record->source);
  record->sample = sample;
  record->playFlags = flags;
  record->state = kPlaying;
  return 0;
}

int gxtkAudio::StopChannel(int channel) {
  ChannelRecord* record = FindChannel(channelRecords, channel);
  if (record && record->state != kStopped) {
    alSourceStop(record->source);
    MarkStopped(*record);
  }
  return 0;
}

int gxtkAudio::PauseChannel(int channel) {
  ChannelRecord* record = FindChannel(channelRecords, channel);
  if (!record || record->state != kPlaying) return 0;
  if (SourceState(record->source) == AL_STOPPED) {
    MarkStopped(*record);  // the sound has ended
  } else {
    alSourcePause(record->source);
    record->state = kPaused;
  }
  return 0;
}

int gxtkAudio::ResumeChannel(int channel) {
  ChannelRecord* record = FindChannel(channelRecords, channel);
  if (record && record->state == kPaused) {
    alSourcePlay(record->source);
    record->state = kPlaying;
  }
  return 0;
}

int gxtkAudio::ChannelState(int channel) {
  ChannelRecord* record = FindChannel(channelRecords, channel);
  if (!record) return kStopped;
  if (record->state == kPlaying && SourceState(record->source) == AL_STOPPED) {
    MarkStopped(*record);
  }
  return record->state;
}

int gxtkAudio::SetChannelVolume(int channel, float volume) {
  if (ChannelRecord* record = ChannelWithSource(channelRecords, channel)) {
    alSourcef(record->source, AL_GAIN, volume);
  }
  return 0;
}

int gxtkAudio::SetChannelPan(int channel, float pan) {
  // pan is an angle in radians around the listener: 0 straight ahead, positive to the right.
  if (ChannelRecord* record = ChannelWithSource(channelRecords, channel)) {
    alSource3f(record->source, AL_POSITION, std::sin(pan), 0.0f, -std::cos(pan));
  }
  return 0;
}

int gxtkAudio::SetChannelRate(int channel, float rate) {
  if (ChannelRecord* record = ChannelWithSource(channelRecords, channel)) {
    alSourcef(record->source, AL_PITCH, rate);
  }
  return 0;
}

int gxtkAudio::PlayMusicFile(const String& path, int flags) {
  StopMusic();
  Ref<gxtkSample> sample = LoadSampleFile(path);
  if (!sample) return -1;
  PlaySampleOn(sample.Get(), kMusicChannel, flags);
  return 0;
}

int gxtkAudio::StopMusic() {
  return StopChannel(kMusicChannel);
}

int gxtkAudio::PauseMusic() {
  return PauseChannel(kMusicChannel);
}

int gxtkAudio::ResumeMusic() {
  return ResumeChannel(kMusicChannel);
}

int gxtkAudio::MusicState() {
  return ChannelState(kMusicChannel);
}

int gxtkAudio::SetMusicVolume(float volume) {
  return SetChannelVolume(kMusicChannel, volume);
}
