// The site kept for a visit without the network. A service worker (sw.js, made by the build)
// keeps the program and the page in a store named by the build's version and answers from it
// first; the pack's files go into the same store as they arrive (downloads.js), so that a second
// visit shows the dialog from the store and plays with the network off. A new version is another
// store, filled whole before it takes over, and the old one goes then: a program never meets
// another version's data. Where the page is not served from a secure origin (https, or this
// machine), browsers offer neither, and every visit downloads.
import { offlineStore } from './pack.js';

const store = () => (globalThis.caches ? caches.open(offlineStore) : Promise.reject());

// The bytes kept for `url`, or null.
export async function kept(url) {
  try {
    const answer = await (await store()).match(url);
    return answer ? new Uint8Array(await answer.arrayBuffer()) : null;
  } catch {
    return null;
  }
}

export function keep(url, bytes) {
  store().then((cache) => cache.put(url, new Response(bytes))).catch(() => {});
}

export function keepSite() {
  if (!globalThis.navigator || !navigator.serviceWorker) return;
  navigator.serviceWorker.register('sw.js').catch((refused) => {
    console.log(`tamsirel: no offline copy: ${refused.message}`);
  });
}
