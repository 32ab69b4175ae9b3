#pragma once

#include <memory>
#include <string>
#include <vector>

class CProfile;
class PathFilter;

// The Include and Exclude patterns of the Filters dialog, as the settings
// file keeps them: section "Filters", keys "Include 1", "Include 2", ...
// and "Exclude 1", ..., each list ended by its first missing or empty key.
struct FilterPatterns {
    std::vector<std::string> include;
    std::vector<std::string> exclude;

    bool operator==(const FilterPatterns&) const = default;

    static FilterPatterns Read(const CProfile& profile);
    // False when the settings file could not be written.
    bool Write(CProfile& profile) const;
    // The filter of these patterns; each malformed one is left out, with
    // its reason added to `errors`.
    std::shared_ptr<const PathFilter> MakeFilter(std::vector<std::string>& errors) const;
};
