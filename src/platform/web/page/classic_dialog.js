// The setup dialog as a classic dialog in the page: a small-caption window in the stage with
// its controls at the pixel rectangles the program computes from the template, in template order
// (the tab order). The page only draws and reports: a click on a control (released over it, so a
// press dragged off does nothing), the space bar through the control's own behaviour, and the
// keys a dialog manager handles (Tab, the arrows, Enter, Escape, Alt with a letter), each with
// the focused control. The program decides what each means (page_dialog.cpp).
// - The dialog fits the screen it is seen on: with a mouse it stays where the program put it at
//   its classic size unless the view is too small for it; with a finger it is scaled as a whole
//   to fit, and its rows stretched so that no control is shorter than a fingertip. It is laid out
//   again whenever the view changes.
// - A label reads as its words: its text is one node, but for the underlined letter.
// - Its font is the style sheet's (the page's body), measured here for the program's layout.
// - A status bar under the controls says how much of the pack has arrived (downloads.js), so
//   that a viewer on a slow link knows what "Let's GO!" will wait for; it moves no control.
import { protocol as p } from './protocol.js';
import * as downloads from './downloads.js';
import { boxOpen } from './message_box.js';
import * as panel from './panel.js';
import { centred, inView, touch, visibleArea, watch, windowScale } from './screen_fit.js';
import { kTouchPixels } from './sizes.js';
import { stage } from './stage.js';
import { stretch, unchanged } from './touch_rows.js';

const measureText = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
const kinds = {
  [p.controlDefaultButton]: 'default-button', [p.controlButton]: 'button',
  [p.controlGroup]: 'group', [p.controlRadio]: 'radio', [p.controlCheck]: 'check',
};
const handledKeys = new Set([p.keyTab, p.keyEnter, p.keyEscape, p.keyLeft, p.keyUp, p.keyRight,
  p.keyDown]);

let frame = null, client = null, status = null, controls = [];
let events = [], waiting = null;
let clientSize = null;  // { width, height }: the client as the program laid it out
let placed = null;      // { x, y }: where the program put the frame
let handlers = null;    // the AbortController of the open dialog's page handlers

function fontOf(pixels) { return `${pixels}px ${getComputedStyle(document.body).fontFamily}`; }

function metrics(pixels) {
  const context = document.createElement('canvas').getContext('2d');
  context.font = fontOf(pixels);
  return context.measureText(measureText);
}

export function averageCharWidth(pixels) { return metrics(pixels).width / measureText.length; }

export function lineHeight(pixels) {
  const m = metrics(pixels);
  return Math.ceil(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent);
}

// "&Fullscreen" shows an underlined F; "&&" is a plain ampersand. The words go in as whole
// text nodes, so that a screen reader reads them as words.
function labelInto(element, text) {
  let run = '';
  for (let i = 0; i < text.length; ++i) {
    if (text[i] === '&' && i + 1 < text.length) {
      ++i;
      if (text[i] !== '&') {
        const u = document.createElement('u');
        u.textContent = text[i];
        element.append(run, u);
        run = '';
        continue;
      }
    }
    run += text[i];
  }
  element.append(run);
}

// A caption spaced out letter by letter ("t a m s") is read as the page's name when it spells
// it, else as the letters run together; any other caption as it is.
function spokenCaption(caption) {
  if (!/^(\S )+\S$/.test(caption)) return caption;
  const letters = caption.replace(/ /g, '');
  const name = document.title.trim();
  return name.replace(/ /g, '') === letters ? name : letters;
}

function post(packed) {
  if (waiting) {
    const resolve = waiting;
    waiting = null;
    resolve(packed);
  } else {
    events.push(packed);
  }
}

function focusedIndex() {
  return controls.findIndex((c) => c && c.focusable === document.activeElement);
}

function packed(kind, modifiers, code) {
  return (kind << p.eventKindShift) | ((focusedIndex() + 1) << p.eventFocusShift) |
    (modifiers << p.eventModifiersShift) | code;
}

function modifiersOf(e) {
  return (e.shiftKey ? p.modifierShift : 0) | (e.altKey ? p.modifierAlt : 0) |
    (e.ctrlKey ? p.modifierCtrl : 0) | (e.metaKey ? p.modifierMeta : 0);
}

function onKey(e) {
  if (!frame || boxOpen()) return;
  const letter = e.keyCode >= 65 && e.keyCode <= 90;
  if (!handledKeys.has(e.keyCode) && !(e.altKey && letter)) return;
  e.preventDefault();
  e.stopPropagation();
  post(packed(p.eventKey, modifiersOf(e), e.keyCode));
}

function makeButton(index, kind, text) {
  const button = document.createElement('button');
  button.type = 'button';
  button.className = `classic-button ${kind}`;
  const label = document.createElement('span');
  label.className = 'label';
  labelInto(label, text);
  button.append(label);
  button.addEventListener('click', () => post(packed(p.eventActivated, 0, index)));
  return { element: button, focusable: button };
}

function makeChoice(index, kind, text, group) {
  const wrapper = document.createElement('label');
  wrapper.className = `classic-choice ${kind}`;
  const input = document.createElement('input');
  input.type = kind === 'radio' ? 'radio' : 'checkbox';
  if (kind === 'radio') input.name = `group-${group}`;
  input.tabIndex = -1;
  const label = document.createElement('span');
  label.className = 'label';
  labelInto(label, text);
  wrapper.append(input, label);
  input.addEventListener('click', () => post(packed(p.eventActivated, 0, index)));
  return { element: wrapper, focusable: input, input };
}

function makeGroup(text) {
  const box = document.createElement('fieldset');
  box.className = 'classic-group';
  const legend = document.createElement('legend');
  labelInto(legend, text);
  box.append(legend);
  return { element: box, focusable: null };
}

