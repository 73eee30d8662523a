// The sizes the page's scripts, its style sheet and its tests share, written here once; the style
// sheet gets them as custom properties of the page's root (applySizes), the tests import them.
// The dialog's font is the style sheet's own: the scripts read it from there.

// The least height of a control under a finger, in CSS pixels.
export const kTouchPixels = 40;
// What a window keeps clear of the view's edges, outside its bevel.
export const kMarginPixels = 8;

export function applySizes(root) {
  root.style.setProperty('--touch-pixels', `${kTouchPixels}px`);
  root.style.setProperty('--margin', `${kMarginPixels}px`);
}
