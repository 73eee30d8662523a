// The four scenes' frames at the frame-hash times, drawn in the page (the browser build's capture,
// through the GL layer, in headless Chromium's SwiftShader) and by the Linux capture (Mesa's
// llvmpipe), on the same virtual clock: prints a table (shot, differing pixels, largest
// difference, mean difference) and exits 1 when a frame differs for real, when one is missing or
// when the page logged an error.
//
//   node compare_frames.mjs --capture LINUX_TAMSIREL_CAPTURE --assets DIR --site DIR
//                           --programs DIR [--out DIR] [--fps N] [--size WxH]
//
// --site: the browser build's site (the page and the asset pack); --programs: the folder with
// the browser build's capture.html and tamsirel-capture.js; --out: where both builds' PNG files
// are left for looking at.
//
// Tolerance. Two rasterisers draw the same geometry from the same textures: SwiftShader and
// llvmpipe filter, blend and clip with different precisions. Most frames differ by a level or
// two at most, and a few dozen pixels on the pyramid's and the forest tiles' edges may go either
// way by anything. The ocean's sea and sky are quads seen almost edge-on whose near edge passes a
// few millimetres from the eye: each rasteriser clips them and interpolates their texture
// coordinates near the horizon its own way, which moves cloud and foam patterns there by up to
// 64 levels, over up to 2 % of the frame, never further. So a frame fails when more than
// kLargeShare of its pixels differ by more than kLargeDifference in a channel, or when its mean
// difference exceeds kMeanAllowed levels. A missing phrase (about 900 such pixels), a missing
// layer, a wrong matrix or a wrong blend goes far past either.
import { execFileSync } from 'node:child_process';
import { mkdirSync, rmSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { parseArgs } from 'node:util';

import { launchBrowser, problems } from '../lib/browser.mjs';
import { serve } from '../lib/serve.mjs';

const kLargeDifference = 64;
const kLargeShare = 0.0005;
const kMeanAllowed = 2.0;
const kSmallDifference = 16;  // reported, not judged
const kShots = ['ocean:0', 'ocean:2999', 'ocean:5500', 'ocean:10000', 'ocean:20000',
  'ocean:27100', 'ocean:33333', 'ocean:45000', 'ocean:59990', 'pyramid:0', 'pyramid:5000',
  'pyramid:20000', 'pyramid:39990', 'forest:0', 'forest:10000', 'forest:19990', 'final:0',
  'final:3000', 'final:9999', 'final:15000', 'final:47000'];
const kTimeoutMs = 20 * 60 * 1000;

const { values: options } = parseArgs({
  options: {
    capture: { type: 'string' }, assets: { type: 'string' }, site: { type: 'string' },
    programs: { type: 'string' }, out: { type: 'string' }, fps: { type: 'string', default: '60' },
    size: { type: 'string', default: '800x600' },
  },
});
for (const required of ['capture', 'assets', 'site', 'programs']) {
  if (!options[required]) {
    console.error(`compare_frames: --${required} is missing`);
    process.exit(2);
  }
}
const fileName = (shot) => `${shot.replace(':', '_')}.png`;
const out = resolve(options.out || 'web-frames');
rmSync(out, { recursive: true, force: true });
mkdirSync(join(out, 'linux'), { recursive: true });
mkdirSync(join(out, 'web'), { recursive: true });

function captureArguments(folder, assets) {
  return ['--assets', assets, '--size', options.size, '--fps', options.fps,
    ...kShots.flatMap((shot) => ['--shot', `${shot}:${folder}${fileName(shot)}`])];
}

function drawOnLinux() {
  execFileSync(options.capture, captureArguments(join(out, 'linux') + '/', options.assets),
    { stdio: ['ignore', 'ignore', 'inherit'] });
}

async function drawInBrowser() {
  const server = await serve([options.site, options.programs]);
  const chromium = await launchBrowser({ protocolTimeout: kTimeoutMs });
  try {
    const page = await chromium.newPage();
    const query = captureArguments('/', '/').map((a) => `arg=${encodeURIComponent(a)}`).join('&');
    await page.goto(`${server.url}capture.html?${query}`);
    const started = Date.now();
    await page.waitForFunction(() => window.tamsirelExitStatus !== undefined,
      { timeout: kTimeoutMs, polling: 1000 });
    console.log(`the page drew the shots in ${((Date.now() - started) / 1000).toFixed(1)} s`);
    const status = await page.evaluate(() => window.tamsirelExitStatus);
    if (status !== 0) throw new Error(`the page's capture ended with status ${status}`);
    for (const shot of kShots) {
      const bytes = await page.evaluate((path) => Array.from(Module.FS.readFile(path)),
        `/${fileName(shot)}`);
      writeFileSync(join(out, 'web', fileName(shot)), Buffer.from(bytes));
    }
    return problems(page);
  } finally {
    await chromium.close();
    await server.close();
  }
}

function rgbOf(file) {
  return execFileSync('convert', [file, '-depth', '8', 'rgb:-'], { maxBuffer: 1 << 28 });
}

function compare(a, b) {
  let differing = 0, large = 0, largest = 0, total = 0;
  for (let i = 0; i < a.length; i += 3) {
    let worst = 0;
    for (let c = 0; c < 3; ++c) {
      const d = Math.abs(a[i + c] - b[i + c]);
      worst = Math.max(worst, d);
      total += d;
    }
    largest = Math.max(largest, worst);
    if (worst > kSmallDifference) ++differing;
    if (worst > kLargeDifference) ++large;
  }
  return { pixels: a.length / 3, differing, large, largest, mean: total / a.length };
}

drawOnLinux();
const pageProblems = await drawInBrowser();
let failed = 0;
const columns = ['shot'.padEnd(15), `>${kSmallDifference}`.padStart(8),
  `>${kLargeDifference}`.padStart(8), 'largest'.padStart(8), 'mean'.padStart(7)];
console.log(columns.join(' '));
for (const shot of kShots) {
  const r = compare(rgbOf(join(out, 'linux', fileName(shot))),
    rgbOf(join(out, 'web', fileName(shot))));
  const bad = r.large > kLargeShare * r.pixels || r.mean > kMeanAllowed;
  if (bad) ++failed;
  console.log([shot.padEnd(15), String(r.differing).padStart(8), String(r.large).padStart(8),
    String(r.largest).padStart(8), r.mean.toFixed(2).padStart(7)].join(' ') +
    (bad ? '  DIFFERS' : ''));
}
for (const p of pageProblems) console.log(`page ${p.type}: ${p.text}`);
console.log(`${kShots.length - failed} of ${kShots.length} frames match; the pictures are in ${out}`);
process.exit(failed === 0 && pageProblems.length === 0 ? 0 : 1);
