#include "ProgramFile.h"

#include <unistd.h>

#include <climits>

std::string ProgramFilePath() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}
