#include "FolderListing.h"

#include "CUncIterator.h"
#include "NameList.h"
#include "PathText.h"

FolderListing::FolderListing(std::string folder, bool recurse)
    : m_folder(std::move(folder)), m_recurse(recurse), m_thread([this] { List(); }) {}

FolderListing::~FolderListing() {
    Stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

bool FolderListing::WaitUntilDone(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_ended.wait_for(lock, timeout, [this] { return m_done; });
}

std::vector<CFileStatus> FolderListing::Take() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
    return std::move(m_files);
}

void FolderListing::List() {
    std::string searchSpec = m_folder;
    RemoveTrailingBackslash(searchSpec, true);
    searchSpec += "/*.*";
    CUncIterator iterator(searchSpec);
    iterator.Start(true, false, m_recurse, false);
    while (!iterator.IsEmpty() && !m_stop) {
        // The listing read each file's status already; it is kept, not asked again.
        m_files.push_back(CFileStatus::FromStat(iterator.Full(), iterator.GetFindData().status));
        m_count.store(m_files.size(), std::memory_order_relaxed);
        iterator.Next();
    }
    iterator.End();
    if (!m_stop) {
        SortNamesNoCase(m_files, [](const CFileStatus& file) -> const std::string& {
            return file.m_szFullName;
        });
    }
    const std::lock_guard lock(m_mutex);
    m_done = true;
    m_ended.notify_all();
}
