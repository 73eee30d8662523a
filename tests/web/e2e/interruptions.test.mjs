// What browsers take away while the demo plays, and how it comes back: the WebGL context lost
// (a GPU reset, a phone putting the tab away) and restored, or never given back; the audio
// context suspended (another app taking the audio, a call) and resumed.
//
//   TAMSIREL_SITE=build-web/site TAMSIREL_CAPTURE=build/tools/capture/tamsirel-capture \
//   TAMSIREL_ASSETS=build/assets node --test interruptions.test.mjs
import assert from 'node:assert/strict';
import { test } from 'node:test';

import {
  assertMusicInStep, escapeEndsCleanly, kLeftAtTheEnd, leftAtTheEnd, linuxOceanAround,
  musicAgainstPicture, openDemo, waitForBox, waitForDialog, waitForExit,
} from './demo_page.mjs';

const site = process.env.TAMSIREL_SITE;

// The demo's time in seconds since the music started, in the last frame shown.
function demoReaches(page, seconds) {
  return page.waitForFunction((s) => tamsirelPage.sync().demo >= s, { timeout: 60000 }, seconds);
}

// The canvas's WebGL context, lost or given back as a GPU reset would. A lost context hands out
// no extensions, so the one that lost it is kept to give it back.
function glContext(page, what) {
  return page.evaluate((call) => {
    if (!window.contextLoser) {
      const canvas = document.getElementById('demo-canvas');
      window.contextLoser = canvas.getContext('webgl2').getExtension('WEBGL_lose_context');
    }
    window.contextLoser[call]();
  }, what);
}

async function playFromEnter(page) {
  await waitForDialog(page);
  await page.keyboard.press('Enter');
  await page.waitForSelector('#demo-canvas:not([hidden])');
}

test('the WebGL context lost at 8 s and given back at 10 s: the ocean is there at 20 s',
  async () => {
    const linux = linuxOceanAround(20000);
    const { page, close } = await openDemo(site);
    try {
      await playFromEnter(page);
      await demoReaches(page, 8);
      await glContext(page, 'loseContext');
      await demoReaches(page, 10);
      await glContext(page, 'restoreContext');
      await demoReaches(page, 20);
      const large = await linux.largeDifferences(page);
      assert.ok(large < 240, `${large} pixels differ from the Linux frames at 20 s by more than 64`);
      await escapeEndsCleanly(page);
    } finally {
      await close();
      linux.remove();
    }
  });

test('a WebGL context never given back: a box says so; the end with 1, silent', async () => {
  const { page, close } = await openDemo(site, { census: true });
  try {
    await playFromEnter(page);
    await demoReaches(page, 2);
    await glContext(page, 'loseContext');
    const box = await waitForBox(page);
    assert.equal(box.caption, 'ERROR');
    assert.match(box.text, /lost the demo's picture/);
    await page.click('.box-layer .box-buttons button');
    assert.equal(await waitForExit(page), 1);
    assert.deepEqual(await leftAtTheEnd(page), kLeftAtTheEnd);
  } finally {
    await close();
  }
});

test('the audio suspended for 3 s and resumed: the music is back with the picture 2 s later',
  async () => {
    const { page, close } = await openDemo(site, { keepAudioContext: true });
    try {
      await playFromEnter(page);
      await demoReaches(page, 5);
      await page.evaluate(() => window.audioContextOfPage.suspend());
      await new Promise((resolve) => setTimeout(resolve, 3000));
      await page.evaluate(() => window.audioContextOfPage.resume());
      await new Promise((resolve) => setTimeout(resolve, 2000));
      const together = await musicAgainstPicture(page);
      assert.equal(together.state, 'running');
      assertMusicInStep(together);
      await escapeEndsCleanly(page);
    } finally {
      await close();
    }
  });
