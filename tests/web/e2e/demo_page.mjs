// The demo's page as the end-to-end tests drive it, in the engine $TAMSIREL_ENGINE names (see
// ../lib/browser.mjs): served as any static host would, optionally with another asset pack in
// front of the site's and with the page's clock sped up (the tests that must reach the forest or
// the final scene would otherwise wait two minutes). What the page shows is read back from its
// elements: the dialog's controls, the boxes, the canvas, the exit status.
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import {
  copyFileSync, mkdtempSync, readdirSync, readFileSync, rmSync, truncateSync, statSync,
  writeFileSync,
} from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { driftAllowed } from '../../../src/platform/web/page/music_timeline.js';
import { engine, launchBrowser, problems } from '../lib/browser.mjs';
import { serve } from '../lib/serve.mjs';

export { engine, problems as pageProblems };

// WebDriver classic (WebKit's driver) cannot give the page a script before its own: the options of
// openDemo that need one (speed, refuseFullscreen, keepAudioContext) are for the other engines.
export const scriptsBeforePage = engine !== 'webkit';

// `python3 -m http.server` on a free port, serving `dir`: the plainest static host there is.
async function pythonServer(dir) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
    '--directory', dir], { stdio: ['ignore', 'pipe', 'ignore'] });
  const port = await new Promise((resolve, reject) => {
    let said = '';
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const found = /port (\d+)/.exec(said);
      if (found) resolve(Number(found[1]));
    });
    server.once('exit', (code) => reject(new Error(`python3 -m http.server ended with ${code}`)));
  });
  server.stdout.resume();
  return {
    url: `http://127.0.0.1:${port}/`,
    close: async () => {
      server.kill();
      await new Promise((resolve) => (server.exitCode !== null ? resolve() : server.once('exit', resolve)));
    },
  };
}

const here = dirname(fileURLToPath(import.meta.url));

// A copy of `assets` with `change(folder)` applied, laid out as the site lays out its pack (the
// files under pack/, their list in pack.js), in a folder of its own to serve in front of the
// site; { dir, remove }. `hostLacks`: files the list keeps but the folder then loses, as a host
// that lacks a file of the pack serves it.
export function changedAssetPack(assets, change, { hostLacks = [] } = {}) {
  const dir = mkdtempSync(join(tmpdir(), 'tamsirel-pack-'));
  const files = join(dir, 'pack');
  execFileSync('cp', ['-r', assets, files]);
  for (const extra of ['preview.png', 'tamsirel.png']) rmSync(join(files, extra), { force: true });
  for (const name of readdirSync(files)) if (name.endsWith('.stamp')) rmSync(join(files, name));
  change(files);
  execFileSync('cmake', [`-DPACK=${files}`, `-DORDER=${assets}-order.txt`,
    `-DOUT=${join(dir, 'pack.js')}`, `-DSTORE=tamsirel-test-${Date.now()}`,
    '-P', join(here, '../../../cmake/pack_list.cmake')], { stdio: ['ignore', 'ignore', 'inherit'] });
  for (const name of hostLacks) rmSync(join(files, name));
  return { dir, remove: () => rmSync(dir, { recursive: true, force: true }) };
}

export const cutToHalf = (folder, name) => {
  const file = join(folder, name);
  truncateSync(file, Math.floor(statSync(file).size / 2));
};
export const remove = (folder, name) => rmSync(join(folder, name));
export { copyFileSync };

const censusScript = readFileSync(join(here, 'census.js'), 'utf8');

