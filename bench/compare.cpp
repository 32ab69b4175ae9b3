// Times vantrel-compare -r against diff -rq and rsync -rcn --delete on three
// generated tree pairs, warm cache, and prints each time, the ratio to
// diff -rq, and vantrel-compare's peak memory per file.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSupport.h"

namespace {

namespace fs = std::filesystem;

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

// Writes a file with a fixed modification time, so that both sides of an
// identical pair agree in time as they do in content.
void WriteFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    const struct timespec times[2] = {{1600000000, 0}, {1600000000, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// `files` files of `size` bytes spread over `folders` folders, on both
// sides; every `changeEvery`-th right file (0: none) differs in its last byte.
void GeneratePair(const fs::path& root, int files, int folders, size_t size, int changeEvery) {
    if (fs::exists(root / "done") && fs::file_size(root / "done") > 0) {
        return;
    }
    std::printf("generating %s ...\n", root.c_str());
    std::fflush(stdout);
    for (int i = 0; i < files; ++i) {
        const std::string relative =
            "d" + std::to_string(i % folders) + "/file" + std::to_string(i) + ".dat";
        std::string content = Content(size, static_cast<unsigned>(i));
        WriteFile(root / "left" / relative, content);
        if (changeEvery != 0 && i % changeEvery == 0) {
            content.back() = static_cast<char>(content.back() ^ 1);
        }
        WriteFile(root / "right" / relative, content);
    }
    std::ofstream(root / "done") << "with fixed times";
}

// The fastest of three runs after one warm-up run.
CommandRun Best(const std::vector<std::string>& command) {
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

void Measure(const char* name, const fs::path& root, int files) {
    const std::string left = (root / "left").string(), right = (root / "right").string();
    const CommandRun vantrel = Best({VANTREL_COMPARE_PATH, "-r", left, right});
    const CommandRun diff = Best({"diff", "-rq", left, right});
    const CommandRun rsync = Best({"rsync", "-rcn", "--delete", left + "/", right + "/"});
    std::printf("%-34s %9.3f %9.3f %9.3f %10.2f %12.0f\n", name, vantrel.seconds, diff.seconds,
                rsync.seconds, vantrel.seconds / diff.seconds,
                static_cast<double>(vantrel.peakMemoryBytes) / files);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path base = argc > 1 ? argv[1] : "/tmp/vantrel-bench-compare";
    GeneratePair(base / "a", 100000, 1000, 1024, 0);
    GeneratePair(base / "b", 1000, 10, 1 << 20, 0);
    GeneratePair(base / "c", 100000, 1000, 1024, 100);
    std::printf("%-34s %9s %9s %9s %10s %12s\n", "case (seconds, best of 3)", "vantrel", "diff -rq",
                "rsync", "vs diff", "bytes/file");
    Measure("(a) 100 000 x 1 KiB, identical", base / "a", 100000);
    Measure("(b) 1 000 x 1 MiB, identical", base / "b", 1000);
    Measure("(c) (a) with 1 % changed", base / "c", 100000);
    return 0;
}
