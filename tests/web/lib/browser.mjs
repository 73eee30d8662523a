// The browser for the browser tests, chosen by $TAMSIREL_ENGINE: headless Chromium (the
// default; /usr/bin/chromium or $CHROMIUM, WebGL drawn by SwiftShader), Firefox ESR (driven over
// WebDriver BiDi; it has WebGL 2 only with an X display, so it runs on the display the test is
// given) or WebKitGTK (webkit.mjs). Nothing reaches the network; a fresh profile goes with the
// browser. Each page collects its console messages and uncaught exceptions so a test can assert
// there were none.
//
//   const browser = await launchBrowser();
//   const page = await browser.newPage();            // page.messages: [{ type, text }]
//   await page.goto(url);                             // page.exceptions: [Error]
//   ...
//   await browser.close();                            // the profile folder goes too
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

import { launchWebKit } from './webkit.mjs';

export const engine = process.env.TAMSIREL_ENGINE || 'chromium';
if (!['chromium', 'firefox', 'webkit'].includes(engine)) {
  throw new Error(`TAMSIREL_ENGINE: ${engine} is none of chromium, firefox, webkit`);
}

const kFlags = [
  '--headless=new',
  // WebGL headless: ANGLE over SwiftShader (--use-gl=swiftshader gives no WebGL).
  '--use-angle=swiftshader',
  '--enable-unsafe-swiftshader',
  // Root in a container has no user namespaces for the sandbox.
  '--no-sandbox',
  // The machine has no network: nothing should try.
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--disable-quic',
  '--no-first-run',
  '--no-default-browser-check',
  '--mute-audio',
];

// `protocolTimeout`: how long a call into the page may wait for its main thread, which a program
// that draws many frames without returning to the browser keeps busy.
export async function launchBrowser({
  width = 800, height = 600, extraFlags = [], protocolTimeout = 180000,
} = {}) {
  if (engine === 'webkit') return launchWebKit({ width, height });
  const profile = await mkdtemp(join(tmpdir(), `tamsirel-${engine}-`));
  let browser;
  try {
    browser = await puppeteer.launch(engine === 'firefox' ? {
      browser: 'firefox',
      protocol: 'webDriverBiDi',
      executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
      headless: false,
      userDataDir: profile,
      args: [`--width=${width}`, `--height=${height}`],
      // The machine has no sound card: Firefox's stand-in output keeps time as one would, where
      // without it the audio context never starts (Chromium headless has one of its own).
      extraPrefsFirefox: { 'media.cubeb.force_mock_context': true },
      defaultViewport: { width, height },
      protocolTimeout,
    } : {
      executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
      headless: true,
      userDataDir: profile,
      args: [...kFlags, `--window-size=${width},${height}`, ...extraFlags],
      defaultViewport: { width, height },
      protocolTimeout,
    });
  } catch (error) {
    await rm(profile, { recursive: true, force: true });
    throw error;
  }
  const newPage = async () => {
    const page = await browser.newPage();
    page.messages = [];
    page.exceptions = [];
    page.on('console', (m) => page.messages.push({ type: m.type(), text: m.text() }));
    page.on('pageerror', (e) => page.exceptions.push(e));
    return page;
  };
  const close = async () => {
    await browser.close();
    await rm(profile, { recursive: true, force: true });
  };
  return { browser, newPage, close };
}

// Notices that are expected, not faults: Chromium prints this once, the first time pixels are
// read back (the GL cases, the capture's shots and glFinish read back by design).
const kRuntimeNotices = [
  /GL Driver Message \(OpenGL, Performance, .*\): GPU stall due to ReadPixels/,
];

// The console messages of the kinds that mean something went wrong.
export function problems(page) {
  return [
    ...page.messages.filter((m) => m.type === 'error' || m.type === 'warn')
      .filter((m) => !kRuntimeNotices.some((notice) => notice.test(m.text))),
    ...page.exceptions.map((e) => ({ type: 'exception', text: String(e) })),
  ];
}
