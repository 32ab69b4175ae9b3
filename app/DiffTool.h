#pragma once

#include <string>
#include <string_view>
#include <vector>

// The external program that shows two files side by side, for the pair of
// a results row.
struct DiffToolCommand {
    std::vector<std::string> arguments;  // the program's full path first; empty on error
    std::string error;                   // why there is no command, for the user
};

// The well-known visual file-comparison programs, in the order they are
// tried when no command is set.
const std::vector<std::string>& KnownDiffTools();

// The command that compares `left` with `right`. `configured` is the
// "Diff Tool" setting: a command line split as a shell would (quotes and
// backslashes, no expansions), in which "%1" and "%2" stand for the two
// paths (both appended when neither appears); a program named without a
// folder is looked up on PATH. When `configured` is blank, the first known
// program on PATH is used.
DiffToolCommand MakeDiffToolCommand(std::string_view configured, const std::string& left,
                                    const std::string& right);
