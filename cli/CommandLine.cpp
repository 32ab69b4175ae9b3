#include "CommandLine.h"

#include <getopt.h>

#include "PathPattern.h"
#include "SmallFile.h"

const char* UsageText() {
    return "Usage: vantrel-compare [OPTION]... LEFT RIGHT\n"
           "Compare the files of folder LEFT with those of folder RIGHT.\n"
           "\n"
           "  -r, --recurse                include subfolders\n"
           "  -a, --disregard-attributes   attributes take no part in the verdict\n"
           "  -q, --brief                  leave out identical files\n"
           "  -x, --exclude=PATTERN        leave out files and folders that match PATTERN\n"
           "      --include=PATTERN        take in only files that match PATTERN, or lie in\n"
           "                               a folder that does\n"
           "      --exclude-from=FILE      exclude the patterns of FILE, one a line\n"
           "      --help                   show this help and exit\n"
           "      --version                show the version and exit\n"
           "\n"
           "Prints one line per file: its status, the left name and the right name,\n"
           "separated by tabs, then the counts and the verdict.\n"
           "PATTERNs are shell-style globs on the path relative to LEFT or RIGHT, as\n"
           ".gitignore writes them: \"**\" spans folders, a trailing \"/\" matches folders\n"
           "only, a leading \"/\" anchors at the top. Options may be repeated.\n"
           "Exit status: 0 folders same, 1 folders different, 2 trouble, 130 interrupted.\n";
}

namespace {

// Pattern files are small; anything larger is not one.
constexpr size_t kLargestPatternFile = 16 << 20;

// The patterns of FILE, one a line as in a .gitignore file. Only a regular
// file is read, without waiting, so a FIFO is refused at once.
bool AddExcludesFrom(const std::string& path, PathFilter& filter, std::string& error) {
    const SmallFile file = ReadSmallFile(path, kLargestPatternFile);
    if (!file.text) {
        error = "cannot read patterns from '" + path + "': " + file.reason;
        return false;
    }
    for (const std::string& pattern : PatternLines(*file.text)) {
        if (!filter.AddExclude(pattern, error)) {
            error = path + ": " + error;
            return false;
        }
    }
    return true;
}

}  // namespace

CommandLine CommandLine::Parse(int argc, char** argv) {
    enum { kHelp = 1000, kVersion, kInclude, kExcludeFrom };
    static const option kOptions[] = {{"recurse", no_argument, nullptr, 'r'},
                                      {"disregard-attributes", no_argument, nullptr, 'a'},
                                      {"brief", no_argument, nullptr, 'q'},
                                      {"exclude", required_argument, nullptr, 'x'},
                                      {"include", required_argument, nullptr, kInclude},
                                      {"exclude-from", required_argument, nullptr, kExcludeFrom},
                                      {"help", no_argument, nullptr, kHelp},
                                      {"version", no_argument, nullptr, kVersion},
                                      {nullptr, 0, nullptr, 0}};
    CommandLine line;
    opterr = 0;
    optind = 1;
    for (int option; (option = getopt_long(argc, argv, "raqx:", kOptions, nullptr)) != -1;) {
        switch (option) {
            case 'r':
                line.recurse = true;
                break;
            case 'a':
                line.disregardAttributes = true;
                break;
            case 'q':
                line.brief = true;
                break;
            case 'x':
                if (!line.filter->AddExclude(optarg, line.error)) {
                    return line;
                }
                break;
            case kInclude:
                if (!line.filter->AddInclude(optarg, line.error)) {
                    return line;
                }
                break;
            case kExcludeFrom:
                if (!AddExcludesFrom(optarg, *line.filter, line.error)) {
                    return line;
                }
                break;
            case kHelp:
                line.action = Action::Help;
                return line;
            case kVersion:
                line.action = Action::Version;
                return line;
            default:
                line.error =
                    optopt == 'x' || optopt >= kInclude
                        ? std::string("option '") + argv[optind - 1] + "' needs an argument"
                    : optopt != 0
                        ? std::string("unknown option '-") + static_cast<char>(optopt) + "'"
                        : std::string("unknown option '") + argv[optind - 1] + "'";
                return line;
        }
    }
    if (argc - optind != 2) {
        line.error = "expected two folders, LEFT and RIGHT";
        return line;
    }
    line.leftFolder = argv[optind];
    line.rightFolder = argv[optind + 1];
    line.action = Action::Compare;
    return line;
}
