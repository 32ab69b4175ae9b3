#include "PatternFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "PathPattern.h"
#include "UniqueFd.h"

namespace {

constexpr off_t kLargestFile = 16 << 20;

}  // namespace

std::optional<std::vector<std::string>> ReadPatternFile(const std::string& path,
                                                        std::string& error) {
    const auto fail = [&](const std::string& reason) {
        error = "cannot read patterns from '" + path + "': " + reason;
        return std::nullopt;
    };
    const UniqueFd file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (!file.IsOpen() || fstat(file.Get(), &status) != 0) {
        return fail(std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return fail("not a regular file");
    }
    if (status.st_size > kLargestFile) {
        return fail("larger than 16 MiB");
    }
    std::string text(static_cast<size_t>(status.st_size), '\0');
    size_t filled = 0;
    while (filled < text.size()) {
        const ssize_t got = read(file.Get(), text.data() + filled, text.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return fail(std::strerror(errno));
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<size_t>(got);
    }
    text.resize(filled);
    return PatternLines(text);
}
