#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Helpers shared by the benchmark programs.

// Prints the processor count, total memory and load average at the start,
// which every benchmark shows first so that its figures can be judged.
void PrintMachine();

// True when the program was started with --quick: only the small cases run.
bool QuickRun(int argc, char** argv);

// Peak resident memory of this process so far, in bytes.
long PeakMemoryBytes();
// Seconds taken by `command` run through the shell (its output discarded
// unless the command redirects it); negative when it failed.
double TimeShellCommand(const std::string& command);

// The figures of one run, or the medians of several.
struct RunFigures {
    double wallSeconds = -1;
    double processorSeconds = -1;  // user + system
    long peakMemoryBytes = 0;
    bool failed = true;
};

// Runs a program with its output discarded; its wall time, its own
// processor time and peak memory. Exit status 0 and 1 (differences found)
// count as success.
// The argument list of a program to start: pointers into `arguments`,
// ending with a null pointer.
std::vector<char*> ArgumentVector(const std::vector<std::string>& arguments);
RunFigures RunCommand(const std::vector<std::string>& arguments);
// Times `work` done in this process: wall time, this process's processor
// time during it and its peak memory so far.
RunFigures MeasureInProcess(const std::function<void()>& work);

// One way of doing the measured work; it may prepare untimed before it
// measures.
using Measurement = std::function<RunFigures()>;
Measurement CommandMeasurement(std::vector<std::string> arguments);

// One warm-up run of each measurement, then `runs` rounds that run each in
// turn (A, B, A, B, ...); the median of each figure per measurement, in the
// order given. `beforeEachRun` (if set) runs untimed before every run.
std::vector<RunFigures> MedianOfInterleavedRuns(const std::vector<Measurement>& measurements,
                                                int runs = 5,
                                                const std::function<void()>& beforeEachRun = {});

class Timer {
  public:
    Timer() : m_start(std::chrono::steady_clock::now()) {}
    double Seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

  private:
    std::chrono::steady_clock::time_point m_start;
};
