// A copy for tests to interrupt with a signal: copies argv[1] to argv[2]
// with the program's signal handlers in place and its reads held up, so
// that the copy is still writing its temporary file when the signal comes.
// It writes "r" to its standard output once the copy is reading.
// argv[3] says what was there before the handlers: "defaults" (the default
// actions), "handler" (a handler ending the program with status 42 for
// every signal), "deferred" (a handler that only notes the signal for a
// main loop to act on later, which this program never does) or "ignored"
// (SIGHUP ignored, as under nohup).
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string>

#include "InterruptedCopyCleanup.h"
#include "SystemCalls.h"
#include "ZrFileCopy.h"

namespace {

constexpr int kEndedByOwnHandler = 42;

void EndByOwnHandler(int) {
    _exit(kEndedByOwnHandler);
}

volatile std::sig_atomic_t g_noted = 0;

void NoteForLater(int) {
    g_noted = 1;
}

// The in-kernel copy is refused, so the copy reads; the first read says so
// and waits for a signal that never lets it go on.
class HeldReads : public SystemCalls {
  public:
    ssize_t CopyFileRange(int, int, size_t) override {
        errno = EXDEV;
        return -1;
    }
    ssize_t Read(int, void*, size_t) override {
        if (write(STDOUT_FILENO, "r", 1) != 1) {
            _exit(3);
        }
        for (;;) {
            pause();
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    const std::string before = argv[3];
    if (before == "handler") {
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            std::signal(signal, EndByOwnHandler);
        }
    } else if (before == "deferred") {
        std::signal(SIGTERM, NoteForLater);
    } else if (before == "ignored") {
        std::signal(SIGHUP, SIG_IGN);
    }
    InterruptedCopyCleanup::InstallHandlers({SIGINT, SIGTERM, SIGHUP});
    HeldReads held;
    SystemCalls::Install(&held);
    return ZrFileCopy(argv[1], argv[2], true, true) != 0 ? 0 : 1;
}
