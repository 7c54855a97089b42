#pragma once

class Playfield;
class RandomSource;

// A random free side of cell (x, y): the sides are tried clockwise (up, right, down, left)
// from a random start and the first free one wins; 0 when none is free.
int ChooseFreeDirection(const Playfield& field, RandomSource& random, int x, int y);
