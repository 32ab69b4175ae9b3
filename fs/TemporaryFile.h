#pragma once

#include <string>
#include <string_view>

#include "UniqueFd.h"

// The file a copy writes before it replaces its target: beside the target,
// named ".vantrel-" and six letters or digits (as mkstemp makes them), and
// removed again unless Commit succeeds. While it exists, a signal that ends
// the program removes it too (InterruptedCopyCleanup). While it is open, it
// carries an advisory lock that tells it is in use.
class TemporaryFile {
  public:
    // True for the names this class gives its files: they are never the
    // user's, so a compare does not list them.
    static bool IsTemporaryName(std::string_view name);

    // Creates the file in `target`'s folder; see IsOpen.
    explicit TemporaryFile(const std::string& target);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile();

    // False when the file could not be created; Error() says why.
    bool IsOpen() const { return m_fd.IsOpen(); }
    int Error() const { return m_error; }
    int Fd() const { return m_fd.Get(); }
    bool Close() { return m_fd.Close(); }
    // Puts the file in place of `target`; false (errno set) when it cannot.
    bool Commit(const std::string& target);

  private:
    std::string m_path;
    UniqueFd m_fd;
    int m_error = 0;
    bool m_bCommitted = false;
};
