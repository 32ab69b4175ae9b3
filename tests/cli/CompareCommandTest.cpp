#include "CompareCommand.h"

#include <gtest/gtest.h>

#include "TempTree.h"

TEST(CompareCommand, AnInterruptEndsTheRunThroughAbortPrintingNothingAndGives130) {
    TempTree tree;
    for (int i = 0; i < 30; ++i) {
        tree.WriteFile("L/f" + std::to_string(i), "x");
    }
    CommandLine line;
    line.leftFolder = tree.Path("L");
    line.rightFolder = tree.Path("L");
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const volatile std::sig_atomic_t interrupted = 1;
    CompareCommand command(line, out, err, interrupted);
    EXPECT_EQ(command.Run(), CompareCommand::kInterrupted);
    EXPECT_EQ(std::ftell(out), 0L);
    std::fclose(out);
    std::fclose(err);
}
