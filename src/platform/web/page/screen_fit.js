// What the dialog, the boxes and the demo's window need to fit the screen the page is seen on: the
// part of the page in view (the visual viewport, which a pinch-zoom or an on-screen keyboard
// shrinks), whether the viewer points with a finger, the scale that fits a size in view, and
// re-layout when the view changes (a rotation, a resize, a zoom).
// - A finger wants controls at least kTouchPixels tall; a mouse keeps the classic sizes.
// - Everything keeps kMarginPixels clear of the edges, so a window is seen whole with its bevel.
'use strict';

tamsirelPage.screenFit = (() => {
  const kTouchPixels = 40;
  const kMarginPixels = 8;
  // A finger's controls are drawn up to this scale where the screen has room; a mouse's never
  // grow.
  const kLargestTouchScale = 2;
  const coarsePointer = window.matchMedia ? window.matchMedia('(pointer: coarse)') : null;

  function touch() { return !!(coarsePointer && coarsePointer.matches); }

  // The part of the layout viewport in view, in the stage's coordinates (the stage is fixed to
  // the layout viewport).
  function visibleArea() {
    const v = window.visualViewport;
    if (v) return { left: v.offsetLeft, top: v.offsetTop, width: v.width, height: v.height };
    return { left: 0, top: 0, width: window.innerWidth, height: window.innerHeight };
  }

  // The largest scale at which `width` x `height` fits in view within the margins, no larger
  // than `largest`.
  function scaleToFit(width, height, largest) {
    const area = visibleArea();
    return Math.min(largest, (area.width - 2 * kMarginPixels) / width,
      (area.height - 2 * kMarginPixels) / height);
  }

  // Top-left corner that puts a box of that size (already scaled) in the middle of the view.
  function centred(width, height) {
    const area = visibleArea();
    return { x: area.left + (area.width - width) / 2, y: area.top + (area.height - height) / 2 };
  }

  // Whether a rectangle of the stage lies wholly in view, within the margins.
  function inView(x, y, width, height) {
    const a = visibleArea();
    return x >= a.left + kMarginPixels && y >= a.top + kMarginPixels &&
      x + width <= a.left + a.width - kMarginPixels &&
      y + height <= a.top + a.height - kMarginPixels;
  }

  // Calls `relayout` whenever the view changes; returns what stops it.
  function watch(relayout) {
    const v = window.visualViewport;
    window.addEventListener('resize', relayout);
    window.addEventListener('orientationchange', relayout);
    if (coarsePointer && coarsePointer.addEventListener) {
      coarsePointer.addEventListener('change', relayout);
    }
    if (v) {
      v.addEventListener('resize', relayout);
      v.addEventListener('scroll', relayout);
    }
    return () => {
      window.removeEventListener('resize', relayout);
      window.removeEventListener('orientationchange', relayout);
      if (coarsePointer && coarsePointer.removeEventListener) {
        coarsePointer.removeEventListener('change', relayout);
      }
      if (v) {
        v.removeEventListener('resize', relayout);
        v.removeEventListener('scroll', relayout);
      }
    };
  }

  // The largest scale for a window whose unscaled height, with its controls at least
  // kTouchPixels tall once scaled, `heightAt(scale)` gives: a finger's controls grow as far as
  // the screen allows (and the window shrinks below 1 rather than leave a control too short to
  // hit); a mouse's window keeps scale 1 unless the view is smaller.
  function windowScale(width, heightAt) {
    if (!touch()) return Math.min(1, scaleToFit(width, heightAt(1), 1));
    const kStep = 0.05;
    let scale = kLargestTouchScale;
    while (scale > 0.5 && scaleToFit(width, heightAt(scale), scale) < scale) scale -= kStep;
    return scale;
  }

  return {
    kTouchPixels, touch, visibleArea, scaleToFit, centred, inView, watch, windowScale,
  };
})();
