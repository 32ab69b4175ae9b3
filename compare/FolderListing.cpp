#include "FolderListing.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "FolderReader.h"
#include "NameList.h"
#include "PathText.h"
#include "PhysicalPath.h"
#include "WorkerThread.h"

namespace {

// Folders read at once. Beside the processors, readers waiting on a slow
// disk or a network share keep their requests in flight.
constexpr unsigned kReaders = 8;

std::string FolderText(std::string folder) {
    RemoveTrailingBackslash(folder, true);
    return folder + "/";
}

}  // namespace

struct FolderListing::Shared {
    Shared(std::string folder, bool recurseBelow)
        : root(folder, ResolvePhysicalPath(folder), nullptr), recurse(recurseBelow) {}

    std::mutex mutex;
    std::condition_variable ended;
    std::condition_variable workArrived;
    ListedFolder root;                             // guarded by mutex, but for its constant parts
    std::deque<ListedFolder*> waiting;             // guarded by mutex: folders not yet read
    unsigned reading = 0;                          // guarded by mutex: folders being read
    std::vector<CFileStatus> files;                // guarded by mutex: the sorted list
    std::vector<ListedFolder::Unlisted> unlisted;  // guarded by mutex
    bool stopped = false;                          // guarded by mutex
    bool sorting = false;  // set and cleared under mutex by the thread that sorts
    bool done = false;     // guarded by mutex
    std::atomic<size_t> count{0};
    const bool recurse;
};

FolderListing::FolderListing(std::string folder, bool recurse)
    : m_shared(std::make_shared<Shared>(FolderText(std::move(folder)), recurse)) {
    m_shared->waiting.push_back(&m_shared->root);
    for (unsigned reader = 0; reader < kReaders; ++reader) {
        StartDetachedWorker([shared = m_shared] { Serve(shared); });
    }
}

FolderListing::~FolderListing() {
    Stop();
}

size_t FolderListing::Count() const {
    return m_shared->count.load(std::memory_order_relaxed);
}

bool FolderListing::WaitUntilDone(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_shared->mutex);
    return m_shared->ended.wait_for(lock, timeout, [this] { return m_shared->done; });
}

void FolderListing::Stop() {
    const std::lock_guard lock(m_shared->mutex);
    m_shared->stopped = true;
    m_shared->workArrived.notify_all();
}

std::vector<CFileStatus> FolderListing::Take() {
    std::unique_lock lock(m_shared->mutex);
    m_shared->ended.wait(
        lock, [this] { return m_shared->done || (m_shared->stopped && !m_shared->sorting); });
    if (!m_shared->done) {
        // Stopped part way: what the folders read so far hold, unsorted.
        std::vector<ListedFolder::Unlisted> unlisted;
        m_shared->root.Flatten(m_shared->files, unlisted);
    }
    return std::move(m_shared->files);
}

std::vector<CUncIterator::UnlistedFolder> FolderListing::UnlistedFolders() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->unlisted;
}

// One reader: takes folders to read until none is left, and the last one
// to find nothing left puts the list in order.
void FolderListing::Serve(const std::shared_ptr<Shared>& shared) {
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->workArrived.wait(lock, [&] {
            return shared->stopped || shared->sorting || shared->done || !shared->waiting.empty() ||
                   shared->reading == 0;
        });
        if (shared->stopped || shared->sorting || shared->done) {
            return;
        }
        if (shared->waiting.empty()) {
            shared->sorting = true;
            shared->workArrived.notify_all();
            lock.unlock();
            Finish(*shared);
            return;
        }
        ListedFolder& folder = *shared->waiting.front();
        shared->waiting.pop_front();
        ++shared->reading;
        lock.unlock();
        FolderReader(folder, shared->recurse).Read([&](FolderReader::Contents& part, bool last) {
            return TakeOver(*shared, folder, part, last);
        });
        lock.lock();
        --shared->reading;
        shared->workArrived.notify_all();
    }
}

bool FolderListing::TakeOver(Shared& shared, ListedFolder& folder, FolderReader::Contents& part,
                             bool last) {
    const std::lock_guard lock(shared.mutex);
    if (shared.stopped) {
        return false;
    }
    std::move(part.files.begin(), part.files.end(), std::back_inserter(folder.files));
    shared.count.fetch_add(part.files.size(), std::memory_order_relaxed);
    part.files.clear();
    if (last) {
        std::move(part.notes.begin(), part.notes.end(), std::back_inserter(folder.notes));
        for (ListedFolder::Subfolder& below : part.subfolders) {
            if (below.folder) {
                shared.waiting.push_back(below.folder.get());
            }
            folder.subfolders.push_back(std::move(below));
        }
        shared.workArrived.notify_all();
    }
    return true;
}

// Gathers the folders' files in walking order and sorts them. Sorted
// without the lock, so that waiting and progress go on meanwhile; no
// reader touches the folders any more.
void FolderListing::Finish(Shared& shared) {
    std::vector<CFileStatus> files;
    std::vector<ListedFolder::Unlisted> unlisted;
    shared.root.Flatten(files, unlisted);
    SortNamesNoCase(
        files, [](const CFileStatus& file) -> const std::string& { return file.m_szFullName; });
    const std::lock_guard lock(shared.mutex);
    shared.files = std::move(files);
    shared.unlisted = std::move(unlisted);
    shared.sorting = false;
    shared.done = true;
    shared.ended.notify_all();
}
