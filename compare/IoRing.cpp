#include "IoRing.h"

#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

int Setup(unsigned entries, io_uring_params& params) {
    return static_cast<int>(syscall(__NR_io_uring_setup, entries, &params));
}

void* MapQueue(int fd, size_t size, off_t offset) {
    void* mapped =
        mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd, offset);
    return mapped == MAP_FAILED ? nullptr : mapped;
}

template <typename T>
T* At(void* base, unsigned offset) {
    return reinterpret_cast<T*>(static_cast<char*>(base) + offset);
}

}  // namespace

IoRing::IoRing(unsigned entries, unsigned fileSlots) {
    io_uring_params params{};
    m_fd = Setup(entries, params);
    if (m_fd < 0) {
        return;
    }
    // One mapping for both queues, waits with a time limit, and registered
    // files that an open linked before a read can fill when it runs.
    constexpr unsigned kNeeded =
        IORING_FEAT_SINGLE_MMAP | IORING_FEAT_EXT_ARG | IORING_FEAT_LINKED_FILE;
    if ((params.features & kNeeded) != kNeeded) {
        Close();
        return;
    }
    m_queuesSize = std::max<size_t>(params.sq_off.array + params.sq_entries * sizeof(unsigned),
                                    params.cq_off.cqes + params.cq_entries * sizeof(io_uring_cqe));
    m_queues = MapQueue(m_fd, m_queuesSize, IORING_OFF_SQ_RING);
    m_entriesSize = params.sq_entries * sizeof(io_uring_sqe);
    m_entries = static_cast<io_uring_sqe*>(MapQueue(m_fd, m_entriesSize, IORING_OFF_SQES));
    const std::vector<int> emptySlots(fileSlots, -1);
    if (m_queues == nullptr || m_entries == nullptr ||
        syscall(__NR_io_uring_register, m_fd, IORING_REGISTER_FILES, emptySlots.data(),
                fileSlots) != 0) {
        Close();
        return;
    }
    m_entryCount = params.sq_entries;
    m_entryMask = *At<unsigned>(m_queues, params.sq_off.ring_mask);
    m_submitHead = At<unsigned>(m_queues, params.sq_off.head);
    m_submitTail = At<unsigned>(m_queues, params.sq_off.tail);
    m_submitArray = At<unsigned>(m_queues, params.sq_off.array);
    m_completionMask = *At<unsigned>(m_queues, params.cq_off.ring_mask);
    m_completionHead = At<unsigned>(m_queues, params.cq_off.head);
    m_completionTail = At<unsigned>(m_queues, params.cq_off.tail);
    m_completions = At<io_uring_cqe>(m_queues, params.cq_off.cqes);
    m_filledTail = *m_submitTail;
}

IoRing::~IoRing() {
    const auto noTimeLimit = std::chrono::steady_clock::time_point::max();
    while (m_fd >= 0 && m_inFlight > 0 && EnterUntil(noTimeLimit) >= 0) {
        TakeCompletions([](const io_uring_cqe&) {});
    }
    Close();
}

void IoRing::Close() {
    if (m_entries != nullptr) {
        munmap(m_entries, m_entriesSize);
        m_entries = nullptr;
    }
    if (m_queues != nullptr) {
        munmap(m_queues, m_queuesSize);
        m_queues = nullptr;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

unsigned IoRing::SubmitHead() const {
    return std::atomic_ref<unsigned>(*m_submitHead).load(std::memory_order_acquire);
}

unsigned IoRing::FreeEntries() const {
    return IsUsable() ? m_entryCount - (m_filledTail - SubmitHead()) : 0;
}

io_uring_sqe* IoRing::NextEntry() {
    if (FreeEntries() == 0) {
        return nullptr;
    }
    const unsigned index = m_filledTail & m_entryMask;
    io_uring_sqe* entry = &m_entries[index];
    std::memset(entry, 0, sizeof *entry);
    m_submitArray[index] = index;
    ++m_filledTail;
    return entry;
}

IoRing::Entered IoRing::Enter(std::chrono::milliseconds timeout) {
    if (!IsUsable()) {
        return Entered::Refused;
    }
    const long entered = EnterUntil(std::chrono::steady_clock::now() + timeout);
    // Short of kernel memory for a moment, or the completions are due
    // first: the caller takes them and enters again.
    if (entered >= 0 || errno == EAGAIN || errno == EBUSY) {
        return Entered::Waited;
    }
    if (errno == ETIME) {
        return Entered::TimedOut;
    }
    // Requests may still be with the kernel: the ring stays open, unused,
    // until its end waits for them.
    m_refused = true;
    return Entered::Refused;
}

// Submits what was filled and waits for a completion until `deadline`; an
// interrupted wait goes on with the time left, so that signals arriving
// often cannot hold it off for ever. The system call's result.
long IoRing::EnterUntil(std::chrono::steady_clock::time_point deadline) {
    std::atomic_ref<unsigned>(*m_submitTail).store(m_filledTail, std::memory_order_release);
    for (;;) {
        io_uring_getevents_arg wait{};
        __kernel_timespec limit{};
        if (deadline != std::chrono::steady_clock::time_point::max()) {
            const auto left = std::max(deadline - std::chrono::steady_clock::now(),
                                       std::chrono::steady_clock::duration::zero());
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
            limit = {seconds.count(), std::chrono::nanoseconds(left - seconds).count()};
            wait.ts = reinterpret_cast<uintptr_t>(&limit);
        }
        const unsigned headBefore = SubmitHead();
        const long entered =
            syscall(__NR_io_uring_enter, m_fd, m_filledTail - headBefore, 1,
                    IORING_ENTER_GETEVENTS | IORING_ENTER_EXT_ARG, &wait, sizeof wait);
        const int error = errno;
        m_inFlight += SubmitHead() - headBefore;
        if (entered >= 0 || error != EINTR) {
            errno = error;
            return entered;
        }
    }
}
