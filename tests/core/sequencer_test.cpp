// The sequencer with fake scenes and a fake music start: what one step does in each state, the
// order of init, music start and clock restart, and the fatal message of every failed start.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/demo_clock.h"
#include "core/sequencer.h"
#include "recording_platform.h"

using testing_support::manualMilliseconds;
using testing_support::platformLog;
using testing_support::ProcessExit;
using Calls = std::vector<std::string>;

namespace {

const char* const kNames[kSceneCount] = {"ocean", "pyramid", "forest", "final"};

struct FakeScenes {
  int initResult[kSceneCount] = {1, 1, 1, 1};
  std::deque<int> frameResults[kSceneCount];  // then 0
  int musicResult = 1;
  uint32_t initMs = 0;   // how long each init takes on the manual counter
  uint32_t musicMs = 0;  // how long the music's start takes
  int32_t elapsedSeenByFrame = -1;
};
FakeScenes fakes;

void log(const std::string& call) { platformLog().calls.push_back(call); }

template <int I>
int fakeInit() {
  log(std::string("init:") + kNames[I]);
  manualMilliseconds += fakes.initMs;
  return fakes.initResult[I];
}

template <int I>
void fakePrefetch() {
  log(std::string("prefetch:") + kNames[I]);
}

template <int I>
int fakeFrame() {
  log(std::string("frame:") + kNames[I]);
  fakes.elapsedSeenByFrame = demoClock->elapsed;
  demoClock->endFrame();
  if (fakes.frameResults[I].empty()) return 0;
  const int result = fakes.frameResults[I].front();
  fakes.frameResults[I].pop_front();
  return result;
}

const Scene kFakeScenes[kSceneCount] = {
    {"ocean", fakeInit<0>, fakeFrame<0>, fakePrefetch<0>},
    {"pyramid", fakeInit<1>, fakeFrame<1>, fakePrefetch<1>},
    {"forest", fakeInit<2>, fakeFrame<2>, fakePrefetch<2>},
    {"final", fakeInit<3>, fakeFrame<3>, fakePrefetch<3>},
};

template <int I>
void fakeWarmUp(int layer) {
  log(std::string("warm:") + kNames[I] + ":" + std::to_string(layer));
}

// The same scenes with warm-ups of 1, 2, 3 and 1 layers.
const Scene kWarmingScenes[kSceneCount] = {
    {"ocean", fakeInit<0>, fakeFrame<0>, fakePrefetch<0>, fakeWarmUp<0>, 1},
    {"pyramid", fakeInit<1>, fakeFrame<1>, fakePrefetch<1>, fakeWarmUp<1>, 2},
    {"forest", fakeInit<2>, fakeFrame<2>, fakePrefetch<2>, fakeWarmUp<2>, 3},
    {"final", fakeInit<3>, fakeFrame<3>, fakePrefetch<3>, fakeWarmUp<3>, 1},
};

int fakeMusic() {
  log("music");
  manualMilliseconds += fakes.musicMs;
  return fakes.musicResult;
}

class Sequencer : public ::testing::Test {
 protected:
  void SetUp() override {
    fakes = FakeScenes{};
    demoClock = &clock_;
    setupSequencer({kFakeScenes, fakeMusic});
  }
  void TearDown() override { demoClock = nullptr; }

  // Runs `steps` steps, advancing the manual counter 10 ms before each.
  void step(int steps = 1) {
    for (int i = 0; i < steps; ++i) {
      manualMilliseconds += 10;
      sequencerStep();
    }
  }

  testing_support::ScopedPlatform platform_;
  DemoClock clock_;
};

}  // namespace

TEST_F(Sequencer, FirstStepInitialisesTheOceanStartsTheMusicAndDrawsNothing) {
  manualMilliseconds = 1000;
  fakes.initMs = 30;
  fakes.musicMs = 7;
  step();
  EXPECT_EQ(platformLog().calls, (Calls{"init:ocean", "music"}));
  EXPECT_EQ(sceneState, 1);
  EXPECT_EQ(clock_.startTick, 1047u)
      << "the clock restarts after the ocean's init and the music's start";
  step();
  EXPECT_EQ(platformLog().calls, (Calls{"init:ocean", "music", "frame:ocean", "prefetch:pyramid"}))
      << "the pyramid decodes once the ocean's first frame is drawn";
  EXPECT_EQ(fakes.elapsedSeenByFrame, 0) << "the first frame sees elapsed 0";
}

