#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One line of the update information: a file of the installation, the
// archive that brings its new version and the version offered.
struct ManifestLine {
    std::string targetName;
    std::string archiveName;
    std::string offeredVersion;
    // The archive's SHA-256 digest (64 hexadecimal digits, lower case), when
    // the line gives one as its fourth field.
    std::optional<std::string> sha256;
};

enum class ManifestProblem {
    None,
    // An error page, a line of fewer than three fields, or a target name
    // that leaves the program's folder.
    NotAvailable,
    // No line at all.
    Empty,
};

struct ParsedManifest {
    ManifestProblem problem = ManifestProblem::None;
    // For NotAvailable: which line is at fault and why.
    std::string reason;
    std::vector<ManifestLine> lines;
};

// Reads the update information: lines ended by LF or CR LF (a final line
// end is optional), fields separated by "," and taken exactly as written.
// Fields after the fourth, and a fourth that is not a SHA-256 digest, are
// ignored, so information written for older programs still reads.
ParsedManifest ParseManifest(std::string_view text);
