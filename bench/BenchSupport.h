#pragma once

#include <chrono>
#include <string>
#include <vector>

// Helpers shared by the benchmark programs.

// Peak resident memory of this process so far, in bytes.
long PeakMemoryBytes();
// Seconds taken by `command` run through the shell (its output discarded
// unless the command redirects it); negative when it failed.
double TimeShellCommand(const std::string& command);

// One run of a program, its output discarded.
struct CommandRun {
    double seconds = -1;
    long peakMemoryBytes = 0;  // the program's own peak resident memory
    int exitStatus = -1;
};
CommandRun RunCommand(const std::vector<std::string>& arguments);

class Timer {
  public:
    Timer() : m_start(std::chrono::steady_clock::now()) {}
    double Seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

  private:
    std::chrono::steady_clock::time_point m_start;
};
