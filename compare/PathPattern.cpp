#include "PathPattern.h"

#include <cstdint>

namespace {

constexpr std::string_view kAnyFolders = "**";

// The character at `at`: its code (a byte not part of a UTF-8 sequence
// counts as a character above every code point) and its length in bytes.
struct Character {
    uint32_t code;
    size_t length;
};

Character CharacterAt(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const Character single{0x110000u + lead, 1};
    if (lead < 0x80) {
        return {lead, 1};
    }
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) {
        return single;
    }
    uint32_t code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return single;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return single;
    }
    return {code, length};
}

// The end of the class that opens at `open` (the place of its "]"), or npos.
size_t ClassEnd(std::string_view pattern, size_t open) {
    size_t at = open + 1;
    if (at < pattern.size() && (pattern[at] == '!' || pattern[at] == '^')) {
        ++at;
    }
    if (at < pattern.size() && pattern[at] == ']') {
        ++at;  // a "]" first is a member
    }
    for (; at < pattern.size(); ++at) {
        if (pattern[at] == '\\') {
            ++at;
        } else if (pattern[at] == ']') {
            return at;
        }
    }
    return std::string_view::npos;
}

// Whether `c` is a member of the class pattern[open..close].
bool InClass(std::string_view pattern, size_t open, size_t close, uint32_t c) {
    size_t at = open + 1;
    const bool negated = pattern[at] == '!' || pattern[at] == '^';
    at += negated ? 1 : 0;
    bool member = false;
    while (at < close) {
        if (pattern[at] == '\\') {
            ++at;
        }
        const Character low = CharacterAt(pattern, at);
        at += low.length;
        uint32_t high = low.code;
        if (at + 1 < close && pattern[at] == '-') {
            size_t upper = at + 1;
            if (pattern[upper] == '\\') {
                ++upper;
            }
            const Character last = CharacterAt(pattern, upper);
            high = last.code;
            at = upper + last.length;
        }
        member = member || (c >= low.code && c <= high);
    }
    return member != negated;
}

// One name against one name pattern: `*` backtracks to its last place only,
// so the time stays bounded by the product of the two lengths.
bool NameMatches(std::string_view pattern, std::string_view name) {
    size_t p = 0;
    size_t n = 0;
    size_t starP = std::string_view::npos;
    size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            while (p < pattern.size() && pattern[p] == '*') {
                ++p;
            }
            starP = p;
            starN = n;
            continue;
        }
        const Character c = CharacterAt(name, n);
        bool step = false;
        size_t next = p;
        if (p < pattern.size()) {
            if (pattern[p] == '?') {
                step = true;
                next = p + 1;
            } else if (pattern[p] == '[') {
                const size_t close = ClassEnd(pattern, p);
                step = InClass(pattern, p, close, c.code);
                next = close + 1;
            } else {
                const size_t at = pattern[p] == '\\' ? p + 1 : p;
                const Character literal = CharacterAt(pattern, at);
                step = name.substr(n, c.length) == pattern.substr(at, literal.length);
                next = at + literal.length;
            }
        }
        if (step) {
            p = next;
            n += c.length;
        } else if (starP != std::string_view::npos) {
            starN += CharacterAt(name, starN).length;
            n = starN;
            p = starP;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::vector<std::string_view> SplitNames(std::string_view path) {
    std::vector<std::string_view> names;
    size_t start = 0;
    for (;;) {
        const size_t slash = path.find('/', start);
        names.push_back(path.substr(start, slash - start));
        if (slash == std::string_view::npos) {
            return names;
        }
        start = slash + 1;
    }
}

// The place of the first "/" that is not escaped, or npos.
size_t UnescapedSlash(std::string_view text, size_t from) {
    for (size_t at = from; at < text.size(); ++at) {
        if (text[at] == '\\') {
            ++at;
        } else if (text[at] == '/') {
            return at;
        }
    }
    return std::string_view::npos;
}

}  // namespace

std::vector<std::string> PatternLines(std::string_view text) {
    std::vector<std::string> patterns;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string line(text.substr(start, end - start));
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") != std::string::npos && !line.starts_with('#')) {
            patterns.push_back(std::move(line));
        }
        start = end + 1;
    }
    return patterns;
}

std::string_view TrimPattern(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') {
        size_t escapes = 0;
        for (size_t at = end - 1; at > 0 && text[at - 1] == '\\'; --at) {
            ++escapes;
        }
        if (escapes % 2 == 1) {
            break;
        }
        --end;
    }
    return text.substr(0, end);
}

std::optional<PathPattern> PathPattern::Parse(std::string_view text, std::string& error) {
    std::string_view body = TrimPattern(text);
    PathPattern pattern;
    if (body.ends_with('/')) {
        pattern.m_bFoldersOnly = true;
        body.remove_suffix(1);
    }
    pattern.m_bAnchored = UnescapedSlash(body, 0) != std::string_view::npos;
    if (body.starts_with('/')) {
        body.remove_prefix(1);
    }
    const std::string quoted = "\"" + std::string(text) + "\"";
    if (body.empty()) {
        error = "The pattern " + quoted + " names nothing.";
        return std::nullopt;
    }
    for (size_t at = 0; at < body.size(); ++at) {
        if (body[at] == '\\' && ++at == body.size()) {
            error = "The pattern " + quoted + " ends in \"\\\", which escapes nothing.";
            return std::nullopt;
        }
        if (body[at] == '[') {
            const size_t close = ClassEnd(body, at);
            if (close == std::string_view::npos ||
                UnescapedSlash(body.substr(at, close - at), 0) != std::string_view::npos) {
                error = "The pattern " + quoted + " has a \"[\" without its \"]\".";
                return std::nullopt;
            }
            at = close;
        }
    }
    for (size_t start = 0;;) {
        const size_t slash = UnescapedSlash(body, start);
        pattern.m_names.emplace_back(body.substr(start, slash - start));
        if (slash == std::string_view::npos) {
            break;
        }
        start = slash + 1;
    }
    return pattern;
}

bool PathPattern::Matches(std::string_view relativePath, bool isFolder) const {
    if (m_bFoldersOnly && !isFolder) {
        return false;
    }
    if (!m_bAnchored) {
        const size_t slash = relativePath.rfind('/');
        const std::string_view name =
            slash == std::string_view::npos ? relativePath : relativePath.substr(slash + 1);
        return NameMatches(m_names.front(), name);
    }
    // matched[p][n]: the first p name patterns match the first n names.
    const std::vector<std::string_view> names = SplitNames(relativePath);
    const size_t width = names.size() + 1;
    std::vector<char> matched((m_names.size() + 1) * width, 0);
    matched[0] = 1;
    for (size_t p = 1; p <= m_names.size(); ++p) {
        const bool anyFolders = m_names[p - 1] == kAnyFolders;
        // "**" last stands for everything inside: at least one name.
        const bool last = p == m_names.size();
        for (size_t n = 0; n <= names.size(); ++n) {
            bool match = false;
            if (anyFolders) {
                match = (!last && matched[(p - 1) * width + n]) ||
                        (n > 0 && (matched[p * width + n - 1] || matched[(p - 1) * width + n - 1]));
            } else if (n > 0) {
                match =
                    matched[(p - 1) * width + n - 1] && NameMatches(m_names[p - 1], names[n - 1]);
            }
            matched[p * width + n] = match;
        }
    }
    return matched[m_names.size() * width + names.size()] != 0;
}
