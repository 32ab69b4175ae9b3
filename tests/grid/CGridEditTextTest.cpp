#include "CGridEditText.h"

#include <gtest/gtest.h>

TEST(CGridEditText, InsertsAtTheCaretUpToItsLimit) {
    CGridEditText edit("ac", 1, 1, 3);
    EXPECT_TRUE(edit.Insert('b'));
    EXPECT_EQ(edit.Text(), "abc");
    EXPECT_EQ(edit.Caret(), 2u);
    EXPECT_FALSE(edit.Insert('x'));
    EXPECT_EQ(edit.Text(), "abc");
}

TEST(CGridEditText, ASelectionIsReplacedOrErasedWhicheverWayItRuns) {
    CGridEditText edit("abcdef", 4, 1);
    EXPECT_EQ(edit.SelectionStart(), 1u);
    EXPECT_EQ(edit.SelectionEnd(), 4u);
    EXPECT_TRUE(edit.Insert('X'));
    EXPECT_EQ(edit.Text(), "aXef");

    CGridEditText erased("abcdef", 1, 4);
    erased.EraseForward();
    EXPECT_EQ(erased.Text(), "aef") << "only the selection goes";
    EXPECT_EQ(erased.Caret(), 1u);
}

TEST(CGridEditText, BackspaceAndDeleteTakeWholeCharacters) {
    CGridEditText edit("aé中\xff", 2, 2);
    ASSERT_EQ(edit.Length(), 4u) << "a stray byte is one character";
    EXPECT_EQ(edit.CodePointAt(2), U'中');
    EXPECT_EQ(edit.CodePointAt(3), U'\uFFFD');
    edit.EraseBackward();
    EXPECT_EQ(edit.Text(), "a中\xff");
    edit.EraseForward();
    EXPECT_EQ(edit.Text(), "a\xff");
    edit.EraseForward();
    EXPECT_EQ(edit.Text(), "a");
    edit.EraseForward();
    EXPECT_EQ(edit.Text(), "a") << "nothing after the end";
    edit.SetCaret(0);
    edit.EraseBackward();
    EXPECT_EQ(edit.Text(), "a") << "nothing before the start";
}

TEST(CGridEditText, PositionsPastTheEndAreTheEnd) {
    CGridEditText edit("ab", 9, 9);
    EXPECT_EQ(edit.Caret(), 2u);
    EXPECT_TRUE(edit.Insert(U'ß'));
    EXPECT_EQ(edit.Text(), "abß");
}
