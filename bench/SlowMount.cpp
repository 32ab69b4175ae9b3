#include "SlowMount.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <fstream>
#include <thread>

#include "BenchSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr auto kPollStep = std::chrono::milliseconds(20);
constexpr int kPollSteps = 500;  // 10 s for a mount to come up or go away

// True once `child` has ended (it is then reaped), within the bounded wait.
bool WaitForExit(pid_t child) {
    for (int step = 0; step < kPollSteps; ++step) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) != 0) {
            return true;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return false;
}

std::string LastLine(const fs::path& file) {
    std::ifstream log(file);
    std::string line, last = "(no message)";
    while (std::getline(log, line)) {
        last = line.empty() ? last : line;
    }
    return last;
}

}  // namespace

SlowMount::SlowMount(const std::string& slowFsProgram, const fs::path& source,
                     const fs::path& mountPoint, int delayMicroseconds)
    : m_mountPoint(mountPoint),
      m_countsFile(mountPoint.string() + ".counts"),
      m_logFile(mountPoint.string() + ".log") {
    RunCommand({"fusermount3", "-u", "-q", m_mountPoint.string()});  // left by a killed run
    fs::create_directories(m_mountPoint);
    fs::remove(m_countsFile);
    const std::string delay = std::to_string(delayMicroseconds);
    const std::vector<std::string> arguments = {
        slowFsProgram, source.string(), m_mountPoint.string(), delay, m_countsFile.string()};
    std::vector<char*> argv = ArgumentVector(arguments);
    // libfuse's own notices go to a log, read back when the mount fails.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, m_logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int spawned = posix_spawn(&m_child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        m_child = -1;
        m_error = "cannot start " + slowFsProgram;
    } else if (!WaitUntilMounted()) {
        Unmount();
    }
}

SlowMount::~SlowMount() {
    Unmount();
}

bool SlowMount::WaitUntilMounted() {
    struct stat parent {};
    stat(m_mountPoint.parent_path().c_str(), &parent);
    for (int step = 0; step < kPollSteps; ++step) {
        struct stat mounted {};
        if (stat(m_mountPoint.c_str(), &mounted) == 0 && mounted.st_dev != parent.st_dev) {
            return true;
        }
        int status = 0;
        if (waitpid(m_child, &status, WNOHANG) == m_child) {
            m_child = -1;
            m_error = "the file system did not mount: " + LastLine(m_logFile);
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    m_error = "the file system did not come up within 10 s";
    return false;
}

SlowMount::Counts SlowMount::Unmount() {
    Counts counts;
    if (m_child < 0) {
        return counts;
    }
    RunCommand({"fusermount3", "-u", m_mountPoint.string()});
    if (!WaitForExit(m_child)) {
        // Busy or hung: detach the mount and stop the file system.
        RunCommand({"fusermount3", "-u", "-z", m_mountPoint.string()});
        kill(m_child, SIGTERM);
        if (!WaitForExit(m_child)) {
            kill(m_child, SIGKILL);
            waitpid(m_child, nullptr, 0);
        }
    }
    m_child = -1;
    std::ifstream(m_countsFile) >> counts.operations >> counts.mostInFlight;
    return counts;
}
