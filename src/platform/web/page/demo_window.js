// The demo's window: a canvas whose drawing buffer is the chosen resolution. Windowed, it is that
// many pixels, in the middle of the page; fullscreen, the stage takes the screen through the
// Fullscreen API and the canvas is scaled to it with its shape kept, black around. Keys, the
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
    if (!stage.requestFullscreen) return false;
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
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
  }

  // Whole pixels, so that a windowed canvas is not resampled by half a pixel.
  function centre() {
    if (!canvas || canvas.classList.contains('fullscreen')) return;
    canvas.style.left = `${Math.floor((window.innerWidth - canvas.width) / 2)}px`;
    canvas.style.top = `${Math.floor((window.innerHeight - canvas.height) / 2)}px`;
  }

  function create(title, width, height, fullscreen) {
    document.title = title;
    gl = p.contextCurrent;
    canvas = document.createElement('canvas');
    canvas.id = 'demo-canvas';
    canvas.className = `demo-canvas ${fullscreen ? 'fullscreen' : 'windowed'}`;
    canvas.width = width;
    canvas.height = height;
    if (!fullscreen) {
      canvas.style.width = `${width}px`;
      canvas.style.height = `${height}px`;
    }
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
  }

  function remove() {
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
    nextMessage: () => (queue.length > 0 ? queue.shift() : 0),
    glContextState,
    postSize: (width, height) => post(p.messageSize, (width << p.messageWidthShift) | height),
  };
})();
