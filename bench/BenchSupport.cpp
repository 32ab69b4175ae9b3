#include "BenchSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

double ProcessorSeconds(const rusage& usage) {
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

template <typename Figure>
Figure Median(std::vector<Figure> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

RunFigures MedianFigures(const std::vector<RunFigures>& runs) {
    std::vector<double> walls, processors;
    std::vector<long> peaks;
    RunFigures median;
    median.failed = false;
    for (const RunFigures& run : runs) {
        walls.push_back(run.wallSeconds);
        processors.push_back(run.processorSeconds);
        peaks.push_back(run.peakMemoryBytes);
        median.failed = median.failed || run.failed;
    }
    median.wallSeconds = Median(walls);
    median.processorSeconds = Median(processors);
    median.peakMemoryBytes = Median(peaks);
    return median;
}

}  // namespace

void PrintMachine() {
    std::string load = "unknown";
    if (std::ifstream loadavg("/proc/loadavg"); !(loadavg >> load)) {
        load = "unknown";
    }
    struct sysinfo info {};
    sysinfo(&info);
    const double memoryGiB =
        static_cast<double>(info.totalram) * info.mem_unit / (1024.0 * 1024.0 * 1024.0);
    std::printf("machine: %ld processors, %.1f GiB memory, load average at start %s\n",
                sysconf(_SC_NPROCESSORS_ONLN), memoryGiB, load.c_str());
    std::printf("(ratios count only when the load at start was below 1)\n");
    std::fflush(stdout);
}

bool QuickRun(int argc, char** argv) {
    return std::any_of(argv + 1, argv + argc,
                       [](const char* argument) { return std::strcmp(argument, "--quick") == 0; });
}

long PeakMemoryBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss * 1024L;
}

double TimeShellCommand(const std::string& command) {
    const Timer timer;
    const int status = std::system(command.c_str());
    return status == 0 ? timer.Seconds() : -1.0;
}

std::vector<char*> ArgumentVector(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const auto& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

RunFigures RunCommand(const std::vector<std::string>& arguments) {
    std::vector<char*> argv = ArgumentVector(arguments);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    RunFigures run;
    const Timer timer;
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) == child) {
            run.wallSeconds = timer.Seconds();
            run.processorSeconds = ProcessorSeconds(usage);
            run.peakMemoryBytes = usage.ru_maxrss * 1024L;
            run.failed = !WIFEXITED(status) || WEXITSTATUS(status) > 1;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

RunFigures MeasureInProcess(const std::function<void()>& work) {
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const Timer timer;
    work();
    RunFigures run;
    run.wallSeconds = timer.Seconds();
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    run.processorSeconds = ProcessorSeconds(after) - ProcessorSeconds(before);
    run.peakMemoryBytes = after.ru_maxrss * 1024L;
    run.failed = false;
    return run;
}

Measurement CommandMeasurement(std::vector<std::string> arguments) {
    return [arguments = std::move(arguments)] { return RunCommand(arguments); };
}

std::vector<RunFigures> MedianOfInterleavedRuns(const std::vector<Measurement>& measurements,
                                                int runs,
                                                const std::function<void()>& beforeEachRun) {
    const auto runOnce = [&](const Measurement& measurement) {
        if (beforeEachRun) {
            beforeEachRun();
        }
        return measurement();
    };
    std::vector<RunFigures> warmUps;
    for (const Measurement& measurement : measurements) {
        warmUps.push_back(runOnce(measurement));
    }
    std::vector<std::vector<RunFigures>> figures(measurements.size());
    for (int round = 0; round < runs; ++round) {
        for (size_t i = 0; i < measurements.size(); ++i) {
            figures[i].push_back(runOnce(measurements[i]));
        }
    }
    std::vector<RunFigures> medians;
    for (size_t i = 0; i < measurements.size(); ++i) {
        RunFigures median = MedianFigures(figures[i]);
        median.failed = median.failed || warmUps[i].failed;
        medians.push_back(median);
    }
    return medians;
}
