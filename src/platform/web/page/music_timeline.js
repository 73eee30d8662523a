// Where the soundtrack goes on the demo's timeline, as plain arithmetic on the page's clock
// (performance.now(), in ms) and the audio context's (in s), so that node's tests can check it.
// - The part of the soundtrack heard at a moment is the demo's time in the frame on screen then:
//   the page's time less the picture's lag, less the moment the demo started the music.
// - Before the soundtrack's start (the first frame is not on screen yet) a source waits for it;
//   past its end there is nothing to place.
// - The music is placed again when it has drifted from the picture by more than a frame, on
//   average over the last kFramesWeighed frames shown: each frame alone is early or late by how
//   long it took to draw, which no placing can follow.

// A frame at 60 Hz: the least drift that places the music again.
export const kDriftSeconds = 1 / 60;
export const kFramesWeighed = 30;
// A source is started this far ahead of the context's time, so that its start is never late.
export const kStartAheadSeconds = 0.05;
// An output timestamp further than this from the page's clock is not taken (WebKitGTK's run
// ahead of it at twice its pace).
const kStampTrustedMs = 250;

// The stamp that ties the two clocks: the browser's output timestamp where it has a sound one,
// otherwise the context's time less the output latency it reports, heard now.
export function outputStamp(reported, now, contextTime, latencySeconds) {
  if (reported && reported.performanceTime > 0 &&
      Math.abs(now - reported.performanceTime) < kStampTrustedMs) {
    return reported;
  }
  return { contextTime: contextTime - latencySeconds, performanceTime: now };
}

// The page's time at which the sound the context plays at `contextTime` is heard, and back.
export const heardAt = (stamp, contextTime) =>
  stamp.performanceTime + (contextTime - stamp.contextTime) * 1000;
export const contextTimeHeardAt = (stamp, pageTime) =>
  stamp.contextTime + (pageTime - stamp.performanceTime) / 1000;

// Seconds into the soundtrack the viewer should hear at `pageTime`.
export const wantedOffset = (pageTime, lagMs, startedAt) => (pageTime - lagMs - startedAt) / 1000;

// Where a source started at `contextTime` plays `offset` of a soundtrack `duration` s long:
// { contextTime, offset } for source.start, or null once the soundtrack is over.
export function placement(contextTime, offset, duration) {
  if (offset >= duration) return null;
  return offset >= 0 ? { contextTime, offset } : { contextTime: contextTime - offset, offset: 0 };
}

// The drift the music may have from the picture while the picture lags its counter by `lagMs`:
// a frame. The picture lags by about two frames, so half of it is one frame at the pace the demo
// draws now, which may be slower than 60 Hz.
export const driftAllowed = (lagMs) => Math.max(kDriftSeconds, lagMs / 2000);

// The music's drift from the picture, frame after frame; `shouldPlace` says when to place again.
export class DriftWatch {
  constructor() { this.drifts = []; }

  // `drift`: the music ahead of the picture at a frame shown, s; `lagMs`: the picture's lag. A
  // placing starts the weighing afresh.
  shouldPlace(drift, lagMs) {
    this.drifts.push(drift);
    if (this.drifts.length < kFramesWeighed) return false;
    const mean = this.drifts.reduce((sum, d) => sum + d, 0) / this.drifts.length;
    this.drifts.shift();
    const place = Math.abs(mean) > driftAllowed(lagMs);
    if (place) this.reset();
    return place;
  }

  reset() { this.drifts = []; }
}
