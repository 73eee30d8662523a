// The screen kept on while the demo plays: a phone or a laptop would otherwise dim and lock it
// part way through, as no input comes. The browser drops the lock whenever the page is hidden, so
// it is asked for again each time the page is shown. Where there is no Wake Lock API, or the
// browser refuses (no user activation, a battery saver), the demo plays on without it. One lock
// at most: a request while one is being answered waits for that answer.
let wanted = false;
let sentinel = null;  // the lock held
let asking = false;   // a request not answered yet

async function take() {
  if (!wanted || sentinel || asking || document.hidden || !navigator.wakeLock) return;
  asking = true;
  try {
    const taken = await navigator.wakeLock.request('screen');
    if (!wanted) {
      taken.release().catch(() => {});
      return;
    }
    sentinel = taken;
    taken.addEventListener('release', () => { if (sentinel === taken) sentinel = null; });
  } catch (refused) {
    console.log(`tamsirel: the screen may turn off: ${refused.message}`);
  } finally {
    asking = false;
  }
}

export function start(signal) {
  wanted = true;
  document.addEventListener('visibilitychange', take, { signal });
  take();
}

export function stop() {
  wanted = false;
  if (sentinel) sentinel.release().catch(() => {});
  sentinel = null;
}
