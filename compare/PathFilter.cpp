#include "PathFilter.h"

#include <algorithm>

bool PathFilter::AddInclude(std::string_view pattern, std::string& error) {
    return Add(m_includes, pattern, error);
}

bool PathFilter::AddExclude(std::string_view pattern, std::string& error) {
    return Add(m_excludes, pattern, error);
}

bool PathFilter::Add(std::vector<PathPattern>& list, std::string_view pattern, std::string& error) {
    if (TrimPattern(pattern).find_first_not_of(" \t") == std::string_view::npos) {
        return true;
    }
    std::optional<PathPattern> parsed = PathPattern::Parse(pattern, error);
    if (!parsed) {
        return false;
    }
    list.push_back(std::move(*parsed));
    return true;
}

bool PathFilter::AnyMatches(const std::vector<PathPattern>& list, std::string_view path,
                            bool isFolder) {
    return std::any_of(list.begin(), list.end(),
                       [&](const PathPattern& pattern) { return pattern.Matches(path, isFolder); });
}

bool PathFilter::EntersFolder(std::string_view relativePath) const {
    return !AnyMatches(m_excludes, relativePath, true);
}

bool PathFilter::IncludesFolder(std::string_view relativePath) const {
    return m_includes.empty() || AnyMatches(m_includes, relativePath, true);
}

bool PathFilter::TakesFile(std::string_view relativePath, bool inIncludedFolder) const {
    if (AnyMatches(m_excludes, relativePath, false)) {
        return false;
    }
    return inIncludedFolder || m_includes.empty() || AnyMatches(m_includes, relativePath, false);
}
