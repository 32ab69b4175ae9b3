#include "ZrFileCopy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "InterruptedCopyCleanup.h"
#include "PathText.h"
#include "StaleTemporaryFiles.h"
#include "SystemCalls.h"
#include "TemporaryFile.h"
#include "TraceLog.h"
#include "UniqueFd.h"

namespace {

constexpr size_t kCopyChunk = 8u << 20;     // bytes per in-kernel copy request
constexpr size_t kBufferSize = 256u << 10;  // bytes per read/write when copying by hand

// Writes one failure line to the trace log, with ": " and the reason after
// the message when `logReason` is set, and hands `reason` to the caller.
void Report(std::string* reasonOut, const std::string& reason, bool logReason, const char* format,
            va_list arguments) {
    char message[512];
    std::vsnprintf(message, sizeof message, format, arguments);
    TraceLogText(logReason ? message + (": " + reason) : std::string(message));
    if (reasonOut != nullptr) {
        *reasonOut = reason;
    }
}

// The copy's result, 0, for a failure found by this routine: its log line does not repeat the
// reason.
int Fail(std::string* reasonOut, const std::string& reason, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
int Fail(std::string* reasonOut, const std::string& reason, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    Report(reasonOut, reason, false, format, arguments);
    va_end(arguments);
    return 0;
}

// The copy's result, 0, for a system call that failed, errno saying why;
// the log line says it too.
int FailOnError(std::string* reasonOut, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
int FailOnError(std::string* reasonOut, const char* format, ...) {
    const std::string reason = std::strerror(errno);
    va_list arguments;
    va_start(arguments, format);
    Report(reasonOut, reason, true, format, arguments);
    va_end(arguments);
    return 0;
}

std::string NotRegularReason(const struct stat& info) {
    return S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
}

// Opens a file that was found to be a regular file, with an advisory lock.
// Not open, with `reason` set, when it cannot be opened, is no longer a
// regular file (never a FIFO or device) or is locked by another. `info`
// receives the status of what was opened.
UniqueFd OpenLocked(const std::string& path, int flags, int lockKind, struct stat& info,
                    std::string& reason) {
    UniqueFd fd(open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.IsOpen() || fstat(fd.Get(), &info) != 0) {
        reason = std::strerror(errno);
        return UniqueFd();
    }
    if (!S_ISREG(info.st_mode)) {
        reason = NotRegularReason(info);
        return UniqueFd();
    }
    if (flock(fd.Get(), lockKind | LOCK_NB) != 0) {
        reason = errno == EWOULDBLOCK ? "Locked by another program" : std::strerror(errno);
        return UniqueFd();
    }
    return fd;
}

// What stands at the target's path, from one look at its entry.
struct TargetEntry {
    std::string path;     // where the content goes: through a link, to the file it names
    bool exists = false;  // a file or folder is there (a link to nothing is not)
    std::string refusal;  // why it cannot be replaced; empty when it can (or nothing is there)
};

TargetEntry LookAtTarget(const std::string& target) {
    TargetEntry entry;
    entry.path = target;
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0) {
        return entry;  // nothing there, or unreachable: creating the copy says why
    }
    if (S_ISLNK(info.st_mode)) {
        std::unique_ptr<char, decltype(&free)> resolved(realpath(target.c_str(), nullptr), &free);
        if (!resolved || lstat(resolved.get(), &info) != 0) {
            entry.refusal = std::strerror(errno);  // a file does not take the place of the link
            return entry;
        }
        entry.path = resolved.get();
    }
    entry.exists = true;
    if (!S_ISREG(info.st_mode)) {
        entry.refusal = NotRegularReason(info);
    } else if ((info.st_mode & S_IWUSR) == 0) {
        entry.refusal = std::strerror(EACCES);  // read-only to its owner, whoever we are
    }
    return entry;
}

// Stops a copy under way once a signal ends the program.
bool Interrupted() {
    if (InterruptedCopyCleanup::SignalArrived()) {
        errno = EINTR;
        return true;
    }
    return false;
}

// Copies up to `count` bytes from the descriptors' offsets, fewer when the
// source ends first.
bool CopyByHand(SystemCalls& calls, int in, int out, uint64_t count) {
    std::vector<char> buffer(kBufferSize);
    while (count > 0 && !Interrupted()) {
        const ssize_t got = calls.Read(in, buffer.data(), std::min<uint64_t>(buffer.size(), count));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (!calls.WriteAll(out, buffer.data(), static_cast<size_t>(got))) {
            return false;
        }
        count -= static_cast<uint64_t>(got);
    }
    return count == 0;
}

// Copies up to `count` bytes from the descriptors' offsets, in the kernel
// where the file systems allow it.
bool CopyStretch(int in, int out, uint64_t count) {
    SystemCalls& calls = SystemCalls::Current();
    bool copiedAny = false;
    while (count > 0 && !Interrupted()) {
        const ssize_t copied = calls.CopyFileRange(in, out, std::min<uint64_t>(kCopyChunk, count));
        if (copied > 0) {
            copiedAny = true;
            count -= static_cast<uint64_t>(copied);
            continue;
        }
        if (copied == 0) {
            return true;
        }
        if (errno == EINTR) {
            continue;
        }
        const bool unsupported = errno == EXDEV || errno == ENOSYS || errno == EINVAL ||
                                 errno == EOPNOTSUPP || errno == EPERM;
        if (copiedAny || !unsupported) {
            return false;
        }
        return CopyByHand(calls, in, out, count);
    }
    return count == 0;
}

// A file with holes: only its data ranges are copied, each to the same
// offset, and the copy is given the source's size, so its holes stay holes
// and it takes no more disk than the source. False with errno set to
// EOPNOTSUPP when the file system cannot say where the data lies.
bool CopyDataRanges(int in, int out, off_t size) {
    off_t data = lseek(in, 0, SEEK_DATA);
    if (data < 0 && errno != ENXIO) {
        errno = EOPNOTSUPP;
        return false;
    }
    while (data >= 0 && data < size) {
        const off_t hole = lseek(in, data, SEEK_HOLE);
        if (hole < 0 || lseek(in, data, SEEK_SET) < 0 || lseek(out, data, SEEK_SET) < 0 ||
            !CopyStretch(in, out, static_cast<uint64_t>(std::min(hole, size) - data))) {
            return false;
        }
        data = lseek(in, hole, SEEK_DATA);
        if (data < 0 && errno != ENXIO) {
            return false;
        }
    }
    // A source that shrank meanwhile gives a copy of its new size, not one
    // padded with zeros.
    struct stat now {};
    return fstat(in, &now) == 0 && ftruncate(out, std::min(size, now.st_size)) == 0;
}

// Copies the whole content. A file whose blocks hold less than its size
// has holes, and keeps them.
bool CopyContent(int in, int out, const struct stat& info) {
    constexpr off_t kBlockUnit = 512;  // st_blocks counts these
    if (info.st_blocks * kBlockUnit < info.st_size) {
        if (CopyDataRanges(in, out, info.st_size)) {
            return true;
        }
        if (errno != EOPNOTSUPP || lseek(in, 0, SEEK_SET) < 0 || lseek(out, 0, SEEK_SET) < 0) {
            return false;
        }
    }
    // The size known, one request usually copies it all; a file that tells
    // no size (as some system files do) is read to its end.
    return CopyStretch(in, out,
                       info.st_size > 0 ? static_cast<uint64_t>(info.st_size) : UINT64_MAX);
}

mode_t DefaultFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

int ZrFileCopy(const std::string& source, const std::string& target, bool overwrite,
               bool keepAttributes, std::string* reason) {
    struct stat sourceInfo {};
    if (stat(source.c_str(), &sourceInfo) != 0) {
        return Fail(reason, std::strerror(errno),
                    "ERROR: ZrFileCopy failed.  Source file does not exist: \"%s\"",
                    source.c_str());
    }
    const TargetEntry entry = LookAtTarget(target);
    if (entry.exists && !overwrite) {
        return Fail(reason, std::strerror(EEXIST),
                    "ERROR: ZrFileCopy failed.  Target file exists and overwrite flag was not "
                    "specified: \"%s\"",
                    target.c_str());
    }
    std::string why = S_ISREG(sourceInfo.st_mode) ? "" : NotRegularReason(sourceInfo);
    const UniqueFd in =
        why.empty() ? OpenLocked(source, O_RDONLY, LOCK_SH, sourceInfo, why) : UniqueFd();
    if (!in.IsOpen()) {
        return Fail(reason, why, "ERROR: ZrFileCopy failed.  Unable to open source file \"%s\"",
                    source.c_str());
    }

    // An existing target must be a writable regular file that no one else
    // holds locked; it stays locked until it has been replaced.
    const auto cannotCreate = [&] {
        return Fail(reason, why,
                    "ERROR: ZrFileCopy failed.  Unable to open/create target file \"%s\"",
                    target.c_str());
    };
    if (!entry.refusal.empty()) {
        why = entry.refusal;
        return cannotCreate();
    }
    const std::string& destination = entry.path;
    struct stat oldInfo {};
    const UniqueFd oldTarget =
        entry.exists ? OpenLocked(destination, O_WRONLY, LOCK_EX, oldInfo, why) : UniqueFd();
    if (entry.exists && !oldTarget.IsOpen()) {
        return cannotCreate();
    }
    static StaleTemporaryFiles staleFiles;
    staleFiles.RemoveFrom(GetFolderOfPath(destination));
    TemporaryFile copy(destination);
    if (!copy.IsOpen()) {
        why = std::strerror(copy.Error());
        return cannotCreate();
    }

    const auto cannotCopy = [&] {
        return FailOnError(reason, "ERROR: ZrFileCopy failed.  Unable to copy \"%s\" to \"%s\"",
                           source.c_str(), target.c_str());
    };
    if (!CopyContent(in.Get(), copy.Fd(), sourceInfo)) {
        return cannotCopy();
    }
    const mode_t mode = keepAttributes ? (sourceInfo.st_mode & 07777) : DefaultFileMode();
    const struct timespec times[2] = {sourceInfo.st_atim, sourceInfo.st_mtim};
    if (fchmod(copy.Fd(), mode) != 0 || futimens(copy.Fd(), times) != 0) {
        return FailOnError(
            reason, "ERROR: ZrFileCopy failed.  Unable to set times and permissions of \"%s\"",
            target.c_str());
    }
    if (!copy.Close()) {
        return cannotCopy();
    }
    if (!copy.Commit(destination)) {
        return FailOnError(reason,
                           "ERROR: ZrFileCopy failed.  Unable to replace target file \"%s\"",
                           target.c_str());
    }
    return 1;
}
