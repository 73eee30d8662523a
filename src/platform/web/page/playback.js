// A playback of the demo in the page, and the page's one end. The playback starts at "Let's GO!"
// (the program about to make its window) and ends with the demo, whichever way that comes: Escape,
// "End the demo", Back, leaving fullscreen, a fatal box, the program's exit, or the page stopping
// it. Each part the demo uses while it plays has one start/stop pair, called from here and nowhere
// else; the handlers a part adds for the playback go with its AbortController's signal. The end
// stops every part (the music silenced and its context closed, the canvas let go, the wake lock
// released, the end control and its history entry gone), closes the dialog and any box, and shows
// the end panel; ending a second time does nothing.
import * as dialog from './classic_dialog.js';
import * as demoWindow from './demo_window.js';
import * as endControl from './end_control.js';
import * as frames from './frame_times.js';
import { closeBoxes } from './message_box.js';
import * as music from './music.js';
import * as panel from './panel.js';
import * as wakeLock from './wake_lock.js';

const parts = [frames, music, demoWindow, endControl, wakeLock];
const pageTitle = document.title;
let playing = null;  // the AbortController of the playback's handlers
let ended = false;

export function startPlayback() {
  if (playing || ended) return;
  playing = new AbortController();
  for (const part of parts) part.start(playing.signal);
}

// The frame swap: resolves once the frame is on screen, with the WebGL context's state then.
export async function nextFrame() {
  frames.swapped();
  await new Promise((resolve) => requestAnimationFrame(resolve));
  frames.shown();
  music.follow();
  return demoWindow.glContextState();
}

// `again`: the end panel offers to play the demo again.
export function end(message, more, again = true) {
  if (ended) return;
  ended = true;
  if (playing) playing.abort();
  playing = null;
  for (const part of [...parts].reverse()) part.stop();
  dialog.close();
  closeBoxes();
  document.title = pageTitle;
  panel.showFinal(message, more, again);
}
