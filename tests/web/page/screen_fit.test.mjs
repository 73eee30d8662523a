// How the dialog, the boxes and the demo's window fit a screen, without a browser.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import {
  centred, inView, scaleToFit, windowScale, windowedCanvas,
} from '../../../src/platform/web/page/screen_fit.js';
import { kMarginPixels, kTouchPixels } from '../../../src/platform/web/page/sizes.js';

const screen = (width, height, left = 0, top = 0) => ({ left, top, width, height });

// The setup dialog as screen_fit sees it: 230 px wide, 160 px tall at scale 1 with a mouse; under
// a finger its eight rows of controls are stretched to a fingertip once scaled.
const kDialogWidth = 230;
const dialogHeightAt = (scale) => Math.max(160, 30 + 8 * (kTouchPixels / scale));

test('a window with a mouse keeps its size where it fits and shrinks only where it must', () => {
  for (const [area, wanted] of [
    [screen(1024, 768), 1],
    [screen(kDialogWidth + 2 * kMarginPixels, 400), 1],
    [screen(kDialogWidth / 2 + 2 * kMarginPixels, 400), 0.5],
  ]) {
    assert.equal(windowScale(area, false, kDialogWidth, dialogHeightAt), wanted,
      `on ${area.width}x${area.height}`);
  }
});

test('under a finger the window takes the largest scale at which it fits, at most twice', () => {
  for (const area of [screen(390, 844), screen(844, 390), screen(320, 480), screen(1366, 1024)]) {
    const scale = windowScale(area, true, kDialogWidth, dialogHeightAt);
    const fits = (s) => scaleToFit(area, kDialogWidth, dialogHeightAt(s), s) >= s;
    assert.ok(fits(scale), `${scale} does not fit ${area.width}x${area.height}`);
    assert.ok(scale >= 2 || !fits(scale + 0.05), `${scale} leaves room on ${area.width}x${area.height}`);
    assert.ok(scale <= 2);
  }
});

test('a pinch-zoomed view: centred in it and judged in view within its margins', () => {
  const area = screen(200, 100, 50, 30);
  assert.deepEqual(centred(area, 100, 40), { x: 100, y: 60 });
  assert.equal(inView(area, 50 + kMarginPixels, 30 + kMarginPixels, 184, 84), true);
  assert.equal(inView(area, 50 + kMarginPixels - 1, 30 + kMarginPixels, 184, 84), false);
  assert.equal(inView(area, 50 + kMarginPixels, 30 + kMarginPixels, 185, 84), false);
  assert.equal(inView(area, 0, 0, 10, 10), false, 'a place of the page out of the view');
});

test('the windowed demo: whole pixels where it fits, shrunk with its shape where it does not', () => {
  for (const [view, size, wanted] of [
    [[1024, 768], [800, 600], { width: 800, height: 600, left: 112, top: 84 }],
    [[1025, 769], [800, 600], { width: 800, height: 600, left: 112, top: 84 }],
    [[800, 600], [800, 600], { width: 800, height: 600, left: 0, top: 0 }],
    [[390, 844], [800, 600], { width: 390, height: 292.5, left: 0, top: 275 }],
    [[1200, 300], [640, 480], { width: 400, height: 300, left: 400, top: 0 }],
  ]) {
    assert.deepEqual(windowedCanvas({ width: view[0], height: view[1] }, size[0], size[1]), wanted,
      `${size.join('x')} in ${view.join('x')}`);
  }
});
