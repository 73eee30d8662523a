// make bench-web: the browser build beside the Linux build, on this machine, in one run. Figures
// only; nothing is asserted.
// - start-up: the page's load to the dialog with a cold cache (a new browser profile each run,
//   served from 127.0.0.1), beside the Linux demo's launch to dialog (scripts/measure-startup);
// - the bytes the page downloads, file by file;
// - on a phone's link (10 Mbit/s down, 40 ms round trip, Chromium's network emulation), cold:
//   navigation to the dialog and the bytes in by then; "Let's GO!" 1 s after the dialog to the
//   ocean's first frame, beside the moment the files the start waited for were in; and a second
//   visit's navigation to the dialog, from what the first one kept;
// - each scene's median and p99 frame, from the capture's benchmark at 800x600: Mesa's llvmpipe
//   on Linux, SwiftShader in headless Chromium, each frame timed to its finished drawing;
// - our own share of a browser frame: the same benchmark with WebGL's draws and clears made
//   empty, so what remains is the program, the GL layer and the calls into WebGL, without the
//   rasteriser;
// - each scene change in the page: the init and the first frame, in both runs, and what the
//   decoding ahead of the next scene (in bands between the frames) costs the frames meanwhile.
//
//   node bench_web.mjs --build LINUX_BUILD --site SITE --programs WEB_CAPTURE_DIR [--runs N]
//   node bench_web.mjs --site SITE --phone-only [--runs N]     the phone's link alone
import { execFileSync } from 'node:child_process';
import { join, resolve } from 'node:path';
import { parseArgs } from 'node:util';

import { launchBrowser } from '../../tests/web/lib/browser.mjs';
import { serve } from '../../tests/web/lib/serve.mjs';

const { values: options } = parseArgs({
  options: {
    build: { type: 'string' }, site: { type: 'string' }, programs: { type: 'string' },
    runs: { type: 'string', default: '5' }, size: { type: 'string', default: '800x600' },
    'phone-only': { type: 'boolean', default: false },
  },
});
const runs = Number(options.runs);
const here = resolve(new URL('.', import.meta.url).pathname);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function nativeStartup() {
  const out = execFileSync(join(here, '../../scripts/measure-startup'),
    [options.build, String(runs)], { encoding: 'utf8' });
  return Number(/launch to dialog (\d+(?:\.\d+)?) ms/.exec(out)[1]);
}

function nativeBench() {
  return JSON.parse(execFileSync(join(options.build, 'tools/capture/tamsirel-capture'),
    ['--bench', '--size', options.size, '--assets', join(options.build, 'assets')],
    { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] }));
}

// One cold load: the time from navigation to the dialog on screen, and each file's bytes.
async function pageLoad(server) {
  const chromium = await launchBrowser();
  try {
    const page = await chromium.newPage();
    const bytes = new Map();
    page.on('response', (response) => {
      const length = Number(response.headers()['content-length'] || 0);
      bytes.set(new URL(response.url()).pathname.slice(1) || 'index.html', length);
    });
    await page.evaluateOnNewDocument(() => {
      new MutationObserver((changes, observer) => {
        if (document.querySelector('.classic-dialog:not([hidden])')) {
          window.dialogShownAt = performance.now();
          observer.disconnect();
        }
      }).observe(document, { subtree: true, childList: true, attributes: true });
    });
    await page.goto(server.url);
    await page.waitForFunction(() => window.dialogShownAt !== undefined, { timeout: 120000 });
    return { ms: await page.evaluate(() => window.dialogShownAt), bytes };
  } finally {
    await chromium.close();
  }
}

