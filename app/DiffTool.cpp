#include "DiffTool.h"

#include <glib.h>

#include <algorithm>

#include "ExternalProgram.h"

namespace {

constexpr char kHowToSet[] =
    "Name the program in the settings file Vantrel.INI, section [Defaults], "
    "for example:\n\nDiff Tool=meld %1 %2\n\n(%1 and %2 stand for the two files.)";

// `word` with each "%1" and "%2" replaced in one pass, so that a path that
// itself holds "%2" stays as it is.
std::string Substitute(const std::string& word, const std::string& left, const std::string& right) {
    std::string result;
    for (size_t at = 0; at < word.size(); ++at) {
        if (word[at] == '%' && at + 1 < word.size() &&
            (word[at + 1] == '1' || word[at + 1] == '2')) {
            result += word[at + 1] == '1' ? left : right;
            ++at;
        } else {
            result += word[at];
        }
    }
    return result;
}

bool HasPlaceholder(const std::string& word) {
    return word.find("%1") != std::string::npos || word.find("%2") != std::string::npos;
}

std::string KnownToolNames() {
    std::string names;
    for (const std::string& tool : KnownDiffTools()) {
        names += (names.empty() ? "" : ", ") + tool;
    }
    return names;
}

// The setting's words, split as a shell would; empty when it cannot be.
std::vector<std::string> SplitCommandLine(std::string_view text, std::string& error) {
    const std::string line(text);
    int count = 0;
    char** words = nullptr;
    GError* failure = nullptr;
    if (!g_shell_parse_argv(line.c_str(), &count, &words, &failure)) {
        error = std::string("The Diff Tool setting \"") + line +
                "\" is not a valid command line: " + failure->message + ".\n\n" + kHowToSet;
        g_error_free(failure);
        return {};
    }
    std::vector<std::string> result(words, words + count);
    g_strfreev(words);
    return result;
}

}  // namespace

const std::vector<std::string>& KnownDiffTools() {
    static const std::vector<std::string> tools{"meld",    "kdiff3", "kompare",
                                                "diffuse", "tkdiff", "xxdiff"};
    return tools;
}

DiffToolCommand MakeDiffToolCommand(std::string_view configured, const std::string& left,
                                    const std::string& right) {
    DiffToolCommand command;
    const bool isSet = configured.find_first_not_of(" \t") != std::string_view::npos;
    if (!isSet) {
        for (const std::string& tool : KnownDiffTools()) {
            if (std::string path = FindProgram(tool); !path.empty()) {
                command.arguments = {path, left, right};
                return command;
            }
        }
        command.error = "No file comparison program was found: none of " + KnownToolNames() +
                        " is installed.\n\n" + kHowToSet;
        return command;
    }
    std::vector<std::string> words = SplitCommandLine(configured, command.error);
    if (words.empty()) {
        return command;
    }
    const std::string& program = words.front();
    const std::string path =
        program.find('/') == std::string::npos ? FindProgram(program) : program;
    if (path.empty()) {
        command.error = "The file comparison program \"" + program +
                        "\" of the Diff Tool setting was not found on PATH.\n\n" + kHowToSet;
        return command;
    }
    const bool placed = std::any_of(words.begin() + 1, words.end(), HasPlaceholder);
    words.front() = path;
    for (auto word = words.begin() + 1; word != words.end(); ++word) {
        *word = Substitute(*word, left, right);
    }
    if (!placed) {
        words.push_back(left);
        words.push_back(right);
    }
    command.arguments = std::move(words);
    return command;
}
