#include "BenchTrees.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

// Deterministic content of `size` bytes for file number `seed`.
std::string Content(size_t size, unsigned seed) {
    std::string content(size, '\0');
    unsigned state = seed * 2654435761u + 1;
    for (char& c : content) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 16);
    }
    return content;
}

// Plain open and write: a million files are written in minutes, not hours.
void WriteFile(const fs::path& path, const std::string& content) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw std::runtime_error("cannot create " + path.string());
    }
    const bool written =
        write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
    const struct timespec times[2] = {{1600000000, 0}, {1600000000, 0}};
    futimens(fd, times);
    close(fd);
    if (!written) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string RelativePath(const TreePair& pair, int i) {
    return "d" + std::to_string(i % pair.folders) + "/file" + std::to_string(i) + ".dat";
}

// Whether file i is among one in `every` (0: none), spread over many folders
// rather than gathered in the few whose number fits a pattern; a different
// `pick` chooses different files.
bool Picked(int i, int every, unsigned pick) {
    return every != 0 && (static_cast<unsigned>(i) * 2654435761u >> 8) % every == pick;
}

}  // namespace

fs::path BenchTreeBase() {
    return "/tmp/vantrel-bench-compare";
}

fs::path GenerateTreePair(const fs::path& base, const TreePair& pair) {
    const fs::path root = base / pair.name;
    if (fs::exists(root / "done") && fs::file_size(root / "done") > 0) {
        return root;
    }
    std::printf("generating %d files in %s ...\n", pair.files, root.c_str());
    std::fflush(stdout);
    for (int folder = 0; folder < pair.folders; ++folder) {
        fs::create_directories(root / "left" / ("d" + std::to_string(folder)));
        fs::create_directories(root / "right" / ("d" + std::to_string(folder)));
    }
    for (int i = 0; i < pair.files; ++i) {
        const std::string relative = RelativePath(pair, i);
        const size_t size = pair.fileSize + static_cast<size_t>(i) % (pair.sizeSpread + 1);
        std::string content = Content(size, static_cast<unsigned>(i));
        WriteFile(root / "left" / relative, content);
        if (Picked(i, pair.deleteEvery, 0)) {
            continue;
        }
        if (Picked(i, pair.changeEvery, 1)) {
            content.back() = static_cast<char>(content.back() ^ 1);
        }
        WriteFile(root / "right" / relative, content);
    }
    std::ofstream(root / "done") << "with fixed times";
    return root;
}
