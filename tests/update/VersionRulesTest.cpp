#include "VersionRules.h"

#include <gtest/gtest.h>

#include <ctime>

#include "TempTree.h"

namespace {

TEST(VersionRulesTest, PlainNumbersCompareAsNumbers) {
    EXPECT_TRUE(IsNewerVersion("1.05", "1.04"));
    EXPECT_FALSE(IsNewerVersion("1.04", "1.04"));
    EXPECT_FALSE(IsNewerVersion("1.03", "1.04"));
    EXPECT_TRUE(IsNewerVersion("10.00", "9.00"));
    EXPECT_FALSE(IsNewerVersion("9.00", "10.00"));
    EXPECT_FALSE(IsNewerVersion("1.1", "1.10"));
    EXPECT_TRUE(IsNewerVersion("1.10", "1.09"));
    EXPECT_TRUE(IsNewerVersion("20081201", "20080315"));
    EXPECT_TRUE(IsNewerVersion("1.00", "0.0"));
    EXPECT_FALSE(IsNewerVersion("0.0", "0.0"));
    EXPECT_FALSE(IsNewerVersion("000.0", "0.0"));
    EXPECT_TRUE(
        IsNewerVersion("123456789012345678901234567890.2", "123456789012345678901234567890.1"));
}

TEST(VersionRulesTest, AnythingElseComparesAsTextByteByByte) {
    EXPECT_TRUE(IsNewerVersion("1.0b", "1.0a"));
    EXPECT_FALSE(IsNewerVersion("1.0B", "1.0a"));
    // A missing file ("0.0") is offered anything that is larger as text.
    EXPECT_TRUE(IsNewerVersion("beta", "0.0"));
    EXPECT_FALSE(IsNewerVersion("", "0.0"));
    EXPECT_FALSE(IsNewerVersion("-1", "0.0"));
    EXPECT_TRUE(IsNewerVersion("\xE9", "1.00"));
}

class LocalVersionTest : public testing::Test {
  protected:
    std::string VersionOf(const std::string& name, std::optional<std::string> fileVersion) {
        return LocalVersionText(m_tree.Path(name), [&](const std::string&) { return fileVersion; });
    }

    TempTree m_tree;
};

TEST_F(LocalVersionTest, AFileVersionGivesItsLeadingNumberWithTwoDecimals) {
    m_tree.WriteFile("Vantrel", "program");
    EXPECT_EQ(VersionOf("Vantrel", "1.04"), "1.04");
    EXPECT_EQ(VersionOf("Vantrel", "2"), "2.00");
    EXPECT_EQ(VersionOf("Vantrel", "1, 0, 4, 0"), "1.00");
    EXPECT_EQ(VersionOf("Vantrel", " 1.5 beta"), "1.50");
    EXPECT_EQ(VersionOf("Vantrel", "beta"), "0.00");
}

TEST_F(LocalVersionTest, AFileWithoutVersionGivesItsLocalDateAndAMissingOneZero) {
    m_tree.WriteFile("Vantrel.CHM", "help");
    struct tm noon {};
    noon.tm_year = 2008 - 1900;
    noon.tm_mon = 2;
    noon.tm_mday = 15;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    m_tree.SetTimes("Vantrel.CHM", std::mktime(&noon));
    EXPECT_EQ(VersionOf("Vantrel.CHM", std::nullopt), "20080315");
    EXPECT_EQ(VersionOf("missing", "1.04"), "0.0");
}

}  // namespace
