#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "CFileStatus.h"

// Lists the files of a folder, and with `recurse` of all its subfolders,
// with their status, on a thread of its own: the two folders of a compare
// are listed at the same time, and the caller's thread stays free to show
// progress. The list comes out sorted by name without regard to case.
class FolderListing {
  public:
    // Starts listing at once.
    FolderListing(std::string folder, bool recurse);
    // Stops the listing and waits for its thread.
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    // Files listed so far.
    size_t Count() const { return m_count.load(std::memory_order_relaxed); }
    // Waits at most `timeout`; true once the listing has ended.
    bool WaitUntilDone(std::chrono::milliseconds timeout);
    // Asks the listing to end at the next file; what it has stays.
    void Stop() { m_stop = true; }
    // Waits for the end and hands over the files: all of them, sorted, or,
    // after Stop, those listed until then.
    std::vector<CFileStatus> Take();

  private:
    void List();

    const std::string m_folder;
    const bool m_recurse;
    std::vector<CFileStatus> m_files;
    std::atomic<size_t> m_count{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    // Last, so that it starts once every member above exists.
    std::thread m_thread;
};
