#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "RecordingHost.h"
#include "TempTree.h"
#include "Unprivileged.h"

namespace {

class ClassificationTest : public ::testing::Test {
  protected:
    // Writes `name` into both folders with the given contents and times.
    void Pair(const std::string& name, const std::string& left, const std::string& right,
              int64_t leftTime = 1000000000, int64_t rightTime = 1000000000) {
        tree.WriteFile("L/" + name, left);
        tree.WriteFile("R/" + name, right);
        tree.SetTimes("L/" + name, leftTime);
        tree.SetTimes("R/" + name, rightTime);
    }

    TempTree tree;
    RecordingHost host;
};

}  // namespace

TEST_F(ClassificationTest, SizeComesBeforeContentBeforeTimeBeforeAttributes) {
    Pair("size.txt", "short", "longer", 1, 2);
    Pair("content.txt", "aaaa", "bbbb", 1, 2);
    Pair("time.txt", "same", "same", 1000, 1001);
    Pair("attr.txt", "same", "same");
    chmod(tree.Path("R/attr.txt").c_str(), 0444);
    Pair("empty.txt", "", "");
    Pair("oneblock.bin", std::string(32768, 'x'), std::string(32768, 'x'));
    std::string big(600000, 'b');
    Pair("bigsame.bin", big, big);
    std::string changed = big;
    changed.back() = 'c';
    Pair("lastbyte.bin", big, changed);

    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_EQ(host.StatusOf("size.txt"), RowStatus::SizeDiffers);
    EXPECT_EQ(host.StatusOf("content.txt"), RowStatus::ContentDiffers);
    EXPECT_EQ(host.StatusOf("time.txt"), RowStatus::TimeDiffers);
    EXPECT_EQ(host.StatusOf("attr.txt"), RowStatus::AttributesDiffer);
    EXPECT_EQ(host.StatusOf("empty.txt"), RowStatus::Identical);
    EXPECT_EQ(host.StatusOf("oneblock.bin"), RowStatus::Identical);
    EXPECT_EQ(host.StatusOf("bigsame.bin"), RowStatus::Identical);
    EXPECT_EQ(host.StatusOf("lastbyte.bin"), RowStatus::ContentDiffers);
    EXPECT_EQ(host.engine.m_counts.equal, 3);
    EXPECT_EQ(host.engine.m_counts.different, 5);

    host.engine.m_bDisregardAttributes = true;
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_EQ(host.StatusOf("attr.txt"), RowStatus::Identical);
}

TEST_F(ClassificationTest, SizesAreComparedInFull64Bits) {
    tree.WriteFile("L/huge.bin", "");
    tree.WriteFile("R/huge.bin", "");
    ASSERT_EQ(truncate(tree.Path("L/huge.bin").c_str(), 5368709120LL), 0);
    ASSERT_EQ(truncate(tree.Path("R/huge.bin").c_str(), 1073741824LL), 0);  // 4 GiB less
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0].row.nLeftSize, 5368709120ULL);
    EXPECT_EQ(host.rows[0].status, RowStatus::SizeDiffers);
}

TEST_F(ClassificationTest,
       AFolderComparedWithItselfIsIdenticalWithoutReadingAndUnreadableFilesDiffer) {
    Pair("secret.txt", "same", "same");
    chmod(tree.Path("L/secret.txt").c_str(), 0);
    const std::string left = tree.Path("L"), right = tree.Path("R");
    const std::string verdicts = RunUnprivileged([&] {
        RecordingHost unprivileged;
        unprivileged.Compare(left, left);
        std::string text = LegendText(unprivileged.StatusOf("secret.txt"));
        unprivileged.Compare(left, right);
        return text + "," + LegendText(unprivileged.StatusOf("secret.txt"));
    });
    EXPECT_EQ(verdicts, "Identical File,Different Content");
}
