// The page on a phone's network, in Chromium with its network emulation: the dialog before the
// asset pack is in, its status bar counting; "Let's GO!" pressed before the first scene's files
// are in, and the demo starting by itself once they are, its music from its start with the
// picture; a second visit with the host gone, played from the site the page kept. (A file the
// host lacks is among failures.test.mjs's cases.)
//
//   TAMSIREL_SITE=build-web/site node --test phone_network.test.mjs
import assert from 'node:assert/strict';
import { test } from 'node:test';

import {
  assertMusicInStep, escapeEndsCleanly, musicAgainstPicture, openDemo, pageProblems, pressAltF,
  waitForDialog,
} from './demo_page.mjs';

const site = process.env.TAMSIREL_SITE;

// The link, in bytes a second down and up and milliseconds a round trip.
const link = (down, latency) => async (page) => {
  const devtools = await page.target().createCDPSession();
  await devtools.send('Network.enable');
  await devtools.send('Network.emulateNetworkConditions',
    { offline: false, latency, downloadThroughput: down, uploadThroughput: down / 2 });
};
const kPhone = link(1250000, 40);  // 10 Mbit/s
const kSlowPhone = link(500000, 40);  // 4 Mbit/s: the first scene takes seconds to come

const statusBar = (page) => page.$eval('.classic-dialog .status-bar', (s) => s.textContent);

test('on a phone\'s link the dialog shows before the pack is in, and its status bar counts it ' +
  'in; the site can be added to a home screen', async () => {
  const { page, close } = await openDemo(site, { prepare: kPhone });
  try {
    await waitForDialog(page);
    assert.match(await statusBar(page), /^Music and pictures: \d+\.\d of \d+\.\d MB$/);
    await page.waitForFunction(() => /all .* in$/.test(
      document.querySelector('.classic-dialog .status-bar').textContent), { timeout: 60000 });

    const devtools = await page.target().createCDPSession();
    const { errors, data } = await devtools.send('Page.getAppManifest');
    assert.deepEqual(errors, []);
    const manifest = JSON.parse(data);
    assert.deepEqual(manifest.icons.map((i) => i.sizes), ['192x192', '512x512']);
    assert.deepEqual([manifest.display, manifest.orientation, manifest.background_color],
      ['fullscreen', 'landscape', '#000000']);
    assert.deepEqual(pageProblems(page), []);
  } finally {
    await close();
  }
});

test('Enter before the first scene\'s files are in: the page says what it waits for, then the ' +
  'demo starts by itself, its music from the start with the picture', async () => {
  const { page, close } = await openDemo(site, { prepare: kSlowPhone, width: 1024, height: 768 });
  try {
    await waitForDialog(page);
    await pressAltF(page);
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => {
      const panel = document.getElementById('panel');
      return !panel.hidden && /Loading the music/.test(panel.textContent);
    }, { timeout: 20000 });
    assert.match(await page.$eval('#panel-detail', (d) => d.textContent), /^\d+\.\d of \d+\.\d MB$/);
    await page.waitForFunction(() => tamsirelPage.sync().demo >= 5, { timeout: 120000 });
    assert.equal(await page.$eval('#panel', (p) => p.hidden), true, 'the panel went');
    // The demo's time runs from the ocean's start: music placed anywhere but at its own start
    // is that far off the picture.
    const together = await musicAgainstPicture(page);
    assertMusicInStep(together);
    await escapeEndsCleanly(page);
  } finally {
    await close();
  }
});

test('a second visit with the host gone: the dialog from the kept site, and the demo plays ' +
  'with its music', async () => {
  // A host that has the browser ask again for every file at every visit, as a fresh day's visit
  // does: without the kept site, nothing would load.
  const { page, close, browser, server } = await openDemo(site, { cacheControl: 'no-cache' });
  try {
    await waitForDialog(page);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null &&
      /all .* in$/.test(document.querySelector('.classic-dialog .status-bar').textContent),
    { timeout: 60000 });
    await page.close();
    await server.close();

    const again = await browser.newPage();
    await again.goto(server.url);
    await waitForDialog(again);
    await again.keyboard.press('Enter');
    await again.waitForFunction(() => tamsirelPage.sync().demo >= 3, { timeout: 60000 });
    assert.notEqual((await again.evaluate(() => tamsirelPage.sync())).music, null);
    await escapeEndsCleanly(again);
  } finally {
    await close();
  }
});