function showArrived() {
  const { loaded, total } = downloads.progress();
  const failed = downloads.failedFiles();
  const missing = failed === 0 ? '' : `, ${failed} ${failed === 1 ? 'file' : 'files'} missing`;
  status.textContent = loaded === total && failed === 0
    ? `Music and pictures: all ${(total / 1e6).toFixed(1)} MB in`
    : `Music and pictures: ${panel.megabytes(loaded, total)}${missing}`;
}

export function open(caption, width, height, pixels) {
  close();
  frame = document.createElement('div');
  frame.className = 'classic-window classic-dialog tool-window';
  frame.setAttribute('role', 'dialog');
  frame.setAttribute('aria-modal', 'true');
  frame.setAttribute('aria-label', spokenCaption(caption));
  frame.hidden = true;
  const title = document.createElement('div');
  title.className = 'caption';
  title.setAttribute('aria-hidden', 'true');  // the dialog's name says it, in words
  title.textContent = caption;
  client = document.createElement('div');
  client.className = 'client';
  client.style.width = `${width}px`;
  client.style.font = fontOf(pixels);
  clientSize = { width, height };
  placed = null;
  status = document.createElement('div');
  status.className = 'status-bar';
  frame.append(title, client, status);
  stage.append(frame);
  handlers = new AbortController();
  document.addEventListener('keydown', onKey, { capture: true, signal: handlers.signal });
  showArrived();
  downloads.watch((settledOne) => {
    showArrived();
    // The program's idle work (the first scene's pictures decoded ahead) has a file to go on with.
    if (settledOne) wakeIdleWork();
  }, handlers.signal);
}

export function add(index, id, kindCode, text, group, x, y, width, height, disabled) {
  const kind = kinds[kindCode];
  let control;
  if (kind === 'group') control = makeGroup(text);
  else if (kind === 'radio' || kind === 'check') control = makeChoice(index, kind, text, group);
  else control = makeButton(index, kind, text);
  const e = control.element;
  e.dataset.index = index;
  e.dataset.id = id;
  e.style.left = `${x}px`;
  e.style.width = `${width}px`;
  control.kind = kind;
  control.span = [y, y + height];
  if (disabled) {
    e.classList.add('disabled');
    if (control.input) control.input.disabled = true;
    if (kind.endsWith('button')) e.disabled = true;
  }
  controls[index] = control;
  client.append(e);
}

// The client's y axis for a window drawn at `scale`: a finger's rows at least a fingertip tall.
function rowsAt(scale) {
  if (!touch()) return unchanged(clientSize.height);
  const spans = controls.filter((c) => c && c.kind !== 'group').map((c) => c.span);
  return stretch(spans, clientSize.height, kTouchPixels / scale);
}

function layout() {
  if (!frame || frame.hidden) return;
  const area = visibleArea();
  // The caption and the bevel, which the client's stretch leaves as they are.
  const chromeWidth = frame.offsetWidth - client.offsetWidth;
  const chromeHeight = frame.offsetHeight - client.offsetHeight;
  const scale = windowScale(area, touch(), clientSize.width + chromeWidth,
    (s) => chromeHeight + rowsAt(s).height);
  const rows = rowsAt(scale);
  for (const c of controls) {
    if (!c) continue;
    // Whole pixels out from the control, so that the layout's rounding never takes a control
    // under a fingertip.
    const top = Math.floor(rows.at(c.span[0]));
    c.element.style.top = `${top}px`;
    c.element.style.height = `${Math.ceil(rows.at(c.span[1])) - top}px`;
  }
  client.style.height = `${rows.height}px`;
  frame.style.transformOrigin = '0 0';
  frame.style.transform = scale === 1 ? '' : `scale(${scale})`;
  const width = (clientSize.width + chromeWidth) * scale;
  const height = (rows.height + chromeHeight) * scale;
  const keep = scale === 1 && !touch() && placed && inView(area, placed.x, placed.y, width, height);
  const at = keep ? placed : centred(area, width, height);
  frame.style.left = `${at.x}px`;
  frame.style.top = `${at.y}px`;
}

export function place(x, y) {
  placed = { x, y };
  frame.style.left = `${x}px`;
  frame.style.top = `${y}px`;
  layout();
}

export function show() {
  frame.hidden = false;
  layout();
  watch(layout, handlers.signal);
  panel.hide();
  downloads.startDownloads();
}

export function setChecked(index, checked) {
  const c = controls[index];
  if (c && c.input) c.input.checked = checked;
}

export function checked(index) {
  const c = controls[index];
  return !!(c && c.input && c.input.checked);
}

export function focus(index) {
  const c = controls[index];
  if (c && c.focusable) c.focusable.focus();
}

function wakeIdleWork() {
  if (!waiting) return;
  const resolve = waiting;
  waiting = null;
  resolve(0);
}

// A turn of the browser without the 4 ms that nested timeouts wait.
const turns = new MessageChannel();
const turnWaiters = [];
turns.port1.onmessage = () => turnWaiters.shift()();

// The viewer's next event; with `busy` (the program has work meanwhile), 0 at the browser's
// next turn when the viewer did nothing by then.
export function nextEvent(busy) {
  if (events.length > 0) return Promise.resolve(events.shift());
  return new Promise((resolve) => {
    waiting = resolve;
    if (!busy) return;
    turnWaiters.push(() => {
      if (waiting !== resolve) return;
      waiting = null;
      resolve(0);
    });
    turns.port2.postMessage(0);
  });
}

export function close() {
  if (handlers) handlers.abort();
  handlers = null;
  if (frame) frame.remove();
  frame = null;
  client = null;
  status = null;
  controls = [];
  events = [];
  waiting = null;
}
