// The soundtrack through Web Audio, decoded whole as soon as it has arrived (downloads.js) and
// kept with the picture: the demo's timeline runs on the page's clock, and the music is placed on
// it (music_timeline.js), so that the part of the soundtrack heard at any moment is the part of
// the demo on screen then. The program opens it before the dialog, from its first bytes; playing
// it waits for the rest where it is not in yet (waiting.js).
// - Browsers let a context make sound only from inside a gesture: from the moment the program
//   opens its sound (before the dialog, whose "Let's GO!" is such a gesture), every click, tap
//   (at its end, as iOS counts it) and key of the viewer's resumes a context that is not running,
//   and so does the page being shown again.
// - An iPhone plays a page's Web Audio as ringer sound, silenced by the ring/silent switch,
//   unless the page says it plays media: it does, where the browser lets it say so.
// - A context that starts or comes back (after a suspension, an interruption, another app taking
//   the audio) places the music at the demo's position; so does a drift of more than a frame.
// - Where no audio runs at all, the picture plays on by its own clock, and the music joins when
//   the context runs.
// - At the end the source stops, the context is closed and every handler goes: nothing a later
//   gesture or a page shown again could start.
import { protocol as p } from './protocol.js';
import * as downloads from './downloads.js';
import * as frames from './frame_times.js';
import {
  DriftWatch, contextTimeHeardAt, heardAt, kStartAheadSeconds, outputStamp, placement, wantedOffset,
} from './music_timeline.js';
import { whileWaiting } from './waiting.js';

const kGestures = ['keydown', 'keyup', 'mousedown', 'pointerup', 'touchend', 'click'];

let context = null;
let handlers = null;     // the AbortController of the context's handlers
let sounds = [null];     // { name, decoded: a promise of { buffer } or { failed: kPlay* } }
let track = null;        // { buffer, startedAt }: the soundtrack and when the demo started it
let source = null;       // the source node playing it
let placed = null;       // { contextTime, offset }: `source` plays `offset` at `contextTime`
const drift = new DriftWatch();

const running = () => context !== null && context.state === 'running';

export function unlock() {
  // 'suspended', or 'interrupted' where iOS took the audio away.
  if (context && context.state !== 'running' && context.state !== 'closed') {
    context.resume().catch(() => {});
  }
}

export function init() {
  const AudioContext = window.AudioContext || window.webkitAudioContext;
  if (!AudioContext) return false;
  if (navigator.audioSession) navigator.audioSession.type = 'playback';
  context = new AudioContext();
  handlers = new AbortController();
  const options = { signal: handlers.signal };
  context.addEventListener('statechange', place, options);
  for (const gesture of kGestures) {
    document.addEventListener(gesture, unlock, { ...options, capture: true });
  }
  document.addEventListener('visibilitychange', () => { if (!document.hidden) unlock(); }, options);
  window.addEventListener('pageshow', unlock, options);
  return true;
}

// The program's handle for the pack's file `name`, whose first bytes it has checked: decoded once
// it is in.
export function open(name) {
  if (!context) return 0;
  downloads.arrived(name);  // wanted soon: the demo starts with it
  const decoding = context;
  const decoded = downloads.whenSettled(name).then(async (arrived) => {
    if (!arrived) return { failed: p.playFileMissing };
    try {
      return { buffer: await decoding.decodeAudioData(downloads.bytesOf(name).buffer) };
    } catch (undecodable) {
      return { failed: p.playUndecodable };
    }
  });
  sounds.push({ name, decoded });
  return sounds.length - 1;
}

function stamp() {
  const latency = (context.outputLatency || 0) + (context.baseLatency || 0);
  return outputStamp(context.getOutputTimestamp ? context.getOutputTimestamp() : null,
    performance.now(), context.currentTime, latency);
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
  drift.reset();
  const at = context.currentTime + kStartAheadSeconds;
  const offset = wantedOffset(heardAt(stamp(), at), frames.lagMs(), track.startedAt);
  placed = placement(at, offset, track.buffer.duration);
  if (!placed) return;
  source = context.createBufferSource();
  source.buffer = track.buffer;
  source.connect(context.destination);
  source.start(placed.contextTime, placed.offset);
}

// Starts the soundtrack with the demo, once it is decoded; protocol's kPlayStarted, or why not.
export async function play(handle) {
  if (!context || !sounds[handle]) return p.playRefused;
  const { name, decoded } = sounds[handle];
  const sound = await whileWaiting(downloads.whenArrived(name).then(() => decoded));
  if (sound.failed) return sound.failed;
  if (!context) return p.playRefused;
  unlock();
  track = { buffer: sound.buffer, startedAt: performance.now() };
  place();
  return p.playStarted;
}

// At the moment the last frame was shown, the demo's time in it and the soundtrack heard, both in
// seconds since the demo started the music (music: null while none is heard).
export function sync() {
  const shown = frames.lastShown();
  if (!track || !shown) return { demo: null, music: null };
  const music = placed && running()
    ? placed.offset + (contextTimeHeardAt(stamp(), shown.at) - placed.contextTime) : null;
  return { demo: (shown.shows - track.startedAt) / 1000, music };
}

// At every frame shown: the music back where the demo is, when the two have drifted apart.
export function follow() {
  if (!track || !running()) return;
  const { demo, music } = sync();
  if (music === null || drift.shouldPlace(music - demo, frames.lagMs())) place();
}

export const state = () => (context ? context.state : 'none');

// The playback's part: the music starts when the program plays it; the end silences it for good.
export function start() {}
export function stop() {
  if (handlers) handlers.abort();
  handlers = null;
  if (source) stopSource();
  track = null;
  sounds = [null];
  if (context && context.state !== 'closed') context.close().catch(() => {});
  context = null;
}
