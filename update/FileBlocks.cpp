#include "FileBlocks.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "UniqueFd.h"

bool ReadFileBlocks(const std::string& path, const std::function<bool(std::string_view)>& take) {
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.IsOpen()) {
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return false;
        }
        if (count == 0 || !take(std::string_view(buffer, static_cast<size_t>(count)))) {
            return true;
        }
    }
}
