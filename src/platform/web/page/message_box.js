// Message boxes as modal boxes over everything in the stage (the fullscreen demo too): the
// caption, the classic icon, the text with its line breaks, and OK or Yes/No. Enter presses the
// focused button (OK or Yes at first), Tab moves between the buttons, Y and N answer a question,
// Escape answers No, or OK in a box that has only OK. Each box resolves with the answer: 1 for OK,
// 6 for Yes, 7 for No. The other parts of the page ask boxOpen() before they take a key or a tap.
// - A screen reader meets a modal alert named by its caption, the icon by what it means, and the
//   text as one run of words. On a narrow screen the box wraps its text to fit; under a finger
//   its buttons are a fingertip tall (tamsirel.css).
import { protocol as p } from './protocol.js';
import { stage } from './stage.js';

const icons = {
  [p.iconInformation]: 'information', [p.iconExclamation]: 'exclamation', [p.iconStop]: 'stop',
};
const iconMeanings = { information: 'Information', exclamation: 'Warning', stop: 'Error' };

const open = new Set();  // the boxes shown, each { layer, keys }: its element and its handlers
let boxesShown = 0;

export const boxOpen = () => open.size > 0;

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

function makeButton(text, mnemonic) {
  const button = element('button', 'classic-button');
  button.type = 'button';
  const label = element('span', 'label');
  if (mnemonic) label.append(element('u', null, text[0]), text.slice(1));
  else label.textContent = text;
  button.append(label);
  return button;
}

function makeBox(text, caption, icon, question) {
  const box = element('div', 'classic-window message-box');
  box.setAttribute('role', 'alertdialog');
  box.setAttribute('aria-modal', 'true');
  box.setAttribute('aria-label', caption);
  const title = element('div', 'caption', caption);
  title.setAttribute('aria-hidden', 'true');  // the box's name says it
  const body = element('div', 'box-body');
  if (icons[icon]) {
    const picture = element('div', `box-icon ${icons[icon]}`);
    picture.setAttribute('role', 'img');
    // A question is a question whatever picture the program gave it.
    picture.setAttribute('aria-label', question ? 'Question' : iconMeanings[icons[icon]]);
    body.append(picture);
  }
  const message = element('div', 'box-text', text);
  message.id = `box-text-${++boxesShown}`;
  box.setAttribute('aria-describedby', message.id);
  body.append(message);
  const row = element('div', 'box-buttons');
  const client = element('div', 'client');
  client.append(body, row);
  box.append(title, client);
  return { box, row };
}

export function messageBox(text, caption, buttonsCode, icon) {
  return new Promise((resolve) => {
    const question = buttonsCode === p.buttonsYesNo;
    const { box, row } = makeBox(text, caption, icon, question);
    const choices = question
      ? [[makeButton('Yes', true), p.answerYes], [makeButton('No', true), p.answerNo]]
      : [[makeButton('OK', false), p.answerOk]];
    for (const [button] of choices) row.append(button);
    const layer = element('div', 'box-layer');
    layer.append(box);
    stage.append(layer);
    const shown = { layer, keys: new AbortController() };
    open.add(shown);

    const previousFocus = document.activeElement;
    function answer(value) {
      close(shown);
      if (previousFocus && previousFocus.isConnected) previousFocus.focus();
      resolve(value);
    }
    function onKey(e) {
      const focused = choices.findIndex(([b]) => b === document.activeElement);
      let handled = true;
      if (e.key === 'Enter') answer(choices[Math.max(focused, 0)][1]);
      else if (e.key === 'Escape') answer(question ? p.answerNo : p.answerOk);
      else if (question && (e.key === 'y' || e.key === 'Y')) answer(p.answerYes);
      else if (question && (e.key === 'n' || e.key === 'N')) answer(p.answerNo);
      else if (e.key === 'Tab' || e.key.startsWith('Arrow')) {
        const step = e.shiftKey || e.key === 'ArrowLeft' || e.key === 'ArrowUp' ? -1 : 1;
        choices[(Math.max(focused, 0) + step + choices.length) % choices.length][0].focus();
      } else if (e.key !== ' ') handled = false;
      if (handled && e.key !== ' ') e.preventDefault();
      if (handled) e.stopImmediatePropagation();
    }
    for (const [button, value] of choices) button.addEventListener('click', () => answer(value));
    document.addEventListener('keydown', onKey, { capture: true, signal: shown.keys.signal });
    choices[0][0].focus();
  });
}

function close(shown) {
  shown.keys.abort();
  shown.layer.remove();
  open.delete(shown);
}

// At the end: a box the program no longer waits for goes with it.
export function closeBoxes() {
  for (const shown of [...open]) close(shown);
}
