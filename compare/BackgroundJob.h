#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

// Runs jobs one at a time on a thread of its own, so that the caller can
// wait in short steps, keep its window alive meanwhile, and walk away from a
// job that never ends (a read from a hung network share).
class BackgroundJob {
  public:
    // A job; it should return soon once `stop` is set.
    using Work = std::function<void(const std::atomic<bool>& stop)>;

    BackgroundJob();
    // Sets the running job's stop flag and leaves: the thread ends when the
    // job returns, whenever that is. Anything the job uses must be its own.
    ~BackgroundJob();
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Starts `work`; the previous job must have ended.
    void Start(Work work);
    // Waits at most `timeout`; true once the job has ended.
    bool WaitUntilDone(std::chrono::milliseconds timeout);

  private:
    struct Shared;
    static void Serve(const std::shared_ptr<Shared>& shared);

    // Shared with the thread, which may outlive this object.
    std::shared_ptr<Shared> m_shared;
};
