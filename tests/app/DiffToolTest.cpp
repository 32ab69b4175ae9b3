// The command that opens a pair of files in a file-comparison program.

#include "DiffTool.h"

#include <gtest/gtest.h>

#include "FakePrograms.h"
#include "TempTree.h"

namespace {

using Words = std::vector<std::string>;

class DiffToolTest : public ::testing::Test {
  protected:
    std::string Bin(const std::string& name) const { return m_tree.Path("bin/" + name); }

    TempTree m_tree;
    FakePrograms m_programs{m_tree};
    const std::string m_left = "/data/left/a b.txt";
    const std::string m_right = "/data/right/100%2.txt";  // a path that holds a placeholder
};

TEST_F(DiffToolTest, TheSettingsCommandGetsThePathsWhereItsPlaceholdersStand) {
    m_programs.Add("tool", "");
    const struct {
        const char* setting;
        Words expected;
    } cases[] = {
        {"tool %1 %2", {Bin("tool"), m_left, m_right}},
        {"tool %2 %1", {Bin("tool"), m_right, m_left}},
        {"tool --left=%1 -R \"%2\"", {Bin("tool"), "--left=" + m_left, "-R", m_right}},
        {"tool -x", {Bin("tool"), "-x", m_left, m_right}},  // none: both appended
        {"  tool  ", {Bin("tool"), m_left, m_right}},
    };
    for (const auto& each : cases) {
        const DiffToolCommand command = MakeDiffToolCommand(each.setting, m_left, m_right);
        EXPECT_EQ(command.arguments, each.expected) << each.setting;
        EXPECT_EQ(command.error, "") << each.setting;
    }
}

TEST_F(DiffToolTest, AProgramWithAFolderIsTakenAsItStandsEvenWithBlanks) {
    const std::string program = m_tree.Path("my tools/compare it");
    const DiffToolCommand command = MakeDiffToolCommand("'" + program + "' %1 %2", m_left, m_right);
    EXPECT_EQ(command.arguments, (Words{program, m_left, m_right}));
}

TEST_F(DiffToolTest, ASettingThatCannotBeUsedSaysWhyAndHowToSetOne) {
    for (const char* setting : {"missing-tool %1 %2", "tool 'unclosed %1"}) {
        const DiffToolCommand command = MakeDiffToolCommand(setting, m_left, m_right);
        EXPECT_TRUE(command.arguments.empty()) << setting;
        EXPECT_NE(command.error.find("Diff Tool=meld %1 %2"), std::string::npos) << setting;
    }
    EXPECT_NE(MakeDiffToolCommand("missing-tool", m_left, m_right).error.find("\"missing-tool\""),
              std::string::npos);
}

TEST_F(DiffToolTest, WithoutASettingTheFirstKnownProgramOnPathIsUsed) {
    DiffToolCommand command = MakeDiffToolCommand("", m_left, m_right);
    EXPECT_TRUE(command.arguments.empty());
    EXPECT_NE(command.error.find("No file comparison program was found"), std::string::npos);

    m_programs.Add("tkdiff", "");
    EXPECT_EQ(MakeDiffToolCommand(" ", m_left, m_right).arguments,
              (Words{Bin("tkdiff"), m_left, m_right}));
    m_programs.Add("kdiff3", "");
    EXPECT_EQ(MakeDiffToolCommand("", m_left, m_right).arguments,
              (Words{Bin("kdiff3"), m_left, m_right}));
}

}  // namespace
