// Given to the demo's page before its own scripts (demo_page.mjs's `census`): counts what the
// page's scripts start and leave running, so that a test can ask after the end:
//   tamsirelCensus.audio()      { contexts, running, playing }: audio contexts made, those still
//                               running, buffer sources started and neither stopped nor ended
//   tamsirelCensus.listeners()  ['window error', ...]: the handlers the page's own scripts (not a
//                               test's) have on window, document and the visual viewport now
(() => {
  const contexts = [];
  const playing = new Set();
  const Made = window.AudioContext || window.webkitAudioContext;
  if (Made) {
    const Counted = class extends Made {
      constructor(...options) {
        super(...options);
        contexts.push(this);
      }
    };
    window.AudioContext = Counted;
    if (window.webkitAudioContext) window.webkitAudioContext = Counted;
    const { start, stop } = AudioBufferSourceNode.prototype;
    AudioBufferSourceNode.prototype.start = function (...when) {
      playing.add(this);
      this.addEventListener('ended', () => playing.delete(this));
      return start.apply(this, when);
    };
    AudioBufferSourceNode.prototype.stop = function (...when) {
      playing.delete(this);
      return stop.apply(this, when);
    };
  }

  // A handler is the page's when a script of the site added it: the stack names the script.
  const pageScript = /\/[a-z_]+\.js/;
  const targets = () => new Map([[window, 'window'], [document, 'document'],
    [window.visualViewport, 'viewport']]);
  const live = [];
  const same = (a, b) => a.target === b.target && a.type === b.type &&
    a.listener === b.listener && a.capture === b.capture;
  const { addEventListener: add, removeEventListener: remove } = EventTarget.prototype;
  const entry = (target, type, listener, options) => ({
    target, type, listener,
    capture: typeof options === 'boolean' ? options : !!(options && options.capture),
  });
  EventTarget.prototype.addEventListener = function (type, listener, options) {
    const signal = options && options.signal;
    if (targets().has(this) && listener && !(signal && signal.aborted) &&
        pageScript.test(new Error().stack || '')) {
      const e = entry(this, type, listener, options);
      if (!live.some((l) => same(l, e))) {
        live.push(e);
        if (signal) add.call(signal, 'abort', () => this.removeEventListener(type, listener, options));
      }
    }
    return add.call(this, type, listener, options);
  };
  EventTarget.prototype.removeEventListener = function (type, listener, options) {
    const e = entry(this, type, listener, options);
    const at = live.findIndex((l) => same(l, e));
    if (at >= 0) live.splice(at, 1);
    return remove.call(this, type, listener, options);
  };

  window.tamsirelCensus = {
    audio: () => ({
      contexts: contexts.length,
      running: contexts.filter((c) => c.state === 'running').length,
      playing: playing.size,
    }),
    listeners: () => live.map((l) => `${targets().get(l.target)} ${l.type}`).sort(),
  };
})();
