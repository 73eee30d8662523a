// The page around the demo: the panel that shows the download's progress and, at the end, that
// the demo has ended (with the exit status, for a viewer and for a test) or why it stopped. The
// other page files add the dialog, the boxes, the demo's window and the music to tamsirelPage;
// the program reaches all of them through it.
'use strict';

const tamsirelPage = {};

(() => {
  const stage = document.getElementById('stage');
  const panel = document.getElementById('panel');
  const text = document.getElementById('panel-text');
  const detail = document.getElementById('panel-detail');
  const progress = document.getElementById('progress');
  const bar = document.getElementById('progress-bar');
  const button = document.getElementById('panel-button');
  let finished = false;

  tamsirelPage.stage = stage;

  function showPanel(message, more, withButton) {
    panel.hidden = false;
    text.textContent = message;
    detail.textContent = more || '';
    progress.hidden = true;
    button.hidden = !withButton;
    if (withButton) button.focus();
  }

  // The runtime's status lines; the data package's loader reports "(loaded/total)" bytes.
  tamsirelPage.progress = (status) => {
    if (finished) return;
    const bytes = /\((\d+)\/(\d+)\)/.exec(status || '');
    if (bytes) {
      const loaded = Number(bytes[1]), total = Number(bytes[2]);
      bar.style.width = `${total > 0 ? (100 * loaded) / total : 0}%`;
      detail.textContent = `${(loaded / 1e6).toFixed(1)} of ${(total / 1e6).toFixed(1)} MB`;
    }
    if (status === '') panel.hidden = true;
  };

  // Everything has arrived and the program starts: the dialog takes the page.
  tamsirelPage.started = () => {
    if (!finished) panel.hidden = true;
  };

  // A message in plain words instead of the demo: the page cannot run it here.
  tamsirelPage.notice = (message, more) => {
    finished = true;
    showPanel(message, more, false);
  };

  function end(message, more) {
    finished = true;
    document.body.classList.remove('playing');
    if (tamsirelPage.endControl) tamsirelPage.endControl.stop();
    if (tamsirelPage.wakeLock) tamsirelPage.wakeLock.stop();
    for (const leftover of stage.querySelectorAll('.demo-canvas, .classic-dialog, .box-layer')) {
      leftover.remove();
    }
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    document.title = 'tamsirel by kex';
    showPanel(message, more, true);
  }

  tamsirelPage.ended = (status) => {
    window.tamsirelExitStatus = status;
    console.log(`tamsirel: exited with status ${status}`);
    end('The demo has ended.', status === 0 ? '' : `Exit status ${status}.`);
  };

  tamsirelPage.stopped = (reason) => {
    if (finished) return;
    window.tamsirelExitStatus = 'stopped';
    console.error(`tamsirel: stopped: ${reason}`);
    end('The demo stopped.', String(reason));
  };

  button.addEventListener('click', () => window.location.reload());
  window.addEventListener('error', (event) => tamsirelPage.stopped(event.message));
  window.addEventListener('unhandledrejection', (event) => tamsirelPage.stopped(event.reason));
})();
