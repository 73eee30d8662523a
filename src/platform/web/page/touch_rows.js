// The dialog's rows made tall enough for a finger: the template packs its radio buttons 8 dialog
// units apart, which a mouse hits and a finger does not. Every control keeps its place in the
// order from top to bottom and its width; the stretch of the page's y axis only lengthens, so a
// group box still holds its rows and nothing overlaps that did not already.

// `spans`: [top, bottom] of each control a finger hits, in the client's pixels; `height`: the
// client's. The stretched y axis, as { at(y), height } with every span at least `least` long.
export function stretch(spans, height, least) {
  const edges = [...new Set([0, height, ...spans.flat()])].sort((a, b) => a - b);
  const original = edges.slice(1).map((edge, i) => edge - edges[i]);
  const grown = original.slice();
  for (const [top, bottom] of spans) {
    const inside = [];
    for (let i = 0; i < grown.length; ++i) {
      if (edges[i] >= top && edges[i + 1] <= bottom) inside.push(i);
    }
    const now = inside.reduce((sum, i) => sum + grown[i], 0);
    const base = inside.reduce((sum, i) => sum + original[i], 0);
    // A span only ever gains here, and later spans only add to it: one pass leaves each long
    // enough.
    if (now >= least || base === 0) continue;
    for (const i of inside) grown[i] += ((least - now) * original[i]) / base;
  }
  const starts = [0];
  for (const length of grown) starts.push(starts[starts.length - 1] + length);

  function at(y) {
    let i = 0;
    while (i < original.length - 1 && y > edges[i + 1]) ++i;
    if (original[i] === 0) return starts[i];
    return starts[i] + ((y - edges[i]) * grown[i]) / original[i];
  }
  return { at, height: starts[starts.length - 1] };
}

export const unchanged = (height) => ({ at: (y) => y, height });
