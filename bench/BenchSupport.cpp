#include "BenchSupport.h"

#include <sys/resource.h>

#include <cstdlib>

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
