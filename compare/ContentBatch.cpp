#include "ContentBatch.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <iterator>

#include "CompareFileContents.h"

namespace {

// Each file takes an open, a read and a close, each with its completion.
constexpr uint64_t kOpen = 0, kRead = 1, kClose = 2, kSteps = 3;
constexpr uint64_t kCancelTag = ~uint64_t{0};
constexpr unsigned kRingEntries = 512;
// Room for every step of a full batch, and a cancel for each file.
static_assert(kRingEntries >= ContentBatch::kFileSlots * (kSteps + 1));

// A batch waits this long for any completion before it cancels what is
// left: a read of a file replaced by a FIFO since the listing could
// otherwise wait for a writer for ever.
constexpr std::chrono::milliseconds kStallLimit{200};

// A request whose completion has not arrived.
constexpr int kPending = INT_MIN;

// A result that says nothing of the file: the request never ran to its end.
// Such pairs are compared again one at a time.
bool CutShort(int result) {
    return result == kPending || result == -ECANCELED || result == -EINTR || result == -EAGAIN;
}

size_t ContentsBytes(uint64_t size) {
    return 2 * (static_cast<size_t>(size) + 1);
}

}  // namespace

ContentBatch::ContentBatch(Batching batching) {
    if (batching == Batching::WhenAvailable) {
        m_ring.emplace(kRingEntries, kFileSlots);
    }
}

bool ContentBatch::Fits(uint64_t size) const {
    if (!Takes(size)) {
        return false;
    }
    if (m_pairs.empty()) {
        return true;
    }
    const Pair& last = m_pairs.back();
    return m_pairs.size() < kMostPairs &&
           last.bufferOffset + ContentsBytes(last.size) + ContentsBytes(size) <= kContentsBudget;
}

void ContentBatch::Add(size_t id, std::string path1, std::string path2, uint64_t size) {
    const size_t offset =
        m_pairs.empty() ? 0 : m_pairs.back().bufferOffset + ContentsBytes(m_pairs.back().size);
    m_pairs.push_back({id, {std::move(path1), std::move(path2)}, size, offset});
}

void ContentBatch::Compare(const std::atomic<bool>* stop) {
    if (m_pairs.empty() || CompareInRing(stop)) {
        return;
    }
    for (Pair& pair : m_pairs) {
        CompareOnePair(pair, stop);
    }
}

std::optional<bool> ContentBatch::Differs(size_t id) const {
    const auto found = std::lower_bound(m_pairs.begin(), m_pairs.end(), id,
                                        [](const Pair& pair, size_t key) { return pair.id < key; });
    if (found == m_pairs.end() || found->id != id) {
        return std::nullopt;
    }
    return found->differs;
}

void ContentBatch::Clear() {
    m_pairs.clear();
}

void ContentBatch::ReleaseFolders() {
    m_folders.Clear();
}

void ContentBatch::CompareOnePair(Pair& pair, const std::atomic<bool>* stop) {
    pair.differs = CompareFileContents(pair.paths[0], pair.paths[1], pair.size, stop) != 0;
}

bool ContentBatch::CompareInRing(const std::atomic<bool>* stop) {
    const size_t files = 2 * m_pairs.size();
    if (!UsesKernelBatching() || m_ring->FreeEntries() < files * kSteps) {
        return false;
    }
    const Pair& last = m_pairs.back();
    m_contents.resize(std::max(m_contents.size(), last.bufferOffset + ContentsBytes(last.size)));
    for (size_t k = 0; k < m_pairs.size(); ++k) {
        const Pair& pair = m_pairs[k];
        for (unsigned side = 0; side < 2; ++side) {
            QueueFile(static_cast<unsigned>(2 * k + side), pair.paths[side],
                      &m_contents[pair.bufferOffset + side * (pair.size + 1)], pair.size);
        }
    }
    FileResults results;
    if (!AwaitFiles(results, files)) {
        return false;
    }
    for (size_t k = 0; k < m_pairs.size(); ++k) {
        JudgePair(m_pairs[k], results, 2 * k, stop);
    }
    return true;
}

