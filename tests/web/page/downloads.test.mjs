// The pack's downloads against a host the test plays: the order and what moves a file ahead, a
// file the host lacks, a connection that drops, a file of another version's size, and the files
// reaching the program's file system whenever it is there.
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, readdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { mock, test } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

// The page's modules beside a pack list of the test's own: a.bin to f.bin, sizes 4 to 9.
const page = fileURLToPath(new URL('../../../src/platform/web/page/', import.meta.url));
const dir = mkdtempSync(join(tmpdir(), 'tamsirel-downloads-'));
for (const name of readdirSync(page)) copyFileSync(join(page, name), join(dir, name));
const kFiles = ['a', 'b', 'c', 'd', 'e', 'f'].map((letter, i) =>
  [`${letter}.bin`, 4 + i, letter.charCodeAt(0).toString(16).repeat(4 + i).slice(0, 24)]);
writeFileSync(join(dir, 'pack.js'), `export const offlineStore = 'tamsirel-test';\n` +
  `export const packFiles = ${JSON.stringify(kFiles)};\n`);

// The host: each file's bytes are its size's worth of its first letter's code; `answers` say,
// file by file, what to do at each request (a status, 'drop' mid-way, 'long'), then the file.
const fetched = [];
const answers = new Map([
  ['b.bin', ['drop', 'drop', 'drop', 'drop']],
  ['c.bin', [404]],
  ['d.bin', ['drop', 'drop']],
  ['e.bin', ['long']],
]);
const bytesOf = (name) => new Uint8Array(kFiles.find(([n]) => n === name)[1]).fill(name.charCodeAt(0));
const held = [];  // the requests not answered yet: { name, answer() }
globalThis.fetch = (url) => {
  const name = decodeURIComponent(url.replace('pack/', ''));
  fetched.push(name);
  return new Promise((resolve) => held.push({ name, answer: () => {
    const how = (answers.get(name) || []).shift();
    const bytes = bytesOf(name);
    if (typeof how === 'number') resolve(new Response('', { status: how }));
    else if (how === 'drop') {
      resolve(new Response(new ReadableStream({
        start(c) { c.enqueue(bytes.slice(0, 2)); c.error(new Error('connection reset')); },
      })));
    } else if (how === 'long') resolve(new Response(new Uint8Array(bytes.length + 1)));
    else resolve(new Response(bytes));
  } }));
};
const downloads = await import(pathToFileURL(join(dir, 'downloads.js')));
const turns = async (count = 5) => {
  for (let i = 0; i < count; ++i) await new Promise((resolve) => setImmediate(resolve));
};
const answerAll = async () => {
  while (held.length > 0) {
    held.shift().answer();
    await turns();
  }
};

test('the list\'s first file alone, then four at a time in its order, a file wanted soon moved ' +
  'ahead; each in the file system once it is there; a 404 fails at once, a dropped link after ' +
  'three more tries',
{ timeout: 20000 }, async () => {
  mock.timers.enable({ apis: ['setTimeout'] });
  assert.deepEqual(downloads.headOf('b.bin'), bytesOf('b.bin'), 'from the list, before any fetch');
  assert.equal(downloads.headOf('nothing.bin'), null);
  await turns();
  assert.deepEqual(fetched, [], 'nothing before the dialog');
  downloads.startDownloads();
  await turns();
  assert.deepEqual(fetched, ['a.bin'], 'the soundtrack\'s place: first, and alone while it comes');
  assert.equal(downloads.arrived('f.bin'), false);
  assert.equal(downloads.arrived('nothing.bin'), true, 'a file not in the pack: nothing to wait for');
  held.shift().answer();
  await turns();
  assert.deepEqual(fetched.slice(1), ['f.bin', 'b.bin', 'c.bin', 'd.bin'],
    'four at a time, f, wanted soon, first');

  const written = new Map();
  downloads.attachFileSystem({ writeFile: (n, b) => written.set(n, b), readFile: (n) => written.get(n) });
  assert.deepEqual([...written.keys()], ['a.bin'], 'what came before the file system');
  await answerAll();
  assert.equal(await downloads.whenArrived('f.bin'), true);
  assert.deepEqual(written.get('f.bin'), bytesOf('f.bin'));
  assert.equal(await downloads.whenArrived('c.bin'), false, 'the host lacks c: failed at once');
  assert.equal(written.has('c.bin'), false);

  // d dropped twice: tried again after a pause each time, then in; b never comes back: three
  // more tries, then it fails.
  for (const pause of [1000, 3000, 9000]) {
    mock.timers.tick(pause);
    await turns();
    await answerAll();
  }
  assert.equal(await downloads.whenArrived('d.bin'), true);
  assert.deepEqual(written.get('d.bin'), bytesOf('d.bin'));
  assert.equal(fetched.filter((n) => n === 'd.bin').length, 3);
  assert.equal(await downloads.whenArrived('b.bin'), false);
  assert.equal(fetched.filter((n) => n === 'b.bin').length, 4);
  assert.equal(fetched.filter((n) => n === 'c.bin').length, 1, 'a 404 is not asked again');

  assert.equal(await downloads.whenArrived('e.bin'), false, 'another version\'s size');
  assert.equal(written.has('e.bin'), false);
  assert.equal(downloads.allSettled(), true);
  assert.deepEqual(downloads.progress(), { loaded: 4 + 7 + 9, total: 39 });
  mock.timers.reset();
});
