#include "TraceLog.h"

#include <unistd.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "FileQueries.h"
#include "PathText.h"
#include "Stopwatch.h"
#include "UserFolders.h"

namespace {

constexpr size_t kMessageLimit = 511;

Stopwatch& ProgramClock() {
    static Stopwatch clock;
    return clock;
}

void StartClockOnce() {
    Stopwatch& clock = ProgramClock();
    if (!clock.IsRunning()) {
        clock.StartTimer();
    }
}

std::string ProgramPath() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string("Vantrel");
}

std::string LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[128];
    if (localtime_r(&now, &local) == nullptr ||
        std::strftime(text, sizeof text, "%m/%d/%Y %H:%M:%S", &local) == 0) {
        return {};
    }
    return text;
}

}  // namespace

std::string PlaceTraceLog(const std::string& programPath, const char* stateHome,
                          const std::string& home) {
    const std::string besideProgram = ReplaceExtension(programPath, ".LOG");
    const std::string programFolder = GetFolderOfPath(programPath);
    if (access(programFolder.empty() ? "." : programFolder.c_str(), W_OK) == 0) {
        return besideProgram;
    }
    const std::string folder = BaseFolder(stateHome, home + "/.local/state") + "vantrel/";
    // Private to the user, as the state folder's convention asks.
    CreateFolderChain(folder, 0700);
    return folder + GetBaseName(programPath) + ".LOG";
}

const std::string& TraceLogPath() {
    static const std::string path =
        PlaceTraceLog(ProgramPath(), std::getenv("XDG_STATE_HOME"), HomeFolder());
    return path;
}

void ResetTraceLog() {
    if (FileExists(TraceLogPath())) {
        std::remove(TraceLogPath().c_str());
    }
    StartClockOnce();
}

void TraceLog(const char* format, ...) {
    char message[kMessageLimit + 1];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    TraceLogText(message);
}

void TraceLogText(const std::string& message) {
    StartClockOnce();
    std::FILE* log = std::fopen(TraceLogPath().c_str(), "a");
    if (log == nullptr) {
        return;
    }
    const long double elapsed = ProgramClock().ElapsedSeconds();
    std::fprintf(log, "(%s  %.9Lf) ", LocalTimeText().c_str(), elapsed);
    std::fwrite(message.data(), 1, std::min(message.size(), kMessageLimit), log);
    std::fputc('\n', log);
    std::fclose(log);
}
