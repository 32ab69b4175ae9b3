#include "ChildProcess.h"

#include <sys/wait.h>

#include <csignal>
#include <thread>

namespace {

std::vector<std::string> Environment(const std::vector<std::string>& settings) {
    std::vector<std::string> environment = settings;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string inherited = *variable;
        const std::string name = inherited.substr(0, inherited.find('=') + 1);
        bool replaced = false;
        for (const std::string& setting : settings) {
            replaced = replaced || setting.starts_with(name);
        }
        if (!replaced) {
            environment.push_back(inherited);
        }
    }
    return environment;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

pid_t SpawnChild(std::vector<std::string> arguments, const posix_spawn_file_actions_t* actions,
                 const std::vector<std::string>& settings) {
    std::vector<std::string> environment = Environment(settings);
    const std::vector<char*> argv = Pointers(arguments);
    const std::vector<char*> envp = Pointers(environment);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    pid_t child = -1;
    if (posix_spawn(&child, argv[0], actions, &attributes, argv.data(), envp.data()) != 0) {
        child = -1;
    }
    posix_spawnattr_destroy(&attributes);
    return child;
}

int WaitForChild(pid_t child, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return status;
}
