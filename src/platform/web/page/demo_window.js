// The demo's window: a canvas whose drawing buffer is the chosen resolution. Windowed, it is that
// many pixels, in the middle of the page; fullscreen, the stage takes the screen through the
// Fullscreen API and the canvas is scaled to it with its shape kept, black around. Keys, the
// fullscreen being left by the viewer (the browser takes Escape for that) and the page being
// hidden become window messages, queued here for the program's message loop.
'use strict';

tamsirelPage.demoWindow = (() => {
  const messageSize = 1, messageActivate = 2, messageClose = 3, messageKey = 4;
  const stage = tamsirelPage.stage;
  const queue = [];
  let canvas = null;
  let inFullscreen = false;  // the program asked for fullscreen and has not given it back

  function post(kind, data) { queue.push((kind << 28) | data); }

  function onKey(e) {
    if (!canvas || canvas.hidden || document.querySelector('.box-layer')) return;
    e.preventDefault();
    post(messageKey, e.keyCode & 0xffff);
  }

  function onFullscreenChange() {
    if (inFullscreen && !document.fullscreenElement) {
      inFullscreen = false;
      post(messageClose, 0);
    }
  }

  function onVisibility() { post(messageActivate, document.hidden ? 1 : 0); }

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
    postSize: (width, height) => post(messageSize, (width << 14) | height),
  };
})();
