#include "Unprivileged.h"

#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace {
constexpr uid_t kNobody = 65534;
}

std::string RunUnprivileged(const std::function<std::string()>& work) {
    if (geteuid() != 0) {
        return work();
    }
    int channel[2];
    if (pipe(channel) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        const std::string result = work();
        const ssize_t written = write(channel[1], result.data(), result.size());
        _exit(written == static_cast<ssize_t>(result.size()) ? 0 : 3);
    }
    close(channel[1]);
    std::string result;
    char buffer[4096];
    ssize_t got;
    while ((got = read(channel[0], buffer, sizeof buffer)) > 0) {
        result.append(buffer, static_cast<size_t>(got));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("unprivileged child failed");
    }
    return result;
}
