#include "frontends/sdl/sdl_beeper.hpp"

#include <SDL.h>

#include <algorithm>

namespace msa {

namespace {

constexpr int kFrequency = 880;     // Hz
constexpr int kDurationMs = 80;
constexpr int kRampMs = 3;          // fade in and out: no click at either end
constexpr int kAmplitude = 4000;    // of 32767: a discreet beep
// How long the device stays open after the beep was queued: the output keeps
// a buffer of its own that must play out before the device is closed.
constexpr std::uint64_t kOpenMs = kDurationMs + 250;

// A square wave with linear ramps, in signed 16-bit mono samples.
std::vector<std::int16_t> beepWave(int sampleRate) {
  if (sampleRate <= 0) return {};
  const long long count = static_cast<long long>(sampleRate) * kDurationMs / 1000;
  const long long ramp = std::max(1LL, static_cast<long long>(sampleRate) * kRampMs / 1000);
  std::vector<std::int16_t> wave(static_cast<std::size_t>(count), 0);
  for (long long i = 0; i < count; ++i) {
    const bool high = (i * 2 * kFrequency / sampleRate) % 2 == 0;
    const long long gain = std::min({i, count - 1 - i, ramp});
    const long long level = kAmplitude * gain / ramp;
    wave[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(high ? level : -level);
  }
  return wave;
}

}  // namespace

SdlBeeper::SdlBeeper() { available_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0; }

SdlBeeper::~SdlBeeper() {
  if (!available_) return;
  close();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlBeeper::beep() {
  if (!available_) return;
  if (device_ == 0) {
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 512;
    SDL_AudioSpec obtained{};
    // Only the rate may differ: the toolkit converts format and channels.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device_ == 0) {
      available_ = false;  // no output: stay silent from now on
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return;
    }
    if (obtained.freq != waveRate_) {
      wave_ = beepWave(obtained.freq);
      waveRate_ = obtained.freq;
    }
    SDL_PauseAudioDevice(device_, 0);
  }
  const auto bytes = static_cast<Uint32>(wave_.size() * sizeof(wave_[0]));
  // Beeps asked for faster than they play are dropped rather than piling up.
  if (bytes == 0 || SDL_GetQueuedAudioSize(device_) > bytes) return;
  SDL_QueueAudio(device_, wave_.data(), bytes);
  closeAfter_ = SDL_GetTicks64() + kOpenMs;
}

void SdlBeeper::settle() {
  if (device_ == 0 || SDL_GetTicks64() < closeAfter_ || SDL_GetQueuedAudioSize(device_) > 0) return;
  close();
}

void SdlBeeper::close() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);
  device_ = 0;
}

}  // namespace msa
