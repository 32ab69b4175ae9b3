#include "UpdateManifest.h"

#include <algorithm>
#include <cctype>

#include "NameList.h"

namespace {

constexpr std::string_view kErrorPageMark = "<!DOCTYPE HTML PUBLIC";
constexpr size_t kDigestLength = 64;

// The text split at its line ends; a line end after the last line does not
// begin another line, but two in a row give an empty one.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::optional<std::string> DigestOf(const std::string& field) {
    if (field.size() != kDigestLength ||
        !std::all_of(field.begin(), field.end(),
                     [](unsigned char c) { return std::isxdigit(c); })) {
        return std::nullopt;
    }
    std::string digest = field;
    std::transform(digest.begin(), digest.end(), digest.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return digest;
}

// A target is a file of the program's folder or below it: never an
// absolute name, and no ".." that would climb out.
bool StaysInProgramFolder(const std::string& targetName) {
    if (targetName.empty() || targetName.front() == '/') {
        return false;
    }
    const auto parts = SplitText(targetName, "/");
    return std::none_of(parts.begin(), parts.end(),
                        [](const std::string& part) { return part == ".."; });
}

}  // namespace

ParsedManifest ParseManifest(std::string_view text) {
    ParsedManifest manifest;
    size_t number = 0;
    for (const std::string_view line : SplitLines(text)) {
        ++number;
        const std::string lineText(line);
        const auto fields = SplitText(lineText, ",");
        std::string fault;
        if (line.find(kErrorPageMark) != std::string_view::npos) {
            fault = "the server sent an error page";
        } else if (fields.size() < 3) {
            fault = "it has fewer than three fields";
        } else if (!StaysInProgramFolder(fields[0])) {
            fault = "its file name \"" + fields[0] + "\" leaves the program's folder";
        }
        if (!fault.empty()) {
            manifest.problem = ManifestProblem::NotAvailable;
            manifest.reason = "Line " + std::to_string(number) + ": " + fault + ".";
            manifest.lines.clear();
            return manifest;
        }
        ManifestLine entry{fields[0], fields[1], fields[2], std::nullopt};
        if (fields.size() > 3) {
            entry.sha256 = DigestOf(fields[3]);
        }
        manifest.lines.push_back(std::move(entry));
    }
    if (manifest.lines.empty()) {
        manifest.problem = ManifestProblem::Empty;
    }
    return manifest;
}
