// waveOut with an event callback: the device signals the event each time it finishes a buffer,
// and the thread refills every finished one. The thread ends when the source is over and the
// last buffer has played, or when stop() asks it to.
#include "platform/win32/wave_output.h"

namespace platform::win32 {

namespace {

constexpr DWORD kWaitMs = 100;

WAVEFORMATEX waveFormat(const PcmFormat& format) {
  WAVEFORMATEX wave{};
  wave.wFormatTag = WAVE_FORMAT_PCM;
  wave.nChannels = static_cast<WORD>(format.channels);
  wave.nSamplesPerSec = static_cast<DWORD>(format.rate);
  wave.wBitsPerSample = static_cast<WORD>(format.bitsPerSample);
  wave.nBlockAlign = static_cast<WORD>(format.channels * format.bitsPerSample / 8);
  wave.nAvgBytesPerSec = wave.nSamplesPerSec * wave.nBlockAlign;
  return wave;
}

}  // namespace

bool WaveOutput::deviceAccepts(const PcmFormat& format) {
  const WAVEFORMATEX wave = waveFormat(format);
  return waveOutGetNumDevs() > 0 &&
         waveOutOpen(nullptr, WAVE_MAPPER, &wave, 0, 0, WAVE_FORMAT_QUERY) == MMSYSERR_NOERROR;
}

bool WaveOutput::start(const PcmFormat& format, Source source) {
  if (device_ != nullptr) return false;
  bufferDone_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (bufferDone_ == nullptr) return false;
  const WAVEFORMATEX wave = waveFormat(format);
  if (waveOutOpen(&device_, WAVE_MAPPER, &wave, reinterpret_cast<DWORD_PTR>(bufferDone_), 0,
                  CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    device_ = nullptr;
    CloseHandle(bufferDone_);
    bufferDone_ = nullptr;
    return false;
  }
  source_ = std::move(source);
  for (int i = 0; i < kBufferCount; ++i) {
    memory_[i].assign(kBufferBytes, 0);
    headers_[i] = WAVEHDR{};
    headers_[i].lpData = memory_[i].data();
    headers_[i].dwBufferLength = kBufferBytes;
    waveOutPrepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
  }
  stopping_ = false;
  thread_ = std::thread([this] { run(); });
  return true;
}

bool WaveOutput::submit(WAVEHDR& header) {
  const size_t filled = source_(reinterpret_cast<uint8_t*>(header.lpData), kBufferBytes);
  if (filled == 0) return false;
  header.dwBufferLength = static_cast<DWORD>(filled);
  return waveOutWrite(device_, &header, sizeof(WAVEHDR)) == MMSYSERR_NOERROR;
}

void WaveOutput::run() {
  bool sourceOver = false;
  while (!stopping_) {
    bool anyQueued = false;
    for (int i = 0; i < kBufferCount; ++i) {
      if (queued_[i] && (headers_[i].dwFlags & WHDR_DONE) == 0) {
        anyQueued = true;
        continue;
      }
      queued_[i] = !sourceOver && submit(headers_[i]);
      if (!queued_[i]) sourceOver = true;
      anyQueued = anyQueued || queued_[i];
    }
    if (sourceOver && !anyQueued) return;
    WaitForSingleObject(bufferDone_, kWaitMs);
  }
}

void WaveOutput::stop() {
  if (device_ == nullptr) return;
  stopping_ = true;
  SetEvent(bufferDone_);
  if (thread_.joinable()) thread_.join();
  waveOutReset(device_);
  for (WAVEHDR& header : headers_) waveOutUnprepareHeader(device_, &header, sizeof(WAVEHDR));
  waveOutClose(device_);
  CloseHandle(bufferDone_);
  device_ = nullptr;
  bufferDone_ = nullptr;
}

}  // namespace platform::win32
