// The asset pack, downloaded while the dialog is up: every file of the pack's list (pack.js), in
// the order the demo first needs them, a few at a time, a file moved ahead when the program says
// it wants it soon (a scene's images decoded ahead) or now (a scene's init opening it). Nothing
// of it comes before the dialog: until then the link is the program's. A file goes into the
// program's file system as it arrives, under its bare name, where the program reads it as from a
// disk, and into the site's offline copy (offline.js), from which a later visit takes it instead
// of the network. Its first bytes come with the list.
// - The list's first file, the soundtrack, comes first and alone: it is most of the pack, the
//   first thing the demo needs, and the browser decodes it only whole, which it then does while
//   the pictures download.
// - A file the host answers with an error of its own (404, 403) fails at once; a connection that
//   drops, or a host that fails for the moment (5xx), is tried again a few times after a growing
//   pause, then the file fails. A failed file never reaches the file system: the program finds it
//   missing at the moment it needs it, and says so as it does for a file missing from a disk.
// - A file of another size than the list's is another version's: it fails too, so that a program
//   never runs on another version's data.
import { kept, keep } from './offline.js';
import { packFiles } from './pack.js';

const kAtOnce = 4;
const kRetryPausesMs = [1000, 3000, 9000];
const kSoon = 1;
const kNow = 2;

const bytesOfHex = (hex) => Uint8Array.from(hex.match(/../g) || [], (pair) => parseInt(pair, 16));
const files = new Map(
  packFiles.map(([name, size, head], order) => [name, {
    name, size, order, head: bytesOfHex(head), priority: 0, received: 0, state: 'queued',
    waiters: [],
  }]));
let fileSystem = null;  // the program's ({ writeFile, readFile }), once it is there
const arrivedEarly = new Map();  // name -> bytes, come before the file system
const watchers = new Set();
let running = 0;
let started = false;

const url = (name) => `pack/${encodeURIComponent(name)}`;
const settled = (file) => file.state === 'in' || file.state === 'failed';

// `settledOne`: a file has just arrived or failed (not only more bytes come).
function changed(settledOne = false) {
  for (const watcher of watchers) watcher(settledOne);
}

function finish(file, state, bytes) {
  file.state = state;
  if (state === 'in') {
    file.received = file.size;
    if (fileSystem) fileSystem.writeFile(file.name, bytes);
    else arrivedEarly.set(file.name, bytes);
  }
  for (const wake of file.waiters.splice(0)) wake();
  changed(true);
}

class Refused extends Error {}

// The whole file from the network, its first bytes noted as they come.
async function fromNetwork(file) {
  const response = await fetch(url(file.name));
  if (!response.ok) {
    const answered = `${file.name}: the host answered ${response.status}`;
    if (response.status >= 500) throw new Error(answered);
    throw new Refused(answered);
  }
  const bytes = new Uint8Array(file.size);
  const reader = response.body.getReader();
  file.received = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    if (file.received + value.length > file.size) {
      reader.cancel().catch(() => {});
      throw new Refused(`${file.name}: larger than this version's`);
    }
    bytes.set(value, file.received);
    file.received += value.length;
    changed();
  }
  if (file.received !== file.size) throw new Refused(`${file.name}: not this version's size`);
  return bytes;
}

async function download(file) {
  file.state = 'loading';
  const copy = await kept(url(file.name));
  if (copy && copy.length === file.size) {
    finish(file, 'in', copy);
    return;
  }
  for (let attempt = 0; ; ++attempt) {
    try {
      const bytes = await fromNetwork(file);
      keep(url(file.name), bytes);
      finish(file, 'in', bytes);
      return;
    } catch (failure) {
      if (failure instanceof Refused || attempt === kRetryPausesMs.length) {
        console.log(`tamsirel: ${failure.message}`);
        finish(file, 'failed');
        return;
      }
      await new Promise((resolve) => setTimeout(resolve, kRetryPausesMs[attempt]));
    }
  }
}

// The next file to fetch: the most wanted, then the first in the list's order; none beside the
// first file of the list while it comes.
function next() {
  if (packFiles.length > 0 && files.get(packFiles[0][0]).state === 'loading') return null;
  let best = null;
  for (const file of files.values()) {
    if (file.state !== 'queued') continue;
    if (!best || file.priority > best.priority ||
        (file.priority === best.priority && file.order < best.order)) {
      best = file;
    }
  }
  return best;
}

function pump() {
  while (started && running < kAtOnce) {
    const file = next();
    if (!file) return;
    ++running;
    download(file).finally(() => {
      --running;
      pump();
    });
  }
}

function want(name, priority) {
  const file = files.get(name);
  if (file && file.priority < priority) file.priority = priority;
  return file;
}

// Resolves once `test()` holds, asked again whenever the file's download moves on.
function until(file, test) {
  return new Promise((resolve) => {
    const check = () => (test() ? resolve() : file.waiters.push(check));
    check();
  });
}

// From the dialog on, or at once where a program has no dialog to show first.
export function startDownloads() {
  started = true;
  pump();
}

// From now on a file goes into the program's file system as it arrives; those already in go now.
export function attachFileSystem(system) {
  fileSystem = system;
  for (const [name, bytes] of arrivedEarly) system.writeFile(name, bytes);
  arrivedEarly.clear();
}

// The bytes of a file that has arrived, from the program's file system.
export const bytesOf = (name) => fileSystem.readFile(name);

export const listed = (name) => files.has(name);

// Whether `name` can be read now, or never will (failed, or not in the pack); the program will
// want it soon.
export function arrived(name) {
  const file = want(name, kSoon);
  return !file || settled(file);
}

// Resolves once `name` has arrived (true) or failed (false; at once for a file not in the pack).
export async function whenSettled(name) {
  const file = files.get(name);
  if (!file) return false;
  await until(file, () => settled(file));
  return file.state === 'in';
}

// As whenSettled, the program waiting for the file now.
export function whenArrived(name) {
  want(name, kNow);
  startDownloads();
  return whenSettled(name);
}

// The first bytes of `name` (as many as the list keeps); null for a file not in the pack.
export const headOf = (name) => (files.has(name) ? files.get(name).head : null);

// Bytes in and bytes in all, of the whole pack, or of the files the program wants (soon or now).
export function progress(wantedOnly = false) {
  let loaded = 0, total = 0;
  for (const file of files.values()) {
    if (wantedOnly && file.priority === 0) continue;
    loaded += file.state === 'in' ? file.size : file.received;
    total += file.size;
  }
  return { loaded, total };
}

export const allSettled = () => [...files.values()].every(settled);
export const failedFiles = () => [...files.values()].filter((f) => f.state === 'failed').length;

// Calls `watcher(settledOne)` whenever bytes arrive or a file arrives or fails, until `signal`
// aborts.
export function watch(watcher, signal) {
  watchers.add(watcher);
  signal.addEventListener('abort', () => watchers.delete(watcher));
}
