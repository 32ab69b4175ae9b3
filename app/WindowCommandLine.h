#pragma once

#include <string>

// What the window program was asked to do by its arguments: open (with two
// folders, which it then compares at once), print its help or version, or
// nothing but a usage message.
struct WindowCommandLine {
    enum class Action { Open, Help, Version, UsageError };

    Action action = Action::UsageError;
    // For Open with folders: absolute, ending in "/"; both empty without.
    std::string leftFolder;
    std::string rightFolder;

    // `currentFolder` makes relative folders absolute; "." components and
    // repeated "/" go, ".." stays (it may climb out of a link).
    static WindowCommandLine Parse(int argc, const char* const* argv,
                                   const std::string& currentFolder);
};

// The text printed for --help, and after a usage error.
const char* WindowUsageText();
