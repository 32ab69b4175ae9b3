#include <wx/init.h>

#include <cstdio>
#include <string>

#include "CCompareApp.h"
#include "COXVersionInfo.h"
#include "PhysicalPath.h"
#include "ProgramFile.h"
#include "WindowCommandLine.h"

// The arguments are read before the toolkit starts, so that --help,
// --version and a usage error need no display.
int main(int argc, char** argv) {
    const WindowCommandLine line = WindowCommandLine::Parse(argc, argv, CurrentFolder());
    switch (line.action) {
        case WindowCommandLine::Action::Help:
            std::fputs(WindowUsageText(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        case WindowCommandLine::Action::Version: {
            COXVersionInfo version;
            const bool known = version.ReadInfo(ProgramFilePath());
            std::printf("Vantrel %s\n", known ? version.m_sFileVersion.c_str() : "(unknown)");
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
        case WindowCommandLine::Action::UsageError:
            std::fputs("Vantrel: expected no arguments or two folders, LEFT and RIGHT\n", stderr);
            std::fputs(WindowUsageText(), stderr);
            return 2;
        case WindowCommandLine::Action::Open:
            break;
    }
    wxApp::SetInstance(new CCompareApp(line.leftFolder, line.rightFolder));
    // The toolkit sees the program's name only: a folder is never taken for
    // one of its options.
    int toolkitArgc = 1;
    return wxEntry(toolkitArgc, argv);
}
