#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class COXUNCStandardActor;

// One file-system path, kept both as full text and as its parts (directory
// with its trailing "/", and file: name or mask such as "*.*"). Either form
// may be changed; the other is rebuilt when next read. Only "/" separates:
// every other byte, including "\", belongs to a name, and no byte is ever
// removed or trimmed, so a name read from disk survives unchanged.
class CUncPath {
  public:
    explicit CUncPath(std::string text = {});
    CUncPath(const CUncPath& other);
    CUncPath& operator=(const CUncPath& other);
    CUncPath& operator=(const std::string& text);
    virtual ~CUncPath() = default;

    // The full text (rebuilt from the parts when they were changed).
    const std::string& Full();
    std::string GetFull() const;

    // Writable parts: a change is reflected in the next read of the full text.
    std::string& Directory();
    std::string& File();
    std::string GetDirectory() const;
    std::string GetFile() const;

    // The name to hand to the file system: directory + file, with the
    // trailing "/" of a bare directory dropped ("/data/" -> "/data",
    // "/" stays "/").
    std::string GetFileSystemName() const;

    bool IsEmpty() const;
    void Empty();

    // Replaces both forms at once; the caller guarantees that `directory`
    // is empty or ends with "/" and that `file` holds no "/".
    void SetParts(std::string_view directory, std::string_view file);

    static constexpr char GetSeparator() { return '/'; }

    int32_t m_hrLast = 0;  // result of the last file-system operation, 0 or a failure code
    COXUNCStandardActor* m_pActor;

  private:
    void SyncFull();
    void SyncParts();
    void NormaliseParts();

    std::string m_sFull;
    bool m_bFullValid = true;
    std::string m_sDirectory;
    std::string m_sFile;
    bool m_bPartsValid = false;
};
