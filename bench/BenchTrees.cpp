#include "BenchTrees.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>

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

void WriteFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    const struct timespec times[2] = {{1600000000, 0}, {1600000000, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
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
    std::printf("generating %s ...\n", root.c_str());
    std::fflush(stdout);
    for (int i = 0; i < pair.files; ++i) {
        const std::string relative =
            "d" + std::to_string(i % pair.folders) + "/file" + std::to_string(i) + ".dat";
        std::string content = Content(pair.fileSize, static_cast<unsigned>(i));
        WriteFile(root / "left" / relative, content);
        if (pair.changeEvery != 0 && i % pair.changeEvery == 0) {
            content.back() = static_cast<char>(content.back() ^ 1);
        }
        WriteFile(root / "right" / relative, content);
    }
    std::ofstream(root / "done") << "with fixed times";
    return root;
}

CommandRun BestOfThree(const std::vector<std::string>& command) {
    RunCommand(command);
    CommandRun best;
    for (int i = 0; i < 3; ++i) {
        const CommandRun run = RunCommand(command);
        if (best.seconds < 0 || run.seconds < best.seconds) {
            best = run;
        }
    }
    return best;
}