// Queues open, read and close of one file as a chain. The links are hard,
// so that the close runs whatever the read gave (a short read is the
// normal end of the file here).
void ContentBatch::QueueFile(unsigned slot, const std::string& path, char* buffer, uint64_t size) {
    io_uring_sqe* open = m_ring->NextEntry();
    open->opcode = IORING_OP_OPENAT;
    const FolderHandles::Place place = m_folders.PlaceOf(path);
    open->fd = place.folderFd;
    open->addr = reinterpret_cast<uintptr_t>(place.name);
    // O_NONBLOCK keeps the open of a file replaced by a FIFO since the
    // listing from waiting for a writer; its read is ended by the stall limit.
    open->open_flags = O_RDONLY | O_NOCTTY | O_NONBLOCK;
    open->file_index = slot + 1;
    open->flags = IOSQE_IO_HARDLINK;
    open->user_data = slot * kSteps + kOpen;

    io_uring_sqe* read = m_ring->NextEntry();
    read->opcode = IORING_OP_READ;
    read->fd = static_cast<int>(slot);
    read->addr = reinterpret_cast<uintptr_t>(buffer);
    read->len = static_cast<unsigned>(size + 1);
    read->off = 0;
    read->flags = IOSQE_FIXED_FILE | IOSQE_IO_HARDLINK;
    read->user_data = slot * kSteps + kRead;

    io_uring_sqe* close = m_ring->NextEntry();
    close->opcode = IORING_OP_CLOSE;
    close->file_index = slot + 1;
    close->user_data = slot * kSteps + kClose;
}

// Submits the queued chains of `files` files and collects what each open
// and read gave; a request that stalls is cancelled. False when the kernel
// refused the ring.
bool ContentBatch::AwaitFiles(FileResults& results, size_t files) {
    results.opened.fill(kPending);
    results.readBytes.fill(kPending);
    const auto take = [&](const io_uring_cqe& completion) {
        const uint64_t slot = completion.user_data / kSteps;
        if (slot >= kFileSlots) {
            return;  // a cancel request's own completion
        }
        if (completion.user_data % kSteps == kOpen) {
            results.opened[slot] = completion.res;
        } else if (completion.user_data % kSteps == kRead) {
            results.readBytes[slot] = completion.res;
        }
    };
    size_t due = files * kSteps;
    while (due > 0) {
        const IoRing::Entered entered = m_ring->Enter(kStallLimit);
        if (entered == IoRing::Entered::Refused) {
            return false;
        }
        if (entered == IoRing::Entered::TimedOut) {
            due += CancelOutstanding(results, files);
        }
        due -= m_ring->TakeCompletions(take);
    }
    return true;
}

// Answers one pair from its two files' results. A read counts only after an
// open of this batch, never from a file a slot held before; a pair whose
// requests were cut short is compared again on its own.
void ContentBatch::JudgePair(Pair& pair, const FileResults& results, size_t firstSlot,
                             const std::atomic<bool>* stop) {
    const size_t slots[] = {firstSlot, firstSlot + 1};
    if (std::any_of(std::begin(slots), std::end(slots), [&](size_t slot) {
            return CutShort(results.opened[slot]) || CutShort(results.readBytes[slot]);
        })) {
        CompareOnePair(pair, stop);
        return;
    }
    const bool bothWhole = std::all_of(std::begin(slots), std::end(slots), [&](size_t slot) {
        return results.opened[slot] >= 0 && results.readBytes[slot] >= 0 &&
               static_cast<uint64_t>(results.readBytes[slot]) == pair.size;
    });
    const char* contents = &m_contents[pair.bufferOffset];
    pair.differs = !bothWhole || std::memcmp(contents, contents + pair.size + 1, pair.size) != 0;
}

// Asks the kernel to cancel every open and read still waiting; returns how
// many cancel requests were queued, each of which completes too.
size_t ContentBatch::CancelOutstanding(const FileResults& results, size_t files) {
    size_t queued = 0;
    for (size_t slot = 0; slot < files; ++slot) {
        const uint64_t step = results.opened[slot] == kPending      ? kOpen
                              : results.readBytes[slot] == kPending ? kRead
                                                                    : kSteps;
        io_uring_sqe* cancel = step == kSteps ? nullptr : m_ring->NextEntry();
        if (cancel == nullptr) {
            continue;
        }
        cancel->opcode = IORING_OP_ASYNC_CANCEL;
        cancel->addr = slot * kSteps + step;
        cancel->user_data = kCancelTag;
        ++queued;
    }
    return queued;
}
