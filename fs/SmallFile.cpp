#include "SmallFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "UniqueFd.h"

namespace {

SmallFile Refused(int error) {
    return {std::nullopt, error, std::strerror(error)};
}

std::string TooLarge(size_t limit) {
    return "larger than " + std::to_string(limit >> 20) + " MiB";
}

}  // namespace

SmallFile ReadSmallFile(const std::string& path, size_t limit) {
    const UniqueFd file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.IsOpen() || fstat(file.Get(), &status) != 0) {
        return Refused(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return {std::nullopt, 0, "not a regular file"};
    }
    if (static_cast<size_t>(status.st_size) > limit) {
        return {std::nullopt, 0, TooLarge(limit)};
    }
    std::string text;
    char buffer[8192];
    for (;;) {
        const ssize_t got = read(file.Get(), buffer, sizeof buffer);
        if (got == 0) {
            return {std::move(text), 0, {}};
        }
        if (got < 0 && errno != EINTR) {
            return Refused(errno);
        }
        if (got > 0) {
            text.append(buffer, static_cast<size_t>(got));
        }
        if (text.size() > limit) {
            return {std::nullopt, 0, TooLarge(limit)};
        }
    }
}
