// The demo's window: a canvas whose drawing buffer is the chosen resolution. Windowed, it is that
// many pixels, in the middle of the page, or scaled down with its shape kept where the page is
// smaller (a phone), never cropped; fullscreen, the stage takes the screen through the Fullscreen
// API and the canvas is scaled to it with its shape kept, black around. A browser without the
// API (an iPhone's) has no way to give a canvas the screen: there the picture fills the page's
// view, which is the whole screen such a browser can give, with no question asked. Keys, the
// fullscreen being left by the viewer (the browser takes Escape for that) and the page being
// hidden become window messages, queued here for the program's message loop.
'use strict';

tamsirelPage.demoWindow = (() => {
  const p = tamsirelPage.protocol;
  const kRestoreWaitMs = 5000;
  const stage = tamsirelPage.stage;
  const queue = [];
  let canvas = null;
  let inFullscreen = false;  // the program asked for fullscreen and has not given it back
  let viewFilled = false;    // "fullscreen" as the page's whole view, where there is no API
  let gl = p.contextCurrent;
  let lostSince = 0;  // the page time the loss began, or the page was shown again since

  function onContextLost(e) {
    e.preventDefault();  // asks the browser to restore the context
    console.log('tamsirel: the WebGL context was lost');
    gl = p.contextLost;
    lostSince = performance.now();
  }

  function onContextRestored() {
    console.log('tamsirel: the WebGL context was restored');
    gl = p.contextRestored;
  }

  // What the program is to do about its GL at a frame; a restore is reported once.
  function glContextState() {
    if (gl === p.contextLost && !document.hidden && performance.now() - lostSince > kRestoreWaitMs) {
      gl = p.contextGivenUp;
    }
    const state = gl;
    if (gl === p.contextRestored) gl = p.contextCurrent;
    return state;
  }

  function post(kind, data) { queue.push((kind << p.messageKindShift) | data); }

  function onKey(e) {
    if (!canvas || canvas.hidden || document.querySelector('.box-layer')) return;
    e.preventDefault();
    post(p.messageKey, e.keyCode & p.messageKeyMask);
  }

  function onFullscreenChange() {
    if (inFullscreen && !document.fullscreenElement) {
      inFullscreen = false;
      post(p.messageClose, 0);
    }
  }

  function onVisibility() {
    if (!document.hidden && gl === p.contextLost) lostSince = performance.now();
    post(p.messageActivate, document.hidden ? 1 : 0);
  }

  async function enterFullscreen() {
    if (!stage.requestFullscreen) {
      viewFilled = true;
      document.body.classList.add('view-filled');
      return true;
    }
    try {
      await stage.requestFullscreen({ navigationUI: 'hide' });
    } catch (refused) {
      console.log(`tamsirel: fullscreen refused: ${refused.message}`);
      return false;
    }
    inFullscreen = true;
    return true;
  }

  function leaveFullscreen() {
    inFullscreen = false;
    viewFilled = false;
    document.body.classList.remove('view-filled');
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
  }

  // Whole pixels where the canvas fits, so that it is not resampled by half a pixel; where it
  // does not, it is shrunk with its shape kept, as a cropped picture would lose its edges.
  function centre() {
    if (!canvas || canvas.classList.contains('fullscreen')) return;
    const scale = Math.min(1, window.innerWidth / canvas.width, window.innerHeight / canvas.height);
    const width = scale < 1 ? canvas.width * scale : canvas.width;
    const height = scale < 1 ? canvas.height * scale : canvas.height;
    canvas.style.width = `${width}px`;
    canvas.style.height = `${height}px`;
    canvas.style.left = `${Math.floor((window.innerWidth - width) / 2)}px`;
    canvas.style.top = `${Math.floor((window.innerHeight - height) / 2)}px`;
  }

  function create(title, width, height, fullscreen) {
    document.title = title;
    gl = p.contextCurrent;
    canvas = document.createElement('canvas');
    canvas.id = 'demo-canvas';
    canvas.className = `demo-canvas ${fullscreen ? 'fullscreen' : 'windowed'}`;
    canvas.width = width;
    canvas.height = height;
    canvas.tabIndex = 0;
    canvas.hidden = true;
    canvas.addEventListener('webglcontextlost', onContextLost);
    canvas.addEventListener('webglcontextrestored', onContextRestored);
    stage.append(canvas);
    centre();
  }

  function show() {
    document.body.classList.add('playing');
    canvas.hidden = false;
    canvas.focus();
    tamsirelPage.endControl.start();
    tamsirelPage.wakeLock.start();
  }

  function remove() {
    tamsirelPage.endControl.stop();
    tamsirelPage.wakeLock.stop();
    if (canvas) canvas.remove();
    canvas = null;
  }

  document.addEventListener('keydown', onKey);
  document.addEventListener('fullscreenchange', onFullscreenChange);
  document.addEventListener('visibilitychange', onVisibility);
  window.addEventListener('resize', centre);

  return {
    viewportWidth: () => window.innerWidth,
    viewportHeight: () => window.innerHeight,
    enterFullscreen,
    leaveFullscreen,
    showCursor: (visible) => stage.classList.toggle('no-cursor', !visible),
    create,
    show,
    remove,
    postKey: (code) => post(p.messageKey, code & p.messageKeyMask),
    nextMessage: () => (queue.length > 0 ? queue.shift() : 0),
    glContextState,
    postSize: (width, height) => post(p.messageSize, (width << p.messageWidthShift) | height),
  };
})();
