#include "CommandLine.h"

#include <getopt.h>

const char* UsageText() {
    return "Usage: vantrel-compare [OPTION]... LEFT RIGHT\n"
           "Compare the files of folder LEFT with those of folder RIGHT.\n"
           "\n"
           "  -r, --recurse                include subfolders\n"
           "  -a, --disregard-attributes   attributes take no part in the verdict\n"
           "  -q, --brief                  leave out identical files\n"
           "      --help                   show this help and exit\n"
           "      --version                show the version and exit\n"
           "\n"
           "Prints one line per file: its status, the left name and the right name,\n"
           "separated by tabs, then the counts and the verdict.\n"
           "Exit status: 0 folders same, 1 folders different, 2 trouble, 130 interrupted.\n";
}

CommandLine CommandLine::Parse(int argc, char** argv) {
    enum { kHelp = 1000, kVersion };
    static const option kOptions[] = {{"recurse", no_argument, nullptr, 'r'},
                                      {"disregard-attributes", no_argument, nullptr, 'a'},
                                      {"brief", no_argument, nullptr, 'q'},
                                      {"help", no_argument, nullptr, kHelp},
                                      {"version", no_argument, nullptr, kVersion},
                                      {nullptr, 0, nullptr, 0}};
    CommandLine line;
    opterr = 0;
    optind = 1;
    for (int option; (option = getopt_long(argc, argv, "raq", kOptions, nullptr)) != -1;) {
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
            case kHelp:
                line.action = Action::Help;
                return line;
            case kVersion:
                line.action = Action::Version;
                return line;
            default:
                line.error =
                    optopt != 0 ? std::string("unknown option '-") + static_cast<char>(optopt) + "'"
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
