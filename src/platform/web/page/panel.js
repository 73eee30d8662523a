// The panel in the middle of the page: the program's download before it starts, what the demo
// waits for while files of the pack are still on their way (waiting.js), a notice in plain words
// where the page cannot run it, and at the end that the demo has ended (with the exit status, for
// a viewer and for a test) or why it stopped, with "Play it again", which loads the page afresh:
// a new dialog, and the demo and its music from their start.
const panel = document.getElementById('panel');
const text = document.getElementById('panel-text');
const detail = document.getElementById('panel-detail');
const progress = document.getElementById('progress');
const bar = document.getElementById('progress-bar');
const button = document.getElementById('panel-button');
let final = false;  // a notice or the end is up, and stays

button.addEventListener('click', () => window.location.reload());

export const megabytes = (loaded, total) =>
  `${(loaded / 1e6).toFixed(1)} of ${(total / 1e6).toFixed(1)} MB`;

export function showProgress(loaded, total, message) {
  if (final) return;
  if (message) {
    text.textContent = message;
    panel.hidden = false;
    progress.hidden = false;
  }
  bar.style.width = `${total > 0 ? (100 * loaded) / total : 0}%`;
  detail.textContent = megabytes(loaded, total);
}

export function hide() {
  if (!final) panel.hidden = true;
}

// `again`: with the button that plays the demo again.
export function showFinal(message, more, again) {
  final = true;
  panel.hidden = false;
  text.textContent = message;
  detail.textContent = more || '';
  progress.hidden = true;
  button.hidden = !again;
  if (again) button.focus();
}
