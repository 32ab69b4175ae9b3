// Times vantrel-compare -r against diff -rq and rsync -rcn --delete on three
// generated tree pairs, warm cache, and prints each time, the ratio to
// diff -rq, and vantrel-compare's peak memory per file: in all, and above
// what a compare of two empty folders takes (the program itself).
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchTrees.h"

namespace {

namespace fs = std::filesystem;

// The peak memory of vantrel-compare on two empty folders.
long ProgramBytes(const fs::path& base) {
    const fs::path empty = base / "empty";
    fs::create_directories(empty / "left");
    fs::create_directories(empty / "right");
    return BestOfThree(
               {VANTREL_COMPARE_PATH, "-r", (empty / "left").string(), (empty / "right").string()})
        .peakMemoryBytes;
}

void Measure(const char* name, const fs::path& root, int files, long programBytes) {
    const std::string left = (root / "left").string(), right = (root / "right").string();
    const CommandRun vantrel = BestOfThree({VANTREL_COMPARE_PATH, "-r", left, right});
    const CommandRun diff = BestOfThree({"diff", "-rq", left, right});
    const CommandRun rsync = BestOfThree({"rsync", "-rcn", "--delete", left + "/", right + "/"});
    std::printf("%-34s %9.3f %9.3f %9.3f %10.2f %12.0f %12.0f\n", name, vantrel.seconds,
                diff.seconds, rsync.seconds, vantrel.seconds / diff.seconds,
                static_cast<double>(vantrel.peakMemoryBytes) / files,
                static_cast<double>(vantrel.peakMemoryBytes - programBytes) / files);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path base = argc > 1 ? fs::path(argv[1]) : BenchTreeBase();
    const fs::path small = GenerateTreePair(base, kSmallFiles);
    const fs::path large = GenerateTreePair(base, kLargeFiles);
    const fs::path changed = GenerateTreePair(base, kSmallFilesChanged);
    const long programBytes = ProgramBytes(base);
    std::printf("vantrel-compare on two empty folders: %.1f MB peak\n", programBytes / 1e6);
    std::printf("%-34s %9s %9s %9s %10s %12s %12s\n", "case (seconds, best of 3)", "vantrel",
                "diff -rq", "rsync", "vs diff", "bytes/file", "above empty");
    Measure("(a) 100 000 x 1 KiB, identical", small, kSmallFiles.files, programBytes);
    Measure("(b) 1 000 x 1 MiB, identical", large, kLargeFiles.files, programBytes);
    Measure("(c) (a) with 1 % changed", changed, kSmallFilesChanged.files, programBytes);
    return 0;
}
