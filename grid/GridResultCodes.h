#pragma once

// What the grid's operations answer when they do not do what was asked
// (0 is done).
inline constexpr int kBadArgument = 1;
inline constexpr int kRefused = 2;
inline constexpr int kMenuDidNotOpen = 3;
