#include "SlowFsCompare.h"

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CompareTable.h"
#include "SlowMount.h"

namespace fs = std::filesystem;

namespace {

// Why the slow file system cannot be used here, or "".
std::string WhyNoSlowFs() {
    if (std::string(VANTREL_SLOWFS_PATH).empty()) {
        return "bench_slowfs was not built (libfuse3 not found by pkg-config)";
    }
    if (access("/dev/fuse", R_OK | W_OK) != 0) {
        return "/dev/fuse cannot be opened by this user";
    }
    if (RunCommand({"fusermount3", "-V"}).failed) {
        return "fusermount3 cannot be run";
    }
    return "";
}

// With no delay, the median of interleaved runs after a warm-up. With a
// delay a run takes minutes and nothing is cached in the kernel to warm
// (the runs without delay warmed the source folder): one run each.
std::vector<RunFigures> SlowRuns(const std::vector<Measurement>& measurements, int delay) {
    if (delay == 0) {
        return MedianOfInterleavedRuns(measurements);
    }
    std::vector<RunFigures> figures;
    for (const Measurement& measurement : measurements) {
        figures.push_back(measurement());
    }
    return figures;
}

}  // namespace

void CompareThroughSlowFs(const fs::path& root, int files, bool quick) {
    std::printf("\n%d files a side through a slow file system (no kernel caching)\n", files);
    if (const std::string why = WhyNoSlowFs(); !why.empty()) {
        std::printf("  skipped: %s\n", why.c_str());
        return;
    }
    const std::vector<CompareProgram> programs = ComparePrograms(false);
    const fs::path mountPoint = root.string() + "-mount";
    std::printf("  %-9s %-18s %9s %9s %10s %10s %10s\n", "delay", "program", "wall s", "cpu s",
                "wall/diff", "operations", "in flight");
    const std::vector<int> delays =
        quick ? std::vector<int>{0, 1000} : std::vector<int>{0, 1000, 5000};
    for (const int delay : delays) {
        std::vector<SlowMount::Counts> counts(programs.size());
        std::vector<Measurement> measurements;
        std::string error;
        for (size_t i = 0; i < programs.size(); ++i) {
            measurements.push_back([&, i] {
                SlowMount mount(VANTREL_SLOWFS_PATH, root, mountPoint, delay);
                if (!mount.Error().empty()) {
                    error = mount.Error();
                    return RunFigures{};
                }
                const RunFigures run = RunCommand(programs[i].arguments(
                    (mountPoint / "left").string(), (mountPoint / "right").string()));
                counts[i] = mount.Unmount();
                return run;
            });
        }
        const std::vector<RunFigures> figures = SlowRuns(measurements, delay);
        if (!error.empty()) {
            std::printf("  skipped: %s\n", error.c_str());
            return;
        }
        for (size_t i = 0; i < programs.size(); ++i) {
            std::printf("  %6.1f ms %-18s %9.2f %9.2f %10.2f %10ld %10d%s\n", delay / 1000.0,
                        programs[i].label, figures[i].wallSeconds, figures[i].processorSeconds,
                        figures[i].wallSeconds / figures[1].wallSeconds, counts[i].operations,
                        counts[i].mostInFlight, figures[i].failed ? "  (a run FAILED)" : "");
        }
        std::fflush(stdout);
    }
}
