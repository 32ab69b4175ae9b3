#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "PathPattern.h"

// Which files and folders a compare takes in: two lists of patterns
// (PathPattern), Include and Exclude. Empty, it takes in everything.
// An excluded folder is not entered at all; an excluded file is left out.
// With Include patterns, a file is taken in only when it, or a folder it
// lies in, matches one of them; folders are still entered to find such
// files. Exclude wins over Include.
class PathFilter {
  public:
    // Adds a pattern; a blank one is ignored. False, with `error` set and
    // the filter unchanged, when it is malformed.
    bool AddInclude(std::string_view pattern, std::string& error);
    bool AddExclude(std::string_view pattern, std::string& error);

    bool IsEmpty() const { return m_includes.empty() && m_excludes.empty(); }
    // Without Include patterns, every file not excluded is taken in.
    bool IncludesEverything() const { return m_includes.empty(); }

    // Paths are relative to the compared folder, without a leading or
    // trailing "/".
    bool EntersFolder(std::string_view relativePath) const;
    // The folder matches an Include pattern, so everything in it is taken
    // in (always true without Include patterns).
    bool IncludesFolder(std::string_view relativePath) const;
    // `inIncludedFolder`: a folder it lies in was included.
    bool TakesFile(std::string_view relativePath, bool inIncludedFolder) const;

  private:
    static bool Add(std::vector<PathPattern>& list, std::string_view pattern, std::string& error);
    static bool AnyMatches(const std::vector<PathPattern>& list, std::string_view path,
                           bool isFolder);

    std::vector<PathPattern> m_includes;
    std::vector<PathPattern> m_excludes;
};
