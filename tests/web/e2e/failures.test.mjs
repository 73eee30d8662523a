// What the page shows when the asset pack is broken, box for box and in the desktop's order: a
// missing soundtrack before the dialog; a forest tile cut short or missing when the forest
// starts, after the ocean and the pyramid have played. A file the pack lists but the host does not
// have gives the same box at the same moment as one the pack lacks.
//
//   TAMSIREL_SITE=build-web/site TAMSIREL_ASSETS=build/assets node --test failures.test.mjs
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

import {
  answerBox, canvasFacts, changedAssetPack, cutToHalf, kLeftAtTheEnd, leftAtTheEnd, openDemo,
  pageProblems, remove, waitForBox, waitForExit,
} from './demo_page.mjs';

const site = process.env.TAMSIREL_SITE;

// Runs `body(page)` on the demo's page served with the asset pack changed by `change`, then
// closes the browser and removes the pack, whatever the body did.
async function withChangedPack(change, options, body) {
  const pack = changedAssetPack(process.env.TAMSIREL_ASSETS, change, options);
  const { page, close } = await openDemo(site, { ...options, pack: pack.dir, census: true });
  try {
    await body(page);
  } finally {
    await close();
    pack.remove();
  }
}

// The browser's own report of the file the host lacks is expected there, nothing else.
const problemsBeside404 = (page) =>
  pageProblems(page).filter((p) => !/status of 404 \(Not Found\)/.test(p.text));

// The program ends through the fatal path with status 1: a failure is not reported as success.
const kFatalStatus = 1;
const kDecoderMessages = /^(Unknown DIB file format\.|Image file conversion error\.|Out of memory\.)$/;

// A soundtrack the sound layer cannot open ends the program before any dialog, with the sound
// library's error text in the fatal box.
const kSoundtrackCases = [
  { what: 'a missing', change: (files) => remove(files, 'tamsirel.mp3'), text: 'File not found' },
  {
    what: 'an undecodable',
    change: (files) => writeFileSync(join(files, 'tamsirel.mp3'), 'not a sound\n'),
    text: 'Unknown file format',
  },
];
for (const { what, change, text } of kSoundtrackCases) {
  test(`${what} soundtrack: "${text}" before any dialog, then the end`, async () => {
    await withChangedPack(change, {}, async (page) => {
      assert.deepEqual(await waitForBox(page),
        { caption: 'ERROR!', text, icon: 'stop', buttons: ['OK'] });
      assert.equal(await page.$('.classic-dialog'), null, 'no dialog before the box');
      await answerBox(page, 'OK');
      assert.equal(await waitForExit(page), kFatalStatus);
      assert.deepEqual(pageProblems(page), []);
    });
  });
}

// A soundtrack the pack lists but the host lacks is known only once its download is answered,
// after the dialog: the demo cannot start its music, as where the sound output refuses to play.
test('the host lacking the soundtrack: the dialog, then "sound init error" at the demo\'s start',
  async () => {
    await withChangedPack(() => {}, { hostLacks: ['tamsirel.mp3'] }, async (page) => {
      await page.waitForSelector('.classic-dialog:not([hidden])', { timeout: 60000 });
      await page.keyboard.press('Enter');
      assert.deepEqual(await waitForBox(page),
        { caption: 'ERROR!', text: 'sound init error', icon: 'stop', buttons: ['OK'] });
      await answerBox(page, 'OK');
      assert.equal(await waitForExit(page), kFatalStatus);
      assert.deepEqual(await leftAtTheEnd(page), kLeftAtTheEnd);
      assert.deepEqual(problemsBeside404(page), []);
    });
  });

// A forest tile the loader cannot take: the boxes come when the forest starts, after the ocean
// and the pyramid have played (at eight times speed here: 100 s of the demo in 12.5 s), over the
// demo's window, the decoder's own first where it has something to say.
const kTextureFailure =
  { caption: 'ERROR!', text: "can't load some texture", icon: 'stop', buttons: ['OK'] };
const kForestCases = [
  {
    what: 'cut short',
    change: (files) => cutToHalf(files, 'foret23.bmp'),
    boxes: [{ caption: 'Error', text: kDecoderMessages, icon: 'none', buttons: ['OK'] },
      kTextureFailure],
  },
  { what: 'missing', change: (files) => remove(files, 'foret23.bmp'), boxes: [kTextureFailure] },
  {
    what: 'the host lacks', change: () => {}, hostLacks: ['foret23.bmp'],
    boxes: [kTextureFailure],
  },
];
for (const { what, change, hostLacks, boxes } of kForestCases) {
  test(`a forest tile ${what}: ${boxes.map((b) => `"${b.caption}"`).join(', then ')}`, async () => {
    await withChangedPack(change, { speed: 8, hostLacks }, async (page) => {
      await page.waitForSelector('.classic-dialog:not([hidden])', { timeout: 60000 });
      await page.keyboard.press('Enter');
      await page.waitForSelector('#demo-canvas:not([hidden])');
      const started = Date.now();
      for (const expected of boxes) {
        const shown = await waitForBox(page, 60000);
        assert.ok(Date.now() - started > 8000, 'the box waits for the forest\'s start');
        assert.notEqual(await canvasFacts(page), null, 'over the demo\'s window');
        const { text, ...look } = shown;
        const { text: wanted, ...wantedLook } = expected;
        assert.deepEqual(look, wantedLook);
        if (wanted instanceof RegExp) assert.match(text, wanted);
        else assert.equal(text, wanted);
        await answerBox(page, 'OK');
      }
      assert.equal(await waitForExit(page), kFatalStatus);
      assert.deepEqual(await leftAtTheEnd(page), kLeftAtTheEnd);
      assert.deepEqual(problemsBeside404(page), []);
    });
  });
}
