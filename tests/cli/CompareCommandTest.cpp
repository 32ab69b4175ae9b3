#include "CompareCommand.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "TempTree.h"

namespace {

// A folder of 30 files compared with itself.
class CompareCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 30; ++i) {
            tree.WriteFile("L/f" + std::to_string(i), "x");
        }
        line.leftFolder = tree.Path("L");
        line.rightFolder = tree.Path("L");
    }

    TempTree tree;
    CommandLine line;
};

}  // namespace

TEST_F(CompareCommandTest, AnInterruptEndsTheRunThroughAbortPrintingNothingAndGives130) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const volatile std::sig_atomic_t interrupted = 1;
    CompareCommand command(line, out, err, interrupted);
    EXPECT_EQ(command.Run(), CompareCommand::kInterrupted);
    EXPECT_EQ(std::ftell(out), 0L);
    std::fclose(out);
    std::fclose(err);
}

namespace {

// A stream on a full disk: every write fails with "No space left on device".
ssize_t FailWrite(void*, const char*, size_t) {
    errno = ENOSPC;
    return -1;
}

// Counts the rows the engine hands over.
class CountingCommand : public CompareCommand {
  public:
    using CompareCommand::CompareCommand;
    void ShowRow(size_t index, const ResultRow& row, RowStatus status) override {
        ++rows;
        CompareCommand::ShowRow(index, row, status);
    }
    int rows = 0;
};

}  // namespace

TEST_F(CompareCommandTest, AFailedWriteStopsTheRunAndGivesTroubleWithTheReason) {
    std::FILE* out = fopencookie(nullptr, "w", {nullptr, FailWrite, nullptr, nullptr});
    ASSERT_NE(out, nullptr);
    std::setvbuf(out, nullptr, _IONBF, 0);  // each row is written at once
    std::FILE* err = std::tmpfile();
    const volatile std::sig_atomic_t interrupted = 0;
    CountingCommand command(line, out, err, interrupted);
    EXPECT_EQ(command.Run(), CompareCommand::kTrouble);
    EXPECT_EQ(command.rows, 1) << "the compare stops once a write failed";
    std::rewind(err);
    char message[200] = {};
    EXPECT_NE(std::fgets(message, sizeof message, err), nullptr);
    EXPECT_STREQ(message, "vantrel-compare: write error: No space left on device\n");
    std::fclose(out);
    std::fclose(err);
}
