// Message boxes as modal boxes over everything in the stage (the fullscreen demo too): the
// caption, the classic icon, the text with its line breaks, and OK or Yes/No. Enter presses the
// focused button (OK or Yes at first), Tab moves between the buttons, Y and N answer a question,
// Escape answers No, or OK in a box that has only OK. Each box resolves with the answer: 1 for
// OK, 6 for Yes, 7 for No.
// - A screen reader meets a modal alert named by its caption, the icon by what it means, and the
//   text as one run of words. On a narrow screen the box wraps its text to fit; under a finger
//   its buttons are a fingertip tall (tamsirel.css).
'use strict';

tamsirelPage.messageBox = (() => {
  const p = tamsirelPage.protocol;
  const answerOk = p.answerOk, answerYes = p.answerYes, answerNo = p.answerNo;
  const icons = {
    [p.iconInformation]: 'information', [p.iconExclamation]: 'exclamation', [p.iconStop]: 'stop',
  };
  const iconMeanings = { information: 'Information', exclamation: 'Warning', stop: 'Error' };

  function makeButton(text, mnemonic) {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'classic-button';
    const label = document.createElement('span');
    label.className = 'label';
    if (mnemonic) {
      const u = document.createElement('u');
      u.textContent = text[0];
      label.append(u, text.slice(1));
    } else {
      label.textContent = text;
    }
    button.append(label);
    return button;
  }

  let boxesShown = 0;

  return (text, caption, buttonsCode, icon) => new Promise((resolve) => {
    const question = buttonsCode === p.buttonsYesNo;
    const layer = document.createElement('div');
    layer.className = 'box-layer';
    const box = document.createElement('div');
    box.className = 'classic-window message-box';
    box.setAttribute('role', 'alertdialog');
    box.setAttribute('aria-modal', 'true');
    box.setAttribute('aria-label', caption);
    const title = document.createElement('div');
    title.className = 'caption';
    title.setAttribute('aria-hidden', 'true');  // the box's name says it
    title.textContent = caption;
    const client = document.createElement('div');
    client.className = 'client';
    const body = document.createElement('div');
    body.className = 'box-body';
    if (icons[icon]) {
      const picture = document.createElement('div');
      picture.className = `box-icon ${icons[icon]}`;
      picture.setAttribute('role', 'img');
      // A question is a question whatever picture the program gave it.
      picture.setAttribute('aria-label', question ? 'Question' : iconMeanings[icons[icon]]);
      body.append(picture);
    }
    const message = document.createElement('div');
    message.className = 'box-text';
    message.id = `box-text-${++boxesShown}`;
    message.textContent = text;
    box.setAttribute('aria-describedby', message.id);
    body.append(message);
    const row = document.createElement('div');
    row.className = 'box-buttons';
    const buttons = question
      ? [[makeButton('Yes', true), answerYes], [makeButton('No', true), answerNo]]
      : [[makeButton('OK', false), answerOk]];
    for (const [button] of buttons) row.append(button);
    client.append(body, row);
    box.append(title, client);
    layer.append(box);
    tamsirelPage.stage.append(layer);

    const previousFocus = document.activeElement;
    function answer(value) {
      document.removeEventListener('keydown', onKey, true);
      layer.remove();
      if (previousFocus && previousFocus.isConnected) previousFocus.focus();
      resolve(value);
    }
    function onKey(e) {
      if (!layer.isConnected) return;
      const focused = buttons.findIndex(([b]) => b === document.activeElement);
      let handled = true;
      if (e.key === 'Enter') answer(buttons[Math.max(focused, 0)][1]);
      else if (e.key === 'Escape') answer(question ? answerNo : answerOk);
      else if (question && (e.key === 'y' || e.key === 'Y')) answer(answerYes);
      else if (question && (e.key === 'n' || e.key === 'N')) answer(answerNo);
      else if (e.key === 'Tab' || e.key.startsWith('Arrow')) {
        const step = e.shiftKey || e.key === 'ArrowLeft' || e.key === 'ArrowUp' ? -1 : 1;
        buttons[(Math.max(focused, 0) + step + buttons.length) % buttons.length][0].focus();
      } else if (e.key !== ' ') handled = false;
      if (handled && e.key !== ' ') e.preventDefault();
      if (handled) e.stopImmediatePropagation();
    }
    for (const [button, value] of buttons) button.addEventListener('click', () => answer(value));
    document.addEventListener('keydown', onKey, true);
    buttons[0][0].focus();
  });
})();
