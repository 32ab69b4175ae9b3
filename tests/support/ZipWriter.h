#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct archive;

// Writes a ZIP archive for a test, entry by entry, with libarchive's writer.
// Kinds the writer refuses to store (devices, sockets) and entries without
// Unix modes (as made on another system) are written as regular files and
// marked afterwards in the archive's central directory, which is where
// readers take an entry's kind from.
class ZipWriter {
  public:
    explicit ZipWriter(const std::string& path);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    ZipWriter& File(const std::string& name, const std::string& content, int permissions = 0644);
    ZipWriter& Folder(const std::string& name);
    ZipWriter& Symlink(const std::string& name, const std::string& target);
    // A file whose central-directory record says `fileType` (S_IFCHR,
    // S_IFSOCK...) in its Unix mode.
    ZipWriter& Special(const std::string& name, mode_t fileType);
    // A file whose record carries no Unix mode, as a ZIP made on Windows.
    ZipWriter& FileWithoutUnixModes(const std::string& name, const std::string& content);
    // Writes the end of the archive and applies the marks. Also done when
    // the writer goes.
    void Finish();

  private:
    struct Mark {
        std::string name;
        bool unixModes;
        mode_t mode;
    };
    void Add(const std::string& name, mode_t mode, const std::string& content,
             const std::string& symlinkTarget);
    void ApplyMarks() const;

    std::string m_path;
    archive* m_writer;
    std::vector<Mark> m_marks;
};

// Where the first entry's (compressed) data starts in a ZIP archive's bytes.
size_t FirstEntryDataOffset(const std::string& archiveBytes);

// Writes `bytes` to `path`.
void WriteBytes(const std::string& path, const std::string& bytes);
