#pragma once

#include <cstdint>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards
// (permissions a test took away are given back first).
class TempTree {
  public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The absolute path of the folder, without a trailing "/".
    const std::string& Root() const { return m_root; }
    // Root() + "/" + relative.
    std::string Path(const std::string& relative) const;

    // Every file written here has this modification time, so that files
    // written on both sides of a test compare alike even when a second
    // ticks between the writes.
    static constexpr int64_t kWrittenTime = 1600000000;

    // Creates a file (and any missing folders) holding `content`, modified
    // at kWrittenTime.
    std::string WriteFile(const std::string& relative, const std::string& content) const;
    std::string MakeDir(const std::string& relative) const;
    std::string ReadFile(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    // Sets the modification and access time of an entry, in seconds and nanoseconds.
    void SetTimes(const std::string& relative, int64_t seconds, long nanoseconds = 0) const;

  private:
    std::string m_root;
};

// The whole content of a file at an absolute path ("" when unreadable).
std::string ReadWholeFile(const std::string& path);
