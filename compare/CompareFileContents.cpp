#include "CompareFileContents.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "SystemCalls.h"
#include "UniqueFd.h"

namespace {

constexpr size_t kBlockSize = 256u << 10;

// Opens a listed regular file; O_NONBLOCK so that a file replaced by a
// FIFO since the listing cannot block the compare.
UniqueFd OpenForComparing(const std::string& path) {
    return UniqueFd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
}

// One read of up to `count` bytes; -1 on error. A regular file returns
// fewer bytes only at its end, so a short read needs no second call to
// confirm the end.
ssize_t ReadBlock(int fd, char* buffer, size_t count) {
    SystemCalls& calls = SystemCalls::Current();
    ssize_t got;
    do {
        got = calls.Read(fd, buffer, count);
    } while (got < 0 && errno == EINTR);
    return got;
}

}  // namespace

int CompareFileContents(const std::string& path1, const std::string& path2, uint64_t size,
                        const std::atomic<bool>* stop) {
    const UniqueFd file1 = OpenForComparing(path1);
    const UniqueFd file2 = file1.IsOpen() ? OpenForComparing(path2) : UniqueFd();
    if (!file2.IsOpen()) {
        return 1;
    }
    // Kept between calls: a compare reads thousands of pairs.
    thread_local std::vector<char> buffer1(kBlockSize), buffer2(kBlockSize);
    uint64_t remaining = size;
    for (;;) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            return -1;
        }
        // One byte more than expected, so that a longer file shows itself
        // and the end of the file is seen without an extra read.
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(kBlockSize, remaining + 1));
        const ssize_t count1 = ReadBlock(file1.Get(), buffer1.data(), wanted);
        const ssize_t count2 = ReadBlock(file2.Get(), buffer2.data(), wanted);
        if (count1 < 0 || count1 != count2 || static_cast<uint64_t>(count1) > remaining ||
            std::memcmp(buffer1.data(), buffer2.data(), static_cast<size_t>(count1)) != 0) {
            return 1;
        }
        remaining -= static_cast<uint64_t>(count1);
        if (static_cast<size_t>(count1) < wanted) {
            return remaining == 0 ? 0 : 1;
        }
    }
}
