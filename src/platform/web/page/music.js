// The soundtrack through Web Audio, decoded whole when the program opens it and kept with the
// picture: the demo's timeline runs on the page's clock, and the music is placed on it, so that
// the part of the soundtrack heard at any moment is the part of the demo on screen then.
// - Browsers let a context make sound only from inside a gesture: every click, tap (at its end,
//   as iOS counts it) and key of the viewer's resumes a context that is not running, and so does
//   the page being shown again.
// - An iPhone plays a page's Web Audio as ringer sound, silenced by the ring/silent switch,
//   unless the page says it plays media: it does, where the browser lets it say so.
// - A context that starts or comes back (after a suspension, an interruption, another app taking
//   the audio) places the music at the demo's position; so does a drift of more than a frame
//   between the two, on average over the last kFramesWeighed frames shown (each frame alone is
//   early or late by how long it took to draw, which no placing can follow).
// - Where no audio runs at all, the picture plays on by its own clock, and the music joins when
//   the context runs.
'use strict';

tamsirelPage.music = (() => {
  // A frame at 60 Hz: the least drift that places the music again.
  const kDriftSeconds = 1 / 60;
  const kFramesWeighed = 30;
  // A source is started this far ahead of the context's time, so that its start is never late.
  const kStartAheadSeconds = 0.05;
  const kStampTrustedMs = 250;
  const kGestures = ['keydown', 'keyup', 'mousedown', 'pointerup', 'touchend', 'click'];

  let context = null;
  const sounds = [null];  // handle 0 is "none"
  let track = null;       // { buffer, startedAt }: the soundtrack and when the demo started it
  let source = null;      // the source node playing it
  let placed = null;      // { contextTime, offset }: `source` plays `offset` at `contextTime`
  let drifts = [];        // the music ahead of the picture at the frames shown since, seconds

  function init() {
    const AudioContext = window.AudioContext || window.webkitAudioContext;
    if (!AudioContext) return false;
    if (navigator.audioSession) navigator.audioSession.type = 'playback';
    context = new AudioContext();
    context.addEventListener('statechange', place);
    return true;
  }

  function running() { return context !== null && context.state === 'running'; }

  function unlock() {
    if (context && context.state !== 'running' && context.state !== 'closed') {
      context.resume().catch(() => {});
    }
  }

  async function decode(bytes) {
    try {
      sounds.push(await context.decodeAudioData(bytes.buffer));
      return sounds.length - 1;
    } catch (undecodable) {
      return 0;
    }
  }

  // The page's time (performance.now()) at which the sound the context plays at `contextTime`
  // is heard, and back: through the browser's output timestamp where it has a sound one,
  // otherwise through the output latency it reports. A stamp is a moment just past; WebKitGTK's
  // run ahead of the page's clock at twice its pace, and are not taken.
  function outputStamp() {
    const stamp = context.getOutputTimestamp ? context.getOutputTimestamp() : null;
    if (stamp && stamp.performanceTime > 0 &&
        Math.abs(performance.now() - stamp.performanceTime) < kStampTrustedMs) {
      return stamp;
    }
    const latency = (context.outputLatency || 0) + (context.baseLatency || 0);
    return { contextTime: context.currentTime - latency, performanceTime: performance.now() };
  }
  function heardAt(contextTime) {
    const stamp = outputStamp();
    return stamp.performanceTime + (contextTime - stamp.contextTime) * 1000;
  }
  function contextTimeHeardAt(pageTime) {
    const stamp = outputStamp();
    return stamp.contextTime + (pageTime - stamp.performanceTime) / 1000;
  }

  // Seconds into the soundtrack the viewer should hear at `pageTime`: the demo's time in the
  // frame on screen then.
  function wanted(pageTime) {
    return (pageTime - tamsirelPage.frames.lagMs() - track.startedAt) / 1000;
  }

  function stopSource() {
    if (!source) return;
    source.stop();
    source.disconnect();
    source = null;
    placed = null;
  }

  // Starts the soundtrack where the demo is; nothing while the context is not running (the
  // statechange that follows calls again), nor once the demo is past the soundtrack's end.
  function place() {
    if (!track || !running()) return;
    stopSource();
    drifts = [];
    const at = context.currentTime + kStartAheadSeconds;
    const offset = wanted(heardAt(at));
    if (offset >= track.buffer.duration) return;
    source = context.createBufferSource();
    source.buffer = track.buffer;
    source.connect(context.destination);
    // Before the soundtrack's start (the first frame is not on screen yet) it waits for it.
    placed = offset >= 0 ? { contextTime: at, offset } : { contextTime: at - offset, offset: 0 };
    source.start(placed.contextTime, placed.offset);
  }

  function play(handle) {
    const buffer = sounds[handle];
    if (!context || !buffer) return false;
    unlock();
    track = { buffer, startedAt: performance.now() };
    place();
    return true;
  }

  // Seconds into the soundtrack heard at `pageTime`; null while nothing is heard.
  function positionAt(pageTime) {
    if (!placed || !running()) return null;
    return placed.offset + (contextTimeHeardAt(pageTime) - placed.contextTime);
  }

  // At every frame shown: the music back where the demo is, when the two have drifted apart.
  function follow() {
    if (!track || !running()) return;
    const { demo, music } = tamsirelPage.sync();
    if (music === null) {
      place();
      return;
    }
    drifts.push(music - demo);
    if (drifts.length < kFramesWeighed) return;
    const mean = drifts.reduce((sum, d) => sum + d, 0) / drifts.length;
    drifts.shift();
    // The picture lags its counter by about two frames: half of it is one frame at the pace
    // the demo draws now.
    if (Math.abs(mean) > Math.max(kDriftSeconds, tamsirelPage.frames.lagMs() / 2000)) place();
  }

  for (const gesture of kGestures) document.addEventListener(gesture, unlock, true);
  document.addEventListener('visibilitychange', () => { if (!document.hidden) unlock(); });
  window.addEventListener('pageshow', unlock);

  // For the tests and a viewer's report: at the moment the last frame was shown, the demo's time
  // in it and the soundtrack heard, both in seconds since the demo started the music (music:
  // null while none is heard).
  tamsirelPage.sync = () => {
    const shown = tamsirelPage.frames.lastShown();
    if (!track || !shown) return { demo: null, music: null };
    return { demo: (shown.shows - track.startedAt) / 1000, music: positionAt(shown.at) };
  };

  return {
    init, unlock, decode, play, follow,
    state: () => (context ? context.state : 'none'),
  };
})();
