// vantrel-compare: compares two folders from a terminal or a script.
#include <csignal>
#include <cstdio>

#include "CheckedOutput.h"
#include "CommandLine.h"
#include "CompareCommand.h"

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) {
    g_interrupted = 1;
}

// Prints `text` to standard output; the exit status.
int PrintOut(const char* text) {
    CheckedOutput out(stdout);
    out.Printf("%s", text);
    if (!out.Finish()) {
        out.ReportTo(stderr);
        return CompareCommand::kTrouble;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = CommandLine::Parse(argc, argv);
    switch (line.action) {
        case CommandLine::Action::Help:
            return PrintOut(UsageText());
        case CommandLine::Action::Version:
            return PrintOut("vantrel-compare (Vantrel) " VANTREL_FILE_VERSION "\n");
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
