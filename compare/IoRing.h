#pragma once

#include <linux/io_uring.h>

#include <atomic>
#include <chrono>
#include <cstddef>

// The kernel's shared submission and completion queues (io_uring), used to
// hand the kernel many small opens and reads in one system call. When the
// kernel lacks what is needed (too old, io_uring disabled, refused by a
// sandbox), IsUsable() is false and callers do the work one call at a time.
class IoRing {
  public:
    // A ring for `entries` requests at a time, with `fileSlots` registered
    // file slots that opens can fill and later requests can name.
    IoRing(unsigned entries, unsigned fileSlots);
    // Waits for requests still with the kernel, which may be writing into
    // their callers' buffers, before the ring goes.
    ~IoRing();
    IoRing(const IoRing&) = delete;
    IoRing& operator=(const IoRing&) = delete;

    bool IsUsable() const { return m_fd >= 0 && !m_refused; }
    // How many more entries can be filled before the next Enter.
    unsigned FreeEntries() const;
    // A cleared request entry to fill in; nullptr when the queue is full.
    // Filled entries go to the kernel with the next Enter.
    io_uring_sqe* NextEntry();
    enum class Entered { Waited, TimedOut, Refused };
    // Submits the entries filled since the last call and waits at most
    // `timeout` for a completion. Once the kernel refuses, the ring is no
    // longer usable.
    Entered Enter(std::chrono::milliseconds timeout);
    // Hands each arrived completion to `take` and returns how many there were.
    template <typename Take>
    unsigned TakeCompletions(Take take);

  private:
    unsigned SubmitHead() const;
    long EnterUntil(std::chrono::steady_clock::time_point deadline);
    void Close();

    int m_fd = -1;
    void* m_queues = nullptr;
    size_t m_queuesSize = 0;
    io_uring_sqe* m_entries = nullptr;
    size_t m_entriesSize = 0;
    unsigned m_entryCount = 0;
    unsigned m_entryMask = 0;
    unsigned m_completionMask = 0;
    unsigned m_filledTail = 0;
    // Requests submitted whose completions have not been taken.
    unsigned m_inFlight = 0;
    bool m_refused = false;
    unsigned* m_submitHead = nullptr;
    unsigned* m_submitTail = nullptr;
    unsigned* m_submitArray = nullptr;
    unsigned* m_completionHead = nullptr;
    unsigned* m_completionTail = nullptr;
    io_uring_cqe* m_completions = nullptr;
};

template <typename Take>
unsigned IoRing::TakeCompletions(Take take) {
    if (m_fd < 0) {
        return 0;
    }
    unsigned head = *m_completionHead;
    const unsigned tail =
        std::atomic_ref<unsigned>(*m_completionTail).load(std::memory_order_acquire);
    const unsigned count = tail - head;
    for (; head != tail; ++head) {
        take(m_completions[head & m_completionMask]);
    }
    std::atomic_ref<unsigned>(*m_completionHead).store(head, std::memory_order_release);
    m_inFlight -= count;
    return count;
}
