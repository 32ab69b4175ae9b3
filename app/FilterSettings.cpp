#include "FilterSettings.h"

#include "CProfile.h"
#include "PathFilter.h"

namespace {

constexpr char kSection[] = "Filters";

std::vector<std::string> ReadList(const CProfile& profile, const std::string& prefix) {
    std::vector<std::string> patterns;
    for (int number = 1;; ++number) {
        std::string pattern =
            profile.GetProfileString(kSection, prefix + " " + std::to_string(number), "");
        if (pattern.empty()) {
            return patterns;
        }
        patterns.push_back(std::move(pattern));
    }
}

// The empty key after the last ends the list, whatever longer list the file
// held before.
bool WriteList(CProfile& profile, const std::string& prefix,
               const std::vector<std::string>& patterns) {
    for (size_t index = 0; index <= patterns.size(); ++index) {
        const std::string key = prefix + " " + std::to_string(index + 1);
        if (!profile.WriteProfileString(kSection, key,
                                        index < patterns.size() ? patterns[index] : "")) {
            return false;
        }
    }
    return true;
}

}  // namespace

FilterPatterns FilterPatterns::Read(const CProfile& profile) {
    return {ReadList(profile, "Include"), ReadList(profile, "Exclude")};
}

bool FilterPatterns::Write(CProfile& profile) const {
    return WriteList(profile, "Include", include) && WriteList(profile, "Exclude", exclude);
}

std::shared_ptr<const PathFilter> FilterPatterns::MakeFilter(
    std::vector<std::string>& errors) const {
    auto filter = std::make_shared<PathFilter>();
    std::string error;
    for (const std::string& pattern : include) {
        if (!filter->AddInclude(pattern, error)) {
            errors.push_back(error);
        }
    }
    for (const std::string& pattern : exclude) {
        if (!filter->AddExclude(pattern, error)) {
            errors.push_back(error);
        }
    }
    return filter;
}
