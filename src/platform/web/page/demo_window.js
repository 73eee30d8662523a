// The demo's window: a canvas whose drawing buffer is the chosen resolution. Windowed, it is that
// many pixels, in the middle of the page, or scaled down with its shape kept where the page is
// smaller (a phone), never cropped; fullscreen, the stage takes the screen through the Fullscreen
// API and the canvas is scaled to it with its shape kept, black around. A browser without the API
// (an iPhone's) has no way to give a canvas the screen: there the picture fills the page's view,
// which is the whole screen such a browser can give, with no question asked. While the demo
// plays, keys, the fullscreen being left by the viewer (the browser takes Escape for that) and the
// page being hidden become window messages, queued here for the program's message loop. The
// WebGL context lost and restored is reported at the frames (glContextState).
import { protocol as p } from './protocol.js';
import { boxOpen } from './message_box.js';
import { windowedCanvas } from './screen_fit.js';
import { stage } from './stage.js';

const kRestoreWaitMs = 5000;
let queue = [];
let canvas = null;
let inFullscreen = false;  // the program asked for fullscreen and has not given it back
let gl = p.contextCurrent;
let lostSince = 0;  // the page time the loss began, or the page was shown again since

function onContextLost(e) {
  e.preventDefault();  // asks the browser to restore the context
  console.log('tamsirel: the WebGL context was lost');
  gl = p.contextLost;
  lostSince = performance.now();
}

function onContextRestored() {
  console.log('tamsirel: the WebGL context was restored');
  gl = p.contextRestored;
}

// What the program is to do about its GL at a frame; a restore is reported once.
export function glContextState() {
  if (gl === p.contextLost && !document.hidden && performance.now() - lostSince > kRestoreWaitMs) {
    gl = p.contextGivenUp;
  }
  const state = gl;
  if (gl === p.contextRestored) gl = p.contextCurrent;
  return state;
}

function post(kind, data) { queue.push((kind << p.messageKindShift) | data); }

function onKey(e) {
  if (!canvas || canvas.hidden || boxOpen()) return;
  e.preventDefault();
  post(p.messageKey, e.keyCode & p.messageKeyMask);
}

function onFullscreenChange() {
  if (inFullscreen && !document.fullscreenElement) {
    inFullscreen = false;
    post(p.messageClose, 0);
  }
}

function onVisibility() {
  if (!document.hidden && gl === p.contextLost) lostSince = performance.now();
  post(p.messageActivate, document.hidden ? 1 : 0);
}

export async function enterFullscreen() {
  if (!stage.requestFullscreen) return true;
  try {
    await stage.requestFullscreen({ navigationUI: 'hide' });
  } catch (refused) {
    console.log(`tamsirel: fullscreen refused: ${refused.message}`);
    return false;
  }
  inFullscreen = true;
  return true;
}

export function leaveFullscreen() {
  inFullscreen = false;
  if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
}

function centre() {
  if (!canvas || canvas.classList.contains('fullscreen')) return;
  const shown = windowedCanvas({ width: window.innerWidth, height: window.innerHeight },
    canvas.width, canvas.height);
  for (const side of ['width', 'height', 'left', 'top']) canvas.style[side] = `${shown[side]}px`;
}

export function create(title, width, height, fullscreen) {
  document.title = title;
  gl = p.contextCurrent;
  canvas = document.createElement('canvas');
  canvas.id = 'demo-canvas';
  canvas.className = `demo-canvas ${fullscreen ? 'fullscreen' : 'windowed'}`;
  canvas.width = width;
  canvas.height = height;
  canvas.tabIndex = 0;
  canvas.hidden = true;
  canvas.addEventListener('webglcontextlost', onContextLost);
  canvas.addEventListener('webglcontextrestored', onContextRestored);
  stage.append(canvas);
  centre();
}

export function show() {
  document.body.classList.add('playing');
  canvas.hidden = false;
  canvas.focus();
}

// The program's window goes; the playback's end takes the rest.
export function remove() {
  if (canvas) canvas.remove();
  canvas = null;
}

export const showCursor = (visible) => stage.classList.toggle('no-cursor', !visible);
export const viewportWidth = () => window.innerWidth;
export const viewportHeight = () => window.innerHeight;
export const postKey = (code) => post(p.messageKey, code & p.messageKeyMask);
export const postSize = (width, height) =>
  post(p.messageSize, (width << p.messageWidthShift) | height);
export const nextMessage = () => (queue.length > 0 ? queue.shift() : 0);

export function start(signal) {
  queue = [];
  const options = { signal };
  document.addEventListener('keydown', onKey, options);
  document.addEventListener('fullscreenchange', onFullscreenChange, options);
  document.addEventListener('visibilitychange', onVisibility, options);
  window.addEventListener('resize', centre, options);
}

// The canvas and its context let go, the page's own look back, fullscreen left.
export function stop() {
  remove();
  leaveFullscreen();
  showCursor(true);
  document.body.classList.remove('playing');
  queue = [];
}
