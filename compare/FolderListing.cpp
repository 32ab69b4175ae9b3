#include "FolderListing.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

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
    Shared(std::string folder, bool recurseBelow, std::shared_ptr<const PathFilter> filterOrNone)
        : root(std::move(folder), {}, nullptr),
          recurse(recurseBelow),
          filter(std::move(filterOrNone)) {
        root.included = filter == nullptr || filter->IncludesEverything();
    }

    std::mutex mutex;
    std::condition_variable ended;
    std::condition_variable workArrived;
    ListedFolder root;                  // guarded by mutex, but for its constant parts
    std::deque<ListedFolder*> waiting;  // guarded by mutex: folders not yet read
    unsigned reading = 0;               // guarded by mutex: folders being read
    std::vector<CFileStatus> files;     // guarded by mutex: as listed; sorted once the listing ends
    std::vector<ListedFolder::Unlisted> unlisted;  // guarded by mutex
    bool stopped = false;                          // guarded by mutex
    bool sorting = false;  // set and cleared under mutex by the thread that sorts
    bool done = false;     // guarded by mutex
    std::atomic<size_t> count{0};
    const bool recurse;
    const std::shared_ptr<const PathFilter> filter;  // none when null or empty
};

FolderListing::FolderListing(std::string folder, bool recurse,
                             std::shared_ptr<const PathFilter> filter)
    : m_shared(
          std::make_shared<Shared>(FolderText(std::move(folder)), recurse,
                                   filter && !filter->IsEmpty() ? std::move(filter) : nullptr)) {
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
    // Stopped part way, the files listed so far come unsorted.
    return std::exchange(m_shared->files, {});
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
        if (folder.parent == nullptr) {
            // Resolved here rather than by the caller, whose thread a folder
            // on a hung share must not hold.
            folder.physicalPath = ResolvePhysicalPath(folder.path);
        }
        FolderReader(folder, shared->recurse, shared->filter.get(), shared->root.path.size())
            .Read([&](FolderReader::Contents& part, bool last) {
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
    if (!part.files.empty()) {
        folder.fileRuns.emplace_back(shared.files.size(), part.files.size());
        std::move(part.files.begin(), part.files.end(), std::back_inserter(shared.files));
        shared.count.store(shared.files.size(), std::memory_order_relaxed);
        part.files.clear();
    }
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

// Puts the files in order by name, those equal but for case in walking
// order. Sorted without the lock, so that waiting and progress go on
// meanwhile; no reader touches the list any more. Their places are sorted,
// and each file then moved once, to keep the memory of the list itself.
void FolderListing::Finish(Shared& shared) {
    std::vector<size_t> places;
    std::vector<ListedFolder::Unlisted> unlisted;
    places.reserve(shared.files.size());
    shared.root.Flatten(places, unlisted);
    const std::vector<CFileStatus>& files = shared.files;
    std::stable_sort(places.begin(), places.end(), [&files](size_t a, size_t b) {
        return CompareNoCase(files[a].m_szFullName, files[b].m_szFullName) < 0;
    });
    MoveIntoPlaces(shared.files, places);
    const std::lock_guard lock(shared.mutex);
    shared.unlisted = std::move(unlisted);
    shared.sorting = false;
    shared.done = true;
    shared.ended.notify_all();
}

// Moves the file at places[k] to k for every k, following each cycle of
// the arrangement once.
void FolderListing::MoveIntoPlaces(std::vector<CFileStatus>& files, std::vector<size_t>& places) {
    for (size_t start = 0; start < places.size(); ++start) {
        if (places[start] == start) {
            continue;
        }
        CFileStatus held = std::move(files[start]);
        size_t to = start;
        for (;;) {
            const size_t from = places[to];
            places[to] = to;
            if (from == start) {
                files[to] = std::move(held);
                break;
            }
            files[to] = std::move(files[from]);
            to = from;
        }
    }
}
