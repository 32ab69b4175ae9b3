#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>

#include "ContentJob.h"
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

TEST_F(ClassificationTest, SmallFilesComparedBatchesAheadKeepEachRowsStatus) {
    std::map<std::string, std::string> expected;
    const auto name = [](size_t i, const char* suffix) {
        char text[32];
        std::snprintf(text, sizeof text, "s%04zu%s", i, suffix);
        return std::string(text);
    };
    const auto expect = [&](const std::string& file, RowStatus status) {
        expected[file] = LegendText(status);
    };
    // Enough small pairs for several batches and more than one trip to the
    // reading thread, with other rows in between.
    for (size_t i = 0; i < ContentJob::kMostPairs + 2 * ContentBatch::kMostPairs + 40; ++i) {
        const std::string text(100 + i % 9, static_cast<char>('a' + i % 26));
        if (i % 7 == 3) {
            std::string changed = text;
            changed[i % text.size()] = '!';
            Pair(name(i, ""), text, changed);
            expect(name(i, ""), RowStatus::ContentDiffers);
        } else if (i % 11 == 5) {
            Pair(name(i, ""), text, text, 1000000000, 1000000060);
            expect(name(i, ""), RowStatus::TimeDiffers);
        } else {
            Pair(name(i, ""), text, text);
            expect(name(i, ""), RowStatus::Identical);
        }
        if (i % 10 == 2) {
            tree.WriteFile("L/" + name(i, "-left"), text);
            expect(name(i, "-left"), RowStatus::Missing);
        }
        if (i % 10 == 7) {
            tree.WriteFile("R/" + name(i, "-right"), text);
            expect(name(i, "-right"), RowStatus::Missing);
        }
        if (i % 40 == 0) {
            std::string big(70000, static_cast<char>('a' + i % 26)), changed = big;
            changed.back() = '!';
            Pair(name(i, "-big"), big, i % 80 == 0 ? changed : big);
            expect(name(i, "-big"), i % 80 == 0 ? RowStatus::ContentDiffers : RowStatus::Identical);
        }
        if (i % 30 == 15) {
            Pair(name(i, "-size"), text, text + "!");
            expect(name(i, "-size"), RowStatus::SizeDiffers);
        }
    }
    // The largest files still compared in batches, and the smallest that are not.
    std::string edge(ContentBatch::kLargestFile, 'e'), edgeChanged = edge;
    edgeChanged.back() = '!';
    Pair("s064-edge", edge, edgeChanged);
    expect("s064-edge", RowStatus::ContentDiffers);
    Pair("s065-edge", edge + "e", edge + "e");
    expect("s065-edge", RowStatus::Identical);
    Pair("s066-edge", edge + "e", edgeChanged + "e");
    expect("s066-edge", RowStatus::ContentDiffers);

    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    std::map<std::string, std::string> shown;
    for (const auto& [row, status] : host.rows) {
        shown[row.HasLeft() ? row.szLeftName : row.szRightName] = LegendText(status);
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(host.rows.size(), expected.size());
    int equal = 0, missing = 0;
    for (const auto& [file, legend] : expected) {
        equal += legend == LegendText(RowStatus::Identical);
        missing += legend == LegendText(RowStatus::Missing);
    }
    EXPECT_EQ(host.engine.m_counts.equal, equal);
    EXPECT_EQ(host.engine.m_counts.missing, missing);
    EXPECT_EQ(host.engine.m_counts.different, static_cast<int>(expected.size()) - equal - missing);
}
