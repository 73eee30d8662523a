// The demo played in the page: windowed and fullscreen, with its music, through all four scenes,
// and the ways it ends.
//
//   TAMSIREL_SITE=build-web/site TAMSIREL_CAPTURE=build/tools/capture/tamsirel-capture \
//   TAMSIREL_ASSETS=build/assets node --test play.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

import {
  answerBox, canvasFacts, glErrors, openDemo, pageProblems, pressAltF, waitForBox, waitForDialog,
  waitForExit,
} from './demo_page.mjs';

const site = process.env.TAMSIREL_SITE;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function rgb(file) {
  return execFileSync('convert', [file, '-depth', '8', 'rgb:-'], { maxBuffer: 1 << 28 });
}

// Pixels more than 64 levels apart in a channel: the browser's and Mesa's rasterisers stay under
// that everywhere but on a few edges (see ../frames/compare_frames.mjs).
function largeDifferences(a, b) {
  let count = 0;
  for (let i = 0; i < a.length; i += 3) {
    const worst = Math.max(Math.abs(a[i] - b[i]), Math.abs(a[i + 1] - b[i + 1]),
      Math.abs(a[i + 2] - b[i + 2]));
    if (worst > 64) ++count;
  }
  return count;
}

test('Alt+F then Enter: a canvas of exactly 800x600 in the middle of the page; Escape ends it',
  async () => {
    const { page, close } = await openDemo(site, { width: 1024, height: 768 });
    try {
      await waitForDialog(page);
      await pressAltF(page);
      await page.keyboard.press('Enter');
      await page.waitForSelector('#demo-canvas:not([hidden])');
      assert.deepEqual(await canvasFacts(page), {
        width: 800, height: 600, cssWidth: 800, cssHeight: 600, left: 112, top: 84,
        fullscreen: false,
      });
      await sleep(1000);
      await page.keyboard.press('Escape');
      assert.equal(await waitForExit(page), 0);
      assert.equal(await canvasFacts(page), null);
      assert.deepEqual(pageProblems(page), []);
    } finally {
      await close();
    }
  });

test('Enter plays fullscreen: the phrases at 20 s with the music in step; leaving fullscreen ends',
  async () => {
    const work = mkdtempSync(join(tmpdir(), 'tamsirel-play-'));
    const { page, close } = await openDemo(site);
    try {
      // The page's frame at 20 s is drawn at whatever moment the display's frame fell on: the
      // Linux frames around it, one every 100 ms, stand for it.
      const around = Array.from({ length: 13 }, (_, i) => 19600 + 100 * i);
      execFileSync(process.env.TAMSIREL_CAPTURE, ['--assets', process.env.TAMSIREL_ASSETS,
        '--size', '800x600', ...around.flatMap((ms) => ['--shot',
          `ocean:${ms}:${join(work, `linux-${ms}.png`)}`])],
      { stdio: ['ignore', 'ignore', 'inherit'] });
      await waitForDialog(page);
      await page.keyboard.press('Enter');
      await page.waitForSelector('#demo-canvas:not([hidden])');
      const facts = await canvasFacts(page);
      assert.equal(facts.fullscreen, true);
      assert.deepEqual([facts.width, facts.height], [800, 600]);

      // The music starts with the first scene and runs with the clock. Headless Chromium plays
      // into a stand-in output whose clock loses time when the machine is busy (about 2 % with
      // SwiftShader on both cores, 6 % with a build beside it; a sound card's clock keeps
      // time), so later on the lag may grow by up to 5 %: a stalled or stopped soundtrack falls
      // behind by seconds.
      const music = () => page.evaluate(() => ({
        state: tamsirelPage.music.state(), position: tamsirelPage.music.position(),
        lag: tamsirelPage.music.lag(),
      }));
      await page.waitForFunction(() => tamsirelPage.music.position() >= 1, { timeout: 60000 });
      const early = await music();
      assert.equal(early.state, 'running');
      assert.ok(Math.abs(early.lag) < 0.15, `the music started ${early.lag} s after the clock`);
      await page.waitForFunction(() => tamsirelPage.music.position() >= 20, { timeout: 60000 });
      writeFileSync(join(work, 'page.png'), await page.screenshot());
      const later = await music();
      assert.ok(Math.abs(later.lag) < 0.1 + 0.05 * later.position,
        `the music is ${later.lag} s behind the clock at ${later.position} s`);
      const shown = rgb(join(work, 'page.png'));
      const large = Math.min(...around.map((ms) =>
        largeDifferences(rgb(join(work, `linux-${ms}.png`)), shown)));
      assert.ok(large < 240, `${large} pixels differ from the Linux frames at 20 s by more than 64`);

      await page.evaluate(() => document.exitFullscreen());
      assert.equal(await waitForExit(page), 0);
      assert.deepEqual(pageProblems(page), []);
    } finally {
      await close();
      if (!process.env.KEEP) rmSync(work, { recursive: true, force: true });
    }
  });

test('fullscreen refused: the display question; Yes plays in a window of the chosen size',
  async () => {
    const { page, close } = await openDemo(site, { refuseFullscreen: true, width: 1024, height: 768 });
    try {
      await waitForDialog(page);
      await page.keyboard.press('Enter');
      assert.deepEqual(await waitForBox(page), {
        caption: 'Quor GL',
        text: 'The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed ' +
          'Mode Instead?',
        icon: 'exclamation',
        buttons: ['Yes', 'No'],
      });
      await answerBox(page, 'Yes');
      await page.waitForSelector('#demo-canvas:not([hidden])');
      const facts = await canvasFacts(page);
      assert.deepEqual([facts.cssWidth, facts.cssHeight, facts.fullscreen], [800, 600, false]);
      await page.keyboard.press('Escape');
      assert.equal(await waitForExit(page), 0);
    } finally {
      await close();
    }
  });

test('all four scenes play with no GL error and nothing thrown, and Escape ends with 0',
  async () => {
    const { page, close } = await openDemo(site, { speed: 8 });
    try {
      await waitForDialog(page);
      await pressAltF(page);
      await page.keyboard.press('Enter');
      await page.waitForSelector('#demo-canvas:not([hidden])');
      // 20 s at eight times: 160 s of the demo, 40 of them in the final scene.
      await sleep(20000);
      assert.deepEqual(await glErrors(page), []);
      await page.keyboard.press('Escape');
      assert.equal(await waitForExit(page), 0);
      assert.deepEqual(pageProblems(page), []);
    } finally {
      await close();
    }
  });
