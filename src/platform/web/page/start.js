// Starts a program: the asset pack's loader and the program are loaded, in that order, and main
// is called. The program runs on the page's own thread, so any static host serves the page as it
// is, with no special headers. The demo's page runs tamsirel.js with no arguments; a page that
// sets window.tamsirelProgram first runs another program of the browser build (its tests' pages
// do), and may say that the program's standard error is to be logged as news rather than as
// warnings.
'use strict';

(() => {
  const program = window.tamsirelProgram || { script: 'tamsirel.js', arguments: [] };

  // main waits for the page again and again, so it runs as an asynchronous call; when it
  // returns, its status ends the program as exit would.
  function runMain() {
    const args = [program.script, ...program.arguments];
    const argv = Module._malloc(4 * (args.length + 1));
    args.forEach((arg, i) => { Module.HEAPU32[(argv >> 2) + i] = Module.allocateUTF8(arg); });
    Module.HEAPU32[(argv >> 2) + args.length] = 0;
    Module.ccall('main', 'number', ['number', 'number'], [args.length, argv], { async: true })
      .then((status) => Module._exit(status))
      .catch((error) => {
        if (!(error && error.name === 'ExitStatus') && error !== 'unwind') {
          tamsirelPage.stopped(error);
        }
      });
  }

  window.Module = {
    onRuntimeInitialized: runMain,
    setStatus: tamsirelPage.progress,
    onExit: tamsirelPage.ended,
    onAbort: tamsirelPage.stopped,
    print: (line) => console.log(line),
    printErr: (line) => (program.stderr === 'log' ? console.log(line) : console.warn(line)),
  };

  function load(src) {
    return new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = src;
      script.onload = resolve;
      script.onerror = () => reject(new Error(`${src} could not be loaded`));
      document.body.append(script);
    });
  }

  load('assets.js')
    .then(() => load(program.script))
    .catch((error) => tamsirelPage.notice('The demo could not be loaded.', error.message));
})();
