#include "ZrFileCopy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "FileQueries.h"
#include "PathText.h"
#include "SystemCalls.h"
#include "TraceLog.h"
#include "UniqueFd.h"

namespace {

constexpr size_t kCopyChunk = 8u << 20;     // bytes per in-kernel copy request
constexpr size_t kBufferSize = 256u << 10;  // bytes per read/write when copying by hand

void LogFailure(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogFailure(const char* format, ...) {
    char message[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    TraceLogText(message);
}

// Opens a regular file with an advisory lock; -1 when it cannot be opened,
// is not a regular file (never a FIFO or device) or is locked by another.
UniqueFd OpenLocked(const std::string& path, int flags, int lockKind, struct stat& info) {
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return UniqueFd();
    }
    UniqueFd fd(open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.IsOpen() || fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        flock(fd.Get(), lockKind | LOCK_NB) != 0) {
        return UniqueFd();
    }
    return fd;
}

// Opens an existing target for replacing; not open when it is read-only
// (its owner lacks write permission, whoever we are) or cannot be opened.
UniqueFd OpenWritableTarget(const std::string& path) {
    struct stat info {};
    UniqueFd fd = OpenLocked(path, O_WRONLY, LOCK_EX, info);
    return (info.st_mode & S_IWUSR) != 0 ? std::move(fd) : UniqueFd();
}

// Where the content really goes: through a link to the file it names.
std::string ResolveTarget(const std::string& target) {
    struct stat info {};
    if (lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        std::unique_ptr<char, decltype(&free)> resolved(realpath(target.c_str(), nullptr), &free);
        if (resolved) {
            return resolved.get();
        }
    }
    return target;
}

bool WriteAll(SystemCalls& calls, int fd, const char* data, size_t count) {
    while (count > 0) {
        const ssize_t written = calls.Write(fd, data, count);
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

bool CopyByHand(SystemCalls& calls, int in, int out) {
    std::vector<char> buffer(kBufferSize);
    for (;;) {
        const ssize_t got = calls.Read(in, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (!WriteAll(calls, out, buffer.data(), static_cast<size_t>(got))) {
            return false;
        }
    }
}

// Copies the whole content, in the kernel where the file systems allow it.
bool CopyContent(int in, int out) {
    SystemCalls& calls = SystemCalls::Current();
    bool copiedAny = false;
    for (;;) {
        const ssize_t copied = calls.CopyFileRange(in, out, kCopyChunk);
        if (copied > 0) {
            copiedAny = true;
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
        return CopyByHand(calls, in, out);
    }
}

mode_t DefaultFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A temporary file beside `target`, removed again unless Commit succeeds.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& target) {
        std::string folder = GetFolderOfPath(target);
        m_path = (folder.empty() ? std::string("./") : folder) + ".vantrel-XXXXXX";
        m_fd = UniqueFd(mkostemp(m_path.data(), O_CLOEXEC));
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        m_fd.Close();
        if (!m_bCommitted) {
            SystemCalls::Current().Unlink(m_path.c_str());
        }
    }

    bool IsOpen() const { return m_fd.IsOpen(); }
    int Fd() const { return m_fd.Get(); }
    bool Close() { return m_fd.Close(); }
    bool Commit(const std::string& target) {
        m_bCommitted = SystemCalls::Current().Rename(m_path.c_str(), target.c_str()) == 0;
        return m_bCommitted;
    }

  private:
    std::string m_path;
    UniqueFd m_fd;
    bool m_bCommitted = false;
};

}  // namespace

int ZrFileCopy(const std::string& source, const std::string& target, bool overwrite,
               bool keepAttributes) {
    if (!FileExists(source)) {
        LogFailure("ERROR: ZrFileCopy failed.  Source file does not exist: \"%s\"", source.c_str());
        return 0;
    }
    if (FileExists(target) && !overwrite) {
        LogFailure(
            "ERROR: ZrFileCopy failed.  Target file exists and overwrite flag was not "
            "specified: \"%s\"",
            target.c_str());
        return 0;
    }
    struct stat sourceInfo {};
    const UniqueFd in = OpenLocked(source, O_RDONLY, LOCK_SH, sourceInfo);
    if (!in.IsOpen()) {
        LogFailure("ERROR: ZrFileCopy failed.  Unable to open source file \"%s\"", source.c_str());
        return 0;
    }

    // An existing target must be a writable regular file that no one else
    // holds locked; it stays locked until it has been replaced.
    const std::string destination = ResolveTarget(target);
    const bool replacing = PathExists(destination);
    const UniqueFd oldTarget = replacing ? OpenWritableTarget(destination) : UniqueFd();
    TemporaryFile copy(destination);
    if ((replacing && !oldTarget.IsOpen()) || !copy.IsOpen()) {
        LogFailure("ERROR: ZrFileCopy failed.  Unable to open/create target file \"%s\"",
                   target.c_str());
        return 0;
    }

    if (!CopyContent(in.Get(), copy.Fd())) {
        LogFailure("ERROR: ZrFileCopy failed.  Unable to copy \"%s\" to \"%s\": %s", source.c_str(),
                   target.c_str(), std::strerror(errno));
        return 0;
    }
    const mode_t mode = keepAttributes ? (sourceInfo.st_mode & 07777) : DefaultFileMode();
    const struct timespec times[2] = {sourceInfo.st_atim, sourceInfo.st_mtim};
    if (fchmod(copy.Fd(), mode) != 0 || futimens(copy.Fd(), times) != 0) {
        LogFailure("ERROR: ZrFileCopy failed.  Unable to set times and permissions of \"%s\": %s",
                   target.c_str(), std::strerror(errno));
        return 0;
    }
    if (!copy.Close()) {
        LogFailure("ERROR: ZrFileCopy failed.  Unable to copy \"%s\" to \"%s\": %s", source.c_str(),
                   target.c_str(), std::strerror(errno));
        return 0;
    }
    if (!copy.Commit(destination)) {
        LogFailure("ERROR: ZrFileCopy failed.  Unable to replace target file \"%s\": %s",
                   target.c_str(), std::strerror(errno));
        return 0;
    }
    return 1;
}
