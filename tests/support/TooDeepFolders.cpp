#include "TooDeepFolders.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace {

const std::string kLevelName = "d" + std::string(250, 'n');
// Enough levels that the bottom lies two levels beyond the limit.
constexpr int kLevels = PATH_MAX / 251 + 3;

int OpenFolderAt(int parent, const std::string& name) {
    return openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Removes the chain below `parent` from the bottom up.
void RemoveChain(int parent, int levels) {
    if (levels == 0) {
        return;
    }
    const int folder = OpenFolderAt(parent, kLevelName);
    if (folder < 0) {
        return;
    }
    RemoveChain(folder, levels - 1);
    unlinkat(folder, "bottom.txt", 0);
    close(folder);
    unlinkat(parent, kLevelName.c_str(), AT_REMOVEDIR);
}

}  // namespace

TooDeepFolders::TooDeepFolders(const std::string& base) : m_base(base) {
    int parent = open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::string path = base;
    for (int level = 0; level < kLevels; ++level) {
        path += "/" + kLevelName;
        if (m_firstUnreachable.empty() && path.size() >= PATH_MAX) {
            m_firstUnreachable = path + "/";
        }
        if (parent < 0 || mkdirat(parent, kLevelName.c_str(), 0755) != 0) {
            throw std::runtime_error("cannot make the deep folders");
        }
        const int folder = OpenFolderAt(parent, kLevelName);
        close(parent);
        parent = folder;
    }
    const int file = openat(parent, "bottom.txt", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (file < 0) {
        throw std::runtime_error("cannot make the deep file");
    }
    close(file);
    close(parent);
}

TooDeepFolders::~TooDeepFolders() {
    const int base = open(m_base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (base >= 0) {
        RemoveChain(base, kLevels);
        close(base);
    }
}
