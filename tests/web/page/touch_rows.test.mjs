// The dialog's rows stretched for a finger, without a browser.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { stretch } from '../../../src/platform/web/page/touch_rows.js';

// The setup dialog's client as the program lays it out at 8 points: two buttons side by side,
// then two groups of radio buttons 13 px apart (their rows touching), and the check box.
const kHeight = 150;
const kSpans = [[7, 30], [7, 30], [50, 63], [63, 76], [90, 103], [103, 116], [116, 129],
  [133, 146]];

test('every control at least a fingertip tall, in its order, overlapping nothing new', () => {
  for (const least of [20, 40, 57.5]) {
    const rows = stretch(kSpans, kHeight, least);
    const stretched = kSpans.map(([top, bottom]) => [rows.at(top), rows.at(bottom)]);
    for (const [top, bottom] of stretched) {
      assert.ok(bottom - top >= least - 1e-9, `a row ${bottom - top} tall for ${least}`);
    }
    for (let i = 1; i < stretched.length; ++i) {
      assert.ok(stretched[i][0] >= stretched[i - 1][0], 'the order from top to bottom is kept');
      if (kSpans[i][0] >= kSpans[i - 1][1]) {
        assert.ok(stretched[i][0] >= stretched[i - 1][1] - 1e-9, `rows ${i - 1} and ${i} overlap`);
      }
    }
    assert.ok(rows.height >= kHeight && rows.at(kHeight) === rows.height);
    assert.equal(rows.at(0), 0);
  }
});

test('rows already tall enough, and the space between them, keep their size', () => {
  const rows = stretch(kSpans, kHeight, 13);
  for (const y of [0, 7, 30, 40, 50, 129, 146, kHeight]) assert.equal(rows.at(y), y);
  assert.equal(rows.height, kHeight);
  const gap = stretch(kSpans, kHeight, 40);
  assert.equal(gap.at(50) - gap.at(30), 20, 'the gap between the buttons and the first group');
});

test('a group box around its rows still holds them', () => {
  const group = [45, 80];
  const rows = stretch(kSpans, kHeight, 40);
  const frame = [rows.at(group[0]), rows.at(group[1])];
  for (const [top, bottom] of kSpans.slice(2, 4)) {
    assert.ok(rows.at(top) >= frame[0] && rows.at(bottom) <= frame[1]);
  }
});
