#include "NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "CGridCell.h"
#include "DisplayText.h"

namespace {

NumberConventions CommaGrouping() {
    return {".", ",", "$"};
}
NumberConventions DotGrouping() {
    return {",", ".", "EUR"};
}

std::string Shown(double number, std::optional<int> decimals = std::nullopt, bool grouped = true) {
    return FormatNumberText(number, decimals, grouped, CommaGrouping());
}

}  // namespace

TEST(NumberText, GroupsDigitsByThreeWithTheLocalesSeparators) {
    EXPECT_EQ(Shown(1234.5), "1,234.5");
    EXPECT_EQ(Shown(1234567), "1,234,567");
    EXPECT_EQ(Shown(-1234.5), "-1,234.5");
    EXPECT_EQ(Shown(999), "999");
    EXPECT_EQ(FormatNumberText(1234.5, std::nullopt, true, DotGrouping()), "1.234,5");
}

TEST(NumberText, FixedDecimalsKeepTrailingZeros) {
    EXPECT_EQ(Shown(1234.5, 2), "1,234.50");
    EXPECT_EQ(Shown(2, 0), "2");
    EXPECT_EQ(Shown(0.126, 2), "0.13") << "rounded to the fixed decimals";
}

TEST(NumberText, UngroupedShowsThePlainDigits) {
    EXPECT_EQ(Shown(1234.5, std::nullopt, false), "1234.5");
    EXPECT_EQ(Shown(1234.5, 2, false), "1234.50");
    EXPECT_EQ(Shown(100, std::nullopt, false), "100") << "no trailing decimal point";
}

TEST(NumberText, ZeroShowsZeroAndFractionsAtMostSixDecimals) {
    EXPECT_EQ(Shown(0), "0");
    EXPECT_EQ(Shown(0, std::nullopt, false), "0");
    EXPECT_EQ(Shown(1.0 / 3.0), "0.333333");
    EXPECT_EQ(Shown(0.5), "0.5");
    EXPECT_EQ(Shown(0.0000004), "0") << "rounds away below six decimals";
    EXPECT_EQ(Shown(100), "100");
}

TEST(NumberText, TextToNumberDropsSeparatorsAndCurrency) {
    EXPECT_EQ(TextToNumber("1,234.5", CommaGrouping()), 1234.5);
    EXPECT_EQ(TextToNumber("$1,000", CommaGrouping()), 1000.0);
    EXPECT_EQ(TextToNumber("1.234,5", DotGrouping()), 1234.5);
    EXPECT_EQ(TextToNumber("  -7.25xyz", CommaGrouping()), -7.25) << "the leading number counts";
    EXPECT_EQ(TextToNumber("abc", CommaGrouping()), 0.0);
}

TEST(NumberText, FixedFormatIgnoresTheLocale) {
    EXPECT_EQ(FormatFixed(2.5, 2), "2.50");
    EXPECT_EQ(FormatFixed(-0.004, 2), "-0.00");
}

TEST(NumberText, DatesCountDaysFromTheEndOf1899) {
    EXPECT_EQ(DateTextToNumber("1899-12-30"), 0.0);
    EXPECT_EQ(DateTextToNumber("1900-01-01 06:00:00"), 2.25);
    EXPECT_EQ(DateTextToNumber("1899-12-29 06:00:00"), -1.25);
    EXPECT_FALSE(DateTextToNumber("yesterday-ish").has_value());
}

TEST(DisplayText, InvalidUtf8ShowsReplacementCharacters) {
    EXPECT_EQ(ToDisplayText("caf\xc3\xa9"), wxString::FromUTF8("caf\xc3\xa9"));
    EXPECT_EQ(ToDisplayText("a\xff"
                            "b"),
              wxString(L"a\xFFFD"
                       L"b"));
    EXPECT_EQ(ToDisplayText("x\xe2\x82"), wxString(L"x\xFFFD")) << "a cut sequence shows once";
    EXPECT_EQ(ToDisplayText("\xed\xa0\x80"), wxString(L"\xFFFD")) << "surrogates are invalid";
}

// A number cell shows its text by the C library's current locale. The
// locale is built into the scratch folder, so the machine need not have it.
class NumberTextInLocale : public testing::Test {
  protected:
    void SetUp() override {
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / "vantrel-locales";
        const std::string command = "localedef -i en_US -f UTF-8 '" +
                                    (folder / "en_US.UTF-8").string() + "' >/dev/null 2>&1";
        std::filesystem::create_directories(folder);
        if (std::system(command.c_str()) > 1) {  // 1: built, with warnings
            GTEST_SKIP() << "localedef cannot build en_US.UTF-8 here";
        }
        setenv("LOCPATH", folder.c_str(), 1);
        if (std::setlocale(LC_ALL, "en_US.UTF-8") == nullptr) {
            GTEST_SKIP() << "the built locale does not load";
        }
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
    }
};

TEST_F(NumberTextInLocale, CellShowsTheLocalesGroupingUnlessAskedNotTo) {
    CGridCell cell;
    cell.SetNumber(1234.5);
    EXPECT_EQ(cell.GetDisplayText(), "1,234.5");
    cell.SetDecimalPlaces(2);
    EXPECT_EQ(cell.GetDisplayText(), "1,234.50");
    cell.SetMask(cell.GetMask() | CGridCell::kNoGrouping);
    EXPECT_EQ(cell.GetDisplayText(), "1234.50");

    CGridCell typed;
    typed.SetText("1,234.5");
    typed.SetDataType(CGridCell::kTypeNumber);
    EXPECT_EQ(typed.GetNumber(), 1234.5);
}
