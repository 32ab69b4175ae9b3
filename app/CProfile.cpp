#include "CProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "SmallFile.h"
#include "UserFolders.h"

namespace {

constexpr std::string_view kFileName = "Vantrel.INI";
constexpr std::string_view kBlanks = " \t\r\n";

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

// The name of a "[Name]" line; nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    const size_t close = line.find(']');
    if (line.empty() || line.front() != '[' || close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(line.substr(1, close - 1));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

// The two halves of a "key=value" line; nullopt for a line without "=".
std::optional<KeyValue> SplitKeyLine(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyValue{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// The file's lines, each with the line break that ends it (the last one
// may have none), so that joining them gives the file back byte for byte.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

// Where a key lives in the file's lines, or where it would go.
struct KeyPlace {
    bool sectionFound = false;
    std::optional<size_t> keyLine;
    // The line after the section's last non-blank line: where a new key goes.
    size_t insertAt = 0;
};

// The first section of that name counts, as does the first key in it.
KeyPlace FindKey(const std::vector<std::string>& lines, std::string_view section,
                 std::string_view key) {
    KeyPlace place;
    section = Trim(section);
    key = Trim(key);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (place.sectionFound) {
                break;
            }
            if (EqualNoCase(*name, section)) {
                place.sectionFound = true;
                place.insertAt = i + 1;
            }
            continue;
        }
        if (!place.sectionFound || Trim(lines[i]).empty()) {
            continue;
        }
        place.insertAt = i + 1;
        const auto pair = SplitKeyLine(lines[i]);
        if (pair && EqualNoCase(pair->key, key)) {
            place.keyLine = i;
            return place;
        }
    }
    return place;
}

// What ends `line`: "\r\n", "\n" or nothing.
std::string_view LineBreakOf(std::string_view line) {
    if (line.ends_with("\r\n")) {
        return "\r\n";
    }
    return line.ends_with('\n') ? "\n" : "";
}

// The file's text with the key set to `value`. New lines take the file's
// own line break.
std::string WithValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string_view newline = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    std::vector<std::string> lines = SplitLines(text);
    const KeyPlace place = FindKey(lines, section, key);
    const std::string keyLine = std::string(Trim(key)) + "=" + std::string(value);
    if (place.keyLine) {
        std::string& line = lines[*place.keyLine];
        line = keyLine + std::string(LineBreakOf(line));
    } else {
        size_t at = place.insertAt;
        std::vector<std::string> added;
        if (!place.sectionFound) {
            at = lines.size();
            added.push_back("[" + std::string(Trim(section)) + "]" + std::string(newline));
        }
        added.push_back(keyLine + std::string(newline));
        if (at > 0 && LineBreakOf(lines[at - 1]).empty()) {
            lines[at - 1] += newline;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    }
    std::string result;
    for (const std::string& line : lines) {
        result += line;
    }
    return result;
}

bool CanStore(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasLineBreak = [](std::string_view text) {
        return text.find_first_of("\r\n") != std::string_view::npos;
    };
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value)) {
        return false;
    }
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    return !sectionName.empty() && sectionName.find(']') == std::string_view::npos &&
           !keyName.empty() && keyName.front() != '[' &&
           keyName.find('=') == std::string_view::npos;
}

// Settings files are small; anything larger is not one.
constexpr size_t kMaxProfileSize = 16 * 1024 * 1024;

// The whole file; empty when it does not exist, nullopt when it exists but
// cannot be read or is no settings file: not a regular file (a FIFO would
// block the reader, a device may never end) or larger than the limit.
std::optional<std::string> ReadProfileText(const std::string& path) {
    SmallFile file = ReadSmallFile(path, kMaxProfileSize);
    if (!file.text && file.error == ENOENT) {
        return std::string();
    }
    return std::move(file.text);
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno != EINTR) {
            return false;
        }
        if (written > 0) {
            text.remove_prefix(static_cast<size_t>(written));
        }
    }
    return true;
}

// Writes `text` to a temporary file beside `path` and renames it over
// `path`, keeping the old file's permissions. A profile reached through a
// symbolic link is replaced where the link points, so the link stays.
bool ReplaceFile(const std::string& path, std::string_view text) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(target, error)) {
        target = fs::weakly_canonical(target, error);
        if (error) {
            return false;
        }
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::create_directories(folder, error);
    if (error) {
        return false;
    }
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    const bool written =
        (stat(target.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0) &&
        WriteAll(fd, text) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

CProfile::CProfile(std::string path) : m_strPath(std::move(path)) {}

std::string CProfile::DefaultPath() {
    return BaseFolder(std::getenv("XDG_CONFIG_HOME"), HomeFolder() + "/.config") +
           std::string(kFileName);
}

const std::string& CProfile::Path() const {
    return m_strPath;
}

std::string CProfile::GetProfileString(std::string_view section, std::string_view key,
                                       std::string_view defaultText) const {
    const std::optional<std::string> text = ReadProfileText(m_strPath);
    if (!text) {
        return std::string(defaultText);
    }
    const std::vector<std::string> lines = SplitLines(*text);
    const KeyPlace place = FindKey(lines, section, key);
    if (!place.keyLine) {
        return std::string(defaultText);
    }
    return std::string(SplitKeyLine(lines[*place.keyLine])->value);
}

int CProfile::GetProfileInt(std::string_view section, std::string_view key,
                            int defaultValue) const {
    const std::string value = GetProfileString(section, key, "");
    std::string_view digits = value;
    if (digits.size() > 1 && digits[0] == '+' && digits[1] >= '0' && digits[1] <= '9') {
        digits.remove_prefix(1);
    }
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() ? number : defaultValue;
}

bool CProfile::WriteProfileString(std::string_view section, std::string_view key,
                                  std::string_view text) {
    if (!CanStore(section, key, text)) {
        return false;
    }
    const std::optional<std::string> old = ReadProfileText(m_strPath);
    return old && ReplaceFile(m_strPath, WithValue(*old, section, key, text));
}

bool CProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}
