#include "CGridEditMask.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool AllowAll(char32_t&) {
    return true;
}

// Types `keys` one by one at the end of `start` and answers the text.
std::string TypeInto(const CGridEditMask& mask, const std::u32string& keys,
                     const std::string& start = "") {
    CGridEditText edit(start, start.size(), start.size(), mask.Length());
    edit.SetCaret(edit.Length());
    for (const char32_t key : keys) {
        mask.Type(edit, key, AllowAll);
    }
    return edit.Text();
}

// Which of a row of sample characters a one-position mask takes.
std::u32string TakenBy(std::string_view maskCharacter) {
    const CGridEditMask mask(maskCharacter);
    std::u32string taken;
    for (const char32_t sample : std::u32string(U"5 +-xQé中!_\t")) {
        if (mask.Accepts(0, sample)) {
            taken += sample;
        }
    }
    return taken;
}

}  // namespace

TEST(CGridEditMask, EachMaskCharacterTakesItsKindOfCharacter) {
    EXPECT_EQ(TakenBy("0"), U"5");
    EXPECT_EQ(TakenBy("9"), U"5 ");
    EXPECT_EQ(TakenBy("#"), U"5 +-");
    EXPECT_EQ(TakenBy("L"), U"xQé中");
    EXPECT_EQ(TakenBy("?"), U" xQé中");
    EXPECT_EQ(TakenBy("A"), U"5xQé中");
    EXPECT_EQ(TakenBy("a"), U"5 xQé中");
    EXPECT_EQ(TakenBy("&"), U"5 +-xQé中!_") << "any printable character, not a tab";
    EXPECT_EQ(TakenBy("C"), U"5 +-xQé中!_");
}

TEST(CGridEditMask, OtherCharactersAndEscapedOnesAreLiteralsTakingOnePositionEach) {
    const CGridEditMask mask("(\\9\\\\)0-€");
    ASSERT_EQ(mask.Length(), 7u) << "a backslash takes no position of its own";
    EXPECT_TRUE(mask.Accepts(0, '('));
    EXPECT_TRUE(mask.Accepts(1, '9'));
    EXPECT_FALSE(mask.Accepts(1, '5')) << "an escaped mask character is a literal";
    EXPECT_TRUE(mask.Accepts(2, '\\'));
    EXPECT_TRUE(mask.Accepts(4, '5'));
    EXPECT_TRUE(mask.Accepts(6, U'€'));
    EXPECT_FALSE(mask.Accepts(6, 'x'));
    EXPECT_FALSE(mask.Accepts(7, 'x')) << "nothing fits past the mask";
    EXPECT_EQ(mask.Reformat("5"), "(9\\)5");

    const CGridEditMask trailing("0\\");
    ASSERT_EQ(trailing.Length(), 2u);
    EXPECT_TRUE(trailing.Accepts(1, '\\')) << "a lone backslash at the end is itself";
}

TEST(CGridEditMask, AnEmptyMaskIsOff) {
    EXPECT_FALSE(CGridEditMask("").IsOn());
    EXPECT_TRUE(CGridEditMask("0").IsOn());
}

TEST(CGridEditMask, TypingAutoTypesOneLiteralAndDropsWhatDoesNotFit) {
    const CGridEditMask phone("999-999");
    EXPECT_EQ(TypeInto(phone, U"123456"), "123-456");
    EXPECT_EQ(TypeInto(phone, U"1a2b3c4d"), "123-4");
    EXPECT_EQ(TypeInto(phone, U"123-456"), "123-456") << "the typed dash is not a second one";
    EXPECT_EQ(TypeInto(phone, U"1234567"), "123-456") << "nothing past the mask";

    const CGridEditMask doubled("99--99");
    EXPECT_EQ(TypeInto(doubled, U"123"), "12-") << "one literal only before a character";
    EXPECT_EQ(TypeInto(doubled, U"12-34"), "12--34") << "the second literal is typed";
}

