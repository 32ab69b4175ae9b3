#pragma once

#include <string>
#include <string_view>

// The application's settings file, an INI file of "[Section]" lines each
// followed by "key=value" lines. Section and key names match without regard
// to ASCII case; blanks around names and values are not part of them. Values
// are byte strings written as they stand, without escaping, so any path the
// file system allows round-trips as long as it holds no line break and no
// blank at either end.
//
// Every call reads the file afresh; a missing or unreadable file reads as
// empty, and so does anything that is not a regular file of at most 16 MiB
// (a FIFO, a device, a huge file), without ever waiting on it. A write
// changes only the one line it is about, keeps every other line as it was,
// and replaces the file in one step through a temporary file in the same
// folder, so a failed write leaves the old file whole; a file that could
// not be read is never replaced.
class CProfile {
  public:
    explicit CProfile(std::string path);

    // $XDG_CONFIG_HOME/Vantrel.INI, or ~/.config/Vantrel.INI when
    // XDG_CONFIG_HOME is unset, empty or not an absolute path.
    static std::string DefaultPath();

    const std::string& Path() const;

    // The value of the first such key in the first such section, which may
    // be empty; `defaultText` when there is none.
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultText) const;
    // The decimal integer the value begins with (after an optional sign);
    // `defaultValue` when there is no such key, no such number, or the
    // number does not fit an int.
    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Sets the key's value, adding the key at the end of its section, or
    // the section at the end of the file, when missing; creates the file and
    // its folder when they are missing. False, with the file unchanged, when
    // the file cannot be read or replaced, or when the names or the value
    // cannot be stored in the line format (a line break anywhere, an empty
    // name, "]" in the section, "=" in or "[" at the start of the key).
    bool WriteProfileString(std::string_view section, std::string_view key, std::string_view text);
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);

  private:
    std::string m_strPath;
};
