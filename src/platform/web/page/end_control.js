// Ending the demo without a keyboard: while it plays, a tap, a click or a mouse move shows a small
// "End the demo" button for a few seconds, which ends it as the Escape key does; the browser's
// Back button ends it too. The program is told through the same key message as Escape, so the end
// is the program's own (its status, the end panel), not the page's.
import { protocol as p } from './protocol.js';
import { postKey } from './demo_window.js';
import { boxOpen } from './message_box.js';
import { stage } from './stage.js';

const kShownMs = 4000;
const kWakers = ['pointerdown', 'click', 'mousemove', 'touchend'];
let button = null;
let hideTimer = 0;
let endsOnBack = false;  // the history entry pushed at the start is still the current one

const onOwnEntry = () => !!(history.state && history.state.tamsirelPlaying);

function endAsEscape() {
  if (button) postKey(p.keyEscape);
}

function wake(e) {
  if (boxOpen() || button.contains(e.target)) return;
  button.hidden = false;
  clearTimeout(hideTimer);
  hideTimer = setTimeout(() => { button.hidden = true; }, kShownMs);
}

function onBack() {
  if (!endsOnBack) return;
  endsOnBack = false;
  endAsEscape();
}

export function start(signal) {
  button = document.createElement('button');
  button.type = 'button';
  button.className = 'classic-button end-control';
  button.textContent = 'End the demo';
  button.hidden = true;
  button.addEventListener('click', endAsEscape);
  stage.append(button);
  for (const waker of kWakers) document.addEventListener(waker, wake, { capture: true, signal });
  // An entry of its own, so that Back leaves the demo and not the page; a page reloaded while
  // playing is on that entry already.
  if (!onOwnEntry()) history.pushState({ tamsirelPlaying: true }, '');
  endsOnBack = true;
  window.addEventListener('popstate', onBack, { signal });
}

export function stop() {
  if (!button) return;
  clearTimeout(hideTimer);
  button.remove();
  button = null;
  // The demo ended by itself or by a key: the entry it pushed goes, so that Back then leaves the
  // page as a viewer expects.
  if (endsOnBack && onOwnEntry()) history.back();
  endsOnBack = false;
}