TEST(CGridEditMask, TypingOnALiteralAlreadyThereStepsOverIt) {
    const CGridEditMask phone("999-999");
    CGridEditText edit("123-45", 3, 3, phone.Length());
    EXPECT_TRUE(phone.Type(edit, '6', AllowAll));
    EXPECT_EQ(edit.Text(), "123-645");
    EXPECT_EQ(edit.Caret(), 5u);
}

TEST(CGridEditMask, TypingReplacesTheSelection) {
    const CGridEditMask phone("999-999");
    CGridEditText edit("123-456", 6, 4, phone.Length());
    EXPECT_TRUE(phone.Type(edit, '9', AllowAll));
    EXPECT_EQ(edit.Text(), "123-96");

    CGridEditText refused("123-456", 0, 7, phone.Length());
    EXPECT_FALSE(phone.Type(refused, 'x', AllowAll));
    EXPECT_EQ(refused.Text(), "") << "the selection goes even when the character is dropped";
}

TEST(CGridEditMask, TheOwnersKeyCheckHasTheLastWord) {
    const CGridEditMask phone("999-999");
    CGridEditText edit("123", 3, 3, phone.Length());
    EXPECT_FALSE(phone.Type(edit, '4', [](char32_t&) { return false; }));
    EXPECT_EQ(edit.Text(), "123-") << "the literal is typed before the check";

    int asked = 0;
    const auto countAsks = [&](char32_t&) { return ++asked > 0; };
    phone.Type(edit, 'x', countAsks);
    EXPECT_EQ(asked, 0) << "a character the mask drops is never offered";

    const auto toSeven = [](char32_t& character) {
        character = '7';
        return true;
    };
    EXPECT_TRUE(phone.Type(edit, '4', toSeven));
    EXPECT_EQ(edit.Text(), "123-7");
}

TEST(CGridEditMask, ReformattingLaysTheTextOnTheMask) {
    const CGridEditMask phone("999-999");
    EXPECT_EQ(phone.Reformat("123456"), "123-456");
    EXPECT_EQ(phone.Reformat("12a3b456"), "123-456") << "characters that do not fit are skipped";
    EXPECT_EQ(phone.Reformat("123"), "123") << "it stops where the text runs out";
    EXPECT_EQ(phone.Reformat("1234"), "123-4");
    EXPECT_EQ(phone.Reformat("123456789"), "123-456") << "cut to the mask";
    EXPECT_EQ(phone.Reformat(""), "");
    EXPECT_EQ(CGridEditMask("(999)").Reformat("42"), "(42");
}

TEST(CGridEditMask, ReformattingAFormattedTextKeepsIt) {
    const CGridEditMask anything("&&-&&");
    EXPECT_EQ(anything.Reformat("abcd"), "ab-cd");
    EXPECT_EQ(anything.Reformat("ab-cd"), "ab-cd") << "its own dash is not taken as data";
    EXPECT_EQ(CGridEditMask("999-999").Reformat("123-456"), "123-456");
}

TEST(CGridEditMask, PositionsAreCharactersNotBytes) {
    const CGridEditMask mask("LL→0");
    EXPECT_EQ(TypeInto(mask, U"Жé7"), "Жé→7");
    EXPECT_EQ(TypeInto(mask, U"中文字"), "中文→") << "a letter does not fit a digit";
    EXPECT_EQ(mask.Reformat("ßö9"), "ßö→9");
    const std::string strayByte = "\xff";
    EXPECT_EQ(mask.Reformat("ß" + strayByte + "ö9"), "ßö→9") << "a stray byte fits nothing";
    EXPECT_EQ(TypeInto(CGridEditMask("&0"), U"😀5"), "😀5") << "four bytes, one position";

    const CGridEditMask three("&&&");
    CGridEditText edit("", 0, 0, three.Length());
    for (const char32_t key : std::u32string(U"€€€€")) {
        three.Type(edit, key, AllowAll);
    }
    EXPECT_EQ(edit.Text(), "€€€") << "the limit counts characters";
}
