// When the demo's frames reach the screen, on the page's clock (performance.now(), which is the
// demo's counter): each frame is drawn for the time the program read at the swap before it, and
// is on screen once the browser's next animation frame comes after its own swap. The music is
// placed by the picture's lag behind the counter, so that the two meet on screen.
const kLagsKept = 15;
// Before any frame is shown: two frames of a 60 Hz display, what browsers take.
const kAssumedLagMs = (2 * 1000) / 60;

let lastSwap = null;  // the page time the frame being drawn is for
let swapping = null;  // the page time the frame just swapped was drawn for
let last = null;      // { shows, at }: the last frame shown, its time and when it was shown
let lags = [];

export function swapped() {
  swapping = lastSwap;
  lastSwap = performance.now();
}

export function shown() {
  if (swapping === null) return;
  last = { shows: swapping, at: performance.now() };
  lags.push(last.at - last.shows);
  if (lags.length > kLagsKept) lags.shift();
}

// The picture's lag behind the counter: the median of the last frames', against a stray one.
export function lagMs() {
  if (lags.length === 0) return kAssumedLagMs;
  return [...lags].sort((a, b) => a - b)[lags.length >> 1];
}

export const lastShown = () => last;

// A playback starts with no frame shown; its end forgets them.
export function start() { stop(); }
export function stop() {
  lastSwap = swapping = last = null;
  lags = [];
}
