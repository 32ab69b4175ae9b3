#pragma once

#include <sys/types.h>

#include <cstddef>

// The system calls through which files are changed and that can fail in
// ways a test cannot easily provoke (a full disk, an I/O error). Tests
// install a subclass to inject such failures; each call returns what the
// system call returns and sets errno the same way.
class SystemCalls {
  public:
    virtual ~SystemCalls() = default;
    virtual ssize_t Read(int fd, void* buffer, size_t count);
    virtual ssize_t Write(int fd, const void* buffer, size_t count);
    virtual ssize_t CopyFileRange(int inFd, int outFd, size_t count);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);

    // Writes all `count` bytes through Write, going on after a partial or
    // interrupted write; false, with errno set, at the first failure.
    bool WriteAll(int fd, const void* buffer, size_t count);

    // The calls in use: the real ones unless a test installed others.
    static SystemCalls& Current();
    // Makes `calls` current (nullptr restores the real ones); returns the
    // previous ones.
    static SystemCalls* Install(SystemCalls* calls);
};
