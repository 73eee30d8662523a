// One tile of a picture cut into a grid (the ocean's logo, the forest's tiles and masks): tile
// (i, j) spans x j..j+1 and y -(i+1)..-i, row 0 at the top, texture (0, 0) at its lower left.
// Draws with whatever texture, colour and blending are in force.
#pragma once

void drawGridTile(int i, int j);
