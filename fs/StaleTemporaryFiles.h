#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>

// Removes the temporary files that interrupted copies (a crash, a kill, a
// power cut) left in a folder: regular files named as TemporaryFile names
// them, not modified for an hour and not locked (a copy at work, of this
// program or another, holds its file locked; its time may already be set to
// the source's). Only the folder itself is looked at, never its subfolders.
// A folder is looked at again only after an hour, so that copying many files
// into it reads it once.
class StaleTemporaryFiles {
  public:
    static constexpr std::chrono::seconds kAge{3600};

    // `folder` ends with "/" ("" is the current folder). A file that cannot
    // be removed stays; the trace log says why.
    void RemoveFrom(const std::string& folder);

  private:
    // False when `folder` was looked at within the last hour.
    bool IsDue(const std::string& folder);

    std::mutex m_mutex;
    std::map<std::string, std::chrono::steady_clock::time_point> m_lastLooked;  // by m_mutex
};
