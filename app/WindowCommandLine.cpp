#include "WindowCommandLine.h"

#include <string_view>
#include <vector>

#include "PathText.h"

namespace {

// `folder` made absolute against `currentFolder`, without "." components or
// empty ones, ending in "/".
std::string AbsoluteFolder(const std::string& folder, const std::string& currentFolder) {
    const std::string whole = folder.starts_with('/') ? folder : currentFolder + "/" + folder;
    std::string result;
    size_t start = 0;
    while (start <= whole.size()) {
        size_t end = whole.find('/', start);
        if (end == std::string::npos) {
            end = whole.size();
        }
        const std::string_view part(whole.data() + start, end - start);
        if (!part.empty() && part != ".") {
            result += '/';
            result += part;
        }
        start = end + 1;
    }
    AppendBackslash(result);
    return result;
}

}  // namespace

const char* WindowUsageText() {
    return "Usage: Vantrel [LEFT RIGHT]\n"
           "Open the folder compare window; with two folders, compare them at once.\n"
           "\n"
           "      --help      show this help and exit\n"
           "      --version   show the version and exit\n"
           "\n"
           "Use \"--\" before folders whose names begin with \"-\".\n";
}

WindowCommandLine WindowCommandLine::Parse(int argc, const char* const* argv,
                                           const std::string& currentFolder) {
    std::vector<std::string> words(argv + std::min(argc, 1), argv + argc);
    WindowCommandLine line;
    if (words.size() == 1 && words[0] == "--help") {
        line.action = Action::Help;
        return line;
    }
    if (words.size() == 1 && words[0] == "--version") {
        line.action = Action::Version;
        return line;
    }
    const bool separated = !words.empty() && words[0] == "--";
    if (separated) {
        words.erase(words.begin());
    }
    for (const std::string& word : words) {
        if (!separated && word.starts_with('-')) {
            return line;
        }
    }
    if (words.empty()) {
        line.action = Action::Open;
    } else if (words.size() == 2 && !words[0].empty() && !words[1].empty()) {
        line.action = Action::Open;
        line.leftFolder = AbsoluteFolder(words[0], currentFolder);
        line.rightFolder = AbsoluteFolder(words[1], currentFolder);
    }
    return line;
}
