// While the program waits for files of the pack still on their way (the demo's start after an
// early "Let's GO!", a later scene whose pictures are not in yet), the panel says so over
// whatever is on screen, the last frame staying up, with the bytes in of the files the program
// wants; it goes when they are in, a moment after the last wait so that a scene waiting for its
// files one after another shows one panel, not a flicker. A wait that ends at once shows nothing.
import * as downloads from './downloads.js';
import * as panel from './panel.js';

const kMessage = 'Loading the music and the pictures\u2026';
const kLingerMs = 250;
let waits = 0;
let hiding = 0;

function show() {
  const { loaded, total } = downloads.progress(true);
  panel.showProgress(loaded, total, kMessage);
}

// Resolves as `promise` does.
export async function whileWaiting(promise) {
  let done = false;
  promise.then(() => { done = true; }, () => { done = true; });
  await Promise.resolve();
  if (done) return promise;
  const watching = new AbortController();
  clearTimeout(hiding);
  if (waits++ === 0) show();
  downloads.watch(show, watching.signal);
  try {
    return await promise;
  } finally {
    watching.abort();
    if (--waits === 0) hiding = setTimeout(panel.hide, kLingerMs);
  }
}