// The capture's benchmark in the page; `withoutRasteriser` empties WebGL's draws and clears.
async function pageBench(server, withoutRasteriser) {
  const chromium = await launchBrowser({ protocolTimeout: 1800000 });
  try {
    const page = await chromium.newPage();
    if (withoutRasteriser) {
      await page.evaluateOnNewDocument(() => {
        for (const name of ['drawArrays', 'drawElements', 'clear']) {
          WebGL2RenderingContext.prototype[name] = () => {};
        }
      });
    }
    const query = ['--bench', '--size', options.size].map((a) => `arg=${a}`).join('&');
    await page.goto(`${server.url}capture.html?${query}`);
    await page.waitForFunction(() => window.tamsirelExitStatus !== undefined,
      { timeout: 1800000, polling: 1000 });
    const lines = page.messages.filter((m) => m.type === 'log').map((m) => m.text);
    const text = lines.join('\n');
    return JSON.parse(text.slice(text.indexOf('{'), text.lastIndexOf('}') + 1));
  } finally {
    await chromium.close();
  }
}

// Page times the phone visits read (performance.now() of the page): the dialog shown, Enter, the
// waiting panel gone, the first frame shown.
const kMarks = `
  window.benchMarks = {};
  const marks = window.benchMarks;
  new MutationObserver(() => {
    if (!marks.dialog && document.querySelector('.classic-dialog:not([hidden])')) {
      marks.dialog = performance.now();
      window.benchDialogShown();
    }
    // The start's files are in when the waiting panel counts all it waits for.
    const panel = document.getElementById('panel');
    const waiting = panel && !panel.hidden && /Loading the music/.test(panel.textContent);
    const count = waiting && /^([0-9.]+) of ([0-9.]+) MB$/.exec(
      document.getElementById('panel-detail').textContent);
    if (count && count[1] === count[2] && marks.filesIn === undefined) {
      marks.filesIn = performance.now();
    }
  }).observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
  document.addEventListener('keydown', (e) => {
    if (e.key === 'Enter' && !marks.enter) marks.enter = performance.now();
  }, true);
  (function watchFrames() {
    const shown = window.tamsirelPage && tamsirelPage.frames.lastShown();
    if (shown) marks.firstFrame = shown.at;
    else requestAnimationFrame(watchFrames);
  }());`;

async function onPhoneLink(page) {
  const devtools = await page.target().createCDPSession();
  await devtools.send('Network.enable');
  await devtools.send('Network.emulateNetworkConditions',
    { offline: false, latency: 40, downloadThroughput: 1250000, uploadThroughput: 625000 });
  const link = { received: 0, atDialog: null };
  devtools.on('Network.dataReceived', (e) => { link.received += e.encodedDataLength; });
  await page.exposeFunction('benchDialogShown', () => { link.atDialog = link.received; });
  await page.evaluateOnNewDocument(kMarks);
  return link;
}

async function phoneVisits(url) {
  const chromium = await launchBrowser();
  try {
    const first = await chromium.newPage();
    const link = await onPhoneLink(first);
    await first.goto(url);
    await first.waitForFunction(() => benchMarks.dialog !== undefined, { timeout: 120000 });
    await new Promise((resolve) => setTimeout(resolve, 1000));
    await first.keyboard.press('Enter');
    await first.waitForFunction(() => benchMarks.firstFrame !== undefined, { timeout: 120000 });
    const cold = await first.evaluate(() => benchMarks);
    // The second visit finds what the first kept once all of it is in.
    await first.waitForFunction(() => !navigator.serviceWorker || navigator.serviceWorker.controller,
      { timeout: 120000 }).catch(() => {});
    await first.close();
    const second = await chromium.newPage();
    await onPhoneLink(second);
    await second.goto(url);
    await second.waitForFunction(() => benchMarks.dialog !== undefined, { timeout: 120000 });
    const again = await second.evaluate(() => benchMarks);
    return {
      dialog: cold.dialog, bytes: link.atDialog, enterToFrame: cold.firstFrame - cold.enter,
      filesIn: cold.filesIn ? cold.filesIn - cold.enter : 0, secondDialog: again.dialog,
    };
  } finally {
    await chromium.close();
  }
}

