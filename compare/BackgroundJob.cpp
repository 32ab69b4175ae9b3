#include "BackgroundJob.h"

#include <condition_variable>
#include <mutex>

#include "WorkerThread.h"

struct BackgroundJob::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    Work work;             // guarded by mutex; empty when none waits
    bool finished = true;  // guarded by mutex
    bool leaving = false;  // guarded by mutex: the owner has gone
    std::atomic<bool> stop{false};
};

BackgroundJob::BackgroundJob() : m_shared(std::make_shared<Shared>()) {
    StartDetachedWorker([shared = m_shared] { Serve(shared); });
}

BackgroundJob::~BackgroundJob() {
    m_shared->stop = true;
    const std::lock_guard lock(m_shared->mutex);
    m_shared->leaving = true;
    m_shared->changed.notify_all();
}

void BackgroundJob::Start(Work work) {
    const std::lock_guard lock(m_shared->mutex);
    m_shared->work = std::move(work);
    m_shared->finished = false;
    m_shared->changed.notify_all();
}

bool BackgroundJob::WaitUntilDone(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_shared->mutex);
    return m_shared->changed.wait_for(lock, timeout, [this] { return m_shared->finished; });
}

void BackgroundJob::Serve(const std::shared_ptr<Shared>& shared) {
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->changed.wait(lock, [&] { return shared->work || shared->leaving; });
        if (shared->leaving) {
            return;
        }
        const Work work = std::move(shared->work);
        shared->work = nullptr;
        lock.unlock();
        work(shared->stop);
        lock.lock();
        shared->finished = true;
        shared->changed.notify_all();
    }
}
