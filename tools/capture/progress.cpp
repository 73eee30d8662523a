// Rate-limited progress output.
#include "progress.h"

#include <unistd.h>

#include <cstdio>

namespace {

constexpr std::chrono::milliseconds kTerminalInterval{250};
constexpr std::chrono::milliseconds kLogInterval{5000};

}  // namespace

Progress::Progress(int64_t totalFrames)
    : total_(totalFrames), terminal_(isatty(STDERR_FILENO) != 0) {}

void Progress::update(int64_t framesDone, const std::string& where) {
  const Clock::time_point now = Clock::now();
  if (now - lastShown_ < (terminal_ ? kTerminalInterval : kLogInterval)) return;
  lastShown_ = now;
  print(framesDone, where, false);
}

void Progress::finish(int64_t framesDone) {
  if (shown_) print(framesDone, "done", true);
}

void Progress::reportSpeed(int64_t demoMs) const {
  const double seconds = std::chrono::duration<double>(Clock::now() - started_).count();
  const double demo = demoMs / 1000.0;
  std::fprintf(stderr, "%.1f s of demo in %.1f s: %.2fx real time\n", demo, seconds,
               seconds > 0 ? demo / seconds : 0.0);
}

void Progress::print(int64_t framesDone, const std::string& where, bool last) {
  const double seconds = std::chrono::duration<double>(Clock::now() - started_).count();
  const double fps = seconds > 0 ? framesDone / seconds : 0.0;
  char line[160];
  if (total_ > 0) {
    const double left = fps > 0 ? (total_ - framesDone) / fps : 0.0;
    std::snprintf(line, sizeof line, "frame %lld/%lld, %.1f fps, %.0f s left (%s)",
                  static_cast<long long>(framesDone), static_cast<long long>(total_), fps, left,
                  where.c_str());
  } else {
    std::snprintf(line, sizeof line, "frame %lld, %.1f fps (%s)",
                  static_cast<long long>(framesDone), fps, where.c_str());
  }
  // On a terminal the line is rewritten in place; the padding clears a longer previous line.
  if (terminal_)
    std::fprintf(stderr, "\r%-78s%s", line, last ? "\n" : "");
  else
    std::fprintf(stderr, "%s\n", line);
  shown_ = true;
}
