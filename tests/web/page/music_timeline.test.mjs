// Where the soundtrack is placed on the demo's timeline, and when it is placed again, without a
// browser.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import {
  DriftWatch, contextTimeHeardAt, heardAt, kDriftSeconds, kFramesWeighed, outputStamp, placement,
  wantedOffset,
} from '../../../src/platform/web/page/music_timeline.js';

test('the soundtrack heard is the demo\'s time in the frame on screen', () => {
  // Started at page time 1000 ms; the picture 33 ms behind its counter.
  assert.equal(wantedOffset(3033, 33, 1000), 2);
  assert.equal(wantedOffset(1000, 33, 1000), -0.033);
});

test('a source waits for the soundtrack\'s start, plays into it, and nothing past its end', () => {
  for (const [contextTime, offset, wanted] of [
    [10, 2.5, { contextTime: 10, offset: 2.5 }],
    [10, 0, { contextTime: 10, offset: 0 }],
    [10, -0.25, { contextTime: 10.25, offset: 0 }],
    [10, 179.9, { contextTime: 10, offset: 179.9 }],
    [10, 180, null],
    [10, 200, null],
  ]) {
    assert.deepEqual(placement(contextTime, offset, 180), wanted, `offset ${offset}`);
  }
});

test('the two clocks are tied by a trusted output stamp, else by the reported latency', () => {
  const sound = { contextTime: 5, performanceTime: 9900 };
  assert.equal(outputStamp(sound, 10000, 5.2, 0.04), sound);
  for (const untrusted of [null, { contextTime: 5, performanceTime: 0 },
    { contextTime: 5, performanceTime: 10300 }, { contextTime: 5, performanceTime: 9700 }]) {
    assert.deepEqual(outputStamp(untrusted, 10000, 5.2, 0.04),
      { contextTime: 5.16, performanceTime: 10000 }, JSON.stringify(untrusted));
  }
  // Heard 40 ms after it is played: back and forth give the same moment.
  const stamp = outputStamp(null, 10000, 5.2, 0.04);
  assert.equal(heardAt(stamp, 5.2), 10040);
  assert.ok(Math.abs(contextTimeHeardAt(stamp, heardAt(stamp, 7.5)) - 7.5) < 1e-9);
});

const kLag60Hz = 2000 / 60;

// Feeds `drifts` (seconds, one a frame) and returns the frames at which the music is placed again.
function placings(drifts, lagMs = kLag60Hz) {
  const watch = new DriftWatch();
  return drifts.flatMap((d, frame) => (watch.shouldPlace(d, lagMs) ? [frame] : []));
}

test('placed again when the mean drift over the last frames passes a frame, not for one frame', () => {
  const frames = (count, drift) => Array(count).fill(drift);
  for (const [what, drifts, lagMs, wanted] of [
    ['in step', frames(90, 0.004), kLag60Hz, []],
    ['just under a frame behind', frames(90, -0.9 * kDriftSeconds), kLag60Hz, []],
    ['a frame and a half ahead', frames(90, 1.5 * kDriftSeconds), kLag60Hz,
      [kFramesWeighed - 1, 2 * kFramesWeighed - 1, 3 * kFramesWeighed - 1]],
    ['one late frame of 0.2 s among frames in step',
      [...frames(40, 0), 0.2, ...frames(40, 0)], kLag60Hz, []],
    ['25 ms behind at 60 Hz', frames(45, -0.025), kLag60Hz, [kFramesWeighed - 1]],
    ['25 ms behind while the demo draws at 30 Hz', frames(60, -0.025), 2000 / 30, []],
  ]) {
    assert.deepEqual(placings(drifts, lagMs), wanted, what);
  }
});

test('after a placing the drift is weighed afresh', () => {
  const watch = new DriftWatch();
  for (let i = 0; i < kFramesWeighed - 1; ++i) assert.equal(watch.shouldPlace(0.05, kLag60Hz), false);
  assert.equal(watch.shouldPlace(0.05, kLag60Hz), true);
  assert.equal(watch.shouldPlace(0.05, kLag60Hz), false, 'the frame after the placing');
  watch.shouldPlace(-1, kLag60Hz);
  watch.reset();
  for (let i = 0; i < kFramesWeighed - 1; ++i) assert.equal(watch.shouldPlace(0, kLag60Hz), false);
  assert.equal(watch.shouldPlace(0, kLag60Hz), false, 'a frame far off forgotten at a reset');
});