function reportPhone(phone) {
  const seconds = (ms) => (ms / 1000).toFixed(2);
  const med = (key) => median(phone.map((p) => p[key]));
  console.log(`\non a phone's link (10 Mbit/s down, 40 ms round trip), cold, median of ${runs}:`);
  console.log(`  navigation to the dialog         ${seconds(med('dialog'))} s ` +
    `(runs: ${phone.map((p) => seconds(p.dialog)).join(', ')})`);
  console.log(`  bytes in by then                 ${(med('bytes') / 1e6).toFixed(2)} MB`);
  console.log(`  Enter (1 s after) to the ocean's first frame  ${seconds(med('enterToFrame'))} s` +
    `, of which waiting for its files and the music ${seconds(med('filesIn'))} s`);
  console.log(`  second visit: navigation to the dialog  ${seconds(med('secondDialog'))} s ` +
    `(runs: ${phone.map((p) => seconds(p.secondDialog)).join(', ')})`);
}

if (options['phone-only']) {
  const server = await serve(options.site);
  try {
    const phone = [];
    for (let i = 0; i < runs; ++i) phone.push(await phoneVisits(server.url));
    reportPhone(phone);
  } finally {
    await server.close();
  }
  process.exit(0);
}

const row = (cells, widths) => cells.map((c, i) => String(c).padStart(widths[i])).join('  ');
const fixed = (ms) => ms.toFixed(2);

console.log('Linux: start-up and the capture benchmark ...');
const linuxDialog = nativeStartup();
const linux = nativeBench();
const server = await serve([options.site, options.programs]);
try {
  console.log(`The page: ${runs} cold loads, then the benchmark twice ...`);
  const loads = [];
  for (let i = 0; i < runs; ++i) loads.push(await pageLoad(server));
  const phone = [];
  for (let i = 0; i < runs; ++i) phone.push(await phoneVisits(server.url));
  const web = await pageBench(server, false);
  const own = await pageBench(server, true);

  console.log(`\nstart-up to the dialog (median of ${runs}): Linux ${linuxDialog} ms from launch,` +
    ` the page ${fixed(median(loads.map((l) => l.ms)))} ms from navigation (cold cache)`);
  console.log('\nthe page downloads:');
  let total = 0;
  for (const [file, size] of [...loads[0].bytes].sort((a, b) => b[1] - a[1])) {
    console.log(`  ${file.padEnd(20)} ${String(size).padStart(10)} bytes`);
    total += size;
  }
  console.log(`  ${'total'.padEnd(20)} ${String(total).padStart(10)} bytes`);
  reportPhone(phone);

  console.log(`\nframes at ${options.size}, ${linux.frames} a scene, ms (renderers: Linux ` +
    `"${linux.renderer}", the page "${web.renderer}"):`);
  const widths = [8, 13, 10, 13, 10, 13];
  console.log(row(['scene', 'Linux median', 'Linux p99', 'page median', 'page p99',
    'our share'], widths));
  for (let i = 0; i < linux.scenes.length; ++i) {
    const [l, w, o] = [linux.scenes[i], web.scenes[i], own.scenes[i]];
    console.log(row([l.scene, fixed(l.median_ms), fixed(l.p99_ms), fixed(w.median_ms),
      fixed(w.p99_ms), fixed(o.median_ms)], widths));
  }
  console.log('\n"our share": the page\'s median frame with WebGL\'s draws and clears made empty.');

  console.log('\nscene changes in the page, ms (init, then the first frame; "decoding": the frames ' +
    'while the next scene decodes ahead over the same frames without):');
  const changeWidths = [8, 10, 11, 13, 13, 15, 10];
  console.log(row(['scene', 'page init', 'page first', 'our init', 'our first',
    'our first/med', 'decoding'], changeWidths));
  for (let i = 0; i < web.scenes.length; ++i) {
    const [w, o] = [web.scenes[i], own.scenes[i]];
    console.log(row([w.scene, fixed(w.init_ms), fixed(w.first_ms), fixed(o.init_ms),
      fixed(o.first_ms), (o.first_ms / o.median_ms).toFixed(2),
      o.decoding_ahead_cost ? o.decoding_ahead_cost.toFixed(2) : '-'], changeWidths));
  }
} finally {
  await server.close();
}
