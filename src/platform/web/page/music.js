// The soundtrack through Web Audio: decoded whole when the program opens it, played from one
// audio context. Browsers let a context make sound only after the viewer has pressed something;
// the dialog unlocks it at the first press, so the music can start with the first scene.
'use strict';

tamsirelPage.music = (() => {
  let context = null;
  const sounds = [null];  // handle 0 is "none"
  let started = null;

  function init() {
    const AudioContext = window.AudioContext || window.webkitAudioContext;
    if (!AudioContext) return false;
    context = new AudioContext();
    return true;
  }

  function unlock() {
    if (context && context.state === 'suspended') context.resume().catch(() => {});
  }

  async function decode(bytes) {
    try {
      sounds.push(await context.decodeAudioData(bytes.buffer));
      return sounds.length - 1;
    } catch (undecodable) {
      return 0;
    }
  }

  function play(handle) {
    const buffer = sounds[handle];
    if (!context || !buffer) return false;
    unlock();
    const source = context.createBufferSource();
    source.buffer = buffer;
    source.connect(context.destination);
    source.start();
    started = { at: context.currentTime, wall: performance.now() };
    return true;
  }

  // For the page's tests: seconds into the playing soundtrack (-1 before it starts), and how far
  // it is behind the counter the demo's clock reads, in seconds since the start.
  function position() { return started ? context.currentTime - started.at : -1; }
  function lag() { return started ? (performance.now() - started.wall) / 1000 - position() : 0; }

  return {
    init, unlock, decode, play, position, lag,
    state: () => (context ? context.state : 'none'),
  };
})();
