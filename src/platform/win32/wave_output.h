// Streams PCM to the system's wave output: a small ring of buffers that a thread of its own
// refills from a source as the device finishes each one, until the source runs dry. The music
// player's side stays single-threaded: after start() only this thread touches the source.
#pragma once

// mmsystem.h needs the types windows.h declares.
#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "platform/win32/pcm_format.h"

namespace platform::win32 {

class WaveOutput {
 public:
  using Source = std::function<size_t(uint8_t* out, size_t size)>;

  WaveOutput() = default;
  ~WaveOutput() { stop(); }
  WaveOutput(const WaveOutput&) = delete;
  WaveOutput& operator=(const WaveOutput&) = delete;

  // Whether a device takes `format` at all, without opening it.
  static bool deviceAccepts(const PcmFormat& format);
  // Opens the device and starts the refilling thread; false when the device refused.
  bool start(const PcmFormat& format, Source source);
  // Silences the device, ends the thread and closes the device; safe to call again.
  void stop();

 private:
  static constexpr int kBufferCount = 4;
  static constexpr size_t kBufferBytes = 16384;  // about 93 ms of 44.1 kHz 16-bit stereo

  void run();
  bool submit(WAVEHDR& header);

  HWAVEOUT device_ = nullptr;
  HANDLE bufferDone_ = nullptr;
  Source source_;
  std::array<std::vector<char>, kBufferCount> memory_;
  std::array<WAVEHDR, kBufferCount> headers_{};
  std::array<bool, kBufferCount> queued_{};
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace platform::win32
