#pragma once

#include <cstdint>
#include <vector>

namespace msa {

// A short beep through the default audio output. Without one (no device, a
// headless session) beeping does nothing; it never waits for the sound.
//
// The device is opened for a beep and closed once it has played: an open
// device keeps a thread streaming silence, and an idle program waiting for a
// key should use no processor time at all.
class SdlBeeper {
 public:
  SdlBeeper();
  ~SdlBeeper();
  SdlBeeper(const SdlBeeper&) = delete;
  SdlBeeper& operator=(const SdlBeeper&) = delete;

  void beep();
  // True while the device is open; settle() should then be called now and
  // then (every few tens of milliseconds) to close it when the beep is over.
  bool sounding() const { return device_ != 0; }
  void settle();

 private:
  void close();

  bool available_ = false;
  std::uint32_t device_ = 0;
  std::vector<std::int16_t> wave_;
  int waveRate_ = 0;
  std::uint64_t closeAfter_ = 0;
};

}  // namespace msa
