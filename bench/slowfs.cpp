// A read-only passthrough file system that waits a set time in every
// operation, so that a compare can be timed against a slow network share.
// It counts the operations and the most requests in flight at once and
// writes both to a file when it is unmounted:
//   bench_slowfs SOURCE MOUNTPOINT DELAY_MICROSECONDS COUNTS_FILE
// It stays in the foreground; unmount it with `fusermount3 -u MOUNTPOINT`.
#define FUSE_USE_VERSION 31

#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

std::string g_source;
std::chrono::microseconds g_delay{0};
std::atomic<long> g_operations{0};
std::atomic<int> g_inFlight{0};
std::atomic<int> g_mostInFlight{0};

// Counts one operation for its lifetime and waits the delay first.
class SlowOperation {
  public:
    SlowOperation() {
        ++g_operations;
        const int now = ++g_inFlight;
        int most = g_mostInFlight.load();
        while (now > most && !g_mostInFlight.compare_exchange_weak(most, now)) {
        }
        if (g_delay.count() > 0) {
            std::this_thread::sleep_for(g_delay);
        }
    }
    ~SlowOperation() { --g_inFlight; }
    SlowOperation(const SlowOperation&) = delete;
    SlowOperation& operator=(const SlowOperation&) = delete;
};

std::string Source(const char* path) {
    return g_source + path;
}

int Result(int value) {
    return value < 0 ? -errno : value;
}

void* Init(fuse_conn_info*, fuse_config* config) {
    // Every request reaches this file system: no attribute, name or page cache.
    config->attr_timeout = 0;
    config->entry_timeout = 0;
    config->negative_timeout = 0;
    config->direct_io = 1;
    config->kernel_cache = 0;
    config->auto_cache = 0;
    return nullptr;
}

int GetAttr(const char* path, struct stat* status, fuse_file_info*) {
    const SlowOperation operation;
    return Result(lstat(Source(path).c_str(), status));
}

int Access(const char* path, int mode) {
    const SlowOperation operation;
    return Result(access(Source(path).c_str(), mode));
}

int ReadLink(const char* path, char* buffer, size_t size) {
    const SlowOperation operation;
    const ssize_t length = readlink(Source(path).c_str(), buffer, size - 1);
    if (length < 0) {
        return -errno;
    }
    buffer[length] = '\0';
    return 0;
}

int OpenDir(const char* path, fuse_file_info* file) {
    const SlowOperation operation;
    DIR* folder = opendir(Source(path).c_str());
    if (folder == nullptr) {
        return -errno;
    }
    file->fh = reinterpret_cast<uint64_t>(folder);
    return 0;
}

int ReadDir(const char*, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info* file,
            fuse_readdir_flags) {
    const SlowOperation operation;
    DIR* folder = reinterpret_cast<DIR*>(file->fh);
    rewinddir(folder);
    while (const dirent* entry = readdir(folder)) {
        if (fill(buffer, entry->d_name, nullptr, 0, static_cast<fuse_fill_dir_flags>(0)) != 0) {
            break;
        }
    }
    return 0;
}

int ReleaseDir(const char*, fuse_file_info* file) {
    const SlowOperation operation;
    closedir(reinterpret_cast<DIR*>(file->fh));
    return 0;
}

int Open(const char* path, fuse_file_info* file) {
    const SlowOperation operation;
    if ((file->flags & O_ACCMODE) != O_RDONLY) {
        return -EROFS;
    }
    const int fd = open(Source(path).c_str(), file->flags);
    if (fd < 0) {
        return -errno;
    }
    file->fh = static_cast<uint64_t>(fd);
    return 0;
}

int Read(const char*, char* buffer, size_t size, off_t offset, fuse_file_info* file) {
    const SlowOperation operation;
    const ssize_t count = pread(static_cast<int>(file->fh), buffer, size, offset);
    return count < 0 ? -errno : static_cast<int>(count);
}

int Flush(const char*, fuse_file_info*) {
    const SlowOperation operation;
    return 0;
}

int Release(const char*, fuse_file_info* file) {
    const SlowOperation operation;
    close(static_cast<int>(file->fh));
    return 0;
}

int StatFs(const char* path, struct statvfs* status) {
    const SlowOperation operation;
    return Result(statvfs(Source(path).c_str(), status));
}

fuse_operations Operations() {
    fuse_operations operations{};
    operations.init = Init;
    operations.getattr = GetAttr;
    operations.access = Access;
    operations.readlink = ReadLink;
    operations.opendir = OpenDir;
    operations.readdir = ReadDir;
    operations.releasedir = ReleaseDir;
    operations.open = Open;
    operations.read = Read;
    operations.flush = Flush;
    operations.release = Release;
    operations.statfs = StatFs;
    return operations;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s SOURCE MOUNTPOINT DELAY_MICROSECONDS COUNTS_FILE\n",
                     argv[0]);
        return 2;
    }
    g_source = argv[1];
    g_delay = std::chrono::microseconds(std::strtol(argv[3], nullptr, 10));
    const std::string countsFile = argv[4];
    char options[] = "ro,attr_timeout=0,entry_timeout=0,negative_timeout=0,max_threads=16";
    char foreground[] = "-f", option[] = "-o";
    char* fuseArguments[] = {argv[0], foreground, option, options, argv[2], nullptr};
    const fuse_operations operations = Operations();
    const int status = fuse_main(5, fuseArguments, &operations, nullptr);
    if (FILE* counts = std::fopen(countsFile.c_str(), "w")) {
        std::fprintf(counts, "%ld %d\n", g_operations.load(), g_mostInFlight.load());
        std::fclose(counts);
    }
    return status;
}
