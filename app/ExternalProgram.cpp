#include "ExternalProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/utils.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "UniqueFd.h"

extern char** environ;

namespace {

constexpr size_t kOutputLimit = 64 * 1024;

std::string SearchPath() {
    if (const char* path = std::getenv("PATH")) {
        return path;
    }
    std::string defaults(confstr(_CS_PATH, nullptr, 0), '\0');
    confstr(_CS_PATH, defaults.data(), defaults.size());
    defaults.resize(defaults.empty() ? 0 : defaults.size() - 1);  // its terminating zero
    return defaults;
}

bool IsExecutableFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// The arguments as the system calls take them; they point into `command`.
std::vector<char*> ArgumentPointers(const std::vector<std::string>& command) {
    std::vector<char*> arguments;
    for (const std::string& argument : command) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    return arguments;
}

pid_t SpawnWithOutputTo(const std::vector<std::string>& command, int output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    std::vector<char*> arguments = ArgumentPointers(command);
    const int error =
        posix_spawn(&pid, command.front().c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// Reads `fd` to its end; false when the deadline or the size limit comes
// first.
bool ReadToEnd(int fd, std::chrono::steady_clock::time_point deadline, std::string& text) {
    char buffer[4096];
    while (text.size() <= kOutputLimit) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno != EINTR) {
            return false;
        }
        if (polled <= 0) {
            continue;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) {
            return true;
        }
        if (got < 0 && errno != EINTR) {
            return false;
        }
        if (got > 0) {
            text.append(buffer, static_cast<size_t>(got));
        }
    }
    return false;
}

// A child that is still running once its answer is in, or too late, is
// stopped; either way it is reaped.
void EndChild(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
        return;
    }
    kill(pid, SIGKILL);
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

std::string FindProgram(std::string_view name) {
    const std::string folders = SearchPath();
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        start = end + 1;
        if (folder.starts_with('/')) {
            const std::string candidate = folder + "/" + std::string(name);
            if (IsExecutableFile(candidate)) {
                return candidate;
            }
        }
    }
    return {};
}

std::optional<std::string> RunForOutput(const std::vector<std::string>& command,
                                        std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int ends[2];
    if (command.empty() || pipe2(ends, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    UniqueFd readEnd(ends[0]);
    UniqueFd writeEnd(ends[1]);
    const pid_t pid = SpawnWithOutputTo(command, writeEnd.Get());
    writeEnd.Close();
    if (pid < 0) {
        return std::nullopt;
    }
    std::string output;
    const bool finished = ReadToEnd(readEnd.Get(), deadline, output);
    EndChild(pid);
    return finished ? std::optional<std::string>(std::move(output)) : std::nullopt;
}

bool StartProgram(const std::vector<std::string>& command) {
    if (command.empty()) {
        return false;
    }
    std::vector<char*> arguments = ArgumentPointers(command);
    // The toolkit reaps the child when it ends.
    return wxExecute(arguments.data(), wxEXEC_ASYNC) > 0;
}

bool StartSuccessor(const std::vector<std::string>& command) {
    if (command.empty()) {
        return false;
    }
    pid_t pid = -1;
    std::vector<char*> arguments = ArgumentPointers(command);
    return posix_spawn(&pid, command.front().c_str(), nullptr, nullptr, arguments.data(),
                       environ) == 0;
}
