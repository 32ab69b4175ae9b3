#include "UpdateManifest.h"

#include <gtest/gtest.h>

namespace {

const std::string kDigest = "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";

TEST(UpdateManifestTest, LinesEndedByLfOrCrLfGiveTheirFieldsAsWritten) {
    const auto manifest = ParseManifest("Vantrel,archive1.zip,1.05\r\nVantrel.CHM, help.zip ,1.02");
    ASSERT_EQ(manifest.problem, ManifestProblem::None);
    ASSERT_EQ(manifest.lines.size(), 2u);
    EXPECT_EQ(manifest.lines[0].targetName, "Vantrel");
    EXPECT_EQ(manifest.lines[0].archiveName, "archive1.zip");
    EXPECT_EQ(manifest.lines[0].offeredVersion, "1.05");
    EXPECT_EQ(manifest.lines[1].archiveName, " help.zip ");
    EXPECT_FALSE(manifest.lines[1].sha256);
}

TEST(UpdateManifestTest, AFourthFieldIsADigestOnlyWhenItLooksLikeOne) {
    std::string upper = kDigest;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const auto manifest = ParseManifest("A,a.zip,1.00," + upper + ",more\nB,b.zip,1.00,old note\n");
    ASSERT_EQ(manifest.problem, ManifestProblem::None);
    ASSERT_EQ(manifest.lines.size(), 2u);
    EXPECT_EQ(manifest.lines[0].sha256, kDigest);
    EXPECT_FALSE(manifest.lines[1].sha256);
}

TEST(UpdateManifestTest, OneLineEndAfterTheLastLineIsNoEmptyLineButTwoAre) {
    EXPECT_EQ(ParseManifest("A,a.zip,1.00\n").problem, ManifestProblem::None);
    EXPECT_EQ(ParseManifest("A,a.zip,1.00\n\n").problem, ManifestProblem::NotAvailable);
    EXPECT_EQ(ParseManifest("A,a.zip,1.00\r\n\r\nB,b.zip,1.00").problem,
              ManifestProblem::NotAvailable);
    EXPECT_EQ(ParseManifest("").problem, ManifestProblem::Empty);
}

TEST(UpdateManifestTest, ErrorPagesAndShortLinesMakeTheWholeManifestUnavailable) {
    const auto page = ParseManifest("A,a.zip,1.00\n<!DOCTYPE HTML PUBLIC \"-//IETF//DTD\">,x,y\n");
    EXPECT_EQ(page.problem, ManifestProblem::NotAvailable);
    EXPECT_TRUE(page.lines.empty());
    EXPECT_NE(page.reason.find("Line 2"), std::string::npos) << page.reason;
    EXPECT_EQ(ParseManifest("A,a.zip").problem, ManifestProblem::NotAvailable);
    EXPECT_EQ(ParseManifest(",,").problem, ManifestProblem::NotAvailable);
}

TEST(UpdateManifestTest, TargetsOutsideTheProgramFolderAreRefused) {
    for (const char* target : {"../Vantrel", "/usr/bin/Vantrel", "help/../../x", ".."}) {
        const auto manifest = ParseManifest(std::string(target) + ",a.zip,1.00");
        EXPECT_EQ(manifest.problem, ManifestProblem::NotAvailable) << target;
        EXPECT_NE(manifest.reason.find("leaves the program's folder"), std::string::npos);
    }
    EXPECT_EQ(ParseManifest("help/Vantrel.CHM,a.zip,1.00").problem, ManifestProblem::None);
    EXPECT_EQ(ParseManifest("..hidden,a.zip,1.00").problem, ManifestProblem::None);
}

}  // namespace
