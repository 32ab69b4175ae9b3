#include "MemoryArenas.h"

#include <malloc.h>

#include <mutex>

void LimitMemoryArenas() {
    static std::once_flag limited;
    std::call_once(limited, [] {
#ifdef M_ARENA_MAX
        mallopt(M_ARENA_MAX, 2);
#endif
    });
}
