#pragma once

#include <string>

// A chain of folders below an existing folder whose full paths grow longer
// than the system allows, with one file at the bottom. It is made and
// removed through open folders, as the system cannot take the whole path;
// destroy it before the tree it lives in.
class TooDeepFolders {
  public:
    explicit TooDeepFolders(const std::string& base);
    ~TooDeepFolders();
    TooDeepFolders(const TooDeepFolders&) = delete;
    TooDeepFolders& operator=(const TooDeepFolders&) = delete;

    // The first folder of the chain whose path is too long to open, with
    // its trailing "/".
    const std::string& FirstUnreachable() const { return m_firstUnreachable; }

  private:
    std::string m_base;
    std::string m_firstUnreachable;
};
