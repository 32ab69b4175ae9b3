#pragma once

#include <functional>
#include <optional>
#include <string>

// Gives the "FileVersion" text of a file's version record, or nothing when
// the file has none.
using FileVersionReader = std::function<std::optional<std::string>(const std::string& path)>;

// The version a file of the installation has now, as a text the offered
// version is compared with: the leading number of its "FileVersion" with
// two decimals ("1.04", "2.00"); for a file without version record its
// modification date in local time ("20080315"); "0.0" when there is no
// such file or its status cannot be read.
std::string LocalVersionText(const std::string& path, const FileVersionReader& readFileVersion);

// The text a missing file's version has.
inline constexpr char kMissingFileVersion[] = "0.0";

// True when `offered` is newer than `local`: as numbers when both are plain
// decimal numbers (digits, optionally a point and more digits), so that
// 10.00 is newer than 9.00; otherwise byte by byte as texts.
bool IsNewerVersion(const std::string& offered, const std::string& local);
