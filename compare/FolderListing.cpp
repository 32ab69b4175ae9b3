#include "FolderListing.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "NameList.h"
#include "PathText.h"
#include "TemporaryFile.h"
#include "WorkerThread.h"

struct FolderListing::Shared {
    std::mutex mutex;
    std::condition_variable ended;
    std::vector<CFileStatus> files;                      // guarded by mutex
    std::vector<CUncIterator::UnlistedFolder> unlisted;  // guarded by mutex
    bool stopped = false;                                // guarded by mutex
    bool sorting = false;  // set and cleared under mutex by the listing's thread
    bool done = false;     // guarded by mutex
    std::atomic<size_t> count{0};
};

FolderListing::FolderListing(std::string folder, bool recurse)
    : m_shared(std::make_shared<Shared>()) {
    StartDetachedWorker([shared = m_shared, folder = std::move(folder), recurse] {
        List(shared, folder, recurse);
    });
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
}

std::vector<CFileStatus> FolderListing::Take() {
    std::unique_lock lock(m_shared->mutex);
    m_shared->ended.wait(
        lock, [this] { return m_shared->done || (m_shared->stopped && !m_shared->sorting); });
    return std::move(m_shared->files);
}

std::vector<CUncIterator::UnlistedFolder> FolderListing::UnlistedFolders() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->unlisted;
}

void FolderListing::List(const std::shared_ptr<Shared>& shared, const std::string& folder,
                         bool recurse) {
    std::string searchPattern = folder;
    RemoveTrailingBackslash(searchPattern, true);
    searchPattern += "/*.*";
    CUncIterator iterator(searchPattern);
    iterator.Start(true, false, recurse, false);
    for (; !iterator.IsEmpty(); iterator.Next()) {
        if (TemporaryFile::IsTemporaryName(iterator.GetFindData().name)) {
            continue;  // the file of a copy under way or cut short, not the user's
        }
        // The listing read each file's status already; it is kept, not asked again.
        CFileStatus file = CFileStatus::FromStat(iterator.Full(), iterator.GetFindData().status);
        const std::lock_guard lock(shared->mutex);
        if (shared->stopped) {
            break;
        }
        shared->files.push_back(std::move(file));
        shared->count.store(shared->files.size(), std::memory_order_relaxed);
    }
    iterator.End();
    {
        const std::lock_guard lock(shared->mutex);
        shared->sorting = !shared->stopped;
        shared->unlisted = iterator.UnlistedFolders();
    }
    // Sorted without the lock, so that waiting and progress go on meanwhile;
    // nothing else touches the files while they are sorted.
    if (shared->sorting) {
        SortNamesNoCase(shared->files, [](const CFileStatus& file) -> const std::string& {
            return file.m_szFullName;
        });
    }
    const std::lock_guard lock(shared->mutex);
    shared->sorting = false;
    shared->done = true;
    shared->ended.notify_all();
}
