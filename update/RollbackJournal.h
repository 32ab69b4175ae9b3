#pragma once

#include <string>
#include <vector>

// Makes the changes of an install one by one and notes each, so that a
// failure part-way can undo them all, last first.
class RollbackJournal {
  public:
    // Renames `from` to `to`. On failure nothing is noted and errno tells why.
    bool Rename(const std::string& from, const std::string& to);
    // Makes the folder `path`. On failure nothing is noted and errno tells why.
    bool MakeFolder(const std::string& path);

    // Undoes every noted change, last first, and forgets them. Returns ""
    // when everything was put back, else what could not be, with the
    // system's reasons.
    std::string RollBack();

  private:
    struct Change {
        std::string from;  // empty for a folder made at `to`
        std::string to;
    };
    std::vector<Change> m_changes;
};
