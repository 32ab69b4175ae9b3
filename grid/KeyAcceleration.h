#pragma once

// How far an arrow key moves the current cell while it repeats: one cell,
// or with an acceleration rate r >= 1, (n / r)^3 + 1 cells after n key
// downs in a row, never more than `extent` (the row or column count, at
// least 1), so that long repeats neither overflow nor turn round.
int AcceleratedKeyStep(int keyDowns, int rate, int extent);

// `from` moved by `step` cells (negative: back), held within int's range.
int MovedBy(int from, int step);
