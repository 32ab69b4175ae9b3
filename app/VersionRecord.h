#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// The version record that cmake/VersionRecord.cmake puts into the section
// ".vantrel.version" of every program the project builds: named blocks
// ("\", "\VarFileInfo\Translation", "\StringFileInfo\040904E4\FileVersion"
// ...) with their raw values. The layout is described in that file.
class VersionRecord {
  public:
    static constexpr const char* kSectionName = ".vantrel.version";

    // Nothing when `bytes` do not start with the record's marker or a block
    // runs past their end. Zero bytes after the last block are padding.
    static std::optional<VersionRecord> Parse(const std::vector<unsigned char>& bytes);

    // The value of the named block, or nullptr when the record has none.
    const std::string* Find(const std::string& blockName) const;

  private:
    std::map<std::string, std::string> m_blocks;
};