// Opens the page. `census`: the page counts its audio and its handlers (census.js), in every
// engine where the tests' own server serves it, and where python's does in those that can give
// the page a script first. `speed`: the page's performance.now() runs that many times faster, and with it
// the demo's clock (the music's position then no longer follows it). `python`: served by
// `python3 -m http.server` instead of the tests' own server (no `pack` then). `refuseFullscreen`:
// the browser refuses the Fullscreen API. `keepAudioContext`: the page's audio context is kept as
// window.audioContextOfPage, for a test to suspend and resume as the browser would.
// `prepare(page)`: called before the page loads (Chromium's device emulation, scripts of its own).
// `cacheControl`: what the tests' server tells the browser to keep. Besides the page and what
// closes it, the browser (a second page shares its profile) and the server (to stop the host).
export async function openDemo(site, {
  pack = null, speed = 1, width = 800, height = 600, python = false, refuseFullscreen = false,
  keepAudioContext = false, prepare = null, census = false, cacheControl = 'no-store',
} = {}) {
  const intoPages = census ? `<script>${censusScript}</script>` : null;
  const server = python ? await pythonServer(site) : await serve(pack ? [pack, site] : site, 0,
    { intoPages, firstOnly: ['/pack/'], cacheControl });
  let browser;
  try {
    browser = await launchBrowser({ width, height });
  } catch (error) {
    await server.close();
    throw error;
  }
  const page = await browser.newPage();
  if (census && python && scriptsBeforePage) await page.evaluateOnNewDocument(censusScript);
  if (refuseFullscreen) {
    await page.evaluateOnNewDocument(() => {
      Element.prototype.requestFullscreen = () =>
        Promise.reject(new TypeError('Permissions check failed'));
    });
  }
  if (keepAudioContext) {
    await page.evaluateOnNewDocument(() => {
      const Made = window.AudioContext;
      window.AudioContext = class extends Made {
        constructor(...options) {
          super(...options);
          window.audioContextOfPage = this;
        }
      };
    });
  }
  if (speed !== 1) {
    await page.evaluateOnNewDocument((factor) => {
      const now = performance.now.bind(performance);
      performance.now = () => now() * factor;
    }, speed);
  }
  if (prepare) await prepare(page);
  await page.goto(server.url);
  const close = async () => {
    await browser.close();
    await server.close();
  };
  return { page, close, browser, server };
}

// Alt+F: the dialog's "&Fullscreen" box flips.
export async function pressAltF(page) {
  await page.keyboard.down('Alt');
  await page.keyboard.press('KeyF');
  await page.keyboard.up('Alt');
}

export async function waitForDialog(page) {
  await page.waitForSelector('.classic-dialog:not([hidden])', { timeout: 60000 });
}

// The dialog's controls in page order: kind, id, text (the '&' shown as an underline is read
// back as '&'), ticked, greyed.
export function dialogControls(page) {
  return page.$$eval('.classic-dialog .client > *', (elements) => elements.map((e) => {
    const label = e.querySelector('.label, legend');
    const underline = label.querySelector('u');
    let text = label.textContent;
    if (underline) {
      const at = [...label.childNodes].indexOf(underline);
      const before = [...label.childNodes].slice(0, at).map((n) => n.textContent).join('');
      text = `${before}&${text.slice(before.length)}`;
    }
    const input = e.querySelector('input');
    return {
      kind: e.className.split(' ').filter((c) => c !== 'disabled').join(' '),
      id: Number(e.dataset.id),
      text,
      ticked: input ? input.checked : null,
      greyed: e.classList.contains('disabled'),
    };
  }));
}

// The box on top: { caption, text, icon, buttons }, once one is shown.
export async function waitForBox(page, timeout = 60000) {
  await page.waitForSelector('.box-layer .message-box', { timeout });
  return page.$eval('.box-layer:last-child .message-box', (box) => ({
    caption: box.querySelector('.caption').textContent,
    text: box.querySelector('.box-text').textContent,
    icon: (box.querySelector('.box-icon') || { className: 'box-icon none' }).className
      .replace('box-icon ', ''),
    buttons: [...box.querySelectorAll('.box-buttons button')].map((b) => b.textContent),
  }));
}

// Answers the box on top with the button of that text and waits for it to go.
// The next box may follow at once (the decoder's, then the fatal one): the wait is for this
// box's own element to go.
export async function answerBox(page, button) {
  const index = await page.evaluate((text) => {
    const layer = document.querySelector('.box-layer:last-child');
    layer.dataset.answered = 'yes';
    return [...layer.querySelectorAll('.box-buttons button')].findIndex((b) => b.textContent === text);
  }, button);
  assert.ok(index >= 0, `the box has no button "${button}"`);
  await page.click(`.box-layer[data-answered] .box-buttons button:nth-child(${index + 1})`);
  await page.waitForFunction(() => document.querySelector('.box-layer[data-answered]') === null);
}

// What the page leaves running after the demo's end (census.js): none of the audio, and of its
// handlers only those it keeps for its whole life, the runtime's errors.
export const kLeftAtTheEnd = {
  audio: { running: 0, playing: 0 },
  listeners: ['window error', 'window unhandledrejection'],
};
export async function leftAtTheEnd(page) {
  // A context closes a moment after it is asked to.
  await page.waitForFunction(() => tamsirelCensus.audio().running === 0, { timeout: 5000 })
    .catch(() => {});
  const { contexts, ...audio } = await page.evaluate(() => tamsirelCensus.audio());
  assert.ok(contexts >= 1, 'the page made no audio context');
  return { audio, listeners: await page.evaluate(() => tamsirelCensus.listeners()) };
}

