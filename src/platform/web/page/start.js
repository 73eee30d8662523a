// Starts the demo once the page can run it: the program's threads need the page cross-origin
// isolated, which only the server's headers can grant, so a page served without them says so and
// which two headers are missing, instead of failing somewhere inside. Then the asset pack's
// loader and the program are loaded, in that order.
'use strict';

(() => {
  if (!window.crossOriginIsolated) {
    tamsirelPage.notice(
      'This page cannot play the demo: it is not cross-origin isolated.',
      'The demo runs on several threads, which browsers allow only when the server sends these ' +
        'two headers with the page: "Cross-Origin-Opener-Policy: same-origin" and ' +
        '"Cross-Origin-Embedder-Policy: require-corp".');
    return;
  }

  // main runs as an asynchronous call (it waits for the page again and again); when it returns,
  // its status ends the program as exit would.
  function runMain() {
    Module.ccall('main', 'number', [], [], { async: true })
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
    printErr: (line) => console.warn(line),
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
    .then(() => load('tamsirel.js'))
    .catch((error) => tamsirelPage.notice('The demo could not be loaded.', error.message));
})();
