#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One pattern of a filter, a shell-style glob on a path relative to the
// compared folder, written as .gitignore writes them:
// - `*` any run within one name, `?` one character, `[a-z]`, `[!a-z]` or
//   `[^a-z]` one character of a class; `\` takes the next byte as it is.
//   Characters are UTF-8 sequences; a byte that is not part of one is a
//   character of its own, so names that are not valid UTF-8 match too.
// - `**/` at the start or between names: any number of folders, none
//   included; `/**` at the end: everything inside.
// - A pattern with no "/" but a trailing one matches a name at any depth;
//   one with a leading "/" or a "/" inside is anchored at the compared
//   folder. A trailing "/" matches folders only.
// - Trailing blanks are dropped unless escaped with `\`.
class PathPattern {
  public:
    // The pattern of `text`; nullopt with `error` set when it is malformed
    // (an unclosed `[`, a `\` at the end, nothing but "/").
    static std::optional<PathPattern> Parse(std::string_view text, std::string& error);

    // `relativePath` ('/'-separated, no leading or trailing '/') matches;
    // `isFolder` tells whether it names a folder.
    bool Matches(std::string_view relativePath, bool isFolder) const;

  private:
    PathPattern() = default;

    std::vector<std::string> m_names;  // by "/"; "**" alone for any folders
    bool m_bAnchored = false;
    bool m_bFoldersOnly = false;
};

// The patterns of a text of one pattern a line, as a .gitignore file holds
// them: line ends may be "\r\n"; blank lines and lines beginning with "#"
// are skipped.
std::vector<std::string> PatternLines(std::string_view text);

// The pattern text with its trailing blanks dropped (those escaped kept);
// empty when it is blank.
std::string_view TrimPattern(std::string_view text);
