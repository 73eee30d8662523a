// Starts a program of the browser build in the page: the program (a classic script) is loaded and
// main is called; the asset pack's files (downloads.js) start downloading once the dialog is up,
// reach the program's file system as they arrive, and the program waits for one only when it needs
// it. The program runs on the page's own thread, so any static host serves the page as it is, with
// no special headers. Once the whole pack is in, the site is kept for a visit without the network
// (offline.js). The demo's page (main.js) runs tamsirel.js with no arguments; a test's page runs
// another program of the browser build (capture.html), and may say that the program's standard
// error is to be logged as news rather than as warnings.
import * as downloads from './downloads.js';
import { keepSite } from './offline.js';
import { end } from './playback.js';
import { applySizes } from './sizes.js';
import { tamsirelPage } from './tamsirel_page.js';

function load(src) {
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = src;
    script.onload = resolve;
    script.onerror = () => reject(new Error(`${src} could not be loaded`));
    document.body.append(script);
  });
}

// `program`: { script, arguments, stderr ('warn' or 'log'), wholePack }; `wholePack`: main
// waits for the whole pack to be in (a benchmark times frames, not downloads).
export function startProgram({ script, arguments: args = [], stderr = 'warn', wholePack = false }) {
  applySizes(document.documentElement);
  window.addEventListener('error', (event) => tamsirelPage.stopped(event.message));
  window.addEventListener('unhandledrejection', (event) => tamsirelPage.stopped(event.reason));

  // main waits for the page again and again, so it runs as an asynchronous call; when it
  // returns, its status ends the program as exit would.
  function runMain() {
    const argv = [script, ...args];
    const pointers = Module._malloc(4 * (argv.length + 1));
    argv.forEach((arg, i) => { Module.HEAPU32[(pointers >> 2) + i] = Module.allocateUTF8(arg); });
    Module.HEAPU32[(pointers >> 2) + argv.length] = 0;
    Module.ccall('main', 'number', ['number', 'number'], [argv.length, pointers], { async: true })
      .then((status) => Module._exit(status))
      .catch((error) => {
        if (!(error && error.name === 'ExitStatus') && error !== 'unwind') {
          tamsirelPage.stopped(error);
        }
      });
  }

  const keeping = new AbortController();
  downloads.watch(() => {
    if (!downloads.allSettled()) return;
    keeping.abort();
    keepSite();
  }, keeping.signal);

  window.Module = {
    onRuntimeInitialized: () => {
      downloads.attachFileSystem({
        writeFile: (name, bytes) => Module.FS.writeFile(name, bytes),
        readFile: (name) => Module.FS.readFile(name),
      });
      if (!wholePack) {
        runMain();
        return;
      }
      downloads.startDownloads();
      const waiting = new AbortController();
      const whenWhole = () => {
        if (!downloads.allSettled() || waiting.signal.aborted) return;
        waiting.abort();
        runMain();
      };
      downloads.watch(whenWhole, waiting.signal);
      whenWhole();
    },
    setStatus: tamsirelPage.progress,
    onExit: tamsirelPage.ended,
    onAbort: tamsirelPage.stopped,
    print: (line) => console.log(line),
    printErr: (line) => (stderr === 'log' ? console.log(line) : console.warn(line)),
  };

  load(script).catch((error) => end('The demo could not be loaded.', error.message, false));
}
