// The screen kept on while the demo plays: a phone or a laptop would otherwise dim and lock it
// part way through, as no input comes. The browser drops the lock whenever the page is hidden,
// so it is asked for again each time the page is shown. Where there is no Wake Lock API, or the
// browser refuses (no user activation, a battery saver), the demo plays on without it.
'use strict';

tamsirelPage.wakeLock = (() => {
  let wanted = false;
  let sentinel = null;

  async function take() {
    if (!wanted || sentinel || document.hidden || !navigator.wakeLock) return;
    try {
      const taken = await navigator.wakeLock.request('screen');
      if (!wanted) {
        taken.release().catch(() => {});
        return;
      }
      sentinel = taken;
      sentinel.addEventListener('release', () => { if (sentinel === taken) sentinel = null; });
    } catch (refused) {
      console.log(`tamsirel: the screen may turn off: ${refused.message}`);
    }
  }

  function start() {
    wanted = true;
    take();
  }

  function stop() {
    wanted = false;
    if (sentinel) sentinel.release().catch(() => {});
    sentinel = null;
  }

  document.addEventListener('visibilitychange', () => { if (!document.hidden) take(); });

  return { start, stop };
})();
