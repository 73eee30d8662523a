// Starting ffmpeg with a pipe on its standard input, feeding it and waiting for it.
#include "video_pipe.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

extern char** environ;

namespace {

constexpr int kPipeBytes = 1 << 20;  // a few frames' worth of room, fewer wake-ups of ffmpeg

std::string seconds(int64_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(ms / 1000),
                static_cast<long long>(ms % 1000));
  return text;
}

std::vector<std::string> ffmpegArguments(const VideoSpec& s) {
  std::vector<std::string> a = {"ffmpeg",
                                "-hide_banner",
                                "-loglevel",
                                "error",
                                "-y",
                                "-f",
                                "rawvideo",
                                "-pix_fmt",
                                "rgb24",
                                "-s",
                                std::to_string(s.width) + "x" + std::to_string(s.height),
                                "-framerate",
                                std::to_string(s.fps),
                                "-i",
                                "pipe:0"};
  if (!s.musicFile.empty()) {
    a.insert(a.end(), {"-itsoffset", seconds(s.musicOffsetMs), "-i", s.musicFile, "-map", "0:v:0",
                       "-map", "1:a:0", "-c:a", "aac", "-b:a", "192k"});
  }
  // Drawing and encoding share the machine's cores, so the encoder takes its fastest preset;
  // CRF 18 keeps the picture as close to the frames as the slower preset did at the same CRF
  // (the file is three to four times larger for it).
  a.insert(a.end(), {"-c:v", "libx264", "-preset", "ultrafast", "-crf", "18", "-pix_fmt", "yuv420p",
                     "-t", seconds(s.durationMs), s.file});
  return a;
}

// writev takes at most IOV_MAX pieces and may stop inside one; the rows are sent in batches and
// a partly sent row is resumed where it stopped.
bool writeAll(int fd, iovec* pieces, size_t count) {
  const size_t batch = static_cast<size_t>(IOV_MAX);
  while (count > 0) {
    const ssize_t n = ::writev(fd, pieces, static_cast<int>(std::min(count, batch)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    size_t sent = static_cast<size_t>(n);
    while (count > 0 && sent >= pieces->iov_len) {
      sent -= pieces->iov_len;
      ++pieces;
      --count;
    }
    if (count > 0) {
      pieces->iov_base = static_cast<uint8_t*>(pieces->iov_base) + sent;
      pieces->iov_len -= sent;
    }
  }
  return true;
}

}  // namespace

bool VideoPipe::open(const VideoSpec& video) {
  // A dead ffmpeg must show up as a failed write, not end the capture by a signal.
  signal(SIGPIPE, SIG_IGN);
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    std::perror("tamsirel-capture: pipe");
    return false;
  }
  fcntl(ends[1], F_SETPIPE_SZ, kPipeBytes);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
  std::vector<std::string> args = ffmpegArguments(video);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const int failed = posix_spawnp(&child_, "ffmpeg", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ends[0]);
  if (failed != 0) {
    std::fprintf(stderr, "tamsirel-capture: cannot start ffmpeg: %s\n", std::strerror(failed));
    close(ends[1]);
    child_ = -1;
    return false;
  }
  fd_ = ends[1];
  file_ = video.file;
  return true;
}

bool VideoPipe::write(const FramePixels& frame) {
  // The rows go out in reverse from where GL left them: the kernel's copy into the pipe is the
  // flip, and no copy of the frame is made here.
  const size_t row = static_cast<size_t>(frame.width) * 3;
  uint8_t* pixels =
      const_cast<uint8_t*>(frame.rgb.data());  // iovec is not const; writev only reads
  rows_.resize(static_cast<size_t>(frame.height));
  for (int y = 0; y < frame.height; ++y) rows_[y] = {pixels + row * (frame.height - 1 - y), row};
  return writeAll(fd_, rows_.data(), rows_.size());
}

bool VideoPipe::finish() {
  if (child_ < 0) return false;
  close(fd_);
  fd_ = -1;
  int status = 0;
  const pid_t waited = waitpid(child_, &status, 0);
  child_ = -1;
  if (waited > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
  std::fprintf(stderr, "tamsirel-capture: ffmpeg did not finish %s\n", file_.c_str());
  return false;
}

void VideoPipe::stop() {
  if (child_ > 0) kill(child_, SIGTERM);
}

void VideoPipe::abandon() {
  if (child_ < 0) return;
  close(fd_);
  fd_ = -1;
  kill(child_, SIGTERM);
  waitpid(child_, nullptr, 0);
  child_ = -1;
  std::remove(file_.c_str());
  std::fprintf(stderr, "tamsirel-capture: the run ended early; removed the unfinished video %s\n",
               file_.c_str());
}
