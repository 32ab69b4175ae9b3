#include "KeyAcceleration.h"

#include <algorithm>
#include <climits>
#include <cstdint>

int AcceleratedKeyStep(int keyDowns, int rate, int extent) {
    if (rate < 1) {
        return 1;
    }
    const int64_t limit = std::max(extent, 1);
    const int64_t speed = std::max(keyDowns, 0) / rate;
    // Past the cube root of the limit the step is the limit; this also keeps
    // the cube itself within 64 bits.
    if (speed >= 2097152) {
        return static_cast<int>(limit);
    }
    return static_cast<int>(std::min(speed * speed * speed + 1, limit));
}

int MovedBy(int from, int step) {
    const int64_t moved = int64_t{from} + step;
    return static_cast<int>(std::clamp<int64_t>(moved, INT_MIN, INT_MAX));
}
