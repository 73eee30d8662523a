// What the dialog, the boxes and the demo's window need to fit the screen the page is seen on: the
// part of the page in view (the visual viewport, which a pinch-zoom or an on-screen keyboard
// shrinks), whether the viewer points with a finger, the scale that fits a size in view, and
// re-layout when the view changes (a rotation, a resize, a zoom).
// - A finger wants controls at least kTouchPixels tall; a mouse keeps the classic sizes.
// - Everything keeps kMarginPixels clear of the edges, so a window is seen whole with its bevel.
// The arithmetic takes the area in view ({ left, top, width, height }) as an argument: node's
// tests give it screens of their own.
import { kMarginPixels } from './sizes.js';

// A finger's controls are drawn up to this scale where the screen has room; a mouse's never grow.
const kLargestTouchScale = 2;
const kSmallestTouchScale = 0.5;
const kScaleStep = 0.05;

// The largest scale at which `width` x `height` fits in `area` within the margins, no larger than
// `largest`.
export function scaleToFit(area, width, height, largest) {
  return Math.min(largest, (area.width - 2 * kMarginPixels) / width,
    (area.height - 2 * kMarginPixels) / height);
}

// Top-left corner that puts a box of that size (already scaled) in the middle of `area`.
export function centred(area, width, height) {
  return { x: area.left + (area.width - width) / 2, y: area.top + (area.height - height) / 2 };
}

// Whether a rectangle lies wholly in `area`, within the margins.
export function inView(area, x, y, width, height) {
  return x >= area.left + kMarginPixels && y >= area.top + kMarginPixels &&
    x + width <= area.left + area.width - kMarginPixels &&
    y + height <= area.top + area.height - kMarginPixels;
}

// The largest scale for a window whose unscaled height, with its controls at least kTouchPixels
// tall once scaled, `heightAt(scale)` gives: a finger's controls grow as far as the screen allows
// (and the window shrinks below 1 rather than leave a control too short to hit); a mouse's window
// keeps scale 1 unless the view is smaller.
export function windowScale(area, touch, width, heightAt) {
  if (!touch) return Math.min(1, scaleToFit(area, width, heightAt(1), 1));
  let scale = kLargestTouchScale;
  while (scale > kSmallestTouchScale && scaleToFit(area, width, heightAt(scale), scale) < scale) {
    scale -= kScaleStep;
  }
  return scale;
}

// The demo's window in a view of `view` CSS pixels: the chosen size in whole pixels where it fits,
// so that it is not resampled by half a pixel; where it does not, shrunk with its shape kept, as a
// cropped picture would lose its edges. Centred.
export function windowedCanvas(view, width, height) {
  const scale = Math.min(1, view.width / width, view.height / height);
  const shown = scale < 1 ? { width: width * scale, height: height * scale } : { width, height };
  return {
    ...shown,
    left: Math.floor((view.width - shown.width) / 2),
    top: Math.floor((view.height - shown.height) / 2),
  };
}

// ---- the page's own screen ------------------------------------------------------------------

export function touch() {
  return !!(window.matchMedia && window.matchMedia('(pointer: coarse)').matches);
}

// The part of the layout viewport in view, in the stage's coordinates (the stage is fixed to the
// layout viewport).
export function visibleArea() {
  const v = window.visualViewport;
  if (v) return { left: v.offsetLeft, top: v.offsetTop, width: v.width, height: v.height };
  return { left: 0, top: 0, width: window.innerWidth, height: window.innerHeight };
}

// Calls `relayout` whenever the view changes, until `signal` aborts.
export function watch(relayout, signal) {
  const options = { signal };
  window.addEventListener('resize', relayout, options);
  window.addEventListener('orientationchange', relayout, options);
  const pointer = window.matchMedia ? window.matchMedia('(pointer: coarse)') : null;
  if (pointer && pointer.addEventListener) pointer.addEventListener('change', relayout, options);
  if (window.visualViewport) {
    window.visualViewport.addEventListener('resize', relayout, options);
    window.visualViewport.addEventListener('scroll', relayout, options);
  }
}
