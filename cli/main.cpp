// vantrel-compare: compares two folders from a terminal or a script.
#include <csignal>
#include <cstdio>

#include "CommandLine.h"
#include "CompareCommand.h"

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) {
    g_interrupted = 1;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = CommandLine::Parse(argc, argv);
    switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(UsageText(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::printf("vantrel-compare (Vantrel) %s\n", VANTREL_FILE_VERSION);
            return 0;
        case CommandLine::Action::UsageError:
            std::fprintf(stderr, "vantrel-compare: %s\nTry 'vantrel-compare --help'.\n",
                         line.error.c_str());
            return CompareCommand::kTrouble;
        case CommandLine::Action::Compare:
            break;
    }
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);

    CompareCommand command(line, stdout, stderr, g_interrupted);
    return command.Run();
}
