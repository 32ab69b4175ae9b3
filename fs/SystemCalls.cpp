#include "SystemCalls.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace {

SystemCalls& RealCalls() {
    static SystemCalls real;
    return real;
}

// Read from worker threads too; tests install before they start work.
std::atomic<SystemCalls*> g_current{nullptr};

}  // namespace

ssize_t SystemCalls::Read(int fd, void* buffer, size_t count) {
    return ::read(fd, buffer, count);
}

ssize_t SystemCalls::Write(int fd, const void* buffer, size_t count) {
    return ::write(fd, buffer, count);
}

ssize_t SystemCalls::CopyFileRange(int inFd, int outFd, size_t count) {
    return ::copy_file_range(inFd, nullptr, outFd, nullptr, count, 0);
}

int SystemCalls::Rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int SystemCalls::Unlink(const char* path) {
    return ::unlink(path);
}

bool SystemCalls::WriteAll(int fd, const void* buffer, size_t count) {
    const char* data = static_cast<const char*>(buffer);
    while (count > 0) {
        const ssize_t written = Write(fd, data, count);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

SystemCalls& SystemCalls::Current() {
    SystemCalls* const current = g_current.load();
    return current != nullptr ? *current : RealCalls();
}

SystemCalls* SystemCalls::Install(SystemCalls* calls) {
    return g_current.exchange(calls);
}
