// Compares the GL 1.1 layer's pictures, drawn by headless Chromium (SwiftShader), with Mesa's
// (llvmpipe) for the same cases: prints a table and exits 1 when a case differs for real, when
// one is missing, or when the page logged an error.
//
//   node compare_gl_cases.mjs --reference DIR --site DIR [--out DIR]
//
// --reference: what gl_cases_native wrote (cases.txt and NAME.ppm); --site: the folder with
// gl_cases.html and the emscripten build of gl_cases_web; --out: where to write the browser's
// pictures (NAME.web.ppm) for looking at, by default the reference folder.
//
// Tolerance. Two rasterisers, two filtering units: a channel may differ by a few levels (colour
// interpolation and texture filtering weights are computed to different precisions, fog's exp()
// too), and a pixel on a primitive's edge may go either way. So a pixel counts as differing only
// when a channel is more than kChannelTolerance apart, and a case fails when more than
// kPixelsAllowed of its pixels differ. A broken mend changes whole areas: hundreds of pixels by
// far more than that.
import { readFile, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { parseArgs } from 'node:util';

import { launchBrowser, problems } from '../lib/browser.mjs';
import { serve } from '../lib/serve.mjs';

const kSide = 64;
const kChannelTolerance = 8;
const kPixelsAllowed = 24;
const kTimeoutMs = 60000;

function readPpm(bytes) {
  const header = bytes.subarray(0, 32).toString('latin1').match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header) throw new Error('not a binary PPM');
  return { width: Number(header[1]), height: Number(header[2]), rgb: bytes.subarray(header[0].length) };
}

// The browser's rows come bottom first, as glReadPixels gives them; the PPM's top first.
function topFirst(bottomFirst) {
  const row = kSide * 3;
  const out = Buffer.alloc(bottomFirst.length);
  for (let y = 0; y < kSide; ++y) bottomFirst.copy(out, (kSide - 1 - y) * row, y * row, (y + 1) * row);
  return out;
}

function compare(reference, drawn) {
  let differing = 0;
  let largest = 0;
  for (let i = 0; i < reference.length; i += 3) {
    let worst = 0;
    for (let c = 0; c < 3; ++c) worst = Math.max(worst, Math.abs(reference[i + c] - drawn[i + c]));
    largest = Math.max(largest, worst);
    if (worst > kChannelTolerance) ++differing;
  }
  return { differing, largest };
}

async function drawInBrowser(site) {
  const server = await serve(site);
  const chromium = await launchBrowser({ width: 200, height: 200 });
  try {
    const page = await chromium.newPage();
    await page.goto(server.url + 'gl_cases.html');
    await page.waitForFunction(() => window.glCasesDone === true, { timeout: kTimeoutMs });
    const result = await page.evaluate(() => ({
      cases: window.glCases || [],
      renderer: window.glRenderer,
      started: window.glLayerStarted,
    }));
    return { ...result, problems: problems(page) };
  } finally {
    await chromium.close();
    await server.close();
  }
}

async function main() {
  const { values } = parseArgs({
    options: { reference: { type: 'string' }, site: { type: 'string' }, out: { type: 'string' } },
  });
  if (!values.reference || !values.site) {
    console.error('usage: node compare_gl_cases.mjs --reference DIR --site DIR [--out DIR]');
    return 2;
  }
  const out = values.out || values.reference;
  const listed = (await readFile(join(values.reference, 'cases.txt'), 'latin1'))
    .trim().split('\n').map((line) => line.split(' '));
  const web = await drawInBrowser(values.site);
  console.log(`browser: ${web.renderer || '(the layer did not start)'}`);
  const rows = [];
  for (const [name, mesaError] of listed) {
    const drawn = web.cases.find((c) => c.name === name);
    if (!drawn) {
      rows.push({ name, verdict: 'MISSING' });
      continue;
    }
    const reference = readPpm(await readFile(join(values.reference, `${name}.ppm`))).rgb;
    const picture = topFirst(Buffer.from(drawn.rgb, 'base64'));
    await writeFile(join(out, `${name}.web.ppm`),
                    Buffer.concat([Buffer.from(`P6\n${kSide} ${kSide}\n255\n`), picture]));
    const { differing, largest } = compare(reference, picture);
    const webError = '0x' + drawn.error.toString(16).padStart(4, '0');
    const errorsAgree = webError === mesaError;
    const ok = differing <= kPixelsAllowed && errorsAgree;
    rows.push({ name, differing, largest, error: errorsAgree ? webError : `${webError} (Mesa ${mesaError})`,
                verdict: ok ? 'ok' : 'FAIL' });
  }
  const width = Math.max(...rows.map((r) => r.name.length));
  console.log(`${'case'.padEnd(width)}  differing  largest  error   verdict`);
  for (const r of rows) {
    const cells = r.verdict === 'MISSING' ? '        -        -  -      '
      : `${String(r.differing).padStart(9)}  ${String(r.largest).padStart(7)}  ${r.error.padEnd(6)}`;
    console.log(`${r.name.padEnd(width)}  ${cells}  ${r.verdict}`);
  }
  for (const p of web.problems) console.log(`page ${p.type}: ${p.text}`);
  const failed = rows.filter((r) => r.verdict !== 'ok').length + (web.problems.length ? 1 : 0) +
                 (web.started ? 0 : 1);
  const passed = rows.filter((r) => r.verdict === 'ok').length;
  console.log(`(a pixel differs when a channel is more than ${kChannelTolerance} apart; ` +
              `a case fails past ${kPixelsAllowed} such pixels of ${kSide * kSide})`);
  console.log(`${passed} passed, ${failed} failed`);
  return failed === 0 ? 0 : 1;
}

process.exitCode = await main();