TEST_F(Sequencer, ASceneChangeTakesOneStepAndRestartsTheClock) {
  struct Case {
    SceneState from;
    int scene;
    const char* lastFrame;
    const char* nextInit;
    const char* prefetch;  // a scene whose first frame is its last decodes the next just before
    SceneState to;
  };
  const Case cases[] = {
      {1, 0, "frame:ocean", "init:pyramid", "prefetch:pyramid", 3},
      {3, 1, "frame:pyramid", "init:forest", "prefetch:forest", 6},
      {6, 2, "frame:forest", "init:final", "prefetch:final", 7},
  };
  fakes.initMs = 25;
  for (const Case& c : cases) {
    sceneState = c.from;
    fakes.frameResults[c.scene] = {1};
    platformLog().calls.clear();
    step();
    const Calls expected = {c.lastFrame, c.prefetch, c.nextInit};
    EXPECT_EQ(platformLog().calls, expected) << "from " << c.from;
    EXPECT_EQ(sceneState, c.to);
    EXPECT_EQ(clock_.startTick, manualMilliseconds)
        << "the clock restarts after the next scene's init";
    EXPECT_EQ(clock_.elapsed, 0) << "the next scene's first frame sees elapsed 0";
  }
}

TEST_F(Sequencer, PlaysTheScenesInOrderAndStaysInTheLast) {
  fakes.frameResults[0] = {0, 1};
  fakes.frameResults[1] = {1};
  fakes.frameResults[2] = {0, 0, 1};
  fakes.frameResults[3] = {1, 1};  // the final scene's result is not looked at
  step(12);
  EXPECT_EQ(platformLog().calls,
            (Calls{"init:ocean", "music", "frame:ocean", "prefetch:pyramid", "frame:ocean",
                   "init:pyramid", "frame:pyramid", "prefetch:forest", "init:forest",
                   "frame:forest", "prefetch:final", "frame:forest", "frame:forest", "init:final",
                   "frame:final", "frame:final", "frame:final", "frame:final", "frame:final"}));
  EXPECT_EQ(sceneState, 7);
}

// The first scene warms up before its init, the later ones a layer before each frame that is
// not a scene's first (the change), and what a scene too short to carry its layers leaves runs
// before the init it is for.
TEST_F(Sequencer, WarmUpsRunAheadOfTheirSceneAndNeverInTheChangesFrame) {
  setupSequencer({kWarmingScenes, fakeMusic});
  fakes.frameResults[0] = {0, 0, 1};
  fakes.frameResults[1] = {0, 1};
  step(9);
  EXPECT_EQ(platformLog().calls,
            (Calls{"warm:ocean:0",     "init:ocean",     "music",          "frame:ocean",
                   "prefetch:pyramid", "warm:pyramid:0", "frame:ocean",    "warm:pyramid:1",
                   "frame:ocean",      "init:pyramid",   "frame:pyramid",  "prefetch:forest",
                   "warm:forest:0",    "frame:pyramid",  "warm:forest:1",  "warm:forest:2",
                   "init:forest",      "frame:forest",   "prefetch:final", "warm:final:0",
                   "frame:forest",     "frame:forest"}));
}

TEST_F(Sequencer, OnlyOneMeansTheSceneIsOver) {
  sceneState = 1;
  fakes.frameResults[0] = {2, -1, 0};
  step(3);
  EXPECT_EQ(sceneState, 1);
  EXPECT_EQ(platformLog().calls,
            (Calls{"frame:ocean", "prefetch:pyramid", "frame:ocean", "frame:ocean"}));
}

TEST_F(Sequencer, StatesThatAreNeverSetDoNothing) {
  for (SceneState state : {2, 4, 5, 8, -1}) {
    sceneState = state;
    step();
    EXPECT_EQ(sceneState, state);
  }
  EXPECT_TRUE(platformLog().calls.empty());
}

TEST_F(Sequencer, FailedStartsEndTheProgramWithTheirMessage) {
  struct Case {
    SceneState state;
    int failingInit;  // -1: the music fails
    const char* message;
  };
  const Case cases[] = {
      {0, 0, "error init part 1"}, {0, -1, "sound init error"}, {1, 1, "error init part 3"},
      {3, 2, "error init part 6"}, {6, 3, "error init part 7"},
  };
  for (const Case& c : cases) {
    fakes = FakeScenes{};
    if (c.failingInit < 0)
      fakes.musicResult = 0;
    else
      fakes.initResult[c.failingInit] = 0;
    if (c.state != 0) fakes.frameResults[c.failingInit - 1] = {1};
    sceneState = c.state;
    platformLog() = testing_support::PlatformLog{};
    try {
      step();
      ADD_FAILURE() << c.message << ": the step returned";
    } catch (const ProcessExit& exit) {
      EXPECT_EQ(exit.status, 1) << c.message;
    }
    ASSERT_EQ(platformLog().boxes.size(), 1u) << c.message;
    EXPECT_EQ(platformLog().boxes[0].text, c.message);
    EXPECT_EQ(platformLog().boxes[0].caption, "ERROR!");
    EXPECT_EQ(platformLog().boxes[0].icon, platform::BoxIcon::Stop);
    EXPECT_TRUE(platformLog().boxes[0].systemModal);
    EXPECT_EQ(sceneState, c.state) << "the state does not move on after " << c.message;
  }
}
