// The capture's clock against the demo's own clock and sequencer, with scenes of known lengths
// that record the `elapsed` they draw at: the cadence, the shots' landing, the stream's length.
#include <gtest/gtest.h>

#include <vector>

#include "capture_runs.h"
#include "core/demo_clock.h"
#include "recording_platform.h"

namespace {

int32_t drawnAt = -1;  // the elapsed the last fake frame saw while drawing

template <int32_t kDurationMs>
int fakeFrame() {
  drawnAt = demoClock->elapsed;
  demoClock->endFrame();
  return kDurationMs > 0 && demoClock->elapsed > kDurationMs ? 1 : 0;
}

int initOk() { return 1; }
int musicOk() { return 1; }

const Scene kFakeScenes[kSceneCount] = {
    {"ocean", initOk, fakeFrame<100>},
    {"pyramid", initOk, fakeFrame<50>},
    {"forest", initOk, fakeFrame<30>},
    {"final", initOk, fakeFrame<0>},
};

struct Drawn {
  int scene;
  int32_t reported;
  int32_t seen;
};

class CaptureSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    installVirtualClock(&clock);
    demoClock = new DemoClock();
    session.start({kFakeScenes, musicOk});
  }

  testing_support::ScopedPlatform platform;
  VirtualClock clock{60};
  CaptureSession session{&clock};
  Progress progress{0};
};

TEST(VirtualClock, StepsCarryTheRemainderInWholeMilliseconds) {
  struct Case {
    int fps;
    std::vector<int64_t> firstSteps;
    int64_t afterOneSecondOfFrames;
  };
  for (const Case& c :
       {Case{60, {16, 17, 17, 16, 17, 17}, 1000}, Case{7, {142, 143, 143, 143}, 1000},
        Case{1000, {1, 1, 1}, 1000}, Case{1, {1000}, 1000}}) {
    VirtualClock clock(c.fps);
    for (int64_t step : c.firstSteps) {
      EXPECT_EQ(clock.regularStep(), step) << c.fps << " fps";
      clock.advance(clock.regularStep());
    }
    VirtualClock second(c.fps);
    for (int i = 0; i < c.fps; ++i) second.advance(second.regularStep());
    EXPECT_EQ(second.now(), static_cast<uint64_t>(c.afterOneSecondOfFrames)) << c.fps << " fps";
  }
}

TEST_F(CaptureSessionTest, ShotsAreDrawnAtExactlyTheirSceneTime) {
  // ocean:0 is the first frame, 50 lies between the 60 fps ends (33, 50 happens to be one),
  // 99 needs a shortened step, 100 is the ocean's last reachable time (it ends past 100),
  // pyramid:0 the first frame after the change, two shots share forest:7, final runs on.
  ShotPlan plan({{3, 1000, "f"},
                 {0, 0, "a"},
                 {0, 99, "c"},
                 {0, 50, "b"},
                 {0, 100, "d"},
                 {1, 0, "e"},
                 {2, 7, "g"},
                 {2, 7, "h"}});
  std::vector<Drawn> drawn;
  const ShotWriter record = [&](const std::vector<Shot>& shots, const FrameInfo& info) {
    for (const Shot& shot : shots) {
      EXPECT_EQ(shot.scene, info.scene) << shot.file;
      EXPECT_EQ(shot.ms, info.elapsed) << shot.file;
      drawn.push_back({shot.scene, info.elapsed, drawnAt});
    }
    return true;
  };
  ASSERT_TRUE(runShots(&session, &clock, &plan, kFakeScenes, record, &progress));
  const std::vector<Drawn> expected = {{0, 0, 0}, {0, 50, 50}, {0, 99, 99}, {0, 100, 100},
                                       {1, 0, 0}, {2, 7, 7},   {2, 7, 7},   {3, 1000, 1000}};
  ASSERT_EQ(drawn.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(drawn[i].scene, expected[i].scene) << i;
    EXPECT_EQ(drawn[i].seen, expected[i].reported) << "the scene drew at another time, shot " << i;
  }
}

TEST_F(CaptureSessionTest, AShotPastItsSceneEndFailsInsteadOfWaitingForever) {
  ShotPlan plan({{1, 51, "late.png"}});
  const ShotWriter never = [](const std::vector<Shot>&, const FrameInfo&) { return true; };
  EXPECT_FALSE(runShots(&session, &clock, &plan, kFakeScenes, never, &progress));
  EXPECT_EQ(session.scene(), 2);
}

TEST_F(CaptureSessionTest, AStreamDrawsEveryFrameStartingBeforeItsDuration) {
  std::vector<uint64_t> starts;
  const FrameHandler record = [&](const FrameInfo& info) {
    starts.push_back(info.sinceStart);
    return true;
  };
  ASSERT_TRUE(runStream(&session, &clock, 5000, record, &progress));
  ASSERT_EQ(starts.size(), 300u);
  EXPECT_EQ(streamFrameCount(5000, 60), 300);
  EXPECT_EQ(starts[1], 16u);
  EXPECT_EQ(starts.back(), 4983u);  // floor(299 x 1000 / 60)
  EXPECT_EQ(session.scene(), 3);    // 5 s passes all three fake scenes
}

TEST_F(CaptureSessionTest, AFailedOutputStopsTheStream) {
  int frames = 0;
  const FrameHandler failThird = [&](const FrameInfo&) { return ++frames < 3; };
  EXPECT_FALSE(runStream(&session, &clock, 5000, failThird, &progress));
  EXPECT_EQ(frames, 3);
}

}  // namespace
