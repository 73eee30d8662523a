// The screen's wake lock, against a browser's Wake Lock API that answers when the test says.
import assert from 'node:assert/strict';
import { test } from 'node:test';

// The page's document and the browser's navigator, as far as the wake lock uses them.
const page = new EventTarget();
page.hidden = false;
const requests = [];  // { answer(), lock } of each request, in order
const held = new Set();

class Lock extends EventTarget {
  async release() {
    if (held.delete(this)) this.dispatchEvent(new Event('release'));
  }
}

globalThis.document = page;
Object.defineProperty(globalThis, 'navigator', {
  value: {
    wakeLock: {
      request: () => new Promise((resolve) => {
        const lock = new Lock();
        requests.push({ lock, answer: () => { held.add(lock); resolve(lock); } });
      }),
    },
  },
  configurable: true,
});
const { start, stop } = await import('../../../src/platform/web/page/wake_lock.js');

const turn = () => new Promise((resolve) => setImmediate(resolve));
function shown(hidden) {
  page.hidden = hidden;
  page.dispatchEvent(new Event('visibilitychange'));
}

test('the page shown again before the first request is answered: still one lock', async () => {
  const playback = new AbortController();
  start(playback.signal);
  shown(false);
  shown(false);
  for (const r of requests) r.answer();
  await turn();
  assert.equal(requests.length, 1, 'one request');
  assert.equal(held.size, 1);
  playback.abort();
  stop();
  await turn();
  assert.equal(held.size, 0, 'released at the end');
  requests.length = 0;
});

test('the browser drops the lock while the page is hidden: taken again when it is shown', async () => {
  const playback = new AbortController();
  start(playback.signal);
  requests.at(-1).answer();
  await turn();
  shown(true);
  for (const lock of [...held]) await lock.release();
  shown(false);
  requests.at(-1).answer();
  await turn();
  assert.equal(requests.length, 2);
  assert.equal(held.size, 1);
  playback.abort();
  stop();
  await turn();
  assert.equal(held.size, 0);
  requests.length = 0;
});

test('a lock granted after the end is given back at once, and the end\'s handlers are gone',
  async () => {
    const playback = new AbortController();
    start(playback.signal);
    playback.abort();
    stop();
    requests.at(-1).answer();
    await turn();
    assert.equal(held.size, 0);
    shown(false);
    await turn();
    assert.equal(requests.length, 1, 'no request after the end');
  });
