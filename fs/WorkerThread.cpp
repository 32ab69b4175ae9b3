#include "WorkerThread.h"

#include <pthread.h>
#include <signal.h>

#include <thread>

void StartDetachedWorker(std::function<void()> work) {
    // A new thread inherits the signal mask of the thread that starts it.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &previous);
    try {
        std::thread(std::move(work)).detach();
    } catch (...) {
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        throw;
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}
