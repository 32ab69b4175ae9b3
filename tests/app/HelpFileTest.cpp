#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "PathText.h"
#include "ProgramFile.h"

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// The build compiles the help pages into a CHM file beside each program that
// asks for one, under the program's own name; this test program does.
TEST(HelpFile, LiesBesideTheProgramAndHoldsEveryPage) {
    const std::string help = ReplaceExtension(ProgramFilePath(), "CHM");
    const std::string bytes = ReadBytes(help);
    ASSERT_FALSE(bytes.empty()) << help;
    EXPECT_EQ(bytes.substr(0, 4), "ITSF") << "a compiled HTML help file";
    for (const char* page :
         {"/index.html", "/folders.html", "/options.html", "/statuses.html", "/actions.html",
          "/contents.hhc", "/vantrel.css", "/bitmap_129.png", "/bitmap_134.png"}) {
        EXPECT_NE(bytes.find(page), std::string::npos) << page;
    }
}
