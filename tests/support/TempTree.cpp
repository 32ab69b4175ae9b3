#include "TempTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempTree::TempTree() {
    std::string pattern = (fs::temp_directory_path() / "vantrel-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_root = pattern;
    chmod(m_root.c_str(), 0755);
}

namespace {

// Gives back the permissions a test took away, so everything can be removed.
void OpenUp(const std::string& folder) {
    chmod(folder.c_str(), 0755);
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        struct stat info {};
        const std::string child = folder + "/" + name;
        if (name != "." && name != ".." && lstat(child.c_str(), &info) == 0 &&
            S_ISDIR(info.st_mode)) {
            OpenUp(child);
        }
    }
    closedir(directory);
}

}  // namespace

TempTree::~TempTree() {
    OpenUp(m_root);
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}

std::string TempTree::Path(const std::string& relative) const {
    return m_root + "/" + relative;
}

std::string TempTree::WriteFile(const std::string& relative, const std::string& content) const {
    const std::string path = Path(relative);
    fs::create_directories(fs::path(path).parent_path());
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out) {
            throw std::runtime_error("cannot write " + path);
        }
    }
    SetTimes(relative, kWrittenTime);
    return path;
}

std::string TempTree::MakeDir(const std::string& relative) const {
    const std::string path = Path(relative);
    fs::create_directories(path);
    return path;
}

std::string TempTree::ReadFile(const std::string& relative) const {
    return ReadWholeFile(Path(relative));
}

bool TempTree::Exists(const std::string& relative) const {
    struct stat info {};
    return lstat(Path(relative).c_str(), &info) == 0;
}

void TempTree::SetTimes(const std::string& relative, int64_t seconds, long nanoseconds) const {
    const struct timespec times[2] = {{static_cast<time_t>(seconds), nanoseconds},
                                      {static_cast<time_t>(seconds), nanoseconds}};
    if (utimensat(AT_FDCWD, Path(relative).c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
        throw std::runtime_error("cannot set times of " + relative);
    }
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
