#include "sound/openal_sound_library.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "sound/openal_channel_pool.h"
#include "sound/quiet_standard_error.h"
#include "sound/sample_decoder.h"

namespace vev {
namespace {

ALuint uploadSample(const DecodedSample& decoded) {
  ALuint buffer = 0;
  alGetError();
  alGenBuffers(1, &buffer);
  if (alGetError() != AL_NO_ERROR) return 0;
  const ALenum format = decoded.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
  const auto bytes = static_cast<ALsizei>(decoded.data.size() * sizeof(std::int16_t));
  alBufferData(buffer, format, decoded.data.data(), bytes, decoded.rate);
  if (alGetError() == AL_NO_ERROR) return buffer;
  alDeleteBuffers(1, &buffer);
  return 0;
}

}  // namespace

struct OpenAlSoundLibrary::Sample {
  ALuint buffer = 0;  // 0 marks a free entry
  int rate = 0;       // frames per second
  bool looping = false;
};

// The open device with its context, sources and buffers. Destroying it releases them in the
// order OpenAL requires: sources, then buffers, then the context, then the device.
struct OpenAlSoundLibrary::Output {
  ALCdevice* device = nullptr;
  ALCcontext* context = nullptr;
  OpenAlChannelPool channels;
  std::vector<Sample> samples;  // sample handle = index + 1

  explicit Output(ALCdevice* openDevice) : device(openDevice) {}
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  ~Output() {
    if (context != nullptr && makeCurrent()) {
      channels.release();
      for (Sample& sample : samples) {
        if (sample.buffer != 0) alDeleteBuffers(1, &sample.buffer);
      }
    }
    if (context != nullptr) {
      if (alcGetCurrentContext() == context) alcMakeContextCurrent(nullptr);
      alcDestroyContext(context);
    }
    alcCloseDevice(device);
  }

  // Another library's context may be current; OpenAL calls act on the current one.
  bool makeCurrent() {
    return alcGetCurrentContext() == context || alcMakeContextCurrent(context) == ALC_TRUE;
  }

  Sample* findSample(int handle) {
    if (handle <= 0 || static_cast<std::size_t>(handle) > samples.size()) return nullptr;
    Sample& sample = samples[static_cast<std::size_t>(handle) - 1];
    return sample.buffer != 0 ? &sample : nullptr;
  }

  int addSample(const Sample& sample) {
    const auto free = std::find_if(samples.begin(), samples.end(),
                                   [](const Sample& entry) { return entry.buffer == 0; });
    if (free == samples.end()) {
      samples.push_back(sample);
      return static_cast<int>(samples.size());
    }
    *free = sample;
    return static_cast<int>(free - samples.begin()) + 1;
  }
};

OpenAlSoundLibrary::OpenAlSoundLibrary(OpenAlOptions options) : options_(std::move(options)) {}

OpenAlSoundLibrary::~OpenAlSoundLibrary() {
  close();
}

bool OpenAlSoundLibrary::init(int mixRate, int channelCount) {
  if (output_ || !prepareOpenAlOutput(options_)) return false;
  const char* name = options_.deviceName.empty() ? nullptr : options_.deviceName.c_str();
  ALCdevice* device = nullptr;
  {
    const QuietStandardError quiet;
    device = alcOpenDevice(name);
  }
  removeOpenAlOutputConfig(options_);
  if (device == nullptr) return false;
  auto output = std::make_unique<Output>(device);
  const ALCint attributes[] = {ALC_FREQUENCY, mixRate, 0};
  output->context = alcCreateContext(device, mixRate > 0 ? attributes : nullptr);
  if (output->context == nullptr || !output->makeCurrent() ||
      !output->channels.create(channelCount)) {
    return false;
  }
  output_ = std::move(output);
  return true;
}

void OpenAlSoundLibrary::close() {
  output_.reset();
}

OpenAlSoundLibrary::Output* OpenAlSoundLibrary::current() {
  return output_ && output_->makeCurrent() ? output_.get() : nullptr;
}

OpenAlSoundLibrary::Sample* OpenAlSoundLibrary::findSample(int sample) {
  Output* output = current();
  return output != nullptr ? output->findSample(sample) : nullptr;
}

OpenAlChannel* OpenAlSoundLibrary::findChannel(int channel) {
  Output* output = current();
  return output != nullptr ? output->channels.find(channel) : nullptr;
}

int OpenAlSoundLibrary::loadSample(const std::string& path) {
  Output* output = current();
  if (output == nullptr) return 0;
  const std::optional<DecodedSample> decoded = decodeSample(path);
  if (!decoded) return 0;
  const ALuint buffer = uploadSample(*decoded);
  if (buffer == 0) return 0;
  return output->addSample(Sample{buffer, decoded->rate, false});
}

void OpenAlSoundLibrary::freeSample(int sample) {
  Sample* entry = findSample(sample);
  if (entry == nullptr) return;
  output_->channels.detach(entry->buffer);
  alDeleteBuffers(1, &entry->buffer);
  *entry = Sample{};
}

void OpenAlSoundLibrary::setLoopMode(int sample, bool looping) {
  if (Sample* entry = findSample(sample)) entry->looping = looping;
}

int OpenAlSoundLibrary::playSound(int sample) {
  const Sample* entry = findSample(sample);
  if (entry == nullptr) return 0;
  return output_->channels.start(entry->buffer, entry->rate, entry->looping);
}

void OpenAlSoundLibrary::stopSound(int channel) {
  if (const OpenAlChannel* found = findChannel(channel)) alSourceStop(found->source);
}

void OpenAlSoundLibrary::setVolume(int channel, int volume) {
  if (const OpenAlChannel* found = findChannel(channel)) {
    alSourcef(found->source, AL_GAIN, static_cast<float>(std::clamp(volume, 0, 255)) / 255.0f);
  }
}

int OpenAlSoundLibrary::getFrequency(int channel) {
  const OpenAlChannel* found = findChannel(channel);
  if (found == nullptr) return 0;
  ALfloat pitch = 1.0f;
  alGetSourcef(found->source, AL_PITCH, &pitch);
  return static_cast<int>(std::lround(static_cast<double>(found->rate) * pitch));
}

void OpenAlSoundLibrary::setFrequency(int channel, int hertz) {
  const OpenAlChannel* found = findChannel(channel);
  if (found == nullptr) return;
  const double pitch = static_cast<double>(hertz) / found->rate;
  alSourcef(found->source, AL_PITCH,
            static_cast<float>(std::clamp<double>(pitch, kMinPitch, kMaxPitch)));
}

bool OpenAlSoundLibrary::isPlaying(int channel) {
  const OpenAlChannel* found = findChannel(channel);
  if (found == nullptr) return false;
  ALint state = AL_STOPPED;
  alGetSourcei(found->source, AL_SOURCE_STATE, &state);
  return state == AL_PLAYING;
}

}  // namespace vev
