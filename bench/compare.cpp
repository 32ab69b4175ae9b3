// Times vantrel-compare -r against diff -rq (and rsync -rcn) on generated
// tree pairs and prints, per case, the median wall and processor times,
// their ratios to diff -rq and each program's peak memory per file; then
// the same through a slow file system. With --quick only the cases under
// 100 000 files run. An optional folder argument replaces the tree base.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchTrees.h"
#include "CompareTable.h"
#include "SlowFsCompare.h"

namespace {

namespace fs = std::filesystem;

void MeasureCase(const std::string& title, const fs::path& root, const TreePair& pair,
                 bool withRsync, const std::function<void()>& beforeEachRun = {}) {
    const std::string left = (root / "left").string(), right = (root / "right").string();
    const std::vector<CompareProgram> programs = ComparePrograms(withRsync);
    std::vector<Measurement> measurements;
    for (const CompareProgram& program : programs) {
        measurements.push_back(CommandMeasurement(program.arguments(left, right)));
    }
    PrintCompareCase(title, programs, MedianOfInterleavedRuns(measurements, 5, beforeEachRun),
                     pair.files);
}

// Empties the kernel's page, name and attribute caches; why not, or "".
std::string DropCaches() {
    if (geteuid() != 0) {
        return "not running as root";
    }
    sync();
    std::ofstream dropCaches("/proc/sys/vm/drop_caches");
    if (!(dropCaches << "3" << std::flush)) {
        return std::string("cannot write /proc/sys/vm/drop_caches: ") + std::strerror(errno);
    }
    return "";
}

void MeasureColdCache(const fs::path& small) {
    const std::string title = "(a) cold cache: caches dropped before every run";
    if (const std::string why = DropCaches(); !why.empty()) {
        std::printf("\n%s\n  skipped: %s\n", title.c_str(), why.c_str());
        return;
    }
    MeasureCase(title, small, kSmallFiles, true, [] { DropCaches(); });
}

}  // namespace

int main(int argc, char** argv) {
    PrintMachine();
    const bool quick = QuickRun(argc, argv);
    const fs::path base = argc > 1 && !quick ? fs::path(argv[1]) : BenchTreeBase();
    MeasureCase("20 000 x 1 KiB in 200 folders, identical", GenerateTreePair(base, kFilesFor20k),
                kFilesFor20k, true);
    if (!quick) {
        const fs::path small = GenerateTreePair(base, kSmallFiles);
        MeasureCase("(a) 100 000 x 1 KiB in 1 000 folders, identical", small, kSmallFiles, true);
        MeasureCase("(b) 1 000 x 1 MiB, identical", GenerateTreePair(base, kLargeFiles),
                    kLargeFiles, true);
        MeasureCase("(c) (a) with 1 % changed", GenerateTreePair(base, kSmallFilesChanged),
                    kSmallFilesChanged, true);
        MeasureCase(
            "1 000 000 x 100-200 bytes in 1 000 folders, 1 % changed, 0.1 % missing on the right",
            GenerateTreePair(base, kMillionFiles), kMillionFiles, false);
        MeasureColdCache(small);
    }
    CompareThroughSlowFs(GenerateTreePair(base, kSlowFsFiles), kSlowFsFiles.files, quick);
    return 0;
}
