// Choosing the rows whose texts may be the widest of a column.

#include "WidestTextRows.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Widths of a font where '1' is narrow, 'W' and 'é' wide and every other
// character 5; counts the characters measured.
struct FakeFont {
    std::map<std::string, int> measured;
    int Width(std::string_view character) {
        ++measured[std::string(character)];
        if (character == "1") {
            return 2;
        }
        if (character == "W" || character == "\xC3\xA9") {
            return 9;
        }
        return 5;
    }
};

WidestTextRows::CharacterWidth MeasureWith(FakeFont& font) {
    return [&font](std::string_view character) { return font.Width(character); };
}

TEST(WidestTextRowsTest, KeepsTheWidestTextsWhereverTheyStand) {
    FakeFont font;
    WidestTextRows widest(2, MeasureWith(font));
    const char* const texts[] = {"111111", "22", "4444", "1111111", "333", "55", "11"};
    for (int row = 0; row < 7; ++row) {
        widest.Offer(row, texts[row]);
    }
    // "4444" (20) and "333" (15) beat "1111111" (14), although it is longest.
    EXPECT_EQ(widest.Rows(), (std::vector<int>{2, 4}));
}

TEST(WidestTextRowsTest, AnEqualTextTakesNoSecondPlace) {
    FakeFont font;
    WidestTextRows widest(2, MeasureWith(font));
    widest.Offer(0, "999");
    widest.Offer(1, "12");
    widest.Offer(2, "999");
    widest.Offer(3, "1");
    EXPECT_EQ(widest.Rows(), (std::vector<int>{0, 1}));
}

TEST(WidestTextRowsTest, MeasuresEachCharacterOnceAndWholeUtf8Characters) {
    FakeFont font;
    WidestTextRows widest(1, MeasureWith(font));
    widest.Offer(0, "ab");
    widest.Offer(1, "\xC3\xA9\xC3\xA9");  // two wide characters: 18
    widest.Offer(2, "abc");               // 15
    widest.Offer(3, "b\xFF");             // a stray byte is a character of its own
    EXPECT_EQ(widest.Rows(), std::vector<int>{1});
    for (const auto& [character, times] : font.measured) {
        EXPECT_EQ(times, 1) << character;
    }
    EXPECT_EQ(font.measured.count("\xC3\xA9"), 1U);
    EXPECT_EQ(font.measured.count("\xFF"), 1U);
}

}  // namespace
