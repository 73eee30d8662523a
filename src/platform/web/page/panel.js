// The panel in the middle of the page: the download's progress before the program starts, a
// notice in plain words where the page cannot run it, and at the end that the demo has ended
// (with the exit status, for a viewer and for a test) or why it stopped, with "Play it again",
// which loads the page afresh: a new dialog, and the demo and its music from their start.
const panel = document.getElementById('panel');
const text = document.getElementById('panel-text');
const detail = document.getElementById('panel-detail');
const progress = document.getElementById('progress');
const bar = document.getElementById('progress-bar');
const button = document.getElementById('panel-button');
let final = false;  // a notice or the end is up, and stays

button.addEventListener('click', () => window.location.reload());

export function showProgress(loaded, total) {
  if (final) return;
  bar.style.width = `${total > 0 ? (100 * loaded) / total : 0}%`;
  detail.textContent = `${(loaded / 1e6).toFixed(1)} of ${(total / 1e6).toFixed(1)} MB`;
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