export async function waitForExit(page, timeout = 60000) {
  await page.waitForFunction(() => window.tamsirelExitStatus !== undefined, { timeout });
  return page.evaluate(() => window.tamsirelExitStatus);
}

export function canvasFacts(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('demo-canvas');
    if (!canvas) return null;
    const r = canvas.getBoundingClientRect();
    return {
      width: canvas.width, height: canvas.height, cssWidth: r.width, cssHeight: r.height,
      left: r.left, top: r.top, fullscreen: document.fullscreenElement !== null,
    };
  });
}

// Every error the GL has recorded, emptied (the program is between frames when this runs).
export function glErrors(page) {
  return page.evaluate(() => {
    const errors = [];
    for (let e = Module._glGetError(); e !== 0 && errors.length < 16; e = Module._glGetError()) {
      errors.push(e);
    }
    return errors;
  });
}

// The music against the picture over the next `frames` frames shown: the mean of the soundtrack
// heard less the demo's time, each at the moment its frame was shown, in seconds; a frame at the
// pace the page draws now (the picture lags its counter by about two); the audio's state. The
// drift is null when no music was heard with the frames.
export async function musicAgainstPicture(page, frames = 30) {
  const seen = await page.evaluate(async (count) => {
    const drifts = [];
    let last = null;
    for (let waited = 0; drifts.length < count && waited < 20 * count; ++waited) {
      await new Promise((resolve) => requestAnimationFrame(resolve));
      const shown = tamsirelPage.frames.lastShown();
      const { demo, music } = tamsirelPage.sync();
      if (shown === last || music === null) continue;
      last = shown;
      drifts.push(music - demo);
    }
    return {
      drift: drifts.length ? drifts.reduce((sum, d) => sum + d, 0) / drifts.length : null,
      lagMs: tamsirelPage.frames.lagMs(),
      state: tamsirelPage.music.state(),
    };
  }, frames);
  return { drift: seen.drift, frame: driftAllowed(seen.lagMs), state: seen.state };
}

// Fails unless the music measured by musicAgainstPicture was heard, within a frame of the
// picture.
export function assertMusicInStep(together) {
  assert.ok(together.drift !== null && Math.abs(together.drift) <= together.frame,
    `the music is ${together.drift} s off the picture (a frame: ${together.frame} s)`);
}

// Escape ends the demo with status 0, and nothing went wrong on the page on the way.
export async function escapeEndsCleanly(page) {
  await page.keyboard.press('Escape');
  assert.equal(await waitForExit(page), 0);
  assert.deepEqual(problems(page), []);
}

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

// The Linux capture's ocean at 800x600 around `ms` of the scene: a page's frame is drawn at
// whatever moment the display's frame fell on, so the Linux frames one every 100 ms for 1.2 s
// around it stand for it. largeDifferences(page) screenshots the page and counts the pixels that
// differ by more than 64 levels from the nearest of them; largeDifferences(page, clip) the part
// of the screen the picture is on, brought to 800x600. KEEP=1 keeps the pictures.
export function linuxOceanAround(ms) {
  const work = mkdtempSync(join(tmpdir(), 'tamsirel-ocean-'));
  const around = Array.from({ length: 13 }, (_, i) => ms - 600 + 100 * i);
  execFileSync(process.env.TAMSIREL_CAPTURE, ['--assets', process.env.TAMSIREL_ASSETS,
    '--size', '800x600', ...around.flatMap((at) => ['--shot',
      `ocean:${at}:${join(work, `linux-${at}.png`)}`])],
  { stdio: ['ignore', 'ignore', 'inherit'] });
  return {
    async largeDifferences(page, clip = null) {
      writeFileSync(join(work, 'page.png'), await page.screenshot(clip ? { clip } : {}));
      if (clip) {
        execFileSync('convert', [join(work, 'page.png'), '-resize', '800x600!',
          join(work, 'page.png')]);
      }
      const shown = rgb(join(work, 'page.png'));
      return Math.min(...around.map((at) =>
        largeDifferences(rgb(join(work, `linux-${at}.png`)), shown)));
    },
    remove: () => { if (!process.env.KEEP) rmSync(work, { recursive: true, force: true }); },
  };
}
