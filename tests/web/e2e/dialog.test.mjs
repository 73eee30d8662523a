// The setup dialog in the page: its ten controls as the template has them, the keyboard and the
// mouse as on the desktop, and the two ways out that play nothing.
//
//   TAMSIREL_SITE=build-web/site node --test dialog.test.mjs
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import {
  canvasFacts, dialogControls, openDemo, pageProblems, pressAltF, waitForDialog, waitForExit,
} from './demo_page.mjs';

const site = process.env.TAMSIREL_SITE;

let demo;
before(async () => {
  demo = await openDemo(site);
  await waitForDialog(demo.page);
});
after(async () => demo?.close());

async function reopen() {
  await demo.close();
  demo = await openDemo(site);
  await waitForDialog(demo.page);
}

const focusedId = (page) => page.evaluate(() => {
  const control = document.activeElement.closest('[data-id]');
  return control ? Number(control.dataset.id) : null;
});

test('the dialog shows the template: caption, ten controls in order, ticks and the greyed one',
  async () => {
    const { page } = demo;
    assert.equal(await page.$eval('.classic-dialog .caption', (c) => c.textContent),
      't a m s i r e l b y k e x');
    assert.deepEqual(await dialogControls(page), [
      { kind: 'classic-button default-button', id: 1, text: "Let's GO!", ticked: null, greyed: false },
      { kind: 'classic-button button', id: 2, text: 'Huh?', ticked: null, greyed: false },
      { kind: 'classic-group', id: -1, text: 'Colors', ticked: null, greyed: false },
      { kind: 'classic-choice radio', id: 1004, text: '16 bpp', ticked: true, greyed: false },
      { kind: 'classic-choice radio', id: 1005, text: '32 bpp (wait for final)', ticked: false,
        greyed: true },
      { kind: 'classic-group', id: -1, text: 'Resolution', ticked: null, greyed: false },
      { kind: 'classic-choice radio', id: 1006, text: '640x480', ticked: false, greyed: false },
      { kind: 'classic-choice radio', id: 1007, text: '800x600', ticked: true, greyed: false },
      { kind: 'classic-choice radio', id: 1008, text: '1024x768', ticked: false, greyed: false },
      { kind: 'classic-choice check', id: 1009, text: '&Fullscreen (alt+enter toggles)',
        ticked: true, greyed: false },
    ]);
    assert.deepEqual(pageProblems(page), []);
  });

test('Tab goes round the tab stops, the arrows choose within a group, Alt+F flips the box',
  async () => {
    const { page } = demo;
    const order = [];
    for (let i = 0; i < 4; ++i) {
      await page.keyboard.press('Tab');
      order.push(await focusedId(page));
    }
    assert.deepEqual(order, [1, 2, 1009, 1], 'the buttons and the check box, in template order');

    await page.click('[data-id="1007"] input');
    await page.keyboard.press('ArrowDown');
    assert.equal(await focusedId(page), 1008);
    await page.keyboard.press('ArrowDown');
    assert.equal(await focusedId(page), 1009, 'the check box is in the resolutions\' group');
    await page.keyboard.press('ArrowDown');
    assert.equal(await focusedId(page), 1006, 'the group wraps round');
    const ticked = await page.$$eval('input:checked', (l) => l.map((i) => +i.closest('[data-id]').dataset.id));
    assert.deepEqual(ticked, [1004, 1006, 1009], 'the arrows tick the radio button they reach');

    await pressAltF(page);
    assert.equal(await page.$eval('[data-id="1009"] input', (i) => i.checked), false);
  });

test('"Huh?" pressed and dragged off does nothing; pressed and released on it, it ends with 0',
  async () => {
    const { page } = demo;
    const box = await (await page.$('[data-id="2"]')).boundingBox();
    const middle = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    await page.mouse.move(middle.x, middle.y);
    await page.mouse.down();
    await page.mouse.move(middle.x, box.y - 40);
    await page.mouse.up();
    await new Promise((resolve) => setTimeout(resolve, 500));
    assert.equal(await page.evaluate(() => window.tamsirelExitStatus ?? null), null, 'still running');
    assert.notEqual(await page.$('.classic-dialog:not([hidden])'), null, 'the dialog stays');

    await page.mouse.move(middle.x, middle.y);
    await page.mouse.down();
    await page.mouse.up();
    assert.equal(await waitForExit(page), 0);
    assert.equal(await canvasFacts(page), null);
    assert.match(await page.$eval('#panel-text', (p) => p.textContent), /ended/);
    assert.deepEqual(pageProblems(page), []);
  });

test('Escape cancels the dialog as "Huh?" does', async () => {
  await reopen();
  const { page } = demo;
  await page.keyboard.press('Escape');
  assert.equal(await waitForExit(page), 0);
  assert.equal(await canvasFacts(page), null);
});
