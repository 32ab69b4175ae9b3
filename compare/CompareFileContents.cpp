#include "CompareFileContents.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "UniqueFd.h"

namespace {

constexpr size_t kBlockSize = 256u << 10;

// Opens a regular file for reading; never a FIFO or device, which could block.
UniqueFd OpenForComparing(const std::string& path, struct stat& info) {
    UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.IsOpen() || fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return UniqueFd();
    }
    posix_fadvise(fd.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return fd;
}

// Fills `buffer` as far as the file allows; -1 on a read error.
ssize_t ReadBlock(int fd, char* buffer, size_t size) {
    size_t filled = 0;
    while (filled < size) {
        const ssize_t got = read(fd, buffer + filled, size - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<size_t>(got);
    }
    return static_cast<ssize_t>(filled);
}

}  // namespace

int CompareFileContents(const std::string& path1, const std::string& path2) {
    struct stat info1 {
    }, info2{};
    const UniqueFd file1 = OpenForComparing(path1, info1);
    const UniqueFd file2 = file1.IsOpen() ? OpenForComparing(path2, info2) : UniqueFd();
    if (!file2.IsOpen() || info1.st_size != info2.st_size) {
        return 1;
    }
    // Kept between calls: a compare reads thousands of pairs.
    thread_local std::vector<char> buffer1(kBlockSize), buffer2(kBlockSize);
    for (;;) {
        const ssize_t count1 = ReadBlock(file1.Get(), buffer1.data(), kBlockSize);
        const ssize_t count2 = ReadBlock(file2.Get(), buffer2.data(), kBlockSize);
        if (count1 < 0 || count1 != count2 ||
            std::memcmp(buffer1.data(), buffer2.data(), static_cast<size_t>(count1)) != 0) {
            return 1;
        }
        if (static_cast<size_t>(count1) < kBlockSize) {
            return 0;
        }
    }
}
