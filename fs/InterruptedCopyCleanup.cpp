#include "InterruptedCopyCleanup.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>

namespace {

enum State : int {
    kIdle,       // no file noted; the buffer is free
    kCreating,   // the copying thread makes the file; it blocks the handled signals meanwhile
    kNoted,      // the buffer names the file being written
    kSignalled,  // a handled signal arrived; stays so until the program ends
};

std::atomic<int> g_state{kIdle};
static_assert(std::atomic<int>::is_always_lock_free, "the handler needs a lock-free flag");
char g_path[PATH_MAX];
std::array<struct sigaction, NSIG> g_previous{};

// The signals whose handler is OnSignal; each is added before its handler is installed.
sigset_t& HandledSignals() {
    static sigset_t handled = [] {
        sigset_t none;
        sigemptyset(&none);
        return none;
    }();
    return handled;
}

// Takes the noted file away from the copy and removes it; true when an
// ending signal had come before. A handler on another thread than the
// copying one may find the file being made: that takes a moment only, and
// the copying thread itself never runs the handler then.
bool RemoveNotedFile() {
    for (;;) {
        int state = g_state.load();
        if (state == kCreating) {
            continue;
        }
        if (g_state.compare_exchange_weak(state, kSignalled)) {
            if (state == kNoted) {
                unlink(g_path);
            }
            return state == kSignalled;
        }
    }
}

// A handler before this one may only note the signal for the main loop; if
// that loop is stuck (a read from a share that stopped answering), a second
// signal must still end the program.
void OnSignal(int signal, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    const bool again = RemoveNotedFile();
    const struct sigaction& previous = g_previous[static_cast<size_t>(signal)];
    if (again) {
        InterruptedCopyCleanup::RaiseWithDefaultAction(signal);
    } else if ((previous.sa_flags & SA_SIGINFO) != 0) {
        previous.sa_sigaction(signal, info, context);
    } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
        previous.sa_handler(signal);
    } else {
        InterruptedCopyCleanup::RaiseWithDefaultAction(signal);
    }
    errno = savedErrno;
}

}  // namespace

void InterruptedCopyCleanup::InstallHandlers(std::initializer_list<int> signals) {
    for (const int signal : signals) {
        struct sigaction previous {};
        if (signal <= 0 || signal >= NSIG || sigaction(signal, nullptr, &previous) != 0) {
            continue;
        }
        const bool hasInfo = (previous.sa_flags & SA_SIGINFO) != 0;
        if ((!hasInfo && previous.sa_handler == SIG_IGN) ||
            (hasInfo && previous.sa_sigaction == OnSignal)) {
            continue;  // ignored on purpose, or installed already
        }
        g_previous[static_cast<size_t>(signal)] = previous;
        sigaddset(&HandledSignals(), signal);
        struct sigaction action {};
        action.sa_sigaction = OnSignal;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

int InterruptedCopyCleanup::CreateNotedFile(std::string& pathTemplate) {
    if (pathTemplate.size() >= sizeof g_path) {
        return mkostemp(pathTemplate.data(), O_CLOEXEC);
    }
    sigset_t previousMask;
    pthread_sigmask(SIG_BLOCK, &HandledSignals(), &previousMask);
    int expected = kIdle;
    if (!g_state.compare_exchange_strong(expected, kCreating)) {
        pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
        errno = EINTR;
        return -1;
    }
    pathTemplate.copy(g_path, pathTemplate.size());
    g_path[pathTemplate.size()] = '\0';
    const int fd = mkostemp(g_path, O_CLOEXEC);
    const int error = errno;
    if (fd >= 0) {
        pathTemplate = g_path;
    }
    g_state.store(fd >= 0 ? kNoted : kIdle);
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    errno = error;
    return fd;
}

void InterruptedCopyCleanup::Forget() {
    int expected = kNoted;
    g_state.compare_exchange_strong(expected, kIdle);
}

bool InterruptedCopyCleanup::SignalArrived() {
    return g_state.load(std::memory_order_relaxed) == kSignalled;
}

void InterruptedCopyCleanup::RaiseWithDefaultAction(int signal) {
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}
