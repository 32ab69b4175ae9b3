#pragma once

#include <memory>
#include <string>

#include "PathFilter.h"

// What vantrel-compare was asked to do.
struct CommandLine {
    enum class Action { Compare, Help, Version, UsageError };

    Action action = Action::UsageError;
    bool recurse = false;
    bool disregardAttributes = false;
    bool brief = false;
    std::string leftFolder;
    std::string rightFolder;
    // The patterns of --include, --exclude and --exclude-from.
    std::shared_ptr<PathFilter> filter = std::make_shared<PathFilter>();
    std::string error;  // what is wrong, for UsageError

    static CommandLine Parse(int argc, char** argv);
};

// The text printed for --help.
const char* UsageText();
